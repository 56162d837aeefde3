// Brake blocks: the column layouts, the seven table rows, the whole-percent
// arithmetic and the vehicle rules (motorcycle, trailer, four plates).

#include "decode/brakeblocks.h"

#include "decode/printdata.h"
#include "decodefixture.h"

#include <gtest/gtest.h>

namespace zevo::test {
namespace {

class BrakeBlockTest : public DecodeTest {
protected:
    // Block `code` with its header and data lines, ended by a blank line.
    void Decode(const char* code, const char* header, const QByteArrayList& lines, int decodeCode)
    {
        text_ = QByteArray(code) + "\r\n" + header + "\r\n" + lines.join("\r\n") + "\r\n\r\nEND\r\n";
        DecodeBrakeBlock(PrintData(text_), decodeCode, context);
    }
    static QByteArray PedalLine(int left, int pedal, int right)  // columns 1..4, 8..11, 12..16
    {
        return QByteArray::number(left).rightJustified(4) + " 12" + QByteArray::number(pedal).rightJustified(4, '0') +
               QByteArray::number(right).rightJustified(5);
    }
    QByteArray text_;
};

struct LayoutCase {
    const char* code;
    int decodeCode;
    const char* header;
    const char* line;
    int vehicleType;
    BrakeLine expected;
    int tablePedal;
};

class BrakeLayoutTest : public BrakeBlockTest, public ::testing::WithParamInterface<LayoutCase> {};

TEST_P(BrakeLayoutTest, ColumnsFollowTheHeaderAndTheCode)
{
    const LayoutCase& c = GetParam();
    result.VehicleType = c.vehicleType;
    Decode(c.code, c.header, {c.line}, c.decodeCode);
    const BrakeLine& line = result.BrakeLines[c.decodeCode][1];
    EXPECT_EQ(line.Left, c.expected.Left);
    EXPECT_EQ(line.Pedal, c.expected.Pedal);
    EXPECT_EQ(line.Right, c.expected.Right);
    EXPECT_EQ(Table(BrakeKindOf(c.decodeCode), Pedal, 7), c.tablePedal);
}

INSTANTIATE_TEST_SUITE_P(
    BrakeBlocks, BrakeLayoutTest,
    ::testing::Values(LayoutCase{"$00", 0, " LI  PED   RE", "2450 120350 2310", 1, {2450, 350, 2310}, 3500},
                      LayoutCase{
                          "$00", 0, " LI  PED   RE", "2450 120350 2310", 6, {2450, 350, 2310}, 14000},  // trailer
                      LayoutCase{"$01", 1, " LI        RE", " 2450  3,4  2310", 1, {2450, 0, 2310}, 0},
                      // "$10" is the parking brake, code 16: no pedal column even under "PED".
                      LayoutCase{"$10", 16, " LI  PED   RE", " 1200  3,4  1000", 1, {1200, 0, 1000}, 0}));

TEST_F(BrakeBlockTest, RowsAreTheFirstAndTheLastSixLines)
{
    struct Case {
        int lines;
        int expectedLeft[7];
    };
    // Three lines: rows 2..4 have no line; 25 lines: only 20 are kept.
    const Case cases[] = {{7, {1, 2, 3, 4, 5, 6, 7}},
                          {3, {1, 0, 0, 0, 1, 2, 3}},
                          {25, {1, 15, 16, 17, 18, 19, 20}},
                          {0, {0, 0, 0, 0, 0, 0, 0}}};
    for (const Case& c : cases) {
        ClearBrakeTables(result, report);
        QByteArrayList lines;
        for (int n = 1; n <= c.lines; ++n)
            lines.append(PedalLine(n, 0, n));
        Decode("$00", "PED", lines, 0);
        for (int row = 1; row <= 7; ++row)
            EXPECT_EQ(Table(0, Left, row), c.expectedLeft[row - 1]) << c.lines << " lines, row " << row;
    }
    EXPECT_TRUE(result.HasBrakeTest && result.HasBrakeBlock && result.HasFrontAxle);
    EXPECT_FALSE(result.HasRearAxle || result.HasParkingBrake);
}

TEST_F(BrakeBlockTest, BlockEndsAtACodeLineAndOnlyTheFirstMarkerCounts)
{
    Decode("$00", "PED", {PedalLine(500, 1, 400), "$01", "PED", PedalLine(700, 2, 700), "$00", PedalLine(9, 9, 9)}, 0);
    EXPECT_EQ(Table(0, Left, 7), 500);
    EXPECT_EQ(result.BrakeLines[0][2].Left, 0);
    Decode("$01", "PED", {PedalLine(1, 2, 3)}, 16);  // a missing block changes nothing
    EXPECT_FALSE(result.HasParkingBrake);
}

TEST_F(BrakeBlockTest, MotorcycleKeepsTheLeftForceAndGetsARatio)
{
    result.IsMotorcycle = true;
    result.TotalWeight = 200;
    Decode("$00", "PED", {PedalLine(1000, 35, 900)}, 0);
    EXPECT_EQ(result.BrakeLines[0][1].Pedal, 0);
    EXPECT_EQ(result.BrakeLines[0][1].Right, 0);
    EXPECT_EQ(Table(0, Ratio, 7), 51);
    EXPECT_EQ(Table(0, DiffPercent, 7), 100);  // one wheel: the right force is 0
}

TEST_F(BrakeBlockTest, FourPlatesGiveTheRearAxleTheFrontPedalColumn)
{
    for (int plates : {2, 4}) {
        settings.einstellungen.Field[Plates] = plates;
        text_ = "$00\r\nPED\r\n" + PedalLine(500, 30, 500) + "\r\n\r\n$01\r\nPED\r\n" + PedalLine(400, 55, 400) +
                "\r\n\r\nEND\r\n";
        DecodeBrakeBlock(PrintData(text_), 0, context);
        DecodeBrakeBlock(PrintData(text_), 1, context);
        CopyFrontPedal(context);
        // One line per block: rows 1 and 7 hold it, rows 2..6 have no line.
        EXPECT_EQ(Table(1, Pedal, 1), plates == 4 ? 300 : 550) << plates << " plates";
        EXPECT_EQ(Table(1, Pedal, 7), plates == 4 ? 300 : 550) << plates << " plates";
        EXPECT_EQ(result.BrakeLines[1][1].Pedal, 55);  // the lines stay as printed
    }
}

struct DiffCase {
    int a, b, eu, pl;
};

class PercentDiffTest : public ::testing::TestWithParam<DiffCase> {};

TEST_P(PercentDiffTest, WholePercentOfTheLargerForce)
{
    const DiffCase& c = GetParam();
    EXPECT_EQ(PercentDiff(c.a, c.b, LimitSet::Eu), c.eu);
    EXPECT_EQ(PercentDiff(c.a, c.b, LimitSet::Rus), c.eu);
    EXPECT_EQ(PercentDiff(c.b, c.a, LimitSet::Pl), c.pl);
}

INSTANTIATE_TEST_SUITE_P(BrakeArithmetic, PercentDiffTest,
                         ::testing::Values(DiffCase{2400, 3000, 20, 20},  // a whole percent stays whole
                                           DiffCase{700, 800, 12, 13},    // 12,5: halves to even; Polish up
                                           DiffCase{878, 1000, 12, 13},   // 12,2
                                           DiffCase{173, 200, 14, 14},    // 13,5: halves to even
                                           DiffCase{0, 0, 0, 0}, DiffCase{-5, -3, 0, 0}, DiffCase{0, 500, 100, 100}));

struct RatioCase {
    bool motorcycle;
    double weight;
    int force, eu, pl;
};

class BrakingRatioTest : public ::testing::TestWithParam<RatioCase> {};

TEST_P(BrakingRatioTest, MotorcycleRatioOfTheWeightForce)
{
    const RatioCase& c = GetParam();
    TestResult result;
    result.IsMotorcycle = c.motorcycle;
    result.TotalWeight = c.weight;
    EXPECT_EQ(BrakingRatio(c.force, result, LimitSet::Eu, GravityFactor(LimitSet::Eu)), c.eu);
    EXPECT_EQ(BrakingRatio(c.force, result, LimitSet::Pl, GravityFactor(LimitSet::Pl)), c.pl);
}

INSTANTIATE_TEST_SUITE_P(BrakeArithmetic, BrakingRatioTest,
                         ::testing::Values(RatioCase{true, 200, 1000, 51, 50},   // 50,97 with 9,81; 50,0 with 10
                                           RatioCase{true, 200, 1995, 102, 99},  // the Polish set cuts 99,75
                                           RatioCase{false, 200, 1000, 0, 0},    // only motorcycles
                                           RatioCase{true, 0.01, 1000, 0, 0},    // no weight printed
                                           RatioCase{true, 0.02, 2000000000, 2147483647, 2147483647}));

}  // namespace
}  // namespace zevo::test
