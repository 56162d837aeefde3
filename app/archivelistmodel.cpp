#include "app/archivelistmodel.h"

#include "app/displaytext.h"

namespace zevo {

QVariant ArchiveListModel::data(const QModelIndex& index, int role) const
{
    if (role == Qt::DisplayRole && index.column() == Datum)
        return DateDisplayText(QSqlQueryModel::data(index, Qt::EditRole));
    if (role == Qt::DisplayRole && index.column() == Km)
        return KmDisplayText(QSqlQueryModel::data(index, Qt::EditRole));
    return QSqlQueryModel::data(index, role);
}

qint64 ArchiveListModel::IdAt(int row) const
{
    if (row < 0 || row >= rowCount())
        return 0;
    return QSqlQueryModel::data(index(row, Id), Qt::EditRole).toLongLong();
}

} // namespace zevo
