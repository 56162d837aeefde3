#pragma once
// The curve page of the report (page kind 2): the common blocks, a title by
// CurveMode, the curve diagram in a band 8.5 cm high, the legend and the
// footer. Positions in centimetres through the render frame; the diagram
// itself in the frame's device pixels.

namespace zevo {

class TfoHPrint;

inline constexpr double CurveBandHeight = 8.5; // cm, the band of the diagram below the title block

void CurvePage(TfoHPrint& p);

// The blocks, in page order (the common blocks are in hprint.h).
void CurveTitleBlock(TfoHPrint& p);
// The diagram of CurveMode in the band starting at BlockTop; BlockTop stays
// where it is. True when it drew a pedal-force curve (modes 3 and 4).
bool DrawCurvePage(TfoHPrint& p);
void CurveLegendBlock(TfoHPrint& p, bool pedalDrawn); // moves BlockTop over the band first

} // namespace zevo
