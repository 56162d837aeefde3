#pragma once
// The header lines of the report (LinesA 9 to 26): order number, time and
// date of the test, the captions, the customer and vehicle lines and the
// inspection dates. The window fills them from the stored test and its
// vehicle row; zevo-tool from the print data alone, without a customer.

#include <QDate>
#include <QString>
#include <QTime>
#include <optional>

namespace zevo {

struct ReportRecord;

// What the header lines print, each as it stands after its caption.
struct ReportHeader {
    bool HasTest = false; // without a test the test's lines hold their captions only
    QString AuftragsNr;   // order number
    QTime Uhrzeit;        // of the test, printed "HH:mm:ss"
    QDate Datum;          // printed "dd.MM.yy"
    QString Km;           // mileage as shown ("87654", "1234,5"), empty for none
    QString HU;           // next general inspection "MM.YYYY"
    QString AU;           // next emission test "MM.YYYY"

    // The customer and vehicle of the registration; empty without a vehicle row.
    QString Name, Vorname, Strasse, Plz, Ort, Telefon;
    QString Kennzeichen; // printed trimmed
    QString Fabrikat, Modell, F_id, Inspektion;
};

// LinesA 9 to 26 of the report, captions in language sprache (1..3).
void FillHeaderLines(ReportRecord& report, int sprache, const ReportHeader& header);

// A stored mileage as the header shows it: "87654" for 87654.0, "1234,5" for
// 1234.5 (the workshop's decimal comma), empty for none.
QString MileageText(std::optional<double> km);

} // namespace zevo
