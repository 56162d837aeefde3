// The two decode drivers: what each leaves out. Whole tests, the curve step, the
// employee number and the problems each step reports ("damaged") are the golden files'.

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
    EXPECT_TRUE(ShowTestDecode(QByteArray(), {}, context).problems.isEmpty());  // no print data is no problem
}

}  // namespace
}  // namespace zevo::test
