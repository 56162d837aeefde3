#pragma once
// The table Kfz: vehicles with their owners, keyed by registration.

#include "records/dbresult.h"
#include "records/keyedselect.h"
#include "records/kfzrow.h"

#include <QSqlDatabase>
#include <QString>
#include <optional>

namespace zevo {

// The vehicle with exactly this registration, or nothing.
DbResult<std::optional<KfzRow>> FindKfz(const QSqlDatabase& db, const QString& kennzeichen);

// The vehicle lookup of the report header: the registration without blanks at both ends.
DbResult<std::optional<KfzRow>> LookupKfz(const QSqlDatabase& db, const QString& registration);

// Adds the vehicle, texts cut to their sizes. Error text (empty on success),
// also when the registration is empty or already has a row.
QString InsertKfz(const QSqlDatabase& db, const KfzRow& row);

// Overwrites the vehicle `kennzeichen` with row (which may carry a new
// registration). False when there is no such vehicle.
DbResult<bool> UpdateKfz(const QSqlDatabase& db, const QString& kennzeichen, const KfzRow& row);

// Every vehicle for the search dialog's list (read a window at a time), in
// the order NearestKfz counts rows: registration regardless of case, then
// exact. Columns: Kennzeichen, Fabrikat, Modell, F_id, TueV, AU, Inspektion,
// Reifen, Km, Name, Vorname, Strasse, Plz, Ort, Telefon, EMail.
KeyedSelect KfzList();

struct KfzPosition {
    QString Kennzeichen; // registration of the row found
    int Row = 0;         // 0-based row of it in KfzList
};

// The first vehicle whose registration is at or after `typed` regardless of
// case; the last vehicle when every registration comes before; nothing for
// an empty table. An empty text gives the first vehicle.
DbResult<std::optional<KfzPosition>> NearestKfz(const QSqlDatabase& db, const QString& typed);

} // namespace zevo
