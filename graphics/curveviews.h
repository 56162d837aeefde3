#pragma once
// What a curve diagram shows, for each of the four selections (1 front and
// rear axle service brake, 2 parking brake, 3 front axle, 4 rear axle): the
// wheel curves in drawing order with their colours and force scales, the force
// axis maximum, and the pedal part of the single-axle selections. The curve
// tab and the printed curve page draw the same plan; they differ in geometry,
// in the pedal curve's colour and in what a curve without samples does.

#include "graphics/curveplot.h"

#include <QSize>
#include <optional>
#include <vector>

namespace zevo {

struct TestResult;

struct CurveTrace {
    int channel = 0;
    unsigned int colour = 0; // $BBGGRR
    double scale = 0;        // reference force over ChannelPeak: N per sample unit
};

struct CurvePlan {
    double axisMaximum = 0;          // N: the largest reference force of the brake shown
    std::vector<CurveTrace> curves;  // brake-force curves, in drawing order
    bool pedalAxis = false;          // the pedal axis is drawn (the test has a pedal force)
    std::optional<CurveTrace> pedal; // the pedal-force curve, when it has samples
};

enum class EmptyCurve {
    EndsView, // the tab: the view ends at the first curve without samples
    LeftOut,  // the page: that curve is left out, the others are drawn
};

// The reference force of a curve channel from the test's brake maxima: N for
// the wheels, the pedal value × 9.81 for channels 40 and 41; 0 for others.
double ReferenceForce(const TestResult& result, int channel);

// The plan of selection `mode` (1..4; another draws frame and axis only).
CurvePlan PlanCurves(const TestResult& result, const CurveData& curves, int mode, EmptyCurve emptyCurve,
                     unsigned int pedalColour);

// Draws the plan into a frame whose edges and margins are set: grid, force
// axis, the curves, then the pedal axis and curve. Brake curves are smoothed
// first when `smooth` is set. Curves beyond full scale are cut at the plot
// area's top edge rather than run over whatever stands above it.
void DrawCurvePlan(QPainter& canvas, CurvePlotFrame& frame, const CurvePlan& plan, CurveData& curves, bool smooth,
                   double fontScale, bool trailer);

// Pen widths on screen follow the screen's font factor, as the preview's do.
inline constexpr double ScreenFontScale = 0.8;

// The frame of the curve tab's paint box of that size: a left margin for the
// force labels, room at the right for the pedal labels, short pedal ticks.
CurvePlotFrame ScreenCurveFrame(QSize box);

} // namespace zevo
