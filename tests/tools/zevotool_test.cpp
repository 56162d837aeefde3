// zevo-tool as a user runs it: a real process, real files, a real SQLite
// database and a real pseudo-terminal standing in for the serial line.

#include "records/database.h"
#include "records/messungentable.h"
#include "reception/teststandframes.h"
#include "tests/support/ptypair.h"

#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSerialPort>
#include <QThread>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <csignal>

namespace zevo {
namespace {

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// "056" -> "05.2026" in the 2020s: the test stand prints one year digit, the
// decade comes from today's date.
QString InspectionText(const char* printed)
{
    const QString p = QString::fromLatin1(printed);
    return p.left(2) + '.' + QString::number(QDate::currentDate().year() / 10) + p.mid(2);
}

struct ToolRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

class ZevoToolTest : public ::testing::Test {
protected:
    ToolRun Run(const QStringList& args, int timeoutMs = 30000)
    {
        QProcess process;
        process.setWorkingDirectory(dir.path());
        process.start(QStringLiteral(ZEVO_TOOL_PATH), args);
        process.waitForFinished(timeoutMs);
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
                process.readAllStandardError()};
    }

    QString Path(const QString& name) const { return dir.filePath(name); }
    static QString Data(const char* name) { return QStringLiteral(ZEVO_TEST_DATA "/") + QLatin1String(name); }

    // The single stored test of the database file.
    MessungRow OnlyStoredTest(const QString& dbFile)
    {
        MessungRow row;
        {
            const auto db = OpenDatabase(dbFile, QStringLiteral("tooltest"));
            EXPECT_TRUE(db.ok()) << db.error().toStdString();
            if (!db.ok())
                return row;
            const auto test = ReadTest(db.value(), 1);
            EXPECT_TRUE(test.ok() && test.value().has_value());
            if (test.ok() && test.value())
                row = *test.value();
            EXPECT_FALSE(ReadTest(db.value(), 2).value().has_value()) << "more than one test stored";
        }
        CloseDatabase(QStringLiteral("tooltest"));
        return row;
    }

