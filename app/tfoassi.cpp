#include "app/tfoassi.h"

#include "app/archivelistmodel.h"
#include "app/archivetab.h"
#include "app/bartab.h"
#include "app/currentteststab.h"
#include "app/curvetab.h"
#include "app/employeelines.h"
#include "app/errormessage.h"
#include "app/kfzcursor.h"
#include "app/mainwindowtexts.h"
#include "app/printcommands.h"
#include "app/reportpreview.h"
#include "app/messungencursor.h"
#include "app/messungenmodel.h"
#include "app/programstate.h"
#include "app/receptioncontrol.h"
#include "app/tfofirma.h"
#include "app/tfogrundeinstellung.h"
#include "app/tfomitarbeiter.h"
#include "app/tfosuchenkfz.h"
#include "decode/limitsets.h"
#include "graphics/lcdfont.h"
#include "lang/sprachen.h"
#include "records/database.h"
#include "records/databasewatch.h"
#include "records/messungentable.h"
#include "report/hprint.h"
#include "report/printjob.h"
#include "ui_tfoassi.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QPrintDialog>
#include <QScreen>
#include <QSizePolicy>
#include <QStatusBar>
#include <QTextStream>
#include <QTimer>
#include <QVBoxLayout>

namespace zevo {

// FormCreate: the reception state starts empty with the port closed. The
// list of untouched tests is read once, by the clean-up when the window is
// first shown: with tens of thousands of them, reading it twice would be felt.
TfoAssi::TfoAssi(ProgramState& state, const QSqlDatabase& db, QWidget* parent)
    : QMainWindow(parent), ui_(std::make_unique<Ui::TfoAssi>()), state_(state), db_(db),
      tests_(new MessungenCursor(db, this)), vehicles_(new KfzCursor(db, this)),
      reception_(new ReceptionControl(state, db, this)), decodeStatus_(new QLabel(this)), portStatus_(new QLabel(this)),
      timer2_(new QTimer(this)), cleanup_([&state] { return state.clock(); }), printer_(QPrinter::HighResolution)
{
    // Without a system printer the pages go into PDF files: lay them out as
    // such a file is written, not at the screen's resolution.
    if (!HasSystemPrinter(printer_))
        ConfigurePdfPrinter(printer_, DefaultPdfDpi);
    ui_->setupUi(this);
    resize(819, 585);
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());

    currentTests_ = new CurrentTestsTab(*tests_, *vehicles_, ui_->TabSheet1);
    ui_->TabSheet1Layout->addWidget(currentTests_);
    archive_ = new ArchiveTab(db, *tests_, *vehicles_, ui_->TabSheet6);
    ui_->TabSheet6Layout->addWidget(archive_);
    archive_->SetVehicleSearch([this] { return dialogs_.search ? dialogs_.search->Execute() : QString(); });
    barTab_ = new BarTab(state, ui_->TabSheet4);

    ShowTestLabels labels;
    labels.Label62 = currentTests_->findChild<QLabel*>(QStringLiteral("Label62"));
    labels.laKennzeichen = ui_->laKennzeichen;
    labels.labKennzeichen = ui_->labKennzeichen;
    labels.laAuftrag = ui_->laAuftrag;
    labels.laBAuftrag = ui_->laBAuftrag;
    labels.laTestDatum = ui_->laTestDatum;
    labels.labTestDatum = ui_->labTestDatum;
    labels.laKunde = ui_->laKunde;
    labels.labKunde = ui_->labKunde;
    display_ = std::make_unique<TestDisplay>(state, db, *tests_, *vehicles_, labels);
    curveTab_ = new CurveTab(
        state, *ui_->Tabsheet3,
        [this] {
            for (const QString& error : display_->DecodeAgain().errors)
                ReportError(error);
        },
        this);

