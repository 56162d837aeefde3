// The print path on a workshop PC without a printer: the page becomes a PDF
// file in "Ausdrucke", read back with poppler.

#include "decode/reportrecord.h"
#include "graphics/curvedata.h"
#include "lang/einstellungen.h"
#include "report/hprint.h"
#include "report/printjob.h"
#include "tests/support/recordingpaintdevice.h"
#include "tests/support/testfiles.h"
#include "tests/tools/pdfreadback.h"

#include <QDir>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zevo {
namespace {

class NoPrinterTest : public ::testing::Test {
  protected:
    NoPrinterTest() { report.SetLineA(0, "Bremsendienst Huber"); }

    // A printer object as a PC without printers gives it: PDF output, no file.
    PrintOutcome Print(const QString& title, QPrinter* printer = nullptr)
    {
        QPrinter none;
        none.setOutputFormat(QPrinter::PdfFormat);
        return PrintPage(renderer, printer ? *printer : none, NumericPageKind, title, dir.path(), now);
    }

    QString Folder() const { return dir.filePath(QStringLiteral("Ausdrucke")); }

    Settings settings;
    TestResult result;
    ReportRecord report = EmptyReportRecord();
    CurveData curves;
    std::array<QString, EmployeeLineCount> employeeLines;
    LimitSet limitSet = LimitSet::Eu;
    double gravity = 9.81;
    bool smooth = false;
    TfoHPrint renderer{ReportSources{report, result, curves, settings, limitSet, gravity, employeeLines, smooth},
                       QStringLiteral("/nonexistent")};
    const QDateTime now{QDate(2026, 12, 6), QTime(14, 3, 59)};
    QTemporaryDir dir;
};

// Named after date, time and title; a second job in the same second takes the
// next free name and leaves the first file as it was; no temporary file stays.
TEST_F(NoPrinterTest, ThePageBecomesANewPdfInAusdruckeAndNoFileIsOverwritten)
{
    const PrintOutcome first = Print(QStringLiteral("M-AB 123"));
    ASSERT_TRUE(first.ok) << first.error.toStdString();
    EXPECT_EQ(first.pdfPath, Folder() + QStringLiteral("/2026-12-06_14-03-59_M-AB 123.pdf"));
    const QByteArray firstBytes = testing::FileBytes(first.pdfPath);
    EXPECT_TRUE(firstBytes.startsWith("%PDF-"));

    const PrintOutcome second = Print(QStringLiteral("M-AB 123"));
    ASSERT_TRUE(second.ok) << second.error.toStdString();
    EXPECT_EQ(second.pdfPath, Folder() + QStringLiteral("/2026-12-06_14-03-59_M-AB 123-2.pdf"));
    EXPECT_EQ(testing::FileBytes(first.pdfPath), firstBytes);

    const PrintOutcome unsafe = Print(QStringLiteral("A/B:C*"));
    ASSERT_TRUE(unsafe.ok) << unsafe.error.toStdString();
    EXPECT_EQ(unsafe.pdfPath, Folder() + QStringLiteral("/2026-12-06_14-03-59_A_B_C_.pdf"));

    // A printer object someone set up keeps its paper, also as a PDF.
    QPrinter letter;
    letter.setOutputFormat(QPrinter::PdfFormat);
    letter.setPageSize(QPageSize(QPageSize::Letter));
    letter.setPageOrientation(QPageLayout::Landscape);
    const PrintOutcome onLetter = Print(QStringLiteral("Letter"), &letter);
    EXPECT_EQ(testing::PdfInfoField(onLetter.pdfPath, QStringLiteral("Page size")), "792 x 612 pts (letter)");

    EXPECT_EQ(QDir(Folder()).entryList(QDir::Files | QDir::Hidden).size(), 4);
    EXPECT_EQ(testing::PdfInfoField(first.pdfPath, QStringLiteral("Title")), QStringLiteral("M-AB 123"));

    EXPECT_EQ(testing::PdfInfoField(first.pdfPath, QStringLiteral("Page size")), QStringLiteral("595 x 842 pts (A4)"));

    // The print path's file and the PDF writer's (zevo-tool render) hold the
    // page as drawn on a 600-dpi A4 page, moved by the margins: a viewer finds
    // the company line where the page puts it.
    const PrinterPage page = PdfPrinterPage(600);
    test::RecordingPaintDevice frame(600, 600, page.PageWidth, page.PageHeight);
    {
        QPainter painter(&frame);
        renderer.RenderPage(painter, page, false, 0, NumericPageKind);
    }
    const test::RecordedText* drawn = frame.FindText(QStringLiteral("Bremsendienst Huber"));
    ASSERT_NE(drawn, nullptr);
    const PrintOutcome written = WritePdfPage(renderer, NumericPageKind, 600, dir.filePath("written.pdf"), "M-AB 123");
    ASSERT_TRUE(written.ok) << written.error.toStdString();
    const double margin = LaserPrinterMarginMm / 25.4 * 72; // points
    for (const QString& pdf : {first.pdfPath, written.pdfPath}) {
        const std::vector<testing::PdfWord> words = testing::PdfWords(pdf);
        const testing::PdfWord* read = testing::FindWord(words, QStringLiteral("Bremsendienst"));
        ASSERT_NE(read, nullptr) << "pdftotext (poppler-utils) found no company line";
        EXPECT_NEAR(read->topLeft.x(), margin + drawn->topLeft.x() * 72 / 600, 1.0);
        EXPECT_NEAR(read->topLeft.y(), margin + drawn->topLeft.y() * 72 / 600, 1.0);
    }
}

TEST_F(NoPrinterTest, AnAusdruckeThatCannotHoldFilesFailsWithASentence)
{
    QFile blocker(Folder()); // a file where the folder belongs
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    const PrintOutcome outcome = Print(QStringLiteral("M-AB 123"));
    EXPECT_FALSE(outcome.ok);
    EXPECT_TRUE(outcome.pdfPath.isEmpty());
    EXPECT_TRUE(outcome.error.contains(Folder())) << outcome.error.toStdString();
    EXPECT_TRUE(outcome.error.endsWith('.')) << outcome.error.toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("Ausdrucke")});
}

} // namespace
} // namespace zevo
