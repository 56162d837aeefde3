// The two graphic blocks of the numeric report: the force and difference bars
// of each brake, and the small brake-force diagrams.

#include "decode/limitsets.h"
#include "decode/reportrecord.h"
#include "decode/testresult.h"
#include "graphics/bargraphics.h"
#include "graphics/canvastext.h"
#include "graphics/curvedata.h"
#include "graphics/curveplot.h"
#include "graphics/curveviews.h"
#include "graphics/wincolour.h"
#include "report/hprint.h"
#include "report/numericpage.h"

#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>

namespace zevo {
namespace {

// BrakeMaxima codes of the front axle, rear axle and parking brake.
constexpr int MaximaCode[3] = {0, 1, 16};
// Curve channels of the left and right wheel per brake.
constexpr int LeftChannel[3] = {0, 1, 16};
constexpr int RightChannel[3] = {8, 9, 24};

constexpr double BarBottom = 3.2;      // cm below the block top
constexpr double BarFullHeight = 2.75; // cm

// 1.1 × the largest left or right force of the three brakes.
double ForceScale(const TestResult& r)
{
    double largest = 0;
    for (int code : MaximaCode)
        largest = std::max({largest, double(r.BrakeMaxima[code].Left), double(r.BrakeMaxima[code].Right)});
    return 1.1 * largest;
}

bool Tested(const TestResult& r, int axle)
{
    return axle == 1 ? r.HasFrontAxle : axle == 2 ? r.HasRearAxle : r.HasParkingBrake;
}

}  // namespace

void BrakeBarsBlock(TfoHPrint& p)
{
    const TestResult& r = p.src.result;
    const ReportRecord& report = p.src.report;
    p.PlaceBitmap("Balken.bmp", 0.7, 1.2);
    const double scale = ForceScale(r);
    const LimitChoice limits = p.Limits();
    const DiffLimits service = ServiceDiffLimits(limits);
    const DiffLimits parking = ParkingDiffLimits(limits);
    struct Group {
        double x, captionY;
        DiffLimits limits;
    };
    const Group groups[3] = {{2.0, 2.3, service}, {6.75, 2.65, service}, {11.5, 3.0, parking}};
    for (int axle = 1; axle <= 3; ++axle) {
        if (!Tested(r, axle))
            continue;
        const Group& g = groups[axle - 1];
        const BrakeLine& maxima = r.BrakeMaxima[MaximaCode[axle - 1]];
        NumericBarGroup(p, axle, g.limits.lower + 1, g.limits.upper + 1,
                        report.BrakeValue(axle - 1, DiffPercent, BrakeRowCount), maxima.Left, maxima.Right, scale, g.x,
                        g.captionY);
    }
    p.EndBlock("BrakeBarsBlock", 3.4, false);
}

void NumericBarGroup(TfoHPrint& p, int group, int okLimit, int borderLimit, double difference, double left,
                     double right, double scale, double x, double captionY)
{
    if (std::abs(scale) <= 0.01)
        return;
    enum { Ok, Border, NotOk } band = difference < okLimit ? Ok : difference < borderLimit ? Border : NotOk;
    unsigned int colour = band == Ok ? ClGreen : band == Border ? ClYellow : ClRed;
    // The Russian rules judge the parking brake by its braking ratio.
    if (p.Russian() && captionY > 2.9)
        colour = BarVerdictColour(p.Limits(), ParkingBrakeGroup, int(difference), int(left), int(right),
                                  p.src.result.TotalWeight);
    DrawBar(p, colour, 1, left / scale * BarFullHeight, BarBottom, x);
    DrawBar(p, colour, 1, right / scale * BarFullHeight, BarBottom, x + 2.7);
    DrawBar(p, ClBlue, 0.65, difference / 100 * BarFullHeight, BarBottom, x + 1.5);

    if (group == 3 && (p.Polish() || p.Russian()))
        return;
    // OK, not OK and borderline texts of the group, in that order of ids.
    const int firstText = 200 + 3 * (group - 1);
    static constexpr unsigned int Colours[3] = {ClGreen, ClBlack, ClRed};
    const int id = band == Ok ? firstText : band == Border ? firstText + 2 : firstText + 1;
    p.SetFont(9, false, Colours[band]);
    p.TextAt(p.Text(id), 16.0, captionY);
    p.SetColour(ClBlack);
}

void DrawBar(TfoHPrint& p, unsigned int colour, double width, double height, double bottomY, double leftX)
{
    QPainter& canvas = *p.Canvas;
    const int x1 = p.X(leftX), x2 = p.X(leftX + width), yBottom = p.Y(bottomY);
    p.SetPenColour(ClBlack);
    canvas.setPen(QPen(Qt::black, 1));
    canvas.setBrush(WinColour(colour));
    const int yTop = p.Y(bottomY - height);
    canvas.drawRect(QRect(QPoint(x1, yTop), QPoint(x2, yBottom)).normalized());
    canvas.setBrush(Qt::NoBrush);
    canvas.drawRect(QRect(QPoint(x1, p.Y(bottomY - BarFullHeight)), QPoint(x2, yBottom)));
}

void BrakeCurvesBlock(TfoHPrint& p)
{
    const TestResult& r = p.src.result;
    p.PlaceBitmap("Kurven.bmp", 0.7, 1.2);
    const double scale = ForceScale(r);
    static constexpr double Xs[3] = {2.0, 6.75, 11.5};
    bool any = false;
    for (int axle = 1; axle <= 3; ++axle) {
        if (!Tested(r, axle))
            continue;
        any = true;
        MiniCurveBox(p, axle, scale, Xs[axle - 1]);
    }
    if (any) {
        QPainter& canvas = *p.Canvas;
        p.SetFont(9, false);
        canvas.setPen(Qt::black);
        const struct {
            double y;
            unsigned int colour;
            int text;
        } legend[2] = {{2.5, ColourLeft, 61}, {3.0, ColourRight, 63}};
        for (const auto& entry : legend) {
            const QRect square(QPoint(p.X(16.0), p.Y(entry.y)), QPoint(p.X(16.25), p.Y(entry.y + 0.25)));
            canvas.fillRect(QRect(square.topLeft(), square.bottomRight() - QPoint(1, 1)), WinColour(entry.colour));
            TextTopLeft(canvas, square.right() + 5, square.top(), p.Text(entry.text));
        }
    }
    p.EndBlock("BrakeCurvesBlock", 3.4, true);
}

void MiniCurveBox(TfoHPrint& p, int axle, double scale, double x)
{
    QPainter& canvas = *p.Canvas;
    const TestResult& r = p.src.result;
    const int L = p.X(x), T = p.Y(0.25), R = p.X(x + 3.5), B = p.Y(2.8);

    CurvePlotFrame frame;
    frame.left = L;
    frame.top = T;
    frame.right = R;
    frame.bottom = B;
    frame.forceFullScale = PickScaleStep(scale);
    frame.timeX0 = L;
    frame.timeXStep = (R - L) / 505.0;
    frame.forceY0 = B;
    frame.forceYStep = -double(B - T) / frame.forceFullScale;

    p.SetPenColour(ClBlack);
    canvas.setPen(QPen(Qt::black, 1));
    canvas.setBrush(Qt::NoBrush);
    canvas.drawRect(QRect(QPoint(L, T), QPoint(R, B)));
    canvas.setPen(QPen(Qt::black, 1, Qt::DotLine));
    const int thirdX = (R - L) / 3, thirdY = (B - T) / 3;
    for (int k = 1; k <= 2; ++k) {
        canvas.drawLine(L + k * thirdX, T, L + k * thirdX, B);
        canvas.drawLine(L, T + k * thirdY, R, T + k * thirdY);
    }
    p.SetFont(9, false);
    canvas.setPen(Qt::black);
    TextTopLeft(canvas, L, B, QStringLiteral("0"));
    TextTopLeft(canvas, L + thirdX, B, QStringLiteral("1"));
    TextTopLeft(canvas, L + 2 * thirdX, B, QStringLiteral("2"));
    TextTopLeft(canvas, R - canvas.fontMetrics().horizontalAdvance(QStringLiteral("3se")), B, QStringLiteral("3sec."));

    // Each wheel scaled by its side's largest force over its channel's peak.
    const struct {
        int channel;
        unsigned int colour;
    } curves[2] = {{LeftChannel[axle - 1], ColourLeft}, {RightChannel[axle - 1], ColourRight}};
    for (const auto& curve : curves) {
        const int peak = ChannelPeak(p.src.curves, curve.channel);
        if (std::abs(peak) <= 0.01)
            continue;
        DrawCurve(canvas, frame, p.src.curves, curve.channel, WinColour(curve.colour),
                  CurveScale(ReferenceForce(r, curve.channel), peak), p.FontScale, p.src.smoothCurves);
        p.SetPenColour(curve.colour);
    }
}

}  // namespace zevo
