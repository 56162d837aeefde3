// zevo-tool as a user runs it: a real process, real files, a real SQLite
// database and a real pseudo-terminal standing in for the serial line; the
// pages it draws read back from the PDF with poppler.

#include "decode/decodecontext.h"
#include "decode/decoder.h"
#include "decode/reportrecord.h"
#include "decode/testresult.h"
#include "graphics/curvedata.h"
#include "lang/cp1252.h"
#include "lang/einstellungen.h"
#include "records/database.h"
#include "records/messungentable.h"
#include "reception/teststandframes.h"
#include "report/hprint.h"
#include "report/printjob.h"
#include "tests/support/ptypair.h"
#include "tests/support/recordingpaintdevice.h"
#include "tests/tools/pdfreadback.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QSerialPort>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QThread>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <array>
#include <csignal>
#include <memory>

namespace zevo {
namespace {

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct ToolRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

class ZevoToolTest : public ::testing::Test {
protected:
    ToolRun Run(const QStringList& args, int timeoutMs = 30000, const QString& tool = QStringLiteral(ZEVO_TOOL_PATH))
    {
        QProcess process;
        process.setWorkingDirectory(dir.path());
        // No display and no platform chosen: zevo-tool picks its own. Without
        // a runtime folder (a container, root) Qt's GUI start-up says so on
        // stderr, where the tests count zevo-tool's own lines.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            env.remove(QLatin1String(name));
        if (!env.contains(QStringLiteral("XDG_RUNTIME_DIR")))
            env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir.path());
        process.setProcessEnvironment(env);
        process.start(tool, args);
        process.waitForFinished(timeoutMs);
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
                process.readAllStandardError()};
    }

    QString Path(const QString& name) const { return dir.filePath(name); }
    // A file of the working folder with these bytes; its path.
    QString WriteFile(const QString& name, const QByteArray& bytes) const
    {
        QFile file(Path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        return file.fileName();
    }
    static QString Data(const char* name) { return QStringLiteral(ZEVO_TEST_DATA "/") + QLatin1String(name); }

    // The single stored test of the database file.
    MessungRow OnlyStoredTest(const QString& dbFile)
    {
        std::optional<MessungRow> row;
        if (const auto db = OpenDatabase(dbFile, QStringLiteral("tooltest")); db.ok()) {
            row = ReadTest(db.value(), 1).value();
            EXPECT_FALSE(ReadTest(db.value(), 2).value().has_value()) << "more than one test stored";
        }
        CloseDatabase(QStringLiteral("tooltest"));
        EXPECT_TRUE(row.has_value()) << dbFile.toStdString();
        return row.value_or(MessungRow{});
    }

    // A database of another program holding the employee lines.
    void WriteEmployeeFile(const QString& path, const QString& create, const QStringList& lines = {})
    {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("rendertest"));
            db.setDatabaseName(path);
            ASSERT_TRUE(db.open());
            QSqlQuery query(db);
            ASSERT_TRUE(query.exec(create));
            for (const QString& line : lines) {
                query.prepare(QStringLiteral("INSERT INTO Mitarbeiter (Text) VALUES (?)"));
                query.addBindValue(line);
                EXPECT_TRUE(query.exec());
            }
        }
        QSqlDatabase::removeDatabase(QStringLiteral("rendertest"));
    }

    QTemporaryDir dir;
    QTemporaryDir runtimeDir;
};

