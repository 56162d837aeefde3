// The two decode drivers: what each leaves out, and conversion problems caught step by
// step. Whole tests, the curve step and the employee number are the golden files'.

#include "decode/decoder.h"

#include "decodefixture.h"

#include <gtest/gtest.h>

namespace zevo::test {
namespace {

const QByteArray Motorcycle = PrintText({"KM:    12345", "   MOTORCYCLE", "  GESAMTGEWICHT", "     200 KG", "", "$00",
                                         "LINKS  PED", "1000 120035  900", "", "$31", "  2", "END"});

TEST_F(DecodeTest, RedecodingLeavesTheVehicleTypeAndTheResetTitlesAlone)
{
    ShowTestDecode(Motorcycle, {}, context);
    result.HasFrontAxle = false;
    settings.einstellungen.Field[VehicleTypeField] = 6;  // changed in the settings dialog
    settings.Sprache = 2;
    DecodePrintData(Motorcycle, {}, context);
    EXPECT_EQ(result.VehicleType, 6);
    EXPECT_TRUE(result.IsMotorcycle);     // only the vehicle-type step sets it
    EXPECT_EQ(LineA(62), "Testwerte");    // written by the reset only
    EXPECT_EQ(LineA(60), "ABS Circuit");  // written by the ABS step
    EXPECT_TRUE(result.HasFrontAxle);
    result.HasParkingBrake = true;
    DecodeShownTest(Motorcycle, {}, context);
    EXPECT_FALSE(result.HasParkingBrake);  // showing a test clears the brake flags first
}

TEST_F(DecodeTest, EachStepThatMeetsABadNumberStopsAloneAndIsReported)
{
    const QByteArray text =
        PrintText({"  GESAMTGEWICHT", "    1#80 KG", "", "$20", "SOLL -1,0 1,0", "", "$21", "PLUS    9,9 MM", "", "$00",
                   "PED", "2450 120350 2310", "", "$31", "99999999999", "END"});
    const DecodeOutcome outcome = ShowTestDecode(text, {}, context);
    ASSERT_EQ(outcome.problems.size(), 3) << outcome.problems.join('\n').toStdString();
    EXPECT_EQ(outcome.problems[0], "Total weight: \"1#80\" is not a number");
    EXPECT_TRUE(outcome.problems[1].startsWith("Toe tolerance"));
    EXPECT_TRUE(outcome.problems[2].startsWith("Employee number"));
    EXPECT_TRUE(result.HasTotalWeight);
    EXPECT_EQ(LineB(15), "1#80 KG");
    EXPECT_EQ(result.TotalWeight, 0);
    EXPECT_EQ(report.ToeRearPresent, 0);
    EXPECT_EQ(Table(0, Left, 7), 2450);  // later steps run as usual
    EXPECT_EQ(result.EmployeeNumber, 0);
    EXPECT_TRUE(ShowTestDecode(QByteArray(), {}, context).problems.isEmpty());
}

}  // namespace
}  // namespace zevo::test
