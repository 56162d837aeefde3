#pragma once
// The connection "zevodb": the tables Messungen, Kfz and Mitarbeiter in an
// SQLite file or on a PostgreSQL server (databaseconfig.h), created on first
// use and brought up to the current schema version and its indexes on every
// opening. The statements are the same on both; what differs (the table
// definitions, where the schema version is kept) is decided here.

#include "records/databaseconfig.h"
#include "records/dbresult.h"

#include <QSqlDatabase>
#include <QString>

namespace zevo {

inline constexpr const char* DatabaseConnectionName = "zevodb";
inline constexpr int SchemaVersion = 1;

// Opens (and on first use creates) the database under the given connection
// name. A connection of that name already open on the same database is
// returned as it is. A database that is no database of this program, or of a
// newer schema version, is left untouched and gives an error text; no
// connection remains.
DbResult<QSqlDatabase> OpenDatabase(const DatabaseConfig& config,
                                    const QString& connectionName = DatabaseConnectionName);
// The same for an SQLite file.
DbResult<QSqlDatabase> OpenDatabase(const QString& path = QString::fromLatin1(DefaultDatabaseFile),
                                    const QString& connectionName = DatabaseConnectionName);

// For a server that may be away: the connection is added even when it cannot
// be opened now, so that every holder of the handle sees it open once a later
// ConnectDatabase succeeds. An error only when it cannot even be added (no
// driver, an unreadable password file, the name in use).
DbResult<QSqlDatabase> AddDatabase(const DatabaseConfig& config,
                                   const QString& connectionName = DatabaseConnectionName);
// Opens an added connection (again) and brings its tables up to date. On
// failure it stays added and closed, and the error says why.
QString ConnectDatabase(QSqlDatabase db);
// Whether an open connection still reaches its database. One that does not
// (the server stopped, the network is gone) is closed, so that
// ConnectDatabase can open it again.
bool DatabaseAnswers(QSqlDatabase db);

bool OnServer(const QSqlDatabase& db); // a PostgreSQL connection

// A table's name for QSqlTableModel::setTable. The model asks the driver for
// the table's fields by this exact name, and a server keeps the names of
// tables created without quotes in lower case.
QString ModelTableName(const QSqlDatabase& db, const char* table);

// Closes and forgets the connection. Queries and models on it must be gone first.
void CloseDatabase(const QString& connectionName = DatabaseConnectionName);

} // namespace zevo
