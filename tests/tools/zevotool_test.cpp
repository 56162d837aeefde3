// zevo-tool as a user runs it: a real process, real files, a real SQLite
// database and a real pseudo-terminal standing in for the serial line; the
// pages it draws read back from the PDF with poppler.

#include "decode/reportrecord.h"
#include "lang/cp1252.h"
#include "records/database.h"
#include "records/messungentable.h"
#include "report/hprint.h"
#include "report/printjob.h"
#include "tests/support/ptypair.h" // ReadCalls
#include "tests/support/testfiles.h"
#include "tests/support/pdfreadback.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QSet>
#include <QSqlQuery>
#include <QThread>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <csignal>

namespace zevo {
namespace {

using testing::FileBytes;

struct ToolRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

class ZevoToolTest : public ::testing::Test {
protected:
    ToolRun Run(const QStringList& args, const QString& tool = QStringLiteral(ZEVO_TOOL_PATH))
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
        process.waitForFinished(30000);
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
                process.readAllStandardError()};
    }

    QString Path(const QString& name) const { return dir.filePath(name); }
    // A file of the working folder with these bytes; its path.
    QString WriteFile(const QString& name, const QByteArray& bytes) { return testing::WriteFile(Path(name), bytes); }
    static QString Data(const char* name) { return testing::DataPath(QLatin1String(name)); }

    // Test `id` of the database file.
    MessungRow StoredTest(const QString& dbFile, qint64 id = 1)
    {
        std::optional<MessungRow> row;
        if (const auto db = OpenDatabase(dbFile, QStringLiteral("tooltest")); db.ok())
            row = ReadTest(db.value(), id).value();
        CloseDatabase(QStringLiteral("tooltest"));
        EXPECT_TRUE(row.has_value()) << dbFile.toStdString();
        return row.value_or(MessungRow{});
    }

    // A database file of another program, made by these statements.
    void WriteDatabase(const QString& path, const QStringList& statements)
    {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("rendertest"));
            db.setDatabaseName(path);
            ASSERT_TRUE(db.open());
            for (const QString& statement : statements)
                EXPECT_TRUE(QSqlQuery(db).exec(statement)) << statement.toStdString();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("rendertest"));
    }

    QTemporaryDir dir;
    QTemporaryDir runtimeDir;
};

