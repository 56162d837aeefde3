#pragma once
// The bar page of the report (page kind 3): the common blocks, a title, the
// axle header row, the force and difference bars of the three brakes with
// their scales and read-outs, the legend of the difference bands, the
// vertical rules and the footer. Positions in centimetres through the render
// frame, like every page.

class QString;

namespace zevo {

class TfoHPrint;

inline constexpr double BarBandHeight = 8.0; // cm, the band of the bars below the axle header row
inline constexpr double BarBaseLine = 7.4;   // cm below the band's top: the foot of every bar

void BarPage(TfoHPrint& p);

// The blocks, in page order (the common blocks are in hprint.h).
void BarTitleBlock(TfoHPrint& p);
void BarAxleHeaderRow(TfoHPrint& p);
// The nine bars in the band starting at BlockTop; BlockTop stays where it is.
void DrawBarPage(TfoHPrint& p);
void BarLegendBlock(TfoHPrint& p); // moves BlockTop over the band first
void BarRules(TfoHPrint& p);

// A force bar 1.6 cm wide standing on baseY (cm below BlockTop) at leftX:
// its frame 5.5 cm high, filled up to `value` (N) on the scale of
// PickScaleStep(scaleMaximum) in `colour` ($BBGGRR), the caption and unit
// above, the read-out above those; with `withScale` the scale on its left.
void DrawForceBar(TfoHPrint& p, unsigned int colour, double scaleMaximum, int value, const QString& caption,
                  bool withScale, double baseY, double leftX);
// The same for a difference (%) on a blue bar 0.6 cm wide, scale 0 .. 100.
void DrawPercentBar(TfoHPrint& p, const QString& caption, bool withScale, int value, double baseY, double leftX);

} // namespace zevo
