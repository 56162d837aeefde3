#include "report/printjob.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>
#include <filesystem>
#include <system_error>

namespace zevo {
namespace {

// The permissions of a file the workshop's other users read: a temporary file
// starts out readable by its owner only.
constexpr QFile::Permissions SharedFile =
    QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser | QFile::ReadGroup | QFile::ReadOther;

PrintOutcome Failed(const QString& error)
{
    PrintOutcome outcome;
    outcome.error = error;
    return outcome;
}

// The title with every character a file name cannot hold (on Linux or on a
// Windows share) replaced by '_'.
QString SafeFileName(const QString& title)
{
    static const QString unsafe = QStringLiteral("/\\:*?\"<>|");
    QString name = title;
    for (QChar& c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || unsafe.contains(c))
            c = QLatin1Char('_');
    }
    return name;
}

// Nowhere to print to: PDF output without a file, or no printer at all.
bool HasNoPrinter(const QPrinter& printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return printer.outputFileName().isEmpty();
    return !HasSystemPrinter(printer);
}

// Draws the page on a printer whose job is not begun yet. An error text, or
// empty when the job ended well.
QString RunJob(TfoHPrint& renderer, QPrinter& printer, int pageKind, const QString& failedBegin)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return failedBegin;
    renderer.RenderPage(painter, PrinterPageOf(printer), false, 0, pageKind);
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        return QStringLiteral("The print job \"%1\" did not finish.").arg(printer.docName());
    return {};
}

// Whether someone set the printer object up with a page layout (resolution)
// of its own: one other than a QPrinter object starts with.
bool HasOwnPageLayout(const QPrinter& printer)
{
    return !printer.pageLayout().isEquivalentTo(QPrinter().pageLayout());
}

bool HasOwnResolution(const QPrinter& printer)
{
    const int resolution = printer.resolution();
    return resolution != QPrinter(QPrinter::ScreenResolution).resolution() &&
           resolution != QPrinter(QPrinter::HighResolution).resolution();
}

// A PDF written through a temporary file in `folder`: the page, then the
// permissions of a shared file. The temporary file is removed when the
// caller's QTemporaryFile goes, unless it was renamed.
QString WritePdfTo(TfoHPrint& renderer, QTemporaryFile& temp, const QString& folder, int pageKind, int dpi,
                   const QPageLayout& layout, const QString& jobTitle)
{
    if (!temp.open())
        return QStringLiteral("The folder \"%1\" cannot be written to: %2.").arg(folder, temp.errorString());
    temp.close();
    QPrinter printer(QPrinter::HighResolution);
    ConfigurePdfPrinter(printer, dpi, temp.fileName());
    printer.setPageLayout(layout);
    printer.setDocName(jobTitle);
    const QString error = RunJob(renderer, printer, pageKind,
                                 QStringLiteral("The PDF file \"%1\" cannot be written.").arg(temp.fileName()));
    if (!error.isEmpty())
        return error;
    if (QFileInfo(temp.fileName()).size() == 0)
        return QStringLiteral("The PDF file \"%1\" stayed empty.").arg(temp.fileName());
    QFile::setPermissions(temp.fileName(), SharedFile);
    return {};
}

} // namespace

PrinterPage PrinterPageOf(const QPrinter& printer)
{
    PrinterPage page;
    page.DpiX = printer.logicalDpiX();
    page.DpiY = printer.logicalDpiY();
    page.PageWidth = printer.width();
    page.PageHeight = printer.height();
    return page;
}

QString PrintJobTitle(const QString& kennzeichen)
{
    return kennzeichen.trimmed().isEmpty() ? QString::fromLatin1(BlankJobTitle) : kennzeichen;
}

QPageLayout PdfPageLayout()
{
    const double m = LaserPrinterMarginMm;
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(m, m, m, m), QPageLayout::Millimeter);
}

void ConfigurePdfPrinter(QPrinter& printer, int dpi, const QString& path)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setOutputFormat(QPrinter::PdfFormat); // whatever the file name ends in
    printer.setResolution(dpi);
    printer.setFullPage(false);
    printer.setPageLayout(PdfPageLayout());
    printer.setColorMode(QPrinter::Color);
    printer.setFontEmbeddingEnabled(true);
    printer.setCreator(QStringLiteral("ZEVO Assistant"));
}

