#pragma once
// One database transaction that is rolled back unless it was committed, so an
// early return on an error never leaves half a change behind.

#include <QSqlDatabase>
#include <QString>

namespace zevo {

class Transaction {
  public:
    explicit Transaction(const QSqlDatabase& db) : db_(db) {}
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    QString Begin();  // error text, empty on success
    QString Commit(); // error text, empty on success; rolled back on failure

  private:
    QSqlDatabase db_;
    bool active_ = false;
};

} // namespace zevo