    BuildPopupMenu();
    decodeStatus_->setObjectName(QStringLiteral("laDecodeStatus"));
    portStatus_->setObjectName(QStringLiteral("laPortStatus"));
    // A long status (a PDF's path, a port's device) is cut at the window's
    // edge rather than widening the window past the screen; its tooltip holds it whole.
    for (QLabel* label : {decodeStatus_, portStatus_})
        label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    statusBar()->addWidget(decodeStatus_, 1);
    statusBar()->addPermanentWidget(portStatus_, 1);

    timer2_->setObjectName(QStringLiteral("Timer2"));
    timer2_->setInterval(60000);
    ConnectHandlers();
    timer2_->start();
    if (OnServer(db_))
        WatchServer();

    if (!db_.isOpen())
        databaseProblem_ = QStringLiteral("The database cannot be opened.");
    UpdateReceptionStatus();
}

void TfoAssi::ReportDatabaseProblem(const QString& error)
{
    databaseProblem_ = error;
    UpdateReceptionStatus();
    // Told once the window is on the screen, over it.
    const QString kept = watch_ ? QStringLiteral("Received tests are kept and stored as soon as the server answers "
                                                 "again; tests still waiting when the program closes are written to "
                                                 "a file in the working folder.")
                                : QStringLiteral("Received tests are kept while the program runs and written to a "
                                                 "file in the working folder when it closes.");
    QTimer::singleShot(0, this, [this, error, kept] { ShowErrorMessage(this, error + QStringLiteral("\n\n") + kept); });
}

void TfoAssi::WatchServer()
{
    watch_ = new DatabaseWatch(
        db_, [this] { return reception_->Reception().Assembly().PendingCount() > 0; }, WatchSeconds, this);
    connect(watch_, &DatabaseWatch::lost, this, [this](const QString& error) {
        databaseProblem_ = error;
        UpdateReceptionStatus();
    });
    connect(watch_, &DatabaseWatch::back, this, [this] {
        databaseProblem_.clear();
        storeFailureShown_ = false;
        UpdateReceptionStatus();
        // Other lanes may have stored tests meanwhile; a server away since
        // the start gives the lists their first reading now, and the page
        // shows its test as at start.
        const bool firstReading = !tests_->IsOpen();
        if (QString error = firstReading ? tests_->Open() : tests_->Refresh(); !error.isEmpty())
            ReportError(error);
        if (firstReading)
            PageChanged(ui_->PageControl1->currentIndex());
    });
    connect(watch_, &DatabaseWatch::retryDue, reception_, &ReceptionControl::RetryPending);
}

void TfoAssi::UpdateReceptionStatus()
{
    QStringList parts;
    if (!databaseProblem_.isEmpty())
        parts << (watch_ ? QStringLiteral("The database server cannot be reached: received tests are kept and "
                                          "stored when it answers again.")
                         : QStringLiteral("No database: received tests are kept until the program closes."));
    parts << reception_->PortStatus();
    if (const qsizetype waiting = reception_->Reception().Assembly().PendingCount(); waiting > 0)
        parts << QStringLiteral("%1 received test(s) wait to be stored.").arg(waiting);
    portStatus_->setText(parts.join(QLatin1Char(' ')));
    portStatus_->setToolTip(databaseProblem_.isEmpty() ? portStatus_->text()
                                                       : databaseProblem_ + QLatin1Char('\n') + portStatus_->text());
}

// FormDestroy: the port is closed before anything it feeds goes away.
TfoAssi::~TfoAssi()
{
    reception_->Timer1()->stop();
    reception_->ClosePort();
    delete archive_;
    delete currentTests_;
}

void TfoAssi::AttachDialogs(const Dialogs& dialogs)
{
    dialogs_ = dialogs;
}

void TfoAssi::AttachRenderer(TfoHPrint& renderer)
{
    renderer_ = &renderer;
    renderer.reportProblem = [this](const QString& text) { ShowStatus(text); };
    preview_ = new ReportPreview(renderer, [this] { return PrinterPageOf(printer_); }, ui_->TabSheet2);
    auto* layout = new QVBoxLayout(ui_->TabSheet2);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(preview_);
    printCommands_ = std::make_unique<PrintCommands>(state_, renderer, printer_, *display_, *tests_);
}