    QTemporaryDir dir;
};

class RoundTripTest : public ZevoToolTest, public ::testing::WithParamInterface<bool> {};

// frames of a stored test (with or without curve data), replayed, stores
// exactly the same texts again.
TEST_P(RoundTripTest, FramesReplayedStoreTheSameTextsAndFields)
{
    const bool withCurves = GetParam();
    const QString printData = Data("decode/car.txt");
    const QString curveData = withCurves ? Data("decode/car.curves.txt") : QString();
    const ToolRun frames =
        Run(withCurves ? QStringList{"frames", printData, curveData} : QStringList{"frames", printData});
    ASSERT_EQ(frames.exitCode, 0) << frames.err.toStdString();
    QFile capture(Path("capture.raw"));
    ASSERT_TRUE(capture.open(QIODevice::WriteOnly));
    capture.write(frames.out);
    capture.close();

    const ToolRun replay = Run({"replay", capture.fileName(), "--db", Path("replay.sqlite")});
    ASSERT_EQ(replay.exitCode, 0) << replay.err.toStdString();
    EXPECT_EQ(replay.out, QByteArray("stored 1 B-ZE 1234\n"));

    const MessungRow row = OnlyStoredTest(Path("replay.sqlite"));
    EXPECT_EQ(row.Druckdaten, ReadFile(printData));
    EXPECT_EQ(row.Grafikdaten, withCurves ? ReadFile(curveData) : QByteArray());
    EXPECT_EQ(row.Kennzeichen, QStringLiteral("B-ZE 1234"));
    EXPECT_EQ(row.Km, 87654.0);
    EXPECT_EQ(row.HU, InspectionText("056"));
    EXPECT_EQ(row.AU, InspectionText("077"));
    EXPECT_EQ(row.AuftragsNr, QStringLiteral("4711"));
    EXPECT_EQ(row.Bearbeitet, QStringLiteral("n"));
    EXPECT_EQ(row.Datum, QDate::currentDate());
}

INSTANTIATE_TEST_SUITE_P(Tests, RoundTripTest, ::testing::Bool(),
    [](const auto& info) { return std::string(info.param ? "WithCurves" : "PrintDataOnly"); });

TEST_F(ZevoToolTest, ErrorsAreOneLineAndExitTwo)
{
    QFile longLine(Path("long.txt"));
    ASSERT_TRUE(longLine.open(QIODevice::WriteOnly));
    longLine.write("THIS LINE IS FAR TOO LONG\r\n");
    longLine.close();

    const QStringList cases[] = {
        {"frames", Path("missing.txt")},
        {"frames", longLine.fileName()},
        {"replay", Path("missing.raw"), "--db", Path("x.sqlite")},
        {"replay", longLine.fileName(), "--db", Path("no-such-folder/x.sqlite")},
        {"replay", longLine.fileName()},
        {"listen", Path("no-such-port"), "--db", Path("x.sqlite")},
        {"send", Path("no-such-port"), longLine.fileName()},
        {"send", Path("no-such-port"), longLine.fileName(), "--rate", "0"},
        {"decipher"},
    };
    for (const QStringList& args : cases) {
        const ToolRun run = Run(args);
        EXPECT_EQ(run.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << args.join(' ').toStdString();
        EXPECT_FALSE(run.err.isEmpty()) << args.join(' ').toStdString();
        if (args.first() != "decipher") {
            EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
        }
    }
}

TEST_F(ZevoToolTest, SendPlaysTheFileIntoThePort)
{
    testing::PtyPair pty;
    ASSERT_TRUE(pty.ok());
    QByteArray bytes;
    for (int i = 0; i < 3000; ++i)
        bytes.append(char(i * 7));
    QFile file(Path("capture.raw"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();

    QProcess send;
    send.start(QStringLiteral(ZEVO_TOOL_PATH), {"send", pty.slavePath(), file.fileName(), "--rate", "20000"});
    const QByteArray received = pty.readFromSlave(bytes.size(), 20000);
    send.waitForFinished(20000);
    EXPECT_EQ(send.exitCode(), 0) << send.readAllStandardError().toStdString();
    EXPECT_EQ(received, bytes);
}

// --pty-link makes the port itself: a pseudo-terminal linked in the working
// folder, removed again at the end; a link of the workshop's own is left alone.
TEST_F(ZevoToolTest, SendWithPtyLinkServesAPseudoTerminalUnderThatName)
{
    const QByteArray first(1500, 'a');
    const QByteArray second(700, 'b');
    for (const auto& [name, bytes] : {std::pair{"one.raw", first}, {"two.raw", second}}) {
        QFile file(Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

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
    while (received.size() < first.size() + second.size() && port.waitForReadyRead(5000))
        received += port.readAll();
    port.close();
    ASSERT_TRUE(send.waitForFinished(20000));
    EXPECT_EQ(send.exitCode(), 0) << send.readAllStandardError().toStdString();
    EXPECT_EQ(received, first + second);
    EXPECT_FALSE(QFileInfo(Path("COM1")).isSymLink());

    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/null"), Path("COM2")));
    const ToolRun refused = Run({"send", "--pty-link", "COM2", "one.raw"});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_EQ(QFileInfo(Path("COM2")).symLinkTarget(), "/dev/null");
}

// A test stand on a pseudo-terminal, zevo-tool listening on its other end.
TEST_F(ZevoToolTest, ListenStoresWhatArrivesAndRecordsTheCapture)
{
    testing::PtyPair pty;
    ASSERT_TRUE(pty.ok());
    const TestStandStream stream =
        EncodeTestStandStream(ReadFile(Data("decode/car.txt")), ReadFile(Data("decode/car.curves.txt")));
    ASSERT_TRUE(stream.error.isEmpty()) << stream.error.toStdString();

    QProcess listen;
    listen.setWorkingDirectory(dir.path());
    listen.start(QStringLiteral(ZEVO_TOOL_PATH),
                 {"listen", pty.slavePath(), "--db", Path("live.sqlite"), "--capture", Path("live.raw")});
    ASSERT_TRUE(listen.waitForStarted());
    // Wait until it has the port open, then play the test in.
    listen.setReadChannel(QProcess::StandardError);
    ASSERT_TRUE(listen.waitForReadyRead(10000));
    listen.setReadChannel(QProcess::StandardOutput);
    ASSERT_TRUE(pty.writeToSlave(stream.bytes));
    QByteArray out;
    for (int i = 0; i < 100 && !out.contains('\n'); ++i) {
        listen.waitForReadyRead(100);
        out += listen.readAllStandardOutput();
    }
    EXPECT_EQ(out, QByteArray("stored 1 B-ZE 1234\n"));

    ::kill(static_cast<pid_t>(listen.processId()), SIGTERM);
    ASSERT_TRUE(listen.waitForFinished(10000));
    EXPECT_EQ(listen.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(listen.exitCode(), 0) << listen.readAllStandardError().toStdString();

    EXPECT_EQ(ReadFile(Path("live.raw")), stream.bytes);
    const MessungRow row = OnlyStoredTest(Path("live.sqlite"));
    EXPECT_EQ(row.Druckdaten, ReadFile(Data("decode/car.txt")));
    EXPECT_EQ(row.Grafikdaten, ReadFile(Data("decode/car.curves.txt")));
}

}  // namespace
}  // namespace zevo
