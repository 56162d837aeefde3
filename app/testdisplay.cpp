#include "app/testdisplay.h"

#include "app/displaytext.h"
#include "app/kfzcursor.h"
#include "app/messungencursor.h"
#include "app/programstate.h"
#include "decode/decodecontext.h"
#include "lang/cp1252.h"
#include "lang/numbertext.h"
#include "lang/sprachen.h"
#include "records/kfztable.h"
#include "report/headerlines.h"

#include <QLabel>
#include <QSqlRecord>
#include <QSqlTableModel>
#include <limits>

namespace zevo {

namespace {

QString DateText(const MessungRow& test)
{
    return test.Datum.toString(QStringLiteral("dd.MM.yy"));
}

QString TimeText(const MessungRow& test)
{
    return test.Uhrzeit.toString(QStringLiteral("HH:mm:ss"));
}

// The vehicle table keeps whole kilometres.
std::optional<qint32> WholeKm(std::optional<double> km)
{
    if (!km)
        return std::nullopt;
    const double whole = RoundHalfEven(*km);
    if (whole < std::numeric_limits<qint32>::min() || whole > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return static_cast<qint32>(whole);
}

} // namespace

TestDisplay::TestDisplay(ProgramState& state, const QSqlDatabase& db, MessungenCursor& tests, KfzCursor& vehicles,
                         ShowTestLabels labels)
    : state_(state), db_(db), tests_(tests), vehicles_(vehicles), labels_(labels)
{
}

ShowTestOutcome TestDisplay::ShowTest(qint64 id)
{
    ShowTestOutcome outcome;
    DecodeContext context(state_.settings, state_.limitSet, state_.result, state_.report, state_.curves);
    PrepareShowTest(context);

    const DbResult<bool> found = tests_.FindId(id);
    if (!found.ok())
        outcome.errors << found.error();
    outcome.found = found.ok() && found.value();
    if (labels_.Label62)
        labels_.Label62->setText(outcome.found ? QStringLiteral("Gefunden") : QStringLiteral("nicht"));

    // Not found: the cursor stayed, and its test is the one shown.
    std::optional<MessungRow> test;
    if (DbResult<std::optional<MessungRow>> row = tests_.CurrentRow(); row.ok())
        test = std::move(row.value());
    else
        outcome.errors << row.error();

    const QString registration = test ? test->Kennzeichen.trimmed() : QString();
    SetLabels({labels_.laKennzeichen, labels_.labKennzeichen}, registration);
    SetLabels({labels_.laAuftrag, labels_.laBAuftrag}, test ? test->AuftragsNr : QString());
    // Date " / " time; with no test shown both halves are empty and " / " stays.
    SetLabels({labels_.laTestDatum, labels_.labTestDatum},
              (test ? DateText(*test) : QString()) + QStringLiteral(" / ") + (test ? TimeText(*test) : QString()));

    if (QString error = UpdateVehicle(test, registration); !error.isEmpty())
        outcome.errors << error;
    if (QString error = FillCustomerVehicle(test, registration); !error.isEmpty())
        outcome.errors << error;

    const DecodeOutcome decoded = DecodeShownTest(test ? QByteArrayView(test->Druckdaten) : QByteArrayView(),
                                                  test ? QByteArrayView(test->Grafikdaten) : QByteArrayView(), context);
    outcome.problems = decoded.problems;
    return outcome;
}

ShowTestOutcome TestDisplay::DecodeAgain()
{
    ShowTestOutcome outcome;
    DbResult<std::optional<MessungRow>> row = tests_.CurrentRow();
    if (!row.ok()) {
        outcome.errors << row.error();
        return outcome;
    }
    const std::optional<MessungRow>& test = row.value();
    outcome.found = test.has_value();
    DecodeContext context(state_.settings, state_.limitSet, state_.result, state_.report, state_.curves);
    const DecodeOutcome decoded = DecodePrintData(test ? QByteArrayView(test->Druckdaten) : QByteArrayView(),
                                                  test ? QByteArrayView(test->Grafikdaten) : QByteArrayView(), context);
    outcome.problems = decoded.problems;
    return outcome;
}

QString TestDisplay::UpdateVehicle(const std::optional<MessungRow>& test, const QString& registration)
{
    // A test without a registration belongs to no vehicle: a vehicle row
    // with an empty key would collect every such test.
    if (!test || registration.isEmpty())
        return vehicles_.Clear();
    const DbResult<std::optional<KfzRow>> found = FindKfz(db_, registration);
    if (!found.ok()) {
        vehicles_.Clear();
        return found.error();
    }

    const QString hu = test->HU.trimmed();
    const QString au = test->AU.trimmed();
    const std::optional<qint32> km = WholeKm(test->Km);
    QString error;
    if (found.value()) {
        KfzRow vehicle = *found.value();
        if (!hu.isEmpty())
            vehicle.TueV = hu;
        if (!au.isEmpty())
            vehicle.AU = au;
        if (km)
            vehicle.Km = km;
        if (vehicle != *found.value()) {
            if (DbResult<bool> updated = UpdateKfz(db_, registration, vehicle); !updated.ok())
                error = updated.error();
        }
        SetLabels({labels_.laKunde, labels_.labKunde}, vehicle.Name + QLatin1Char(' ') + vehicle.Vorname);
    } else {
        // Stored under the trimmed registration, the key every lookup uses.
        KfzRow vehicle;
        vehicle.Kennzeichen = registration;
        vehicle.TueV = hu;
        vehicle.AU = au;
        vehicle.Km = km;
        error = InsertKfz(db_, vehicle);
    }
    if (QString moved = vehicles_.MoveTo(registration); !moved.isEmpty() && error.isEmpty())
        error = moved;
    return error;
}

QString TestDisplay::ShowCustomerVehicle(const QString& registration)
{
    DbResult<std::optional<MessungRow>> row = tests_.CurrentRow();
    if (!row.ok())
        return row.error();
    return FillCustomerVehicle(row.value(), registration);
}

QString TestDisplay::FillCustomerVehicle(const std::optional<MessungRow>& test, const QString& registration)
{
    ReportHeader header;
    if (test) {
        // Where the test printed no value, the vehicle's own stands in.
        QString vehicleKm, vehicleTuev, vehicleAu;
        if (vehicles_.HasRow()) {
            const QSqlRecord record = vehicles_.Model()->record(0);
            vehicleKm = KmDisplayText(record.value(QStringLiteral("Km")));
            vehicleTuev = record.value(QStringLiteral("TueV")).toString();
            vehicleAu = record.value(QStringLiteral("AU")).toString();
        }
        const QString km = KmDisplayText(test->Km);
        const QString hu = test->HU.trimmed();
        const QString au = test->AU.trimmed();
        header.HasTest = true;
        header.AuftragsNr = test->AuftragsNr;
        header.Uhrzeit = test->Uhrzeit;
        header.Datum = test->Datum;
        header.Km = km.isEmpty() ? vehicleKm : km;
        header.HU = hu.isEmpty() ? vehicleTuev : hu;
        header.AU = au.isEmpty() ? vehicleAu : au;
    }

    const DbResult<std::optional<KfzRow>> lookup = LookupKfz(db_, registration);
    const KfzRow vehicle = lookup.ok() && lookup.value() ? *lookup.value() : KfzRow{};
    header.Name = vehicle.Name;
    header.Vorname = vehicle.Vorname;
    header.Strasse = vehicle.Strasse;
    header.Plz = vehicle.Plz;
    header.Ort = vehicle.Ort;
    header.Telefon = vehicle.Telefon;
    header.Kennzeichen = registration;
    header.Fabrikat = vehicle.Fabrikat;
    header.Modell = vehicle.Modell;
    header.F_id = vehicle.F_id;
    header.Inspektion = vehicle.Inspektion;
    FillHeaderLines(state_.report, state_.settings.Sprache, header);
    return lookup.ok() ? QString() : lookup.error();
}

void TestDisplay::SetLabels(std::initializer_list<QLabel*> labels, const QString& text)
{
    for (QLabel* label : labels)
        if (label)
            label->setText(text);
}

} // namespace zevo
