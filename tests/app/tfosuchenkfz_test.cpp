#include "app/tfosuchenkfz.h"

#include "dialogtest.h"
#include "lang/sprachen.h"
#include "records/kfztable.h"

#include <QLineEdit>
#include <QTableView>

namespace zevo {
namespace {

using namespace dialogtest;

class TfoSuchenKFZTest : public RecordsTest {
  protected:
    void SetUp() override
    {
        RecordsTest::SetUp();
        for (const char* kennzeichen : {"M-AA 1", "ab-x 1", "HH-Z 9", "B-1", "AB-C 12"})
            ASSERT_EQ(InsertKfz(db, Kfz(kennzeichen)), "");
    }
};

// Typing moves to the nearest registration and Enter returns it: the archive
// tab's search (archivetab_test); which row is nearest is NearestKfz's (tests/records).
TEST_F(TfoSuchenKFZTest, ExecuteReturnsTheClickedRowAndNothingWhenClosed)
{
    TfoSuchenKFZ dialog(db);
    dialog.ApplyLanguage(English);
    QTimer::singleShot(0, &dialog, [&] {
        auto& grid = Part<QTableView>(dialog, "DBGrid1");
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.visualRect(grid.model()->index(1, 3)).center());
    });
    EXPECT_EQ(dialog.Execute(), "ab-x 1");

    // The next showing starts empty and reads the list again, titles and all.
    QTimer::singleShot(0, &dialog, [&] {
        EXPECT_EQ(Part<QLineEdit>(dialog, "edKennz").text(), "");
        const QAbstractItemModel& list = *Part<QTableView>(dialog, "DBGrid1").model();
        EXPECT_EQ(list.headerData(0, Qt::Horizontal).toString(), "Reg. No");
        QTest::keyClick(&Part<QLineEdit>(dialog, "edKennz"), Qt::Key_H);
        QTest::keyClick(&Part<QLineEdit>(dialog, "edKennz"), Qt::Key_Escape);
    });
    EXPECT_EQ(dialog.Execute(), "");
}

} // namespace
} // namespace zevo
