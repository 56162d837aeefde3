#pragma once
// What every report test needs: the records of a decoder test, a renderer over
// them, a golden test decoded into them, and a recording device to draw on.

#include "decode/decoder.h"
#include "report/hprint.h"
#include "tests/decode/decodefixture.h"
#include "tests/support/recordingpaintdevice.h"
#include "tests/support/testfiles.h"

#include <QPainter>

namespace zevo::test {

class ReportTest : public DecodeTest {
protected:
    ReportTest()
    {
        hprint.blockTrace = &trace;
        hprint.reportProblem = [this](const QString& text) { problems << text; };
    }

    // Decodes a golden test (name without ".txt") as showing it does.
    void Decode(const QString& name)
    {
        const QString path = testing::DataPath("decode/" + name);
        ShowTestDecode(testing::FileBytes(path + ".txt"), testing::FileBytes(path + ".curves.txt"), context);
    }

    // Draws one page on a fresh recording device.
    void Render(int pageKind = NumericPageKind, int dpi = 600, bool screen = false, int scroll = 0)
    {
        const PrinterPage page{dpi, dpi, int(19.73 / 2.54 * dpi), int(28.43 / 2.54 * dpi)}; // A4's printable area
        const QSize size = screen ? TfoHPrint::PreviewSize(page) : QSize(page.PageWidth, page.PageHeight);
        painter.reset();
        device = std::make_unique<RecordingPaintDevice>(screen ? 96 : dpi, screen ? 96 : dpi, size.width(),
                                                        size.height());
        painter = std::make_unique<QPainter>(device.get());
        trace.clear();
        hprint.RenderPage(*painter, page, screen, scroll, pageKind);
    }

    // The scales of a page printed at 600 dpi, for drawing single blocks from BlockTop 1000.
    void PrepareBlock()
    {
        Render(0);
        hprint.Canvas = painter.get();
        hprint.BlockTop = 1000;
    }

    // The recorded text item `text` (the occurrence-th), failing the test when missing.
    const RecordedText& TextItem(const QString& text, int occurrence = 0) const
    {
        const RecordedText* found = device->FindText(text, occurrence);
        if (!found) {
            ADD_FAILURE() << "no text \"" << text.toStdString() << "\" on the page:\n"
                          << device->AllTexts().join(" | ").toStdString();
            static const RecordedText none;
            return none;
        }
        return *found;
    }

    int BlockTopAfter(const QString& block) const
    {
        for (const auto& [name, top] : trace) {
            if (name == block)
                return top;
        }
        return -1;
    }
    QStringList BlockNames() const
    {
        QStringList names;
        for (const auto& entry : trace)
            names << entry.first;
        return names;
    }

    std::array<QString, EmployeeLineCount> employeeLines;
    bool smoothCurves = false;
    TfoHPrint hprint{ReportSources{report, result, curves, settings, context.limitSet, context.gravityFactor,
                                   employeeLines, smoothCurves},
                     QStringLiteral(ZEVO_PICTOGRAM_DIR)};
    std::vector<std::pair<QString, int>> trace;
    QStringList problems;
    std::unique_ptr<RecordingPaintDevice> device;
    std::unique_ptr<QPainter> painter;  // ended before the device goes
};

}  // namespace zevo::test
