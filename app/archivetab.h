#pragma once
// The tab "Testarchiv": archived tests with their owner's name in DBGrid2
// (read-only), narrowed to one registration through the vehicle search, and
// the vehicle, owner and order number of the test on display. A click, a
// double click or Enter on a row selects that test for display;
// SpeedButton6 deletes it.

#include <QSqlDatabase>
#include <QWidget>
#include <functional>
#include <memory>

namespace Ui {
class ArchiveTab;
}

namespace zevo {

class ArchiveListModel;
class BoundEdits;
class KfzCursor;
class MessungenCursor;

class ArchiveTab : public QWidget {
    Q_OBJECT

  public:
    ArchiveTab(const QSqlDatabase& db, MessungenCursor& tests, KfzCursor& vehicles, QWidget* parent = nullptr);
    ~ArchiveTab() override;

    ArchiveListModel* List() const { return list_; }

    // All archived tests; the list stands on its last row. Error text, empty on success.
    QString ListAll();
    // The archived tests of exactly this registration.
    QString ListRegistration(const QString& kennzeichen);
    void CloseList(); // empties the list (program end)
    // Id of the list's current row, 0 when the list is empty.
    qint64 CurrentListId() const;

    // Titles of the grid's columns 0 to 8.
    void SetColumnTitles(const QStringList& titles);
    void PostEdits(); // as on the current-tests tab
    // How SpeedButton3 asks for a registration (the vehicle search window);
    // it returns an empty text when the user chose none.
    void SetVehicleSearch(std::function<QString()> search) { search_ = std::move(search); }

    void SpeedButton3Click(); // search
    void SpeedButton6Click(); // delete the selected archived test

  signals:
    void testSelected(qint64 id);
    void errorOccurred(const QString& text);

  private:
    QString Open(); // runs the list's statement again
    void ApplyColumns();
    void SelectCurrentRow();

    std::unique_ptr<Ui::ArchiveTab> ui_;
    QSqlDatabase db_;
    MessungenCursor& tests_;
    KfzCursor& vehicles_;
    ArchiveListModel* list_;
    BoundEdits* testEdits_;
    BoundEdits* vehicleEdits_;
    std::function<QString()> search_;
    QString registration_; // the statement: all archived tests when empty, else this registration's
    QStringList titles_;
};

} // namespace zevo
