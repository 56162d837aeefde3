#pragma once
// The main window's cursor on the tests (taMessungen): the untouched tests
// for the current-tests grid, the row the cursor stands on (the test whose
// order number the forms edit), and the filter "untouched only" that the
// archive tab switches off so that archived tests can be found by Id too.
//
// Finding a test by Id and moving to the last test ask the database
// directly; the grid only follows the cursor, reading the rows it shows.

#include "app/messungenrowmodel.h"
#include "records/dbresult.h"
#include "records/messungrow.h"

#include <QObject>
#include <QSqlDatabase>
#include <limits>
#include <optional>

namespace zevo {

class MessungenModel;

class MessungenCursor : public QObject {
    Q_OBJECT

  public:
    explicit MessungenCursor(const QSqlDatabase& db, QObject* parent = nullptr);

    MessungenModel* Untouched() const { return untouched_; } // untouched tests in Id order (DBGrid1)
    MessungenRowModel* Current() const { return current_; }  // the current row alone, or no row

    // Reads the untouched tests and stands on the last of them. Error text, empty on success.
    QString Open();
    bool IsOpen() const { return open_; }
    // Posts, then empties both models; the cursor stands nowhere. Error text.
    QString Close();
    // Writes a pending edit of the current row (the order-number edits) into
    // the table. Every move of the cursor does this first. Error text.
    QString Post();

    void SetFiltered(bool on) { filtered_ = on; }
    bool Filtered() const { return filtered_; }

    // Moves to the test with that Id if the filter lets it through; otherwise
    // the cursor stays where it was. Whether it was found.
    DbResult<bool> FindId(qint64 id);
    // The last test under the filter; nowhere when there is none.
    QString MoveToLast();
    // Stands on a row the grid chose (it holds untouched tests only).
    QString MoveTo(qint64 id);

    DbResult<bool> IsEmpty() const;                 // under the filter
    qint64 CurrentId() const { return currentId_; } // 0 when the cursor stands nowhere
    // The whole current row with its texts; nothing when the cursor stands nowhere.
    DbResult<std::optional<MessungRow>> CurrentRow() const;

    // Saving: Bearbeitet := "j" when the current test has a registration.
    // Whether it was archived. The cursor then moves on (see RemoveCurrent).
    DbResult<bool> ArchiveCurrent();
    // Deletes the current test at once. Whether one was deleted.
    DbResult<bool> DeleteCurrent();

    // Reads the untouched tests again (a test arrived, old ones were deleted),
    // keeping the cursor on its row; a cursor that stood nowhere moves to the
    // last test. Error text, empty on success.
    QString Refresh();

  signals:
    // The cursor moved (0: it stands nowhere). The grid follows it.
    void currentChanged(qint64 id);

  private:
    QString SetCurrent(qint64 id);
    // After the current row left the filtered set: the next row under the
    // filter, else the one before, else nowhere.
    QString MoveOffRemoved(qint64 removedId);
    DbResult<qint64> Neighbour(qint64 id, bool after) const;
    void RefreshListRow(qint64 id);

    QSqlDatabase db_;
    MessungenModel* untouched_;
    MessungenRowModel* current_;
    bool open_ = false;
    bool filtered_ = true;
    bool syncing_ = false; // one model is being refreshed from the other
    qint64 currentId_ = 0;
};

} // namespace zevo
