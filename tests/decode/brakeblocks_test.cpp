// Brake blocks: column layouts, block ends, whole-percent arithmetic, vehicle rules
// (motorcycle, trailer); whole tests' table rows and four plates are the golden files'.

#include "decode/brakeblocks.h"

#include "decode/printdata.h"
#include "decodefixture.h"

namespace zevo::test {
namespace {

class BrakeBlockTest : public DecodeTest {
protected:
    // Block `code` with its header and data lines, ended by a blank line.
    void Decode(const char* code, const char* header, const QByteArrayList& lines, int decodeCode)
    {
        const QByteArray text = QByteArray(code) + "\r\n" + header + "\r\n" + lines.join("\r\n") + "\r\n\r\nEND\r\n";
        DecodeBrakeBlock(PrintData(text), decodeCode, context);
    }
    static QByteArray PedalLine(int left, int pedal, int right)  // columns 1..4, 8..11, 12..16
    {
        return QByteArray::number(left).rightJustified(4) + " 12" + QByteArray::number(pedal).rightJustified(4, '0') +
               QByteArray::number(right).rightJustified(5);
    }
};

TEST_F(BrakeBlockTest, ColumnsFollowTheHeaderAndTheCode)
{
    const struct {
        const char *code, *header, *line;
        int decodeCode, vehicleType;
        std::array<int, 4> expected;  // the line's left, pedal and right, the table's pedal in row 7
    } cases[] = {
        {"$00", " LI  PED   RE", "2450 120350 2310", 0, 1, {2450, 350, 2310, 3500}},
        {"$00", " LI  PED   RE", "2450 120350 2310", 0, 6, {2450, 350, 2310, 14000}},  // trailer: pedal times 40
        {"$01", " LI        RE", " 2450  3,4  2310", 1, 1, {2450, 0, 2310, 0}},
        // "$10" is the parking brake, code 16: no pedal column even under "PED".
        {"$10", " LI  PED   RE", " 1200  3,4  1000", 16, 1, {1200, 0, 1000, 0}},
    };
    for (const auto& c : cases) {
        result.VehicleType = c.vehicleType;
        Decode(c.code, c.header, {c.line}, c.decodeCode);
        const BrakeLine& line = result.BrakeLines[c.decodeCode][1];
        const std::array<int, 4> actual{line.Left, line.Pedal, line.Right, Table(BrakeKindOf(c.decodeCode), Pedal, 7)};
        EXPECT_EQ(actual, c.expected) << c.code << " type " << c.vehicleType;
    }
}

TEST_F(BrakeBlockTest, BlockEndsAtACodeLineAndOnlyTheFirstMarkerCounts)
{
    Decode("$00", "PED", {PedalLine(500, 1, 400), "$01", "PED", PedalLine(700, 2, 700), "$00", PedalLine(9, 9, 9)}, 0);
    EXPECT_EQ(Table(0, Left, 7), 500);
    EXPECT_EQ(result.BrakeLines[0][2].Left, 0);
    Decode("$01", "PED", {PedalLine(1, 2, 3)}, 16);  // a missing block changes nothing
    EXPECT_FALSE(result.HasParkingBrake);
}

TEST(BrakeArithmetic, WholePercentOfTheLargerForceHalvesToEvenPolishUp)
{
    const struct {
        int a, b, eu, pl;
    } cases[] = {
        {2400, 3000, 20, 20},  // a whole percent stays whole
        {700, 800, 12, 13},    // 12,5: halves to even; Polish up
        {878, 1000, 12, 13},   // 12,2
        {173, 200, 14, 14},    // 13,5: halves to even
        {0, 0, 0, 0},          {-5, -3, 0, 0}, {0, 500, 100, 100},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PercentDiff(c.a, c.b, LimitSet::Eu), c.eu) << c.a << " " << c.b;
        EXPECT_EQ(PercentDiff(c.a, c.b, LimitSet::Rus), c.eu) << c.a << " " << c.b;
        EXPECT_EQ(PercentDiff(c.b, c.a, LimitSet::Pl), c.pl) << c.a << " " << c.b;
    }
}

TEST(BrakeArithmetic, MotorcycleRatioOfTheWeightForce)
{
    const struct {
        bool motorcycle;
        double weight;
        int force, eu, pl;
    } cases[] = {
        {true, 200, 1000, 51, 50},   // 50,97 with 9,81; 50,0 with 10
        {true, 200, 1995, 102, 99},  // the Polish set cuts 99,75
        {false, 200, 1000, 0, 0},    // only motorcycles
        {true, 0.01, 1000, 0, 0},    // no weight printed
        {true, 0.02, 2000000000, 2147483647, 2147483647},
    };
    for (const auto& c : cases) {
        TestResult result;
        result.IsMotorcycle = c.motorcycle;
        result.TotalWeight = c.weight;
        EXPECT_EQ(BrakingRatio(c.force, result, LimitSet::Eu, GravityFactor(LimitSet::Eu)), c.eu) << c.force;
        EXPECT_EQ(BrakingRatio(c.force, result, LimitSet::Pl, GravityFactor(LimitSet::Pl)), c.pl) << c.force;
    }
}

}  // namespace
}  // namespace zevo::test
