// Toe test: values, tolerance judgement (EU and Polish), the report lines
// rewritten into the report language, and texts that are not numbers.

#include "decode/toetest.h"

#include "decode/printdata.h"
#include "decodefixture.h"

#include <gtest/gtest.h>

namespace zevo::test {
namespace {

QByteArray Blanks(int n)
{
    return QByteArray(n, ' ');
}

class ToeTest : public DecodeTest {
protected:
    bool Decode(const QByteArray& bytes)
    {
        text_ = bytes;
        return DecodeToe(PrintData(text_), context);
    }
    QByteArray text_;
};

// The exact rewritten lines of both axles in three languages are checked by
// the golden files (car, car-pl-en-4plates, nobrakes).

struct ToleranceCase {
    LimitSet set;
    const char* value;
    const char* tolerance;
    ToeJudgement expected;
    const char* lowText;
    const char* highText;
};

class ToeToleranceTest : public ToeTest, public ::testing::WithParamInterface<ToleranceCase> {};

TEST_P(ToeToleranceTest, JudgedAgainstTheBoundsOfTheSetInForce)
{
    const ToleranceCase& c = GetParam();
    UseLimitSet(c.set);
    settings.Sprache = 2;
    ASSERT_TRUE(Decode(PrintText({"$20", c.value, c.tolerance, ""})));
    EXPECT_EQ(result.ToeFrontJudgement, c.expected);
    EXPECT_EQ(result.ToeFrontLowText, c.lowText);
    EXPECT_EQ(result.ToeFrontHighText, c.highText);
    // The line shows the bounds as printed, and only when they were judged.
    const QByteArray shown = "Tolerance" + Blanks(4) + QByteArray(c.tolerance).mid(5);
    EXPECT_EQ(LineA(33), c.expected == ToeJudgement::NotJudged ? QByteArray() : shown);
}

INSTANTIATE_TEST_SUITE_P(
    ChassisBlocks, ToeToleranceTest,
    ::testing::Values(
        ToleranceCase{LimitSet::Eu, "PLUS    1,2 MM", "SOLL -1,0..1,0", ToeJudgement::Outside, "-1,0", " 1,0"},
        ToleranceCase{LimitSet::Rus, "PLUS    1,2 MM", "SOLL -1,0..1,0", ToeJudgement::Outside, "-1,0", " 1,0"},
        // The Polish set widens the bounds by 1,5 mm, and shows the widened bounds.
        ToleranceCase{LimitSet::Pl, "PLUS    1,2 MM", "SOLL -1,0..1,0", ToeJudgement::Inside, "-2,5", " 2,5"},
        ToleranceCase{LimitSet::Pl, "MINUS   2,6 MM", "SOLL -1,0..1,0", ToeJudgement::Outside, "-2,5", " 2,5"},
        ToleranceCase{LimitSet::Eu, "MINUS   1,0 MM", "SOLL -1,0..1,0", ToeJudgement::Inside, "-1,0", " 1,0"},
        // Narrower than 0,01 mm: not judged, not widened, not shown.
        ToleranceCase{LimitSet::Pl, "PLUS    0,5 MM", "SOLL  0,5..0,5", ToeJudgement::NotJudged, " 0,5", " 0,5"}));

TEST_F(ToeTest, WhichLinesCount)
{
    // A code line on the last line is absent; only five lines after the code are read;
    // a later value line wins; a rear axle without tolerance shows the front bounds.
    ASSERT_TRUE(Decode(PrintText({"PLUS    1,0 MM", "$20"})));
    EXPECT_FALSE(result.HasToeTest);
    ASSERT_TRUE(Decode(PrintText({"$20", "A", "B", "C", "D", "E", "PLUS    1,0 MM", ""})));
    EXPECT_EQ(result.ToeValue, 0);
    ASSERT_TRUE(Decode(PrintText(
        {"$20", "PLUS    1,0 MM", "MINUS   0,4 MM", "SOLL -1,5..1,5", "", "X", "$21", "PLUS    0,2 MM", ""})));
    EXPECT_EQ(LineA(32), "Minus" + Blanks(15) + "0,4" + Blanks(2) + "mm");
    EXPECT_EQ(result.ToeRearLowText, "-1,5");
    EXPECT_EQ(result.ToeRearJudgement, ToeJudgement::NotJudged);
}

TEST_F(ToeTest, ClearsTheValueTablesFirst)
{
    result.BrakeLines[0][1].Left = 5;
    report.BrakeValue(0, Left, 1) = 5;
    curves[0][10] = 5;
    ASSERT_TRUE(Decode(QByteArray()));
    EXPECT_EQ(result.BrakeLines[0][1].Left, 0);
    EXPECT_EQ(Table(0, Left, 1), 0);
    EXPECT_EQ(curves[0][10], 0);
}

struct ProblemCase {
    const char* name;
    QByteArray text;
    const char* mentioned;  // in the problem text
    double toeValue;
    double tolLow;
};

class ToeProblemTest : public ToeTest, public ::testing::WithParamInterface<ProblemCase> {};

TEST_P(ToeProblemTest, StopsTheStepWhereTheNumberStood)
{
    const ProblemCase& c = GetParam();
    result.ToeTolLow = 7;
    result.ToeTolHigh = 7;
    ASSERT_FALSE(Decode(c.text));
    ASSERT_EQ(context.problems.size(), 1);
    EXPECT_TRUE(context.problems[0].contains(c.mentioned)) << context.problems[0].toStdString();
    EXPECT_EQ(result.ToeValue, c.toeValue);
    EXPECT_EQ(result.ToeTolLow, c.tolLow);
    EXPECT_EQ(result.ToeTolHigh, 7);
    // What the step did before stays; the lines and the rear axle never come.
    EXPECT_EQ(report.ToeFrontPresent, 1);
    EXPECT_EQ(report.ToeRearPresent, 0);
    EXPECT_EQ(LineA(32), "");
}

INSTANTIATE_TEST_SUITE_P(
    ChassisBlocks, ToeProblemTest,
    ::testing::Values(
        ProblemCase{"TwoCommas", PrintText({"$20", "PLUS    2,5,1 MM", "", "$21", "PLUS 1,0", ""}), "PLUS    2,5,1 MM",
                    0, 7},
        ProblemCase{"NoDigits", PrintText({"$20", "PLUS", "", "$21", "PLUS 1,0", ""}), "PLUS", 0, 7},
        ProblemCase{"NoDots", PrintText({"$20", "PLUS    1,0 MM", "SOLL -1,0 1,0", "", "$21", "x", ""}), "..", 1.0, 7},
        ProblemCase{"BadUpperBound", PrintText({"$20", "SOLL -1,5..x", "", "$21", "PLUS 1,0", ""}), "\"x\"", 0, -1.5}),
    [](const auto& info) { return std::string(info.param.name); });

struct ToeValueCase {
    const char* line;
    double value;
};

class ParseToeValueTest : public ::testing::TestWithParam<ToeValueCase> {};

TEST_P(ParseToeValueTest, SignFromTheWordNumberFromColumnSix)
{
    EXPECT_EQ(ParseToeValue(GetParam().line), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(ChassisBlocks, ParseToeValueTest,
                         ::testing::Values(ToeValueCase{"PLUS 2,5", 2.5}, ToeValueCase{"MINUS2,5", -2.5},
                                           ToeValueCase{"MINUS -0,75mm", -0.75}, ToeValueCase{"PLUS 0,6", 0.6},
                                           ToeValueCase{"PLUS 1.5", 15},  // a point is no decimal separator
                                           ToeValueCase{"SOMETHING 3", -3}));

}  // namespace
}  // namespace zevo::test
