// Storing and finding tests in a table that already holds a workshop's years
// of work: 100,000 and 1,000,000 tests of realistic size (bench/workshopdb.h).
// Goals: storing one test a median under 5 ms, so a test stand's end-of-test
// frame is handled at once; the archive search by registration under 5 ms.
// With ZEVO_BENCH_SERVER the same on a PostgreSQL server (bench/serverdb.h),
// where storing one test has a goal of 10 ms.

#include "bench/serverdb.h"
#include "records/archivequery.h"
#include "records/messungentable.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <map>

namespace zevo {
namespace {

using bench::Fail;

// One open database of each case for all benchmarks of the run.
const QSqlDatabase& Workshop(const bench::WorkshopCase& workshop)
{
    static std::map<std::pair<int, bool>, QSqlDatabase> open;
    const std::pair<int, bool> key{workshop.tests, workshop.onServer};
    auto found = open.find(key);
    if (found == open.end()) {
        const DbResult<QSqlDatabase> opened =
            OpenDatabase(bench::WorkshopConfig(workshop),
                         QStringLiteral("records-bench-%1-%2").arg(workshop.tests).arg(workshop.onServer));
        if (!opened.ok())
            Fail(opened.error());
        found = open.emplace(key, opened.value()).first;
    }
    return found->second;
}

void Sizes(benchmark::internal::Benchmark* b)
{
    bench::WorkshopSizes(b);
}

void BM_InsertTest(benchmark::State& state)
{
    const int tests = int(state.range(0));
    const QSqlDatabase& db = Workshop(bench::CaseOf(state));
    MessungRow row;
    row.Kennzeichen = bench::WorkshopRegistration(7);
    row.Datum = bench::WorkshopNow.date();
    row.Uhrzeit = bench::WorkshopNow.time();
    row.AuftragsNr = QStringLiteral("4711");
    row.Km = 12345;
    row.Druckdaten = bench::Sample("pkw-opel-astra.txt");
    row.Grafikdaten = bench::Sample("pkw-opel-astra.curves.txt");
    for (auto _ : state) {
        DbResult<qint64> id = InsertTest(db, row);
        if (!id.ok())
            state.SkipWithError(qPrintable(id.error()));
        benchmark::DoNotOptimize(id);
    }
    state.SetBytesProcessed(state.iterations() * (row.Druckdaten.size() + row.Grafikdaten.size()));
    bench::RemoveAddedTests(db, tests);
}
BENCHMARK(BM_InsertTest)->Apply(Sizes)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ReadTest(benchmark::State& state)
{
    const int tests = int(state.range(0));
    const QSqlDatabase& db = Workshop(bench::CaseOf(state));
    qint64 id = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ReadTest(db, id));
        id = (id + 7919) % tests + 1; // spread over the file, not one cached page
    }
}
BENCHMARK(BM_ReadTest)->Apply(Sizes)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_LastUntouchedId(benchmark::State& state)
{
    const QSqlDatabase& db = Workshop(bench::CaseOf(state));
    for (auto _ : state)
        benchmark::DoNotOptimize(LastUntouchedId(db));
}
BENCHMARK(BM_LastUntouchedId)->Apply(Sizes)->Unit(benchmark::kMicrosecond)->UseRealTime();

// The archive search by registration: its rows counted and read.
void BM_ArchiveSearch(benchmark::State& state)
{
    const int tests = int(state.range(0));
    const QSqlDatabase& db = Workshop(bench::CaseOf(state));
    int n = 0;
    for (auto _ : state) {
        n = (n + 7919) % bench::WorkshopVehicles(tests);
        const KeyedSelect search = ArchiveSearch(bench::WorkshopRegistration(n));
        const DbResult<int> count = CountKeys(db, search);
        const DbResult<KeyedRows> rows = ReadRows(db, search, RowWindow{false, {}, 0, 128});
        if (!count.ok() || !rows.ok() || rows.value().rows.size() != count.value() || count.value() == 0)
            Fail(QStringLiteral("the archive search found nothing"));
    }
}
BENCHMARK(BM_ArchiveSearch)->Apply(Sizes)->Unit(benchmark::kMicrosecond)->UseRealTime();

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
