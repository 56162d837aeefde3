#include "records/kfztable.h"

#include "records/fieldtext.h"

#include <QSqlError>

namespace zevo {

namespace {

// The search dialog's column order; FindKfz reads the same list.
const QString& KfzColumns()
{
    static const QString columns =
        QStringLiteral("Kennzeichen, Fabrikat, Modell, F_id, TueV, AU, Inspektion, Reifen, Km, Name, Vorname,"
                       " Strasse, Plz, Ort, Telefon, EMail");
    return columns;
}

// The list order of the search dialog. The exact registration breaks ties of
// case, so the order (and a row number in it) is the same on every run.
const QString& KfzOrder()
{
    static const QString order = QStringLiteral(" ORDER BY Kennzeichen COLLATE NOCASE, Kennzeichen");
    return order;
}

KfzRow RowOf(const QSqlQuery& query)
{
    KfzRow row;
    row.Kennzeichen = query.value(0).toString();
    row.Fabrikat = query.value(1).toString();
    row.Modell = query.value(2).toString();
    row.F_id = query.value(3).toString();
    row.TueV = query.value(4).toString();
    row.AU = query.value(5).toString();
    row.Inspektion = query.value(6).toString();
    row.Reifen = query.value(7).toString();
    bool isNumber = false;
    const int km = query.value(8).toInt(&isNumber);
    if (!query.value(8).isNull() && isNumber)
        row.Km = km;
    row.Name = query.value(9).toString();
    row.Vorname = query.value(10).toString();
    row.Strasse = query.value(11).toString();
    row.Plz = query.value(12).toString();
    row.Ort = query.value(13).toString();
    row.Telefon = query.value(14).toString();
    row.EMail = query.value(15).toString();
    return row;
}

// Binds :kennzeichen .. :email, each text cut to its field size.
void BindFields(QSqlQuery& query, const KfzRow& row)
{
    const struct {
        const char* name;
        const QString& text;
        int size;
    } texts[] = {
        {":kennzeichen", row.Kennzeichen, FieldSize::Kennzeichen},
        {":fabrikat", row.Fabrikat, FieldSize::KfzText},
        {":modell", row.Modell, FieldSize::KfzText},
        {":f_id", row.F_id, FieldSize::KfzText},
        {":tuev", row.TueV, FieldSize::Inspection},
        {":au", row.AU, FieldSize::Inspection},
        {":inspektion", row.Inspektion, FieldSize::Inspection},
        {":reifen", row.Reifen, FieldSize::Inspection},
        {":name", row.Name, FieldSize::KfzText},
        {":vorname", row.Vorname, FieldSize::KfzText},
        {":strasse", row.Strasse, FieldSize::KfzText},
        {":plz", row.Plz, FieldSize::Plz},
        {":ort", row.Ort, FieldSize::KfzText},
        {":telefon", row.Telefon, FieldSize::KfzText},
        {":email", row.EMail, FieldSize::KfzText},
    };
    for (const auto& field : texts)
        query.bindValue(QString::fromLatin1(field.name), CutText(field.text, field.size));
    query.bindValue(QStringLiteral(":km"), row.Km ? QVariant(*row.Km) : QVariant(QMetaType::fromType<int>()));
}

// One row found by a prepared query that selects KfzColumns().
DbResult<std::optional<KfzRow>> FirstRow(QSqlQuery& query, const QString& what)
{
    using Result = DbResult<std::optional<KfzRow>>;
    if (!query.exec())
        return Result::Failure(ErrorText(what, query.lastError()));
    if (!query.next())
        return Result(std::nullopt);
    return Result(RowOf(query));
}

DbResult<std::optional<QString>> FirstText(QSqlQuery& query, const QString& what)
{
    using Result = DbResult<std::optional<QString>>;
    if (!query.exec())
        return Result::Failure(ErrorText(what, query.lastError()));
    if (!query.next())
        return Result(std::nullopt);
    return Result(query.value(0).toString());
}

} // namespace

DbResult<std::optional<KfzRow>> FindKfz(const QSqlDatabase& db, const QString& kennzeichen)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT %1 FROM Kfz WHERE Kennzeichen = :kennzeichen").arg(KfzColumns()));
    query.bindValue(QStringLiteral(":kennzeichen"), kennzeichen);
    return FirstRow(query, QStringLiteral("The vehicle \"%1\" cannot be read").arg(kennzeichen));
}

