#include "graphics/curveplot.h"

#include "graphics/curvedata.h"

#include <QPainter>
#include <QPen>
#include <QPolygon>
#include <cmath>

namespace zevo {
namespace {

// Halves to even, as everywhere on the report (the default rounding mode).
int Round(double value) { return static_cast<int>(std::nearbyint(value)); }

}  // namespace

int PickScaleStep(double maximum)
{
    const double wanted = std::nearbyint(1.1 * maximum);
    for (int step : ScaleSteps) {
        if (step >= wanted)
            return step;
    }
    return ScaleSteps.back();
}

int SampleX(const CurvePlotFrame& frame, double index) { return Round(index * frame.timeXStep + frame.timeX0); }

int ForceY(const CurvePlotFrame& frame, double force) { return Round(force * frame.forceYStep + frame.forceY0); }

int CurvePenWidth(double fontScale) { return fontScale >= 1.0 ? Round(6 * fontScale) : Round(3 * fontScale); }

void DrawCurve(QPainter& canvas, const CurvePlotFrame& frame, CurveData& curves, int channel, const QColor& colour,
               double scale, double fontScale, bool smooth)
{
    if (channel < 0 || channel >= CurveChannelCount)
        return;
    QPolygon line;
    line.reserve(505);
    // The first point keeps the sample as received: smoothing starts after it.
    line << QPoint(SampleX(frame, 4), ForceY(frame, scale * curves[channel][5]));
    if (smooth)
        SmoothChannel(curves, channel);
    for (int i = 5; i <= 508; ++i)
        line << QPoint(SampleX(frame, i), ForceY(frame, scale * curves[channel][i]));

    canvas.save();
    canvas.setPen(QPen(colour, CurvePenWidth(fontScale), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    canvas.setBrush(Qt::NoBrush);
    canvas.drawPolyline(line);
    canvas.restore();
}

}  // namespace zevo
