#include "lang/einstellungen.h"
#include "tests/support/testfiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zevo {
namespace {

class SettingsFileTest : public ::testing::Test {
protected:
    QString path() const { return dir.filePath(SettingsFileName); }

    QTemporaryDir dir;
};

TEST_F(SettingsFileTest, MissingShortLongOrUnreadableFileKeepsTheDefaults)
{
    const struct {
        int size;  // -1: no file, -2: a folder where the file should be
        SettingsFileState state;
    } cases[] = {{-1, SettingsFileState::Missing},   {0, SettingsFileState::WrongSize}, {31, SettingsFileState::WrongSize},
                 {33, SettingsFileState::WrongSize}, {-2, SettingsFileState::Unreadable}};
    for (const auto& c : cases) {
        QFile::remove(path());
        if (c.size >= 0)
            testing::WriteFile(path(), QByteArray(c.size, '\x02'));
        else if (c.size == -2)
            QDir().mkpath(path());
        Settings s;
        s.PortName = QStringLiteral("COM2:");
        const auto result = LoadSettings(s, path());
        EXPECT_EQ(result.state, c.state) << c.size;
        EXPECT_FALSE(result.message.isEmpty()) << c.size;
        EXPECT_EQ(s.einstellungen.Field, (std::array<std::int32_t, 8>{1, 1, 1, 0, 0, 1, 1, 0})) << c.size;
        EXPECT_EQ(s.Sprache, 1) << c.size;
        EXPECT_EQ(s.PortName, QStringLiteral("COM2:")) << c.size;
    }
}

TEST_F(SettingsFileTest, LanguageVehicleTypeAndPortAreLimited)
{
    const struct {
        std::int32_t language, vehicleType, port;
        int sprache, field5;
        const char* portName;
    } cases[] = {{0, 0, 1, 1, 1, "COM1:"},   // language 0 is German, type 0 read as 1
                 {9, 6, 8, 3, 6, "COM8:"},   // language 9 is French
                 {7, -3, 9, 3, 1, "COM7:"},  // port 9 keeps the old name
                 {2, 4, 0, 2, 4, "COM7:"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.language);
        testing::WriteFile(path(), SettingsBytes({{1, 1, 1, c.port, c.language, c.vehicleType, 1, 2}}));
        Settings s;
        s.PortName = QStringLiteral("COM7:");
        LoadSettings(s, path());
        EXPECT_EQ(s.Sprache, c.sprache);
        EXPECT_EQ(s.einstellungen.Field[VehicleTypeField], c.field5);
        EXPECT_EQ(s.PortName, QString::fromLatin1(c.portName));
    }
}

TEST_F(SettingsFileTest, SavedBytesAreLittleEndianWithTheLanguageAndReadBack)
{
    Settings s;
    LoadSettings(s, path());
    s.einstellungen.Field[StartScreen] = 4;
    s.einstellungen.Field[SerialPort] = 3;
    s.einstellungen.Field[Plates] = 4;
    s.Sprache = 3;
    ASSERT_TRUE(SaveSettings(s, path()).isEmpty());

    const QByteArray bytes = testing::FileBytes(path());
    ASSERT_EQ(bytes.size(), 32);
    EXPECT_EQ(bytes.mid(12, 8), QByteArray("\x03\x00\x00\x00\x03\x00\x00\x00", 8));  // port, language
    EXPECT_EQ(bytes.mid(28, 4), QByteArray("\x04\x00\x00\x00", 4));

    Settings again;
    EXPECT_EQ(LoadSettings(again, path()).state, SettingsFileState::Loaded);
    EXPECT_EQ(again.einstellungen.Field, (std::array<std::int32_t, 8>{4, 1, 1, 3, 3, 1, 1, 4}));
    EXPECT_EQ(again.PortName, QStringLiteral("COM3:"));
    EXPECT_EQ(again.Sprache, 3);
}

TEST_F(SettingsFileTest, SaveFailureIsReported)
{
    // A folder standing where the file should go cannot be replaced, nor a missing folder written into.
    QDir().mkpath(path() + "/inside");
    Settings s;
    EXPECT_FALSE(SaveSettings(s, path()).isEmpty());
    EXPECT_FALSE(SaveSettings(s, dir.filePath("no-such-folder/ZEVO_Assistant.ini")).isEmpty());
}

}  // namespace
}  // namespace zevo
