// The main window over a workshop's years (bench/workshopdb.h): 100,000 and
// 1,000,000 stored tests of realistic size, half of them archived, the other
// half waiting on the current-tests tab. Goals: start-up to the first shown
// window under 500 ms; showing a selected test (current or archived) a
// median under 20 ms; the archive search by registration under 5 ms; the
// nightly clean-up of stale untouched tests under 1 s. With ZEVO_BENCH_SERVER
// the same on a PostgreSQL server (bench/serverdb.h), opened from a
// description file as a lane opens it; there start-up has a goal of 1 s.
// Run from a Release build; widgets on the offscreen platform.

#include "app/archivelistmodel.h"
#include "app/archivetab.h"
#include "app/companyfile.h"
#include "app/messungencursor.h"
#include "app/messungenmodel.h"
#include "app/programstate.h"
#include "app/tfoassi.h"
#include "app/tfofirma.h"
#include "app/tfogrundeinstellung.h"
#include "app/tfomitarbeiter.h"
#include "app/tfosuchenkfz.h"
#include "bench/serverdb.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <memory>

namespace zevo {
namespace {

using bench::Fail;
using bench::WorkshopNow;

// The working folder (settings file, Params.ini) of every benchmark.
const QTemporaryDir& WorkingFolder()
{
    static QTemporaryDir dir;
    if (!dir.isValid())
        Fail(QStringLiteral("no temporary folder"));
    QDir::setCurrent(dir.path());
    return dir;
}

// The windows as main() creates them, over a kept workshop: its SQLite file
// or the description file of its database on the server.
struct Program {
    Program(ProgramState& state, const QString& database)
    {
        const QTemporaryDir& folder = WorkingFolder();
        const DbResult<DatabaseConfig> config = DatabaseConfigFromArgument(database);
        if (!config.ok())
            Fail(config.error());
        const DbResult<QSqlDatabase> opened = OpenDatabase(config.value());
        if (!opened.ok())
            Fail(opened.error());
        db = opened.value();
        assi = std::make_unique<TfoAssi>(state, db);
        settings = std::make_unique<TfoGrundeinstellung>(state, assi.get(),
                                                         folder.filePath(QStringLiteral("ZEVO_Assistant.ini")));
        company = std::make_unique<TfoFirma>(state, assi.get());
        search = std::make_unique<TfoSuchenKFZ>(db, assi.get());
        LoadCompanyFile(state);
        employees = std::make_unique<TfoMitarbeiter>(state, db, assi.get());
        assi->AttachDialogs({settings.get(), company.get(), search.get(), employees.get()});
        QObject::connect(settings.get(), &TfoGrundeinstellung::settingsApplied, assi.get(), &TfoAssi::SettingsApplied);
    }
    ~Program()
    {
        employees.reset();
        search.reset();
        company.reset();
        settings.reset();
        assi.reset();
        db = QSqlDatabase();
        CloseDatabase();
    }

    void Show()
    {
        assi->show();
        QApplication::processEvents();
    }
    void ShowTab(const char* name)
    {
        assi->findChild<QTabWidget*>(QStringLiteral("PageControl1"))
            ->setCurrentWidget(assi->findChild<QWidget*>(QLatin1String(name)));
    }
    QTableView* Grid(const char* name) const { return assi->findChild<QTableView*>(QLatin1String(name)); }
    ArchiveTab* Archive() const { return assi->findChild<ArchiveTab*>(); }

