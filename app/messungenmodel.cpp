#include "app/messungenmodel.h"

#include "app/displaytext.h"
#include "records/messungentable.h"

namespace zevo {

namespace {

std::optional<EditableField> EditableFieldOf(int column)
{
    switch (column) {
    case MessungenModel::Kennzeichen:
        return EditableField::Kennzeichen;
    case MessungenModel::AuftragsNr:
        return EditableField::AuftragsNr;
    case MessungenModel::Km:
        return EditableField::Km;
    case MessungenModel::HU:
        return EditableField::HU;
    case MessungenModel::AU:
        return EditableField::AU;
    default:
        return std::nullopt;
    }
}

} // namespace

MessungenModel::MessungenModel(const QSqlDatabase& db, QObject* parent) : WindowedModel(db, parent) {}

QString MessungenModel::SelectUntouched()
{
    return Select(UntouchedTests());
}

Qt::ItemFlags MessungenModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags result = WindowedModel::flags(index);
    if (index.isValid() && EditableFieldOf(index.column()))
        result |= Qt::ItemIsEditable;
    return result;
}

QVariant MessungenModel::data(const QModelIndex& index, int role) const
{
    if (role == Qt::DisplayRole && index.column() == Datum)
        return DateDisplayText(Value(index.row(), Datum));
    if (role == Qt::DisplayRole && index.column() == Km)
        return KmDisplayText(Value(index.row(), Km));
    return WindowedModel::data(index, role);
}

bool MessungenModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    const std::optional<EditableField> field = EditableFieldOf(index.column());
    const qint64 id = IdAt(index.row());
    if (role != Qt::EditRole || !index.isValid() || !field || id == 0)
        return false;
    const DbResult<bool> updated = UpdateTestField(Database(), id, *field, value);
    if (!updated.ok()) {
        ReportError(updated.error());
        return false;
    }
    // The row as stored, for the grid and for the cursor, which follows an
    // edit of its own row.
    ReloadRow(index.row());
    return updated.value();
}

} // namespace zevo
