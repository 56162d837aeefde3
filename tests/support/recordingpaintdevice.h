#pragma once
// A paint device for the drawing tests: it draws nothing, it writes down what
// a QPainter asked for — texts, lines, rectangles, polygons, paths, ellipses,
// points and images — in device pixels, with the pen, brush and font in force.
//
// Coordinates. The engine tells QPainter it can transform everything itself,
// so QPainter hands it untransformed coordinates and no primitive is ever
// broken up into paths; the recorder maps them through the painter's full
// transform. Every position recorded here is therefore in device pixels, as on
// the finished page. Under a rotation a rectangle or an image is recorded as
// the bounding rectangle of its mapped corners.
//
// Texts. QPainter does not hand over whole strings: it shapes them and passes
// one text item per run of a single script and font. "a Σ 12 ✓" arrives as
// "a ", "Σ 12 " (Greek) and "✓" (a glyph from a fallback font), each piece at
// its own baseline point and all with the font the painter was given; a tab
// ends an item too and is itself not recorded. drawText(rect, flags, …)
// arrives already laid out, one item per line at least. Underline and
// strike-out arrive as separate lines after their text, an opaque background
// as a filled rectangle before it; text drawn with Qt::NoPen never arrives.
// For each item the recorder keeps
//   - text      the characters of that item,
//   - baseline  the start of its baseline,
//   - topLeft   the top-left corner of its text cell: the baseline point moved
//               up by the ascent of the painter's font as measured on this
//               device (QFontMetricsF(font, device)), then mapped,
//   - ascent, descent, width: that cell's size on the device (the width is the
//               advance of the item's glyphs),
//   - the font as the painter was given it (family asked for, not the one
//     fontconfig resolved it to; point size; bold; under a scaled painter
//     still the unscaled size) and the pen colour.
// Fonts resolve with this device's dpi: 9 pt on a 600-dpi device are 75 px,
// an ascent of about 68 px in Liberation Sans ("Arial").
//
// Pens. `pen` and `brush` are the painter's own; penWidthPx is the pen width
// on the device (a non-cosmetic pen scales with the transform; 0 = hairline).
//
// Order. ops() lists every recorded operation in drawing order, each naming
// its kind and its index in that kind's list; each record also carries its
// own position in ops() as `order`.
//
// Fonts need a QGuiApplication before the first painter begins.

#include <QBrush>
#include <QFont>
#include <QImage>
#include <QLineF>
#include <QList>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QTransform>
#include <memory>
#include <vector>

namespace zevo::test {

struct RecordedText {
    int order = -1;
    QString text;
    QPointF baseline;
    QPointF topLeft;
    qreal ascent = 0;
    qreal descent = 0;
    qreal width = 0;
    qreal rotation = 0;   // degrees, clockwise on the page (a y-axis label: -90)
    QFont font;
    QString family;       // as asked for
    qreal pointSizeF = -1;
    int pointSize = -1;
    int pixelSize = -1;
    bool bold = false;
    bool italic = false;
    QColor color;
    QTextItem::RenderFlags flags;

    // The text cell on the device; meaningful when the text is not rotated.
    QRectF cell() const { return QRectF(topLeft, QSizeF(width, ascent + descent)); }
};

struct RecordedLine {
    int order = -1;
    QLineF line;
    QPen pen;
    qreal penWidthPx = 0;
};

struct RecordedRect {
    int order = -1;
    QRectF rect;
    QPen pen;
    qreal penWidthPx = 0;
    QBrush brush;
};

struct RecordedPolygon {
    int order = -1;
    QPolygonF points;
    QPaintEngine::PolygonDrawMode mode = QPaintEngine::OddEvenMode;
    QPen pen;
    qreal penWidthPx = 0;
    QBrush brush;
};

struct RecordedPath {
    int order = -1;
    QRectF bounds;
    QList<QPolygonF> polygons;   // QPainterPath::toSubpathPolygons, on the device
    QPen pen;
    qreal penWidthPx = 0;
    QBrush brush;
};

struct RecordedEllipse {
    int order = -1;
    QRectF rect;
    QPen pen;
    qreal penWidthPx = 0;
    QBrush brush;
};

struct RecordedPoint {
    int order = -1;
    QPointF point;
    QPen pen;
    qreal penWidthPx = 0;
};

struct RecordedImage {
    enum Source { Pixmap, Image, TiledPixmap };
    int order = -1;
    Source source = Image;
    QRectF target;
    QRectF sourceRect;   // in the image's pixels; the whole image when tiled
    QSize imageSize;     // the whole image or pixmap
    QPointF tileOffset;  // TiledPixmap only
    QImage image;        // what was drawn, to tell images apart
};

enum class OpKind { Text, Line, Rect, Polygon, Path, Ellipse, Point, Image };

struct RecordedOp {
    OpKind kind;
    int index;   // into the list of that kind
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
    const std::vector<RecordedPath>& paths() const { return m_paths; }
    const std::vector<RecordedEllipse>& ellipses() const { return m_ellipses; }
    const std::vector<RecordedPoint>& points() const { return m_points; }
    const std::vector<RecordedImage>& images() const { return m_images; }
    const std::vector<RecordedOp>& ops() const { return m_ops; }

    // The occurrence-th text item (counting from 0) whose text is exactly
    // `text`; nullptr if there is none.
    const RecordedText* FindText(const QString& text, int occurrence = 0) const;
    // Every text item containing `part`, in drawing order.
    std::vector<const RecordedText*> TextsContaining(
        const QString& part, Qt::CaseSensitivity cs = Qt::CaseSensitive) const;
    // The texts of all items, in drawing order.
    QStringList AllTexts() const;

    // Forgets everything recorded so far.
    void Clear();
    // Everything recorded, one operation a line, in drawing order: for
    // failure messages.
    QString Dump() const;

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
    std::vector<RecordedPath> m_paths;
    std::vector<RecordedEllipse> m_ellipses;
    std::vector<RecordedPoint> m_points;
    std::vector<RecordedImage> m_images;
    std::vector<RecordedOp> m_ops;
};

}  // namespace zevo::test
