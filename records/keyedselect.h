#pragma once
// Lists read a window at a time: a grid over a million tests (or a hundred
// thousand vehicles) reads the rows it shows and counts the others through
// an index; nothing here reads a whole list. A list is ordered by its key,
// one or more ordering terms that together tell every row apart.

#include "records/dbresult.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <optional>

namespace zevo {

struct KeyTerm {
    QString term; // an ordering term, e.g. "Messungen.Id" or "lower(Kennzeichen)"
    int column;   // the column of the select list that holds its value
    // A key value as the term compares it: "lower(?)" for "lower(Kennzeichen)",
    // whose column holds the registration as it is.
    QString bound = QStringLiteral("?");
};

struct KeyedSelect {
    QString what;        // the list in error texts: "<what> cannot be read"
    QString columns;     // the select list
    QString from;        // the tables and their join
    QString where;       // the list's condition with a '?' for each value; empty for none
    QList<KeyTerm> key;  // the list's order, ascending; an index on the first term serves the windows
    QVariantList values; // bound to the '?' of `where`, in order
};

using ListKey = QVariantList; // a row's values of the key terms, in their order

// The key of a row read by ReadRows.
ListKey KeyOf(const KeyedSelect& select, const QVariantList& row);

// Which rows ReadRows reads: from the key `from` (from the first row, or the
// last when going backward, when there is none) it passes over `skip` rows
// and reads `count`, towards higher keys or, backward, towards lower ones.
// The rows come in key order either way.
struct RowWindow {
    bool backward = false;
    std::optional<ListKey> from;
    int skip = 0;           // >= 0
    int count = 0;          // >= 0
    bool including = false; // the row of the key `from` is the first read (unless skipped)
};

struct KeyedRows {
    QStringList names;        // the columns' names as the select list gives them
    QList<QVariantList> rows; // in key order
};

// The number of rows whose key lies strictly between `above` and `below`
// (no bound where there is none): the whole list without either.
DbResult<int> CountKeys(const QSqlDatabase& db, const KeyedSelect& select, const std::optional<ListKey>& above = {},
                        const std::optional<ListKey>& below = {});

DbResult<KeyedRows> ReadRows(const QSqlDatabase& db, const KeyedSelect& select, const RowWindow& window);

} // namespace zevo
