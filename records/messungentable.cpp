#include "records/messungentable.h"

#include "records/fieldtext.h"
#include "records/transaction.h"

#include <QSqlError>
#include <QSqlQuery>

namespace zevo {

namespace {

// A null QByteArray would be bound as NULL; an empty text is stored as an empty BLOB.
QByteArray Blob(const QByteArray& bytes)
{
    return bytes.isNull() ? QByteArray("") : bytes;
}

MessungRow RowOf(const QSqlQuery& query)
{
    MessungRow row;
    row.Id = query.value(0).toLongLong();
    row.Kennzeichen = query.value(1).toString();
    row.Datum = DateFromText(query.value(2));
    row.Uhrzeit = TimeFromText(query.value(3));
    row.AuftragsNr = query.value(4).toString();
    row.Km = NumberFromValue(query.value(5));
    row.HU = query.value(6).toString();
    row.Bearbeitet = query.value(7).toString();
    row.AU = query.value(8).toString();
    row.Druckdaten = query.value(9).toByteArray();
    row.Grafikdaten = query.value(10).toByteArray();
    return row;
}

void BindEditableFields(QSqlQuery& query, const MessungRow& row)
{
    query.bindValue(QStringLiteral(":kennzeichen"), CutText(row.Kennzeichen, FieldSize::Kennzeichen));
    query.bindValue(QStringLiteral(":auftragsnr"), CutText(row.AuftragsNr, FieldSize::AuftragsNr));
    query.bindValue(QStringLiteral(":km"), OptionalNumber(row.Km));
    query.bindValue(QStringLiteral(":hu"), CutText(row.HU, FieldSize::Inspection));
    query.bindValue(QStringLiteral(":au"), CutText(row.AU, FieldSize::Inspection));
    query.bindValue(QStringLiteral(":bearbeitet"), CutText(row.Bearbeitet, FieldSize::Bearbeitet));
}

} // namespace

DbResult<qint64> InsertTest(const QSqlDatabase& db, const MessungRow& row)
{
    // Without a date the clean-up could never judge the test's age.
    if (!row.Datum.isValid() || !row.Uhrzeit.isValid())
        return DbResult<qint64>::Failure(QStringLiteral("The test cannot be stored: it has no valid date and time."));

    Transaction transaction(db);
    if (QString error = transaction.Begin(); !error.isEmpty())
        return DbResult<qint64>::Failure(error);
    qint64 id = 0;
    {
        QSqlQuery query(db);
        query.prepare(QStringLiteral(
            "INSERT INTO Messungen (Kennzeichen, Datum, Uhrzeit, AuftragsNr, Km, HU, Bearbeitet, AU, Druckdaten,"
            " Grafikdaten) VALUES (:kennzeichen, :datum, :uhrzeit, :auftragsnr, :km, :hu, :bearbeitet, :au,"
            " :druckdaten, :grafikdaten) RETURNING Id"));
        BindEditableFields(query, row);
        query.bindValue(QStringLiteral(":datum"), DateText(row.Datum));
        query.bindValue(QStringLiteral(":uhrzeit"), TimeText(row.Uhrzeit));
        query.bindValue(QStringLiteral(":druckdaten"), Blob(row.Druckdaten));
        query.bindValue(QStringLiteral(":grafikdaten"), Blob(row.Grafikdaten));
        if (!query.exec())
            return DbResult<qint64>::Failure(ErrorText(QStringLiteral("The test cannot be stored"), query.lastError()));
        // The database assigns the Id (on a server shared by several lanes).
        if (query.next())
            id = query.value(0).toLongLong();
    }
    if (id <= 0)
        return DbResult<qint64>::Failure(QStringLiteral("The test cannot be stored: the table gave it no Id."));
    if (QString error = transaction.Commit(); !error.isEmpty())
        return DbResult<qint64>::Failure(error);
    return id;
}

DbResult<qint64> FindStoredTest(const QSqlDatabase& db, const MessungRow& row)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    // The registration leads through its index to a handful of rows.
    query.prepare(QStringLiteral("SELECT Id FROM Messungen WHERE Kennzeichen = :kennzeichen AND Datum = :datum"
                                 " AND Uhrzeit = :uhrzeit AND Druckdaten = :druckdaten AND Grafikdaten = :grafikdaten"
                                 " ORDER BY Id LIMIT 1"));
    query.bindValue(QStringLiteral(":kennzeichen"), CutText(row.Kennzeichen, FieldSize::Kennzeichen));
    query.bindValue(QStringLiteral(":datum"), DateText(row.Datum));
    query.bindValue(QStringLiteral(":uhrzeit"), TimeText(row.Uhrzeit));
    query.bindValue(QStringLiteral(":druckdaten"), Blob(row.Druckdaten));
    query.bindValue(QStringLiteral(":grafikdaten"), Blob(row.Grafikdaten));
    if (!query.exec())
        return DbResult<qint64>::Failure(
            ErrorText(QStringLiteral("The database cannot be searched for the test"), query.lastError()));
    return query.next() ? query.value(0).toLongLong() : qint64(0);
}

