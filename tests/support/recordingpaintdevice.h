#pragma once
// A paint device for the drawing tests: it draws nothing, it writes down the
// texts, lines, rectangles, polygons (polylines, outlines of paths) and images
// a QPainter asks for, in device pixels (through the painter's transform), with
// the pen, brush and font in force: "this text, in this colour, at this place".
//
// Texts arrive one item per run of one script and font ("a Σ" as "a " and
// "Σ"); drawText(rect, …) a laid-out line an item. Each keeps the top-left of
// its text cell (the baseline moved up by the font's ascent on this device:
// 9 pt at 600 dpi have about 68 px), the cell's size, the font as asked for
// ("Arial", not the face it resolved to) and the pen colour. Fonts need a
// QGuiApplication before the first painter begins.

#include <QBrush>
#include <QFont>
#include <QLineF>
#include <QPaintDevice>
#include <QPen>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

namespace zevo::test {

struct RecordedText {
    QString text;
    QPointF topLeft;  // of the text cell
    qreal ascent = 0;
    qreal descent = 0;
    qreal width = 0;  // the glyphs' advance
    QString family;   // as asked for
    int pointSize = -1;
    bool bold = false;
    QColor color;

    QRectF cell() const { return QRectF(topLeft, QSizeF(width, ascent + descent)); }
};

struct RecordedLine {
    QLineF line;
    QPen pen;
};

struct RecordedRect {
    QRectF rect;
    QPen pen;
    QBrush brush;
};

struct RecordedPolygon {
    QPolygonF points;
    QPen pen;
};

class RecordingPaintDevice : public QPaintDevice {
public:
    RecordingPaintDevice(int dpiX, int dpiY, int widthPx, int heightPx);
    ~RecordingPaintDevice() override;
    RecordingPaintDevice(const RecordingPaintDevice&) = delete;
    RecordingPaintDevice& operator=(const RecordingPaintDevice&) = delete;

    QPaintEngine* paintEngine() const override;

    const std::vector<RecordedText>& texts() const { return m_texts; }
    const std::vector<RecordedLine>& lines() const { return m_lines; }
    const std::vector<RecordedRect>& rects() const { return m_rects; }
    const std::vector<RecordedPolygon>& polygons() const { return m_polygons; }
    const std::vector<QRectF>& images() const { return m_images; }  // where each was drawn

    // The occurrence-th item (from 0) whose text is exactly `text`, or nullptr.
    const RecordedText* FindText(const QString& text, int occurrence = 0) const;
    QStringList AllTexts() const;  // in drawing order

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    class Engine;

    int m_dpiX;
    int m_dpiY;
    int m_width;
    int m_height;
    std::unique_ptr<Engine> m_engine;

    std::vector<RecordedText> m_texts;
    std::vector<RecordedLine> m_lines;
    std::vector<RecordedRect> m_rects;
    std::vector<RecordedPolygon> m_polygons;
    std::vector<QRectF> m_images;
};

}  // namespace zevo::test
