#include "app/messungencursor.h"

#include "records/database.h"
#include "app/messungenmodel.h"
#include "lang/numbertext.h"
#include "records/database.h"
#include "records/fieldtext.h"
#include "records/kfztable.h"
#include "records/messungentable.h"

#include <QSqlError>
#include <QSqlQuery>

namespace zevo {

namespace {

// A filter that matches no row: the cursor stands nowhere.
const QString NoRow = QStringLiteral("0 = 1");

QString IdFilter(qint64 id)
{
    return QStringLiteral("Id = %1").arg(id);
}

} // namespace

MessungenCursor::MessungenCursor(const QSqlDatabase& db, QObject* parent)
    : QObject(parent), db_(db), untouched_(new MessungenModel(db, this)), current_(new MessungenRowModel(db, this))
{
    // A cell of the grid is stored as soon as it is left. When it belongs to
    // the current row, that row is read again (posting its own pending edit
    // first), so the grid and the order-number edit never disagree.
    connect(untouched_, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& topLeft, const QModelIndex& bottomRight) {
                if (syncing_ || currentId_ == 0)
                    return;
                for (int row = topLeft.row(); row <= bottomRight.row(); ++row) {
                    if (untouched_->IdAt(row) != currentId_)
                        continue;
                    syncing_ = true;
                    if (current_->isDirty())
                        Post();
                    else
                        current_->selectRow(0);
                    syncing_ = false;
                    return;
                }
            });
    current_->setFilter(NoRow);
}

QString MessungenCursor::Post()
{
    if (!current_->isDirty())
        return {};
    if (!current_->submitAll())
        return ErrorText(QStringLiteral("The changes to test %1 cannot be stored").arg(currentId_),
                         current_->lastError());
    RefreshListRow(currentId_);
    return {};
}

QString MessungenCursor::Open()
{
    current_->setTable(ModelTableName(db_, MessungenTable));
    current_->setFilter(NoRow);
    if (QString error = untouched_->SelectUntouched(); !error.isEmpty())
        return error;
    open_ = true;
    return MoveToLast();
}

QString MessungenCursor::Close()
{
    const QString error = Post();
    open_ = false;
    untouched_->Clear();
    current_->clear();
    if (currentId_ != 0) {
        currentId_ = 0;
        emit currentChanged(0);
    }
    return error;
}

DbResult<bool> MessungenCursor::FindId(qint64 id)
{
    if (id <= 0)
        return false;
    QSqlQuery query(db_);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT Bearbeitet FROM Messungen WHERE Id = :id"));
    query.bindValue(QStringLiteral(":id"), id);
    if (!query.exec())
        return DbResult<bool>::Failure(
            ErrorText(QStringLiteral("The test %1 cannot be looked up").arg(id), query.lastError()));
    if (!query.next())
        return false;
    if (filtered_ && query.value(0).toString() != QLatin1String(zevo::Untouched))
        return false;
    if (QString error = SetCurrent(id); !error.isEmpty())
        return DbResult<bool>::Failure(error);
    return true;
}

QString MessungenCursor::MoveToLast()
{
    DbResult<qint64> last = Neighbour(std::numeric_limits<qint64>::max(), false);
    if (!last.ok())
        return last.error();
    return SetCurrent(last.value());
}

QString MessungenCursor::MoveTo(qint64 id)
{
    if (id == currentId_)
        return {};
    return SetCurrent(id);
}

DbResult<bool> MessungenCursor::IsEmpty() const
{
    DbResult<qint64> last = Neighbour(std::numeric_limits<qint64>::max(), false);
    if (!last.ok())
        return DbResult<bool>::Failure(last.error());
    return last.value() == 0;
}

DbResult<std::optional<MessungRow>> MessungenCursor::CurrentRow() const
{
    if (currentId_ == 0)
        return std::optional<MessungRow>();
    return ReadTest(db_, currentId_);
}

