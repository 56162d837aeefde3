// The braking-ratio block: which forces count, the ratios against the
// vehicle's weight force, their texts and colours under each limit set, and
// the Polish overall verdict.

#include "reportfixture.h"

#include "lang/sprachen.h"
#include "report/numericpage.h"

namespace zevo::test {
namespace {

const QColor Green(0, 128, 0), Red(255, 0, 0), Black(0, 0, 0);

struct Row {
    int left, diff, pedal, right;
};

TEST_F(ReportTest, BrakingRatioSelectsJudgesAndWrites)
{
    const struct {
        const char* name;
        LimitSet set;
        int vehicleType;
        double mass;               // kg
        Row front, rear, parking;  // row 7 of each brake; rows 1..6 have a pedal force too high to count
        const char* total;         // the service column's first row
        const char* ratio;         // nullptr: none drawn
        QColor ratioColour;
        double ratioX;
        const char* caption;  // the last left caption (with " *" when extrapolated)
        int verdictId;        // Polish overall verdict, 0 elsewhere
        QColor verdictColour;
    } cases[] = {
        // 10000 N × 100 / (1500 × 9.81) = 67.9 → 67 %, required 50 %.
        {"EuPassed", LimitSet::Eu, 1, 1500, {3000, 0, 900, 3000}, {2000, 0, 900, 2000}, {1500, 0, 0, 1500},
         "10000 N", " >=  50%", Green, 5.5, "Betriebsbremse", 0, {}},
        {"EuFailed", LimitSet::Eu, 1, 1500, {1000, 0, 900, 1000}, {500, 0, 900, 500}, {0, 0, 0, 0}, " 3000 N",
         " 20% ( 50%)", Red, 5.5, "Betriebsbremse", 0, {}},
        // No row within the pedal limit: nothing counts, the ratio is 0 and red.
        {"NoRowWithinThePedalLimit", LimitSet::Eu, 1, 1500, {3000, 0, 1001, 3000}, {2000, 0, 1200, 2000},
         {0, 0, 0, 0}, "    0 N", "  0% ( 50%)", Red, 5.5, "Betriebsbremse", 0, {}},
        // Polish car, P = 500: the front axle braked at 400 counts 1.25 times:
        // (2000 × 1.25 + 1000) × 100 / 15000 = 23 %; "N" (217) not passed.
        {"PolishExtrapolated", LimitSet::Pl, 1, 1500, {1000, 5, 400, 1000}, {500, 5, 500, 500}, {1200, 0, 0, 1200},
         " 3000 N", " *  23% ( 50%)", Red, 5.5, "Betriebsbremse *", 217, Red},
        {"PolishPassedWithoutExtrapolation", LimitSet::Pl, 1, 1000, {3000, 5, 500, 3000}, {1000, 5, 500, 1000},
         {1000, 5, 0, 1000}, " 8000 N", " >=  50%", Green, 5.5, "Betriebsbremse", 216, Green},
        // Polish motorcycle: the ratio of the front brake at 3 cm; the rear
        // brake stands in for the parking brake (700 × 100 / 2000 = 35 >= 33).
        {"PolishMotorcycle", LimitSet::Pl, 4, 200, {1000, 0, 300, 0}, {700, 0, 300, 0}, {0, 0, 0, 0}, " 1700 N",
         " >=  45%", Green, 3.0, "Betriebsbremse", 216, Green},
        // Russian M1 car: 11400 N / (1200 × 9.81) = 0.97 > 0.95.
        {"RussianAbove095", LimitSet::Rus, 1, 1200, {3200, 0, 400, 3200}, {2500, 0, 400, 2500}, {1000, 0, 0, 1000},
         "11400 N", ">0,95 (0,59)", Green, 5.5, "Betriebsbremse", 0, {}},
        {"RussianBelow", LimitSet::Rus, 1, 1200, {1000, 0, 400, 1000}, {500, 0, 400, 500}, {0, 0, 0, 0}, " 3000 N",
         "0,25 (0,59)", Red, 5.5, "Betriebsbremse", 0, {}},
        // Without a mass only the totals and, Polish, "Bremse geprüft" (195).
        {"PolishWithoutMass", LimitSet::Pl, 1, 0, {1000, 0, 400, 1000}, {500, 0, 400, 500}, {100, 0, 0, 100},
         " 3000 N", nullptr, {}, 0, "Betriebsbremse", 195, Black},
    };
    report.SetLineA(47, "Verz\xf6gerung (Sollwert)");
    report.SetLineA(48, "Betriebsbremse");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        UseLimitSet(c.set);
        settings.einstellungen.Field[VehicleTypeField] = result.VehicleType = c.vehicleType;
        result.IsMotorcycle = c.vehicleType == 4;
        result.HasBrakeBlock = true;
        result.TotalWeight = c.mass;
        const Row rows[3] = {c.front, c.rear, c.parking};
        for (int kind = 0; kind < 3; ++kind) {
            for (int row = 1; row <= 7; ++row) {
                const bool last = row == 7;
                report.BrakeValue(kind, Left, row) = last ? rows[kind].left : 99999;
                report.BrakeValue(kind, DiffPercent, row) = last ? rows[kind].diff : 0;
                report.BrakeValue(kind, Pedal, row) = last ? rows[kind].pedal : 100000;
                report.BrakeValue(kind, Right, row) = last ? rows[kind].right : 99999;
            }
        }
        PrepareBlock();
        BrakingRatioBlock(hprint);

        // The gap it leaves in the table rule is numericpage_test's.
        EXPECT_EQ(hprint.BlockTop, 1000 + hprint.H(c.mass > 0.01 ? 1.2 : 0.85));
        EXPECT_NEAR(TextItem(c.total).topLeft.x(), hprint.X(5.5), 0.5);
        if (c.ratio) {
            const RecordedText& ratio = TextItem(c.ratio);
            EXPECT_EQ(ratio.color, c.ratioColour);
            EXPECT_NEAR(ratio.topLeft.x(), hprint.X(c.ratioX), 0.5);
        }
        const RecordedText& caption = TextItem(c.caption);
        EXPECT_NEAR(caption.topLeft.y(), 1000 + hprint.H(c.mass > 0.01 ? 0.8 : 0.45), 1.0);
        EXPECT_TRUE(caption.bold);
        if (c.verdictId) {
            EXPECT_EQ(TextItem(TextOf(c.verdictId, 1)).color, c.verdictColour);
        }
    }
}

TEST_F(ReportTest, AMotorcycleOutsideThePolishRulesGetsNoParkingVerdict)
{
    result.HasBrakeBlock = true;
    result.IsMotorcycle = true;
    settings.einstellungen.Field[VehicleTypeField] = 4;
    result.TotalWeight = 250;
    report.BrakeValue(0, Left, 7) = 1500;
    report.BrakeValue(1, Left, 7) = 1000;
    PrepareBlock();
    BrakingRatioBlock(hprint);
    EXPECT_EQ(device->AllTexts().filter("16%").size(), 0) << device->AllTexts().join(" | ").toStdString();
    EXPECT_EQ(device->AllTexts().filter(" N").size(), 1);  // the service total only
}

TEST_F(ReportTest, WithoutMassThePedalLimitStandsOnTheSecondRow)
{
    UseLimitSet(LimitSet::Rus);
    result.HasBrakeBlock = true;
    PrepareBlock();
    BrakingRatioBlock(hprint);
    EXPECT_NEAR(TextItem(TextOf(215, 1) + "  490 N").topLeft.y(), 1000 + hprint.H(0.45), 1.0);
    EXPECT_NE(device->FindText(TextOf(219, 1)), nullptr);
    EXPECT_EQ(device->AllTexts().filter("(").size(), 0);  // no ratio without a mass
}

TEST_F(ReportTest, NoBrakeBlockDrawsNothingAndLeavesNoForces)
{
    result.HasBrakeBlock = false;
    report.BrakeValue(0, Left, 7) = 3000;
    PrepareBlock();
    hprint.forces.FL = 123;
    BrakingRatioBlock(hprint);
    EXPECT_EQ(hprint.BlockTop, 1000);
    EXPECT_TRUE(device->texts().empty());
    EXPECT_EQ(hprint.forces.FL, 0);
}

}  // namespace
}  // namespace zevo::test
