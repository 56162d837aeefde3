// The recording paint device the drawing tests rely on: a recorder that put a
// text cell or a shape in the wrong place would let those tests pass or fail
// for the wrong reason.

#include "tests/support/recordingpaintdevice.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace zevo::test {
namespace {

TEST(RecordingPaintDeviceTest, TextCellTopIsTheBaselineMinusTheAscentOnTheDevice)
{
    for (int dpi : {96, 600}) {
        RecordingPaintDevice device(dpi, dpi, 9 * dpi, 12 * dpi);
        QFont font(QStringLiteral("Arial"));
        font.setPointSize(9);
        font.setBold(true);
        {
            QPainter painter(&device);
            painter.setFont(font);
            painter.setPen(QColor(0xc0, 0x10, 0x20));
            painter.drawText(QPointF(100, 2000), QStringLiteral("Bremskraft"));
        }
        const RecordedText* text = device.FindText(QStringLiteral("Bremskraft"));
        ASSERT_NE(text, nullptr) << device.Dump().toStdString();
        // "Arial" resolves to Liberation Sans, whose ascent is 0.905 em.
        EXPECT_NEAR(text->topLeft.y(), 2000 - 9 / 72.0 * dpi * 0.905, 1.0) << dpi;
        EXPECT_EQ(text->topLeft.x(), 100);
        EXPECT_NEAR(text->width, QFontMetricsF(font, &device).horizontalAdvance(text->text), 0.5);
        EXPECT_EQ(text->family, QStringLiteral("Arial"));
        EXPECT_EQ(text->pointSize, 9);
        EXPECT_TRUE(text->bold);
        EXPECT_EQ(text->color, QColor(0xc0, 0x10, 0x20));
    }
}

TEST(RecordingPaintDeviceTest, ShapesAreRecordedInDeviceCoordinatesUnderATransform)
{
    RecordingPaintDevice device(600, 600, 1000, 1000);
    {
        QPainter painter(&device);
        painter.setTransform(QTransform(2, 0, 0, 2, 30, 40));
        painter.setPen(QPen(Qt::blue, 2));
        painter.drawLine(QLineF(0, 0, 10, 0));
        painter.drawRect(QRectF(0, 0, 10, 5));
        painter.drawPolyline(QPolygonF({QPointF(0, 0), QPointF(5, 5)}));
        painter.drawImage(QRectF(0, 0, 10, 5), QImage(40, 20, QImage::Format_RGB32));
        painter.resetTransform();
        painter.fillRect(QRectF(1, 2, 3, 4), QColor(0x33, 0x66, 0x99));
    }
    ASSERT_EQ(device.lines().size(), 1u) << device.Dump().toStdString();
    EXPECT_EQ(device.lines()[0].line, QLineF(30, 40, 50, 40));
    ASSERT_EQ(device.rects().size(), 2u);
    EXPECT_EQ(device.rects()[0].rect, QRectF(30, 40, 20, 10));
    EXPECT_EQ(device.polygons().at(0).points.last(), QPointF(40, 50));
    EXPECT_EQ(device.images().at(0).target, QRectF(30, 40, 20, 10));
    const RecordedRect& filled = device.rects()[1];
    EXPECT_EQ(filled.brush.color(), QColor(0x33, 0x66, 0x99));
    EXPECT_EQ(filled.pen.style(), Qt::NoPen);
}

}  // namespace
}  // namespace zevo::test
