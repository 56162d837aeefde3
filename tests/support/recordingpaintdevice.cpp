#include "tests/support/recordingpaintdevice.h"

#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPixmap>
#include <QTextItem>
#include <QTransform>
#include <cmath>

namespace zevo::test {
namespace {

// How much the transform stretches a unit step in this direction.
qreal ScaleAlong(const QTransform& t, QPointF direction)
{
    const QPointF mapped = t.map(direction) - t.map(QPointF(0, 0));
    return std::hypot(mapped.x(), mapped.y());
}

}  // namespace

// Declares every feature so that QPainter neither transforms nor splits up
// anything itself; each call maps its coordinates through the painter's
// transform. Integer shapes and images arrive here through QPaintEngine's own
// conversions to the floating-point calls and to pixmaps.
class RecordingPaintDevice::Engine : public QPaintEngine {
public:
    explicit Engine(RecordingPaintDevice* device) : QPaintEngine(AllFeatures), m_device(device) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    Type type() const override { return User; }

    void drawLines(const QLineF* lines, int count) override
    {
        for (int i = 0; i < count; ++i)
            m_device->m_lines.push_back({transform().map(lines[i]), state->pen()});
    }

    void drawRects(const QRectF* rects, int count) override
    {
        for (int i = 0; i < count; ++i)
            m_device->m_rects.push_back({transform().mapRect(rects[i]), state->pen(), state->brush()});
    }

    void drawPolygon(const QPointF* points, int count, PolygonDrawMode) override
    {
        const QPolygonF polygon(QList<QPointF>(points, points + count));
        m_device->m_polygons.push_back({transform().map(polygon), state->pen()});
    }

    void drawPath(const QPainterPath& path) override
    {
        for (const QPolygonF& polygon : path.toSubpathPolygons(transform()))
            m_device->m_polygons.push_back({polygon, state->pen()});
    }

    void drawPixmap(const QRectF& target, const QPixmap&, const QRectF&) override
    {
        m_device->m_images.push_back(transform().mapRect(target));
    }

    void drawTextItem(const QPointF& baseline, const QTextItem& item) override
    {
        const QTransform& t = transform();
        const QFont font = item.font();
        const QFontMetricsF metrics(font, m_device);
        const qreal upright = ScaleAlong(t, QPointF(0, 1));
        RecordedText r;
        r.text = item.text();
        r.topLeft = t.map(baseline - QPointF(0, metrics.ascent()));
        r.ascent = metrics.ascent() * upright;
        r.descent = metrics.descent() * upright;
        r.width = item.width() * ScaleAlong(t, QPointF(1, 0));
        r.family = font.family();
        r.pointSize = font.pointSize();
        r.bold = font.bold();
        r.color = state->pen().color();
        m_device->m_texts.push_back(std::move(r));
    }

private:
    QTransform transform() const { return state->transform(); }

    RecordingPaintDevice* m_device;
};

RecordingPaintDevice::RecordingPaintDevice(int dpiX, int dpiY, int widthPx, int heightPx)
    : m_dpiX(dpiX), m_dpiY(dpiY), m_width(widthPx), m_height(heightPx), m_engine(std::make_unique<Engine>(this))
{
}

RecordingPaintDevice::~RecordingPaintDevice() = default;

QPaintEngine* RecordingPaintDevice::paintEngine() const { return m_engine.get(); }

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
    case PdmDpiX:
    case PdmPhysicalDpiX:
        return m_dpiX;
    case PdmDpiY:
    case PdmPhysicalDpiY:
        return m_dpiY;
    case PdmNumColors:
        return 1 << 24;
    case PdmDepth:
        return 32;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return int(devicePixelRatioFScale());
    }
    return 0;
}

const RecordedText* RecordingPaintDevice::FindText(const QString& text, int occurrence) const
{
    for (const RecordedText& r : m_texts) {
        if (r.text == text && occurrence-- == 0)
            return &r;
    }
    return nullptr;
}

QStringList RecordingPaintDevice::AllTexts() const
{
    QStringList all;
    for (const RecordedText& r : m_texts)
        all << r.text;
    return all;
}

}  // namespace zevo::test