// frames of a stored test, replayed, stores exactly the same texts again
// (without curve data: the interrupted test below).
TEST_F(ZevoToolTest, FramesReplayedStoreTheSameTextsAndFields)
{
    const ToolRun frames = Run({"frames", Data("decode/car.txt"), Data("decode/car.curves.txt")});
    ASSERT_EQ(frames.exitCode, 0) << frames.err.toStdString();
    const ToolRun replay = Run({"replay", WriteFile("capture.raw", frames.out), "--db", Path("replay.sqlite")});
    ASSERT_EQ(replay.exitCode, 0) << replay.err.toStdString();
    EXPECT_EQ(replay.out, QByteArray("stored 1 B-ZE 1234\n"));

    const MessungRow row = OnlyStoredTest(Path("replay.sqlite"));
    EXPECT_EQ(row.Druckdaten, ReadFile(Data("decode/car.txt")));
    EXPECT_EQ(row.Grafikdaten, ReadFile(Data("decode/car.curves.txt")));
    // The decade of the inspection dates and the date come from the tool's clock.
    EXPECT_EQ(row.HU, QString("05.%1").arg(QDate::currentDate().year() / 10) + '6');
    EXPECT_EQ(row.Datum, QDate::currentDate());
}

// Refused input: one line on stderr, exit code 2, and nothing written.
TEST_F(ZevoToolTest, RefusedInputIsOneLineExitTwoAndWritesNothing)
{
    const QString longLine = WriteFile("long.txt", "THIS LINE IS FAR TOO LONG\r\n");
    const QString shortParams = WriteFile("short.ini", QByteArray(ReportRecordSize - 1, '\0'));
    WriteEmployeeFile(Path("other.sqlite"), QStringLiteral("CREATE TABLE Mitarbeiter (Name TEXT, Text TEXT)"));
    WriteEmployeeFile(Path("notable.sqlite"), QStringLiteral("CREATE TABLE Kfz (Kennzeichen TEXT)"));
    const QByteArray noTable = ReadFile(Path("notable.sqlite"));
    const QString out = Path("out.pdf");
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/null"), Path("COM2"))); // a link of the workshop's own
    const QStringList render = {"render", Data("decode/car.txt"), "--page", "numeric"};

    const QStringList cases[] = {
        {"frames", Path("missing.txt")},
        {"frames", longLine},
        {"replay", Path("missing.raw"), "--db", Path("x.sqlite")},
        {"replay", longLine, "--db", Path("no-such-folder/x.sqlite")},
        {"replay", longLine},
        {"listen", Path("no-such-port"), "--db", Path("x.sqlite")},
        {"copy-db", Path("missing.sqlite"), Path("x.sqlite")},
        {"send", Path("no-such-port"), longLine},
        {"send", Path("no-such-port"), longLine, "--rate", "0"},
        {"send", "--pty-link", "COM2", longLine},
        render + QStringList{"--params", shortParams, "--pdf", out},
        render + QStringList{"--db", Path("notable.sqlite"), "--pdf", out},
        render + QStringList{"--db", Path("missing.sqlite"), "--pdf", out},
        {"render", Data("decode/car.txt"), "--page", "pie", "--pdf", out},
        {"render", Data("decode/car.txt"), "--pdf", out},
        render + QStringList{"--dpi", "71", "--pdf", out},
        render + QStringList{"--pdf", out, "--png", Path("out.png")},
        render + QStringList{"--date", "31.02.2026", "--pdf", out},
        render + QStringList{"--pdf", Path("no-such-folder/out.pdf")},
    };
    for (const QStringList& args : cases) {
        SCOPED_TRACE(args.join(' ').toStdString());
        const ToolRun run = Run(args);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
        EXPECT_TRUE(run.err.startsWith("zevo-tool: ")) << run.err.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(out));
    EXPECT_FALSE(QFileInfo::exists(Path("missing.sqlite")));
    EXPECT_EQ(ReadFile(Path("notable.sqlite")), noTable);
    EXPECT_EQ(QFileInfo(Path("COM2")).symLinkTarget(), "/dev/null");
    EXPECT_EQ(QDir(dir.path()).entryList({"*.part"}, QDir::Files | QDir::Hidden), QStringList());

    // A table Mitarbeiter of other columns is fine as long as it has Text.
    EXPECT_EQ(Run(render + QStringList{"--db", Path("other.sqlite"), "--pdf", out}).exitCode, 0);
}

