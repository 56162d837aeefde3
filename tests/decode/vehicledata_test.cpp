// Vehicle type and total weight.

#include "decode/vehicledata.h"

#include "decode/printdata.h"
#include "decodefixture.h"

namespace zevo::test {
namespace {

TEST_F(DecodeTest, NamedVehicleTypeBecomesTheSetting)
{
    const std::pair<const char*, int> cases[] = {
        {"KM: 1\r\n   P K W   \r\n", 1}, {"KM:\r\nL K W\r\n", 2}, {"KM:\r\nAUTOBUS\r\n", 3},
        {"KM:\r\nMOTORCYCLE\r\n", 4},    {"KM:\r\nTRAKTOR\r\n", 5}, {"KM:\r\nANHAENGER\r\n", 6},
        {"KM:\r\nLIMOUSINE\r\n", 3},        // unknown: the setting stays
        {"P K W\r\n", 3},                   // no "KM:" line
        {"KM:\r\nANHAENGER P K W\r\n", 6},  // later in the list wins
        {"KM:\r\np k w\r\n", 3},            // case-sensitive
    };
    for (const auto& [text, expected] : cases) {
        settings.einstellungen.Field[VehicleTypeField] = 3;
        DecodeVehicleType(PrintData(QByteArrayView(text)), context);
        EXPECT_EQ(result.VehicleType, expected) << text;
        EXPECT_EQ(settings.einstellungen.Field[VehicleTypeField], expected) << text;
        EXPECT_EQ(result.IsMotorcycle, expected == 4) << text;
    }
}

TEST_F(DecodeTest, PrintedTotalWeightAndItsValue)
{
    const struct {
        const char* text;
        bool present;
        const char* printed;  // LinesB[15]
        double weight;
        bool converts;
    } cases[] = {
        {"  GESAMTGEWICHT\r\n    1350 KG\r\n", true, "1350 KG", 1350, true},
        {"  GESAMTGEWICHT\r\nGW: 1350,5 KG        END\r\n", true, "1350,5 KG        ", 1350.5, true},  // columns 5..21
        {"  GESAMTGEWICHT\r\n      KG\r\n", true, "  KG", 0, true},
        {"  GESAMTGEWICHT\r\n", true, "", 0, true},                 // marker on the last line
        {" GESAMTGEWICHT\r\n    1350 KG\r\n", false, "", 0, true},  // one blank only
        // Not a number: the line is shown as printed, the weight stays 0.
        {"  GESAMTGEWICHT\r\n    1.350 KG\r\n", true, "1.350 KG", 0, false},
        {"  GESAMTGEWICHT\r\n    13,5,0 KG\r\n", true, "13,5,0 KG", 0, false},
    };
    for (const auto& c : cases) {
        result.TotalWeight = 800;
        report.SetLineB(12, "old");
        context.problems.clear();
        EXPECT_EQ(DecodeTotalWeight(PrintData(QByteArrayView(c.text)), context), c.converts) << c.text;
        EXPECT_EQ(result.HasTotalWeight, c.present) << c.text;
        EXPECT_EQ(LineB(15), c.printed) << c.text;
        EXPECT_EQ(result.TotalWeight, c.weight) << c.text;
        EXPECT_EQ(context.problems.size(), c.converts ? 0 : 1) << c.text;
        EXPECT_EQ(LineB(12), "") << c.text;
        EXPECT_EQ(LineB(10), "Gesamtgewicht") << c.text;
    }
}

}  // namespace
}  // namespace zevo::test
