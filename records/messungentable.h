#pragma once
// The table Messungen: storing a received test, reading, changing and deleting
// one test, the newest untouched test, and the clean-up of old untouched tests.

#include "records/dbresult.h"
#include "records/keyedselect.h"
#include "records/messungrow.h"

#include <QDate>
#include <QSqlDatabase>
#include <optional>

namespace zevo {

inline constexpr const char* MessungenTable = "Messungen";
inline constexpr const char* Untouched = "n"; // Bearbeitet of a test not yet assigned to a vehicle
inline constexpr const char* Archived = "j";  // Bearbeitet of an archived test

// The fields of a test the list of current tests lets an operator change.
enum class EditableField { Kennzeichen, AuftragsNr, Km, HU, AU };

// Stores the row as a new test in one transaction and returns its Id (>= 1).
// Texts are cut to their field sizes, Km is NULL when absent; row.Id is
// ignored. The row needs a valid date and time. On any error nothing is stored.
DbResult<qint64> InsertTest(const QSqlDatabase& db, const MessungRow& row);

// The Id of a test stored with this row's date, time, registration, print
// and curve data; 0 when there is none. Asked before a test whose store
// failed is stored again: a server may have committed it and gone away
// before it could say so.
DbResult<qint64> FindStoredTest(const QSqlDatabase& db, const MessungRow& row);

// The test with that Id, or nothing when there is none.
DbResult<std::optional<MessungRow>> ReadTest(const QSqlDatabase& db, qint64 id);

// The untouched test with the highest Id; 0 when there is none.
DbResult<qint64> LastUntouchedId(const QSqlDatabase& db);

// Writes the fields an operator may change (Kennzeichen, AuftragsNr, Km, HU, AU,
// Bearbeitet) of the test row.Id, cut to their sizes. False when there is no such test.
DbResult<bool> UpdateTest(const QSqlDatabase& db, const MessungRow& row);

// Writes one field of the test: a text cut to its size, Km a number or NULL
// (a null value). False when there is no such test.
DbResult<bool> UpdateTestField(const QSqlDatabase& db, qint64 id, EditableField field, const QVariant& value);

// The untouched tests in Id order, without the two large texts (a list never
// shows them): Id, Kennzeichen, Datum, Uhrzeit, AuftragsNr, Km, HU, Bearbeitet, AU.
KeyedSelect UntouchedTests();

// False when there is no such test.
DbResult<bool> DeleteTest(const QSqlDatabase& db, qint64 id);

// The clean-up statement of DeleteStaleTests: deletes every untouched test
// dated before the cut-off (a test of the cut-off day itself stays); archived
// tests are never deleted. Returns the number of tests deleted.
DbResult<int> DeleteUntouchedTestsBefore(const QSqlDatabase& db, QDate cutoff);

} // namespace zevo
