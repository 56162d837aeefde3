#pragma once
// The database of a workshop's years, shared by the benchmark programs:
// `tests` stored tests of realistic size (a car's print data and curves from
// samples/), every other one archived (odd Ids, dated over the last ten
// years, each with its vehicle and owner), the others untouched and all of
// today, so that the clean-up at start-up keeps them. Each vehicle has
// archived and untouched tests (WorkshopVehicleOf).
//
// Building a million tests writes about 14 GB, so each size is built once,
// in one transaction, and kept in build/bench-data under a name that carries
// WorkshopDataVersion (raise it whenever the content below changes); later
// runs open the kept file. Benchmarks that add tests remove them again
// (RemoveAddedTests); the file is never committed. serverdb.h puts the same
// workshop on a PostgreSQL server.

#include "records/database.h"
#include "records/transaction.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <cstdio>
#include <cstdlib>

namespace zevo::bench {

inline constexpr int WorkshopDataVersion = 1;
inline constexpr int TestsPerVehicle = 5;
// The benchmarks' clock: a weekday morning.
inline const QDateTime WorkshopNow(QDate(2026, 5, 10), QTime(9, 0));

[[noreturn]] inline void Fail(const QString& error)
{
    std::fprintf(stderr, "benchmark: %s\n", qPrintable(error));
    std::exit(2);
}

inline QByteArray Sample(const char* name)
{
    QFile file(QStringLiteral(ZEVO_SAMPLES "/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly))
        Fail(QStringLiteral("cannot read the sample %1").arg(file.fileName()));
    return file.readAll();
}

inline int WorkshopVehicles(int tests)
{
    return tests / TestsPerVehicle;
}

// The registration of vehicle v.
inline QString WorkshopRegistration(int v)
{
    return QStringLiteral("M-%1 %2").arg(QChar('A' + v % 26)).arg(v);
}

// The vehicle of test Id `id`: Ids 2k and 2k + 1 share one.
inline int WorkshopVehicleOf(qint64 id, int tests)
{
    return int(id / 2 % WorkshopVehicles(tests));
}

inline bool IsArchivedId(qint64 id)
{
    return id % 2 == 1;
}

// The fields of test `id` that differ from test to test; the print data and
// curves are the same sample in every test. The server's workshop is filled
// by a statement that mirrors these rules and is checked against them.
struct WorkshopTest {
    QString registration;
    QString day;  // YYYY-MM-DD
    QString time; // HH:MM:SS
    QString orderNumber;
    double km;
    QString bearbeitet;
};

inline QDate WorkshopFirstDay()
{
    return WorkshopNow.date().addYears(-10);
}

inline WorkshopTest WorkshopTestOf(qint64 id, int tests)
{
    const bool archived = IsArchivedId(id);
    const qint64 days = WorkshopFirstDay().daysTo(WorkshopNow.date());
    const QDate day = archived ? WorkshopFirstDay().addDays(id * days / tests) : WorkshopNow.date();
    return {WorkshopRegistration(WorkshopVehicleOf(id, tests)),
            day.toString(Qt::ISODate),
            QTime(7, 0).addSecs(int(id % 36000)).toString(QStringLiteral("HH:mm:ss")),
            QString::number(100000 + id),
            double(10000 + id),
            archived ? QStringLiteral("j") : QStringLiteral("n")};
}

namespace detail {

inline void Exec(QSqlQuery& query)
{
    if (!query.exec())
        Fail(QStringLiteral("cannot fill the database: %1").arg(query.lastError().text()));
}

inline void InsertVehicles(const QSqlDatabase& db, int tests)
{
    QSqlQuery vehicle(db);
    vehicle.prepare(QStringLiteral("INSERT INTO Kfz (Kennzeichen, Fabrikat, Modell, Name, Vorname, Ort, TueV, AU)"
                                   " VALUES (?, 'Opel', 'Astra', ?, 'Vorname', 'Musterstadt', '05.2027', '05.2027')"));
    for (int v = 0; v < WorkshopVehicles(tests); ++v) {
        vehicle.bindValue(0, WorkshopRegistration(v));
        vehicle.bindValue(1, QStringLiteral("Kunde %1").arg(v));
        Exec(vehicle);
    }
}

// Stores tests first..last with the sample's print data and curves.
inline void InsertTests(const QSqlDatabase& db, int tests, qint64 first, qint64 last)
{
    QSqlQuery test(db);
    test.prepare(QStringLiteral(
        "INSERT INTO Messungen (Id, Kennzeichen, Datum, Uhrzeit, AuftragsNr, Km, HU, Bearbeitet, AU, Druckdaten,"
        " Grafikdaten) VALUES (?, ?, ?, ?, ?, ?, '05.2027', ?, '05.2027', ?, ?)"));
    test.bindValue(7, Sample("pkw-opel-astra.txt"));
    test.bindValue(8, Sample("pkw-opel-astra.curves.txt"));
    for (qint64 id = first; id <= last; ++id) {
        const WorkshopTest fields = WorkshopTestOf(id, tests);
        test.bindValue(0, id);
        test.bindValue(1, fields.registration);
        test.bindValue(2, fields.day);
        test.bindValue(3, fields.time);
        test.bindValue(4, fields.orderNumber);
        test.bindValue(5, fields.km);
        test.bindValue(6, fields.bearbeitet);
        Exec(test);
        if (id % 100000 == 0)
            std::fprintf(stderr, "  %lld tests\n", static_cast<long long>(id));
    }
}

inline void FillWorkshop(const QSqlDatabase& db, int tests)
{
    Transaction transaction(db);
    if (QString error = transaction.Begin(); !error.isEmpty())
        Fail(error);
    InsertVehicles(db, tests);
    InsertTests(db, tests, 1, tests);
    if (QString error = transaction.Commit(); !error.isEmpty())
        Fail(error);
}

} // namespace detail

// The path of the kept database of that size, built first when missing.
inline QString WorkshopDatabase(int tests)
{
    const QDir cache(QStringLiteral(ZEVO_BENCH_CACHE));
    const QString path = cache.filePath(QStringLiteral("workshop-v%1-%2.sqlite").arg(WorkshopDataVersion).arg(tests));
    if (QFile::exists(path))
        return path;
    if (!QDir().mkpath(cache.path()))
        Fail(QStringLiteral("cannot create %1").arg(cache.path()));
    // Built under another name and renamed when whole: a run stopped
    // half-way leaves nothing that a later run would take for the database.
    const QString building = path + QStringLiteral(".building");
    for (const char* suffix : {"", "-wal", "-shm", "-journal"})
        QFile::remove(building + QLatin1String(suffix));
    std::fprintf(stderr, "building the database of %d tests once: %s\n", tests, qPrintable(path));
    const QString connection = QStringLiteral("workshop-builder");
    {
        const DbResult<QSqlDatabase> opened = OpenDatabase(building, connection);
        if (!opened.ok())
            Fail(opened.error());
        QSqlQuery pragma(opened.value());
        // Nothing to protect while building: no journal, no syncs.
        for (const char* statement :
             {"PRAGMA journal_mode = OFF", "PRAGMA synchronous = OFF", "PRAGMA cache_size = -262144"})
            if (!pragma.exec(QString::fromLatin1(statement)))
                Fail(pragma.lastError().text());
        detail::FillWorkshop(opened.value(), tests);
        // Left as the program leaves its files.
        if (!pragma.exec(QStringLiteral("PRAGMA journal_mode = WAL")))
            Fail(pragma.lastError().text());
    }
    CloseDatabase(connection);
    if (!QFile::rename(building, path))
        Fail(QStringLiteral("cannot rename %1").arg(building));
    return path;
}

// Removes the tests a benchmark added beyond the built ones.
inline void RemoveAddedTests(const QSqlDatabase& db, int tests)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral("DELETE FROM Messungen WHERE Id > ?"));
    query.bindValue(0, tests);
    detail::Exec(query);
}

} // namespace zevo::bench
