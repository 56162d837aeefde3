#pragma once
// The tab "KD/Kfz Daten": the untouched tests in DBGrid1 (registration,
// order number, mileage and inspection dates editable in place), the order
// number of the test the cursor stands on, and the vehicle and owner of the
// test on display. A click, a double click or Enter on a row selects that
// test for display; SpeedButton2 archives the test, SpeedButton5 deletes it.

#include <QWidget>
#include <memory>

class QModelIndex;

namespace Ui {
class CurrentTestsTab;
}

namespace zevo {

class BoundEdits;
class FieldDelegate;
class KfzCursor;
class MessungenCursor;

class CurrentTestsTab : public QWidget {
    Q_OBJECT

  public:
    CurrentTestsTab(MessungenCursor& tests, KfzCursor& vehicles, QWidget* parent = nullptr);
    ~CurrentTestsTab() override;

    // Titles of the grid's columns 0 to 6.
    void SetColumnTitles(const QStringList& titles);
    // Hands whatever is typed but not yet taken (a cell of the grid, the
    // order number, the vehicle and owner edits) to the cursors' rows; the
    // cursors post them into the tables.
    void PostEdits();

    void SpeedButton2Click(); // save: the test goes to the archive
    void SpeedButton5Click(); // delete the test at once

  signals:
    void testSelected(qint64 id); // the user chose the grid's current row (0 when the grid is empty)
    void errorOccurred(const QString& text);

  private:
    void ApplyColumns();
    void FollowCursor(qint64 id);
    void GridRowChanged(const QModelIndex& current);
    void SelectCurrentRow();
    // The edits into the table before the test leaves the list: its
    // vehicle's owner typed a moment ago is stored, not lost with the row.
    void PostEditsAndVehicle();

    std::unique_ptr<Ui::CurrentTestsTab> ui_;
    MessungenCursor& tests_;
    KfzCursor& vehicles_;
    FieldDelegate* gridDelegate_;
    BoundEdits* testEdits_;    // order number of the cursor's test
    BoundEdits* vehicleEdits_; // vehicle and owner of the test on display
    QStringList titles_;
    bool following_ = false; // the grid is being moved to the cursor's row
};

} // namespace zevo
