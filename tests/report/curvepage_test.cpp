// The curve plot and the curve page: scales, axes, which curves a view or a
// page draws, and the legend, in device pixels of a recording device.

#include "reportfixture.h"

#include "graphics/curveviews.h"
#include "graphics/wincolour.h"
#include "report/curvepage.h"

namespace zevo::test {
namespace {

TEST(PickScaleStep, TakesTheFirstStepAtLeastATenthAbove)
{
    const std::pair<double, int> cases[] = {{0, 600},       {540, 600},     {546, 900},    {2500, 3000},
                                            {10909, 12000}, {10910, 12000}, {50000, 12000}};
    for (const auto& [maximum, scale] : cases)
        EXPECT_EQ(PickScaleStep(maximum), scale) << maximum;
}

class CurvePlotTest : public ReportTest {
  protected:
    // A view of the curve tab on a paint box of 780 × 420 pixels.
    void DrawView(int mode, EmptyCurve rule)
    {
        device = std::make_unique<RecordingPaintDevice>(96, 96, 780, 420);
        QPainter canvas(device.get());
        canvas.setFont(QFont(QStringLiteral("Arial"), 8));
        frame = ScreenCurveFrame(QSize(780, 420));
        plan = PlanCurves(result, curves, mode, rule, ClYellow);
        DrawCurvePlan(canvas, frame, plan, curves, true, ScreenFontScale,
                      settings.einstellungen.Field[VehicleTypeField] == 6);
    }

    // The curves drawn: polylines of every sample.
    std::vector<const RecordedPolygon*> Curves() const
    {
        std::vector<const RecordedPolygon*> found;
        for (const RecordedPolygon& polygon : device->polygons())
            if (polygon.points.size() == 505)
                found.push_back(&polygon);
        return found;
    }

    CurvePlotFrame frame;
    CurvePlan plan;
};

TEST_F(CurvePlotTest, ForceLabelsStandAtThirdsOfTheFullScaleLeftOfTheFrame)
{
    Decode("car");
    result.BrakeMaxima[0].Left = 2500; // the largest: full scale 3000
    result.BrakeMaxima[0].Right = result.BrakeMaxima[1].Left = result.BrakeMaxima[1].Right = 1000;
    DrawView(1, EmptyCurve::EndsView);
    ASSERT_EQ(frame.forceFullScale, 3000);
    for (const auto& [label, force] : {std::pair{"1000", 1000}, {"2000", 2000}, {"3000", 3000}, {"N  ", 2500}}) {
        EXPECT_NEAR(TextItem(label).cell().center().y(), ForceY(frame, force), 1.5) << label;
        EXPECT_LT(TextItem(label).cell().right(), frame.left + frame.leftMargin) << label;
    }
    EXPECT_NEAR(TextItem("0", 1).cell().bottom(), frame.bottom - frame.bottomMargin, 1); // on the zero line
}

TEST_F(CurvePlotTest, TheTabEndsAViewAtACurveWithoutSamplesThePageLeavesItOut)
{
    Decode("car");
    curves[8].fill(0);
    DrawView(1, EmptyCurve::EndsView);
    ASSERT_EQ(Curves().size(), 1u);
    EXPECT_EQ(Curves()[0]->pen.color(), WinColour(ClRed));
    DrawView(1, EmptyCurve::LeftOut);
    ASSERT_EQ(Curves().size(), 3u); // 0, 1 and 9
    EXPECT_EQ(Curves()[1]->pen.color(), WinColour(ClFuchsia));
}

TEST_F(CurvePlotTest, TrailerPedalLabelsAreFourfoldOnTheUnchangedPedalScale)
{
    Decode("trailer");
    ASSERT_EQ(settings.einstellungen.Field[VehicleTypeField], 6);
    DrawView(3, EmptyCurve::EndsView);
    const double yB = frame.bottom - frame.bottomMargin, perUnit = (frame.top + frame.topMargin - yB) / 1000;
    for (int k = 1; k <= 5; ++k)
        EXPECT_NEAR(TextItem(QString::number(800 * k)).cell().center().y(), k * 200 * perUnit + yB, 1.5) << k;
    ASSERT_TRUE(plan.pedal);
    const RecordedPolygon* pedal = Curves().back(); // never smoothed: sample 300 as loaded
    EXPECT_EQ(pedal->pen.color(), WinColour(ClYellow));
    EXPECT_EQ(pedal->points[296].y(), std::nearbyint(plan.pedal->scale * curves[40][300] * perUnit + yB));
}

TEST_F(CurvePlotTest, WithoutCurveDataThePageHasFrameAndAxisAndWithoutForceTheCurveLiesOnZero)
{
    Decode("car");
    curves.Clear();
    Render(CurvePageKind);
    EXPECT_TRUE(Curves().empty());
    EXPECT_NE(device->FindText("3sec."), nullptr);
    EXPECT_NE(device->FindText("4200"), nullptr);

    Decode("car");
    result.BrakeMaxima[0].Left = 0;
    Render(CurvePageKind);
    ASSERT_EQ(Curves().size(), 4u);
    const int zeroLine = hprint.H(8.7) + BlockTopAfter("CurveTitleBlock") - 10;
    for (const QPointF& point : Curves().front()->points)
        ASSERT_EQ(point.y(), zeroLine);
}

// Mode 2 fills only the second row; modes 3 and 4 name the pedal force only
// when they drew its curve (the rear axle's pedal channel is left empty).
TEST_F(CurvePlotTest, TheLegendShowsTheEntriesOfTheModeInTheirRow)
{
    const struct {
        int mode;
        std::vector<std::pair<const char*, double>> entries; // text, row in cm below the block top
    } cases[] = {
        {2, {{"Feststellbremse Links", 1.2}, {"Feststellbremse Rechts", 1.2}}},
        {3, {{"Bremse VA Links", 0.6}, {"Bremse VA Rechts", 0.6}, {"Pedal-Kraft", 0.6}}},
        {4, {{"Bremse HA Links", 1.2}, {"Bremse HA Rechts", 1.2}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        Decode("car");
        curves[41].fill(0);
        hprint.CurveMode = c.mode;
        Render(CurvePageKind);
        const int legendTop = BlockTopAfter("DrawCurvePage") + hprint.H(CurveBandHeight);
        QStringList texts, expected; // below the time marks, above the rule
        for (const RecordedText& text : device->texts())
            if (text.topLeft.y() > legendTop + hprint.H(0.5) && text.topLeft.y() < BlockTopAfter("CurveLegendBlock"))
                texts << text.text;
        for (const auto& [text, row] : c.entries) {
            expected << text;
            EXPECT_NEAR(TextItem(text).topLeft.y(), legendTop + hprint.H(row), 1) << text;
        }
        EXPECT_EQ(texts, expected);
    }
}

} // namespace
} // namespace zevo::test
