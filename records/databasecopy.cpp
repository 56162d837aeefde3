#include "records/databasecopy.h"

#include "records/database.h"
#include "records/fieldtext.h"
#include "records/keyedselect.h"
#include "records/transaction.h"

#include <QHash>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace zevo {

namespace {

// A table as the copy sees it. The lists follow the table definitions of
// database.cpp; a table whose columns differ from them is refused, so a
// column added there and forgotten here is never left behind unnoticed.
struct CopiedTable {
    QString name;
    QStringList columns; // every column, the key first
    QStringList blobs;   // the columns of bytes among them
    bool identity;       // the key is an Id the database assigns

    const QString& Key() const { return columns.first(); }
};

const QList<CopiedTable>& CopiedTables()
{
    static const QList<CopiedTable> tables = {
        {QStringLiteral("Messungen"),
         {"Id", "Kennzeichen", "Datum", "Uhrzeit", "AuftragsNr", "Km", "HU", "Bearbeitet", "AU", "Druckdaten",
          "Grafikdaten"},
         {"Druckdaten", "Grafikdaten"},
         true},
        {QStringLiteral("Kfz"),
         {"Kennzeichen", "Fabrikat", "Modell", "F_id", "Km", "AU", "Inspektion", "Reifen", "TueV", "Name", "Vorname",
          "Strasse", "Plz", "Ort", "Telefon", "EMail"},
         {},
         false},
        {QStringLiteral("Mitarbeiter"), {"Id", "Text"}, {}, true},
    };
    return tables;
}

QString RowName(const CopiedTable& table, const QVariant& key)
{
    return table.identity ? QStringLiteral("%1 Id %2").arg(table.name, key.toString())
                          : QStringLiteral("%1 \"%2\"").arg(table.name, key.toString());
}

QString CheckTableColumns(const QSqlDatabase& db, const CopiedTable& table, const QString& which)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT * FROM %1 WHERE 1 = 0").arg(table.name)))
        return ErrorText(QStringLiteral("The table %1 of the %2 cannot be read").arg(table.name, which),
                         query.lastError());
    QStringList found; // a server gives unquoted names in lower case
    for (int i = 0; i < query.record().count(); ++i)
        found << query.record().fieldName(i).toLower();
    QStringList known = table.columns.join(QLatin1Char(',')).toLower().split(QLatin1Char(','));
    found.sort();
    known.sort();
    if (found == known)
        return {};
    return QStringLiteral("The table %1 of the %2 has the columns %3; the copy knows %4.")
        .arg(table.name, which, found.join(QStringLiteral(", ")), known.join(QStringLiteral(", ")));
}

DbResult<QStringList> TablesWithRows(const QSqlDatabase& db)
{
    QStringList tables;
    QSqlQuery query(db);
    for (const CopiedTable& table : CopiedTables()) {
        if (!query.exec(QStringLiteral("SELECT 1 FROM %1 LIMIT 1").arg(table.name)))
            return DbResult<QStringList>::Failure(ErrorText(
                QStringLiteral("The table %1 of the target cannot be read").arg(table.name), query.lastError()));
        if (query.next())
            tables << table.name;
    }
    return tables;
}

// The select list that reads the rows. An SQLite column holds any type; the
// byte columns are read as bytes even where a file kept them as text.
QString ReadColumns(const CopiedTable& table, bool onServer)
{
    QStringList columns;
    for (const QString& column : table.columns)
        columns << (table.blobs.contains(column) && !onServer ? QStringLiteral("CAST(%1 AS BLOB) AS %1").arg(column)
                                                              : column);
    return columns.join(QStringLiteral(", "));
}

// The select list that reads written rows back: the byte columns by their
// length, which keeps the check from reading every test twice.
QString ReadBackColumns(const CopiedTable& table, bool onServer)
{
    QStringList columns;
    for (const QString& column : table.columns) {
        if (!table.blobs.contains(column))
            columns << column;
        else
            columns << (onServer ? QStringLiteral("octet_length(%1)") : QStringLiteral("length(CAST(%1 AS BLOB))"))
                           .arg(column);
    }
    return columns.join(QStringLiteral(", "));
}

// SQLite reads an empty BLOB as a null QByteArray, which would be written as NULL.
void KeepEmptyBytes(QVariantList& row)
{
    for (QVariant& value : row)
        if (!value.isNull() && value.typeId() == QMetaType::QByteArray && value.toByteArray().isNull())
            value = QByteArray("");
}

