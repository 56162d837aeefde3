#include "app/messungenrowmodel.h"

#include "records/database.h"
#include "records/messungentable.h"

namespace zevo {

MessungenRowModel::MessungenRowModel(const QSqlDatabase& db, QObject* parent) : QSqlTableModel(parent, db)
{
    setTable(ModelTableName(db, MessungenTable));
    setEditStrategy(OnManualSubmit);
}

QString MessungenRowModel::selectStatement() const
{
    // The columns are named so that the BLOBs stay out; the table model still
    // updates by the primary key Id, which is among them.
    QString statement =
        QStringLiteral("SELECT Id, Kennzeichen, Datum, Uhrzeit, AuftragsNr, Km, HU, Bearbeitet, AU FROM Messungen");
    if (!filter().isEmpty())
        statement += QStringLiteral(" WHERE ") + filter();
    return statement;
}

} // namespace zevo
