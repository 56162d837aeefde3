#include "report/hprint.h"

#include "decode/reportrecord.h"
#include "graphics/canvastext.h"
#include "graphics/wincolour.h"
#include "lang/cp1252.h"
#include "lang/einstellungen.h"
#include "lang/numbertext.h"
#include "lang/sprachen.h"
#include "report/barpage.h"
#include "report/curvepage.h"
#include "report/numericpage.h"

#include <QFileInfo>
#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>
#include <cmath>

namespace zevo {
namespace {


QString WithSeparator(const QString& dir) { return dir.endsWith(QLatin1Char('/')) ? dir : dir + QLatin1Char('/'); }

}  // namespace

TfoHPrint::TfoHPrint(ReportSources sources, const QString& programDir)
    : src(sources), ProgramDir(WithSeparator(programDir)), BitmapDir(ProgramDir + QStringLiteral("bmps300/"))
{
}

QSize TfoHPrint::PreviewSize(const PrinterPage& printer, int pages)
{
    const double screenFactor = printer.DpiX / 96.0;
    if (screenFactor <= 0)
        return {};
    const int pageHeight = RoundToInt(printer.PageHeight / screenFactor);
    pages = std::max(1, pages);
    return {RoundToInt(printer.PageWidth / screenFactor), pages * pageHeight + (pages - 1) * PreviewPageGap};
}

void TfoHPrint::RenderPage(QPainter& canvas, const PrinterPage& printer, bool screen, int scrollOffset, int pageKind)
{
    OriginX = 0;
    ScrollOffset = scrollOffset;
    PageWidth = printer.PageWidth;
    PageHeight = printer.PageHeight;
    DpiX = printer.DpiX;
    DpiY = printer.DpiY;
    ScreenFactor = screen ? DpiX / 96.0 : 1.0;
    BitmapDir = ProgramDir + (DpiX > 600 ? QStringLiteral("bmps720/") : QStringLiteral("bmps300/"));
    PxPerCmX = DpiX / 2.54 / ScreenFactor;
    PxPerCmY = DpiY / 2.54 / ScreenFactor;
    OriginX = W(0.5);  // a left margin of 5 mm
    BlockTop = 0;
    FontScale = 1.0;
    if (screen) {
        BitmapDir = ProgramDir + QStringLiteral("bmpsScreen/");
        OriginX = 0;
        FontScale = 0.8;
    }
    if (DpiX <= 0 || DpiY <= 0)
        return;  // no usable printer: nothing can be laid out

    Canvas = &canvas;
    textColour_ = penColour_ = ClBlack;
    screen_ = screen;
    paged_ = screen || dynamic_cast<QPagedPaintDevice*>(canvas.device()) != nullptr;
    pageTop_ = -scrollOffset;
    Pages = 1;
    canvas.save();
    canvas.setRenderHint(QPainter::Antialiasing, false);
    canvas.setBrush(Qt::NoBrush);
    switch (pageKind) {
    case NumericPageKind:
        NumericPage(*this);
        break;
    case BarPageKind:
        BarPage(*this);
        break;
    case CurvePageKind:
        CurvePage(*this);
        break;
    default:
        break;
    }
    canvas.restore();
    Canvas = nullptr;
    // The curves drawn are smoothed now, in memory: a second pass would
    // flatten them further, so smoothing waits for the next load.
    if (pageKind >= NumericPageKind && pageKind <= BarPageKind)
        src.smoothCurves = false;
}

int TfoHPrint::X(double x) const { return RoundToInt(PxPerCmX * x) + OriginX; }
int TfoHPrint::Y(double y) const { return RoundToInt(PxPerCmY * y) + BlockTop; }
int TfoHPrint::W(double w) const { return RoundToInt(PxPerCmX * w); }
int TfoHPrint::H(double h) const { return RoundToInt(PxPerCmY * h); }

int TfoHPrint::TextWidth(const QString& text) const
{
    return Canvas ? Canvas->fontMetrics().horizontalAdvance(text) : 0;
}

void TfoHPrint::DrawText(const QString& text, int x, int y)
{
    if (!Canvas || text.isEmpty())
        return;
    TextTopLeft(*Canvas, x, y, text, WinColour(textColour_));
}

void TfoHPrint::TextAt(const QString& text, double x, double y) { DrawText(text, X(x), Y(y)); }

void TfoHPrint::TextRight(const QString& text, double x, double y) { DrawText(text, X(x) - TextWidth(text), Y(y)); }

void TfoHPrint::TextCenter(const QString& text, double x, double y)
{
    DrawText(text, X(x) - TextWidth(text) / 2, Y(y));
}

void TfoHPrint::SetFont(int points, bool bold, unsigned int colour)
{
    if (!Canvas)
        return;
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(std::max(1, RoundToInt(points * FontScale)));
    font.setBold(bold);
    // Positions are computed from plain advance widths, as the page was designed.
    font.setKerning(false);
    Canvas->setFont(font);
    SetColour(colour);
}

void TfoHPrint::SetColour(unsigned int colour) { textColour_ = colour; }

void TfoHPrint::SetPenColour(unsigned int colour) { penColour_ = colour; }

void TfoHPrint::PlaceBitmap(const char* name, double x, double y)
{
    if (!DrawBitmaps || !Canvas)
        return;
    const QString path = BitmapDir + QLatin1String(name);
    const QImage bitmap(path);
    if (bitmap.isNull()) {
        if (!missingReported_.contains(path)) {
            missingReported_.insert(path);
            if (reportProblem)
                reportProblem(QStringLiteral("Pictogram %1 is missing; the page is printed without it.").arg(path));
        }
        return;
    }
    Canvas->drawImage(QPoint(X(x) - bitmap.width() / 2, Y(y) - bitmap.height() / 2), bitmap);
}

void TfoHPrint::ThickRule()
{
    if (!Canvas)
        return;
    SetPenColour(ClBlack);
    Canvas->setPen(QPen(Qt::black, RoundToInt(3 * FontScale), Qt::SolidLine, Qt::FlatCap));
    Canvas->drawLine(X(0), Y(0), X(UsableWidthCm), Y(0));
}

void TfoHPrint::ThinRule()
{
    if (!Canvas)
        return;
    Canvas->setPen(QPen(WinColour(penColour_), 1, Qt::DashLine, Qt::FlatCap));
    Canvas->drawLine(X(0), Y(0), X(UsableWidthCm), Y(0));
}

void TfoHPrint::VerticalDashedRule(double x, int fromY, int toY)
{
    if (!Canvas)
        return;
    SetPenColour(ClBlack);
    Canvas->setPen(QPen(Qt::black, 1, Qt::DashLine, Qt::FlatCap));
    Canvas->drawLine(X(x), fromY, X(x), toY);
}

void TfoHPrint::LegendSquare(unsigned int colour, double x, double y)
{
    if (!Canvas)
        return;
    SetPenColour(ClBlack);
    Canvas->setPen(QPen(Qt::black, 1));
    Canvas->setBrush(WinColour(colour));
    Canvas->drawRect(QRect(QPoint(X(x - 0.8), Y(y)), QPoint(X(x - 0.4), Y(y + 0.4)) - QPoint(1, 1)));
    Canvas->setBrush(Qt::NoBrush);
}

void TfoHPrint::Advance(double height) { BlockTop += H(height); }

bool TfoHPrint::NeedsNewPage(double height) const
{
    const int pageHeight = screen_ ? RoundToInt(PageHeight / ScreenFactor) : PageHeight;
    return paged_ && BlockTop > pageTop_ && BlockTop + H(height) > pageTop_ + pageHeight;
}

void TfoHPrint::NewPage()
{
    if (!Canvas || !paged_)
        return;
    if (screen_) {
        const int pageHeight = RoundToInt(PageHeight / ScreenFactor);
        pageTop_ += pageHeight + PreviewPageGap;
        Canvas->fillRect(QRect(0, pageTop_ - PreviewPageGap, RoundToInt(PageWidth / ScreenFactor), PreviewPageGap),
                         QColor(0xa0, 0xa0, 0xa0));
    } else {
        static_cast<QPagedPaintDevice*>(Canvas->device())->newPage();
        pageTop_ = 0;
    }
    BlockTop = pageTop_;
    ++Pages;
}

void TfoHPrint::EndBlock(const char* name, double height, bool thickRule)
{
    Advance(height);
    if (thickRule)
        ThickRule();
    else
        ThinRule();
    BlockDone(name);
}

void TfoHPrint::BlockDone(const char* name)
{
    if (blockTrace)
        blockTrace->emplace_back(QLatin1String(name), BlockTop);
}

QString TfoHPrint::LineA(int i) const { return FromCp1252(src.report.LineA(i)); }
QString TfoHPrint::LineB(int i) const { return FromCp1252(src.report.LineB(i)); }
int TfoHPrint::Sprache() const { return LimitSprache(src.settings.Sprache); }
QString TfoHPrint::Text(int id) const { return TextOf(id, Sprache()); }

LimitChoice TfoHPrint::Limits() const
{
    LimitChoice choice;
    choice.set = src.limitSet;
    choice.sprache = Sprache();
    choice.registrationGroup = src.settings.einstellungen.Field[RegistrationGroup];
    choice.vehicleType = src.settings.einstellungen.Field[VehicleTypeField];
    return choice;
}

// ---- The common blocks ----

void CompanyBlock(TfoHPrint& p)
{
    p.BlockTop = -p.ScrollOffset;  // the preview scrolls by drawing the whole page higher
    p.SetFont(10, true);
    static constexpr double Rows[4] = {0.1, 0.5, 0.9, 1.3};
    for (int k = 0; k < 4; ++k) {
        p.TextAt(p.LineA(k), 0.2, Rows[k]);
        p.TextAt(p.LineA(4 + k), 4.5, Rows[k]);
    }
    p.PlaceBitmap("zevologo.bmp", 16.0, 0.75);
    p.EndBlock("CompanyBlock", 1.9, true);
}

void OrderLine(TfoHPrint& p)
{
    p.SetFont(9, true);
    p.TextAt(p.LineA(9), 1.6, 0.2);
    p.TextAt(p.LineA(10), 8.4, 0.2);
    p.TextAt(p.LineA(11), 16.1, 0.2);
    p.PlaceBitmap("Auftrag.bmp", 0.9, 0.45);
    p.PlaceBitmap("Uhr.bmp", 7.5, 0.45);
    p.PlaceBitmap("Datum.bmp", 15.5, 0.45);
    p.EndBlock("OrderLine", 0.9, true);
}

void CustomerBlock(TfoHPrint& p)
{
    p.SetFont(9, true);
    p.TextAt(p.LineA(12), 0, 0.1);
    p.TextAt(p.LineA(13), 6.9, 0.1);
    p.SetFont(9, false);
    for (int k = 0; k < 5; ++k) {
        p.TextAt(p.LineA(14 + k), 1.7, 0.1 + 0.375 * k);
        p.TextAt(p.LineA(19 + k), 8.3, 0.1 + 0.375 * k);
    }
    if (p.Polish()) {
        const LimitChoice limits = p.Limits();
        const QString type = PolishName(PolishLimits(limits.registrationGroup, limits.vehicleType), p.Sprache());
        p.TextAt(type + QLatin1Char(' ') + RegistrationGroupText(limits.registrationGroup), 16.0, 0.1);
    } else {
        p.TextAt(p.LineA(24), 16.0, 0.5);
        if (!p.Russian())
            p.TextAt(p.LineA(25), 16.0, 1.15);
        p.TextAt(p.LineA(26), 16.0, p.Russian() ? 0.875 : 1.6);
    }
    p.PlaceBitmap("Kunde_kd.bmp", 0.7, 1.2);
    p.PlaceBitmap("kfz.bmp", 7.5, 1.2);
    if (!p.Polish())
        p.PlaceBitmap("Tuev_au.bmp", 15.2, 1.2);
    p.EndBlock("CustomerBlock", 2.0, true);
    p.GridTop = p.BlockTop;
}

void FooterLine(TfoHPrint& p)
{
    const int number = p.src.result.EmployeeNumber;
    // A number past the lines held names nobody: no footer rather than a wrong name.
    if (number <= 0 || number > EmployeeLineCount)
        return;
    p.SetFont(10, true);
    p.TextCenter(p.src.employeeLines[number - 1], 9.3, 0.1);
    p.BlockDone("FooterLine");
}

QString CheckReportFonts()
{
    const QFontInfo info(QFont(QStringLiteral("Arial")));
    const QString family = info.family();
    if (family.compare(QLatin1String("Arial"), Qt::CaseInsensitive) == 0 ||
        family.startsWith(QLatin1String("Liberation Sans"), Qt::CaseInsensitive))
        return {};
    return QStringLiteral("Font \"Arial\" is not installed and \"%1\" stands in: report texts may not line up "
                          "(install fonts-liberation).")
        .arg(family);
}

}  // namespace zevo
