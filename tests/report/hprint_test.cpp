// The render frame: resolutions, scales, text placement, pictograms, the
// common blocks and the footer, in device pixels.

#include "reportfixture.h"

namespace zevo::test {
namespace {

TEST_F(ReportTest, FramePicksBitmapsScaleAndMarginByResolution)
{
    const struct {
        int dpi;
        bool screen;
        const char* bitmapDir;
        double pxPerCm;
        int originX;
        double fontScale;
    } cases[] = {{600, false, "/bmps300/", 600 / 2.54, qRound(600 / 2.54 * 0.5), 1.0},
                 {601, false, "/bmps720/", 601 / 2.54, qRound(601 / 2.54 * 0.5), 1.0},
                 // On screen the page is shown at 96 px per inch, whatever the printer.
                 {1200, true, "/bmpsScreen/", 96 / 2.54, 0, 0.8}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.dpi << (c.screen ? " dpi screen" : " dpi"));
        Render(0, c.dpi, c.screen);
        EXPECT_TRUE(hprint.BitmapDir.endsWith(QLatin1String(c.bitmapDir))) << hprint.BitmapDir.toStdString();
        EXPECT_NEAR(hprint.PxPerCmX, c.pxPerCm, 1e-9);
        EXPECT_EQ(hprint.OriginX, c.originX);
        EXPECT_EQ(hprint.FontScale, c.fontScale);
    }
}

TEST_F(ReportTest, PreviewIsThePrintedPageAt96PixelsPerInch)
{
    const PrinterPage at600{600, 600, 4960, 7016};
    EXPECT_EQ(TfoHPrint::PreviewSize(at600), QSize(qRound(4960 / 6.25), qRound(7016 / 6.25)));
    // The same paper on a 300-dpi printer gives the same preview.
    EXPECT_EQ(TfoHPrint::PreviewSize({300, 300, 2480, 3508}), TfoHPrint::PreviewSize(at600));
    EXPECT_EQ(TfoHPrint::PreviewSize(at600, 2).height(), 2 * qRound(7016 / 6.25) + TfoHPrint::PreviewPageGap);
}

TEST_F(ReportTest, CommonBlocksStandWhereThePageSaysAtAnyScroll)
{
    report.SetLineA(0, "Autohaus M\xfcller");
    report.SetLineA(11, "Datum: 06.12.26");
    for (int scroll : {0, 400}) {
        Render(NumericPageKind, 600, true, scroll);
        const double pxPerCm = 96 / 2.54;
        const RecordedText& company = TextItem(QStringLiteral("Autohaus Müller"));
        EXPECT_NEAR(company.topLeft.x(), qRound(pxPerCm * 0.2), 0.5);
        EXPECT_NEAR(company.topLeft.y(), -scroll + qRound(pxPerCm * 0.1), 1.0);
        EXPECT_TRUE(company.bold);
        EXPECT_EQ(company.pointSize, 8);  // 10 points × 0.8 on screen
        EXPECT_EQ(company.family, "Arial");
        // The order line starts below the company block's 1.9 cm.
        EXPECT_NEAR(TextItem("Datum: 06.12.26").topLeft.y(), -scroll + qRound(pxPerCm * 1.9) + qRound(pxPerCm * 0.2),
                    1.0);
        EXPECT_EQ(BlockTopAfter("CompanyBlock"), -scroll + qRound(pxPerCm * 1.9));
    }
}

TEST_F(ReportTest, ThirdColumnOfTheCustomerBlockFollowsTheLimitSet)
{
    report.SetLineA(24, "HU: 05.2026");
    report.SetLineA(25, "AU: 07.2027");
    report.SetLineA(26, "Inspektion: 10.2026");
    struct Case {
        LimitSet set;
        double huY, inspectionY;  // cm below the customer block's top; < 0: absent
        bool auShown;
    };
    for (const Case& c : {Case{LimitSet::Eu, 0.5, 1.6, true}, Case{LimitSet::Rus, 0.5, 0.875, false},
                          Case{LimitSet::Pl, -1, -1, false}}) {
        UseLimitSet(c.set);
        settings.einstellungen.Field[VehicleTypeField] = 2;
        settings.einstellungen.Field[RegistrationGroup] = 2;
        Render();
        const int top = BlockTopAfter("OrderLine");
        if (c.huY < 0) {
            EXPECT_EQ(device->FindText("HU: 05.2026"), nullptr);
            const QString polish = PolishName(PolishLimits(2, 2), 1) + " - 30.06.1999";
            EXPECT_NEAR(TextItem(polish).topLeft.y(), top + hprint.H(0.1), 1.0);
            continue;
        }
        EXPECT_NEAR(TextItem("HU: 05.2026").topLeft.y(), top + hprint.H(c.huY), 1.0);
        EXPECT_NEAR(TextItem("Inspektion: 10.2026").topLeft.y(), top + hprint.H(c.inspectionY), 1.0);
        EXPECT_EQ(device->FindText("AU: 07.2027") != nullptr, c.auShown);
    }
}

TEST_F(ReportTest, FooterNamesTheEmployeeOrNobody)
{
    employeeLines[0] = "Prüfer: A. Muster";
    employeeLines[99] = "Prüfer: Z. Letzter";
    struct Case {
        int number;
        const char* expected;  // nullptr: no footer
    };
    for (const Case& c : {Case{0, nullptr}, Case{1, "Prüfer: A. Muster"}, Case{100, "Prüfer: Z. Letzter"},
                          Case{101, nullptr}, Case{-3, nullptr}}) {
        result.EmployeeNumber = c.number;
        Render();
        EXPECT_EQ(BlockNames().contains("FooterLine"), c.expected != nullptr) << c.number;
        if (!c.expected)
            continue;
        const RecordedText& footer = TextItem(QString::fromUtf8(c.expected));
        EXPECT_NEAR(footer.topLeft.x(), hprint.X(9.3) - int(footer.width) / 2, 1.0);
        EXPECT_NEAR(footer.topLeft.y(), BlockTopAfter("CheckBlock") + hprint.H(0.1), 1.0);
    }
}

// A missing pictogram told once per run: tests/tools, through zevo-tool render.
// (No code switches DrawBitmaps off.)
TEST_F(ReportTest, PictogramsStandWhereThePageSays)
{
    Render(NumericPageKind, 600);
    ASSERT_FALSE(device->images().empty());
    EXPECT_NEAR(device->images().front().center().x(), hprint.X(16.0), 1.0);
    EXPECT_TRUE(problems.isEmpty()) << problems.join('\n').toStdString();
}

}  // namespace
}  // namespace zevo::test
