#pragma once
// The table Mitarbeiter: the employee text lines, in the order they were entered.

#include "records/dbresult.h"

#include <QSqlDatabase>
#include <QStringList>

namespace zevo {

// The first maxLines lines in table order (rowid order; Id on a server), each cut to 81
// characters. Reads only the column Text: any table Mitarbeiter with that
// column will do.
DbResult<QStringList> ReadEmployeeLines(const QSqlDatabase& db, int maxLines);

// Replaces all lines by these, in this order, each cut to 81 characters, in
// one transaction: on an error the old lines stay. Error text, empty on success.
QString ReplaceEmployeeLines(const QSqlDatabase& db, const QStringList& lines);

} // namespace zevo
