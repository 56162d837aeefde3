// The main window as a whole: start-up, reception, the language, closing without losing anything.

#include "records/databasewatch.h"
#include "app/mainwindowtexts.h"
#include "app/receptioncontrol.h"
#include "reception/portrecovery.h"
#include "app/reportpreview.h"
#include "app/shutdownsignals.h"
#include "reception/teststandframes.h"
#include "tests/app/assifixture.h"
#include "tests/support/ptypair.h"

#include <QComboBox>
#include <QPushButton>
#include <QScrollBar>
#include <csignal>

namespace zevo::assitest {
namespace {

TEST_F(AssiTest, FirstStartWithAnEmptyDatabaseShowsNoTestAndDisablesPrinting)
{
    Start();
    EXPECT_EQ(Part<QTabWidget>(*assi, "PageControl1").currentWidget()->objectName(), "TabSheet1");
    EXPECT_FALSE(PrintEntriesEnabled());
    EXPECT_FALSE(Part<QLineEdit>(*assi, "dbedName").isEnabled());
    EXPECT_EQ(ErrorBox(*assi), nullptr);
    EXPECT_TRUE(assi->Reception().Timer1()->isActive());
    EXPECT_TRUE(LabelText("laPortStatus").contains("No serial port chosen"));
}

TEST_F(AssiTest, PreviewShowsThePrintedPageAndFollowsPrinterAndScrollBar)
{
    StoreTest("   ", now.date(), "n", {}, {}, {}, TestData("car.txt"), TestData("car.curves.txt"));
    Start();
    ShowTab("TabSheet2");
    auto& box = Part<QWidget>(*assi, "pbVorschau");
    (void)box.grab(); // paints: the car's report runs onto a second page
    EXPECT_EQ(box.size(), TfoHPrint::PreviewSize(PdfPrinterPage(600), 2));
    EXPECT_FALSE(state.SmoothCurves); // smoothed once, by that painting

    Part<QScrollBar>(*assi, "sbVorschau").setValue(10);
    EXPECT_EQ(assi->Preview()->pbVorschau()->ScrollOffset(), 200);

    // Another paper in the printer set-up: the next painting is laid out for it.
    assi->Printer().setPageSize(QPageSize(QPageSize::Letter));
    (void)box.grab();
    EXPECT_EQ(box.width(), TfoHPrint::PreviewSize(PrinterPageOf(assi->Printer())).width());

    // A blank registration prints as "ZEVO Test".
    QSignalSpy printed(assi.get(), &TfoAssi::pagePrinted);
    assi->Numerisch1Click();
    ASSERT_EQ(printed.count(), 1);
    EXPECT_EQ(printed[0][0].toString(), "ZEVO Test");
    EXPECT_TRUE(QFile::exists(printed[0][1].toString()));
}

// Reception through a pseudo-terminal linked as COM1 in the working folder.
class ReceptionTest : public AssiTest {
  protected:
    void StartOnPty(int printMode)
    {
        ASSERT_TRUE(pty.ok());
        ASSERT_TRUE(QFile::link(pty.slavePath(), QStringLiteral("COM1")));
        WriteSettings({{SerialPort, 1}, {PrintMode, printMode}});
        Start();
        ASSERT_TRUE(assi->Reception().PortOpen()) << LabelText("laPortStatus").toStdString();
    }

    // Writes a test as the test stand sends it, ticking the receive timer meanwhile.
    void Send(const char* printData, const char* curveData)
    {
        const TestStandStream stream =
            EncodeTestStandStream(TestData(printData), curveData ? TestData(curveData) : QByteArray());
        ASSERT_TRUE(stream.error.isEmpty()) << stream.error.toStdString();
        for (qsizetype at = 0; at < stream.bytes.size(); at += 2048) {
            ASSERT_TRUE(pty.writeToSlave(stream.bytes.mid(at, 2048)));
            assi->Reception().Timer1Timer();
        }
    }

    bool WaitForRows(int rows)
    {
        const QAbstractItemModel* model = Part<QTableView>(*assi, "DBGrid1").model();
        return QTest::qWaitFor([&] { return model->rowCount() == rows; }, 5000);
    }

