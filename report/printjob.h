#pragma once
// The print path: one report page as a print job on the printer, or, where
// the workshop PC has no printer installed, as a PDF file in the folder
// "Ausdrucke" of the working folder; and the PDF writer of zevo-tool. Both
// PDF paths set their QPrinter up alike: A4 portrait, the margins of a laser
// printer, text kept as text with its fonts embedded.
//
// QPainter on a QPrinter needs a QGuiApplication (a QApplication is not
// needed); without a display use the "offscreen" platform.

#include "report/hprint.h"

#include <QDateTime>
#include <QPageLayout>
#include <QString>

class QPrinter;

namespace zevo {

inline constexpr int DefaultPdfDpi = 600;
inline constexpr double LaserPrinterMarginMm = 6.35; // on every side
inline constexpr char PrintFolderName[] = "Ausdrucke";
inline constexpr char BlankJobTitle[] = "ZEVO Test";

// The printer as the renderer lays a page out for it: its resolution and its
// printable area in device pixels.
PrinterPage PrinterPageOf(const QPrinter& printer);

// The print job's title: the registration as given when it holds more than
// blanks, else "ZEVO Test".
QString PrintJobTitle(const QString& kennzeichen);

struct PrintOutcome {
    bool ok = false;
    QString pdfPath; // set when the page went to a PDF file
    QString error;   // a sentence for a message box; empty when ok
};

// A4 portrait with LaserPrinterMarginMm all round: the page of every PDF.
QPageLayout PdfPageLayout();

// Sets `printer` up as every PDF is written: PDF output into the file `path`
// (empty: no file yet), A4 portrait (PdfPageLayout) at `dpi`, text kept as
// text with its fonts embedded.
void ConfigurePdfPrinter(QPrinter& printer, int dpi, const QString& path = {});

// The page of a PDF at `dpi`, as PrinterPageOf gives it for ConfigurePdfPrinter.
PrinterPage PdfPrinterPage(int dpi = DefaultPdfDpi);

// Whether the printer object prints on a printer of the system: native output
// to a named printer, or to the default one of a system that has printers.
bool HasSystemPrinter(const QPrinter& printer);

// Prints the page of kind pageKind as the job jobTitle (a report longer than
// a sheet goes on on the next sheet of the same job). A printer object
// with nowhere to print to (PDF output without a file name, or no printer
// named on a system that knows none) is the workshop PC without a printer:
// the page goes to a new PDF file in <workingDir>/Ausdrucke, named
// "yyyy-MM-dd_HH-mm-ss_<title>.pdf" after `now` (characters a file name
// cannot hold become '_'; "-2", "-3", … when the name is taken; no file is
// ever overwritten). That file is set up by ConfigurePdfPrinter at 600 dpi,
// except that a page layout or resolution the printer object was given (one
// other than a QPrinter starts with) is kept. It is written under a temporary
// name and renamed when whole.
PrintOutcome PrintPage(TfoHPrint& renderer, QPrinter& printer, int pageKind, const QString& jobTitle,
                       const QString& workingDir, const QDateTime& now);

// Writes the page of kind pageKind to the PDF file `path`, as the printer path
// would print it: A4 portrait (PdfPageLayout) at `dpi`. Written under a
// temporary name beside `path` and renamed over it when whole.
PrintOutcome WritePdfPage(TfoHPrint& renderer, int pageKind, int dpi, const QString& path, const QString& jobTitle);

} // namespace zevo
