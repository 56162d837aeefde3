#pragma once
// The connection "zevodb": an SQLite file with the tables Messungen, Kfz and
// Mitarbeiter, created on first use and brought up to the current schema
// version (PRAGMA user_version) and its indexes on every opening.

#include "records/dbresult.h"

#include <QSqlDatabase>
#include <QString>

namespace zevo {

inline constexpr const char* DatabaseConnectionName = "zevodb";
inline constexpr const char* DefaultDatabaseFile = "zevodb.sqlite"; // in the working directory
inline constexpr int SchemaVersion = 1;

// Opens (and on first use creates) the file under the given connection name.
// A connection of that name already open on the same file is returned as it
// is. A file that is no database of this program, or of a newer schema
// version, is left untouched and gives an error text; no connection remains.
DbResult<QSqlDatabase> OpenDatabase(const QString& path = DefaultDatabaseFile,
                                    const QString& connectionName = DatabaseConnectionName);

// Closes and forgets the connection. Queries and models on it must be gone first.
void CloseDatabase(const QString& connectionName = DatabaseConnectionName);

} // namespace zevo
