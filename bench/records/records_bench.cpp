// Storing and finding tests in a table that already holds years of workshop
// work (100,000 tests of realistic size). Goal: storing one test takes a
// median under 5 ms, so a test stand's end-of-test frame is handled at once.

#include "records/archivequery.h"
#include "records/database.h"
#include "records/kfztable.h"
#include "records/messungentable.h"
#include "records/transaction.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>

namespace zevo {
namespace {

constexpr int FilledTests = 100'000;
constexpr int Vehicles = 20'000;
constexpr int UntouchedEvery = 100; // one test in a hundred still waits for its vehicle

QString Registration(int n)
{
    return QStringLiteral("B-%1 %2").arg(QChar('A' + n % 26)).arg(n);
}

// About 6 KB: 340 print lines of 16 characters, CR LF after each.
QByteArray PrintData(int seed)
{
    QByteArray text;
    for (int line = 0; line < 340; ++line)
        text += QByteArray::number(seed * 1000 + line).rightJustified(16, ' ') + "\r\n";
    return text;
}

// About 13 KB: 8 curve channels, each "$cc" and 32 lines of 16 hex values.
QByteArray CurveData(int seed)
{
    QByteArray text;
    for (int channel = 0; channel < 8; ++channel) {
        text += "$" + QByteArray::number(channel, 16).rightJustified(2, '0').toUpper() + "\r\n";
        for (int row = 0; row < 32; ++row) {
            for (int i = 0; i < 16; ++i)
                text += QByteArray::number((seed + row * 16 + i) & 0xFF, 16).rightJustified(2, '0').toUpper() + " ";
            text += "\r\n";
        }
    }
    return text;
}

MessungRow NewTest(int n)
{
    // Building the texts anew for each of 100,000 rows would take longer than storing them.
    static const QByteArray printData = PrintData(1);
    static const QByteArray curveData = CurveData(1);

    MessungRow row;
    row.Kennzeichen = Registration(n % Vehicles);
    row.Datum = QDate(2020, 1, 1).addDays(n / 60);
    row.Uhrzeit = QTime(8, 0).addSecs(n % 36000);
    row.AuftragsNr = QString::number(100000 + n);
    row.Km = 10000 + n;
    row.HU = QStringLiteral("05.2027");
    row.AU = QStringLiteral("05.2027");
    row.Bearbeitet = QString::fromLatin1(n % UntouchedEvery == 0 ? Untouched : Archived);
    row.Druckdaten = printData;
    row.Druckdaten.replace(0, 16, QByteArray::number(n).rightJustified(16, ' '));
    row.Grafikdaten = curveData;
    return row;
}

[[noreturn]] void Fail(const QString& error)
{
    std::fprintf(stderr, "bench_records: %s\n", qPrintable(error));
    std::exit(2);
}

// Vehicles and tests in one transaction each, as a bulk load would.
void Fill(const QSqlDatabase& db)
{
    Transaction transaction(db);
    if (QString error = transaction.Begin(); !error.isEmpty())
        Fail(error);
    for (int v = 0; v < Vehicles; ++v) {
        KfzRow vehicle;
        vehicle.Kennzeichen = Registration(v);
        vehicle.Name = QStringLiteral("Kunde %1").arg(v);
        if (QString error = InsertKfz(db, vehicle); !error.isEmpty())
            Fail(error);
    }
    QSqlQuery insert(db);
    insert.prepare(QStringLiteral("INSERT INTO Messungen (Kennzeichen, Datum, Uhrzeit, AuftragsNr, Km, HU,"
                                  " Bearbeitet, AU, Druckdaten, Grafikdaten) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (int n = 0; n < FilledTests; ++n) {
        const MessungRow row = NewTest(n);
        const QVariantList values{row.Kennzeichen,
                                  row.Datum.toString(Qt::ISODate),
                                  row.Uhrzeit.toString("HH:mm:ss"),
                                  row.AuftragsNr,
                                  *row.Km,
                                  row.HU,
                                  row.Bearbeitet,
                                  row.AU,
                                  row.Druckdaten,
                                  row.Grafikdaten};
        for (int i = 0; i < values.size(); ++i)
            insert.bindValue(i, values[i]);
        if (!insert.exec())
            Fail(insert.lastError().text());
    }
    insert.finish();
    if (QString error = transaction.Commit(); !error.isEmpty())
        Fail(error);
}

// One filled database for all benchmarks of the run.
const QSqlDatabase& FilledDatabase()
{
    static QTemporaryDir dir;
    static const QSqlDatabase db = [] {
        DbResult<QSqlDatabase> opened = OpenDatabase(dir.filePath(QStringLiteral("zevodb.sqlite")));
        if (!opened.ok())
            Fail(opened.error());
        // A bulk load needs no write-ahead log: new pages are written in place.
        QSqlQuery(QStringLiteral("PRAGMA journal_mode = DELETE"), opened.value());
        Fill(opened.value());
        QSqlQuery(QStringLiteral("PRAGMA journal_mode = WAL"), opened.value());
        return opened.value();
    }();
    return db;
}

void BM_InsertTest(benchmark::State& state)
{
    const QSqlDatabase& db = FilledDatabase();
    const MessungRow row = NewTest(FilledTests);
    for (auto _ : state) {
        DbResult<qint64> id = InsertTest(db, row);
        if (!id.ok())
            state.SkipWithError(qPrintable(id.error()));
        benchmark::DoNotOptimize(id);
    }
    state.SetBytesProcessed(state.iterations() * (row.Druckdaten.size() + row.Grafikdaten.size()));
}
BENCHMARK(BM_InsertTest)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ReadTest(benchmark::State& state)
{
    const QSqlDatabase& db = FilledDatabase();
    qint64 id = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ReadTest(db, id));
        id = id % FilledTests + 7919; // spread over the file, not one cached page
    }
}
BENCHMARK(BM_ReadTest)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_LastUntouchedId(benchmark::State& state)
{
    const QSqlDatabase& db = FilledDatabase();
    for (auto _ : state)
        benchmark::DoNotOptimize(LastUntouchedId(db));
}
BENCHMARK(BM_LastUntouchedId)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_ArchiveSearch(benchmark::State& state)
{
    const QSqlDatabase& db = FilledDatabase();
    int n = 0;
    for (auto _ : state) {
        DbResult<QSqlQuery> rows = ArchiveSearch(db, Registration(++n % Vehicles));
        while (rows.ok() && rows.value().next())
            benchmark::DoNotOptimize(rows.value().value(0));
    }
}
BENCHMARK(BM_ArchiveSearch)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace
} // namespace zevo

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv); // Qt loads the SQLite driver plugin only with one
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
