// The numeric report: which blocks a test draws, in which order and how high,
// and what the blocks write where, in device pixels at 600 dpi.

#include "reportfixture.h"

#include "lang/sprachen.h"
#include "report/numericpage.h"

#include <QPdfWriter>
#include <QTemporaryDir>

namespace zevo::test {
namespace {

TEST_F(ReportTest, BlocksFollowTheSectionsOfTheTestAndTheLimitSet)
{
    const QString brakes = "BrakeHeaderRow BrakeTableBlock BrakeBarsBlock BrakingRatioBlock DistributionBlock ";
    const QString car = "ToeHeaderRow ToeBlock TyreBlock AbsBlock " + brakes + "AxleWeightBlock ";
    const QString motorcycle = "BrakeHeaderRow BrakeTableBlock BrakingRatioBlock DistributionBlock AxleWeightBlock ";
    const struct {
        const char* golden;
        LimitSet set;
        QString blocks;  // after the three common blocks
    } cases[] = {
        {"car", LimitSet::Eu, car + "SuspensionBlock BrakeCurvesBlock CheckBlock FooterLine"},
        {"car", LimitSet::Rus, car + "SuspensionBlock BrakeCurvesBlock CheckBlock FooterLine"},
        {"car", LimitSet::Pl, car + "CheckBlock FooterLine"},
        {"motorcycle", LimitSet::Eu, motorcycle + "BrakeCurvesBlock CheckBlock FooterLine"},
        {"motorcycle", LimitSet::Pl, motorcycle + "CheckBlock FooterLine"},
        {"trailer", LimitSet::Eu, brakes + "AxleWeightBlock BrakeCurvesBlock CheckBlock"},
        {"trailer", LimitSet::Pl, brakes + "AxleWeightBlock CheckBlock"},
        {"nobrakes", LimitSet::Eu, "ToeHeaderRow ToeBlock TyreBlock AbsBlock BrakeHeaderRow DistributionBlock "
                                   "SuspensionBlock CheckBlock"},
        {"nobrakes", LimitSet::Pl, "ToeHeaderRow ToeBlock TyreBlock AbsBlock BrakeHeaderRow DistributionBlock "
                                   "CheckBlock"},
        {"damaged", LimitSet::Rus, "ToeHeaderRow ToeBlock TyreBlock AbsBlock " + brakes +
                                       "AxleWeightBlock BrakeCurvesBlock CheckBlock"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.golden << " set " << int(c.set));
        UseLimitSet(c.set);
        Decode(c.golden);
        Render();
        EXPECT_EQ(BlockNames().mid(3).join(' ').toStdString(), c.blocks.toStdString());
        if (c.blocks.contains("BrakeTable")) {  // the Russian table has a row more
            EXPECT_EQ(BlockTopAfter("BrakeTableBlock") - BlockTopAfter("BrakeHeaderRow"),
                      hprint.H(c.set == LimitSet::Rus ? 3.4 : 3.05));
        }
    }
}

TEST_F(ReportTest, AMotorcycleHasOneForceColumnPerAxleAndNoParkingBrake)
{
    Decode("motorcycle");
    Render();
    EXPECT_EQ(device->FindText(report.LineA(65).toByteArray()), nullptr);  // "Feststellbremse"
    EXPECT_NEAR(TextItem(TextOf(238, 1), 0).topLeft.x(), hprint.X(2.8), 0.5);
    EXPECT_NEAR(TextItem(TextOf(238, 1), 1).topLeft.x(), hprint.X(8.2), 0.5);
    // Row 1 of the front axle's force, right-aligned on 3.5 cm.
    const RecordedText& firstRow = TextItem(QString::number(report.BrakeValue(0, Left, 1)));
    EXPECT_NEAR(firstRow.topLeft.x() + firstRow.width, hprint.X(3.5), 1.0);
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

TEST_F(ReportTest, BarGroupColourAndCaptionFollowTheStoredLimits)
{
    const struct {
        int difference;
        QColor colour;
        int captionId;
        QColor captionColour;
    } cases[] = {{20, QColor(0, 128, 0), 200, QColor(0, 128, 0)},
                 {21, QColor(255, 255, 0), 202, Qt::black},
                 {30, QColor(255, 255, 0), 202, Qt::black},
                 {31, QColor(255, 0, 0), 201, QColor(255, 0, 0)}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.difference);
        PrepareBlock();
        // Stored limits 20 (OK) and 30 (border), passed on plus 1.
        NumericBarGroup(hprint, 1, 21, 31, c.difference, 3000, 2000, 4000, 2.0, 2.3);
        const std::vector<RecordedRect>& rects = device->rects();
        ASSERT_EQ(rects.size(), 6u);
        EXPECT_EQ(rects[0].brush.color(), c.colour);
        EXPECT_NEAR(rects[0].rect.height(), hprint.H(3.2) - hprint.Y(3.2 - 3000.0 / 4000 * 2.75) + hprint.BlockTop,
                    1.0);
        EXPECT_EQ(rects[2].brush.color(), c.colour);  // the right bar
        EXPECT_EQ(rects[4].brush.color(), QColor(0, 0, 255));  // the difference in blue
        EXPECT_EQ(TextItem(TextOf(c.captionId, 1)).color, c.captionColour);
    }
}

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

// The distribution shares the forces the braking-ratio block selected; the
// table rule at 6.2 cm leaves the braking ratio free.
TEST_F(ReportTest, DistributionSharesTheSelectedForcesAndTableRulesLeaveTheRatioFree)
{
    Decode("car");
    Render();
    const SelectedForces& f = hprint.forces;
    const int front = static_cast<int>(std::nearbyint((f.FL + f.FR) * 100 / (f.FL + f.FR + f.RL + f.RR)));
    const RecordedText& frontShare = TextItem(QString::asprintf("%3d %%", front));
    EXPECT_NEAR(frontShare.topLeft.x(), hprint.X(3.0), 0.5);
    EXPECT_NEAR(frontShare.topLeft.y(), BlockTopAfter("BrakingRatioBlock") + hprint.H(0.1), 1.0);
    EXPECT_NEAR(TextItem(QString::asprintf("%3d %%", 100 - front)).topLeft.x(), hprint.X(7.2), 0.5);

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
