#pragma once
// The bar graphics of a brake test: three groups (front axle, rear axle,
// parking brake), each with a left and a right force bar coloured by the
// verdict on the left/right difference and a blue difference bar between
// them. The bar tab draws them with widgets, the report's bar page through
// the render frame; what both read and compute is here, so that the screen
// and the paper never disagree on a value, a scale or a colour.

namespace zevo {

struct DiffLimits;
struct LimitChoice;
struct ReportRecord;
struct TestResult;

// The groups, numbered as the brake kinds of the report record's BrakeTable.
enum BarGroup : int {
    FrontAxleGroup = 0,
    RearAxleGroup = 1,
    ParkingBrakeGroup = 2,
};
inline constexpr int BarGroupCount = 3;

inline constexpr int BarPercentFullScale = 100; // %, the difference bars' scale
inline constexpr int BarPercentMarks = 5;       // labelled steps of 20 %
inline constexpr int BarForceMarks = 3;         // labelled thirds of the force scale

// What a group shows: the last row of its brake table.
struct BarValues {
    int left = 0;       // N
    int difference = 0; // %, left/right
    int right = 0;      // N
};
BarValues BarGroupValues(const ReportRecord& report, int group);

// The force the group's scale must hold, N: front and rear axle share one
// scale (the largest of their four maxima), the parking brake has its own.
double BarForceMaximum(const TestResult& result, int group);

// The mapping of a bar: value 0 at y0 (the bottom of the frame), the full
// scale at the top; y grows downwards, so ystep is negative.
struct BarScale {
    double y0 = 0;
    double ystep = 0;
    int fullScale = 0;
    int Y(double value) const; // round(value · ystep + y0), halves to even
};
BarScale MakeBarScale(double top, double bottom, int fullScale);
// The force scale of a frame: full scale by PickScaleStep of the maximum.
BarScale ForceBarScale(double top, double bottom, double maximum);

// The k-th labelled force mark, k = 1..3: k thirds of the full scale, the
// third taken whole (9000 → 3000, 6000, 9000; 2100 → 700, 1400, 2100).
int ForceMark(int fullScale, int k);

// The difference limits of a group in the set in force: the service brake's
// for the axles, the parking brake's for the parking brake.
DiffLimits GroupDiffLimits(const LimitChoice& limits, int group);

// The three-colour rule, $BBGGRR: green up to the lower limit, yellow up to
// the upper one, red above.
unsigned int DifferenceColour(int difference, const DiffLimits& limits);

// The verdict colour of a group's force bars, $BBGGRR. EU and Polish sets:
// DifferenceColour with GroupDiffLimits. Russian set: the axles by DiffLimit
// (green or red), the parking brake by its braking ratio (left + right) /
// (9.81 · totalWeight) against ParkingRatio, yellow below 50 kg.
unsigned int BarVerdictColour(const LimitChoice& limits, int group, int difference, int left, int right,
                              double totalWeight);

// The rows of a group's legend: which difference bands it lists.
struct BarBand {
    unsigned int colour; // $BBGGRR
    int from, to;        // %, both included
    int resultText;      // text id of its result: 186 OK, 187 at the limit, 188 not OK
};
struct BarBands {
    BarBand band[3];
    int count = 0;
};
// Green 0 .. lower, yellow lower + 1 .. upper, red upper + 1 .. 100; the
// yellow band only where there is one (never with the Russian set).
BarBands DifferenceBands(const DiffLimits& limits);

} // namespace zevo