    // Sends the car's test while the database refuses every store, as on a full disk.
    void SendCarToAFullDisk()
    {
        ASSERT_TRUE(QSqlQuery(db).exec("CREATE TEMP TRIGGER Full BEFORE INSERT ON main.Messungen "
                                       "BEGIN SELECT RAISE(ABORT, 'database or disk is full'); END"));
        Send("car.txt", "car.curves.txt");
        ASSERT_TRUE(QTest::qWaitFor([&] { return ErrorBox(*assi) != nullptr; }, 5000));
        EXPECT_TRUE(ErrorBox(*assi)->text().contains("could not be stored"));
        EXPECT_TRUE(ErrorBox(*assi)->text().contains("disk is full"));
        delete ErrorBox(*assi);
    }

    testing::PtyPair pty;
};

TEST_F(ReceptionTest, AReceivedTestIsStoredListedAndWithSofortDruckenShownAndPrinted)
{
    StartOnPty(PrintAtOnce);
    EXPECT_TRUE(LabelText("laPortStatus").startsWith("Receiving on COM1:"));
    QSignalSpy printRequests(assi.get(), &TfoAssi::pagePrinted);

    Send("car.txt", "car.curves.txt");
    ASSERT_TRUE(WaitForRows(1));

    EXPECT_EQ(Rows(Part<QTableView>(*assi, "DBGrid1"), {0, 1, 2, 3, 4, 5, 6}),
              QStringList{"B-ZE 1234 10.05.26 09:00:00 4711 87654 05.2026 07.2027"});
    EXPECT_EQ(LabelText("laKennzeichen"), "B-ZE 1234");
    EXPECT_TRUE(state.ReportPrinted);
    ASSERT_EQ(printRequests.count(), 1);
    EXPECT_EQ(printRequests[0][0].toString(), "B-ZE 1234");
    // No printer here: the page is a PDF file in "Ausdrucke", and the status line says where.
    const QString pdf = printRequests[0][1].toString();
    EXPECT_TRUE(pdf.startsWith(dir.filePath("Ausdrucke/"))) << pdf.toStdString();
    EXPECT_TRUE(QFileInfo(pdf).size() > 1000);
    EXPECT_TRUE(LabelText("laDecodeStatus").contains(QFileInfo(pdf).fileName()));
    EXPECT_EQ(ErrorBox(*assi), nullptr);
}

TEST_F(ReceptionTest, ARefusedTestIsStoredWithTheNextOrKeptInACaptureFileAtClose)
{
    StartOnPty(2);
    SendCarToAFullDisk();
    EXPECT_EQ(Count("SELECT COUNT(*) FROM Messungen"), 0);
    ASSERT_TRUE(QSqlQuery(db).exec("DROP TRIGGER temp.Full"));
    Send("motorcycle.txt", nullptr);
    ASSERT_TRUE(WaitForRows(2));
    EXPECT_EQ(Count("SELECT COUNT(*) FROM Messungen WHERE Kennzeichen = 'B-ZE 1234'"), 1);

    // Refused again and unstored at close: the first close keeps the window open, saying where it went.
    now = now.addSecs(600); // a test of the same bytes and second would be the one already stored
    SendCarToAFullDisk();
    EXPECT_FALSE(assi->close());
    QStringList shown;
    for (const QMessageBox* box : assi->findChildren<QMessageBox*>())
        shown << box->text();
    EXPECT_TRUE(shown.join('\n').contains("zevo-tool replay")) << shown.join('\n').toStdString();
    const QStringList files = QDir::current().entryList({"zevo-unstored-*.raw"});
    ASSERT_EQ(files.size(), 1);
    EXPECT_EQ(dialogtest::FileBytes(files.first()),
              EncodeTestStandStream(TestData("car.txt"), TestData("car.curves.txt")).bytes);
    EXPECT_TRUE(assi->close());
}

// The session ends (SIGTERM): the close button's path runs without asking,
// nothing typed (in an edit, in a grid cell still open) or received is lost
// and the port is free for the next start.
TEST_F(ReceptionTest, ASignalClosesAsTheCloseButtonDoes)
{
    StoreVehicle("AB-C 1", "Alt", "Otto");
    const qint64 id = StoreTest("AB-C 1", now.date());
    StartOnPty(2);
    ShutdownSignals shutdown;
    ASSERT_TRUE(shutdown.Installed());
    QObject::connect(&shutdown, &ShutdownSignals::shutdownRequested, assi.get(), &TfoAssi::CloseForShutdown);
    auto& grid = Part<QTableView>(*assi, "DBGrid1");
    grid.setFocus();
    grid.setCurrentIndex(grid.model()->index(0, 4)); // AuftragsNr
    QTest::keyClick(&grid, '7');                     // typing opens the cell editor
    ASSERT_NE(grid.viewport()->findChild<QLineEdit*>(), nullptr);
    QTest::keyClick(grid.viewport()->findChild<QLineEdit*>(), '7');
    auto& name = Part<QLineEdit>(*assi, "dbedName");
    name.selectAll();
    QTest::keyClicks(&name, "Neu");
    SendCarToAFullDisk();

    ASSERT_EQ(::raise(SIGTERM), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !assi->isVisible(); }, 5000));
    EXPECT_EQ(Vehicle("AB-C 1")->Name, "Neu");
    EXPECT_EQ(ReadTest(db, id).value()->AuftragsNr, "77");
    EXPECT_EQ(QDir::current().entryList({"zevo-unstored-*.raw"}).size(), 1);
    TComport port;
    EXPECT_TRUE(port.Open(QStringLiteral("COM1:"))) << port.LastError().toStdString();
}

