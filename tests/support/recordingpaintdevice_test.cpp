// The recording paint device the drawing tests rely on: a recorder that put a
// text cell or a shape in the wrong place would let those tests pass or fail
// for the wrong reason.

#include "tests/support/recordingpaintdevice.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPixmap>
#include <gtest/gtest.h>

namespace zevo::test {
namespace {

struct TextCase {
    int dpi;
    qreal points;
    QPointF baseline;
};

void PrintTo(const TextCase& c, std::ostream* os) { *os << c.points << "pt@" << c.dpi << "dpi"; }

class RecordedTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(RecordedTextTest, TopLeftIsBaselineMinusAscentOnTheDevice)
{
    const TextCase c = GetParam();
    RecordingPaintDevice device(c.dpi, c.dpi, 9 * c.dpi, 12 * c.dpi);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(c.points);
    font.setBold(true);
    {
        QPainter painter(&device);
        painter.setFont(font);
        painter.setPen(QColor(0xc0, 0x10, 0x20));
        painter.drawText(c.baseline, QStringLiteral("Bremskraft"));
    }
    const RecordedText* text = device.FindText(QStringLiteral("Bremskraft"));
    ASSERT_NE(text, nullptr) << device.Dump().toStdString();
    // "Arial" resolves to Liberation Sans, whose ascent is 0.905 em.
    const qreal ascentPx = c.points / 72.0 * c.dpi * 0.905;
    EXPECT_EQ(text->baseline, c.baseline);
    EXPECT_DOUBLE_EQ(text->topLeft.x(), c.baseline.x());
    EXPECT_NEAR(text->topLeft.y(), c.baseline.y() - ascentPx, 1.0) << device.Dump().toStdString();
    EXPECT_NEAR(text->width, QFontMetricsF(font, &device).horizontalAdvance(text->text), 0.5);
    EXPECT_EQ(text->family, QStringLiteral("Arial"));
    EXPECT_EQ(text->pointSizeF, c.points);
    EXPECT_TRUE(text->bold);
    EXPECT_EQ(text->color, QColor(0xc0, 0x10, 0x20));
}

INSTANTIATE_TEST_SUITE_P(Dpi, RecordedTextTest,
                         ::testing::Values(TextCase{96, 9, {100, 200}}, TextCase{600, 9, {1000, 2000}},
                                           TextCase{600, 14, {0.5, 300.25}}));

struct TransformCase {
    const char* name;
    QTransform transform;
    QLineF line;        // (0,0)-(10,0) on the device
    QRectF rect;        // (0,0 10x5) on the device
    qreal penWidthPx;   // of a 2-unit pen
};

void PrintTo(const TransformCase& c, std::ostream* os) { *os << c.name; }

class TransformedPainterTest : public ::testing::TestWithParam<TransformCase> {};

TEST_P(TransformedPainterTest, RecordsDeviceCoordinates)
{
    const TransformCase c = GetParam();
    RecordingPaintDevice device(600, 600, 1000, 1000);
    {
        QPainter painter(&device);
        painter.setTransform(c.transform);
        painter.setPen(QPen(Qt::blue, 2));
        painter.drawLine(QLineF(0, 0, 10, 0));
        painter.drawRect(QRectF(0, 0, 10, 5));
        painter.drawText(QPointF(0, 0), QStringLiteral("x"));
        painter.drawImage(QRectF(0, 0, 10, 5), QImage(40, 20, QImage::Format_RGB32));
    }
    ASSERT_EQ(device.ops().size(), 4u) << device.Dump().toStdString();
    EXPECT_EQ(device.lines()[0].line, c.line) << device.Dump().toStdString();
    EXPECT_EQ(device.lines()[0].penWidthPx, c.penWidthPx);
    EXPECT_EQ(device.rects()[0].rect, c.rect);
    EXPECT_EQ(device.texts()[0].baseline, c.line.p1());
    EXPECT_EQ(device.images()[0].target, c.rect);
}

INSTANTIATE_TEST_SUITE_P(
    Transforms, TransformedPainterTest,
    ::testing::Values(TransformCase{"translated", QTransform::fromTranslate(30, 40), {30, 40, 40, 40}, {30, 40, 10, 5}, 2},
                      TransformCase{"scaled", QTransform(2, 0, 0, 2, 30, 40), {30, 40, 50, 40}, {30, 40, 20, 10}, 4}));

TEST(RecordingPaintDeviceTest, KeepsBrushPenImageAndDrawingOrder)
{
    RecordingPaintDevice device(600, 600, 1000, 1000);
    {
        QPainter painter(&device);
        painter.fillRect(QRectF(1, 2, 3, 4), QColor(0x33, 0x66, 0x99));
        painter.setPen(QPen(Qt::red, 3, Qt::DashLine));
        painter.drawText(QPointF(5, 50), QStringLiteral("VA"));
        painter.drawPixmap(QPointF(5, 6), QPixmap(8, 4));
        painter.drawText(QPointF(5, 90), QStringLiteral("VA"));
    }
    ASSERT_EQ(device.ops().size(), 4u) << device.Dump().toStdString();
    const RecordedRect& filled = device.rects()[0];
    EXPECT_EQ(filled.brush.style(), Qt::SolidPattern);
    EXPECT_EQ(filled.brush.color(), QColor(0x33, 0x66, 0x99));
    EXPECT_EQ(filled.pen.style(), Qt::NoPen);
    ASSERT_EQ(device.images().size(), 1u);
    EXPECT_EQ(device.images()[0].target, QRectF(5, 6, 8, 4));
    const RecordedText* second = device.FindText(QStringLiteral("VA"), 1);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->baseline, QPointF(5, 90));
    EXPECT_EQ(second->order, 3);
    EXPECT_EQ(device.texts()[0].color, QColor(Qt::red));
    EXPECT_EQ(device.ops()[2].kind, OpKind::Image);
}

}  // namespace
}  // namespace zevo::test
