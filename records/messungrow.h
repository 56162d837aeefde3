#pragma once
// One row of Messungen: a received test as it is stored.

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QTime>
#include <optional>

namespace zevo {

struct MessungRow {
    qint64 Id = 0;                            // assigned by the table when the row is stored
    QString Kennzeichen;                      // registration, at most 20 characters
    QDate Datum;                              // date of storing
    QTime Uhrzeit;                            // time of storing
    QString AuftragsNr;                       // order number, at most 20 characters
    std::optional<double> Km;                 // odometer in km; none when the received text was no number
    QString HU;                               // next general inspection "MM.YYYY" or empty
    QString Bearbeitet = QStringLiteral("n"); // "n" untouched, "j" archived
    QString AU;                               // next emission test "MM.YYYY" or empty
    QByteArray Druckdaten;                    // print-data text: CR LF lines, Windows-1252 bytes as received
    QByteArray Grafikdaten;                   // curve-data text: blocks of 33 CR LF lines

    friend bool operator==(const MessungRow&, const MessungRow&) = default;
};

} // namespace zevo
