// The tab "Balken Grafik": the bars of the test on display, and "Balken" printing the bar page.

#include "app/bartab.h"
#include "graphics/curveplot.h"
#include "graphics/wincolour.h"
#include "tests/app/assifixture.h"
#include "tests/support/pdfreadback.h"

namespace zevo::assitest {
namespace {

TEST_F(AssiTest, BarTabFollowsTheShownTestAndBalkenPrintsTheBarPage)
{
    const qint64 car = StoreTest("B-ZE 1234", now.date(), "n", {}, {}, {}, TestData("car.txt"));
    const qint64 trailer = StoreTest("B-AH 77", now.date(), "n", {}, {}, {}, TestData("trailer.txt"));
    Start();
    ShowTab("TabSheet4");

    const auto& frame = Part<BarShape>(*assi, "shbVAlinksMax");
    const auto& bar = Part<BarShape>(*assi, "shbValinks");
    const struct {
        qint64 id;
        int left; // N, front axle, last row
    } shown[] = {{car, 3180}, {trailer, 3650}};
    for (const auto& test : shown) {
        SCOPED_TRACE(test.id);
        assi->ShowTest(test.id);
        (void)assi->grab(); // paints pbbGrafik, which sets the shapes
        EXPECT_EQ(EditText("edVAlinks"), QString::number(test.left));
        EXPECT_EQ(bar.BrushColour(), WinColour(ClGreen));
        EXPECT_EQ(bar.x(), frame.x());
        EXPECT_EQ(bar.y() + bar.height(), frame.y() + frame.height());
        const int fullScale = PickScaleStep(BarForceMaximum(state.result, FrontAxleGroup));
        EXPECT_NEAR(bar.height(), test.left * frame.height() / double(fullScale), 1);
    }

    QSignalSpy printed(assi.get(), &TfoAssi::pagePrinted);
    Part<QAction>(*assi, "Balken1").trigger();
    ASSERT_EQ(printed.count(), 1);
    EXPECT_EQ(printed[0][0].toString(), "B-AH 77");
    const std::vector<testing::PdfWord> words = testing::PdfWords(printed[0][1].toString());
    EXPECT_NE(testing::FindWord(words, "3650"), nullptr); // the shown test's bar page
}

} // namespace
} // namespace zevo::assitest