// Refused input: one line on stderr, exit code 2, and nothing written.
TEST_F(ZevoToolTest, RefusedInputIsOneLineExitTwoAndWritesNothing)
{
    const QString longLine = WriteFile("long.txt", "THIS LINE IS FAR TOO LONG\r\n");
    const QString shortParams = WriteFile("short.ini", QByteArray(ReportRecordSize - 1, '\0'));
    WriteDatabase(Path("other.sqlite"), {"CREATE TABLE Mitarbeiter (Name TEXT, Text TEXT)"});
    WriteDatabase(Path("notable.sqlite"), {"CREATE TABLE Kfz (Kennzeichen TEXT)"});
    const QByteArray noTable = FileBytes(Path("notable.sqlite"));
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
    EXPECT_EQ(FileBytes(Path("notable.sqlite")), noTable);
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
        EXPECT_EQ(replay.out, QByteArray("stored 1 M-ZE 77\n"));
        const bool interrupted = cut > vehicleBlock;
        EXPECT_EQ(replay.err.contains("interrupted earlier test"), interrupted) << replay.err.toStdString();
        const ToolRun decoded = Run({"decode", WriteFile("stored.txt", StoredTest(Path("cut.sqlite")).Druckdaten)});
        EXPECT_EQ(decoded.out.contains("interrupted earlier test"), interrupted);
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

// send --pty-link COM1 as the test stand, playing a stored test's frames in two
// files, to listen on "COM1:". Done, send closes its pseudo-terminal and removes
// the link, as an unplugged adapter goes; a second send plugs one in again.
TEST_F(ZevoToolTest, ListenStoresWhatSendPlaysRecordsTheCaptureAndOutlivesALostPort)
{
    const ToolRun frames = Run({"frames", Data("decode/car.txt"), Data("decode/car.curves.txt")});
    ASSERT_EQ(frames.exitCode, 0) << frames.err.toStdString();
    WriteFile("one.raw", frames.out.left(1500));
    WriteFile("two.raw", frames.out.mid(1500));
    QProcess send, sendAgain, listen;
    for (QProcess* process : {&send, &sendAgain, &listen})
        process->setWorkingDirectory(dir.path());
    const QStringList sendArgs = {"send",   "--pty-link", "COM1",    "one.raw", "two.raw",
                                  "--rate", "100000",     "--pause", "0.2"};
    send.start(QStringLiteral(ZEVO_TOOL_PATH), sendArgs);
    for (int i = 0; i < 100 && !QFileInfo(Path("COM1")).isSymLink(); ++i)
        QThread::msleep(50);
    ASSERT_TRUE(QFileInfo(Path("COM1")).isSymLink()) << send.readAllStandardError().toStdString();

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
    ASSERT_TRUE(waitFor("\n", out)) << err.toStdString();
    EXPECT_EQ(out, QByteArray("stored 1 B-ZE 1234\n"));
    ASSERT_TRUE(send.waitForFinished(20000));
    EXPECT_EQ(send.exitCode(), 0) << send.readAllStandardError().toStdString();
    EXPECT_FALSE(QFileInfo(Path("COM1")).isSymLink());

    const qint64 readsBefore = testing::ReadCalls(listen.processId());
    QThread::msleep(1000);
    EXPECT_LT(testing::ReadCalls(listen.processId()) - readsBefore, 500); // no busy loop on the dead line
    EXPECT_TRUE(waitFor("port lost", err)) << err.toStdString();
    sendAgain.start(QStringLiteral(ZEVO_TOOL_PATH), sendArgs);
    ASSERT_TRUE(waitFor("open again", err)) << err.toStdString();
    EXPECT_TRUE(waitFor("stored 2 B-ZE 1234\n", out)) << out.toStdString();
    ASSERT_TRUE(sendAgain.waitForFinished(20000));

    ::kill(static_cast<pid_t>(listen.processId()), SIGTERM);
    ASSERT_TRUE(listen.waitForFinished(10000));
    EXPECT_EQ(listen.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(listen.exitCode(), 0) << listen.readAllStandardError().toStdString();
    EXPECT_EQ(FileBytes(Path("live.raw")), frames.out + frames.out);

    // The same texts stored again; the decade of the inspection dates and the date from the tool's clock.
    const MessungRow row = StoredTest(Path("live.sqlite"), 2);
    EXPECT_EQ(row.Druckdaten, FileBytes(Data("decode/car.txt")));
    EXPECT_EQ(row.Grafikdaten, FileBytes(Data("decode/car.curves.txt")));
    EXPECT_EQ(row.HU, QString("05.%1").arg(QDate::currentDate().year() / 10) + '6');
    EXPECT_EQ(row.Datum, QDate::currentDate());
}

// ---- zevo-tool render ----

// A company file and, as the employee lines, a database of another program:
// a table Mitarbeiter with a field Text only, read in table order.
class RenderTest : public ZevoToolTest {
protected:
    void SetUp() override
    {
        ReportRecord company = EmptyReportRecord();
        company.SetLineA(0, ToCp1252(QStringLiteral("Müller Bremsendienst")));
        WriteFile("Params.ini", ReportRecordBytes(company));
        // The motorcycle test names employee 3; sorted, another line would be third.
        WriteDatabase(Path("mitarbeiter.sqlite"), {"CREATE TABLE Mitarbeiter (Text TEXT)",
                                                   "INSERT INTO Mitarbeiter (Text) VALUES ('Zweigstelle Nord'), "
                                                   "('Annahme: Frau Berger'), ('Geprüft von Meister Eder')"});
    }

    QStringList RenderArgs(const char* test, const QStringList& more) const
    {
        return QStringList{"render", Data(test), "--params", Path("Params.ini"), "--db", Path("mitarbeiter.sqlite"),
                           "--date", "06.12.2026", "--time", "14:03:59", "--page", "numeric"} +
               more;
    }
};

// Each page with words only it holds: the bar page (legend caption, the front
// axle's left read-out), the front axle's curve page with the pedal force, the
// motorcycle's numeric page with the company file's line, the braking ratio,
// employee 3 of the database and the header lines reception takes from the
// print data (order, registration, inspection dates; the options' date and
// time, whose year gives the century). Where words stand is printjob_test's.
TEST_F(RenderTest, EachPageHoldsItsTextsOnAnA4PageNamedAfterTheRegistration)
{
    const QByteArray employeeFile = FileBytes(Path("mitarbeiter.sqlite"));
    const struct {
        const char *test, *page;
        std::initializer_list<const char*> words;
    } pages[] = {
        {"decode/car.txt", "bars", {"Ergebnis", "3180"}},
        {"decode/car.txt", "curves-3", {"VA", "Pedal-Kraft"}},
        {"decode/motorcycle.txt", "numeric",
         {"Müller", "Gesamtbremskraft", "Geprüft", "4712", "M-ZE", "23456", "09.2027", "09.2028", "06.12.26", "14:03:59"}},
    };
    for (const auto& page : pages) {
        SCOPED_TRACE(page.page);
        QStringList args = RenderArgs(page.test, {"--pdf", Path("page.pdf")});
        args[args.indexOf("numeric")] = page.page;
        if (QByteArray(page.test).contains("car"))
            args << "--curves" << Data("decode/car.curves.txt");
        const ToolRun run = Run(args);
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
        const std::vector<testing::PdfWord> words = testing::PdfWords(Path("page.pdf"));
        ASSERT_FALSE(words.empty()) << "pdftotext (poppler-utils) found no text";
        for (const char* word : page.words)
            EXPECT_NE(testing::FindWord(words, QString::fromUtf8(word)), nullptr) << word;
    }
    EXPECT_EQ(FileBytes(Path("mitarbeiter.sqlite")), employeeFile);  // opened read-only
    EXPECT_EQ(QDir(dir.path()).entryList({"*.part"}, QDir::Files | QDir::Hidden), QStringList());
    // The last, the motorcycle's page: A4, named after the registration.
    EXPECT_EQ(testing::PdfInfoField(Path("page.pdf"), "Page size"), "595 x 842 pts (A4)");
    EXPECT_EQ(testing::PdfInfoField(Path("page.pdf"), "Title"), "M-ZE 77");
}

// The preview form: the size of the preview of the PDF's A4 page, drawn.
// Without the pictogram folders beside the tool each missing pictogram is
// told once, also when a long report is drawn a second time for its height.
TEST_F(RenderTest, PngIsThePreviewAndMissingPictogramsAreToldOnce)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("bin"));
    const QString tool = Path("bin/zevo-tool");
    ASSERT_TRUE(QFile::copy(QStringLiteral(ZEVO_TOOL_PATH), tool));
    const ToolRun run =
        Run(RenderArgs("decode/car.txt", {"--png", Path("page.png"), "--curves", Data("decode/car.curves.txt")}), tool);
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
