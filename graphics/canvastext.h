#pragma once
// Text placed by the top-left corner of its cell, as every page and plot of
// the program places it; the painter itself writes on the baseline. The text
// takes its own colour and leaves the painter's line pen as it was.

#include <QColor>
#include <QPainter>
#include <QString>

namespace zevo {

inline void TextTopLeft(QPainter& canvas, int x, int top, const QString& text, const QColor& colour = Qt::black)
{
    const QPen linePen = canvas.pen();
    canvas.setPen(colour);
    canvas.drawText(x, top + canvas.fontMetrics().ascent(), text);
    canvas.setPen(linePen);
}

}  // namespace zevo
