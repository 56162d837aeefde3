#include "tests/support/recordingpaintdevice.h"

#include <QFontMetricsF>
#include <QPixmap>
#include <QTextStream>
#include <cmath>
#include <limits>

namespace zevo::test {

namespace {

// The length a distance of 1 along `direction` has on the device.
qreal ScaleAlong(const QTransform& t, QPointF direction)
{
    const QLineF mapped = t.map(QLineF(QPointF(0, 0), direction));
    return mapped.length();
}

qreal PenWidthOnDevice(const QPen& pen, const QTransform& t)
{
    if (pen.style() == Qt::NoPen)
        return 0;
    if (pen.isCosmetic())
        return pen.widthF();
    return pen.widthF() * std::sqrt(std::abs(t.determinant()));
}

QString Num(qreal v)
{
    return QString::number(v, 'g', 6);
}

QString Pt(QPointF p)
{
    return QStringLiteral("(%1, %2)").arg(Num(p.x()), Num(p.y()));
}

QString Rect(const QRectF& r)
{
    return QStringLiteral("(%1, %2 %3x%4)").arg(Num(r.x()), Num(r.y()), Num(r.width()), Num(r.height()));
}

QString Colour(const QColor& c)
{
    return c.name(c.alpha() == 255 ? QColor::HexRgb : QColor::HexArgb);
}

QString PenText(const QPen& pen, qreal widthPx)
{
    static const char* const styles[] = {"none", "solid", "dash", "dot", "dash-dot", "dash-dot-dot"};
    const int style = int(pen.style());
    if (pen.style() == Qt::NoPen)
        return QStringLiteral("no pen");
    const QString styleName = style < int(std::size(styles)) ? QString::fromLatin1(styles[style])
                                                              : QStringLiteral("style %1").arg(style);
    return QStringLiteral("pen %1 %2px %3").arg(Colour(pen.color()), Num(widthPx), styleName);
}

QString BrushText(const QBrush& brush)
{
    switch (brush.style()) {
    case Qt::NoBrush:
        return QStringLiteral("no brush");
    case Qt::SolidPattern:
        return QStringLiteral("brush %1 solid").arg(Colour(brush.color()));
    default:
        return QStringLiteral("brush %1 style %2").arg(Colour(brush.color())).arg(int(brush.style()));
    }
}

QString Polygon(const QPolygonF& polygon)
{
    QStringList points;
    for (const QPointF& p : polygon)
        points << Pt(p);
    return points.join(QLatin1Char(' '));
}

}  // namespace

// Declares every feature so that QPainter neither transforms nor splits up
// anything itself; each draw call maps its coordinates through the painter's
// transform.
class RecordingPaintDevice::Engine : public QPaintEngine {
public:
    explicit Engine(RecordingPaintDevice* device)
        : QPaintEngine(AllFeatures), m_device(device)
    {
    }

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    Type type() const override { return User; }

    void drawLines(const QLineF* lines, int count) override
    {
        for (int i = 0; i < count; ++i) {
            RecordedLine r;
            r.line = transform().map(lines[i]);
            r.pen = state->pen();
            r.penWidthPx = PenWidthOnDevice(r.pen, transform());
            Add(m_device->m_lines, std::move(r), OpKind::Line);
        }
    }
    void drawLines(const QLine* lines, int count) override
    {
        for (int i = 0; i < count; ++i) {
            const QLineF line(lines[i]);
            drawLines(&line, 1);
        }
    }

    void drawRects(const QRectF* rects, int count) override
    {
        for (int i = 0; i < count; ++i) {
            RecordedRect r;
            r.rect = transform().mapRect(rects[i]);
            r.pen = state->pen();
            r.penWidthPx = PenWidthOnDevice(r.pen, transform());
            r.brush = state->brush();
            Add(m_device->m_rects, std::move(r), OpKind::Rect);
        }
    }
    void drawRects(const QRect* rects, int count) override
    {
        for (int i = 0; i < count; ++i) {
            const QRectF rect(rects[i]);
            drawRects(&rect, 1);
        }
    }

    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override
    {
        RecordedPolygon r;
        r.points = transform().map(QPolygonF(QList<QPointF>(points, points + count)));
        r.mode = mode;
        r.pen = state->pen();
        r.penWidthPx = PenWidthOnDevice(r.pen, transform());
        r.brush = state->brush();
        Add(m_device->m_polygons, std::move(r), OpKind::Polygon);
    }
    void drawPolygon(const QPoint* points, int count, PolygonDrawMode mode) override
    {
        QList<QPointF> converted;
        converted.reserve(count);
        for (int i = 0; i < count; ++i)
            converted.append(QPointF(points[i]));
        drawPolygon(converted.constData(), count, mode);
    }

