#include "records/archivequery.h"

#include "records/fieldtext.h"

#include <QSqlError>

namespace zevo {

namespace {

const QString& ArchiveSelect()
{
    static const QString select = QStringLiteral(
        "SELECT Messungen.Id AS id, Messungen.Kennzeichen AS Kennzeichen, Messungen.Datum AS Datum,"
        " Messungen.Uhrzeit AS Uhrzeit, Messungen.AuftragsNr AS AuftragsNr, Messungen.Km AS km, Messungen.HU AS hu,"
        " Messungen.AU AS au, Kfz.Name AS Name, Kfz.Vorname AS Vorname"
        " FROM Kfz INNER JOIN Messungen ON Kfz.Kennzeichen = Messungen.Kennzeichen"
        " WHERE Messungen.Bearbeitet = 'j'");
    return select;
}

DbResult<QSqlQuery> Run(QSqlQuery&& query)
{
    if (!query.exec())
        return DbResult<QSqlQuery>::Failure(
            ErrorText(QStringLiteral("The test archive cannot be read"), query.lastError()));
    return DbResult<QSqlQuery>(std::move(query));
}

} // namespace

DbResult<QSqlQuery> ArchiveList(const QSqlDatabase& db)
{
    QSqlQuery query(db);
    query.prepare(ArchiveSelect() + QStringLiteral(" ORDER BY Messungen.Id"));
    return Run(std::move(query));
}

DbResult<QSqlQuery> ArchiveSearch(const QSqlDatabase& db, const QString& kennzeichen)
{
    QSqlQuery query(db);
    query.prepare(ArchiveSelect() + QStringLiteral(" AND Kfz.Kennzeichen = :kennzeichen ORDER BY Messungen.Id"));
    query.bindValue(QStringLiteral(":kennzeichen"), kennzeichen);
    return Run(std::move(query));
}

} // namespace zevo
