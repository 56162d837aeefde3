// The bar page and what it shares with the bar tab: verdict colours, the
// height of a bar's fill, and the legend's bands, in device pixels at 600 dpi.

#include "reportfixture.h"

#include "graphics/bargraphics.h"
#include "graphics/wincolour.h"
#include "lang/numbertext.h"
#include "report/barpage.h"

namespace zevo::test {
namespace {

TEST(BarVerdict, TheLegendListsTheBandsOfTheColoursThatCanOccur)
{
    // The Polish motorcycle's upper limit 0 lies below its lower 99, and no
    // difference is yellow there: no "100 -  0" row.
    const std::pair<DiffLimits, const char*> legends[] = {{{10, 20}, "  0 - 10| 11 - 20| 21 -100"},
                                                          {{99, 0}, "  0 - 99| 100 -100"}};
    for (const auto& [bandLimits, expected] : legends) {
        const BarBands bands = DifferenceBands(bandLimits);
        QStringList rows;
        for (int k = 0; k < bands.count; ++k)
            rows << FormatC(" %2d -%3d", bands.band[k].from, bands.band[k].to);
        EXPECT_EQ(rows.join('|').toStdString(), expected);
    }
}

TEST(BarVerdict, EachSetJudgesWithItsOwnLimits)
{
    const struct {
        LimitSet set;
        int group, difference, left, right;
        double weight;
        unsigned int colour;
    } cases[] = {
        {LimitSet::Eu, FrontAxleGroup, 21, 0, 0, 0, ClYellow},   // 20 / 24
        {LimitSet::Eu, ParkingBrakeGroup, 40, 0, 0, 0, ClGreen}, // 40 / 49
        {LimitSet::Pl, RearAxleGroup, 31, 0, 0, 0, ClYellow},    // 20 / 31
        {LimitSet::Pl, ParkingBrakeGroup, 32, 0, 0, 0, ClRed},
        {LimitSet::Rus, ParkingBrakeGroup, 0, 5000, 5000, 40, ClYellow}, // no weight given
        {LimitSet::Rus, ParkingBrakeGroup, 90, 800, 800, 1000, ClGreen}, // ratio 0,163: the difference is no matter
        {LimitSet::Rus, ParkingBrakeGroup, 0, 700, 800, 1000, ClRed},    // ratio 0,153
    };
    for (const auto& c : cases) {
        LimitChoice limits;
        limits.set = c.set;
        EXPECT_EQ(BarVerdictColour(limits, c.group, c.difference, c.left, c.right, c.weight), c.colour)
            << int(c.set) << " group " << c.group << " difference " << c.difference;
    }
}

class BarPageTest : public ReportTest {
  protected:
    // The rectangles filled with `colour` `widthCm` wide (give or take the rounding of both edges).
    std::vector<QRectF> Filled(unsigned int colour, double widthCm) const
    {
        std::vector<QRectF> found;
        for (const RecordedRect& r : device->rects()) {
            if (r.brush.color() == WinColour(colour) && std::abs(r.rect.width() - hprint.W(widthCm)) <= 1)
                found.push_back(r.rect);
        }
        return found;
    }
};

// A bar's fill stands on the base: a force of 0 is a bar of height 0 there; a
// difference of 100 % fills its frame exactly, 120 % runs a fifth above it.
TEST_F(BarPageTest, FillStandsOnTheBaseAndRisesWithTheScale)
{
    const struct {
        bool percent;
        int value;
        double frames; // the fill's height in frame heights
    } cases[] = {{false, 0, 0}, {false, 600, 0.5}, {true, 0, 0}, {true, 100, 1}, {true, 120, 1.2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << (c.percent ? "difference " : "force ") << c.value);
        PrepareBlock();
        if (c.percent)
            DrawPercentBar(hprint, "Diff.", true, c.value, 7.4, 3.3);
        else
            DrawForceBar(hprint, ClGreen, 1000, c.value, "Links", true, 7.4, 0.9); // full scale 1200
        const std::vector<QRectF> fill = Filled(c.percent ? ClBlue : ClGreen, c.percent ? 0.6 : 1.6);
        ASSERT_EQ(fill.size(), 1u);
        const int base = hprint.Y(7.4), top = hprint.Y(1.9);
        EXPECT_EQ(fill[0].bottom(), base);
        EXPECT_NEAR(fill[0].top(), base - c.frames * (base - top), 0.5);
    }
}

TEST_F(BarPageTest, CarPageReadsTheLastRowAndColoursByThePolishLimits)
{
    UseLimitSet(LimitSet::Pl);
    Decode("car");
    Render(BarPageKind);
    EXPECT_EQ(BlockNames().mid(3).join(' ').toStdString(),
              "BarTitleBlock BarAxleHeaderRow DrawBarPage BarLegendBlock FooterLine");

    // Front left 3180 N in its read-out box, in the read-outs' own face.
    const RecordedText& readOut = TextItem("3180");
    EXPECT_EQ(readOut.family, "LiquidCrystal");
    EXPECT_EQ(readOut.color, WinColour(ClRed));
    EXPECT_GT(readOut.topLeft.x(), hprint.X(0.9));
    EXPECT_LT(readOut.topLeft.x() + readOut.width, hprint.X(2.5));

    // The parking brake's 23 % lies between 20 and 31: both its force bars yellow.
    const std::vector<QRectF> yellow = Filled(ClYellow, 1.6);
    ASSERT_EQ(yellow.size(), 2u);
    EXPECT_EQ(yellow[0].left(), hprint.X(13.6));
    EXPECT_EQ(yellow[1].left(), hprint.X(16.9));
}

TEST_F(BarPageTest, RussianLegendHasTwoBandsPerAxleAndTheBrakingRatioEntries)
{
    UseLimitSet(LimitSet::Rus);
    Decode("car");
    Render(BarPageKind);
    for (const char* row : {"  0 - 20", " 21 -100", "OK", "N.OK"}) {
        EXPECT_NE(device->FindText(row, 1), nullptr) << row;
        EXPECT_EQ(device->FindText(row, 2), nullptr) << row;
    }
    EXPECT_EQ(device->FindText("Grenzfall"), nullptr);

    const int legendTop = BlockTopAfter("DrawBarPage") + hprint.H(8.0);
    const struct {
        const char* text;
        double y;
        unsigned int colour;
    } entries[] = {{"Verz. FB >0,16", 0.5, ClGreen}, {"Verz. FB <0,16", 1.0, ClRed}, {"Ohne Gewicht!", 1.5, ClYellow}};
    for (const auto& entry : entries) {
        SCOPED_TRACE(entry.text);
        const RecordedText& text = TextItem(entry.text);
        EXPECT_EQ(std::lround(text.topLeft.y()), legendTop + hprint.H(entry.y));
        const std::vector<QRectF> square = Filled(entry.colour, 0.4);
        EXPECT_TRUE(std::any_of(square.begin(), square.end(), [&](const QRectF& r) {
            return r.left() == hprint.X(13.7) && r.top() == legendTop + hprint.H(entry.y);
        }));
    }
}

} // namespace
} // namespace zevo::test
