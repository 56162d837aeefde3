// The two decode drivers: order of the steps, what each driver leaves out,
// conversion problems caught step by step, the curve step and the employee.

#include "decode/decoder.h"

#include "decode/printdata.h"
#include "decodefixture.h"

#include <gtest/gtest.h>

namespace zevo::test {
namespace {

const QByteArray Motorcycle = PrintText({"KM:    12345", "   MOTORCYCLE", "  GESAMTGEWICHT", "     200 KG", "", "$00",
                                         "LINKS  PED", "1000 120035  900", "", "$31", "  2", "END"});
const QByteArray FrontAxle = PrintText({"$00", "PED", "2450 120350 2310", "", "END"});

QByteArray CurveText(int channel, double peak)
{
    CurveChannel values{};
    values.fill(10);
    values[100] = peak;
    QByteArray text;
    AppendCurveBlockText(text, channel, values);
    return text;
}

TEST_F(DecodeTest, EmptyPrintDataFindsNoSection)
{
    settings.einstellungen.Field[VehicleTypeField] = 5;
    result.EmployeeNumber = 4;
    const DecodeOutcome outcome = ShowTestDecode({}, {}, context);
    EXPECT_TRUE(outcome.problems.isEmpty());
    EXPECT_EQ(result.VehicleType, 5);
    EXPECT_EQ(result.EmployeeNumber, 0);
    EXPECT_FALSE(result.HasToeTest || result.HasTyreProfile || result.HasAbsTest || result.HasBrakeTest ||
                 result.HasSuspension || result.HasTotalWeight);
    EXPECT_EQ(report.AbsPresent, 1);
}

TEST_F(DecodeTest, RedecodingLeavesTheVehicleTypeAndTheResetTitlesAlone)
{
    // Weight and vehicle type come before the brake blocks (the golden files show it in full).
    ShowTestDecode(Motorcycle, {}, context);
    EXPECT_EQ(Table(0, Ratio, 7), 51);
    EXPECT_EQ(result.EmployeeNumber, 2);
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

TEST_F(DecodeTest, CurveStepComputesMaximaOnlyFromCompleteCurves)
{
    DecodeOutcome outcome = ShowTestDecode(FrontAxle, CurveText(0, 200) + CurveText(8, 180), context);
    EXPECT_TRUE(outcome.curves.Complete());
    EXPECT_EQ(curves[0][100], 200);
    EXPECT_EQ(result.BrakeMaxima[0].Pedal, 350);

    QByteArray damaged = CurveText(0, 200) + CurveText(8, 180);
    damaged.chop(200);
    outcome = DecodePrintData(FrontAxle, damaged, context);
    ASSERT_EQ(outcome.problems.size(), 1);
    EXPECT_TRUE(outcome.problems[0].startsWith("Curve data")) << outcome.problems[0].toStdString();
    EXPECT_EQ(curves[0][100], 200);  // what was read stays
    EXPECT_EQ(result.BrakeMaxima[0].Left, 0);

    outcome = DecodePrintData(FrontAxle, {}, context);  // the last test's curves do not survive
    EXPECT_EQ(curves[0][100], 0);
    EXPECT_EQ(result.BrakeMaxima[0].Left, 2450);
}

struct EmployeeCase {
    const char* text;
    int number;
};

class EmployeeTest : public DecodeTest, public ::testing::WithParamInterface<EmployeeCase> {};

TEST_P(EmployeeTest, DigitsOfTheLineAfterTheCode)
{
    result.EmployeeNumber = 9;
    const QByteArray bytes = GetParam().text;
    DecodeEmployee(PrintData(bytes), context);
    EXPECT_EQ(result.EmployeeNumber, GetParam().number);
}

INSTANTIATE_TEST_SUITE_P(PrintData, EmployeeTest,
                         ::testing::Values(EmployeeCase{"$31\r\n  3  \r\nEND\r\n", 3},
                                           EmployeeCase{"$31\r\nNR. 12\r\n", 12},
                                           EmployeeCase{"$31\r\n", 0},  // the code on the last line
                                           EmployeeCase{"X\r\n 5\r\n", 0}, EmployeeCase{"$31\r\n\r\n 5\r\n", 0},
                                           EmployeeCase{"$31\r\n99999999999\r\n", 0}));

}  // namespace
}  // namespace zevo::test
