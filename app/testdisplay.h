#pragma once
// ShowTest: brings a stored test on display. It stands the test cursor on
// the test, creates or updates the vehicle of its registration, fills the
// labels of the curve and bar tabs and the customer and vehicle lines of the
// report (LinesA 9 to 26), and decodes the print data and curves into the
// program's result model. Every way of showing a test goes through here.

#include "decode/decoder.h"
#include "records/messungrow.h"

#include <QSqlDatabase>
#include <QStringList>
#include <optional>

class QLabel;

namespace zevo {

class KfzCursor;
class MessungenCursor;
struct KfzRow;
struct ProgramState;

// The labels ShowTest writes; any of them may be missing.
struct ShowTestLabels {
    QLabel* Label62 = nullptr; // hidden: "Gefunden" or "nicht"
    QLabel* laKennzeichen = nullptr;
    QLabel* labKennzeichen = nullptr;
    QLabel* laAuftrag = nullptr;
    QLabel* laBAuftrag = nullptr;
    QLabel* laTestDatum = nullptr;
    QLabel* labTestDatum = nullptr;
    QLabel* laKunde = nullptr;
    QLabel* labKunde = nullptr;
};

struct ShowTestOutcome {
    bool found = false;   // the test with the Id asked for is the one on display
    QStringList errors;   // database errors, for a message box
    QStringList problems; // what the decoder could not read, for the status line
};

class TestDisplay {
  public:
    TestDisplay(ProgramState& state, const QSqlDatabase& db, MessungenCursor& tests, KfzCursor& vehicles,
                ShowTestLabels labels);

    // Shows the test with that Id. When the cursor's filter hides it (or
    // there is none), the test the cursor stands on is shown instead.
    ShowTestOutcome ShowTest(qint64 id);

    // The report lines 9 to 26 for the registration, from the cursor's test
    // and the vehicle found for it. Error text, empty on success.
    QString ShowCustomerVehicle(const QString& registration);

    // Decodes the test on display again, without the reset and the vehicle
    // type: before a print or a drawing.
    ShowTestOutcome DecodeAgain();

  private:
    // Creates or updates the vehicle of the test's registration and stands
    // the vehicle cursor on it. Error text, empty on success.
    QString UpdateVehicle(const std::optional<MessungRow>& test, const QString& registration);
    QString FillCustomerVehicle(const std::optional<MessungRow>& test, const QString& registration);
    static void SetLabels(std::initializer_list<QLabel*> labels, const QString& text);

    ProgramState& state_;
    QSqlDatabase db_;
    MessungenCursor& tests_;
    KfzCursor& vehicles_;
    ShowTestLabels labels_;
};

} // namespace zevo
