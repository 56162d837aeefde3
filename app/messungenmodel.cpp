#include "app/messungenmodel.h"

#include "app/displaytext.h"
#include "records/messungentable.h"

namespace zevo {

MessungenModel::MessungenModel(const QSqlDatabase& db, EditStrategy strategy, QObject* parent)
    : QSqlTableModel(parent, db)
{
    setTable(QString::fromLatin1(MessungenTable));
    setEditStrategy(strategy);
}

QString MessungenModel::selectStatement() const
{
    // The columns are named so that the BLOBs stay out; the table model still
    // updates by the primary key Id, which is among them.
    QString statement =
        QStringLiteral("SELECT Id, Kennzeichen, Datum, Uhrzeit, AuftragsNr, Km, HU, Bearbeitet, AU FROM Messungen");
    if (!filter().isEmpty())
        statement += QStringLiteral(" WHERE ") + filter();
    return statement + QStringLiteral(" ORDER BY Id");
}

Qt::ItemFlags MessungenModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags result = QSqlTableModel::flags(index);
    switch (index.column()) {
    case Id:
    case Datum:
    case Uhrzeit:
    case Bearbeitet:
        result &= ~Qt::ItemIsEditable;
        break;
    default:
        break;
    }
    return result;
}

QVariant MessungenModel::data(const QModelIndex& index, int role) const
{
    if (role == Qt::DisplayRole && index.column() == Datum)
        return DateDisplayText(QSqlTableModel::data(index, Qt::EditRole));
    if (role == Qt::DisplayRole && index.column() == Km)
        return KmDisplayText(QSqlTableModel::data(index, Qt::EditRole));
    return QSqlTableModel::data(index, role);
}

qint64 MessungenModel::IdAt(int row) const
{
    if (row < 0 || row >= rowCount())
        return 0;
    return QSqlTableModel::data(index(row, Id), Qt::EditRole).toLongLong();
}

int MessungenModel::RowOfId(qint64 id)
{
    if (id <= 0)
        return -1;
    // Rows come in Id order: fetch until the last fetched row reaches the Id.
    while (canFetchMore() && (rowCount() == 0 || IdAt(rowCount() - 1) < id))
        fetchMore();
    int low = 0;
    int high = rowCount() - 1;
    while (low <= high) {
        const int middle = low + (high - low) / 2;
        const qint64 found = IdAt(middle);
        if (found == id)
            return middle;
        if (found < id)
            low = middle + 1;
        else
            high = middle - 1;
    }
    return -1;
}

} // namespace zevo
