// Toe test: the tolerance judgement (EU and Polish), reading a value, texts that are no
// numbers. Both axles' report lines in three languages are the golden files'.

#include "decode/toetest.h"

#include "decode/printdata.h"
#include "decodefixture.h"

namespace zevo::test {
namespace {

TEST_F(DecodeTest, ToeJudgedAgainstTheBoundsOfTheSetInForce)
{
    const struct {
        LimitSet set;
        const char* value;
        const char* tolerance;
        ToeJudgement expected;
        const char* lowText;
        const char* highText;
    } cases[] = {
        {LimitSet::Eu, "PLUS    1,2 MM", "SOLL -1,0..1,0", ToeJudgement::Outside, "-1,0", " 1,0"},
        {LimitSet::Rus, "PLUS    1,2 MM", "SOLL -1,0..1,0", ToeJudgement::Outside, "-1,0", " 1,0"},
        // The Polish set widens the bounds by 1,5 mm, and shows the widened bounds.
        {LimitSet::Pl, "PLUS    1,2 MM", "SOLL -1,0..1,0", ToeJudgement::Inside, "-2,5", " 2,5"},
        {LimitSet::Pl, "MINUS   2,6 MM", "SOLL -1,0..1,0", ToeJudgement::Outside, "-2,5", " 2,5"},
        {LimitSet::Eu, "MINUS   1,0 MM", "SOLL -1,0..1,0", ToeJudgement::Inside, "-1,0", " 1,0"},
        // Narrower than 0,01 mm: not judged, not widened, not shown.
        {LimitSet::Pl, "PLUS    0,5 MM", "SOLL  0,5..0,5", ToeJudgement::NotJudged, " 0,5", " 0,5"},
    };
    // On its own the step clears the value tables and the curves first.
    result.BrakeLines[0][1].Left = report.BrakeValue(0, Left, 1) = 5;
    curves[0][10] = 5;
    settings.Sprache = 2;
    for (const auto& c : cases) {
        UseLimitSet(c.set);
        const QByteArray text = PrintText({"$20", c.value, c.tolerance, ""});
        ASSERT_TRUE(DecodeToe(PrintData(text), context));
        EXPECT_EQ(result.ToeFrontJudgement, c.expected) << c.value << " " << c.tolerance;
        EXPECT_EQ(result.ToeFrontLowText, c.lowText) << c.value << " " << c.tolerance;
        EXPECT_EQ(result.ToeFrontHighText, c.highText) << c.value << " " << c.tolerance;
        // The line shows the bounds as printed, and only when they were judged.
        const QByteArray shown = "Tolerance    " + QByteArray(c.tolerance).mid(5);
        EXPECT_EQ(LineA(33), c.expected == ToeJudgement::NotJudged ? QByteArray() : shown) << c.tolerance;
    }
    EXPECT_EQ(result.BrakeLines[0][1].Left + Table(0, Left, 1) + curves[0][10], 0);

    // Only the five lines after the code are read.
    result.ToeValue = 0;
    const QByteArray late = PrintText({"$20", "A", "B", "C", "D", "E", "PLUS    1,0 MM", ""});
    ASSERT_TRUE(DecodeToe(PrintData(late), context));
    EXPECT_EQ(result.ToeValue, 0);
}

TEST_F(DecodeTest, ToeStepStopsWhereANumberCannotBeRead)
{
    const struct {
        QByteArray text;
        const char* mentioned;  // in the problem text
        double toeValue, tolLow;
    } cases[] = {
        {PrintText({"$20", "PLUS    2,5,1 MM", "", "$21", "PLUS 1,0", ""}), "PLUS    2,5,1 MM", 0, 7},
        {PrintText({"$20", "PLUS", "", "$21", "PLUS 1,0", ""}), "PLUS", 0, 7},
        {PrintText({"$20", "SOLL -1,5..x", "", "$21", "PLUS 1,0", ""}), "\"x\"", 0, -1.5},
    };
    for (const auto& c : cases) {
        result.ToeValue = 0;
        result.ToeTolLow = result.ToeTolHigh = 7;
        context.problems.clear();
        EXPECT_FALSE(DecodeToe(PrintData(c.text), context)) << c.mentioned;
        ASSERT_EQ(context.problems.size(), 1) << c.mentioned;
        EXPECT_TRUE(context.problems[0].contains(c.mentioned)) << context.problems[0].toStdString();
        EXPECT_EQ(result.ToeValue, c.toeValue) << c.mentioned;
        EXPECT_EQ(result.ToeTolLow, c.tolLow) << c.mentioned;
        EXPECT_EQ(result.ToeTolHigh, 7) << c.mentioned;
        // What the step did before stays; the lines and the rear axle never come.
        EXPECT_EQ(report.ToeFrontPresent, 1) << c.mentioned;
        EXPECT_EQ(report.ToeRearPresent, 0) << c.mentioned;
        EXPECT_EQ(LineA(32), "") << c.mentioned;
    }
}

TEST(ParseToeValue, SignFromTheWordNumberFromColumnSix)
{
    const std::pair<const char*, double> cases[] = {
        {"PLUS 2,5", 2.5}, {"MINUS2,5", -2.5}, {"MINUS -0,75mm", -0.75}, {"PLUS 0,6", 0.6},
        {"PLUS 1.5", 15},  // a point is no decimal separator
        {"SOMETHING 3", -3},
    };
    for (const auto& [line, value] : cases)
        EXPECT_EQ(ParseToeValue(line), value) << line;
}

}  // namespace
}  // namespace zevo::test
