// Vehicle type and total weight.

#include "decode/vehicledata.h"

#include "decode/printdata.h"
#include "decodefixture.h"

#include <gtest/gtest.h>

namespace zevo::test {
namespace {

struct TypeCase {
    const char* text;
    int expected;
};

class VehicleTypeTest : public DecodeTest, public ::testing::WithParamInterface<TypeCase> {};

TEST_P(VehicleTypeTest, NamedTypeBecomesTheSetting)
{
    settings.einstellungen.Field[VehicleTypeField] = 3;
    const QByteArray bytes = GetParam().text;
    DecodeVehicleType(PrintData(bytes), context);
    EXPECT_EQ(result.VehicleType, GetParam().expected);
    EXPECT_EQ(settings.einstellungen.Field[VehicleTypeField], GetParam().expected);
    EXPECT_EQ(result.IsMotorcycle, GetParam().expected == 4);
}

INSTANTIATE_TEST_SUITE_P(ChassisBlocks, VehicleTypeTest,
                         ::testing::Values(TypeCase{"KM: 1\r\n   P K W   \r\n", 1}, TypeCase{"KM:\r\nL K W\r\n", 2},
                                           TypeCase{"KM:\r\nAUTOBUS\r\n", 3}, TypeCase{"KM:\r\nMOTORCYCLE\r\n", 4},
                                           TypeCase{"KM:\r\nTRAKTOR\r\n", 5}, TypeCase{"KM:\r\nANHAENGER\r\n", 6},
                                           TypeCase{"KM:\r\nLIMOUSINE\r\n", 3},         // unknown: setting stays
                                           TypeCase{"P K W\r\n", 3},                    // no "KM:" line
                                           TypeCase{"KM:\r\nANHAENGER P K W\r\n", 6},   // later in the list wins
                                           TypeCase{"KM:\r\nMOTORCYCLE L K W\r\n", 4},  //
                                           TypeCase{"KM:\r\np k w\r\n", 3}));           // case-sensitive

struct WeightCase {
    const char* text;
    bool present;
    const char* printed;  // LinesB[15]
    double weight;
    bool converts;
};

class TotalWeightTest : public DecodeTest, public ::testing::WithParamInterface<WeightCase> {};

TEST_P(TotalWeightTest, PrintedWeightAndItsValue)
{
    const WeightCase& c = GetParam();
    result.TotalWeight = 800;
    report.SetLineB(12, "old");
    const QByteArray bytes = c.text;
    EXPECT_EQ(DecodeTotalWeight(PrintData(bytes), context), c.converts);
    EXPECT_EQ(result.HasTotalWeight, c.present);
    EXPECT_EQ(LineB(15), c.printed);
    EXPECT_EQ(result.TotalWeight, c.weight);
    EXPECT_EQ(context.problems.size(), c.converts ? 0 : 1);
    EXPECT_EQ(LineB(12), "");
    EXPECT_EQ(LineB(10), "Gesamtgewicht");
}

INSTANTIATE_TEST_SUITE_P(
    ChassisBlocks, TotalWeightTest,
    ::testing::Values(WeightCase{"  GESAMTGEWICHT\r\n    1350 KG\r\n", true, "1350 KG", 1350, true},
                      WeightCase{"  GESAMTGEWICHT\r\nGW: 1350,5 KG        END\r\n", true, "1350,5 KG        ", 1350.5,
                                 true},  // columns 5..21
                      WeightCase{"  GESAMTGEWICHT\r\n      KG\r\n", true, "  KG", 0, true},
                      WeightCase{"  GESAMTGEWICHT\r\n", true, "", 0, true},                 // marker on the last line
                      WeightCase{" GESAMTGEWICHT\r\n    1350 KG\r\n", false, "", 0, true},  // one blank only
                      // Not a number: the line is shown as printed, the weight stays 0.
                      WeightCase{"  GESAMTGEWICHT\r\n    1#80 KG\r\n", true, "1#80 KG", 0, false},
                      WeightCase{"  GESAMTGEWICHT\r\n    1.350 KG\r\n", true, "1.350 KG", 0, false},
                      WeightCase{"  GESAMTGEWICHT\r\n    13,5,0 KG\r\n", true, "13,5,0 KG", 0, false}));

}  // namespace
}  // namespace zevo::test
