#pragma once
// Where the tables of "zevodb" live. Without a description file they are in
// the SQLite file zevodb.sqlite in the working folder; the small text file
// "zevodb.conf" beside the settings file can point them at a PostgreSQL
// server instead, so that every lane of a workshop stores into one archive:
//
//   # the workshop's archive on the office PC
//   driver = postgresql
//   host = office-pc
//   port = 5432
//   database = zevodb
//   user = lane1
//   password-file = /etc/zevo/lane1.password
//
// Without "password-file" the PostgreSQL client looks in its own password
// file (~/.pgpass). A password file must be readable by its owner only.
// "driver = sqlite" with "file = PATH" names another SQLite file. Relative
// paths are taken from the folder of the description file.

#include "records/dbresult.h"

#include <QString>

namespace zevo {

inline constexpr const char* DatabaseConfigFile = "zevodb.conf"; // in the working directory
inline constexpr const char* DefaultDatabaseFile = "zevodb.sqlite";

struct DatabaseConfig {
    enum class Driver { SQLite, PostgreSQL };
    Driver driver = Driver::SQLite;
    QString file = QString::fromLatin1(DefaultDatabaseFile); // SQLite
    QString host;                                            // PostgreSQL; empty: the local socket
    int port = 5432;
    QString database;
    QString user;
    QString passwordFile; // empty: the client's own password file

    bool OnServer() const { return driver == Driver::PostgreSQL; }
};

// The description in `path`; the default SQLite file when there is none. A
// description that cannot be read or holds an unknown key or a bad value is
// an error, so that a typing mistake is not taken for "use the local file".
DbResult<DatabaseConfig> ReadDatabaseConfig(const QString& path = QString::fromLatin1(DatabaseConfigFile));

// A database given on a command line: a description file when the name ends
// in ".conf", an SQLite file otherwise.
DbResult<DatabaseConfig> DatabaseConfigFromArgument(const QString& argument);

// The password of a description with a password file. A file that others
// may read is refused.
DbResult<QString> ReadPassword(const DatabaseConfig& config);

// "the SQLite file \"zevodb.sqlite\"" or "zevodb on office-pc:5432 as lane1",
// for messages (never the password).
QString DescribeDatabase(const DatabaseConfig& config);

} // namespace zevo
