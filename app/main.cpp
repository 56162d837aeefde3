// zevo-assistant: the workshop companion of a roller brake test stand. Creates
// the windows in their fixed order (the main window first, so that it owns
// the port and the tables before anything else exists) and runs the message
// loop; the main window's first showing runs the start-up steps.

#include "app/companyfile.h"
#include "app/errormessage.h"
#include "app/programstate.h"
#include "app/shutdownsignals.h"
#include "app/tfoassi.h"
#include "app/tfofirma.h"
#include "app/tfogrundeinstellung.h"
#include "app/tfomitarbeiter.h"
#include "app/tfosuchenkfz.h"
#include "graphics/lcdfont.h"
#include "records/database.h"
#include "report/hprint.h"

#include <QApplication>

using namespace zevo;

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // The bar read-outs' face, or its stand-in, before any window exists.
    SubstituteLiquidCrystal();

    ProgramState state;
    state.programFolder = QCoreApplication::applicationDirPath();

    // The database lies in the working folder beside the settings file, or
    // on the server "zevodb.conf" there names. If it cannot be opened the
    // windows still come up and say so; a server is tried again until it answers.
    int status = 0;
    {
        // Every handle on the connection lives in this block, so that closing
        // it afterwards finds none still in use.
        const DbResult<DatabaseConfig> config = ReadDatabaseConfig();
        const DbResult<QSqlDatabase> database =
            config.ok() ? OpenDatabase(config.value()) : DbResult<QSqlDatabase>::Failure(config.error());
        QSqlDatabase db = database.ok() ? database.value() : QSqlDatabase();
        if (!database.ok() && config.ok() && config.value().OnServer()) {
            if (const DbResult<QSqlDatabase> waiting = AddDatabase(config.value()); waiting.ok())
                db = waiting.value();
        }
        TfoAssi foAssi(state, db);
        if (!database.ok())
            foAssi.ReportDatabaseProblem(database.error());
        // SIGTERM, SIGINT and SIGHUP close the program as its close button does.
        ShutdownSignals shutdownSignals;
        QObject::connect(&shutdownSignals, &ShutdownSignals::shutdownRequested, &foAssi, &TfoAssi::CloseForShutdown);

        // Its creation reads the settings file, so the settings are in memory
        // before the main window shows.
        TfoGrundeinstellung foGrundeinstellung(state, &foAssi);
        TfoFirma foFirma(state, &foAssi);

        // The curve window of this order holds nothing of its own: the main
        // window's tab "Kurven Grafik" draws the curves (CurveTab).

        TfoSuchenKFZ foSuchenKFZ(db, &foAssi);

        // The report renderer: no window, the state of the page being drawn.
        // Its creation loads "Params.ini" from the program's folder into the
        // report record.
        TfoHPrint foHPrint(ReportSources{state.report, state.result, state.curves, state.settings, state.limitSet,
                                         state.GravityFactor, state.EmployeeLines, state.SmoothCurves},
                           state.programFolder);
        if (const QString error = LoadCompanyFile(state); !error.isEmpty())
            ShowErrorMessage(&foAssi, error);
        foAssi.AttachRenderer(foHPrint);

        TfoMitarbeiter foMitarbeiter(state, db, &foAssi);

        foAssi.AttachDialogs({&foGrundeinstellung, &foFirma, &foSuchenKFZ, &foMitarbeiter});
        QObject::connect(&foGrundeinstellung, &TfoGrundeinstellung::settingsApplied, &foAssi,
                         &TfoAssi::SettingsApplied);
        QObject::connect(&foGrundeinstellung, &TfoGrundeinstellung::languageApplyRequested, &foAssi,
                         &TfoAssi::ApplyLanguage);

        foAssi.show();
        status = QApplication::exec();
    }
    CloseDatabase();
    return status;
}