// A test cut off anywhere (cable pulled, stand reset) and followed by another
// vehicle's test is stored as one row under the second registration; once the
// cut test's vehicle block had arrived, replay and the decoder say so.
TEST_F(ZevoToolTest, AnInterruptedTestStaysWithTheNextAndIsReported)
{
    const QByteArray car = Run({"frames", Data("decode/car.txt")}).out;
    const QByteArray motorcycle = Run({"frames", Data("decode/motorcycle.txt")}).out;
    const qsizetype vehicleBlock = car.indexOf("FAHRZ.TYP");
    const qsizetype endOfTest = car.lastIndexOf(QByteArrayView("\x02\x07", 2));
    ASSERT_GT(vehicleBlock, 0);
    for (const qsizetype cut : {vehicleBlock - 5, vehicleBlock + 20, car.size() / 2, endOfTest}) {
        SCOPED_TRACE(cut);
        QFile::remove(Path("cut.sqlite"));
        const ToolRun replay = Run({"replay", WriteFile("cut.raw", car.left(cut) + motorcycle), "--db", Path("cut.sqlite")});
        EXPECT_EQ(replay.exitCode, 0);
        const MessungRow row = OnlyStoredTest(Path("cut.sqlite"));
        EXPECT_TRUE(replay.out.startsWith("stored 1 M-ZE 77\n")) << replay.out.toStdString();
        const bool interrupted = cut > vehicleBlock;
        EXPECT_EQ(replay.err.contains("interrupted earlier test"), interrupted) << replay.err.toStdString();

        TestResult result;
        ReportRecord report = EmptyReportRecord();
        CurveData curves;
        Settings settings;
        DecodeContext context(settings, LimitSet::Eu, result, report, curves);
        const DecodeOutcome decoded = ShowTestDecode(row.Druckdaten, {}, context);
        EXPECT_EQ(decoded.problems.join(' ').contains("interrupted earlier test"), interrupted);
    }
}