bool IsIntegral(const QVariant& value)
{
    const int type = value.typeId();
    return type == QMetaType::Int || type == QMetaType::UInt || type == QMetaType::LongLong ||
           type == QMetaType::ULongLong;
}

bool IsNumber(const QVariant& value)
{
    return IsIntegral(value) || value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Float;
}

// Whether the target kept the value as it was sent: NULL as NULL, a number as
// the same number (the drivers give integers of different widths), a text as
// the same text, never a number for a text or the other way round.
bool KeptAsSent(const QVariant& sent, const QVariant& kept)
{
    if (sent.isNull() || kept.isNull())
        return sent.isNull() == kept.isNull();
    if (IsIntegral(sent) && IsIntegral(kept))
        return sent.toLongLong() == kept.toLongLong();
    if (IsNumber(sent) && IsNumber(kept))
        return sent.toDouble() == kept.toDouble();
    return sent.typeId() == kept.typeId() && sent == kept;
}

// A value in an error text; the length of a byte column as "N bytes".
QString Shown(const QVariant& value, bool bytes)
{
    if (value.isNull())
        return QStringLiteral("NULL");
    if (bytes)
        return QStringLiteral("%1 bytes").arg(value.toLongLong());
    return value.typeId() == QMetaType::QString ? QLatin1Char('"') + value.toString() + QLatin1Char('"')
                                                : value.toString();
}

// Reads the written rows (rows[i] for each i of `written`) back from the
// target and compares every value with what was sent.
QString CheckWritten(const QSqlDatabase& to, const CopiedTable& table, const QList<QVariantList>& rows,
                     const QList<qsizetype>& written)
{
    if (written.isEmpty())
        return {};
    QSqlQuery query(to);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT %1 FROM %2 WHERE %3 >= ? AND %3 <= ?")
                      .arg(ReadBackColumns(table, OnServer(to)), table.name, table.Key()));
    query.bindValue(0, rows[written.first()].first());
    query.bindValue(1, rows[written.last()].first());
    if (!query.exec())
        return ErrorText(QStringLiteral("The rows of %1 written cannot be read back").arg(table.name),
                         query.lastError());
    QHash<QString, QVariantList> kept;
    while (query.next()) {
        QVariantList row;
        for (int column = 0; column < table.columns.size(); ++column)
            row << query.value(column);
        kept.insert(row.first().toString(), row);
    }
    for (const qsizetype i : written) {
        const QVariantList& sent = rows[i];
        const auto found = kept.constFind(sent.first().toString());
        if (found == kept.constEnd())
            return QStringLiteral("%1 is not found on the target after writing it.").arg(RowName(table, sent.first()));
        for (int column = 0; column < table.columns.size(); ++column) {
            const QString& name = table.columns[column];
            const bool bytes = table.blobs.contains(name);
            QVariant expected = sent[column];
            if (bytes && !expected.isNull())
                expected = qint64(expected.toByteArray().size());
            if (!KeptAsSent(expected, found->at(column)))
                return QStringLiteral("%1: the target does not keep %2 as it is (%3 would become %4).")
                    .arg(RowName(table, sent.first()), name, Shown(expected, bytes), Shown(found->at(column), bytes));
        }
    }
    return {};
}

// An Id written by the copy does not move a server's identity sequence; the
// next stored test would get an Id that is taken. Moved forward only, never
// back below Ids the server handed out before.
QString MoveSequence(const QSqlDatabase& to, const CopiedTable& table)
{
    const QString sequence =
        QStringLiteral("pg_get_serial_sequence('%1', '%2')").arg(table.name.toLower(), table.Key().toLower());
    QSqlQuery query(to);
    if (!query.exec(QStringLiteral("SELECT setval(%1, MAX(%2)) FROM %3"
                                   " HAVING MAX(%2) > COALESCE(pg_sequence_last_value(%1::regclass), 0)")
                        .arg(sequence, table.Key(), table.name)))
        return ErrorText(QStringLiteral("The Id sequence of %1 cannot be moved on").arg(table.name), query.lastError());
    return {};
}