DbResult<std::optional<MessungRow>> ReadTest(const QSqlDatabase& db, qint64 id)
{
    using Result = DbResult<std::optional<MessungRow>>;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT Id, Kennzeichen, Datum, Uhrzeit, AuftragsNr, Km, HU, Bearbeitet, AU,"
                                 " Druckdaten, Grafikdaten FROM Messungen WHERE Id = :id"));
    query.bindValue(QStringLiteral(":id"), id);
    if (!query.exec())
        return Result::Failure(ErrorText(QStringLiteral("Test %1 cannot be read").arg(id), query.lastError()));
    if (!query.next())
        return Result(std::nullopt);
    return Result(RowOf(query));
}

DbResult<qint64> LastUntouchedId(const QSqlDatabase& db)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT Id FROM Messungen WHERE Bearbeitet = 'n' ORDER BY Id DESC LIMIT 1")))
        return DbResult<qint64>::Failure(
            ErrorText(QStringLiteral("The newest untouched test cannot be found"), query.lastError()));
    return query.next() ? query.value(0).toLongLong() : qint64(0);
}

DbResult<bool> UpdateTest(const QSqlDatabase& db, const MessungRow& row)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral("UPDATE Messungen SET Kennzeichen = :kennzeichen, AuftragsNr = :auftragsnr,"
                                 " Km = :km, HU = :hu, AU = :au, Bearbeitet = :bearbeitet WHERE Id = :id"));
    BindEditableFields(query, row);
    query.bindValue(QStringLiteral(":id"), row.Id);
    if (!query.exec())
        return DbResult<bool>::Failure(
            ErrorText(QStringLiteral("Test %1 cannot be changed").arg(row.Id), query.lastError()));
    return query.numRowsAffected() > 0;
}

DbResult<bool> UpdateTestField(const QSqlDatabase& db, qint64 id, EditableField field, const QVariant& value)
{
    struct Column {
        const char* name;
        int size; // 0: a number
    };
    static constexpr Column Columns[] = {{"Kennzeichen", FieldSize::Kennzeichen},
                                         {"AuftragsNr", FieldSize::AuftragsNr},
                                         {"Km", 0},
                                         {"HU", FieldSize::Inspection},
                                         {"AU", FieldSize::Inspection}};
    const Column& column = Columns[int(field)];
    QSqlQuery query(db);
    query.prepare(QStringLiteral("UPDATE Messungen SET %1 = :value WHERE Id = :id").arg(QLatin1String(column.name)));
    if (column.size > 0)
        query.bindValue(QStringLiteral(":value"), CutText(value.toString(), column.size));
    else
        query.bindValue(QStringLiteral(":value"),
                        OptionalNumber(value.isNull() ? std::nullopt : std::optional<double>(value.toDouble())));
    query.bindValue(QStringLiteral(":id"), id);
    if (!query.exec())
        return DbResult<bool>::Failure(
            ErrorText(QStringLiteral("Test %1 cannot be changed").arg(id), query.lastError()));
    return query.numRowsAffected() > 0;
}

KeyedSelect UntouchedTests()
{
    return {QStringLiteral("The list of current tests"),
            QStringLiteral("Id, Kennzeichen, Datum, Uhrzeit, AuftragsNr, Km, HU, Bearbeitet, AU"),
            QString::fromLatin1(MessungenTable),
            QStringLiteral("Bearbeitet = 'n'"),
            {{QStringLiteral("Id"), 0}},
            {}};
}

DbResult<bool> DeleteTest(const QSqlDatabase& db, qint64 id)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral("DELETE FROM Messungen WHERE Id = :id"));
    query.bindValue(QStringLiteral(":id"), id);
    if (!query.exec())
        return DbResult<bool>::Failure(
            ErrorText(QStringLiteral("Test %1 cannot be deleted").arg(id), query.lastError()));
    return query.numRowsAffected() > 0;
}

DbResult<int> DeleteUntouchedTestsBefore(const QSqlDatabase& db, QDate cutoff)
{
    if (!cutoff.isValid())
        return DbResult<int>::Failure(QStringLiteral("Old tests cannot be deleted: the cut-off date is invalid."));
    const QString what = QStringLiteral("Old untouched tests cannot be deleted");
    // ISO dates compare as text in date order; the index on (Bearbeitet,
    // Datum) leads straight to the old untouched tests among a million. The
    // oldest untouched test's day bounds the range from below as well: a
    // server's planner takes Bearbeitet and Datum for independent and, with
    // years of archived tests before the cut-off and many untouched ones,
    // would expect a large part of the table and read all of it; between two
    // known days it sees how few rows the range holds.
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT MIN(Datum) FROM Messungen WHERE Bearbeitet = 'n'")))
        return DbResult<int>::Failure(ErrorText(what, query.lastError()));
    if (!query.next() || query.value(0).isNull())
        return 0; // no untouched test
    const QVariant oldest = query.value(0);
    query.finish();
    query.prepare(QStringLiteral("DELETE FROM Messungen WHERE Bearbeitet = 'n' AND Datum >= :oldest"
                                 " AND Datum < :cutoff"));
    query.bindValue(QStringLiteral(":oldest"), oldest);
    query.bindValue(QStringLiteral(":cutoff"), DateText(cutoff));
    if (!query.exec())
        return DbResult<int>::Failure(ErrorText(what, query.lastError()));
    return query.numRowsAffected();
}

} // namespace zevo
