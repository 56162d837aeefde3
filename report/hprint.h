#pragma once
// The report renderer's state and drawing primitives. One instance lives for
// the whole run; it is no window, it only carries the state of the page being
// drawn. Every page is laid out in centimetres from the left margin and the
// running block top, and converted here to the pixels of whatever device the
// painter draws on: the printer, a PDF file, the preview or an image.

#include "decode/limitsets.h"
#include "decode/testresult.h"

#include <QColor>
#include <QSet>
#include <QSize>
#include <QString>
#include <array>
#include <functional>
#include <utility>
#include <vector>

class QPainter;

namespace zevo {

struct CurveData;
struct ReportRecord;
struct Settings;

enum PageKind : int {
    NumericPageKind = 1,  // the test certificate
    CurvePageKind = 2,    // brake-force curves of CurveMode
    BarPageKind = 3,      // force and difference bars
};

inline constexpr double UsableWidthCm = 18.7;  // rules run from x = 0 to here

// The printer a page is laid out for. The preview uses the same values, so
// that it shows the page as it will be printed.
struct PrinterPage {
    int DpiX = 600;       // pixels per inch
    int DpiY = 600;
    int PageWidth = 0;    // printable area, printer pixels
    int PageHeight = 0;
};

// What the pages read: the test on display and the settings in force. The
// program hands in its own records; a test or zevo-tool builds its own.
struct ReportSources {
    const ReportRecord& report;
    const TestResult& result;
    CurveData& curves;           // smoothed in place while smoothCurves is set
    const Settings& settings;
    const LimitSet& limitSet;    // the national set of the run
    const double& gravityFactor; // m/s²
    const std::array<QString, EmployeeLineCount>& employeeLines;
    bool& smoothCurves;
};

// The forces the braking-ratio block selected, left for the distribution block. N.
struct SelectedForces {
    double FL = 0, FR = 0, DF = 0, PF = 0;  // front left, right, difference %, pedal
    double RL = 0, RR = 0, DR = 0, PR = 0;  // rear
    double QL = 0, QR = 0;                  // parking brake left, right
};

class TfoHPrint {
  public:
    // programDir: the folder holding "bmps300", "bmps720" and "bmpsScreen".
    TfoHPrint(ReportSources sources, const QString& programDir);

    // Draws one page onto `canvas`. The caller has begun the print job (or
    // opened the painter on the preview or image) and ends it afterwards.
    // Kinds other than 1..3 only prepare the state.
    void RenderPage(QPainter& canvas, const PrinterPage& printer, bool screen, int scrollOffset, int pageKind);

    // Size of the preview paint box for this printer: the page at 96 px per
    // inch; a report of several pages shows them one under the other.
    static QSize PreviewSize(const PrinterPage& printer, int pages = 1);
    static constexpr int PreviewPageGap = 12;  // screen pixels between preview pages

    // Centimetres to device pixels, rounded halves to even.
    int X(double x) const;  // page x, with the left margin
    int Y(double y) const;  // below BlockTop
    int W(double w) const;  // a width
    int H(double h) const;  // a height

    // Text with the top-left corner of its cell at the place (the painter
    // itself draws on the baseline). Empty texts draw nothing.
    void TextAt(const QString& text, double x, double y);
    void TextRight(const QString& text, double x, double y);
    void TextCenter(const QString& text, double x, double y);
    int TextWidth(const QString& text) const;  // device pixels

    // "Arial" at [points × FontScale], bold or regular, in a $BBGGRR colour.
    // Text and lines keep their own colours: a rule never takes the colour of
    // the verdict written before it.
    void SetFont(int points, bool bold, unsigned int colour = 0);
    void SetColour(unsigned int colour);     // of the text
    void SetPenColour(unsigned int colour);  // of lines and frames
    unsigned int PenColour() const { return penColour_; }

    // A pictogram from BitmapDir, unscaled, centred on (x, y); only while
    // DrawBitmaps is set. A missing file is skipped and reported once per run.
    void PlaceBitmap(const char* name, double x, double y);

    void ThickRule();            // solid black along BlockTop, [3 × FontScale] wide
    void ThinRule();             // dashed, 1 pixel, along BlockTop
    void VerticalDashedRule(double x, int fromY, int toY);  // black, 1 pixel
    // A legend's colour square from (x − 0.8, y) to (x − 0.4, y + 0.4), framed in black.
    void LegendSquare(unsigned int colour, double x, double y);
    void Advance(double height); // BlockTop += H(height)
    // The end of a block: the advance, then a thick or a thin rule.
    void EndBlock(const char* name, double height, bool thickRule);

    // A block of this height would run past the foot of the page, and a new
    // page can be started (a printer, a PDF file or the preview; not an image).
    bool NeedsNewPage(double height) const;
    // Continues on a new page (the preview draws the gap between pages);
    // BlockTop is then the top of that page.
    void NewPage();
    int Pages = 1;  // pages drawn by the last RenderPage

    // Line i of the report record as text (it holds Windows-1252 bytes).
    QString LineA(int i) const;
    QString LineB(int i) const;
    QString Text(int id) const;  // text id in the language in force
    int Sprache() const;
    LimitChoice Limits() const;  // the set and the record in force
    bool Polish() const { return src.limitSet == LimitSet::Pl; }
    bool Russian() const { return src.limitSet == LimitSet::Rus; }

    // Problems met while drawing (a missing pictogram), each told once per run.
    std::function<void(const QString&)> reportProblem;

    // When set, each block drawn appends its name and the BlockTop after it.
    std::vector<std::pair<QString, int>>* blockTrace = nullptr;
    void BlockDone(const char* name);

    ReportSources src;

    // Render state, as the pages and plots read and write it.
    int ScrollOffset = 0;  // preview scroll, screen pixels
    int DpiX = 0, DpiY = 0;
    double PxPerCmX = 0, PxPerCmY = 0;
    int BlockTop = 0;      // device y of the block being drawn
    int OriginX = 0;       // device x of page x = 0
    int PageWidth = 0, PageHeight = 0;
    int GridTop = 0, GridBottom = 0, GridGapTop = 0, GridGapBottom = 0;
    SelectedForces forces;
    double FontScale = 3.0;  // 1.0 on the printer, 0.8 on screen
    int CurveMode = 1;       // 1 front and rear, 2 parking, 3 front, 4 rear
    int PedalTickLength = 30;  // pedal axis ticks of the curve page, printer pixels; set by the print commands
    QPainter* Canvas = nullptr;
    bool DrawBitmaps = true;
    double ScreenFactor = 1.0;
    QString ProgramDir;  // with a trailing '/'
    QString BitmapDir;   // with a trailing '/'

  private:
    void DrawText(const QString& text, int x, int y);
    QSet<QString> missingReported_;
    unsigned int textColour_ = 0;
    bool screen_ = false;
    bool paged_ = false;  // the device takes new pages
    int pageTop_ = 0;     // device y of the current page's top
    unsigned int penColour_ = 0;
};

// The common blocks at the top of every page, and the footer.
void CompanyBlock(TfoHPrint& p);
void OrderLine(TfoHPrint& p);
void CustomerBlock(TfoHPrint& p);
void FooterLine(TfoHPrint& p);

// Says whether "Arial" resolves to a face with Arial's metrics; an empty text
// when it does, else a sentence for the status line.
QString CheckReportFonts();

}  // namespace zevo
