// Several lanes on one database server, as reception processes (zevo-tool)
// against the tests' throw-away server. One test stops the server, so this
// program runs alone.

#include "reception/teststandframes.h"
#include "records/database.h"
#include "tests/support/ptypair.h"
#include "tests/support/testfiles.h"
#include "tests/support/testserver.h"

#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>

namespace zevo {
namespace {

const QByteArray CarPrintData = testing::FileBytes(testing::DataPath("decode/car.txt"));
const QByteArray CarCurves = testing::FileBytes(testing::DataPath("decode/car.curves.txt"));

// The car's print data under another registration of the same length.
QByteArray CarNamed(const QByteArray& registration)
{
    return QByteArray(CarPrintData).replace("B-ZE 1234", registration);
}

class ServerLanesTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        if (!testing::TestServer())
            GTEST_SKIP() << "no test server (ZEVO_TEST_SERVER)";
        const DbResult<DatabaseConfig> server = testing::EmptyServerDatabase(QStringLiteral("lanes"));
        ASSERT_TRUE(server.ok()) << server.error().toStdString();
        // The description a lane PC would have; the password file is the server's.
        const DatabaseConfig& c = server.value();
        testing::WriteFile(dir.filePath("zevodb.conf"),
                           QStringLiteral("driver = postgresql\nhost = %1\nport = %2\ndatabase = %3\nuser = %4\n"
                                          "password-file = %5\n")
                               .arg(c.host)
                               .arg(c.port)
                               .arg(c.database, c.user, c.passwordFile)
                               .toUtf8());
        config = c;
    }

    void TearDown() override { CloseDatabase(QStringLiteral("lanes-check")); }

    // Registration → print data of every stored test, one entry per row.
    QMultiMap<QString, QByteArray> StoredTests()
    {
        QMultiMap<QString, QByteArray> stored;
        DbResult<QSqlDatabase> db = OpenDatabase(config, QStringLiteral("lanes-check"));
        EXPECT_TRUE(db.ok()) << db.error().toStdString();
        if (db.ok()) {
            QSqlQuery query(db.value());
            EXPECT_TRUE(query.exec("SELECT Kennzeichen, Druckdaten FROM Messungen"));
            while (query.next())
                stored.insert(query.value(0).toString(), query.value(1).toByteArray());
        }
        return stored;
    }

    QProcess* StartTool(const QStringList& args)
    {
        auto* process = new QProcess(&owner);
        process->setWorkingDirectory(dir.path());
        process->start(QStringLiteral(ZEVO_TOOL_PATH), args);
        return process;
    }

    QTemporaryDir dir;
    DatabaseConfig config;
    QObject owner;
};

// Two lanes start together on an empty database and store 500 tests each.
TEST_F(ServerLanesTest, TwoLanesStoringAtOnceKeepEveryTestExactlyOnceWithItsOwnTexts)
{
    constexpr int TestsPerLane = 500;
    QList<QProcess*> lanes;
    for (int lane = 1; lane <= 2; ++lane) {
        QByteArray capture;
        for (int i = 0; i < TestsPerLane; ++i)
            capture +=
                EncodeTestStandStream(
                    CarNamed(QStringLiteral("L%1-Z %2").arg(lane).arg(i, 4, 10, QChar('0')).toLatin1()), CarCurves)
                    .bytes;
        const QString path = testing::WriteFile(dir.filePath(QStringLiteral("lane%1.raw").arg(lane)), capture);
        lanes << StartTool({"replay", path, "--db", dir.filePath("zevodb.conf")});
    }
    for (QProcess* lane : lanes) {
        ASSERT_TRUE(lane->waitForFinished(120000));
        EXPECT_EQ(lane->exitCode(), 0) << lane->readAllStandardError().toStdString();
    }

    const QMultiMap<QString, QByteArray> stored = StoredTests();
    EXPECT_EQ(stored.size(), 2 * TestsPerLane);
    for (int lane = 1; lane <= 2; ++lane)
        for (int i = 0; i < TestsPerLane; ++i) {
            const QString registration = QStringLiteral("L%1-Z %2").arg(lane).arg(i, 4, 10, QChar('0'));
            ASSERT_EQ(stored.count(registration), 1) << registration.toStdString();
            ASSERT_EQ(stored.value(registration), CarNamed(registration.toLatin1())) << registration.toStdString();
        }
}

// The server stops while a test arrives: the lane keeps it and stores it once
// the server is back.
TEST_F(ServerLanesTest, ATestArrivingWhileTheServerIsDownIsStoredOnceItIsBack)
{
    const QString cluster = QStringLiteral(ZEVO_CLUSTER_SCRIPT);
    const QString serverDir = qEnvironmentVariable("ZEVO_TEST_SERVER_DIR");
    if (serverDir.isEmpty())
        GTEST_SKIP() << "the test server cannot be stopped here (ZEVO_TEST_SERVER_DIR)";
    testing::PtyPair pty;
    ASSERT_TRUE(pty.ok() && QFile::link(pty.slavePath(), dir.filePath("COM1")));
    QProcess* listen = StartTool({"listen", "COM1:", "--db", dir.filePath("zevodb.conf")});
    QByteArray out;
    QByteArray err;
    const auto waitFor = [&](const QByteArray& text, const QByteArray& in, int seconds) {
        for (int i = 0; i < seconds * 10 && !in.contains(text); ++i) {
            listen->waitForReadyRead(100);
            out += listen->readAllStandardOutput();
            err += listen->readAllStandardError();
        }
        return in.contains(text);
    };
    ASSERT_TRUE(waitFor("listening", err, 10)) << err.toStdString();

    ASSERT_EQ(QProcess::execute(cluster, {"pause", serverDir}), 0);
    ASSERT_TRUE(pty.writeToSlave(EncodeTestStandStream(CarPrintData, CarCurves).bytes));
    const bool refused = waitFor("could not be stored (kept for a retry)", err, 20);
    EXPECT_EQ(QProcess::execute(cluster, {"resume", serverDir}), 0); // whatever happened, the server comes back
    ASSERT_TRUE(refused) << err.toStdString();
    EXPECT_TRUE(waitFor("stored", out, 30)) << out.toStdString() << err.toStdString();

    ::kill(static_cast<pid_t>(listen->processId()), SIGTERM);
    ASSERT_TRUE(listen->waitForFinished(10000));
    EXPECT_EQ(listen->exitCode(), 0) << err.toStdString();
    EXPECT_EQ(StoredTests().values("B-ZE 1234"), QList<QByteArray>{CarPrintData});
}

} // namespace
} // namespace zevo
