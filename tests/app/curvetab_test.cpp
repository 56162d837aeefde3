// The tab "Kurven Grafik": the diagram through repaints and resizes, a view's legend, curve printing.

#include "app/curvetab.h"
#include "tests/app/assifixture.h"

namespace zevo::assitest {
namespace {

class CurveTabTest : public AssiTest {
  protected:
    void SetUp() override
    {
        AssiTest::SetUp();
        StoreTest("B-ZE 1", now.date(), "n", {}, {}, {}, TestData("car.txt"), TestData("car.curves.txt"));
        Start();
        ShowTab("Tabsheet3");
    }

    QImage Diagram() const
    {
        QApplication::sendPostedEvents(); // layouts follow a resize
        return Part<QWidget>(*assi, "pbLGrafik").grab().toImage();
    }

    static int RedPixels(const QImage& image)
    {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += image.pixelColor(x, y) == Qt::red;
        return count;
    }
};

TEST_F(CurveTabTest, TheDiagramStaysThroughRepaintsAndResizesAndIsSmoothedOnce)
{
    EXPECT_TRUE(Part<QAbstractButton>(*assi, "spbuVAHA").isChecked());
    const QImage first = Diagram();
    EXPECT_GT(RedPixels(first), 200);
    EXPECT_EQ(Diagram(), first);
    assi->resize(1000, 700);
    EXPECT_GT(RedPixels(Diagram()), RedPixels(first));
    assi->resize(819, 585);
    EXPECT_EQ(Diagram(), first); // the same curves: not smoothed a second time
}

TEST_F(CurveTabTest, ACurvePrintSetsModeAndPedalTicksThenShowsBothAxlesAgain)
{
    Part<QAbstractButton>(*assi, "spbuFeststell").click();
    EXPECT_EQ(LabelText("laHALinks"), "Feststellbremse Links");
    renderer->PedalTickLength = 0;
    QSignalSpy printed(assi.get(), &TfoAssi::pagePrinted);
    Part<QAction>(*assi, "HABetriebsbremse1").trigger();
    ASSERT_EQ(printed.count(), 1);
    EXPECT_TRUE(QFile::exists(printed[0][1].toString()));
    EXPECT_EQ(renderer->CurveMode, 4);
    EXPECT_EQ(renderer->PedalTickLength, 30);
    EXPECT_TRUE(Part<QAbstractButton>(*assi, "spbuVAHA").isChecked());
    EXPECT_EQ(LabelText("laHALinks"), "Bremse HA Links");
}

} // namespace
} // namespace zevo::assitest