// A working folder without write access: the window comes up, one box says
// why, and the status line says what happens to the tests that arrive.
TEST_F(ReceptionTest, WithoutADatabaseOneBoxAndTheStatusLineTellWhatHappens)
{
    db = QSqlDatabase();
    StartOnPty(2);
    assi->ReportDatabaseProblem(QStringLiteral("The database \"zevodb.sqlite\" cannot be opened: read-only"));
    Send("motorcycle.txt", nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return LabelText("laPortStatus").contains("1 received test(s) wait"); }, 5000));
    EXPECT_TRUE(LabelText("laPortStatus").startsWith("No database")) << LabelText("laPortStatus").toStdString();
    ASSERT_TRUE(QTest::qWaitFor([&] { return ErrorBox(*assi) != nullptr; }, 5000));
    QTest::qWait(50);
    EXPECT_EQ(assi->findChildren<QMessageBox*>().size(), 1);
}

// A lane whose database server cannot be reached at start: the window comes
// up saying so, keeps what arrives, and stores it when the server answers.
class ServerReceptionTest : public ReceptionTest {
  protected:
    Backend Where() const override { return Backend::Server; }
};

TEST_F(ServerReceptionTest, ATestReceivedWhileTheServerIsAwayIsStoredWhenItAnswers)
{
    const int port = db.port();
    db = QSqlDatabase();
    CloseDatabase(Connection);
    config.port = 1; // where no server listens: as if it were away
    db = AddDatabase(config, Connection).value();
    StartOnPty(2);
    assi->ReportDatabaseProblem(QStringLiteral("The database \"zevodb\" cannot be opened: connection refused"));
    Send("motorcycle.txt", nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return LabelText("laPortStatus").contains("1 received test(s) wait"); }, 5000));
    EXPECT_TRUE(LabelText("laPortStatus").startsWith("The database server cannot be reached"));

    db.setPort(port); // the server is back
    assi->findChild<DatabaseWatch*>()->Check();
    ASSERT_TRUE(WaitForRows(1));
    EXPECT_EQ(Count("SELECT COUNT(*) FROM Messungen"), 1);
    EXPECT_FALSE(LabelText("laPortStatus").contains("server")) << LabelText("laPortStatus").toStdString();
    QTest::qWait(50);
    QStringList boxes;
    for (const QMessageBox* box : assi->findChildren<QMessageBox*>())
        boxes << box->text();
    EXPECT_EQ(boxes.size(), 1) << boxes.join("\n---\n").toStdString(); // the one at start
}