void TfoAssi::BuildPopupMenu()
{
    // The print menu pops up from SpeedButton1; it is no menu of the menu bar.
    popupMenu1_ = new QMenu(this);
    popupMenu1_->setObjectName(QStringLiteral("PopupMenu1"));
    popupMenu1_->addAction(ui_->Numerisch1);
    kurven1_ = popupMenu1_->addMenu(QStringLiteral("Kurven"));
    kurven1_->setObjectName(QStringLiteral("Kurven1"));
    kurven1_->addAction(ui_->VAHA1);
    kurven1_->addAction(ui_->Feststellbremse1);
    kurven1_->addAction(ui_->VABetriebsbremse1);
    kurven1_->addAction(ui_->HABetriebsbremse1);
    popupMenu1_->addAction(ui_->Balken1);
    popupMenu1_->addSeparator();
    popupMenu1_->addAction(ui_->Abbrechen1); // closes the menu, nothing else
    SetPrintEntriesEnabled(false);
}

void TfoAssi::ConnectHandlers()
{
    connect(ui_->Schlieen1, &QAction::triggered, this, &QWidget::close);
    connect(ui_->Druckereinrichtung1, &QAction::triggered, this, &TfoAssi::Druckereinrichtung1Click);
    connect(ui_->Numerisch1, &QAction::triggered, this, &TfoAssi::Numerisch1Click);
    connect(ui_->Balken1, &QAction::triggered, this, &TfoAssi::Balken1Click);
    connect(ui_->VAHA1, &QAction::triggered, this, [this] { CurvePrintClick(1); });
    connect(ui_->Feststellbremse1, &QAction::triggered, this, [this] { CurvePrintClick(2); });
    connect(ui_->VABetriebsbremse1, &QAction::triggered, this, [this] { CurvePrintClick(3); });
    connect(ui_->HABetriebsbremse1, &QAction::triggered, this, [this] { CurvePrintClick(4); });
    connect(ui_->Grundeinstellungen1, &QAction::triggered, this, [this] { ShowWindow(dialogs_.settings); });
    connect(ui_->MitarbeiterTextzeile1, &QAction::triggered, this, [this] { ShowWindow(dialogs_.employees); });
    connect(ui_->Firmenanschrift1, &QAction::triggered, this, [this] { ShowWindow(dialogs_.company); });
    connect(ui_->SpeedButton1, &QAbstractButton::clicked, this, &TfoAssi::SpeedButton1Click);
    connect(ui_->SpeedButton4, &QAbstractButton::clicked, this,
            [this] { ui_->PageControl1->setCurrentWidget(ui_->TabSheet1); });
    connect(ui_->PageControl1, &QTabWidget::currentChanged, this, &TfoAssi::PageChanged);
    connect(timer2_, &QTimer::timeout, this, &TfoAssi::Timer2Timer);

    connect(reception_, &ReceptionControl::testStored, this, &TfoAssi::TestStored);
    connect(reception_, &ReceptionControl::storeFailed, this, [this](const QString& error) {
        UpdateReceptionStatus();
        // A server that went away is told in the status line, which says
        // when it is back.
        if (watch_ && !DatabaseAnswers(db_)) {
            watch_->Lost(error);
            return;
        }
        // One box for a run of failures (a full disk refuses every test); the
        // status line counts the tests that wait. Without a database the
        // status line has said so from the start.
        if (storeFailureShown_ || !db_.isOpen())
            return;
        storeFailureShown_ = true;
        ReportError(QStringLiteral("A received test could not be stored. It is kept and stored again when the "
                                   "next test arrives, or written to a file when the program closes.\n\n%1")
                        .arg(error));
    });
    connect(reception_, &ReceptionControl::portStatusChanged, this, &TfoAssi::UpdateReceptionStatus);

    connect(currentTests_, &CurrentTestsTab::testSelected, this, [this](qint64 id) { TestSelected(id, true); });
    connect(archive_, &ArchiveTab::testSelected, this, [this](qint64 id) { TestSelected(id, false); });
    connect(currentTests_, &CurrentTestsTab::errorOccurred, this, &TfoAssi::ReportError);
    connect(tests_->Untouched(), &MessungenModel::errorOccurred, this, &TfoAssi::ReportError);
    connect(archive_->List(), &ArchiveListModel::errorOccurred, this, &TfoAssi::ReportError);
    connect(archive_, &ArchiveTab::errorOccurred, this, &TfoAssi::ReportError);
}