DbResult<bool> MessungenCursor::ArchiveCurrent()
{
    if (QString error = Post(); !error.isEmpty())
        return DbResult<bool>::Failure(error);
    DbResult<std::optional<MessungRow>> row = CurrentRow();
    if (!row.ok())
        return DbResult<bool>::Failure(row.error());
    // A registration of blanks is no registration: such a test would belong
    // to no vehicle and never show up in the archive.
    if (!row.value() || row.value()->Kennzeichen.trimmed().isEmpty())
        return false;
    MessungRow archived = *row.value();
    // The archive lists a test only beside its vehicle. A registration changed
    // in the grid after the test was shown has none yet: create it, as
    // showing the test would have.
    const QString registration = archived.Kennzeichen.trimmed();
    const DbResult<std::optional<KfzRow>> vehicle = FindKfz(db_, registration);
    if (!vehicle.ok())
        return DbResult<bool>::Failure(vehicle.error());
    if (!vehicle.value()) {
        KfzRow created;
        created.Kennzeichen = registration;
        created.TueV = archived.HU.trimmed();
        created.AU = archived.AU.trimmed();
        if (archived.Km && *archived.Km >= 0 && *archived.Km <= std::numeric_limits<qint32>::max())
            created.Km = static_cast<qint32>(RoundHalfEven(*archived.Km));
        if (QString error = InsertKfz(db_, created); !error.isEmpty())
            return DbResult<bool>::Failure(error);
    }
    archived.Bearbeitet = QString::fromLatin1(Archived);
    DbResult<bool> updated = UpdateTest(db_, archived);
    if (!updated.ok())
        return updated;
    if (QString error = MoveOffRemoved(archived.Id); !error.isEmpty())
        return DbResult<bool>::Failure(error);
    return updated.value();
}

DbResult<bool> MessungenCursor::DeleteCurrent()
{
    if (currentId_ == 0)
        return false;
    const qint64 id = currentId_;
    if (QString error = Post(); !error.isEmpty())
        return DbResult<bool>::Failure(error);
    DbResult<bool> deleted = DeleteTest(db_, id);
    if (!deleted.ok())
        return deleted;
    if (QString error = MoveOffRemoved(id); !error.isEmpty())
        return DbResult<bool>::Failure(error);
    return deleted.value();
}

QString MessungenCursor::Refresh()
{
    if (QString error = Post(); !error.isEmpty())
        return error;
    if (QString error = untouched_->SelectUntouched(); !error.isEmpty())
        return error;
    // The grid lost its row with the reset; the cursor puts it back. A list
    // that was empty stands on its newest test: a list with rows always has a
    // current one, or saving and deleting would find nothing to act on.
    if (currentId_ == 0 && filtered_)
        return MoveToLast();
    if (currentId_ != 0) {
        current_->select();
        emit currentChanged(currentId_);
    }
    return {};
}

QString MessungenCursor::SetCurrent(qint64 id)
{
    // Every move posts the pending edit of the row it leaves.
    if (QString error = Post(); !error.isEmpty())
        return error;
    currentId_ = id;
    current_->setFilter(id > 0 ? IdFilter(id) : NoRow);
    if (!current_->select())
        return ErrorText(QStringLiteral("The test %1 cannot be read").arg(id), current_->lastError());
    emit currentChanged(id);
    return {};
}

QString MessungenCursor::MoveOffRemoved(qint64 removedId)
{
    if (QString error = untouched_->SelectUntouched(); !error.isEmpty())
        return error;
    DbResult<qint64> next = Neighbour(removedId, true);
    if (next.ok() && next.value() == 0)
        next = Neighbour(removedId, false);
    if (!next.ok())
        return next.error();
    return SetCurrent(next.value());
}

DbResult<qint64> MessungenCursor::Neighbour(qint64 id, bool after) const
{
    QString statement = after ? QStringLiteral("SELECT Id FROM Messungen WHERE Id > :id")
                              : QStringLiteral("SELECT Id FROM Messungen WHERE Id < :id");
    if (filtered_)
        statement += QStringLiteral(" AND Bearbeitet = 'n'");
    statement += after ? QStringLiteral(" ORDER BY Id LIMIT 1") : QStringLiteral(" ORDER BY Id DESC LIMIT 1");
    QSqlQuery query(db_);
    query.setForwardOnly(true);
    query.prepare(statement);
    query.bindValue(QStringLiteral(":id"), id);
    if (!query.exec())
        return DbResult<qint64>::Failure(ErrorText(QStringLiteral("The tests cannot be read"), query.lastError()));
    return query.next() ? query.value(0).toLongLong() : qint64(0);
}

void MessungenCursor::RefreshListRow(qint64 id)
{
    const int row = untouched_->RowOfId(id);
    if (row < 0)
        return;
    syncing_ = true;
    untouched_->ReloadRow(row);
    syncing_ = false;
}

} // namespace zevo
