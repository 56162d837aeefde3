#include "lang/einstellungen.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zevo {
namespace {

class SettingsFileTest : public ::testing::Test {
protected:
    QString path() const { return dir.filePath(SettingsFileName); }

    void writeFields(std::initializer_list<std::int32_t> values)
    {
        Einstellungen e;
        int i = 0;
        for (auto v : values)
            e.Field[i++] = v;
        writeBytes(SettingsBytes(e));
    }

    void writeBytes(const QByteArray& bytes)
    {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir dir;
};

TEST_F(SettingsFileTest, ReadsEightLittleEndianIntegers)
{
    writeFields({3, 2, 2, 4, 2, 3, 2, 4});
    Settings s;
    const auto result = LoadSettings(s, path());
    EXPECT_EQ(result.state, SettingsFileState::Loaded);
    EXPECT_EQ(s.einstellungen.Field, (std::array<std::int32_t, 8>{3, 2, 2, 4, 2, 3, 2, 4}));
    EXPECT_EQ(s.PortName, QStringLiteral("COM4:"));
    EXPECT_EQ(s.Sprache, 2);
}

TEST_F(SettingsFileTest, MissingFileKeepsDefaultsGermanAndNoPort)
{
    Settings s;
    const auto result = LoadSettings(s, path());
    EXPECT_EQ(result.state, SettingsFileState::Missing);
    EXPECT_FALSE(result.message.isEmpty());
    EXPECT_EQ(s.einstellungen.Field, (std::array<std::int32_t, 8>{1, 1, 1, 0, 0, 1, 1, 0}));
    EXPECT_EQ(s.Sprache, 1);
    EXPECT_TRUE(s.PortName.isEmpty());
}

TEST_F(SettingsFileTest, ShortOrLongFileKeepsDefaultsAndSaysSo)
{
    for (int size : {0, 31, 33, 64}) {
        writeBytes(QByteArray(size, '\x02'));
        Settings s;
        s.PortName = QStringLiteral("COM2:");
        const auto result = LoadSettings(s, path());
        EXPECT_EQ(result.state, SettingsFileState::WrongSize) << size;
        EXPECT_FALSE(result.message.isEmpty());
        EXPECT_EQ(s.einstellungen.Field[PrintMode], 1) << size;
        EXPECT_EQ(s.PortName, QStringLiteral("COM2:")) << size;
    }
}

TEST_F(SettingsFileTest, UnreadableFileKeepsDefaults)
{
    QDir().mkpath(path());  // a directory where the file should be
    Settings s;
    const auto result = LoadSettings(s, path());
    EXPECT_NE(result.state, SettingsFileState::Loaded);
    EXPECT_EQ(s.einstellungen.Field[CleanupInterval], 1);
}

struct LimitCase {
    std::int32_t language, vehicleType, port;
    int sprache, field5;
    const char* portName;
};

class SettingsLimitsTest : public SettingsFileTest, public ::testing::WithParamInterface<LimitCase> {};

TEST_P(SettingsLimitsTest, LanguageVehicleTypeAndPortAreLimited)
{
    const LimitCase& c = GetParam();
    writeFields({1, 1, 1, c.port, c.language, c.vehicleType, 1, 2});
    Settings s;
    s.PortName = QStringLiteral("COM7:");
    LoadSettings(s, path());
    EXPECT_EQ(s.Sprache, c.sprache);
    EXPECT_EQ(s.einstellungen.Field[VehicleTypeField], c.field5);
    EXPECT_EQ(s.PortName, QString::fromLatin1(c.portName));
}

INSTANTIATE_TEST_SUITE_P(Edges, SettingsLimitsTest,
    ::testing::Values(LimitCase{0, 0, 1, 1, 1, "COM1:"},   // language 0 is German, type 0 read as 1
                      LimitCase{9, 6, 8, 3, 6, "COM8:"},   // language 9 is French
                      LimitCase{7, -3, 9, 3, 1, "COM7:"},  // port 9 keeps the old name
                      LimitCase{2, 4, 0, 2, 4, "COM7:"}));

TEST_F(SettingsFileTest, SaveWritesThirtyTwoBytesWithTheLanguage)
{
    Settings s;
    LoadSettings(s, path());
    s.einstellungen.Field[SerialPort] = 3;
    s.einstellungen.Field[Plates] = 4;
    s.Sprache = 3;
    ASSERT_TRUE(SaveSettings(s, path()).isEmpty());

    QFile file(path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_EQ(bytes.size(), 32);
    EXPECT_EQ(bytes.mid(12, 4), QByteArray("\x03\x00\x00\x00", 4));
    EXPECT_EQ(bytes.mid(16, 4), QByteArray("\x03\x00\x00\x00", 4));
    EXPECT_EQ(bytes.mid(28, 4), QByteArray("\x04\x00\x00\x00", 4));

    Settings again;
    LoadSettings(again, path());
    EXPECT_EQ(again.einstellungen.Field, s.einstellungen.Field);
    EXPECT_EQ(again.PortName, QStringLiteral("COM3:"));
}

TEST_F(SettingsFileTest, SaveFailureIsReportedAndKeepsTheOldFile)
{
    writeFields({1, 2, 1, 2, 1, 1, 1, 2});
    Settings s;
    s.einstellungen.Field[PrintMode] = 1;
    // A folder standing where the file should go cannot be replaced.
    const QString blocked = dir.filePath("blocked");
    QDir().mkpath(blocked + "/inside");
    EXPECT_FALSE(SaveSettings(s, blocked).isEmpty());
    EXPECT_FALSE(SaveSettings(s, dir.filePath("no-such-folder/ZEVO_Assistant.ini")).isEmpty());

    Settings again;
    LoadSettings(again, path());
    EXPECT_EQ(again.einstellungen.Field[PrintMode], 2);
}

}  // namespace
}  // namespace zevo