void TfoAssi::showEvent(QShowEvent* event)
{
    // The start-up steps run once, when the window is first shown.
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
    QMainWindow::showEvent(event);
}

void TfoAssi::FormShow()
{
    if (db_.isOpen()) {
        if (QString error = LoadEmployeeLines(db_, state_); !error.isEmpty())
            ReportError(error);
    }
    ApplyLanguage();
    if (dialogs_.settings) {
        dialogs_.settings->LoadSettings();
    } else if (const SettingsLoadResult loaded = LoadSettings(state_.settings);
               loaded.state != SettingsFileState::Loaded && loaded.state != SettingsFileState::Missing) {
        ReportError(loaded.message);
    }
    reception_->OpenPort(state_.settings.PortName);
    if (db_.isOpen()) {
        DeleteStaleTests();
        if (!tests_->IsOpen()) {
            if (QString error = tests_->Open(); !error.isEmpty())
                ReportError(error);
        }
        // The clean-up left the cursor on the newest untouched test.
        currentTestId_ = tests_->CurrentId();
        SetPrintEntriesEnabled(currentTestId_ != 0);
        ShowTest(currentTestId_);
    }
    if (const QString fonts = (CheckReportFonts() + QLatin1Char(' ') + SubstituteLiquidCrystal()).trimmed();
        !fonts.isEmpty())
        ShowStatus(fonts);
    reception_->Timer1()->start();
}

void TfoAssi::closeEvent(QCloseEvent* event)
{
    // FormClose: nothing typed is lost (the employee lines window keeps its
    // lines as it closes), then the tables and the archive query close.
    if (dialogs_.employees && dialogs_.employees->isVisible())
        dialogs_.employees->close();
    PostEdits();
    // Nor is a received test that the database refused: it goes into a capture
    // file first, and the operator is told where before the program ends.
    if (!unstoredTestsKept_) {
        if (const QString kept = reception_->KeepUnstoredTests(QDir::currentPath()); !kept.isEmpty()) {
            unstoredTestsKept_ = true;
            if (shuttingDown_) {
                // Nobody may be there to read a box: the session's log gets it.
                QTextStream(stderr) << "zevo-assistant: " << kept << Qt::endl;
            } else {
                ReportError(kept + QStringLiteral("\n\nClose the window again to quit."));
                event->ignore();
                return;
            }
        }
    }
    reception_->Timer1()->stop();
    timer2_->stop();
    tests_->Close();
    vehicles_->Close();
    archive_->CloseList();
    // Released now rather than when the window is destroyed, so that another
    // program (or this one started again) can take the port at once.
    reception_->ClosePort();
    QMainWindow::closeEvent(event);
}

void TfoAssi::CloseForShutdown()
{
    shuttingDown_ = true;
    // A modal dialog (the printer setup) would keep its own loop running.
    if (QWidget* modal = QApplication::activeModalWidget())
        modal->close();
    if (close())
        QCoreApplication::quit();
}

