// The print path on a workshop PC without a printer: the page becomes a PDF
// file in "Ausdrucke", read back with poppler.

#include "reportfixture.h"

#include "report/printjob.h"
#include "tests/support/pdfreadback.h"

#include <QDir>
#include <QPrinter>
#include <QTemporaryDir>

namespace zevo::test {
namespace {

class NoPrinterTest : public ReportTest {
  protected:
    NoPrinterTest() { report.SetLineA(0, "Bremsendienst Huber"); }

    // A printer object as a PC without printers gives it: PDF output, no file.
    PrintOutcome Print(const QString& title, QPrinter* printer = nullptr)
    {
        QPrinter none;
        none.setOutputFormat(QPrinter::PdfFormat);
        return PrintPage(hprint, printer ? *printer : none, NumericPageKind, title, dir.path(), now);
    }

    QString Folder() const { return dir.filePath(QStringLiteral("Ausdrucke")); }

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
    Render();
    const RecordedText& drawn = TextItem("Bremsendienst Huber");
    const PrintOutcome written = WritePdfPage(hprint, NumericPageKind, 600, dir.filePath("written.pdf"), "M-AB 123");
    ASSERT_TRUE(written.ok) << written.error.toStdString();
    const double margin = LaserPrinterMarginMm / 25.4 * 72; // points
    for (const QString& pdf : {first.pdfPath, written.pdfPath}) {
        const std::vector<testing::PdfWord> words = testing::PdfWords(pdf);
        const testing::PdfWord* read = testing::FindWord(words, QStringLiteral("Bremsendienst"));
        ASSERT_NE(read, nullptr) << "pdftotext (poppler-utils) found no company line";
        EXPECT_NEAR(read->topLeft.x(), margin + drawn.topLeft.x() * 72 / 600, 1.0);
        EXPECT_NEAR(read->topLeft.y(), margin + drawn.topLeft.y() * 72 / 600, 1.0);
    }
}

TEST_F(NoPrinterTest, AnAusdruckeThatCannotHoldFilesFailsWithASentence)
{
    testing::WriteFile(Folder(), {}); // a file where the folder belongs

    const PrintOutcome outcome = Print(QStringLiteral("M-AB 123"));
    EXPECT_FALSE(outcome.ok);
    EXPECT_TRUE(outcome.pdfPath.isEmpty());
    EXPECT_TRUE(outcome.error.contains(Folder())) << outcome.error.toStdString();
    EXPECT_TRUE(outcome.error.endsWith('.')) << outcome.error.toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("Ausdrucke")});
}

} // namespace
} // namespace zevo::test
