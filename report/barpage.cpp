#include "report/barpage.h"

#include "decode/limitsets.h"
#include "graphics/bargraphics.h"
#include "graphics/canvastext.h"
#include "graphics/lcdfont.h"
#include "graphics/wincolour.h"
#include "lang/numbertext.h"
#include "report/hprint.h"

#include <QPainter>
#include <QPen>
#include <cmath>

namespace zevo {
namespace {


constexpr double ForceBarWidth = 1.6;   // cm
constexpr double PercentBarWidth = 0.6; // cm
constexpr double BarFrameHeight = 5.5;  // cm
constexpr int TickLength = 5;           // device pixels, leftwards from the frame

// Left edges of the left force bar, the difference bar and the right force
// bar of the front axle, rear axle and parking brake, cm.
constexpr double BarLefts[BarGroupCount][3] = {{0.9, 3.3, 4.1}, {7.2, 9.6, 10.4}, {13.6, 16.0, 16.9}};

// One bar's frame on the device.
struct BarFrame {
    int xL, xR, yT, yB;
};

BarFrame FrameOf(const TfoHPrint& p, double leftX, double width, double baseY)
{
    return {p.X(leftX), p.X(leftX + width), p.Y(baseY - BarFrameHeight), p.Y(baseY)};
}

QRect Box(int left, int top, int right, int bottom)
{
    return QRect(QPoint(left, top), QSize(right - left, bottom - top)).normalized();
}

// The scale left of a frame: "0" with its foot on the base, then `marks`
// labels centred on their height with a tick each, every label ending two
// blanks before the frame.
void DrawScale(QPainter& canvas, const BarFrame& frame, const BarScale& scale, int marks, int step)
{
    const QFontMetrics metrics = canvas.fontMetrics();
    const int end = frame.xL - metrics.horizontalAdvance(QStringLiteral("  "));
    const auto label = [&](int value, int top) {
        const QString text = QString::number(value);
        TextTopLeft(canvas, end - metrics.horizontalAdvance(text), top, text);
    };
    label(0, frame.yB - metrics.height());
    for (int k = 1; k <= marks; ++k) {
        const int value = k * step;
        const int y = scale.Y(value);
        label(value, y - metrics.height() / 2);
        canvas.drawLine(frame.xL, y, frame.xL - TickLength, y);
    }
}

// The filled part of a bar, in `colour`, outlined with the frame's pen.
void FillBar(QPainter& canvas, const BarFrame& frame, int top, unsigned int colour)
{
    canvas.setBrush(WinColour(colour));
    canvas.drawRect(Box(frame.xL, top, frame.xR, frame.yB));
    canvas.setBrush(Qt::white);
}

constexpr int TwoBlanks = -1; // a read-out's gap: two blanks of its face

// The read-out box between 6.5 and 6.0 cm above the base, the value in red
// digits ending `rightGap` pixels (or TwoBlanks) before the frame's right
// edge, centred 6.3 cm above the base, in the read-outs' own face.
void ReadOut(TfoHPrint& p, const BarFrame& frame, double baseY, int value, int rightGap)
{
    QPainter& canvas = *p.Canvas;
    canvas.setFont(LiquidCrystalFont(RoundToInt(9 * p.FontScale), true));
    canvas.drawRect(Box(frame.xL, p.Y(baseY - 6.5), frame.xR, p.Y(baseY - 6.0)));
    const QFontMetrics metrics = canvas.fontMetrics();
    if (rightGap == TwoBlanks)
        rightGap = metrics.horizontalAdvance(QStringLiteral("  "));
    const QString text = FormatC("%d", value);
    const int x = frame.xR - rightGap - metrics.horizontalAdvance(text);
    TextTopLeft(canvas, x, p.Y(baseY - 6.3) - metrics.height() / 2, text, WinColour(ClRed));
}

// The font of a bar's scale, caption and unit. The Russian set asks for the
// Cyrillic character set; Qt's texts are Unicode and "Arial" (Liberation
// Sans) holds the Cyrillic letters, so the font needs nothing more.
void BarFont(TfoHPrint& p)
{
    p.SetFont(9, true, ClBlack);
}

} // namespace

void BarPage(TfoHPrint& p)
{
    CompanyBlock(p);
    OrderLine(p);
    CustomerBlock(p);
    BarTitleBlock(p);
    BarAxleHeaderRow(p);
    DrawBarPage(p);
    BarLegendBlock(p);
    FooterLine(p);
}

void BarTitleBlock(TfoHPrint& p)
{
    p.SetFont(9, true, ClBlack);
    p.TextAt(p.Text(144), 0, 0.1);
    p.TextAt(p.Text(155), 0, 0.475);
    p.PlaceBitmap("Balken_bremse.bmp", 1.7, 1.8);
    p.EndBlock("BarTitleBlock", 2.8, true);
}

void BarAxleHeaderRow(TfoHPrint& p)
{
    p.SetFont(9, true);
    p.TextAt(p.LineA(63), 2.2, 0.2);
    p.TextAt(p.LineA(64), 9.2, 0.2);
    p.TextAt(p.LineA(65), 16.0, 0.2);
    p.PlaceBitmap("Vorderachse.bmp", 1.2, 0.4);
    p.PlaceBitmap("HinterAchse.bmp", 8.2, 0.4);
    p.PlaceBitmap("Feststellbremse.bmp", 15.0, 0.4);
    p.EndBlock("BarAxleHeaderRow", 0.8, false);
}

void DrawBarPage(TfoHPrint& p)
{
    if (!p.Canvas)
        return;
    const LimitChoice limits = p.Limits();
    for (int group = 0; group < BarGroupCount; ++group) {
        const BarValues v = BarGroupValues(p.src.report, group);
        const unsigned int colour =
            BarVerdictColour(limits, group, v.difference, v.left, v.right, p.src.result.TotalWeight);
        const double maximum = BarForceMaximum(p.src.result, group);
        const double* left = BarLefts[group];
        DrawForceBar(p, colour, maximum, v.left, p.Text(57), true, BarBaseLine, left[0]);
        DrawPercentBar(p, p.Text(58), true, v.difference, BarBaseLine, left[1]);
        DrawForceBar(p, colour, maximum, v.right, p.Text(59), false, BarBaseLine, left[2]);
    }
    p.Canvas->setBrush(Qt::NoBrush);
    p.BlockDone("DrawBarPage");
}

void DrawForceBar(TfoHPrint& p, unsigned int colour, double scaleMaximum, int value, const QString& caption,
                  bool withScale, double baseY, double leftX)
{
    if (!p.Canvas)
        return;
    QPainter& canvas = *p.Canvas;
    BarFont(p);
    canvas.setBrush(Qt::white);
    p.SetPenColour(ClBlack);
    canvas.setPen(QPen(Qt::black, RoundToInt(3 * p.FontScale), Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));

    const BarFrame frame = FrameOf(p, leftX, ForceBarWidth, baseY);
    const BarScale scale = ForceBarScale(frame.yT, frame.yB, scaleMaximum);
    if (withScale)
        DrawScale(canvas, frame, scale, BarForceMarks, ForceMark(scale.fullScale, 1));
    canvas.drawRect(Box(frame.xL, frame.yT, frame.xR, frame.yB));
    p.TextAt(caption, leftX + 0.2, baseY - 7.0);
    p.TextAt(QStringLiteral("N"), leftX + 0.6, baseY - 5.9);
    FillBar(canvas, frame, scale.Y(value), colour);
    ReadOut(p, frame, baseY, value, TwoBlanks);
}

void DrawPercentBar(TfoHPrint& p, const QString& caption, bool withScale, int value, double baseY, double leftX)
{
    if (!p.Canvas)
        return;
    QPainter& canvas = *p.Canvas;
    BarFont(p);
    canvas.setBrush(Qt::white);
    // The pen keeps its width: the force bar drawn before set it.
    QPen pen = canvas.pen();
    pen.setColor(Qt::black);
    pen.setStyle(Qt::SolidLine);
    canvas.setPen(pen);
    p.SetPenColour(ClBlack);

    const BarFrame frame = FrameOf(p, leftX, PercentBarWidth, baseY);
    const BarScale scale = MakeBarScale(frame.yT, frame.yB, BarPercentFullScale);
    if (withScale)
        DrawScale(canvas, frame, scale, BarPercentMarks, BarPercentFullScale / BarPercentMarks);
    canvas.drawRect(Box(frame.xL, frame.yT, frame.xR, frame.yB));
    p.TextAt(caption, leftX, baseY - 7.0);
    p.TextAt(QStringLiteral("%"), leftX + 0.2, baseY - 5.9);
    FillBar(canvas, frame, scale.Y(value), ClBlue);
    ReadOut(p, frame, baseY, value, p.W(0.1));
}

void BarLegendBlock(TfoHPrint& p)
{
    p.Advance(BarBandHeight);
    p.SetFont(10, true, ClBlack);
    const LimitChoice limits = p.Limits();
    static constexpr double GroupX[BarGroupCount] = {1.5, 8.0, 14.5};
    static constexpr double RowY[3] = {0.5, 1.0, 1.5};
    for (int group = 0; group < BarGroupCount; ++group) {
        const double x = GroupX[group];
        p.TextAt(p.Text(184), x, 0);
        p.TextAt(p.Text(185), x + 2.0, 0);
        if (p.Russian() && group == ParkingBrakeGroup) {
            // The Russian rules judge the parking brake by its braking ratio.
            static constexpr struct {
                unsigned int colour;
                int text;
            } Entries[3] = {{ClGreen, 232}, {ClRed, 233}, {ClYellow, 234}};
            for (int row = 0; row < 3; ++row) {
                p.LegendSquare(Entries[row].colour, x, RowY[row]);
                p.TextAt(p.Text(Entries[row].text), x, RowY[row]);
            }
            continue;
        }
        const BarBands bands = DifferenceBands(GroupDiffLimits(limits, group));
        for (int row = 0; row < bands.count; ++row) {
            const BarBand& band = bands.band[row];
            p.LegendSquare(band.colour, x, RowY[row]);
            p.TextAt(FormatC(" %2d -%3d", band.from, band.to), x, RowY[row]);
            p.TextAt(p.Text(band.resultText), x + 2.0, RowY[row]);
        }
    }
    p.Advance(2.2);
    p.GridBottom = p.BlockTop;
    p.ThickRule();
    BarRules(p);
    p.BlockDone("BarLegendBlock");
}

void BarRules(TfoHPrint& p)
{
    p.VerticalDashedRule(6.2, p.GridTop, p.GridBottom);
    p.VerticalDashedRule(12.4, p.GridTop, p.GridBottom);
}

} // namespace zevo