// Resumed, a row whose key is there already is passed over; otherwise that
// is an error.
QString InsertStatement(const CopiedTable& table, bool resume)
{
    QStringList marks;
    for (qsizetype i = 0; i < table.columns.size(); ++i)
        marks << QStringLiteral("?");
    QString statement =
        QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
            .arg(table.name, table.columns.join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")));
    if (resume)
        statement += QStringLiteral(" ON CONFLICT (%1) DO NOTHING").arg(table.Key());
    return statement;
}

// Writes one batch in one transaction, checks it and commits it.
QString WriteBatch(const QSqlDatabase& to, const CopiedTable& table, const QList<QVariantList>& rows, bool resume,
                   TableCopyCount& count)
{
    // The statement outlives the transaction: a server frees it only after a
    // failed transaction is rolled back (Qt would warn on standard error).
    QSqlQuery insert(to);
    Transaction transaction(to);
    if (QString error = transaction.Begin(); !error.isEmpty())
        return error;
    if (!insert.prepare(InsertStatement(table, resume)))
        return ErrorText(QStringLiteral("The table %1 of the target cannot be written").arg(table.name),
                         insert.lastError());
    QList<qsizetype> written;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        for (int column = 0; column < rows[i].size(); ++column)
            insert.bindValue(column, rows[i][column]);
        if (!insert.exec())
            return ErrorText(RowName(table, rows[i].first()) + QStringLiteral(" cannot be written to the target"),
                             insert.lastError());
        if (insert.numRowsAffected() > 0)
            written << i;
    }
    if (QString error = CheckWritten(to, table, rows, written); !error.isEmpty())
        return error;
    if (table.identity && OnServer(to) && !written.isEmpty())
        if (QString error = MoveSequence(to, table); !error.isEmpty())
            return error;
    if (QString error = transaction.Commit(); !error.isEmpty())
        return error;
    count.copied += written.size();
    count.alreadyThere += rows.size() - written.size();
    return {};
}

QString CopyTable(const QSqlDatabase& from, const QSqlDatabase& to, const CopiedTable& table,
                  const DatabaseCopyOptions& options, const DatabaseCopyProgress& progress, TableCopyCount& count)
{
    const KeyedSelect select{QStringLiteral("The table %1 of the source").arg(table.name),
                             ReadColumns(table, OnServer(from)),
                             table.name,
                             {},
                             {{table.Key(), 0}},
                             {}};
    const DbResult<int> total = CountKeys(from, select);
    if (!total.ok())
        return total.error();
    count.sourceRows = total.value();
    std::optional<ListKey> last;
    for (;;) {
        DbResult<KeyedRows> read = ReadRows(from, select, RowWindow{false, last, 0, qMax(1, options.batchRows)});
        if (!read.ok())
            return read.error();
        QList<QVariantList>& rows = read.value().rows;
        if (rows.isEmpty())
            return {};
        for (QVariantList& row : rows)
            KeepEmptyBytes(row);
        if (QString error = WriteBatch(to, table, rows, options.resume, count); !error.isEmpty())
            return error;
        last = ListKey{rows.last().first()};
        if (progress)
            progress(count);
    }
}

QString CommittedBefore(const QList<TableCopyCount>& counts)
{
    QStringList copied;
    for (const TableCopyCount& count : counts)
        if (count.copied > 0)
            copied << QStringLiteral("%1 %2 rows").arg(count.table).arg(count.copied);
    if (copied.isEmpty())
        return QStringLiteral(" Nothing was copied.");
    return QStringLiteral(" What was copied before stays (%1); a resumed copy (--resume) goes on from there.")
        .arg(copied.join(QStringLiteral(", ")));
}

} // namespace

DbResult<QList<TableCopyCount>> CopyDatabase(const QSqlDatabase& from, const QSqlDatabase& to,
                                             const DatabaseCopyOptions& options, const DatabaseCopyProgress& progress)
{
    using Result = DbResult<QList<TableCopyCount>>;
    for (const CopiedTable& table : CopiedTables()) {
        for (const auto& [db, which] : {std::pair(from, "source"), std::pair(to, "target")})
            if (QString error = CheckTableColumns(db, table, QLatin1String(which)); !error.isEmpty())
                return Result::Failure(error);
    }
    if (!options.resume) {
        const DbResult<QStringList> filled = TablesWithRows(to);
        if (!filled.ok())
            return Result::Failure(filled.error());
        if (!filled.value().isEmpty())
            return Result::Failure(QStringLiteral("The target already holds rows (%1): nothing was copied. A resumed "
                                                  "copy (--resume) adds only the rows whose key it lacks.")
                                       .arg(filled.value().join(QStringLiteral(", "))));
    }
    QList<TableCopyCount> counts;
    for (const CopiedTable& table : CopiedTables()) {
        counts.append(TableCopyCount{table.name});
        if (QString error = CopyTable(from, to, table, options, progress, counts.last()); !error.isEmpty())
            return Result::Failure(error + (error.endsWith(QLatin1Char('.')) ? QString() : QStringLiteral(".")) +
                                   CommittedBefore(counts));
    }
    return counts;
}

} // namespace zevo
