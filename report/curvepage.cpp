#include "report/curvepage.h"

#include "graphics/curveplot.h"
#include "graphics/curveviews.h"
#include "graphics/wincolour.h"
#include "lang/einstellungen.h"
#include "lang/numbertext.h"
#include "report/hprint.h"

#include <QPainter>
#include <QPen>
#include <cmath>

namespace zevo {
namespace {


// Device distances of the diagram, in printer pixels: on the screen form of
// the page they shrink with it, so that it shows the printed page.
int PrinterPixels(const TfoHPrint& p, int pixels)
{
    return RoundToInt(pixels / p.ScreenFactor);
}

void LegendEntry(TfoHPrint& p, int textId, const QString& suffix, unsigned int colour, double x, double y)
{
    p.LegendSquare(colour, x, y);
    p.TextAt(p.Text(textId) + suffix, x, y);
}

} // namespace

void CurvePage(TfoHPrint& p)
{
    CompanyBlock(p);
    OrderLine(p);
    CustomerBlock(p);
    CurveTitleBlock(p);
    const bool pedalDrawn = DrawCurvePage(p);
    CurveLegendBlock(p, pedalDrawn);
    FooterLine(p);
}

void CurveTitleBlock(TfoHPrint& p)
{
    p.SetFont(9, true);
    p.TextAt(p.Text(144), 0, 0.1);
    p.TextAt(p.Text(145), 0, 0.475);
    const QString service = p.Text(162) + QLatin1Char(' ');
    QString title;
    const char* pictogram = nullptr;
    switch (p.CurveMode) {
    case 1:
        title = service + p.Text(141) + QLatin1Char(' ') + p.Text(142);
        pictogram = "AusdruckVA_HA.bmp";
        break;
    case 2:
        title = p.Text(143);
        pictogram = "Feststellbremse.bmp";
        break;
    case 3:
        title = service + p.Text(141);
        pictogram = "Ausdruck_VA.bmp";
        break;
    case 4:
        title = service + p.Text(142);
        pictogram = "Ausdruck_HA.bmp";
        break;
    default:
        break;
    }
    p.TextAt(title, 7.0, 1.3);
    p.PlaceBitmap("Kurven_bremse.bmp", 1.7, 1.5);
    if (pictogram)
        p.PlaceBitmap(pictogram, 5.5, 1.5);
    p.EndBlock("CurveTitleBlock", 2.8, true);
}

bool DrawCurvePage(TfoHPrint& p)
{
    if (!p.Canvas)
        return false;
    CurvePlotFrame frame;
    frame.right = p.W(17.5);
    frame.pedalLabelOffset = p.W(18.5) - frame.right;
    frame.bottom = p.H(8.7) + p.BlockTop;
    frame.left = p.W(2.3);
    frame.top = p.H(0.4) + p.BlockTop;
    frame.leftMargin = 0;
    frame.topMargin = PrinterPixels(p, 10);
    frame.bottomMargin = PrinterPixels(p, 10);
    frame.rightMargin = -PrinterPixels(p, 10);
    frame.pedalTickLength = PrinterPixels(p, p.PedalTickLength);

    const CurvePlan plan = PlanCurves(p.src.result, p.src.curves, p.CurveMode, EmptyCurve::LeftOut, ClNavy);
    const bool trailer = p.src.settings.einstellungen.Field[VehicleTypeField] == 6;
    QPainter& canvas = *p.Canvas;
    canvas.save();
    DrawCurvePlan(canvas, frame, plan, p.src.curves, p.src.smoothCurves, p.FontScale, trailer);
    canvas.restore();
    p.SetPenColour(ClBlack);
    p.BlockDone("DrawCurvePage");
    return plan.pedal.has_value();
}

void CurveLegendBlock(TfoHPrint& p, bool pedalDrawn)
{
    p.Advance(CurveBandHeight);
    p.SetFont(10, true);
    const QString space = QStringLiteral(" ");
    switch (p.CurveMode) {
    case 1:
        LegendEntry(p, 47, {}, ClRed, 2.2, 0.6);
        LegendEntry(p, 49, {}, ClGreen, 8.0, 0.6);
        LegendEntry(p, 48, {}, ClFuchsia, 2.2, 1.2);
        LegendEntry(p, 50, {}, ClBlue, 8.0, 1.2);
        break;
    case 2:
        LegendEntry(p, 64, space + p.Text(61), ClFuchsia, 2.2, 1.2);
        LegendEntry(p, 64, space + p.Text(63), ClBlue, 8.0, 1.2);
        break;
    case 3:
        LegendEntry(p, 47, {}, ClRed, 2.2, 0.6);
        LegendEntry(p, 49, {}, ClGreen, 8.0, 0.6);
        if (pedalDrawn)
            LegendEntry(p, 51, {}, ClNavy, 13.8, 0.6);
        break;
    case 4:
        LegendEntry(p, 48, {}, ClFuchsia, 2.2, 1.2);
        LegendEntry(p, 50, {}, ClBlue, 8.0, 1.2);
        if (pedalDrawn)
            LegendEntry(p, 51, {}, ClNavy, 13.8, 1.2);
        break;
    default:
        break;
    }
    p.EndBlock("CurveLegendBlock", 2.8, true);
}

} // namespace zevo
