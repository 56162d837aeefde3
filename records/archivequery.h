#pragma once
// The archive list: archived tests of registrations that have a vehicle row,
// with the owner's name. Both functions return the executed query for a
// QSqlQueryModel (QSqlQueryModel::setQuery(std::move(result.value()))).
//
// Columns, in this order: id, Kennzeichen, Datum, Uhrzeit, AuftragsNr, km, hu,
// au, Name, Vorname. Rows in Id order, so the last row is the newest test.

#include "records/dbresult.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>

namespace zevo {

// All archived tests. An archived test whose registration has no Kfz row is
// not listed (inner join).
DbResult<QSqlQuery> ArchiveList(const QSqlDatabase& db);

// The archived tests of exactly this registration (as given, not trimmed).
DbResult<QSqlQuery> ArchiveSearch(const QSqlDatabase& db, const QString& kennzeichen);

} // namespace zevo
