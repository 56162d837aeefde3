#pragma once
// The workshop's years (workshopdb.h) on a PostgreSQL server as well, for the
// lanes of a workshop that store into one archive. The environment variable
// ZEVO_BENCH_SERVER names a description file (records/databaseconfig.h) of
// the server, e.g. the one `.ci/pg-cluster start DIR` writes; its role needs
// CREATEDB. Without it the benchmarks run on the SQLite files alone.
//
// Each size gets a database of its own on the server, named with
// WorkshopDataVersion; a marker table written in the filling transaction
// tells a whole one, so later runs reuse it and a run stopped half-way is
// built again. Filling sends one test and lets the server copy it into the
// others by a statement that mirrors WorkshopTestOf (checked on a few Ids);
// the server keeps the print data and curves compressed, as it would in a
// workshop. A description file of that database is written to
// build/bench-data, so the programs open it as they open any zevodb.conf.

#include "bench/workshopdb.h"

#include <QTextStream>
#include <benchmark/benchmark.h>
#include <optional>

namespace zevo::bench {

inline constexpr const char* BenchServerVariable = "ZEVO_BENCH_SERVER";

// The server the variable names; nothing without it. A description that
// cannot be read ends the program (a typing mistake measures nothing).
inline std::optional<DatabaseConfig> BenchServer()
{
    const QString path = qEnvironmentVariable(BenchServerVariable);
    if (path.isEmpty())
        return std::nullopt;
    const DbResult<DatabaseConfig> config = DatabaseConfigFromArgument(path);
    if (!config.ok())
        Fail(config.error());
    if (!config.value().OnServer())
        Fail(QStringLiteral("%1 names no PostgreSQL server: %2").arg(QLatin1String(BenchServerVariable), path));
    return config.value();
}

// The benchmarks' cases: 100,000 and 1,000,000 tests in an SQLite file, and
// on the server when there is one ("server:1").
inline void WorkshopSizes(benchmark::internal::Benchmark* b)
{
    b->ArgNames({"tests", "server"});
    for (const int server : {0, 1}) {
        if (server == 1 && qEnvironmentVariableIsEmpty(BenchServerVariable))
            break;
        for (const int tests : {100'000, 1'000'000})
            b->Args({tests, server});
    }
}

struct WorkshopCase {
    int tests;
    bool onServer;
};

inline WorkshopCase CaseOf(const benchmark::State& state)
{
    return {int(state.range(0)), state.range(1) != 0};
}

namespace detail {

inline void Exec(QSqlQuery& query, const QString& statement)
{
    if (!query.exec(statement))
        Fail(QStringLiteral("the server's workshop: %1\n%2").arg(query.lastError().text(), statement));
}

// WorkshopRegistration of the vehicle number `v` (an SQL expression).
inline QString RegistrationSql(const QString& v)
{
    return QStringLiteral("'M-' || chr((65 + %1 % 26)::int) || ' ' || %1").arg(v);
}

// Everything but test 1, copied from test 1 with the fields of WorkshopTestOf.
inline QString CopyTestsSql(int tests)
{
    const qint64 days = WorkshopFirstDay().daysTo(WorkshopNow.date());
    return QStringLiteral(
               "INSERT INTO Messungen (Id, Kennzeichen, Datum, Uhrzeit, AuftragsNr, Km, HU, Bearbeitet, AU,"
               " Druckdaten, Grafikdaten)"
               " SELECT g.id, %1,"
               " CASE WHEN g.id % 2 = 1 THEN to_char(DATE '%2' + (g.id * %3 / %4)::int, 'YYYY-MM-DD') ELSE '%5' END,"
               " (TIME '07:00' + (g.id % 36000) * INTERVAL '1 second')::text,"
               " (100000 + g.id)::text, 10000 + g.id, '05.2027', CASE WHEN g.id % 2 = 1 THEN 'j' ELSE 'n' END,"
               " '05.2027', t.Druckdaten, t.Grafikdaten"
               " FROM generate_series(2::bigint, %4) AS g(id),"
               " (SELECT Druckdaten, Grafikdaten FROM Messungen WHERE Id = 1) AS t")
        .arg(RegistrationSql(QStringLiteral("(g.id / 2 % %1)").arg(WorkshopVehicles(tests))))
        .arg(WorkshopFirstDay().toString(Qt::ISODate))
        .arg(days)
        .arg(tests)
        .arg(WorkshopNow.date().toString(Qt::ISODate));
}

// A few tests of each kind as WorkshopTestOf gives them.
inline void CheckCopiedTests(const QSqlDatabase& db, int tests)
{
    QSqlQuery query(db);
    for (const qint64 id : {qint64(1), qint64(2), qint64(7), qint64(tests / 2 + 1), qint64(tests - 1), qint64(tests)}) {
        Exec(query, QStringLiteral("SELECT Kennzeichen, Datum, Uhrzeit, AuftragsNr, Km, Bearbeitet,"
                                   " length(Grafikdaten), (SELECT COUNT(*) FROM Kfz k WHERE k.Kennzeichen ="
                                   " m.Kennzeichen) FROM Messungen m WHERE Id = %1")
                        .arg(id));
        const WorkshopTest expected = WorkshopTestOf(id, tests);
        if (!query.next() || query.value(0).toString() != expected.registration ||
            query.value(1).toString() != expected.day || query.value(2).toString() != expected.time ||
            query.value(3).toString() != expected.orderNumber || query.value(4).toDouble() != expected.km ||
            query.value(5).toString() != expected.bearbeitet ||
            query.value(6).toInt() != Sample("pkw-opel-astra.curves.txt").size() || query.value(7).toInt() != 1)
            Fail(QStringLiteral("the server's test %1 is not as WorkshopTestOf gives it").arg(id));
    }
}

inline void FillServerWorkshop(const QSqlDatabase& db, int tests)
{
    Transaction transaction(db);
    if (QString error = transaction.Begin(); !error.isEmpty())
        Fail(error);
    QSqlQuery query(db);
    Exec(query, QStringLiteral("INSERT INTO Kfz (Kennzeichen, Fabrikat, Modell, Name, Vorname, Ort, TueV, AU)"
                               " SELECT %1, 'Opel', 'Astra', 'Kunde ' || v, 'Vorname', 'Musterstadt', '05.2027',"
                               " '05.2027' FROM generate_series(0, %2) AS v")
                    .arg(RegistrationSql(QStringLiteral("v")))
                    .arg(WorkshopVehicles(tests) - 1));
    InsertTests(db, tests, 1, 1);
    Exec(query, CopyTestsSql(tests));
    // Tests stored later get the Ids after the workshop's.
    Exec(query, QStringLiteral("SELECT setval(pg_get_serial_sequence('messungen', 'id'), %1)").arg(tests));
    Exec(query, QStringLiteral("CREATE TABLE BenchWorkshop (Tests INTEGER NOT NULL)"));
    Exec(query, QStringLiteral("INSERT INTO BenchWorkshop VALUES (%1)").arg(tests));
    CheckCopiedTests(db, tests);
    query.finish();
    if (QString error = transaction.Commit(); !error.isEmpty())
        Fail(error);
    // As the server's autovacuum leaves a table some time after: statistics
    // for the planner and the visibility map that lets counts read indexes alone.
    Exec(query, QStringLiteral("VACUUM (ANALYZE) Messungen"));
    Exec(query, QStringLiteral("VACUUM (ANALYZE) Kfz"));
}

inline bool IsWholeWorkshop(const QSqlDatabase& db, int tests)
{
    QSqlQuery query(db);
    Exec(query, QStringLiteral("SELECT to_regclass('benchworkshop') IS NOT NULL"));
    if (!query.next() || !query.value(0).toBool())
        return false;
    Exec(query, QStringLiteral("SELECT Tests FROM BenchWorkshop"));
    return query.next() && query.value(0).toInt() == tests;
}

// A statement on the database the server's description names: creating or
// dropping another database needs a connection to one that stays.
inline void OnServerItself(const DatabaseConfig& server, const QString& statement)
{
    const QString connection = QStringLiteral("workshop-server");
    {
        DbResult<QSqlDatabase> added = AddDatabase(server, connection);
        if (!added.ok())
            Fail(added.error());
        QSqlDatabase db = added.value();
        if (!db.open())
            Fail(QStringLiteral("cannot reach the server: %1").arg(db.lastError().text()));
        QSqlQuery query(db);
        Exec(query, QStringLiteral("SET client_min_messages = warning")); // no "does not exist, skipping"
        Exec(query, statement);
    }
    CloseDatabase(connection);
}

inline QString WriteServerDescription(const DatabaseConfig& config, int tests)
{
    const QDir cache(QStringLiteral(ZEVO_BENCH_CACHE));
    if (!QDir().mkpath(cache.path()))
        Fail(QStringLiteral("cannot create %1").arg(cache.path()));
    const QString path = cache.filePath(QStringLiteral("server-workshop-%1.conf").arg(tests));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        Fail(QStringLiteral("cannot write %1").arg(path));
    QTextStream out(&file);
    out << "# The benchmarks' workshop of " << tests << " tests (bench/serverdb.h)\n"
        << "driver = postgresql\n";
    if (!config.host.isEmpty())
        out << "host = " << config.host << '\n';
    out << "port = " << config.port << "\ndatabase = " << config.database << '\n';
    if (!config.user.isEmpty())
        out << "user = " << config.user << '\n';
    if (!config.passwordFile.isEmpty())
        out << "password-file = " << config.passwordFile << '\n';
    return path;
}

inline QString ServerWorkshop(int tests)
{
    const std::optional<DatabaseConfig> server = BenchServer();
    if (!server)
        Fail(QStringLiteral("no server: set %1 to its zevodb.conf").arg(QLatin1String(BenchServerVariable)));
    DatabaseConfig workshop = *server;
    workshop.database = QStringLiteral("bench_workshop_v%1_%2").arg(WorkshopDataVersion).arg(tests);
    const QString path = WriteServerDescription(workshop, tests);
    const QString connection = QStringLiteral("workshop-builder");
    bool whole = false;
    if (AddDatabase(workshop, connection).ok()) {
        QSqlDatabase db = QSqlDatabase::database(connection, false);
        whole = db.open() && IsWholeWorkshop(db, tests);
    }
    CloseDatabase(connection);
    if (whole)
        return path;

    std::fprintf(stderr, "building the server's database of %d tests once: %s\n", tests, qPrintable(workshop.database));
    OnServerItself(*server, QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(workshop.database));
    OnServerItself(*server, QStringLiteral("CREATE DATABASE %1").arg(workshop.database));
    {
        const DbResult<QSqlDatabase> opened = OpenDatabase(workshop, connection);
        if (!opened.ok())
            Fail(opened.error());
        FillServerWorkshop(opened.value(), tests);
    }
    CloseDatabase(connection);
    return path;
}

} // namespace detail

// The workshop of that size: the path of its SQLite file, or of the
// description file of its database on the server; built first when missing.
// Either opens with OpenDatabase(DatabaseConfigFromArgument(path)).
inline QString WorkshopDatabase(const WorkshopCase& workshop)
{
    return workshop.onServer ? detail::ServerWorkshop(workshop.tests) : WorkshopDatabase(workshop.tests);
}

inline DatabaseConfig WorkshopConfig(const WorkshopCase& workshop)
{
    const DbResult<DatabaseConfig> config = DatabaseConfigFromArgument(WorkshopDatabase(workshop));
    if (!config.ok())
        Fail(config.error());
    return config.value();
}

} // namespace zevo::bench
