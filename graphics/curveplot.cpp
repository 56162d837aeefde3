#include "graphics/curveplot.h"

#include "graphics/canvastext.h"
#include "graphics/curvedata.h"
#include "lang/numbertext.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <QPolygon>
#include <cmath>

namespace zevo {
namespace {


int TextWidth(const QPainter& canvas, const QString& text) { return canvas.fontMetrics().horizontalAdvance(text); }

// An axis label ending one blank's width before `right`, vertically centred on y.
void LabelLeftOf(QPainter& canvas, int right, int y, const QString& text)
{
    const QFontMetrics metrics = canvas.fontMetrics();
    TextTopLeft(canvas, right - metrics.horizontalAdvance(text + QLatin1Char(' ')), y - metrics.height() / 2, text);
}

// "0" ending one blank's width before `right`, standing on the zero line y.
void ZeroLabelLeftOf(QPainter& canvas, int right, int y)
{
    const QFontMetrics metrics = canvas.fontMetrics();
    TextTopLeft(canvas, right - metrics.horizontalAdvance(QStringLiteral("0 ")), y - metrics.height(),
                QStringLiteral("0"));
}

// Samples 5 .. 508 from index 4 on, as a curve is drawn; `first` is the y of
// the point at index 4.
template <typename YOf>
QPolygon CurveLine(const CurvePlotFrame& frame, const CurveChannel& samples, int first, YOf yOf)
{
    QPolygon line;
    line.reserve(505);
    line << QPoint(SampleX(frame, 4), first);
    for (int i = 5; i <= 508; ++i)
        line << QPoint(SampleX(frame, i), yOf(samples[i]));
    return line;
}

void StrokeLine(QPainter& canvas, const QPolygon& line, const QColor& colour, int width)
{
    canvas.save();
    canvas.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::BevelJoin));
    canvas.setBrush(Qt::NoBrush);
    canvas.drawPolyline(line);
    canvas.restore();
}

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

int SampleX(const CurvePlotFrame& frame, double index) { return RoundToInt(index * frame.timeXStep + frame.timeX0); }

int ForceY(const CurvePlotFrame& frame, double force) { return RoundToInt(force * frame.forceYStep + frame.forceY0); }

int PedalY(const CurvePlotFrame& frame, double pedal) { return RoundToInt(pedal * frame.pedalYStep + frame.pedalY0); }

int CurvePenWidth(double fontScale) { return fontScale >= 1.0 ? RoundToInt(6 * fontScale) : RoundToInt(3 * fontScale); }

void DrawCurve(QPainter& canvas, const CurvePlotFrame& frame, CurveData& curves, int channel, const QColor& colour,
               double scale, double fontScale, bool smooth)
{
    if (channel < 0 || channel >= CurveChannelCount)
        return;
    // The first point keeps the sample as received: smoothing starts after it.
    const int first = ForceY(frame, scale * curves[channel][5]);
    if (smooth)
        SmoothChannel(curves, channel);
    const QPolygon line =
        CurveLine(frame, curves[channel], first, [&](double sample) { return ForceY(frame, scale * sample); });
    StrokeLine(canvas, line, colour, CurvePenWidth(fontScale));
}

double CurveScale(double referenceForce, int peak) { return peak > 0 ? referenceForce / peak : 0.0; }

void DrawCurveGrid(QPainter& canvas, CurvePlotFrame& frame, double fontScale)
{
    const int penWidth = RoundToInt(3 * fontScale);
    canvas.setPen(QPen(Qt::black, penWidth, Qt::SolidLine, Qt::FlatCap));
    canvas.setBrush(Qt::NoBrush);
    const int x0 = frame.left + frame.leftMargin;
    const int xR = frame.right - frame.rightMargin;
    const int yB = frame.bottom - frame.bottomMargin;
    const int yT = frame.top + frame.topMargin;
    frame.timeX0 = x0;
    frame.timeXStep = ((frame.right - frame.leftMargin) - frame.timeX0) / 505.0;
    const int third = (frame.right - frame.left - frame.rightMargin - frame.leftMargin) / 3;

    // Bottom, right and left side; the top stays open for curves above full scale.
    canvas.drawPolyline(QPolygon({QPoint(x0, yB), QPoint(xR, yB), QPoint(xR, yT)}));
    canvas.drawLine(x0, yT, x0, yB);
    const int labelTop = yB + penWidth;
    TextTopLeft(canvas, x0, labelTop, QStringLiteral("0"));
    for (int k = 1; k <= 2; ++k) {
        const int x = x0 + k * third;
        canvas.drawLine(x, yT, x, yB);
        const QString mark = QString::number(k);
        TextTopLeft(canvas, x - TextWidth(canvas, mark) / 2, labelTop, mark);
    }
    const QString end = QStringLiteral("3sec.");
    TextTopLeft(canvas, x0 + 3 * third - TextWidth(canvas, end), labelTop, end);
}

void DrawForceAxis(QPainter& canvas, CurvePlotFrame& frame, double maximum)
{
    const int x0 = frame.left + frame.leftMargin;
    const int xR = frame.right - frame.rightMargin;
    const int yB = frame.bottom - frame.bottomMargin;
    const int yT = frame.top + frame.topMargin;
    frame.forceFullScale = PickScaleStep(maximum);
    frame.forceY0 = yB;
    frame.forceYStep = double(yT - yB) / frame.forceFullScale;
    const double step = frame.forceFullScale / 3;

    ZeroLabelLeftOf(canvas, x0, yB);
    for (int k = 1; k <= 3; ++k) {
        const int y = ForceY(frame, k * step);
        LabelLeftOf(canvas, x0, y, QString::number(RoundToInt(k * step)));
        canvas.drawLine(x0, y, xR, y);
    }
    LabelLeftOf(canvas, x0, ForceY(frame, 2.5 * step), QStringLiteral("N  "));
}

void DrawPedalAxis(QPainter& canvas, CurvePlotFrame& frame, bool trailer)
{
    const int xR = frame.right - frame.rightMargin;
    const int yB = frame.bottom - frame.bottomMargin;
    const int yT = frame.top + frame.topMargin;
    const int labelsEnd = frame.right + frame.pedalLabelOffset;
    frame.pedalY0 = yB;
    frame.pedalYStep = double(yT - yB) / PedalFullScale;
    QPen pen = canvas.pen();
    pen.setColor(Qt::black);
    canvas.setPen(pen);

    ZeroLabelLeftOf(canvas, labelsEnd, yB);
    for (int k = 1; k <= 5; ++k) {
        const int y = PedalY(frame, k * 200);
        LabelLeftOf(canvas, labelsEnd, y, QString::number((trailer ? 4 : 1) * k * 200));
        canvas.drawLine(xR + frame.pedalTickLength, y, xR, y);
    }
    LabelLeftOf(canvas, labelsEnd, PedalY(frame, 4.5 * 200), QStringLiteral("N"));
}

void DrawPedalCurve(QPainter& canvas, const CurvePlotFrame& frame, const CurveData& curves, int channel,
                    const QColor& colour, double scale, double fontScale)
{
    if (channel < 0 || channel >= CurveChannelCount)
        return;
    const auto yOf = [&](double sample) { return PedalY(frame, scale * sample); };
    StrokeLine(canvas, CurveLine(frame, curves[channel], yOf(curves[channel][5]), yOf), colour,
               RoundToInt(3 * fontScale));
}

}  // namespace zevo
