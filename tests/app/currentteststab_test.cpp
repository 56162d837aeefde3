// The tab "KD/Kfz Daten": selecting, saving (archiving), deleting and editing tests.

#include "app/messungenmodel.h"
#include "tests/app/assifixture.h"

namespace zevo::assitest {
namespace {

class CurrentTestsTabTest : public AssiTest {
  protected:
    QTableView& Grid() const { return Part<QTableView>(*assi, "DBGrid1"); }

    void ClickRow(int row)
    {
        QTableView& grid = Grid();
        const QModelIndex cell = grid.model()->index(row, MessungenModel::Kennzeichen);
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.visualRect(cell).center());
    }

    QString Bearbeitet(qint64 id) { return ReadTest(db, id).value()->Bearbeitet; }
};

TEST_F(CurrentTestsTabTest, SelectingARowShowsThatTestAndOnlyDateAndTimeAreReadOnly)
{
    const qint64 first = StoreTest("A-1", now.date());
    StoreTest("B-2", now.date());
    Start();
    ClickRow(0);
    EXPECT_EQ(assi->CurrentTestId(), first);
    EXPECT_EQ(LabelText("laKennzeichen"), "A-1");
    EXPECT_TRUE(state.SmoothCurves);

    // Enter on the grid selects the current row as well.
    Grid().setCurrentIndex(Grid().model()->index(1, MessungenModel::Kennzeichen));
    QTest::keyClick(&Grid(), Qt::Key_Return);
    EXPECT_EQ(LabelText("laKennzeichen"), "B-2");

    // Registration and order number are edited below and in tfoassi_test.
    for (const int column : {MessungenModel::Datum, MessungenModel::Uhrzeit})
        EXPECT_FALSE(Grid().model()->flags(Grid().model()->index(0, column)) & Qt::ItemIsEditable) << column;
}

TEST_F(CurrentTestsTabTest, SavingArchivesTheTestAndTheNextRowBecomesCurrent)
{
    const qint64 a = StoreTest("A-1", now.date());
    StoreTest("B-2", now.date());
    StoreTest("C-3", now.date());
    Start();
    ClickRow(0);
    QTest::keyClicks(&Part<QLineEdit>(*assi, "dbedName"), "Meier"); // typed, then saved at once
    Part<QAbstractButton>(*assi, "SpeedButton2").click();

    EXPECT_EQ(Bearbeitet(a), "j");
    EXPECT_EQ(Vehicle("A-1")->Name, "Meier");
    EXPECT_EQ(Rows(Grid(), {0}), QStringList({"B-2", "C-3"}));
    EXPECT_EQ(Grid().currentIndex().row(), 0);
    EXPECT_EQ(EditText("dbedAuftrag"), "A-B-2");
}

TEST_F(CurrentTestsTabTest, ABlankRegistrationGetsNoVehicleAndCannotBeSavedUntilOneIsTyped)
{
    const qint64 blank = StoreTest("  ", now.date());
    Start();
    EXPECT_EQ(assi->CurrentTestId(), blank);
    EXPECT_EQ(Count("SELECT COUNT(*) FROM Kfz"), 0);
    EXPECT_FALSE(Part<QLineEdit>(*assi, "EditFabrikat").isEnabled());
    EXPECT_EQ(Line(19), "Kennzeichen  : ");
    Part<QAbstractButton>(*assi, "SpeedButton2").click();
    EXPECT_EQ(Bearbeitet(blank), "n");
    EXPECT_EQ(ErrorBox(*assi), nullptr);

    // A registration typed after the test was shown: saving creates its vehicle, so the archive lists it.
    Grid().setCurrentIndex(Grid().model()->index(0, MessungenModel::Kennzeichen));
    QTest::keyClick(&Grid(), 'N');
    auto* cell = Grid().viewport()->findChild<QLineEdit*>();
    ASSERT_NE(cell, nullptr);
    QTest::keyClicks(cell, "E-1  ");
    QTest::keyClick(cell, Qt::Key_Return);
    QCoreApplication::processEvents();                           // the delegate commits on Enter from the event loop
    EXPECT_EQ(ReadTest(db, blank).value()->Kennzeichen, "NE-1"); // stored without the blanks
    Part<QAbstractButton>(*assi, "SpeedButton2").click();
    EXPECT_EQ(Bearbeitet(blank), "j");
    EXPECT_TRUE(Vehicle("NE-1").has_value());
}

TEST_F(CurrentTestsTabTest, DeleteRemovesTheCurrentTestAtOnceAndAnEmptyListStaysCalm)
{
    StoreTest("A-1", now.date());
    const qint64 b = StoreTest("B-2", now.date());
    Start(); // stands on B-2, the newest
    auto& deleteButton = Part<QAbstractButton>(*assi, "SpeedButton5");
    deleteButton.click();
    EXPECT_FALSE(ReadTest(db, b).value().has_value());
    EXPECT_EQ(Rows(Grid(), {0}), QStringList({"A-1"}));
    EXPECT_EQ(EditText("dbedAuftrag"), "A-A-1"); // the row before became current

    deleteButton.click();
    deleteButton.click();
    EXPECT_EQ(Count("SELECT COUNT(*) FROM Messungen"), 0);
    EXPECT_FALSE(Part<QLineEdit>(*assi, "dbedAuftrag").isEnabled());
    EXPECT_EQ(ErrorBox(*assi), nullptr);
}

TEST_F(CurrentTestsTabTest, EditsAreSavedWhenAnotherTestIsShown)
{
    StoreTest("A-1", now.date());
    StoreTest("B-2", now.date());
    Start(); // shows B-2 and created its vehicle
    auto& name = Part<QLineEdit>(*assi, "dbedName");
    auto& order = Part<QLineEdit>(*assi, "dbedAuftrag");
    QTest::keyClicks(&name, "Meier");
    order.selectAll();
    QTest::keyClicks(&order, "4712");
    ClickRow(0);

    EXPECT_EQ(Vehicle("B-2")->Name, "Meier");
    EXPECT_EQ(ReadTest(db, 2).value()->AuftragsNr, "4712");
    EXPECT_EQ(Cell(Grid(), 1, 3), "4712"); // the grid shows it too
    EXPECT_EQ(EditText("dbedName"), "");   // A-1's new vehicle has no owner yet
}

} // namespace
} // namespace zevo::assitest
