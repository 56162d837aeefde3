#pragma once
// Keeps an eye on a database server for the main window. Every few seconds
// it asks the server whether it still answers, opens the connection again
// when it went away (or was never reached at start), and says when tests that
// wait to be stored should be tried again. An SQLite file needs none of this.

#include <QObject>
#include <QSqlDatabase>
#include <QString>
#include <functional>

class QTimer;

namespace zevo {

class DatabaseWatch : public QObject {
    Q_OBJECT

  public:
    static constexpr int CheckSeconds = 10;

    // testsWaiting: whether received tests wait to be stored.
    DatabaseWatch(QSqlDatabase db, std::function<bool()> testsWaiting, QObject* parent = nullptr);

    // One check, as the timer makes it.
    void Check();
    // The server stopped answering (seen elsewhere, e.g. by a failed store).
    void Lost(const QString& error);
    bool Away() const { return away_; }

  signals:
    void lost(const QString& error);  // the server went away or cannot be reached
    void back();                      // connected again; the tables are as they were
    void retryDue();                  // connected, and tests wait to be stored

  private:
    QSqlDatabase db_;
    std::function<bool()> testsWaiting_;
    QTimer* timer_;
    bool away_ = false;
};

} // namespace zevo