TEST_F(ReceptionTest, ThePortChosenInTheSettingsWindowIsOpenedAtOnceAndPrintsOnRequestOnly)
{
    dialogtest::WriteFile(dir.filePath("COM5"), "no serial device"); // "COM5:" is this plain file
    WriteSettings({{SerialPort, 5}, {PrintMode, 2}});
    Start();
    EXPECT_FALSE(assi->Reception().PortOpen());
    EXPECT_TRUE(LabelText("laPortStatus").contains("cannot be opened")) << LabelText("laPortStatus").toStdString();

    ASSERT_TRUE(QFile::link(pty.slavePath(), QStringLiteral("COM2")));
    Part<QAbstractButton>(*settings, "RadioButton11").click(); // "COM2:"
    Part<QPushButton>(*settings, "Button2").click();           // "Übernehmen"
    EXPECT_TRUE(LabelText("laPortStatus").startsWith("Receiving on COM2:"));
    QSignalSpy printRequests(assi.get(), &TfoAssi::pagePrinted);
    Send("motorcycle.txt", nullptr);
    ASSERT_TRUE(WaitForRows(1));
    // Printing on request only: nothing is printed, but in the list that was
    // empty the new test is the current row, so "loeschen" acts on it.
    EXPECT_FALSE(state.ReportPrinted);
    EXPECT_EQ(printRequests.count(), 0);
    EXPECT_EQ(LabelText("laKennzeichen"), "M-ZE 77");
    EXPECT_TRUE(Part<QTableView>(*assi, "DBGrid1").currentIndex().isValid());
    Part<QAbstractButton>(*assi, "SpeedButton5").click();
    EXPECT_EQ(Count("SELECT COUNT(*) FROM Messungen"), 0);
}

// The adapter is unplugged and plugged in again (COM1 then links to another pseudo-terminal).
TEST_F(ReceptionTest, ALostPortLeavesTheProgramIdleAndIsReopenedWhenItIsBack)
{
    StartOnPty(2);
    pty.hangUp();
    const qint64 readsBefore = testing::ReadCalls();
    QTest::qWait(1000); // Timer1 runs; a hung-up line must not keep the event loop reading
    EXPECT_LT(testing::ReadCalls() - readsBefore, 500);
    EXPECT_FALSE(assi->Reception().PortOpen());
    EXPECT_TRUE(LabelText("laPortStatus").contains("lost")) << LabelText("laPortStatus").toStdString();

    ASSERT_TRUE(pty.open());
    ASSERT_TRUE(QFile::remove(QStringLiteral("COM1")) && QFile::link(pty.slavePath(), QStringLiteral("COM1")));
    for (int i = 0; i < PortRecovery::RetryTicks; ++i)
        assi->Reception().Timer1Timer();
    EXPECT_TRUE(LabelText("laPortStatus").startsWith("Receiving on COM1:")) << LabelText("laPortStatus").toStdString();
    Send("motorcycle.txt", nullptr);
    ASSERT_TRUE(WaitForRows(1));
}

TEST_F(AssiTest, LanguageThreeReachesEveryWindowAndKeepsTheLimitSet)
{
    Start();
    EXPECT_TRUE(ApplyMainWindowTexts(*assi, 1).isEmpty()); // the window has every element the tables name
    ShowTab("TabSheet6");

    // French chosen in the settings window and taken with "Übernehmen".
    Part<QComboBox>(*settings, "cbSprache").setCurrentIndex(2);
    Part<QPushButton>(*settings, "Button2").click();
    EXPECT_EQ(Part<QAction>(*assi, "Schlieen1").text(), "Exit");
    EXPECT_EQ(Part<QMenu>(*assi, "Kurven1").title(), "Courbes");
    EXPECT_EQ(Part<QTabWidget>(*assi, "PageControl1").tabText(4), "Test archive");
    EXPECT_EQ(Part<QAbstractButton>(*assi, "SpeedButton3").toolTip(), "Chercher en Fichier");
    EXPECT_EQ(LabelText("Label49"), "Nº Ordre"); // the archive tab's own labels
    const QAbstractItemModel* archive = Part<QTableView>(*assi, "DBGrid2").model();
    EXPECT_EQ(Part<QTableView>(*assi, "DBGrid1").model()->headerData(1, Qt::Horizontal).toString(), "Nº Plaque imatr.");
    EXPECT_EQ(archive->headerData(9, Qt::Horizontal).toString(), "Prénom");
    // The dialogs follow, and the limit set stays the text table's.
    EXPECT_EQ(Part<QComboBox>(*settings, "cbSprache").currentText(), "francaise");
    EXPECT_EQ(search->windowTitle(), "Chercher Véhicule");
    EXPECT_EQ(state.limitSet, LimitSet::Eu);
    EXPECT_EQ(state.GravityFactor, 9.81);
}

} // namespace
} // namespace zevo::assitest
