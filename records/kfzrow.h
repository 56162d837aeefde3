#pragma once
// One row of Kfz: a vehicle and its owner, found by registration.

#include <QString>
#include <QtGlobal>
#include <optional>

namespace zevo {

struct KfzRow {
    QString Kennzeichen;      // registration, the key, at most 20 characters
    QString Fabrikat;         // make, at most 40
    QString Modell;           // model, at most 40
    QString F_id;             // chassis number, at most 40
    std::optional<qint32> Km; // odometer in km; none when never entered
    QString AU;               // next emission test "MM.YYYY", at most 7
    QString Inspektion;       // next service, at most 7
    QString Reifen;           // tyres, at most 7
    QString TueV;             // next general inspection "MM.YYYY", at most 7
    QString Name;             // owner's surname, at most 40
    QString Vorname;          // owner's first name, at most 40
    QString Strasse;          // street, at most 40
    QString Plz;              // postcode, at most 15
    QString Ort;              // town, at most 40
    QString Telefon;          // telephone, at most 40
    QString EMail;            // e-mail address, at most 40

    friend bool operator==(const KfzRow&, const KfzRow&) = default;
};

} // namespace zevo
