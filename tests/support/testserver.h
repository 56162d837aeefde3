#pragma once
// The PostgreSQL server of the tests: ./check starts a throw-away one
// (.ci/pg-cluster) and names its description file in ZEVO_TEST_SERVER.
// Without it the server cases are skipped, so a plain `ctest` still runs.

#include "records/database.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QtGlobal>
#include <optional>

namespace zevo::testing {

inline std::optional<DatabaseConfig> TestServer()
{
    const QString path = qEnvironmentVariable("ZEVO_TEST_SERVER");
    if (path.isEmpty())
        return std::nullopt;
    DbResult<DatabaseConfig> config = ReadDatabaseConfig(path);
    if (!config.ok() || !config.value().OnServer())
        qFatal("ZEVO_TEST_SERVER=%s: %s", qPrintable(path), qPrintable(config.error()));
    return config.value();
}

// An empty database `name` on the test server, or another (created on first
// use, its tables dropped on every later call); an error text when it cannot
// be had.
inline DbResult<DatabaseConfig> EmptyServerDatabase(const QString& name,
                                                    const std::optional<DatabaseConfig>& config = TestServer())
{
    if (!config)
        return DbResult<DatabaseConfig>::Failure(QStringLiteral("no test server (ZEVO_TEST_SERVER)"));
    // Runs the statements on `on`, each unless its condition finds a row.
    auto run = [](const DatabaseConfig& on, const QList<std::pair<QString, QString>>& statements) -> QString {
        const QString connection = QStringLiteral("test-server-admin");
        QString error;
        {
            DbResult<QSqlDatabase> db = AddDatabase(on, connection);
            if (!db.ok())
                return db.error();
            QSqlQuery query(db.value());
            if (!db.value().open())
                error = db.value().lastError().text();
            for (const auto& [unless, statement] : statements) {
                if (!error.isEmpty() || (!unless.isEmpty() && query.exec(unless) && query.next()))
                    continue;
                if (!query.exec(statement))
                    error = statement + QStringLiteral(": ") + query.lastError().text();
            }
        }
        CloseDatabase(connection);
        return error;
    };
    DatabaseConfig empty = *config;
    empty.database = name;
    // CREATE DATABASE has no IF NOT EXISTS.
    QString error = run(*config, {{QStringLiteral("SELECT 1 FROM pg_database WHERE datname = '%1'").arg(name),
                                   QStringLiteral("CREATE DATABASE %1").arg(name)}});
    if (error.isEmpty())
        error = run(empty, {{{}, QStringLiteral("SET client_min_messages = warning")},
                            {{}, QStringLiteral("DROP TABLE IF EXISTS Messungen, Kfz, Mitarbeiter, ZevoSchema")}});
    if (!error.isEmpty())
        return DbResult<DatabaseConfig>::Failure(error);
    return empty;
}

} // namespace zevo::testing
