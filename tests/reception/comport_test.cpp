#include "reception/comport.h"
#include "tests/support/coreapplication.h"
#include "tests/support/ptypair.h"

#include <QDeadlineTimer>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace zevo {
namespace {

class Comport : public ::testing::Test {
protected:
    static void SetUpTestSuite() { testing::EnsureCoreApplication(); }
    // Gives the line a moment to deliver; never a timing assertion.
    static bool WaitUntil(const std::function<bool()>& done)
    {
        for (QDeadlineTimer deadline(5000); !done() && !deadline.hasExpired();)
            QThread::msleep(2);
        return done();
    }
    testing::PtyPair pty;
    TComport port;
};

TEST_F(Comport, ReadTakesTheWaitingBytesUpToCapacityAHungUpLineKeepsThemAndAMissingPortStaysClosed)
{
    ASSERT_TRUE(port.Open(pty.slavePath())) << port.LastError().toStdString();
    ASSERT_TRUE(pty.writeToSlave("0123456789"));
    ASSERT_TRUE(WaitUntil([&] { return port.BytesWaiting() == 10; }));
    char buffer[8] = "xxxxxxx";
    EXPECT_EQ(port.Read(buffer, 5), 4u);
    EXPECT_EQ(QByteArray(buffer, 6), QByteArray("0123\0x", 6));
    EXPECT_EQ(port.Read(buffer, sizeof buffer), 6u);  // the rest, left for the next read
    EXPECT_EQ(QByteArray(buffer, 7), QByteArray("456789\0", 7));
    // Taken from the line, then the far side hangs up: the port closes, the bytes stay.
    ASSERT_TRUE(pty.writeToSlave("abc"));
    ASSERT_TRUE(WaitUntil([&] { return port.BytesWaiting() == 3; }));
    pty.hangUp();
    EXPECT_TRUE(WaitUntil([&] { return port.BytesWaiting() == 3 && port.Lost() && !port.IsOpen(); }));
    EXPECT_EQ(port.Read(buffer, sizeof buffer), 3u);
    port.Close();
    port.Close();
    EXPECT_FALSE(port.Open(QStringLiteral("/dev/no-such-tty")));
    EXPECT_TRUE(port.LastError().startsWith(QLatin1String("/dev/no-such-tty: ")));
    EXPECT_EQ(port.BytesWaiting(), 0u);
    EXPECT_EQ(port.Read(buffer, sizeof buffer), 0u);
}

TEST_F(Comport, ComNameFollowsTheLinkInTheWorkingDirectory)
{
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    ASSERT_TRUE(QFile::link(pty.slavePath(), QStringLiteral("COM3")));
    EXPECT_EQ(TComport::SystemPortName(QStringLiteral("COM3:")), dir.filePath(QStringLiteral("COM3")));
    EXPECT_EQ(TComport::SystemPortName(QStringLiteral("COM4:")), QStringLiteral("/dev/ttyS3"));
    // A link to an unplugged adapter is still the port chosen: no fallback to /dev/ttyS4.
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/ttyUSB-unplugged"), QStringLiteral("COM5")));
    EXPECT_EQ(TComport::SystemPortName(QStringLiteral("COM5:")), dir.filePath(QStringLiteral("COM5")));
    EXPECT_FALSE(port.Open(QStringLiteral("COM5:")));
    EXPECT_TRUE(port.LastError().contains("/dev/ttyUSB-unplugged, which is not there"))
        << port.LastError().toStdString();
    ASSERT_TRUE(QFile::remove(QStringLiteral("COM5"))); // even the link goes: waited for, no fallback
    EXPECT_FALSE(port.Reopen());
    EXPECT_TRUE(port.LastError().startsWith("COM5: (" + dir.filePath(QStringLiteral("COM5"))))
        << port.LastError().toStdString();
    QDir::setCurrent(previous);
}

}  // namespace
}  // namespace zevo
