#include "app/tfomitarbeiter.h"

#include "app/employeelines.h"
#include "app/programstate.h"
#include "dialogtest.h"
#include "records/mitarbeitertable.h"

#include <QLineEdit>
#include <QTableView>

namespace zevo {
namespace {

using namespace dialogtest;

class TfoMitarbeiterTest : public RecordsTest {
  protected:
    QStringList Stored() const { return ReadEmployeeLines(db, 1000).value(); }
    QStringList Entries(int count) const
    {
        return QStringList(state.EmployeeLines.begin(), state.EmployeeLines.begin() + count);
    }
    static QTableView& Grid(const TfoMitarbeiter& dialog) { return Part<QTableView>(dialog, "DBGrid1"); }
    // Selects a line and types a new text into it, as a user does.
    static void Edit(const TfoMitarbeiter& dialog, int row, const QString& text)
    {
        QTableView& grid = Grid(dialog);
        grid.setCurrentIndex(grid.model()->index(row, 1));
        grid.edit(grid.currentIndex());
        // Editors closed before are hidden until they are deleted; the open one is shown.
        QLineEdit* editor = nullptr;
        for (QLineEdit* edit : grid.viewport()->findChildren<QLineEdit*>())
            if (edit->isVisible())
                editor = edit;
        ASSERT_NE(editor, nullptr);
        editor->selectAll();
        TypeText(editor, text);
    }
    // A key on the grid, with line `row` made current first unless it is -1.
    static void Key(const TfoMitarbeiter& dialog, int row, Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTableView& grid = Grid(dialog);
        if (row >= 0)
            grid.setCurrentIndex(grid.model()->index(row, 1));
        QTest::keyClick(&grid, key, modifiers);
    }

    ProgramState state{};
};

TEST_F(TfoMitarbeiterTest, FewerRowsLeaveTheLaterEntriesAsTheyWere)
{
    ASSERT_EQ(ReplaceEmployeeLines(db, {"Huber", "Meier", "Schmidt", "Wagner", "Becker"}), "");
    ASSERT_EQ(LoadEmployeeLines(db, state), "");
    TfoMitarbeiter dialog(state, db);
    dialog.show();
    Key(dialog, 3, Qt::Key_Delete, Qt::ControlModifier);
    Key(dialog, -1, Qt::Key_Delete, Qt::ControlModifier); // the line after it is current now
    Edit(dialog, 0, "Huber, Prüfer");
    Click(dialog, "buSpeichern");

    EXPECT_EQ(Stored(), (QStringList{"Huber, Prüfer", "Meier", "Schmidt"}));
    EXPECT_EQ(Entries(6), (QStringList{"Huber, Prüfer", "Meier", "Schmidt", "Wagner", "Becker", ""}));
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(ErrorBox(dialog), nullptr);
}

TEST_F(TfoMitarbeiterTest, InsertAndDownAddLinesWhereTheUserExpectsThemAndClosingKeepsThem)
{
    ASSERT_EQ(ReplaceEmployeeLines(db, {"Meier", "Schmidt"}), "");
    TfoMitarbeiter dialog(state, db);
    dialog.show();
    Key(dialog, 0, Qt::Key_Insert); // above the current line
    Edit(dialog, 0, "Huber");
    Key(dialog, 2, Qt::Key_Down); // on the last line: a new one below
    Key(dialog, 3, Qt::Key_Down); // still empty: no second one
    EXPECT_EQ(Grid(dialog).model()->rowCount(), 4);
    Edit(dialog, 3, "Wagner");
    dialog.close(); // without "Speichern": the lines typed are kept all the same
    EXPECT_EQ(Stored(), (QStringList{"Huber", "Meier", "Schmidt", "Wagner"}));
    EXPECT_EQ(Entries(4), (QStringList{"Huber", "Meier", "Schmidt", "Wagner"}));
}

// Cutting the lines to 81 characters is tests/records'.
TEST_F(TfoMitarbeiterTest, Only100LinesAreLoadedAndSavingKeepsEveryRow)
{
    TfoMitarbeiter dialog(state, db);
    QStringList many;
    for (int i = 1; i <= 300; ++i)
        many.append(QStringLiteral("Zeile %1").arg(i));
    ASSERT_EQ(ReplaceEmployeeLines(db, many), "");
    state.EmployeeLines.fill(QString());
    ASSERT_EQ(LoadEmployeeLines(db, state), "");
    EXPECT_EQ(Entries(100), many.first(100));

    // Saving from the window keeps every row, not only those the grid fetched first.
    dialog.show();
    Edit(dialog, 0, "Erste");
    Click(dialog, "buSpeichern");
    many[0] = "Erste";
    EXPECT_EQ(Stored(), many);
}

TEST_F(TfoMitarbeiterTest, AFailedSaveKeepsTheStoredLinesAndTheEdits)
{
    ASSERT_EQ(ReplaceEmployeeLines(db, {"Huber", "Meier"}), "");
    ASSERT_EQ(LoadEmployeeLines(db, state), "");
    ASSERT_TRUE(QSqlQuery(db).exec("CREATE TRIGGER refuse BEFORE INSERT ON Mitarbeiter"
                                   " WHEN NEW.Text = 'kaputt' BEGIN SELECT RAISE(ABORT, 'refused'); END"));
    TfoMitarbeiter dialog(state, db);
    dialog.show();
    Edit(dialog, 0, "Neu");
    Edit(dialog, 1, "kaputt");
    Click(dialog, "buSpeichern");

    ASSERT_NE(ErrorBox(dialog), nullptr);
    EXPECT_TRUE(ErrorBox(dialog)->text().contains("refused"));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(Entries(2), (QStringList{"Huber", "Meier"})); // the stored lines stay: tests/records
    EXPECT_EQ(Grid(dialog).model()->index(0, 1).data().toString(), "Neu");

    delete ErrorBox(dialog);
    dialog.close(); // refused again: told again, the stored lines stay
    EXPECT_NE(ErrorBox(dialog), nullptr);
    dialog.show();
    EXPECT_EQ(Grid(dialog).model()->index(0, 1).data().toString(), "Huber");
}

} // namespace
} // namespace zevo
