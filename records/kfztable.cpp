#include "records/kfztable.h"

#include "records/fieldtext.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <iterator>

namespace zevo {

namespace {

// The columns of Kfz in the search dialog's order, which FindKfz and KfzList
// read and InsertKfz and UpdateKfz write; each is bound as ":" and its name in
// lower case. Km (an integer, or NULL when never entered) has no text member.
struct KfzColumn {
    const char* name;
    QString KfzRow::*text;
    int size; // characters a text is cut to
};

constexpr KfzColumn KfzColumnList[] = {
    {"Kennzeichen", &KfzRow::Kennzeichen, FieldSize::Kennzeichen},
    {"Fabrikat", &KfzRow::Fabrikat, FieldSize::KfzText},
    {"Modell", &KfzRow::Modell, FieldSize::KfzText},
    {"F_id", &KfzRow::F_id, FieldSize::KfzText},
    {"TueV", &KfzRow::TueV, FieldSize::Inspection},
    {"AU", &KfzRow::AU, FieldSize::Inspection},
    {"Inspektion", &KfzRow::Inspektion, FieldSize::Inspection},
    {"Reifen", &KfzRow::Reifen, FieldSize::Inspection},
    {"Km", nullptr, 0},
    {"Name", &KfzRow::Name, FieldSize::KfzText},
    {"Vorname", &KfzRow::Vorname, FieldSize::KfzText},
    {"Strasse", &KfzRow::Strasse, FieldSize::KfzText},
    {"Plz", &KfzRow::Plz, FieldSize::Plz},
    {"Ort", &KfzRow::Ort, FieldSize::KfzText},
    {"Telefon", &KfzRow::Telefon, FieldSize::KfzText},
    {"EMail", &KfzRow::EMail, FieldSize::KfzText},
};

QString ParameterOf(const KfzColumn& column)
{
    return QLatin1Char(':') + QString::fromLatin1(column.name).toLower();
}

enum class ListOf { Names, Parameters, Assignments };

// The columns joined by ", ": their names, their parameters, or "name = parameter".
QString ColumnList(ListOf what)
{
    QStringList parts;
    for (const KfzColumn& column : KfzColumnList) {
        const QString name = QString::fromLatin1(column.name);
        parts << (what == ListOf::Names        ? name
                  : what == ListOf::Parameters ? ParameterOf(column)
                                               : name + QStringLiteral(" = ") + ParameterOf(column));
    }
    return parts.join(QStringLiteral(", "));
}

const QString& KfzColumns()
{
    static const QString columns = ColumnList(ListOf::Names);
    return columns;
}

KfzRow RowOf(const QSqlQuery& query)
{
    KfzRow row;
    for (int i = 0; i < int(std::size(KfzColumnList)); ++i) {
        if (KfzColumnList[i].text) {
            row.*KfzColumnList[i].text = query.value(i).toString();
            continue;
        }
        bool isNumber = false;
        const int km = query.value(i).toInt(&isNumber);
        if (!query.value(i).isNull() && isNumber)
            row.Km = km;
    }
    return row;
}

// Binds every column's parameter, each text cut to its field size.
void BindFields(QSqlQuery& query, const KfzRow& row)
{
    for (const KfzColumn& column : KfzColumnList) {
        if (column.text)
            query.bindValue(ParameterOf(column), CutText(row.*column.text, column.size));
        else
            query.bindValue(ParameterOf(column), row.Km ? QVariant(*row.Km) : QVariant(QMetaType::fromType<int>()));
    }
}

// The first row a prepared query finds, read by `read`; nothing when it finds none.
template <typename T, typename Read>
DbResult<std::optional<T>> FirstRow(QSqlQuery& query, const QString& what, Read read)
{
    using Result = DbResult<std::optional<T>>;
    if (!query.exec())
        return Result::Failure(ErrorText(what, query.lastError()));
    if (!query.next())
        return Result(std::nullopt);
    return Result(read(query));
}

QString FirstText(const QSqlQuery& query)
{
    return query.value(0).toString();
}

} // namespace

DbResult<std::optional<KfzRow>> FindKfz(const QSqlDatabase& db, const QString& kennzeichen)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT %1 FROM Kfz WHERE Kennzeichen = :kennzeichen").arg(KfzColumns()));
    query.bindValue(QStringLiteral(":kennzeichen"), kennzeichen);
    return FirstRow<KfzRow>(query, QStringLiteral("The vehicle \"%1\" cannot be read").arg(kennzeichen), RowOf);
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
    query.prepare(QStringLiteral("INSERT INTO Kfz (%1) VALUES (%2)").arg(KfzColumns(), ColumnList(ListOf::Parameters)));
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
    query.prepare(QStringLiteral("UPDATE Kfz SET %1 WHERE Kennzeichen = :old").arg(ColumnList(ListOf::Assignments)));
    BindFields(query, row);
    query.bindValue(QStringLiteral(":old"), kennzeichen);
    if (!query.exec())
        return DbResult<bool>::Failure(
            ErrorText(QStringLiteral("The vehicle \"%1\" cannot be changed").arg(kennzeichen), query.lastError()));
    return query.numRowsAffected() > 0;
}

KeyedSelect KfzList()
{
    // The exact registration breaks ties of case, so the order (and a row
    // number in it) is the same on every run. The index on the registration
    // regardless of case (ASCII letters folded by lower(), on either
    // database) finds any place in the list.
    return {QStringLiteral("The vehicle list"),
            KfzColumns(),
            QStringLiteral("Kfz"),
            {},
            {{QStringLiteral("lower(Kennzeichen)"), 0, QStringLiteral("lower(?)")}, {QStringLiteral("Kennzeichen"), 0}},
            {}};
}

DbResult<std::optional<KfzPosition>> NearestKfz(const QSqlDatabase& db, const QString& typed)
{
    using Result = DbResult<std::optional<KfzPosition>>;
    const QString what = QStringLiteral("The vehicle list cannot be searched");

    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT Kennzeichen FROM Kfz WHERE lower(Kennzeichen) >= lower(:typed)"
                                 " ORDER BY lower(Kennzeichen), Kennzeichen LIMIT 1"));
    query.bindValue(QStringLiteral(":typed"), typed);
    DbResult<std::optional<QString>> found = FirstRow<QString>(query, what, FirstText);
    if (found.ok() && !found.value()) {
        // Past the last registration the list stays on its last row.
        query.prepare(QStringLiteral("SELECT Kennzeichen FROM Kfz ORDER BY lower(Kennzeichen) DESC,"
                                     " Kennzeichen DESC LIMIT 1"));
        found = FirstRow<QString>(query, what, FirstText);
    }
    if (!found.ok())
        return Result::Failure(found.error());
    if (!found.value())
        return Result(std::nullopt);

    // Its row: the vehicles before it in the list.
    const DbResult<int> before = CountKeys(db, KfzList(), std::nullopt, ListKey{*found.value(), *found.value()});
    if (!before.ok())
        return Result::Failure(before.error());
    return Result(KfzPosition{*found.value(), before.value()});
}

} // namespace zevo
