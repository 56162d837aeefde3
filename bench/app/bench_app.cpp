// The main window over years of workshop work: 100,000 stored tests of
// realistic size, half of them archived, the other half still waiting on the
// current-tests tab. Goals: start-up to the first shown window under 500 ms;
// showing a selected test (database and decode) a median under 20 ms.
// Run from a Release build; widgets on the offscreen platform.

#include "app/companyfile.h"
#include "app/programstate.h"
#include "app/tfoassi.h"
#include "app/tfofirma.h"
#include "app/tfogrundeinstellung.h"
#include "app/tfomitarbeiter.h"
#include "app/tfosuchenkfz.h"
#include "records/database.h"
#include "records/kfztable.h"
#include "records/messungentable.h"
#include "records/transaction.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace zevo {
namespace {

constexpr int StoredTests = 100'000;
constexpr int Vehicles = 20'000;
const QDateTime Now(QDate(2026, 5, 10), QTime(9, 0));

[[noreturn]] void Fail(const QString& error)
{
    std::fprintf(stderr, "bench_app: %s\n", qPrintable(error));
    std::exit(2);
}

QByteArray Sample(const char* name)
{
    QFile file(QStringLiteral(ZEVO_SAMPLES "/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly))
        Fail(QStringLiteral("cannot read the sample %1").arg(file.fileName()));
    return file.readAll();
}

QString Registration(int n)
{
    return QStringLiteral("M-%1 %2").arg(QChar('A' + n % 26)).arg(n % Vehicles);
}

// The database file of the working folder, filled once for every benchmark.
class Workshop {
  public:
    Workshop()
    {
        if (!dir_.isValid())
            Fail(QStringLiteral("no temporary folder"));
        QDir::setCurrent(dir_.path());
        {
            const DbResult<QSqlDatabase> opened = OpenDatabase(Path());
            if (!opened.ok())
                Fail(opened.error());
            Fill(opened.value());
        }
        CloseDatabase();
    }

    QString Path() const { return dir_.filePath(QStringLiteral("zevodb.sqlite")); }
    QString SettingsPath() const { return dir_.filePath(QStringLiteral("ZEVO_Assistant.ini")); }

  private:
    static void Fill(const QSqlDatabase& db)
    {
        const QByteArray printData = Sample("pkw-opel-astra.txt");
        const QByteArray curveData = Sample("pkw-opel-astra.curves.txt");
        Transaction transaction(db);
        if (QString error = transaction.Begin(); !error.isEmpty())
            Fail(error);
        for (int n = 0; n < Vehicles; ++n) {
            KfzRow vehicle;
            vehicle.Kennzeichen = Registration(n);
            vehicle.Name = QStringLiteral("Kunde %1").arg(n);
            vehicle.Vorname = QStringLiteral("Vorname");
            if (QString error = InsertKfz(db, vehicle); !error.isEmpty())
                Fail(error);
        }
        // Archived tests over the years, the untouched ones all recent, so
        // that the clean-up at start keeps them and the grid holds 50,000.
        QSqlQuery insert(db);
        insert.prepare(QStringLiteral(
            "INSERT INTO Messungen (Kennzeichen, Datum, Uhrzeit, AuftragsNr, Km, HU, Bearbeitet, AU, Druckdaten,"
            " Grafikdaten) VALUES (?, ?, ?, ?, ?, '05.2027', ?, '05.2027', ?, ?)"));
        for (int n = 0; n < StoredTests; ++n) {
            const bool archived = n % 2 == 0;
            insert.bindValue(0, Registration(n));
            insert.bindValue(1, (archived ? QDate(2020, 1, 1).addDays(n / 50) : Now.date()).toString(Qt::ISODate));
            insert.bindValue(2, QStringLiteral("10:15:00"));
            insert.bindValue(3, QString::number(100000 + n));
            insert.bindValue(4, 10000 + n);
            insert.bindValue(5, archived ? QStringLiteral("j") : QStringLiteral("n"));
            insert.bindValue(6, printData);
            insert.bindValue(7, curveData);
            if (!insert.exec())
                Fail(QStringLiteral("cannot fill the database"));
        }
        if (QString error = transaction.Commit(); !error.isEmpty())
            Fail(error);
    }

    QTemporaryDir dir_;
};

Workshop& SharedWorkshop()
{
    static Workshop workshop;
    return workshop;
}

// The windows as main() creates them.
struct Program {
    explicit Program(ProgramState& state, const QString& databasePath, const QString& settingsPath)
    {
        const DbResult<QSqlDatabase> opened = OpenDatabase(databasePath);
        if (!opened.ok())
            Fail(opened.error());
        db = opened.value();
        assi = std::make_unique<TfoAssi>(state, db);
        settings = std::make_unique<TfoGrundeinstellung>(state, assi.get(), settingsPath);
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

    QSqlDatabase db;
    std::unique_ptr<TfoAssi> assi;
    std::unique_ptr<TfoGrundeinstellung> settings;
    std::unique_ptr<TfoFirma> company;
    std::unique_ptr<TfoSuchenKFZ> search;
    std::unique_ptr<TfoMitarbeiter> employees;
};

ProgramState FixedState()
{
    ProgramState state;
    state.programFolder = QDir::currentPath();
    state.clock = [] { return Now; };
    return state;
}

// From opening the database to the first painted main window: FormCreate,
// the dialogs, FormShow (employee lines, language, settings, port, clean-up,
// newest untouched test) and the first paint.
void BM_StartUpToFirstShownWindow(benchmark::State& bench)
{
    Workshop& workshop = SharedWorkshop();
    for (auto _ : bench) {
        ProgramState state = FixedState();
        auto program = std::make_unique<Program>(state, workshop.Path(), workshop.SettingsPath());
        program->assi->show();
        QApplication::processEvents();
        bench.PauseTiming();
        if (program->assi->CurrentTestId() != StoredTests)
            Fail(QStringLiteral("the newest untouched test is not shown"));
        program.reset();
        bench.ResumeTiming();
    }
}
BENCHMARK(BM_StartUpToFirstShownWindow)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(5);

// Selecting a test in the current-tests grid: the cursor finds it, its vehicle
// is updated, the report lines are filled and print data and curves decoded.
void BM_ShowSelectedTest(benchmark::State& bench)
{
    Workshop& workshop = SharedWorkshop();
    ProgramState state = FixedState();
    Program program(state, workshop.Path(), workshop.SettingsPath());
    program.assi->show();
    QApplication::processEvents();
    qint64 id = 2; // untouched tests have even Ids
    for (auto _ : bench) {
        const ShowTestOutcome shown = program.assi->ShowTest(id);
        if (!shown.found)
            Fail(QStringLiteral("test %1 not found").arg(id));
        id += 2 * 997; // another untouched test of another vehicle each time
        if (id > StoredTests)
            id -= StoredTests;
    }
}
BENCHMARK(BM_ShowSelectedTest)->Unit(benchmark::kMillisecond)->Iterations(50)->Repetitions(5);

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
