#include "records/keyedselect.h"

#include "records/fieldtext.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <algorithm>

namespace zevo {

namespace {

// The list's condition and the key bounds, with their values in order.
class Condition {
  public:
    explicit Condition(const KeyedSelect& select) : select_(select), values_(select.values)
    {
        if (!select.where.isEmpty())
            terms_ << QLatin1Char('(') + select.where + QLatin1Char(')');
    }

    // Keys after (`after`) or before the key, or the key itself too. With
    // several terms the first is bounded on its own as well, so that an index
    // on it seeks to the key.
    void Bound(const ListKey& key, bool after, bool including = false)
    {
        const QString comparison =
            QString::fromLatin1(after ? (including ? " >= " : " > ") : (including ? " <= " : " < "));
        if (select_.key.size() > 1) {
            terms_ << select_.key.first().term + (after ? QStringLiteral(" >= ") : QStringLiteral(" <= ")) +
                          select_.key.first().bound;
            values_ << key.value(0);
        }
        QStringList terms;
        QStringList marks;
        for (const KeyTerm& term : select_.key) {
            terms << term.term;
            marks << term.bound;
        }
        terms_ << QLatin1Char('(') + terms.join(", ") + QLatin1Char(')') + comparison + QLatin1Char('(') +
                      marks.join(", ") + QLatin1Char(')');
        for (int i = 0; i < select_.key.size(); ++i)
            values_ << key.value(i);
    }

    void Value(const QVariant& value) { values_ << value; }

    QString Text() const { return terms_.isEmpty() ? QString() : QStringLiteral(" WHERE ") + terms_.join(" AND "); }
    const QVariantList& Values() const { return values_; }

  private:
    const KeyedSelect& select_;
    QStringList terms_;
    QVariantList values_;
};

QString Terms(const KeyedSelect& select, const QString& suffix = {})
{
    QStringList terms;
    for (const KeyTerm& term : select.key)
        terms << term.term + suffix;
    return terms.join(", ");
}

QString Order(const KeyedSelect& select, bool backward)
{
    return QStringLiteral(" ORDER BY ") + Terms(select, backward ? QStringLiteral(" DESC") : QString());
}

bool Run(QSqlQuery& query, const QString& statement, const Condition& condition)
{
    query.setForwardOnly(true);
    if (!query.prepare(statement))
        return false;
    for (const QVariant& value : condition.Values())
        query.addBindValue(value);
    return query.exec();
}

// The name of each column of a select list: its alias, or the column without
// its table. Taken from the list rather than from the database, which on a
// server gives every unquoted name in lower case.
QStringList ColumnNames(const QString& columns)
{
    QStringList names;
    for (QString column : columns.split(QLatin1Char(','))) {
        column = column.trimmed();
        const qsizetype alias = column.lastIndexOf(QLatin1String(" AS "), -1, Qt::CaseInsensitive);
        names << (alias >= 0 ? column.mid(alias + 4) : column.mid(column.lastIndexOf(QLatin1Char('.')) + 1)).trimmed();
    }
    return names;
}

QString ReadError(const KeyedSelect& select, const QSqlQuery& query)
{
    return ErrorText(select.what + QStringLiteral(" cannot be read"), query.lastError());
}

} // namespace

ListKey KeyOf(const KeyedSelect& select, const QVariantList& row)
{
    ListKey key;
    for (const KeyTerm& term : select.key)
        key << row.value(term.column);
    return key;
}

DbResult<int> CountKeys(const QSqlDatabase& db, const KeyedSelect& select, const std::optional<ListKey>& above,
                        const std::optional<ListKey>& below)
{
    Condition condition(select);
    if (above)
        condition.Bound(*above, true);
    if (below)
        condition.Bound(*below, false);
    QSqlQuery query(db);
    if (!Run(query, QStringLiteral("SELECT COUNT(*) FROM ") + select.from + condition.Text(), condition) ||
        !query.next())
        return DbResult<int>::Failure(ReadError(select, query));
    return query.value(0).toInt();
}

DbResult<KeyedRows> ReadRows(const QSqlDatabase& db, const KeyedSelect& select, const RowWindow& window)
{
    const QString order = Order(select, window.backward);
    QSqlQuery query(db);
    std::optional<ListKey> from = window.from;
    if (window.skip > 0) {
        // The rows passed over are counted off by their keys alone, which an
        // index holds; then the window is read from the last key passed.
        Condition keys(select);
        if (from)
            keys.Bound(*from, !window.backward, window.including);
        keys.Value(window.skip - 1);
        if (!Run(query,
                 QStringLiteral("SELECT ") + Terms(select) + QStringLiteral(" FROM ") + select.from + keys.Text() +
                     order + QStringLiteral(" LIMIT 1 OFFSET ?"),
                 keys))
            return DbResult<KeyedRows>::Failure(ReadError(select, query));
        if (!query.next())
            return KeyedRows{};
        from = ListKey();
        for (int i = 0; i < select.key.size(); ++i)
            *from << query.value(i);
    }

    Condition rows(select);
    if (from)
        rows.Bound(*from, !window.backward, window.including && window.skip == 0);
    rows.Value(window.count);
    if (!Run(query,
             QStringLiteral("SELECT ") + select.columns + QStringLiteral(" FROM ") + select.from + rows.Text() + order +
                 QStringLiteral(" LIMIT ?"),
             rows))
        return DbResult<KeyedRows>::Failure(ReadError(select, query));
    KeyedRows result;
    result.names = ColumnNames(select.columns);
    const int columns = query.record().count();
    while (query.next()) {
        QVariantList row;
        row.reserve(columns);
        for (int column = 0; column < columns; ++column)
            row << query.value(column);
        result.rows << row;
    }
    if (query.lastError().isValid())
        return DbResult<KeyedRows>::Failure(ReadError(select, query));
    if (window.backward)
        std::reverse(result.rows.begin(), result.rows.end());
    return result;
}

} // namespace zevo
