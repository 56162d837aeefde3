// ShowTest: the test shown, its vehicle found or created, the labels and report lines, the decode.

#include "tests/app/assifixture.h"

namespace zevo::assitest {
namespace {

using TestDisplayTest = AssiTest;

TEST_F(TestDisplayTest, AnUnknownRegistrationCreatesItsVehicleUnderTheTrimmedName)
{
    const qint64 id = StoreTest("AB-C 123  ", now.date(), "n", "05.2027", "06.2028", 54321);
    Start();

    KfzRow created = Kfz("AB-C 123");
    std::tie(created.Km, created.AU, created.TueV) = std::tuple(54321, "06.2028", "05.2027");
    EXPECT_EQ(Vehicle("AB-C 123"), created);

    EXPECT_EQ(assi->CurrentTestId(), id);
    EXPECT_EQ(LabelText("labKennzeichen"), "AB-C 123");
    EXPECT_EQ(LabelText("labTestDatum"), "10.05.26 / 10:15:00");
    EXPECT_EQ(EditText("EditTuev"), "05.2027");
    const QStringList lines = {Line(9), Line(10), Line(11), Line(19), Line(23), Line(24), Line(25)};
    EXPECT_EQ(lines, QStringList({"Auftrag Nr.: A-AB-C 123", "10:15:00", "Datum: 10.05.26", "Kennzeichen  : AB-C 123",
                                  "Kilometer    : 54321", "TüV: 05.2027", "AU : 06.2028"}));

    // Shown again: the vehicle is found, not created twice.
    assi->ShowTest(id);
    EXPECT_EQ(Count("SELECT COUNT(*) FROM Kfz"), 1);
    EXPECT_EQ(ErrorBox(*assi), nullptr);
}

TEST_F(TestDisplayTest, AKnownVehicleKeepsWhatTheTestLeavesEmpty)
{
    const KfzRow known{"HH-X 5", "VW",  "Golf",          "",      {},        "",        "03.2026", "", "11.2025",
                       "Muster", "Max", "Hauptstraße 1", "20095", "Hamburg", "040 123", ""};
    ASSERT_EQ(InsertKfz(db, known), QString());
    StoreTest("HH-X 5", now.date(), "n", "", "08.2027");
    Start();

    const KfzRow vehicle = *Vehicle("HH-X 5");
    EXPECT_EQ(vehicle.TueV, "11.2025"); // the test printed no inspection date
    EXPECT_EQ(vehicle.AU, "08.2027");
    EXPECT_EQ(LabelText("labKunde"), "Muster Max");
    const QStringList lines = {Line(12), Line(13), Line(15), Line(16), Line(17),
                               Line(18), Line(20), Line(21), Line(24), Line(26)};
    EXPECT_EQ(lines, QStringList({"Kunde", "KFZ", "Muster Max", "Hauptstraße 1", "20095 Hamburg", "Tel. 040 123",
                                  "Fabrikat     : VW", "Modell    :Golf", "TüV: 11.2025", "Ölw/Insp. : 03.2026"}));
}

TEST_F(TestDisplayTest, AnIdTheFilterHidesShowsTheTestTheCursorStandsOn)
{
    const qint64 archived = StoreTest("AR-1", now.date(), "j");
    const qint64 untouched = StoreTest("UN-1", now.date());
    Start();

    const ShowTestOutcome outcome = assi->ShowTest(archived);
    EXPECT_FALSE(outcome.found);
    EXPECT_EQ(LabelText("Label62"), "nicht");
    EXPECT_EQ(LabelText("laKennzeichen"), "UN-1");
    EXPECT_EQ(assi->CurrentTestId(), untouched);
    EXPECT_FALSE(Vehicle("AR-1").has_value());
}

TEST_F(TestDisplayTest, TheShownTestIsDecodedAndItsProblemsReachTheStatusLine)
{
    const qint64 car =
        StoreTest("B-ZE 1234", now.date(), "n", {}, {}, {}, TestData("car.txt"), TestData("car.curves.txt"));
    const qint64 damaged = StoreTest("X-1", now.date(), "n", {}, {}, {}, TestData("damaged.txt"));
    Start();

    assi->ShowTest(car);
    EXPECT_TRUE(state.result.HasParkingBrake);
    EXPECT_EQ(LabelText("laDecodeStatus"), "");

    assi->ShowTest(damaged);
    EXPECT_FALSE(state.result.HasParkingBrake);
    EXPECT_TRUE(LabelText("laDecodeStatus").contains("Total weight")) << LabelText("laDecodeStatus").toStdString();
    EXPECT_EQ(ErrorBox(*assi), nullptr); // a decode problem is no database error
}

} // namespace
} // namespace zevo::assitest
