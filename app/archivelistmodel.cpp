#include "app/archivelistmodel.h"

#include "app/displaytext.h"

namespace zevo {

QVariant ArchiveListModel::data(const QModelIndex& index, int role) const
{
    if (role == Qt::DisplayRole && index.column() == Datum)
        return DateDisplayText(Value(index.row(), Datum));
    if (role == Qt::DisplayRole && index.column() == Km)
        return KmDisplayText(Value(index.row(), Km));
    return WindowedModel::data(index, role);
}

} // namespace zevo