    void drawPath(const QPainterPath& path) override
    {
        RecordedPath r;
        r.bounds = transform().map(path).boundingRect();
        r.polygons = path.toSubpathPolygons(transform());
        r.pen = state->pen();
        r.penWidthPx = PenWidthOnDevice(r.pen, transform());
        r.brush = state->brush();
        Add(m_device->m_paths, std::move(r), OpKind::Path);
    }

    void drawEllipse(const QRectF& rect) override
    {
        RecordedEllipse r;
        r.rect = transform().mapRect(rect);
        r.pen = state->pen();
        r.penWidthPx = PenWidthOnDevice(r.pen, transform());
        r.brush = state->brush();
        Add(m_device->m_ellipses, std::move(r), OpKind::Ellipse);
    }
    void drawEllipse(const QRect& rect) override { drawEllipse(QRectF(rect)); }

    void drawPoints(const QPointF* points, int count) override
    {
        for (int i = 0; i < count; ++i) {
            RecordedPoint r;
            r.point = transform().map(points[i]);
            r.pen = state->pen();
            r.penWidthPx = PenWidthOnDevice(r.pen, transform());
            Add(m_device->m_points, std::move(r), OpKind::Point);
        }
    }
    void drawPoints(const QPoint* points, int count) override
    {
        for (int i = 0; i < count; ++i) {
            const QPointF point(points[i]);
            drawPoints(&point, 1);
        }
    }

    void drawPixmap(const QRectF& target, const QPixmap& pixmap, const QRectF& source) override
    {
        AddImage(RecordedImage::Pixmap, target, source, pixmap.toImage(), QPointF());
    }
    void drawImage(const QRectF& target, const QImage& image, const QRectF& source,
                   Qt::ImageConversionFlags) override
    {
        AddImage(RecordedImage::Image, target, source, image, QPointF());
    }
    void drawTiledPixmap(const QRectF& target, const QPixmap& pixmap, const QPointF& offset) override
    {
        AddImage(RecordedImage::TiledPixmap, target, QRectF(QPointF(0, 0), QSizeF(pixmap.size())),
                 pixmap.toImage(), offset);
    }

    // `item` is the public face of Qt's internal text item: one shaped run
    // of one font. Only its public API is used.
    void drawTextItem(const QPointF& baseline, const QTextItem& item) override
    {
        const QTransform& t = transform();
        const QFont font = item.font();
        const QFontMetricsF metrics(font, m_device);

        RecordedText r;
        r.text = item.text();
        r.baseline = t.map(baseline);
        r.topLeft = t.map(baseline - QPointF(0, metrics.ascent()));
        const qreal across = ScaleAlong(t, QPointF(1, 0));
        const qreal upright = ScaleAlong(t, QPointF(0, 1));
        r.ascent = metrics.ascent() * upright;
        r.descent = metrics.descent() * upright;
        r.width = item.width() * across;
        r.rotation = qRadiansToDegrees(std::atan2(t.m12(), t.m11()));
        r.font = font;
        r.family = font.family();
        r.pointSizeF = font.pointSizeF();
        r.pointSize = font.pointSize();
        r.pixelSize = font.pixelSize();
        r.bold = font.bold();
        r.italic = font.italic();
        r.color = state->pen().color();
        r.flags = item.renderFlags();
        Add(m_device->m_texts, std::move(r), OpKind::Text);
    }

private:
    QTransform transform() const { return state->transform(); }

    template <typename Record>
    void Add(std::vector<Record>& list, Record record, OpKind kind)
    {
        record.order = int(m_device->m_ops.size());
        m_device->m_ops.push_back({kind, int(list.size())});
        list.push_back(std::move(record));
    }

    void AddImage(RecordedImage::Source source, const QRectF& target, const QRectF& sourceRect,
                  const QImage& image, QPointF offset)
    {
        RecordedImage r;
        r.source = source;
        r.target = transform().mapRect(target);
        r.sourceRect = sourceRect;
        r.imageSize = image.size();
        r.tileOffset = offset;
        r.image = image;
        Add(m_device->m_images, std::move(r), OpKind::Image);
    }

    RecordingPaintDevice* m_device;
};

RecordingPaintDevice::RecordingPaintDevice(int dpiX, int dpiY, int widthPx, int heightPx)
    : m_dpiX(dpiX), m_dpiY(dpiY), m_width(widthPx), m_height(heightPx),
      m_engine(std::make_unique<Engine>(this))
{
}

RecordingPaintDevice::~RecordingPaintDevice() = default;

QPaintEngine* RecordingPaintDevice::paintEngine() const
{
    return m_engine.get();
}

int RecordingPaintDevice::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmWidth:
        return m_width;
    case PdmHeight:
        return m_height;
    case PdmWidthMM:
        return qRound(m_width * 25.4 / m_dpiX);
    case PdmHeightMM:
        return qRound(m_height * 25.4 / m_dpiY);
    case PdmNumColors:
        return std::numeric_limits<int>::max();
    case PdmDepth:
        return 32;
    case PdmDpiX:
    case PdmPhysicalDpiX:
        return m_dpiX;
    case PdmDpiY:
    case PdmPhysicalDpiY:
        return m_dpiY;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return int(1 * devicePixelRatioFScale());
    }
    return QPaintDevice::metric(metric);
}