DbResult<std::optional<KfzRow>> LookupKfz(const QSqlDatabase& db, const QString& registration)
{
    return FindKfz(db, registration.trimmed());
}

QString InsertKfz(const QSqlDatabase& db, const KfzRow& row)
{
    if (row.Kennzeichen.isEmpty())
        return QStringLiteral("A vehicle without a registration cannot be stored.");
    QSqlQuery query(db);
    query.prepare(QStringLiteral(
        "INSERT INTO Kfz (Kennzeichen, Fabrikat, Modell, F_id, TueV, AU, Inspektion, Reifen, Km, Name, Vorname,"
        " Strasse, Plz, Ort, Telefon, EMail) VALUES (:kennzeichen, :fabrikat, :modell, :f_id, :tuev, :au,"
        " :inspektion, :reifen, :km, :name, :vorname, :strasse, :plz, :ort, :telefon, :email)"));
    BindFields(query, row);
    if (!query.exec())
        return ErrorText(QStringLiteral("The vehicle \"%1\" cannot be stored").arg(row.Kennzeichen), query.lastError());
    return {};
}

DbResult<bool> UpdateKfz(const QSqlDatabase& db, const QString& kennzeichen, const KfzRow& row)
{
    if (row.Kennzeichen.isEmpty())
        return DbResult<bool>::Failure(QStringLiteral("A vehicle without a registration cannot be stored."));
    QSqlQuery query(db);
    query.prepare(QStringLiteral(
        "UPDATE Kfz SET Kennzeichen = :kennzeichen, Fabrikat = :fabrikat, Modell = :modell, F_id = :f_id,"
        " TueV = :tuev, AU = :au, Inspektion = :inspektion, Reifen = :reifen, Km = :km, Name = :name,"
        " Vorname = :vorname, Strasse = :strasse, Plz = :plz, Ort = :ort, Telefon = :telefon, EMail = :email"
        " WHERE Kennzeichen = :old"));
    BindFields(query, row);
    query.bindValue(QStringLiteral(":old"), kennzeichen);
    if (!query.exec())
        return DbResult<bool>::Failure(
            ErrorText(QStringLiteral("The vehicle \"%1\" cannot be changed").arg(kennzeichen), query.lastError()));
    return query.numRowsAffected() > 0;
}

DbResult<QSqlQuery> KfzList(const QSqlDatabase& db)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT %1 FROM Kfz").arg(KfzColumns()) + KfzOrder()))
        return DbResult<QSqlQuery>::Failure(
            ErrorText(QStringLiteral("The vehicles cannot be listed"), query.lastError()));
    return DbResult<QSqlQuery>(std::move(query));
}

DbResult<std::optional<KfzPosition>> NearestKfz(const QSqlDatabase& db, const QString& typed)
{
    using Result = DbResult<std::optional<KfzPosition>>;
    const QString what = QStringLiteral("The vehicle list cannot be searched");

    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT Kennzeichen FROM Kfz WHERE Kennzeichen >= :typed COLLATE NOCASE") +
                  KfzOrder() + QStringLiteral(" LIMIT 1"));
    query.bindValue(QStringLiteral(":typed"), typed);
    DbResult<std::optional<QString>> found = FirstText(query, what);
    if (found.ok() && !found.value()) {
        // Past the last registration the list stays on its last row.
        query.prepare(QStringLiteral("SELECT Kennzeichen FROM Kfz ORDER BY Kennzeichen COLLATE NOCASE DESC,"
                                     " Kennzeichen DESC LIMIT 1"));
        found = FirstText(query, what);
    }
    if (!found.ok())
        return Result::Failure(found.error());
    if (!found.value())
        return Result(std::nullopt);

    KfzPosition position{*found.value(), 0};
    query.prepare(QStringLiteral("SELECT COUNT(*) FROM Kfz WHERE Kennzeichen < :found COLLATE NOCASE"
                                 " OR (Kennzeichen = :found COLLATE NOCASE AND Kennzeichen < :found)"));
    query.bindValue(QStringLiteral(":found"), position.Kennzeichen);
    if (!query.exec() || !query.next())
        return Result::Failure(ErrorText(what, query.lastError()));
    position.Row = query.value(0).toInt();
    return Result(position);
}

} // namespace zevo