PrinterPage PdfPrinterPage(int dpi)
{
    QPrinter printer(QPrinter::HighResolution);
    ConfigurePdfPrinter(printer, dpi);
    return PrinterPageOf(printer);
}

bool HasSystemPrinter(const QPrinter& printer)
{
    return printer.outputFormat() == QPrinter::NativeFormat &&
           (!printer.printerName().isEmpty() || !QPrinterInfo::availablePrinterNames().isEmpty());
}

PrintOutcome PrintPage(TfoHPrint& renderer, QPrinter& printer, int pageKind, const QString& jobTitle,
                       const QString& workingDir, const QDateTime& now)
{
    printer.setDocName(jobTitle);
    if (!HasNoPrinter(printer)) {
        const bool toFile = printer.outputFormat() == QPrinter::PdfFormat;
        const QString failedBegin =
            toFile ? QStringLiteral("The PDF file \"%1\" cannot be written.").arg(printer.outputFileName())
                   : QStringLiteral("The printer \"%1\" did not accept the print job \"%2\".")
                         .arg(printer.printerName(), jobTitle);
        if (const QString error = RunJob(renderer, printer, pageKind, failedBegin); !error.isEmpty())
            return Failed(error);
        PrintOutcome outcome;
        outcome.ok = true;
        if (toFile)
            outcome.pdfPath = printer.outputFileName();
        return outcome;
    }

    // No printer: a PDF file in the folder of printouts.
    const QString folder = QDir(workingDir).filePath(QLatin1String(PrintFolderName));
    if (!QDir().mkpath(folder))
        return Failed(QStringLiteral("There is no printer, and the folder \"%1\" for the PDF files cannot be "
                                     "created, so the page was not printed.")
                          .arg(folder));
    const QPageLayout layout = HasOwnPageLayout(printer) ? printer.pageLayout() : PdfPageLayout();
    const int dpi = HasOwnResolution(printer) ? printer.resolution() : DefaultPdfDpi;
    QTemporaryFile temp(QDir(folder).filePath(QStringLiteral(".zevo-print-XXXXXX.part")));
    if (const QString error = WritePdfTo(renderer, temp, folder, pageKind, dpi, layout, jobTitle); !error.isEmpty())
        return Failed(QStringLiteral("There is no printer, and the page could not be saved as a PDF file: ") + error);

    const QString base =
        QDir(folder).filePath(now.toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss_")) + SafeFileName(jobTitle));
    for (int n = 1; n <= 9999; ++n) {
        const QString path = base + (n > 1 ? QStringLiteral("-%1").arg(n) : QString()) + QStringLiteral(".pdf");
        // QFile::rename never replaces an existing file.
        if (QFile::rename(temp.fileName(), path)) {
            PrintOutcome outcome;
            outcome.ok = true;
            outcome.pdfPath = path;
            return outcome;
        }
        if (!QFileInfo::exists(path))
            return Failed(QStringLiteral("There is no printer, and the PDF file \"%1\" could not be made.").arg(path));
    }
    return Failed(QStringLiteral("There is no printer, and every PDF file name for \"%1\" in \"%2\" is taken.")
                      .arg(jobTitle, folder));
}

PrintOutcome WritePdfPage(TfoHPrint& renderer, int pageKind, int dpi, const QString& path, const QString& jobTitle)
{
    const QFileInfo target(path);
    const QString folder = target.absolutePath();
    QTemporaryFile temp(QDir(folder).filePath(QStringLiteral(".zevo-pdf-XXXXXX.part")));
    if (const QString error = WritePdfTo(renderer, temp, folder, pageKind, dpi, PdfPageLayout(), jobTitle);
        !error.isEmpty())
        return Failed(error);
    std::error_code renamed;
    std::filesystem::rename(QFile::encodeName(temp.fileName()).toStdString(),
                            QFile::encodeName(target.absoluteFilePath()).toStdString(), renamed);
    if (renamed)
        return Failed(QStringLiteral("The PDF file \"%1\" cannot be written: %2.")
                          .arg(path, QString::fromStdString(renamed.message())));
    PrintOutcome outcome;
    outcome.ok = true;
    outcome.pdfPath = target.absoluteFilePath();
    return outcome;
}

} // namespace zevo
