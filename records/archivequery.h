#pragma once
// The archive list: archived tests of registrations that have a vehicle row,
// with the owner's name, as lists for a grid that reads them a window at a
// time (records/keyedselect.h).
//
// Columns, in this order: id, Kennzeichen, Datum, Uhrzeit, AuftragsNr, km, hu,
// au, Name, Vorname. Rows in Id order, so the last row is the newest test.

#include "records/keyedselect.h"

#include <QString>

namespace zevo {

// All archived tests. An archived test whose registration has no Kfz row is
// not listed (inner join).
KeyedSelect ArchiveList();

// The archived tests of exactly this registration (as given, not trimmed).
KeyedSelect ArchiveSearch(const QString& kennzeichen);

} // namespace zevo
