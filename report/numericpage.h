#pragma once
// The numeric report: the printed test certificate, block under block, each
// block only when its test is present in the decoded result.

namespace zevo {

class TfoHPrint;

void NumericPage(TfoHPrint& p);

// The blocks, in page order (the common blocks are in hprint.h).
void ToeHeaderRow(TfoHPrint& p);
void ToeBlock(TfoHPrint& p);
void TyreBlock(TfoHPrint& p);
void AbsBlock(TfoHPrint& p);
void BrakeHeaderRow(TfoHPrint& p);
void BrakeTableBlock(TfoHPrint& p);
void BrakeBarsBlock(TfoHPrint& p);
void BrakingRatioBlock(TfoHPrint& p);
void DistributionBlock(TfoHPrint& p);
void AxleWeightBlock(TfoHPrint& p);
void SuspensionBlock(TfoHPrint& p);
void BrakeCurvesBlock(TfoHPrint& p);
void CheckBlock(TfoHPrint& p);
void TableRules(TfoHPrint& p);

// Row routines: right-aligned numbers one step below the block's first line.
void BrakeRows(TfoHPrint& p, int axle, double step, double y0, double x);
void MotorcycleRows(TfoHPrint& p, int axle, double step, double y0, double x);
void ParkingRows(TfoHPrint& p, int axle, double step, double y0, double x);
void SuspensionRows(TfoHPrint& p, int axle, double step, double y0, double x);

// One bar group of the brake-bar block; limits as stored plus 1.
void NumericBarGroup(TfoHPrint& p, int group, int okLimit, int borderLimit, double difference, double left,
                     double right, double scale, double x, double captionY);
void DrawBar(TfoHPrint& p, unsigned int colour, double width, double height, double bottomY, double leftX);

// One small brake-force diagram of an axle (1 front, 2 rear, 3 parking).
void MiniCurveBox(TfoHPrint& p, int axle, double scale, double x);

}  // namespace zevo
