// The numeric report: which blocks a test draws, in which order and how high,
// and what the blocks write where, in device pixels at 600 dpi.

#include "reportfixture.h"

#include "lang/sprachen.h"
#include "report/numericpage.h"

#include <map>

namespace zevo::test {
namespace {

// Block heights in cm, as the page advances after each.
double Height(const QString& block, LimitSet set, double mass)
{
    static const std::map<QString, double> heights = {
        {"CompanyBlock", 1.9},     {"OrderLine", 0.9},       {"CustomerBlock", 2.0},  {"ToeHeaderRow", 0.8},
        {"ToeBlock", 2.0},         {"TyreBlock", 2.0},       {"AbsBlock", 2.0},       {"BrakeHeaderRow", 0.8},
        {"BrakeBarsBlock", 3.4},   {"DistributionBlock", 0.9}, {"AxleWeightBlock", 0.9}, {"SuspensionBlock", 1.95},
        {"BrakeCurvesBlock", 3.4}, {"CheckBlock", 2.25},     {"FooterLine", 0}};
    if (block == "BrakeTableBlock")
        return set == LimitSet::Rus ? 3.4 : 3.05;
    if (block == "BrakingRatioBlock")
        return mass > 0.01 ? 1.2 : 0.85;
    return heights.at(block);
}

struct SequenceCase {
    const char* golden;
    LimitSet set;
    const char* blocks;  // after the three common blocks
};

void PrintTo(const SequenceCase& c, std::ostream* os) { *os << c.golden << " set " << int(c.set); }

class BlockSequence : public ReportTest, public ::testing::WithParamInterface<SequenceCase> {};

TEST_P(BlockSequence, FollowsTheSectionsOfTheTestAndTheLimitSet)
{
    const SequenceCase& c = GetParam();
    UseLimitSet(c.set);
    Decode(c.golden);
    Render();
    const QStringList expected =
        QStringList{"CompanyBlock", "OrderLine", "CustomerBlock"} + QString(c.blocks).split(' ', Qt::SkipEmptyParts);
    ASSERT_EQ(BlockNames(), expected);

    // BlockTop after each block: the sum of the heights so far, each rounded
    // to pixels. The distribution block takes no height without forces.
    int top = 0;
    for (const auto& [block, after] : trace) {
        const bool emptyDistribution = block == "DistributionBlock" && hprint.forces.FL + hprint.forces.FR +
                                                                               hprint.forces.RL + hprint.forces.RR <
                                                                           0.01;
        if (!emptyDistribution)
            top += hprint.H(Height(block, c.set, result.TotalWeight));
        EXPECT_EQ(after, top) << block.toStdString();
    }
}

constexpr const char* CarEu = "ToeHeaderRow ToeBlock TyreBlock AbsBlock BrakeHeaderRow BrakeTableBlock BrakeBarsBlock "
                              "BrakingRatioBlock DistributionBlock AxleWeightBlock SuspensionBlock BrakeCurvesBlock "
                              "CheckBlock FooterLine";
constexpr const char* CarPl = "ToeHeaderRow ToeBlock TyreBlock AbsBlock BrakeHeaderRow BrakeTableBlock BrakeBarsBlock "
                              "BrakingRatioBlock DistributionBlock AxleWeightBlock CheckBlock FooterLine";
constexpr const char* Motorcycle = "BrakeHeaderRow BrakeTableBlock BrakingRatioBlock DistributionBlock AxleWeightBlock "
                                   "BrakeCurvesBlock CheckBlock FooterLine";
constexpr const char* Trailer = "BrakeHeaderRow BrakeTableBlock BrakeBarsBlock BrakingRatioBlock DistributionBlock "
                                "AxleWeightBlock BrakeCurvesBlock CheckBlock";
constexpr const char* NoBrakes = "ToeHeaderRow ToeBlock TyreBlock AbsBlock BrakeHeaderRow DistributionBlock "
                                 "SuspensionBlock CheckBlock";
constexpr const char* Damaged = "ToeHeaderRow ToeBlock TyreBlock AbsBlock BrakeHeaderRow BrakeTableBlock BrakeBarsBlock "
                                "BrakingRatioBlock DistributionBlock AxleWeightBlock BrakeCurvesBlock CheckBlock";

INSTANTIATE_TEST_SUITE_P(
    GoldenTests, BlockSequence,
    ::testing::Values(SequenceCase{"car", LimitSet::Eu, CarEu}, SequenceCase{"car", LimitSet::Rus, CarEu},
                      SequenceCase{"car", LimitSet::Pl, CarPl}, SequenceCase{"motorcycle", LimitSet::Eu, Motorcycle},
                      SequenceCase{"motorcycle", LimitSet::Rus, Motorcycle},
                      SequenceCase{"motorcycle", LimitSet::Pl,
                                   "BrakeHeaderRow BrakeTableBlock BrakingRatioBlock DistributionBlock "
                                   "AxleWeightBlock CheckBlock FooterLine"},
                      SequenceCase{"trailer", LimitSet::Eu, Trailer},
                      SequenceCase{"trailer", LimitSet::Pl,
                                   "BrakeHeaderRow BrakeTableBlock BrakeBarsBlock BrakingRatioBlock DistributionBlock "
                                   "AxleWeightBlock CheckBlock"},
                      SequenceCase{"nobrakes", LimitSet::Eu, NoBrakes},
                      SequenceCase{"nobrakes", LimitSet::Pl,
                                   "ToeHeaderRow ToeBlock TyreBlock AbsBlock BrakeHeaderRow DistributionBlock "
                                   "CheckBlock"},
                      SequenceCase{"damaged", LimitSet::Rus, Damaged}));

TEST_F(ReportTest, OnlyABrakeTestDrawsTheBrakeBlocksAndTheChecks)
{
    result.HasBrakeBlock = result.HasBrakeTest = result.HasFrontAxle = true;
    result.EmployeeNumber = 1;
    employeeLines[0] = "Prüfer";
    Render();
    EXPECT_EQ(BlockNames(), QStringList({"CompanyBlock", "OrderLine", "CustomerBlock", "BrakeHeaderRow",
                                         "BrakeTableBlock", "BrakeBarsBlock", "BrakingRatioBlock",
                                         "DistributionBlock", "BrakeCurvesBlock", "CheckBlock", "FooterLine"}));
}

TEST_F(ReportTest, AMotorcycleHasOneForceColumnPerAxleAndNoParkingBrake)
{
    Decode("motorcycle");
    Render();
    EXPECT_EQ(device->FindText(report.LineA(65).toByteArray()), nullptr);  // "Feststellbremse"
    const int tableTop = BlockTopAfter("BrakeHeaderRow");
    const RecordedText& front = TextItem(TextOf(238, 1), 0);
    const RecordedText& rear = TextItem(TextOf(238, 1), 1);
    EXPECT_NEAR(front.topLeft.x(), hprint.X(2.8), 0.5);
    EXPECT_NEAR(rear.topLeft.x(), hprint.X(8.2), 0.5);
    EXPECT_NEAR(front.topLeft.y(), tableTop + hprint.H(0.1), 1.0);
    // Row 1 of the front axle's force, right-aligned on 3.5 cm.
    const RecordedText& firstRow = TextItem(QString::number(report.BrakeValue(0, Left, 1)));
    EXPECT_NEAR(firstRow.topLeft.x() + firstRow.width, hprint.X(3.5), 1.0);
    EXPECT_NEAR(firstRow.topLeft.y(), tableTop + hprint.H(0.45), 1.0);
    EXPECT_EQ(device->FindText(report.LineA(69).toByteArray()), nullptr);  // no "Diff%" column
}

TEST_F(ReportTest, EnglishMovesTheLeftCaptionsOfTableAndSuspension)
{
    for (int sprache : {1, 2}) {
        settings.Sprache = sprache;
        Decode("car");
        Render();
        const double shift = sprache == 2 ? 0.2 : 0.0;
        const QString left = report.LineA(68).toByteArray();
        EXPECT_NEAR(TextItem(left, 0).topLeft.x(), hprint.X(1.8 - shift), 0.5) << sprache;
        EXPECT_NEAR(TextItem(left, 3).topLeft.x(), hprint.X(2.1 - shift), 0.5) << sprache;  // suspension, front
        EXPECT_NEAR(TextItem(report.LineA(69).toByteArray(), 0).topLeft.x(), hprint.X(2.85), 0.5) << sprache;
    }
}

struct BarCase {
    int difference;
    QColor colour;
    int captionId;
    QColor captionColour;
};

void PrintTo(const BarCase& c, std::ostream* os) { *os << "difference " << c.difference; }

class BarGroup : public ReportTest, public ::testing::WithParamInterface<BarCase> {};

TEST_P(BarGroup, ColourAndCaptionFollowTheStoredLimits)
{
    const BarCase& c = GetParam();
    PrepareBlock();
    const RecordingPaintDevice& recorder = *device;
    // Stored limits 20 (OK) and 30 (border), passed on plus 1.
    NumericBarGroup(hprint, 1, 21, 31, c.difference, 3000, 2000, 4000, 2.0, 2.3);
    ASSERT_EQ(recorder.rects().size(), 6u) << recorder.Dump().toStdString();
    const RecordedRect& leftBar = recorder.rects()[0];
    EXPECT_EQ(leftBar.brush.color(), c.colour);
    EXPECT_NEAR(leftBar.rect.left(), hprint.X(2.0), 0.5);
    EXPECT_NEAR(leftBar.rect.bottom(), hprint.Y(3.2), 1.0);
    EXPECT_NEAR(leftBar.rect.height(), hprint.H(3.2) - hprint.Y(3.2 - 3000.0 / 4000 * 2.75) + hprint.BlockTop, 1.0);
    EXPECT_EQ(recorder.rects()[2].brush.color(), c.colour);   // right bar at x + 2.7
    EXPECT_NEAR(recorder.rects()[2].rect.left(), hprint.X(4.7), 0.5);
    EXPECT_EQ(recorder.rects()[4].brush.color(), QColor(0, 0, 255));  // the difference in blue
    const RecordedText& caption = TextItem(TextOf(c.captionId, 1));
    EXPECT_EQ(caption.color, c.captionColour);
    EXPECT_NEAR(caption.topLeft.x(), hprint.X(16.0), 0.5);
}

INSTANTIATE_TEST_SUITE_P(Differences, BarGroup,
                         ::testing::Values(BarCase{20, QColor(0, 128, 0), 200, QColor(0, 128, 0)},
                                           BarCase{21, QColor(255, 255, 0), 202, Qt::black},
                                           BarCase{30, QColor(255, 255, 0), 202, Qt::black},
                                           BarCase{31, QColor(255, 0, 0), 201, QColor(255, 0, 0)}));

TEST_F(ReportTest, DistributionWithoutForcesDrawsOnlyItsLeadingRule)
{
    result.HasBrakeBlock = true;  // but no row within the pedal limit
    for (int row = 1; row <= 7; ++row)
        report.BrakeValue(0, Pedal, row) = 5000;
    Render();
    const int top = BlockTopAfter("BrakingRatioBlock");
    EXPECT_EQ(BlockTopAfter("DistributionBlock"), top);
    EXPECT_EQ(device->FindText(report.LineA(55).toByteArray()), nullptr);
    int rulesAtTop = 0;
    for (const RecordedLine& line : device->lines())
        rulesAtTop += line.line.y1() == top && line.line.y2() == top && line.line.x1() < line.line.x2() &&
                      line.pen.style() == Qt::DashLine;
    EXPECT_EQ(rulesAtTop, 1);
}

TEST_F(ReportTest, DistributionSharesTheSelectedForces)
{
    Decode("car");
    Render();
    const SelectedForces& f = hprint.forces;
    const int front = static_cast<int>(std::nearbyint((f.FL + f.FR) * 100 / (f.FL + f.FR + f.RL + f.RR)));
    const int top = BlockTopAfter("BrakingRatioBlock");
    const RecordedText& frontShare = TextItem(QString::asprintf("%3d %%", front));
    EXPECT_NEAR(frontShare.topLeft.x(), hprint.X(3.0), 0.5);
    EXPECT_NEAR(frontShare.topLeft.y(), top + hprint.H(0.1), 1.0);
    EXPECT_NEAR(TextItem(QString::asprintf("%3d %%", 100 - front)).topLeft.x(), hprint.X(7.2), 0.5);
}

TEST_F(ReportTest, TableRulesLeaveTheBrakingRatioFree)
{
    Decode("car");
    Render();
    std::vector<QLineF> at62;
    for (const RecordedLine& line : device->lines()) {
        if (line.line.x1() == hprint.X(6.2) && line.line.x2() == hprint.X(6.2))
            at62.push_back(line.line);
    }
    ASSERT_EQ(at62.size(), 2u);
    EXPECT_EQ(at62[0].y1(), BlockTopAfter("CustomerBlock"));
    EXPECT_EQ(at62[0].y2(), BlockTopAfter("BrakeBarsBlock"));
    EXPECT_EQ(at62[1].y1(), BlockTopAfter("BrakingRatioBlock"));
    EXPECT_EQ(at62[1].y2(), BlockTopAfter("BrakeCurvesBlock"));
}

TEST_F(ReportTest, AReportTallerThanTheSheetGoesOnOnAFollowingPage)
{
    Decode("car");
    result.EmployeeNumber = 1;
    employeeLines[0] = "Prüfer: A. Muster";
    QTemporaryDir dir;
    QPdfWriter pdf(dir.filePath("car.pdf"));
    pdf.setResolution(600);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(6.35, 6.35, 6.35, 6.35),
                                  QPageLayout::Millimeter));
    {
        QPainter painter(&pdf);
        hprint.RenderPage(painter, {600, 600, pdf.width(), pdf.height()}, false, 0, NumericPageKind);
    }
    EXPECT_EQ(hprint.Pages, 2);
    // Everything fits: no block ends below the printable area.
    for (const auto& [block, top] : trace)
        EXPECT_LE(top, pdf.height()) << block.toStdString();
    EXPECT_EQ(BlockTopAfter("CheckBlock"), hprint.H(2.25));
}

}  // namespace
}  // namespace zevo::test