void TfoAssi::ApplyLanguage()
{
    state_.settings.Sprache = LimitSprache(state_.settings.Sprache);
    const int sprache = state_.settings.Sprache;
    ApplyMainWindowTexts(*this, sprache);
    curveTab_->ApplyLanguage(); // the parking-brake view keeps its own legend captions
    currentTests_->SetColumnTitles(CurrentTestsColumnTitles(sprache));
    archive_->SetColumnTitles(ArchiveColumnTitles(sprache));

    // The limit set follows the text table, not the language chosen.
    state_.limitSet = LimitSetFromTextTable();
    state_.GravityFactor = GravityFactor(state_.limitSet);

    if (dialogs_.settings)
        dialogs_.settings->ApplyLanguage(); // its texts, cbSprache, FillVehicleTypes for the set in force
    if (dialogs_.company)
        dialogs_.company->ApplyLanguage(sprache);
    if (dialogs_.employees)
        dialogs_.employees->ApplyLanguage(sprache);
    if (dialogs_.search)
        dialogs_.search->ApplyLanguage(sprache);
    barTab_->Refresh(); // the vehicle type chosen may pick other limits
}

void TfoAssi::SettingsApplied()
{
    ApplyLanguage();
    reception_->OpenPort(state_.settings.PortName);
}

ShowTestOutcome TfoAssi::ShowTest(qint64 id)
{
    PostEdits();
    // The curves are loaded anew: the next drawing smooths them once.
    state_.SmoothCurves = true;
    ShowTestOutcome outcome = display_->ShowTest(id);
    for (const QString& error : outcome.errors)
        ReportError(error);
    ShowStatus(outcome.problems.join(QLatin1Char(' ')));
    if (preview_)
        preview_->pbVorschau()->update();
    barTab_->Refresh();
    curveTab_->Refresh();
    return outcome;
}

void TfoAssi::DeleteStaleTests()
{
    const std::optional<QDate> cutoff = cleanup_.DueCutoff(state_.settings.einstellungen.Field[CleanupInterval]);
    if (!cutoff)
        return;
    PostEdits();
    if (QString error = tests_->Close(); !error.isEmpty())
        ReportError(error);
    if (const DbResult<int> deleted = DeleteUntouchedTestsBefore(db_, *cutoff); !deleted.ok())
        ReportError(deleted.error());
    if (QString error = tests_->Open(); !error.isEmpty())
        ReportError(error);
}

void TfoAssi::Timer2Timer()
{
    if (cleanup_.Timer2Tick())
        DeleteStaleTests();
}

void TfoAssi::TabSheet1Show()
{
    tests_->SetFiltered(true);
    if (QString error = tests_->MoveToLast(); !error.isEmpty())
        ReportError(error);
    currentTestId_ = tests_->CurrentId();
    SetPrintEntriesEnabled(currentTestId_ != 0);
    ShowTest(currentTestId_);
}

void TfoAssi::TabSheet6Show()
{
    // Archived tests must be found by Id while this tab is up.
    tests_->SetFiltered(false);
    if (QString error = archive_->ListAll(); !error.isEmpty())
        ReportError(error);
    const qint64 id = archive_->CurrentListId();
    SetPrintEntriesEnabled(id != 0);
    ShowTest(id);
}

void TfoAssi::PageChanged(int index)
{
    PostEdits();
    QWidget* page = ui_->PageControl1->widget(index);
    if (page == ui_->TabSheet1)
        TabSheet1Show();
    else if (page == ui_->TabSheet2 && preview_)
        preview_->TabSheet2Show();
    else if (page == ui_->Tabsheet3)
        curveTab_->Tabsheet3Show();
    else if (page == ui_->TabSheet6)
        TabSheet6Show();
}

void TfoAssi::TestSelected(qint64 id, bool fromCurrentTests)
{
    if (fromCurrentTests)
        currentTestId_ = id;
    // A test chosen in a list is on display, so it can be printed, even when
    // the tab came up empty.
    if (ShowTest(id).found)
        SetPrintEntriesEnabled(true);
}

