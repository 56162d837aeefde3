#pragma once
// The main window "ZEVO Assistant 6.4": the program itself. It owns the
// serial reception, the cursors on the tests and vehicles, and the five tabs
// on which the user works; it runs the start-up steps when first shown, the
// clean-up of old untouched tests, and applies the language to every window.

#include "app/staletestcleanup.h"
#include "app/testdisplay.h"

#include <QMainWindow>
#include <QPrinter>
#include <QSqlDatabase>
#include <memory>

class QLabel;
class QMenu;
class QTimer;

namespace Ui {
class TfoAssi;
}

namespace zevo {

class ArchiveTab;
class BarTab;
class CurrentTestsTab;
class CurveTab;
class DatabaseWatch;
class PrintCommands;
class ReportPreview;
class TfoHPrint;
struct PrintResult;
class KfzCursor;
class MessungenCursor;
class ReceptionControl;
class TfoFirma;
class TfoGrundeinstellung;
class TfoMitarbeiter;
class TfoSuchenKFZ;
struct ProgramState;

class TfoAssi : public QMainWindow {
    Q_OBJECT

  public:
    // The windows the main window opens and whose texts it sets. They are
    // created after it, so they are attached once they exist.
    struct Dialogs {
        TfoGrundeinstellung* settings = nullptr;
        TfoFirma* company = nullptr;
        TfoSuchenKFZ* search = nullptr;
        TfoMitarbeiter* employees = nullptr;
    };

    TfoAssi(ProgramState& state, const QSqlDatabase& db, QWidget* parent = nullptr);
    ~TfoAssi() override;

    void AttachDialogs(const Dialogs& dialogs);
    // The report renderer, created after the main window: the preview tab and
    // the print commands draw through it.
    void AttachRenderer(TfoHPrint& renderer);

    // The database could not be opened: the window comes up all the same, says
    // so in the status line and once in a message box, and keeps received tests
    // (to be written into a file at close).
    void ReportDatabaseProblem(const QString& error);
    // The window's close path without questions, for a signal that ends the
    // program (the session ends, the machine shuts down): edits posted,
    // unstored tests written to a file, the port released.
    void CloseForShutdown();

    // The language in force (ProgramState) on every window, and the limit set.
    void ApplyLanguage();
    // The settings window stored its settings: texts and port follow them.
    void SettingsApplied();

    // Brings the test with that Id on display (see TestDisplay); database
    // errors go to a message box, decode problems to the status line.
    ShowTestOutcome ShowTest(qint64 id);
    void DeleteStaleTests();
    void Timer2Timer();
    void TabSheet1Show();
    void TabSheet6Show();

    qint64 CurrentTestId() const { return currentTestId_; }
    MessungenCursor& Tests() const { return *tests_; }
    KfzCursor& Vehicles() const { return *vehicles_; }
    ReceptionControl& Reception() const { return *reception_; }
    const StaleTestCleanup& Cleanup() const { return cleanup_; }
    QTimer* Timer2() const { return timer2_; }
    QMenu* PopupMenu1() const { return popupMenu1_; }
    QPrinter& Printer() { return printer_; } // set up by "Druckereinrichtung", used for every print
    ReportPreview* Preview() const { return preview_; }
    BarTab* Bars() const { return barTab_; } // tab "Balken Grafik"
    CurveTab* Curves() const { return curveTab_; } // tab "Kurven Grafik"

    void Numerisch1Click();
    void Balken1Click();

  signals:
    // A page was printed under this job title; pdfPath is set when it went
    // into a PDF file for want of a printer. A received test printed at once
    // under "Sofort Drucken" sends it too.
    void pagePrinted(const QString& jobTitle, const QString& pdfPath);

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void FormShow();
    void BuildPopupMenu();
    void ConnectHandlers();
    void SetPrintEntriesEnabled(bool enabled);
    void PostEdits();
    void ReportError(const QString& text);
    void PageChanged(int index);
    // VAHA1Click, Feststellbremse1Click, VABetriebsbremse1Click, HABetriebsbremse1Click.
    void CurvePrintClick(int curveMode);
    void TestSelected(qint64 id, bool fromCurrentTests);
    void TestStored(qint64 id, bool printAtOnce);
    void SpeedButton1Click();
    void Druckereinrichtung1Click();
    void ReportPrintResult(const PrintResult& result);
    void ShowStatus(const QString& text);
    // The permanent part of the status line: the database's and the port's
    // state and how many received tests wait to be stored.
    void UpdateReceptionStatus();
    // For a database server: it went away and came back.
    static constexpr int WatchSeconds = 10;
    void WatchServer();
    static void ShowWindow(QWidget* window);

    std::unique_ptr<Ui::TfoAssi> ui_;
    ProgramState& state_;
    QSqlDatabase db_;
    MessungenCursor* tests_;      // taMessungen
    KfzCursor* vehicles_;         // taKFZ
    ReceptionControl* reception_; // ComPort, Timer1
    CurrentTestsTab* currentTests_;
    ArchiveTab* archive_;
    BarTab* barTab_ = nullptr;
    CurveTab* curveTab_ = nullptr;
    std::unique_ptr<TestDisplay> display_;
    QMenu* popupMenu1_ = nullptr;
    QMenu* kurven1_ = nullptr;
    QLabel* decodeStatus_;
    QLabel* portStatus_;
    QTimer* timer2_;
    StaleTestCleanup cleanup_;
    QPrinter printer_;
    Dialogs dialogs_;
    TfoHPrint* renderer_ = nullptr;
    ReportPreview* preview_ = nullptr;
    std::unique_ptr<PrintCommands> printCommands_;
    QString databaseProblem_;          // why there is no database; empty when it is open
    DatabaseWatch* watch_ = nullptr;   // a database server's comings and goings; none for a file
    bool storeFailureShown_ = false;   // a failed store was told in a box; the next ones only in the status line
    bool shuttingDown_ = false;        // closing for a signal: nothing may keep the window open
    qint64 currentTestId_ = 0; // CurrentTestId: the test shown last from the current-tests grid
    bool shown_ = false;
    bool unstoredTestsKept_ = false; // unstored tests were written to a file at the first close
};

} // namespace zevo