TEST_F(ZevoToolTest, HelpUnknownCommandsAndFilesThatAreNoPrintData)
{
    const QString empty = WriteFile("empty.txt", {});
    const struct {
        QStringList args;
        int exitCode;
        const char* out;  // a text the output holds
        const char* err;
    } cases[] = {
        {{"help"}, 0, "zevo-tool replay CAPTURE", ""},
        {{"--help"}, 0, "zevo-tool decode PRINTDATA", ""},
        {{"decipher"}, 2, "", "unknown command \"decipher\""},
        {{"decode", empty}, 2, "holds no print data", ""},
        {{"decode", Data("decode/car.json")}, 2, "holds no print data", ""},
        {{"decode", Data("decode/car.txt")}, 0, "\"Errors\": [\n    ]", ""},
        {{"replay", empty, "--db", Path("x.sqlite")}, 0, "", "0 tests stored"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const ToolRun run = Run(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << run.err.toStdString();
        EXPECT_TRUE(run.out.contains(c.out)) << run.out.left(300).toStdString();
        EXPECT_TRUE(run.err.contains(c.err)) << run.err.toStdString();
    }
}

// --pty-link makes the port itself: a pseudo-terminal linked in the working
// folder, removed again at the end; a link of the workshop's own is left alone.
TEST_F(ZevoToolTest, SendWithPtyLinkServesAPseudoTerminalUnderThatName)
{
    const QByteArray sent = QByteArray(1500, 'a') + QByteArray(700, 'b');
    WriteFile("one.raw", sent.left(1500));
    WriteFile("two.raw", sent.mid(1500));

    QProcess send;
    send.setWorkingDirectory(dir.path());
    send.start(QStringLiteral(ZEVO_TOOL_PATH),
               {"send", "--pty-link", "COM1", "one.raw", "two.raw", "--rate", "20000", "--pause", "0.2"});
    for (int i = 0; i < 100 && !QFileInfo(Path("COM1")).isSymLink(); ++i)
        QThread::msleep(50);
    ASSERT_TRUE(QFileInfo(Path("COM1")).isSymLink()) << send.readAllStandardError().toStdString();

    // The program's side: the port "COM1:" of the working folder.
    QSerialPort port;
    port.setPortName(QFileInfo(Path("COM1")).absoluteFilePath());
    ASSERT_TRUE(port.open(QIODevice::ReadOnly)) << port.errorString().toStdString();
    QByteArray received;
    while (received.size() < sent.size() && port.waitForReadyRead(5000))
        received += port.readAll();
    port.close();
    ASSERT_TRUE(send.waitForFinished(20000));
    EXPECT_EQ(send.exitCode(), 0) << send.readAllStandardError().toStdString();
    EXPECT_EQ(received, sent);
    EXPECT_FALSE(QFileInfo(Path("COM1")).isSymLink());
}

// A test stand on a pseudo-terminal linked as COM1, zevo-tool listening on its
// other end; the adapter is unplugged and plugged in again.
TEST_F(ZevoToolTest, ListenStoresWhatArrivesRecordsTheCaptureAndOutlivesALostPort)
{
    testing::PtyPair pty;
    ASSERT_TRUE(pty.ok() && QFile::link(pty.slavePath(), Path("COM1")));
    const TestStandStream stream =
        EncodeTestStandStream(ReadFile(Data("decode/car.txt")), ReadFile(Data("decode/car.curves.txt")));
    ASSERT_TRUE(stream.error.isEmpty()) << stream.error.toStdString();

    QProcess listen;
    listen.setWorkingDirectory(dir.path());
    listen.start(QStringLiteral(ZEVO_TOOL_PATH),
                 {"listen", "COM1:", "--db", Path("live.sqlite"), "--capture", Path("live.raw")});
    QByteArray out;
    QByteArray err;
    const auto waitFor = [&](const QByteArray& text, const QByteArray& in) {
        for (int i = 0; i < 100 && !in.contains(text); ++i) {
            listen.waitForReadyRead(100);
            out += listen.readAllStandardOutput();
            err += listen.readAllStandardError();
        }
        return in.contains(text);
    };
    ASSERT_TRUE(waitFor("listening", err)) << err.toStdString(); // the port is open
    ASSERT_TRUE(pty.writeToSlave(stream.bytes));
    ASSERT_TRUE(waitFor("\n", out));
    EXPECT_EQ(out, QByteArray("stored 1 B-ZE 1234\n"));

    pty.hangUp();
    const qint64 readsBefore = testing::ReadCalls(listen.processId());
    QThread::msleep(1000);
    EXPECT_LT(testing::ReadCalls(listen.processId()) - readsBefore, 500); // no busy loop on the dead line
    EXPECT_TRUE(waitFor("port lost", err)) << err.toStdString();
    ASSERT_TRUE(pty.open());
    ASSERT_TRUE(QFile::remove(Path("COM1")) && QFile::link(pty.slavePath(), Path("COM1")));
    ASSERT_TRUE(waitFor("open again", err)) << err.toStdString();
    ASSERT_TRUE(pty.writeToSlave(stream.bytes));
    EXPECT_TRUE(waitFor("stored 2 B-ZE 1234\n", out)) << out.toStdString();

    ::kill(static_cast<pid_t>(listen.processId()), SIGTERM);
    ASSERT_TRUE(listen.waitForFinished(10000));
    EXPECT_EQ(listen.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(listen.exitCode(), 0) << listen.readAllStandardError().toStdString();
    EXPECT_EQ(ReadFile(Path("live.raw")), stream.bytes + stream.bytes);
}


// ---- zevo-tool render ----

constexpr double PdfMarginPt = LaserPrinterMarginMm / 25.4 * 72;  // 18 pt

// A company file and, as the employee lines, a database of another program:
// a table Mitarbeiter with a field Text only, read in table order.
class RenderTest : public ZevoToolTest {
protected:
    void SetUp() override
    {
        company.SetLineA(0, ToCp1252(QStringLiteral("Müller Bremsendienst")));
        WriteFile("Params.ini", ReportRecordBytes(company));
        WriteEmployeeFile(Path("mitarbeiter.sqlite"), QStringLiteral("CREATE TABLE Mitarbeiter (Text TEXT)"),
                          employees);
    }

    QStringList RenderArgs(const char* test, const QStringList& more) const
    {
        return QStringList{"render", Data(test), "--params", Path("Params.ini"), "--db", Path("mitarbeiter.sqlite"),
                           "--date", "06.12.2026", "--time", "14:03:59", "--page", "numeric"} +
               more;
    }

    // The page as the renderer lays it out on a 600-dpi A4 page of the PDF,
    // recorded in device pixels: what zevo-tool render draws for the golden
    // test, from the same records (the header lines do not move anything).
    std::unique_ptr<test::RecordingPaintDevice> FramePage(const char* test, int pageKind = NumericPageKind,
                                                          int curveMode = 1)
    {
        Settings settings;
        settings.Sprache = 1;
        settings.einstellungen.Field[VehicleTypeField] = 1;
        settings.einstellungen.Field[RegistrationGroup] = 1;
        settings.einstellungen.Field[Plates] = 2;
        const LimitSet limitSet = LimitSetFromTextTable();
        TestResult result;
        ReportRecord report = company;
        CurveData curves;
        DecodeContext context(settings, limitSet, result, report, curves);
        ShowTestDecode(ReadFile(Data(test)), {}, context);
        std::array<QString, EmployeeLineCount> lines;
        for (int i = 0; i < employees.size(); ++i)
            lines[size_t(i)] = employees[i];
        const double gravity = context.gravityFactor;
        bool smooth = false;
        TfoHPrint renderer(ReportSources{report, result, curves, settings, limitSet, gravity, lines, smooth},
                           QFileInfo(QStringLiteral(ZEVO_TOOL_PATH)).absolutePath());
        const PrinterPage page = PdfPrinterPage(600);
        auto device = std::make_unique<test::RecordingPaintDevice>(600, 600, page.PageWidth, page.PageHeight);
        QPainter painter(device.get());
        renderer.CurveMode = curveMode;
        renderer.RenderPage(painter, page, false, 0, pageKind);
        return device;
    }

    ReportRecord company = EmptyReportRecord();
    // The motorcycle test names employee 3; sorted, another line would be third.
    const QStringList employees = {QStringLiteral("Zweigstelle Nord"), QStringLiteral("Annahme: Frau Berger"),
                                   QStringLiteral("Geprüft von Meister Eder")};
};

// The device pixels of the frame at 600 dpi, shifted by the page margins,
// are where a viewer finds the texts on the paper: the bar page (the legend's
// caption and the front axle's left read-out in the face standing in for
// "LiquidCrystal"), the front axle's curve page (force axis, pedal axis,
// legend), and the numeric page with the company line from the company file,
// the braking-ratio row and the employee line from the database.
TEST_F(RenderTest, PdfTextsStandWhereTheFramePutsThemOnAnA4Page)
{
    const QByteArray employeeFile = ReadFile(Path("mitarbeiter.sqlite"));
    const struct {
        const char *test, *page;
        int kind, curveMode;
        std::initializer_list<std::pair<const char*, const char*>> texts;  // drawn, first word read
    } pages[] = {
        {"decode/car.txt", "bars", BarPageKind, 1, {{"Ergebnis", "Ergebnis"}, {"3180", "3180"}}},
        {"decode/car.txt", "curves-3", CurvePageKind, 3,
         {{"4200", "4200"}, {"1000", "1000"}, {"Bremse VA Links", "Bremse"}}},
        {"decode/motorcycle.txt", "numeric", NumericPageKind, 1,
         {{"Müller Bremsendienst", "Müller"},
          {"Gesamtbremskraft", "Gesamtbremskraft"},
          {"Geprüft von Meister Eder", "Geprüft"}}},
    };
    for (const auto& page : pages) {
        SCOPED_TRACE(page.page);
        QStringList args = RenderArgs(page.test, {"--pdf", Path("page.pdf")});
        args[args.indexOf("numeric")] = page.page;
        if (page.kind != NumericPageKind)
            args << "--curves" << Data("decode/car.curves.txt");
        const ToolRun run = Run(args);
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
        const std::unique_ptr<test::RecordingPaintDevice> frame = FramePage(page.test, page.kind, page.curveMode);
        const std::vector<testing::PdfWord> words = testing::PdfWords(Path("page.pdf"));
        ASSERT_FALSE(words.empty()) << "pdftotext (poppler-utils) found no text";
        for (const auto& [item, word] : page.texts) {
            SCOPED_TRACE(item);
            const test::RecordedText* drawn = frame->FindText(QString::fromUtf8(item));
            ASSERT_NE(drawn, nullptr) << frame->AllTexts().join(" | ").toStdString();
            const testing::PdfWord* read = testing::FindWord(words, QString::fromUtf8(word));
            ASSERT_NE(read, nullptr);
            EXPECT_NEAR(read->topLeft.x(), PdfMarginPt + drawn->topLeft.x() * 72 / 600, 1.0);
            EXPECT_NEAR(read->topLeft.y(), PdfMarginPt + drawn->topLeft.y() * 72 / 600, 1.0);
        }
    }
    EXPECT_EQ(ReadFile(Path("mitarbeiter.sqlite")), employeeFile);  // opened read-only
    EXPECT_EQ(QDir(dir.path()).entryList({"*.part"}, QDir::Files | QDir::Hidden), QStringList());

    // The motorcycle's numeric page: one A4 page named after the registration;
    // the header lines carry what reception takes from the print data: order
    // number, registration and the inspection dates of the vehicle lines; date
    // and time of the options, whose year gives the century.
    EXPECT_EQ(testing::PdfInfoField(Path("page.pdf"), "Page size"), "595 x 842 pts (A4)");
    EXPECT_EQ(testing::PdfInfoField(Path("page.pdf"), "Title"), "M-ZE 77");
    const std::vector<testing::PdfWord> words = testing::PdfWords(Path("page.pdf"));
    ASSERT_EQ(words.back().page, 1) << "the test needs a report of one page";
    for (const char* word : {"4712", "M-ZE", "23456", "09.2027", "09.2028", "06.12.26", "14:03:59"})
        EXPECT_NE(testing::FindWord(words, word), nullptr) << word;
}

// The preview form: the size of the preview of the PDF's A4 page, drawn.
// Without the pictogram folders beside the tool each missing pictogram is
// told once, also when a long report is drawn a second time for its height.
TEST_F(RenderTest, PngIsThePreviewAndMissingPictogramsAreToldOnce)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("bin"));
    const QString tool = Path("bin/zevo-tool");
    ASSERT_TRUE(QFile::copy(QStringLiteral(ZEVO_TOOL_PATH), tool));
    QStringList args = RenderArgs("decode/car.txt", {"--png", Path("page.png")});
    args << "--curves" << Data("decode/car.curves.txt");
    const ToolRun run = Run(args, 30000, tool);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();

    const QImage image(Path("page.png"));
    ASSERT_FALSE(image.isNull());
    const QSize onePage = TfoHPrint::PreviewSize(PdfPrinterPage(600));
    EXPECT_EQ(image.width(), onePage.width());
    EXPECT_GE(image.height(), onePage.height());
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 255, 255));
    int dark = 0;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2)
            dark += qGray(image.pixel(x, y)) < 128;
    EXPECT_GT(dark, 1000);

    const QStringList told = QString::fromUtf8(run.err).split('\n', Qt::SkipEmptyParts);
    EXPECT_FALSE(told.isEmpty());
    EXPECT_EQ(QSet<QString>(told.begin(), told.end()).size(), told.size()) << run.err.toStdString();
    for (const QString& line : told)
        EXPECT_TRUE(line.startsWith("zevo-tool: Pictogram ")) << line.toStdString();
}

}  // namespace
}  // namespace zevo
