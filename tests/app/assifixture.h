#pragma once
// The main window and dialogs wired as main() does, in a temporary working folder, with a fixed clock.

#include "app/companyfile.h"
#include "app/programstate.h"
#include "app/tfoassi.h"
#include "app/tfofirma.h"
#include "app/tfogrundeinstellung.h"
#include "app/tfomitarbeiter.h"
#include "app/tfosuchenkfz.h"
#include "lang/cp1252.h"
#include "records/kfztable.h"
#include "records/messungentable.h"
#include "report/hprint.h"
#include "report/printjob.h"
#include "tests/app/dialogtest.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>
#include <QTableView>

namespace zevo::assitest {

using dialogtest::ErrorBox;
using dialogtest::Part;

class AssiTest : public RecordsTest {
  protected:
    void SetUp() override
    {
        RecordsTest::SetUp();
        // The settings file and the COMn links are found in the working folder.
        previousFolder = QDir::currentPath();
        QDir::setCurrent(dir.path());
        state.programFolder = dir.path();
        state.clock = [this] { return now; };
    }

    void TearDown() override
    {
        assi.reset(); // and the dialogs, its children
        renderer.reset();
        RecordsTest::TearDown();
        QDir::setCurrent(previousFolder);
    }

    // Creates the windows in the program's order; showing runs the start-up steps.
    void Start()
    {
        assi = std::make_unique<TfoAssi>(state, db);
        settings = new TfoGrundeinstellung(state, assi.get(), dir.filePath(SettingsFileName));
        company = new TfoFirma(state, assi.get());
        search = new TfoSuchenKFZ(db, assi.get());
        renderer = std::make_unique<TfoHPrint>(ReportSources{state.report, state.result, state.curves, state.settings,
                                                             state.limitSet, state.GravityFactor, state.EmployeeLines,
                                                             state.SmoothCurves},
                                               QStringLiteral(ZEVO_PICTOGRAM_DIR));
        LoadCompanyFile(state);
        assi->AttachRenderer(*renderer);
        // Whatever printers this machine has, a test prints into PDF files.
        ConfigurePdfPrinter(assi->Printer(), DefaultPdfDpi);
        employees = new TfoMitarbeiter(state, db, assi.get());
        assi->AttachDialogs({settings, company, search, employees});
        QObject::connect(settings, &TfoGrundeinstellung::settingsApplied, assi.get(), &TfoAssi::SettingsApplied);
        QObject::connect(settings, &TfoGrundeinstellung::languageApplyRequested, assi.get(), &TfoAssi::ApplyLanguage);
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
        const DbResult<qint64> id = InsertTest(db, {.Kennzeichen = kennzeichen,
                                                    .Datum = datum,
                                                    .Uhrzeit = QTime(10, 15),
                                                    .AuftragsNr = "A-" + kennzeichen.trimmed(),
                                                    .Km = km,
                                                    .HU = hu,
                                                    .Bearbeitet = bearbeitet,
                                                    .AU = au,
                                                    .Druckdaten = druckdaten,
                                                    .Grafikdaten = grafikdaten});
        EXPECT_TRUE(id.ok()) << id.error().toStdString();
        return id.ok() ? id.value() : 0;
    }

    void StoreVehicle(const QString& kennzeichen, const QString& name, const QString& vorname)
    {
        ASSERT_EQ(InsertKfz(db, Kfz(kennzeichen, name, vorname)), QString());
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

    static QByteArray TestData(const char* name) { return testing::FileBytes(testing::DataPath("decode/") + name); }

    void ShowTab(const char* name)
    {
        Part<QTabWidget>(*assi, "PageControl1").setCurrentWidget(&Part<QWidget>(*assi, name));
    }

    // The three print entries are enabled together.
    bool PrintEntriesEnabled() const
    {
        const bool numeric = Part<QAction>(*assi, "Numerisch1").isEnabled();
        EXPECT_EQ(Part<QMenu>(*assi, "Kurven1").menuAction()->isEnabled(), numeric);
        EXPECT_EQ(Part<QAction>(*assi, "Balken1").isEnabled(), numeric);
        return numeric;
    }

    QString Line(int i) const { return FromCp1252(state.report.LineA(i)); }
    QString LabelText(const char* name) const { return Part<QLabel>(*assi, name).text(); }
    QString EditText(const char* name) const { return Part<QLineEdit>(*assi, name).text(); }

    // Text the grid shows in a cell: its visible column and row.
    static QString Cell(const QTableView& grid, int row, int visibleColumn)
    {
        for (int column = 0, seen = -1; column < grid.model()->columnCount(); ++column)
            if (!grid.isColumnHidden(column) && ++seen == visibleColumn)
                return grid.model()->index(row, column).data().toString();
        return {};
    }
    // Each row's cells in these visible columns, joined by blanks.
    static QStringList Rows(const QTableView& grid, std::initializer_list<int> visibleColumns)
    {
        QStringList rows;
        for (int row = 0; row < grid.model()->rowCount(); ++row) {
            QStringList cells;
            for (const int column : visibleColumns)
                cells << Cell(grid, row, column);
            rows << cells.join(' ');
        }
        return rows;
    }

    QString previousFolder;
    QDateTime now{QDate(2026, 5, 10), QTime(9, 0)};
    ProgramState state;
    std::unique_ptr<TfoAssi> assi;
    std::unique_ptr<TfoHPrint> renderer;
    TfoGrundeinstellung* settings = nullptr; // the dialogs are assi's children
    TfoFirma* company = nullptr;
    TfoSuchenKFZ* search = nullptr;
    TfoMitarbeiter* employees = nullptr;
};

} // namespace zevo::assitest
