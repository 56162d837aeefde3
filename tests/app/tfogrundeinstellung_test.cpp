#include "app/tfogrundeinstellung.h"

#include "app/programstate.h"
#include "dialogtest.h"

#include <QComboBox>
#include <QLabel>
#include <QRadioButton>

namespace zevo {
namespace {

using namespace dialogtest;

class TfoGrundeinstellungTest : public ::testing::Test {
  protected:
    QString Path() const { return dir.filePath(QString::fromLatin1(SettingsFileName)); }
    void WriteSettings(std::array<std::int32_t, SettingsFieldCount> fields)
    {
        WriteFile(Path(), SettingsBytes(Einstellungen{fields}));
    }
    static bool Checked(const QWidget& dialog, const char* name)
    {
        return Part<QRadioButton>(dialog, name).isChecked();
    }
    static QStringList Items(const QComboBox& combo)
    {
        QStringList items;
        for (int i = 0; i < combo.count(); ++i)
            items.append(combo.itemText(i));
        return items;
    }

    QTemporaryDir dir;
    ProgramState state{};
};

TEST_F(TfoGrundeinstellungTest, OkStoresTheCheckedButtonsAndAbbrechenNothing)
{
    TfoGrundeinstellung dialog(state, nullptr, Path());
    QSignalSpy applied(&dialog, &TfoGrundeinstellung::settingsApplied);
    dialog.show();
    // Without a file the design-time choices stand: "COM5:" and 2 plates.
    EXPECT_TRUE(Checked(dialog, "RadioButton16") && Checked(dialog, "RadioButton14"));
    for (const char* button : {"RadioButton12", "RadioButton6", "RadioButton9", "RadioButton15", "Button1"})
        Click(dialog, button);

    // Fields 0..7: start screen, printing, clean-up, port, language, vehicle type, group, plates.
    EXPECT_EQ(FileBytes(Path()), SettingsBytes(Einstellungen{{1, 2, 3, 3, 1, 1, 1, 4}}));
    EXPECT_EQ(state.settings.PortName, "COM3:");
    EXPECT_EQ(applied.count(), 1);
    EXPECT_FALSE(dialog.isVisible());

    dialog.show();
    Click(dialog, "RadioButton10");
    Part<QComboBox>(dialog, "cbSprache").setCurrentIndex(1);
    Click(dialog, "Button3");
    EXPECT_EQ(FileBytes(Path()), SettingsBytes(Einstellungen{{1, 2, 3, 3, 1, 1, 1, 4}}));
    EXPECT_EQ(state.settings.Sprache, 2); // in force until the next showing reads the file
    dialog.show();
    EXPECT_EQ(state.settings.Sprache, 1);
    EXPECT_TRUE(Checked(dialog, "RadioButton12"));
}

// Each showing reads the file again and asks the main window to take its language.
TEST_F(TfoGrundeinstellungTest, ValuesOutsideTheirListKeepTheButtonCheckedBeforeAndFrenchNamesTheLanguages)
{
    WriteSettings({1, 1, 1, 2, 1, 1, 1, 4});
    TfoGrundeinstellung dialog(state, nullptr, Path());
    QSignalSpy requested(&dialog, &TfoGrundeinstellung::languageApplyRequested);
    WriteSettings({5, 0, 2, 9, 9, 0, 1, 3}); // how the values are limited (language 9: French) is tests/lang's
    dialog.show();
    for (const char* button : {"RadioButton1", "RadioButton5", "RadioButton8", "RadioButton11", "RadioButton15"})
        EXPECT_TRUE(Checked(dialog, button)) << button;
    EXPECT_EQ(Part<QComboBox>(dialog, "cbSprache").currentText(), "francaise");
    EXPECT_EQ(requested.count(), 1);
}

TEST_F(TfoGrundeinstellungTest, FileErrorsAreReported)
{
    WriteFile(Path(), QByteArray(10, '\1')); // damaged: told once, not at every reading
    TfoGrundeinstellung damaged(state, nullptr, Path());
    damaged.LoadSettings();
    EXPECT_EQ(damaged.findChildren<QMessageBox*>().size(), 1);

    const QString unwritable = dir.filePath(QStringLiteral("missing/ZEVO_Assistant.ini"));
    TfoGrundeinstellung dialog(state, nullptr, unwritable);
    dialog.show();
    Click(dialog, "Button1");
    ASSERT_NE(ErrorBox(dialog), nullptr);
    EXPECT_TRUE(ErrorBox(dialog)->text().contains(unwritable));
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(TfoGrundeinstellungTest, VehicleTypesFollowTheLimitSetGroupAndType)
{
    WriteSettings({1, 1, 1, 1, 2, 3, 2, 2});
    struct Case {
        LimitSet set;
        bool groupShown, typeShown;
        QStringList types;
    };
    for (const Case& c : {Case{LimitSet::Eu, false, false, {}},
                          {LimitSet::Rus, false, true, RussianVehicleTypeNames()},
                          {LimitSet::Pl, true, true, PolishVehicleTypeNames(2, 2)}}) {
        state.limitSet = c.set;
        TfoGrundeinstellung dialog(state, nullptr, Path());
        dialog.show();
        auto& groups = Part<QComboBox>(dialog, "cbEuPl");
        const auto& types = Part<QComboBox>(dialog, "cbFahrzeugtyp");
        EXPECT_EQ(groups.isVisible() && Part<QLabel>(dialog, "Label1").isVisible(), c.groupShown);
        EXPECT_EQ(types.isVisible() && Part<QLabel>(dialog, "Label2").isVisible(), c.typeShown);
        EXPECT_EQ(Items(types), c.types);
        EXPECT_EQ(types.currentText(), c.types.value(2)); // vehicle type 3
        if (c.set == LimitSet::Pl) {
            groups.setCurrentIndex(0); // in force at once
            EXPECT_EQ(state.settings.einstellungen.Field[RegistrationGroup], 1);
            EXPECT_EQ(Items(types), PolishVehicleTypeNames(1, 2));
        }
    }
}

} // namespace
} // namespace zevo
