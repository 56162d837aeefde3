#pragma once
// The employee lines in memory: entry n is the text of row n of the table
// Mitarbeiter, printed at the foot of a report whose test names employee n.

#include <QSqlDatabase>
#include <QString>

namespace zevo {

struct ProgramState;

// Fills EmployeeLines 1 .. n from the table's rows in table order, each cut to
// 81 characters. Entries beyond the last row keep what they held; rows after
// the 100th are not loaded. Returns an error text for the user (and changes
// nothing) when the table cannot be read, empty on success.
QString LoadEmployeeLines(const QSqlDatabase& db, ProgramState& state);

} // namespace zevo