    QSqlDatabase db;
    std::unique_ptr<TfoAssi> assi;
    std::unique_ptr<TfoGrundeinstellung> settings;
    std::unique_ptr<TfoFirma> company;
    std::unique_ptr<TfoSuchenKFZ> search;
    std::unique_ptr<TfoMitarbeiter> employees;
};

// What the grid paints: every cell of the rows in its view.
void ReadShownRows(const QTableView& grid)
{
    const int first = grid.rowAt(0);
    int last = grid.rowAt(grid.viewport()->height() - 1);
    if (last < 0)
        last = grid.model()->rowCount() - 1;
    for (int row = std::max(first, 0); row <= last; ++row)
        for (int column = 0; column < grid.model()->columnCount(); ++column)
            benchmark::DoNotOptimize(grid.model()->index(row, column).data());
}

ProgramState FixedState()
{
    ProgramState state;
    state.programFolder = QDir::currentPath();
    state.clock = [] { return WorkshopNow; };
    return state;
}

void Sizes(benchmark::internal::Benchmark* b)
{
    bench::WorkshopSizes(b);
    b->Unit(benchmark::kMillisecond);
}

// From opening the database to the first painted main window: FormCreate,
// the dialogs, FormShow (employee lines, language, settings, port, clean-up,
// newest untouched test) and the first paint.
void BM_StartUpToFirstShownWindow(benchmark::State& bench)
{
    const int tests = int(bench.range(0));
    const QString database = bench::WorkshopDatabase(bench::CaseOf(bench)); // built before the clock runs
    for (auto _ : bench) {
        ProgramState state = FixedState();
        auto program = std::make_unique<Program>(state, database);
        program->Show();
        bench.PauseTiming();
        if (program->assi->CurrentTestId() != tests)
            Fail(QStringLiteral("the newest untouched test is not shown"));
        program.reset();
        bench.ResumeTiming();
    }
}
BENCHMARK(BM_StartUpToFirstShownWindow)->Apply(Sizes)->Iterations(5)->Repetitions(5);

// Selecting a row of a grid, spread over the list: the row is on screen (its
// page read), the grid's cursor moves to it and ShowTest shows the test: its
// vehicle updated, the report lines filled, print data and curves decoded.
void ShowRowsOf(benchmark::State& bench, Program& program, QTableView& grid, qint64 (*idAt)(Program&, int))
{
    const int rows = grid.model()->rowCount();
    if (rows == 0)
        Fail(QStringLiteral("the grid is empty"));
    int row = 0;
    for (auto _ : bench) {
        bench.PauseTiming();
        row = int((row + 7919LL * 13) % rows);
        const qint64 id = idAt(program, row); // the page the grid shows
        bench.ResumeTiming();
        grid.setCurrentIndex(grid.model()->index(row, 1));
        if (!program.assi->ShowTest(id).found)
            Fail(QStringLiteral("test %1 not found").arg(id));
    }
}

void BM_ShowSelectedTest(benchmark::State& bench)
{
    ProgramState state = FixedState();
    Program program(state, bench::WorkshopDatabase(bench::CaseOf(bench)));
    program.Show();
    ShowRowsOf(bench, program, *program.Grid("DBGrid1"),
               [](Program& p, int row) { return p.assi->Tests().Untouched()->IdAt(row); });
}
BENCHMARK(BM_ShowSelectedTest)->Apply(Sizes)->Iterations(50)->Repetitions(5);

// ShowTest of an untouched test far from the rows the grid has read (a test
// shown from elsewhere): the grid finds its row by counting from the nearest
// row it knows.
void BM_ShowTestById(benchmark::State& bench)
{
    const int tests = int(bench.range(0));
    ProgramState state = FixedState();
    Program program(state, bench::WorkshopDatabase(bench::CaseOf(bench)));
    program.Show();
    qint64 id = 2; // untouched tests have even Ids
    for (auto _ : bench) {
        if (!program.assi->ShowTest(id).found)
            Fail(QStringLiteral("test %1 not found").arg(id));
        id = (id + 2 * 99991) % tests + 2; // another part of the list each time
        id -= id % 2;
    }
}
BENCHMARK(BM_ShowTestById)->Apply(Sizes)->Iterations(50)->Repetitions(5);

void BM_ShowArchivedTest(benchmark::State& bench)
{
    ProgramState state = FixedState();
    Program program(state, bench::WorkshopDatabase(bench::CaseOf(bench)));
    program.Show();
    program.ShowTab("TabSheet6");
    ShowRowsOf(bench, program, *program.Grid("DBGrid2"),
               [](Program& p, int row) { return p.Archive()->List()->IdAt(row); });
}
BENCHMARK(BM_ShowArchivedTest)->Apply(Sizes)->Iterations(50)->Repetitions(5);

// Opening the tab "Testarchiv": the list of every archived test, standing on
// its last row, and that test shown.
void BM_OpenArchiveTab(benchmark::State& bench)
{
    ProgramState state = FixedState();
    Program program(state, bench::WorkshopDatabase(bench::CaseOf(bench)));
    program.Show();
    for (auto _ : bench) {
        program.ShowTab("TabSheet6");
        bench.PauseTiming();
        program.ShowTab("TabSheet1");
        bench.ResumeTiming();
    }
}
BENCHMARK(BM_OpenArchiveTab)->Apply(Sizes)->Iterations(10)->Repetitions(5);

// The archive search by registration (the search window's answer): the list
// narrowed to the registration's archived tests and the rows the grid shows read.
void BM_ArchiveSearch(benchmark::State& bench)
{
    const int tests = int(bench.range(0));
    ProgramState state = FixedState();
    Program program(state, bench::WorkshopDatabase(bench::CaseOf(bench)));
    program.Show();
    program.ShowTab("TabSheet6");
    const ArchiveListModel& list = *program.Archive()->List();
    const QTableView& grid = *program.Grid("DBGrid2");
    int vehicle = 0;
    for (auto _ : bench) {
        vehicle = (vehicle + 7919) % bench::WorkshopVehicles(tests);
        if (QString error = program.Archive()->ListRegistration(bench::WorkshopRegistration(vehicle)); !error.isEmpty())
            Fail(error);
        ReadShownRows(grid);
        if (list.rowCount() == 0)
            Fail(QStringLiteral("the search found no archived test"));
    }
}
BENCHMARK(BM_ArchiveSearch)->Apply(Sizes)->Iterations(200)->Repetitions(5);

// The vehicle search window of the archive search: the user has typed a
// registration and the list of vehicles jumps to it and shows its rows.
void BM_SearchWindowTyping(benchmark::State& bench)
{
    const int tests = int(bench.range(0));
    ProgramState state = FixedState();
    Program program(state, bench::WorkshopDatabase(bench::CaseOf(bench)));
    program.Show();
    QLineEdit* typed = program.search->findChild<QLineEdit*>(QStringLiteral("edKennz"));
    const QTableView& grid = *program.search->findChild<QTableView*>(QStringLiteral("DBGrid1"));
    int vehicle = 0;
    for (auto _ : bench) {
        bench.PauseTiming();
        vehicle = (vehicle + 7919) % bench::WorkshopVehicles(tests);
        program.search->show();
        typed->setText(bench::WorkshopRegistration(vehicle));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_1, Qt::NoModifier, QStringLiteral("1"));
        bench.ResumeTiming();
        QApplication::sendEvent(typed, &release);
        ReadShownRows(grid);
        bench.PauseTiming();
        program.search->reject();
        bench.ResumeTiming();
    }
}
BENCHMARK(BM_SearchWindowTyping)->Apply(Sizes)->Iterations(10)->Repetitions(3);

// The nightly clean-up (DeleteStaleTests on a new day number): this night
// StaleTests untouched tests have grown older than the setting's age and go;
// the half a million recent ones stay, and the grid stands on the newest.
constexpr int StaleTests = 1'000;

void StoreStaleTests(const QSqlDatabase& db)
{
    const QByteArray printData = bench::Sample("pkw-opel-astra.txt");
    const QByteArray curveData = bench::Sample("pkw-opel-astra.curves.txt");
    Transaction transaction(db);
    if (QString error = transaction.Begin(); !error.isEmpty())
        Fail(error);
    QSqlQuery insert(db);
    insert.prepare(QStringLiteral("INSERT INTO Messungen (Kennzeichen, Datum, Uhrzeit, Bearbeitet, Druckdaten,"
                                  " Grafikdaten) VALUES (?, ?, '08:00:00', 'n', ?, ?)"));
    insert.bindValue(1, WorkshopNow.date().addDays(-10).toString(Qt::ISODate));
    insert.bindValue(2, printData);
    insert.bindValue(3, curveData);
    for (int n = 0; n < StaleTests; ++n) {
        insert.bindValue(0, bench::WorkshopRegistration(n));
        if (!insert.exec())
            Fail(QStringLiteral("cannot store the stale tests"));
    }
    if (QString error = transaction.Commit(); !error.isEmpty())
        Fail(error);
}

void BM_NightlyCleanup(benchmark::State& bench)
{
    const int tests = int(bench.range(0));
    bool afternoon = false; // from noon on the day number is the next day's
    ProgramState state = FixedState();
    state.clock = [&afternoon] { return afternoon ? WorkshopNow.addSecs(4 * 3600) : WorkshopNow; };
    Program program(state, bench::WorkshopDatabase(bench::CaseOf(bench)));
    program.Show();
    for (auto _ : bench) {
        bench.PauseTiming();
        StoreStaleTests(program.db);
        afternoon = !afternoon;
        bench.ResumeTiming();
        program.assi->DeleteStaleTests();
        bench.PauseTiming();
        QSqlQuery left(program.db);
        if (!left.exec(QStringLiteral("SELECT COUNT(*) FROM Messungen WHERE Id > %1").arg(tests)) || !left.next() ||
            left.value(0).toInt() != 0 || program.assi->Tests().CurrentId() != tests)
            Fail(QStringLiteral("the clean-up left stale tests or stands elsewhere"));
        bench.ResumeTiming();
    }
    bench::RemoveAddedTests(program.db, tests);
}
BENCHMARK(BM_NightlyCleanup)->Apply(Sizes)->Iterations(5)->Repetitions(5);

} // namespace
} // namespace zevo

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
