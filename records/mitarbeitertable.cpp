#include "records/mitarbeitertable.h"

#include "records/fieldtext.h"
#include "records/transaction.h"

#include <QSqlError>
#include <QSqlQuery>

namespace zevo {

DbResult<QStringList> ReadEmployeeLines(const QSqlDatabase& db, int maxLines)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT Text FROM Mitarbeiter ORDER BY Id LIMIT :count"));
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
