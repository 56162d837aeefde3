#pragma once
// Keeps an eye on a database server for a program that receives tests (the
// window, zevo-tool listen). Every few seconds it asks the server whether it
// still answers, opens the connection again when it went away (or was never
// reached at start), and says when tests that wait to be stored should be
// tried again. Whether the server can be reached is first asked with a TCP
// connection that does not block, so that a host that is gone never holds
// the program (and the serial line it reads) for a connection's time-out.
// An SQLite file needs none of this.

#include <QObject>
#include <QSqlDatabase>
#include <QString>
#include <functional>

class QTcpSocket;
class QTimer;

namespace zevo {

class DatabaseWatch : public QObject {
    Q_OBJECT

  public:
    // testsWaiting: whether received tests wait to be stored.
    DatabaseWatch(QSqlDatabase db, std::function<bool()> testsWaiting, int checkSeconds, QObject* parent = nullptr);

    // One check, as the timer makes it; connecting again ends later (back or lost).
    void Check();
    // The server stopped answering (seen elsewhere, e.g. by a failed store).
    void Lost(const QString& error);
    bool Away() const { return away_; }

  signals:
    void lost(const QString& error); // the server went away or cannot be reached
    void back();                     // connected again; the tables are as they were
    void retryDue();                 // connected, and tests wait to be stored

  private:
    void Reconnect();

    QSqlDatabase db_;
    std::function<bool()> testsWaiting_;
    QTimer* timer_;
    QTcpSocket* probe_;
    bool away_ = false;
};

} // namespace zevo
