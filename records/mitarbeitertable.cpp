#include "records/mitarbeitertable.h"

#include "records/database.h"
#include "records/fieldtext.h"
#include "records/transaction.h"

#include <QSqlError>
#include <QSqlQuery>

namespace zevo {

DbResult<QStringList> ReadEmployeeLines(const QSqlDatabase& db, int maxLines)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    // In an SQLite file rowid is the Id of the program's own table (INTEGER
    // PRIMARY KEY), and the table order of a table Mitarbeiter that has no
    // Id; a server has no rowid, and its table always has the Id.
    // A statement SQLite refuses (no such table or column) fails at prepare;
    // its error says why, where exec would only miss the bound value.
    if (!query.prepare(QStringLiteral("SELECT Text FROM Mitarbeiter ORDER BY %1 LIMIT :count")
                           .arg(OnServer(db) ? QLatin1String("Id") : QLatin1String("rowid"))))
        return DbResult<QStringList>::Failure(
            ErrorText(QStringLiteral("The employee lines cannot be read"), query.lastError()));
    query.bindValue(QStringLiteral(":count"), qMax(0, maxLines));
    if (!query.exec())
        return DbResult<QStringList>::Failure(
            ErrorText(QStringLiteral("The employee lines cannot be read"), query.lastError()));
    QStringList lines;
    while (query.next())
        lines.append(CutText(query.value(0).toString(), FieldSize::MitarbeiterText));
    return lines;
}

QString ReplaceEmployeeLines(const QSqlDatabase& db, const QStringList& lines)
{
    const QString what = QStringLiteral("The employee lines cannot be stored");
    Transaction transaction(db);
    if (QString error = transaction.Begin(); !error.isEmpty())
        return error;
    {
        QSqlQuery query(db);
        if (!query.exec(QStringLiteral("DELETE FROM Mitarbeiter")))
            return ErrorText(what, query.lastError());
        query.prepare(QStringLiteral("INSERT INTO Mitarbeiter (Text) VALUES (:text)"));
        for (const QString& line : lines) {
            query.bindValue(QStringLiteral(":text"), CutText(line, FieldSize::MitarbeiterText));
            if (!query.exec())
                return ErrorText(what, query.lastError());
        }
    }
    return transaction.Commit();
}

} // namespace zevo
