// The tab "Testarchiv": listing with the owners, searching, showing and deleting archived tests.

#include "app/archivelistmodel.h"
#include "tests/app/assifixture.h"

namespace zevo::assitest {
namespace {

class ArchiveTabTest : public AssiTest {
  protected:
    QTableView& Grid() const { return Part<QTableView>(*assi, "DBGrid2"); }

    // The search button, the search window answering with `typed` and Enter, or Escape when it is empty.
    void Search(const QString& typed)
    {
        QTimer::singleShot(0, search, [this, typed] {
            auto& edit = Part<QLineEdit>(*search, "edKennz");
            QTest::keyClicks(&edit, typed);
            QTest::keyClick(&edit, typed.isEmpty() ? Qt::Key_Escape : Qt::Key_Return);
        });
        Part<QAbstractButton>(*assi, "SpeedButton3").click();
    }

    void StartWithArchive()
    {
        StoreVehicle("B-1", "Bauer", "Anna");
        StoreVehicle("K-2", "Klein", "Karl");
        StoreTest("B-1", now.date(), "j");
        StoreTest("K-2", now.date(), "j");
        StoreTest("B-1", now.date(), "j"); // which tests the list omits is tests/records'
        Start();
        ShowTab("TabSheet6");
    }
};

TEST_F(ArchiveTabTest, ListsArchivedTestsWithTheirOwnersShowsTheSelectedAndDeletesIt)
{
    StartWithArchive();
    EXPECT_EQ(Rows(Grid(), {0, 7, 8}), QStringList({"B-1 Bauer Anna", "K-2 Klein Karl", "B-1 Bauer Anna"}));
    EXPECT_EQ(Grid().currentIndex().row(), 2);
    EXPECT_EQ(LabelText("labKunde"), "Bauer Anna");
    EXPECT_EQ(EditText("DBEdit1"), "A-B-1");
    EXPECT_TRUE(PrintEntriesEnabled());

    // Selecting another row shows that test.
    const QModelIndex second = Grid().model()->index(1, ArchiveListModel::Kennzeichen);
    QTest::mouseClick(Grid().viewport(), Qt::LeftButton, {}, Grid().visualRect(second).center());
    EXPECT_EQ(LabelText("laKennzeichen"), "K-2");
    EXPECT_EQ(EditText("DBEdit7"), "Karl");

    // Deleting it refreshes the list and keeps the vehicle, with the first name just typed.
    auto& vorname = Part<QLineEdit>(*assi, "DBEdit7");
    vorname.selectAll();
    QTest::keyClicks(&vorname, "Kurt");
    Part<QAbstractButton>(*assi, "SpeedButton6").click();
    EXPECT_EQ(Rows(Grid(), {0, 7, 8}), QStringList({"B-1 Bauer Anna", "B-1 Bauer Anna"}));
    EXPECT_EQ(Count("SELECT COUNT(*) FROM Messungen WHERE Kennzeichen = 'K-2'"), 0);
    ASSERT_TRUE(Vehicle("K-2").has_value());
    EXPECT_EQ(Vehicle("K-2")->Vorname, "Kurt");
    EXPECT_EQ(ErrorBox(*assi), nullptr);
}

TEST_F(ArchiveTabTest, TheSearchNarrowsTheListAndClosingItListsAllAgain)
{
    StoreVehicle("Z-9", "Zeh", "Zora");
    StartWithArchive();

    Search("K");
    EXPECT_EQ(Rows(Grid(), {0, 7, 8}), QStringList({"K-2 Klein Karl"}));
    EXPECT_EQ(LabelText("laKennzeichen"), "B-1"); // the test on display stays

    Search("Z"); // a vehicle without archived tests
    EXPECT_EQ(Grid().model()->rowCount(), 0);

    Search("");
    EXPECT_EQ(Grid().model()->rowCount(), 3);
}

TEST_F(ArchiveTabTest, AnEmptyArchiveDisablesPrintingAndDeletesNothing)
{
    StoreTest("U-1", now.date());
    Start();
    ASSERT_TRUE(PrintEntriesEnabled()); // the untouched test
    ShowTab("TabSheet6");
    EXPECT_EQ(Grid().model()->rowCount(), 0);
    EXPECT_FALSE(PrintEntriesEnabled());

    Part<QAbstractButton>(*assi, "SpeedButton6").click();
    EXPECT_EQ(Count("SELECT COUNT(*) FROM Messungen"), 1);

    // Back on the current tests the filter is on again and the untouched test is shown.
    Part<QAbstractButton>(*assi, "SpeedButton4").click();
    EXPECT_TRUE(PrintEntriesEnabled());
    EXPECT_EQ(LabelText("Label62"), "Gefunden");
}

} // namespace
} // namespace zevo::assitest