void TfoAssi::TestStored(qint64 id, bool printAtOnce)
{
    storeFailureShown_ = false;
    UpdateReceptionStatus();
    // The new test is the last row of the current tests at once.
    PostEdits();
    const bool stoodNowhere = tests_->CurrentId() == 0;
    if (QString error = tests_->Refresh(); !error.isEmpty())
        ReportError(error);
    if (!printAtOnce) {
        // Into an empty list the new test becomes the current row, and the
        // row the grid stands on is the test on display.
        if (stoodNowhere && tests_->CurrentId() != 0) {
            currentTestId_ = tests_->CurrentId();
            if (ShowTest(currentTestId_).found)
                SetPrintEntriesEnabled(true);
        }
        return;
    }

    const ShowTestOutcome shown = ShowTest(id);
    if (shown.found)
        SetPrintEntriesEnabled(true);
    state_.SmoothCurves = true;
    const ShowTestOutcome decoded = display_->DecodeAgain();
    for (const QString& error : decoded.errors)
        ReportError(error);
    state_.ReportPrinted = true;
    if (printCommands_)
        ReportPrintResult(printCommands_->PrintReceived());
}

void TfoAssi::Numerisch1Click()
{
    if (!printCommands_)
        return;
    ReportPrintResult(printCommands_->Print(NumericPageKind));
}

void TfoAssi::Balken1Click()
{
    if (!printCommands_)
        return;
    ReportPrintResult(printCommands_->Print(BarPageKind));
}

void TfoAssi::CurvePrintClick(int curveMode)
{
    if (!printCommands_)
        return;
    ReportPrintResult(printCommands_->Print(CurvePageKind, curveMode));
    // The print decoded the test again: the tab draws it anew.
    curveTab_->Tabsheet3Show();
}

void TfoAssi::ReportPrintResult(const PrintResult& result)
{
    for (const QString& error : result.decodeErrors)
        ReportError(error);
    if (!result.outcome.ok) {
        ReportError(result.outcome.error);
        return;
    }
    if (!result.outcome.pdfPath.isEmpty())
        ShowStatus(QStringLiteral("No printer installed: \"%1\" was saved as %2")
                       .arg(result.jobTitle, QDir::toNativeSeparators(result.outcome.pdfPath)));
    emit pagePrinted(result.jobTitle, result.outcome.pdfPath);
}

void TfoAssi::ShowStatus(const QString& text)
{
    decodeStatus_->setText(text);
    decodeStatus_->setToolTip(text);
}

void TfoAssi::SetPrintEntriesEnabled(bool enabled)
{
    ui_->Numerisch1->setEnabled(enabled);
    kurven1_->menuAction()->setEnabled(enabled);
    ui_->Balken1->setEnabled(enabled);
}

void TfoAssi::PostEdits()
{
    currentTests_->PostEdits();
    archive_->PostEdits();
    for (const QString& error : {tests_->Post(), vehicles_->Post()})
        if (!error.isEmpty())
            ReportError(error);
}

void TfoAssi::ReportError(const QString& text)
{
    // With the database server away every list and field fails alike; the
    // status line says why, and a box for each would stand in the way.
    if (watch_ && (watch_->Away() || !DatabaseAnswers(db_))) {
        if (!watch_->Away())
            watch_->Lost(text);
        ShowStatus(text);
        return;
    }
    ShowErrorMessage(this, text);
}

void TfoAssi::SpeedButton1Click()
{
    popupMenu1_->popup(frameGeometry().topLeft() + QPoint(40, 350));
}

void TfoAssi::Druckereinrichtung1Click()
{
    QPrintDialog dialog(&printer_, this);
    dialog.exec();
    // The next page is laid out for the printer chosen.
    if (preview_)
        preview_->pbVorschau()->update();
}

void TfoAssi::ShowWindow(QWidget* window)
{
    if (!window)
        return;
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace zevo
