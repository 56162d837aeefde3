#pragma once
// The curve plot: force over time, drawn onto any QPainter in its device
// units. The plot frame maps a sample index to x and a force to y; the screen
// tab, the curve page and the small diagrams of the numeric page all set a
// frame and draw the same polylines.

#include <QColor>
#include <array>

class QPainter;

namespace zevo {

struct CurveData;

// Full scales of the force axis, N, smallest first.
inline constexpr std::array<int, 12> ScaleSteps{600, 900, 1200, 1500, 2100, 3000, 4200, 4500, 5100, 6000, 9000, 12000};

// The first step at least round(1.1 × maximum) (halves to even); 12000 when
// none is. maximum in N.
int PickScaleStep(double maximum);

// Full scale of the pedal axis, in the pedal curve's own units.
inline constexpr int PedalFullScale = 1000;
// Pedal axis ticks: short on screen, long on the printed page (printer pixels).
inline constexpr int ScreenPedalTickLength = 4;
inline constexpr int PrintedPedalTickLength = 30;

// Geometry and mappings of one plot, in device units of its canvas.
struct CurvePlotFrame {
    int left = 0, top = 0, right = 0, bottom = 0;                         // outer edges of the plot area
    int leftMargin = 0, topMargin = 0, rightMargin = 0, bottomMargin = 0; // frame distance from the edges
    int pedalLabelOffset = 0;                     // from `right` to the right end of the pedal labels
    int pedalTickLength = ScreenPedalTickLength;  // pedal ticks reach this far right of the frame
    int forceFullScale = 0;                       // N
    double forceY0 = 0;                           // y of 0 N
    double forceYStep = 0;                        // y per N, negative (forces rise)
    double pedalY0 = 0;                           // y of pedal force 0
    double pedalYStep = 0;                        // y per pedal unit on the 1000 scale, negative
    double timeX0 = 0;                            // x of sample 0
    double timeXStep = 0;                         // x per sample
};

// x of a sample index, y of a force and y of a pedal value, rounded halves to even.
int SampleX(const CurvePlotFrame& frame, double index);
int ForceY(const CurvePlotFrame& frame, double force);
int PedalY(const CurvePlotFrame& frame, double pedal);

// Pen width of a brake-force curve: 6 × fontScale on the printer, 3 × fontScale on screen.
int CurvePenWidth(double fontScale);

// One brake-force curve: from the unsmoothed sample 5 at index 4, then, after
// smoothing the channel in place when `smooth` is set, samples 5 .. 508, each
// multiplied by `scale` (N per sample unit).
void DrawCurve(QPainter& canvas, const CurvePlotFrame& frame, CurveData& curves, int channel, const QColor& colour,
               double scale, double fontScale, bool smooth);

// The scale of a curve: its reference force over its ChannelPeak, N per
// sample unit; 0 for a channel without samples.
double CurveScale(double referenceForce, int peak);

// The frame (three sides; the top stays open) with the time marks "0", "1", "2" and
// "3sec." under it, in black at [3 × fontScale]; sets the time mapping. The
// painter keeps that pen for the axes drawn after it.
void DrawCurveGrid(QPainter& canvas, CurvePlotFrame& frame, double fontScale);

// The force axis for the largest force `maximum` (N): full scale from
// ScaleSteps, labels at thirds of it with grid lines across the frame, "0" on
// the zero line and the unit "N  " at 2.5 thirds; sets the force mapping.
void DrawForceAxis(QPainter& canvas, CurvePlotFrame& frame, double maximum);

// The pedal axis right of the frame, full scale 1000: labels every 200 with
// ticks, and "N" at 900. A trailer's pedal forces are labelled four times as
// large (its test stand reports them scaled by 40 instead of 10).
void DrawPedalAxis(QPainter& canvas, CurvePlotFrame& frame, bool trailer);

// The pedal-force curve on the pedal axis: like DrawCurve, never smoothed,
// [3 × fontScale] wide.
void DrawPedalCurve(QPainter& canvas, const CurvePlotFrame& frame, const CurveData& curves, int channel,
                    const QColor& colour, double scale, double fontScale);

}  // namespace zevo
