#include "records/mitarbeitertable.h"
#include "recordsfixture.h"

namespace zevo {
namespace {

using MitarbeiterTest = BothDatabasesTest;
ZEVO_ON_BOTH_DATABASES(MitarbeiterTest);

TEST_P(MitarbeiterTest, LinesComeBackInOrderCutAndLimitedAndAFailedReplaceKeepsThem)
{
    const QStringList lines{"Prüfer: Huber", "", QString(79, '-') + "En", "Azubi"};
    ASSERT_EQ(ReplaceEmployeeLines(db, {"Prüfer: Huber", "", QString(79, '-') + "Ende", "Azubi"}), "");
    EXPECT_EQ(ReadEmployeeLines(db, 100).value(), lines);
    EXPECT_EQ(ReadEmployeeLines(db, 2).value(), lines.mid(0, 2));

    // A line refused half-way: the old lines stay, and no open transaction swallows the next change.
    Scalar(GetParam() == Backend::SQLite ? "CREATE TRIGGER refused BEFORE INSERT ON Mitarbeiter WHEN NEW.Text = "
                                           "'kaputt' BEGIN SELECT RAISE(ABORT, 'refused'); END"
                                         : "ALTER TABLE Mitarbeiter ADD CONSTRAINT refused CHECK (Text <> 'kaputt')");
    EXPECT_TRUE(ReplaceEmployeeLines(db, {"Neu", "kaputt"}).contains("refused"));
    EXPECT_EQ(ReadEmployeeLines(db, 100).value(), lines);
    EXPECT_EQ(ReplaceEmployeeLines(db, {"Neu"}), "");
    EXPECT_EQ(ReadEmployeeLines(db, 100).value(), QStringList{"Neu"});
}

} // namespace
} // namespace zevo
