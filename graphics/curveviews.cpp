#include "graphics/curveviews.h"

#include "decode/testresult.h"
#include "graphics/curvedata.h"
#include "graphics/wincolour.h"

#include <QPainter>
#include <algorithm>

namespace zevo {
namespace {

constexpr double PedalToNewton = 9.81;

struct Selection {
    CurveTrace wheels[4]; // channel and colour; scale filled in by the plan
    int wheelCount;
    int pedalChannel; // -1: none
};

// Brake maxima codes: 0 front axle, 1 rear axle, 16 parking brake.
const Selection Selections[4] = {
    {{{0, ClRed}, {8, ClGreen}, {1, ClFuchsia}, {9, ClBlue}}, 4, -1},
    {{{16, ClFuchsia}, {24, ClBlue}}, 2, -1},
    {{{0, ClRed}, {8, ClGreen}}, 2, 40},
    {{{1, ClFuchsia}, {9, ClBlue}}, 2, 41},
};

} // namespace

double ReferenceForce(const TestResult& r, int channel)
{
    switch (channel) {
    case 0:
        return r.BrakeMaxima[0].Left;
    case 8:
        return r.BrakeMaxima[0].Right;
    case 1:
        return r.BrakeMaxima[1].Left;
    case 9:
        return r.BrakeMaxima[1].Right;
    case 16:
        return r.BrakeMaxima[16].Left;
    case 24:
        return r.BrakeMaxima[16].Right;
    case 40:
        return r.BrakeMaxima[0].Pedal * PedalToNewton;
    case 41:
        return r.BrakeMaxima[1].Pedal * PedalToNewton;
    default:
        return 0;
    }
}

CurvePlan PlanCurves(const TestResult& r, const CurveData& curves, int mode, EmptyCurve emptyCurve,
                     unsigned int pedalColour)
{
    CurvePlan plan;
    if (mode < 1 || mode > 4)
        return plan;
    const auto& m = r.BrakeMaxima;
    plan.axisMaximum =
        mode == 2 ? std::max(m[16].Left, m[16].Right) : std::max({m[0].Left, m[0].Right, m[1].Left, m[1].Right});
    const Selection& selection = Selections[mode - 1];
    for (int i = 0; i < selection.wheelCount; ++i) {
        CurveTrace trace = selection.wheels[i];
        const int peak = ChannelPeak(curves, trace.channel);
        if (peak <= 0) {
            if (emptyCurve == EmptyCurve::EndsView)
                return plan;
            continue;
        }
        trace.scale = CurveScale(ReferenceForce(r, trace.channel), peak);
        plan.curves.push_back(trace);
    }
    if (selection.pedalChannel < 0 || ReferenceForce(r, selection.pedalChannel) <= 0)
        return plan;
    plan.pedalAxis = true;
    if (const int peak = ChannelPeak(curves, selection.pedalChannel); peak > 0)
        plan.pedal = CurveTrace{selection.pedalChannel, pedalColour,
                                CurveScale(ReferenceForce(r, selection.pedalChannel), peak)};
    return plan;
}

void DrawCurvePlan(QPainter& canvas, CurvePlotFrame& frame, const CurvePlan& plan, CurveData& curves, bool smooth,
                   double fontScale, bool trailer)
{
    DrawCurveGrid(canvas, frame, fontScale);
    DrawForceAxis(canvas, frame, plan.axisMaximum);
    // Only the curves are cut: the labels under and beside the frame stay whole.
    const QPaintDevice* device = canvas.device();
    const QRect plotArea(0, frame.top, device->width(), std::max(0, device->height() - frame.top));
    canvas.save();
    canvas.setClipRect(plotArea);
    for (const CurveTrace& curve : plan.curves)
        DrawCurve(canvas, frame, curves, curve.channel, WinColour(curve.colour), curve.scale, fontScale, smooth);
    canvas.restore();
    if (!plan.pedalAxis)
        return;
    DrawPedalAxis(canvas, frame, trailer);
    if (plan.pedal) {
        canvas.save();
        canvas.setClipRect(plotArea);
        DrawPedalCurve(canvas, frame, curves, plan.pedal->channel, WinColour(plan.pedal->colour), plan.pedal->scale,
                       fontScale);
        canvas.restore();
    }
}

CurvePlotFrame ScreenCurveFrame(QSize box)
{
    CurvePlotFrame frame;
    frame.left = 0;
    frame.top = 0;
    frame.right = box.width() - 3 - 15;
    frame.bottom = box.height() - 3;
    frame.leftMargin = 60;
    frame.topMargin = 15;
    frame.bottomMargin = 15;
    frame.rightMargin = 15;
    frame.pedalLabelOffset = 15;
    frame.pedalTickLength = ScreenPedalTickLength;
    return frame;
}

} // namespace zevo