const RecordedText* RecordingPaintDevice::FindText(const QString& text, int occurrence) const
{
    for (const RecordedText& t : m_texts) {
        if (t.text == text && occurrence-- == 0)
            return &t;
    }
    return nullptr;
}

std::vector<const RecordedText*> RecordingPaintDevice::TextsContaining(
    const QString& part, Qt::CaseSensitivity cs) const
{
    std::vector<const RecordedText*> found;
    for (const RecordedText& t : m_texts) {
        if (t.text.contains(part, cs))
            found.push_back(&t);
    }
    return found;
}

QStringList RecordingPaintDevice::AllTexts() const
{
    QStringList all;
    for (const RecordedText& t : m_texts)
        all << t.text;
    return all;
}

void RecordingPaintDevice::Clear()
{
    m_texts.clear();
    m_lines.clear();
    m_rects.clear();
    m_polygons.clear();
    m_paths.clear();
    m_ellipses.clear();
    m_points.clear();
    m_images.clear();
    m_ops.clear();
}

QString RecordingPaintDevice::Dump() const
{
    QString out;
    QTextStream s(&out);
    s << "device " << m_width << "x" << m_height << " px at " << m_dpiX << "x" << m_dpiY
      << " dpi, " << m_ops.size() << " operations\n";
    for (size_t i = 0; i < m_ops.size(); ++i) {
        const RecordedOp& op = m_ops[i];
        s << "#" << i << " ";
        switch (op.kind) {
        case OpKind::Text: {
            const RecordedText& t = m_texts[op.index];
            s << "text \"" << t.text << "\" baseline " << Pt(t.baseline) << " top-left "
              << Pt(t.topLeft) << " w " << Num(t.width) << " ascent " << Num(t.ascent)
              << " font \"" << t.family << "\" ";
            if (t.pointSizeF > 0)
                s << Num(t.pointSizeF) << "pt";
            else
                s << t.pixelSize << "px";
            s << (t.bold ? " bold" : "") << (t.italic ? " italic" : "") << " colour "
              << Colour(t.color);
            if (t.rotation != 0)
                s << " rotated " << Num(t.rotation);
            break;
        }
        case OpKind::Line: {
            const RecordedLine& l = m_lines[op.index];
            s << "line " << Pt(l.line.p1()) << "-" << Pt(l.line.p2()) << " "
              << PenText(l.pen, l.penWidthPx);
            break;
        }
        case OpKind::Rect: {
            const RecordedRect& r = m_rects[op.index];
            s << "rect " << Rect(r.rect) << " " << PenText(r.pen, r.penWidthPx) << " "
              << BrushText(r.brush);
            break;
        }
        case OpKind::Polygon: {
            const RecordedPolygon& p = m_polygons[op.index];
            s << (p.mode == QPaintEngine::PolylineMode ? "polyline " : "polygon ")
              << Polygon(p.points) << " " << PenText(p.pen, p.penWidthPx) << " "
              << BrushText(p.brush);
            break;
        }
        case OpKind::Path: {
            const RecordedPath& p = m_paths[op.index];
            s << "path bounds " << Rect(p.bounds) << " " << p.polygons.size() << " subpaths "
              << PenText(p.pen, p.penWidthPx) << " " << BrushText(p.brush);
            for (const QPolygonF& polygon : p.polygons)
                s << "\n    " << Polygon(polygon);
            break;
        }
        case OpKind::Ellipse: {
            const RecordedEllipse& e = m_ellipses[op.index];
            s << "ellipse " << Rect(e.rect) << " " << PenText(e.pen, e.penWidthPx) << " "
              << BrushText(e.brush);
            break;
        }
        case OpKind::Point: {
            const RecordedPoint& p = m_points[op.index];
            s << "point " << Pt(p.point) << " " << PenText(p.pen, p.penWidthPx);
            break;
        }
        case OpKind::Image: {
            static const char* const sources[] = {"pixmap", "image", "tiled pixmap"};
            const RecordedImage& im = m_images[op.index];
            s << sources[im.source] << " " << im.imageSize.width() << "x"
              << im.imageSize.height() << " source " << Rect(im.sourceRect) << " target "
              << Rect(im.target);
            if (im.source == RecordedImage::TiledPixmap)
                s << " offset " << Pt(im.tileOffset);
            break;
        }
        }
        s << "\n";
    }
    return out;
}

}  // namespace zevo::test
