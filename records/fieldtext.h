#pragma once
// How field values are written to and read from the tables: the field sizes,
// cutting texts to them, dates and times as ISO text, and error texts.

#include <QDate>
#include <QString>
#include <QTime>
#include <QVariant>
#include <optional>

class QSqlError;

namespace zevo {

// Characters per text field; a longer text is cut when it is stored.
namespace FieldSize {
inline constexpr int Kennzeichen = 20;
inline constexpr int AuftragsNr = 20;
inline constexpr int Inspection = 7; // HU, AU, TueV, Inspektion, Reifen: "MM.YYYY"
inline constexpr int Bearbeitet = 1;
inline constexpr int Plz = 15;
inline constexpr int KfzText = 40; // Fabrikat, Modell, F_id, Name, Vorname, Strasse, Ort, Telefon, EMail
inline constexpr int MitarbeiterText = 81;
} // namespace FieldSize

// The first `size` characters, never splitting a surrogate pair; never a null
// string, so the table holds '' rather than NULL for an empty text.
QString CutText(const QString& text, int size);

// Dates as "YYYY-MM-DD" and times as "HH:MM:SS", so text order is time order.
QString DateText(QDate date);
QString TimeText(QTime time);
QDate DateFromText(const QVariant& value); // invalid for NULL or a malformed text
QTime TimeFromText(const QVariant& value);

// NULL for none; a number stored as REAL otherwise.
QVariant OptionalNumber(std::optional<double> value);
// Nothing for NULL or for a value that is no number.
std::optional<double> NumberFromValue(const QVariant& value);

// "<what>: <database text>" for the user.
QString ErrorText(const QString& what, const QSqlError& error);

} // namespace zevo
