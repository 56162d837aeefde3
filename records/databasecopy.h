#pragma once
// Moving a workshop's archive to another database: every row of Messungen,
// Kfz and Mitarbeiter copied from one open database to another (an SQLite
// file to a PostgreSQL server, or back), keys kept, every value as it is.
//
// The rows are read in key order a batch at a time and each batch is written
// in one transaction on the target, so a million tests need no more memory
// than one batch, and a copy that stops half-way keeps what it committed. Each
// written batch is read back before it is committed: a value the target would
// keep otherwise than it was sent (a server's CHAR pads, its VARCHAR drops
// spaces past its size, its INTEGER rounds) stops the copy like a value it
// refuses, with the table and key in the error.

#include "records/dbresult.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <functional>

namespace zevo {

struct DatabaseCopyOptions {
    // Copy into a target that already holds rows: a row whose key (Id;
    // Kennzeichen for Kfz) is there is left as it is, the others are copied.
    // Without it a target holding any row is refused and left untouched.
    bool resume = false;
    int batchRows = 500; // rows read, written and committed together
};

struct TableCopyCount {
    QString table;
    qint64 sourceRows = 0;   // counted before the copy of the table began
    qint64 copied = 0;       // committed on the target
    qint64 alreadyThere = 0; // resumed: the key was on the target already
};

// Told after every committed batch: the counts of the table being copied.
using DatabaseCopyProgress = std::function<void(const TableCopyCount&)>;

// Copies Messungen, Kfz and Mitarbeiter (in this order) from `from` to `to`,
// both open databases of this program's schema. On a server the Id sequences
// are moved above the highest copied Id, so that the next stored test gets a
// new Id (an SQLite file's AUTOINCREMENT follows by itself). The counts of
// every table, or the error with what was committed before it.
DbResult<QList<TableCopyCount>> CopyDatabase(const QSqlDatabase& from, const QSqlDatabase& to,
                                             const DatabaseCopyOptions& options = {},
                                             const DatabaseCopyProgress& progress = {});

} // namespace zevo
