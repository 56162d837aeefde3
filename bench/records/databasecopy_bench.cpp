// Moving a workshop's archive (zevo-tool copy-db): 10,000 tests of realistic
// size (about 140 MB, bench/workshopdb.h) from an SQLite file to the test
// server, when ZEVO_BENCH_SERVER names one (.ci/pg-cluster start DIR), and to
// another SQLite file. No goal; a million tests take about a hundred times
// as long, in the memory of one batch.

#include "bench/serverdb.h"
#include "bench/workshopdb.h"
#include "records/databasecopy.h"
#include "tests/support/testserver.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <functional>

namespace zevo {
namespace {

constexpr int CopiedTests = 10'000;

void CopyInto(benchmark::State& state, const std::function<DbResult<DatabaseConfig>()>& emptyTarget)
{
    const QString fromConnection = QStringLiteral("copy-bench-from");
    const QString toConnection = QStringLiteral("copy-bench-to");
    qint64 bytes = 0;
    {
        const DbResult<QSqlDatabase> from = OpenDatabase(bench::WorkshopDatabase(CopiedTests), fromConnection);
        if (!from.ok())
            bench::Fail(from.error());
        QSqlQuery size(from.value());
        if (size.exec(QStringLiteral("SELECT SUM(length(Druckdaten) + length(Grafikdaten)) FROM Messungen")) &&
            size.next())
            bytes = size.value(0).toLongLong();
        for (auto _ : state) {
            state.PauseTiming();
            const DbResult<DatabaseConfig> target = emptyTarget();
            DbResult<QSqlDatabase> to = target.ok() ? OpenDatabase(target.value(), toConnection)
                                                    : DbResult<QSqlDatabase>::Failure(target.error());
            if (!to.ok()) {
                state.SkipWithError(qPrintable(to.error()));
                break;
            }
            state.ResumeTiming();
            const DbResult<QList<TableCopyCount>> counts = CopyDatabase(from.value(), to.value());
            state.PauseTiming();
            to = DbResult<QSqlDatabase>::Failure(QStringLiteral("closed"));
            CloseDatabase(toConnection);
            state.ResumeTiming();
            if (!counts.ok() || counts.value().first().copied != CopiedTests) {
                state.SkipWithError(qPrintable(counts.ok() ? QStringLiteral("tests missing") : counts.error()));
                break;
            }
        }
    }
    CloseDatabase(fromConnection);
    state.SetItemsProcessed(state.iterations() * CopiedTests);
    state.SetBytesProcessed(state.iterations() * bytes);
}

void BM_CopyToServer(benchmark::State& state)
{
    const std::optional<DatabaseConfig> server = bench::BenchServer();
    if (!server) {
        state.SkipWithError("no server: ZEVO_BENCH_SERVER names none");
        return;
    }
    CopyInto(state, [&] { return testing::EmptyServerDatabase(QStringLiteral("bench_copy"), server); });
}
BENCHMARK(BM_CopyToServer)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CopyToSqliteFile(benchmark::State& state)
{
    QTemporaryDir dir;
    int run = 0;
    CopyInto(state, [&] {
        DatabaseConfig config;
        config.file = dir.filePath(QStringLiteral("copy-%1.sqlite").arg(++run));
        for (const char* suffix : {"", "-wal", "-shm"}) // the previous run's copy
            QFile::remove(dir.filePath(QStringLiteral("copy-%1.sqlite%2").arg(run - 1).arg(QLatin1String(suffix))));
        return DbResult<DatabaseConfig>(config);
    });
}
BENCHMARK(BM_CopyToSqliteFile)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace zevo
