#pragma once
// The main window as the program starts it: a fresh database and settings
// file in a temporary working folder, TfoAssi with the dialogs it opens,
// wired as main() wires them, and a fixed clock.

#include "app/companyfile.h"
#include "app/programstate.h"
#include "app/tfoassi.h"
#include "app/tfofirma.h"
#include "app/tfogrundeinstellung.h"
#include "app/tfomitarbeiter.h"
#include "app/tfosuchenkfz.h"
#include "lang/cp1252.h"
#include "lang/einstellungen.h"
#include "records/kfztable.h"
#include "records/messungentable.h"
#include "report/hprint.h"
#include "report/printjob.h"
#include "tests/app/dialogtest.h"

#include <QAbstractItemView>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QSqlQuery>
#include <QTableView>
#include <memory>

namespace zevo::assitest {

using dialogtest::ErrorBox;
using dialogtest::Part;

class AssiTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        // The settings file and the COMn links are found in the working folder.
        previousFolder = QDir::currentPath();
        QDir::setCurrent(dir.path());
        DbResult<QSqlDatabase> opened = OpenDatabase(dir.filePath(QStringLiteral("zevodb.sqlite")), Connection);
        ASSERT_TRUE(opened.ok()) << opened.error().toStdString();
        db = opened.value();
        state.programFolder = dir.path();
        state.clock = [this] { return now; };
    }

    void TearDown() override
    {
        search.reset();
        employees.reset();
        company.reset();
        settings.reset();
        assi.reset();
        renderer.reset();
        db = QSqlDatabase();
        CloseDatabase(Connection);
        QDir::setCurrent(previousFolder);
    }

    // Creates the windows in the program's order; Show() then runs the start-up steps.
    void Create()
    {
        assi = std::make_unique<TfoAssi>(state, db);
        settings = std::make_unique<TfoGrundeinstellung>(state, assi.get(), dir.filePath(SettingsFileName));
        company = std::make_unique<TfoFirma>(state, assi.get());
        search = std::make_unique<TfoSuchenKFZ>(db, assi.get());
        renderer = std::make_unique<TfoHPrint>(ReportSources{state.report, state.result, state.curves, state.settings,
                                                             state.limitSet, state.GravityFactor, state.EmployeeLines,
                                                             state.SmoothCurves},
                                               QStringLiteral(ZEVO_PICTOGRAM_DIR));
        LoadCompanyFile(state);
        assi->AttachRenderer(*renderer);
        // Whatever printers this machine has, a test prints into PDF files.
        ConfigurePdfPrinter(assi->Printer(), DefaultPdfDpi);
        employees = std::make_unique<TfoMitarbeiter>(state, db, assi.get());
        assi->AttachDialogs({settings.get(), company.get(), search.get(), employees.get()});
        QObject::connect(settings.get(), &TfoGrundeinstellung::settingsApplied, assi.get(), &TfoAssi::SettingsApplied);
        QObject::connect(settings.get(), &TfoGrundeinstellung::languageApplyRequested, assi.get(),
                         &TfoAssi::ApplyLanguage);
    }

    void Start()
    {
        Create();
        assi->show();
    }

    // A settings file as the settings window writes it; other fields keep the defaults.
    void WriteSettings(std::initializer_list<std::pair<SettingsField, int>> fields)
    {
        Settings written;
        written.einstellungen.Field = {1, 1, 1, 0, 1, 1, 1, 2};
        for (const auto& [field, value] : fields)
            written.einstellungen.Field[field] = value;
        written.Sprache = written.einstellungen.Field[Language];
        ASSERT_EQ(SaveSettings(written, dir.filePath(SettingsFileName)), QString());
    }

    qint64 StoreTest(const QString& kennzeichen, QDate datum, const QString& bearbeitet = QStringLiteral("n"),
                     const QString& hu = {}, const QString& au = {}, std::optional<double> km = {},
                     const QByteArray& druckdaten = {}, const QByteArray& grafikdaten = {})
    {
        MessungRow row;
        row.Kennzeichen = kennzeichen;
        row.Datum = datum;
        row.Uhrzeit = QTime(10, 15, 0);
        row.AuftragsNr = QStringLiteral("A-") + kennzeichen.trimmed();
        row.Km = km;
        row.HU = hu;
        row.AU = au;
        row.Bearbeitet = bearbeitet;
        row.Druckdaten = druckdaten;
        row.Grafikdaten = grafikdaten;
        const DbResult<qint64> id = InsertTest(db, row);
        EXPECT_TRUE(id.ok()) << id.error().toStdString();
        return id.ok() ? id.value() : 0;
    }

    void StoreVehicle(const QString& kennzeichen, const QString& name, const QString& vorname, const QString& tuev = {})
    {
        KfzRow row;
        row.Kennzeichen = kennzeichen;
        row.Name = name;
        row.Vorname = vorname;
        row.TueV = tuev;
        ASSERT_EQ(InsertKfz(db, row), QString());
    }

    std::optional<KfzRow> Vehicle(const QString& kennzeichen)
    {
        const DbResult<std::optional<KfzRow>> found = FindKfz(db, kennzeichen);
        return found.ok() ? found.value() : std::nullopt;
    }

    int Count(const QString& statement)
    {
        QSqlQuery query(db);
        return query.exec(statement) && query.next() ? query.value(0).toInt() : -1;
    }

    QString Line(int i) const { return FromCp1252(state.report.LineA(i)); }
    QString LabelText(const char* name) const { return Part<QLabel>(*assi, name).text(); }
    QString EditText(const char* name) const { return Part<QLineEdit>(*assi, name).text(); }

    // Text the grid shows in a cell: its visible column and row.
    static QString Cell(const QAbstractItemView& grid, int row, int visibleColumn)
    {
        const QAbstractItemModel* model = grid.model();
        int seen = -1;
        for (int column = 0; column < model->columnCount(); ++column) {
            if (static_cast<const QTableView&>(grid).isColumnHidden(column))
                continue;
            if (++seen == visibleColumn)
                return model->index(row, column).data().toString();
        }
        return {};
    }

    static inline const QString Connection = QStringLiteral("assi-test");
    QTemporaryDir dir;
    QString previousFolder;
    QSqlDatabase db;
    QDateTime now{QDate(2026, 5, 10), QTime(9, 0)};
    ProgramState state;
    std::unique_ptr<TfoAssi> assi;
    std::unique_ptr<TfoHPrint> renderer;
    std::unique_ptr<TfoGrundeinstellung> settings;
    std::unique_ptr<TfoFirma> company;
    std::unique_ptr<TfoSuchenKFZ> search;
    std::unique_ptr<TfoMitarbeiter> employees;
};

} // namespace zevo::assitest
