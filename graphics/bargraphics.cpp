#include "graphics/bargraphics.h"

#include "decode/limitsets.h"
#include "decode/reportrecord.h"
#include "decode/testresult.h"
#include "graphics/curveplot.h"
#include "graphics/wincolour.h"
#include "lang/numbertext.h"

#include <algorithm>
#include <cmath>

namespace zevo {
namespace {

// BrakeMaxima codes of the front axle, rear axle and parking brake.
constexpr int MaximaCode[BarGroupCount] = {0, 1, 16};

// The Russian rules weigh the vehicle with 9.81 m/s², whatever the set's
// gravity factor of the braking-ratio block.
constexpr double RussianGravity = 9.81;
constexpr double RussianLeastWeight = 50; // kg: below this no weight was given

} // namespace

BarValues BarGroupValues(const ReportRecord& report, int group)
{
    return {report.BrakeValue(group, Left, BrakeRowCount), report.BrakeValue(group, DiffPercent, BrakeRowCount),
            report.BrakeValue(group, Right, BrakeRowCount)};
}

double BarForceMaximum(const TestResult& result, int group)
{
    const auto largest = [&result](int code) {
        return std::max(result.BrakeMaxima[code].Left, result.BrakeMaxima[code].Right);
    };
    if (group == ParkingBrakeGroup)
        return largest(MaximaCode[ParkingBrakeGroup]);
    return std::max(largest(MaximaCode[FrontAxleGroup]), largest(MaximaCode[RearAxleGroup]));
}

int BarScale::Y(double value) const
{
    return RoundToInt(value * ystep + y0);
}

BarScale MakeBarScale(double top, double bottom, int fullScale)
{
    return {bottom, (top - bottom) / fullScale, fullScale};
}

BarScale ForceBarScale(double top, double bottom, double maximum)
{
    return MakeBarScale(top, bottom, PickScaleStep(maximum));
}

int ForceMark(int fullScale, int k)
{
    return k * (fullScale / BarForceMarks);
}

DiffLimits GroupDiffLimits(const LimitChoice& limits, int group)
{
    return group == ParkingBrakeGroup ? ParkingDiffLimits(limits) : ServiceDiffLimits(limits);
}

unsigned int BarVerdictColour(const LimitChoice& limits, int group, int difference, int left, int right,
                              double totalWeight)
{
    if (limits.set == LimitSet::Rus && group == ParkingBrakeGroup) {
        if (totalWeight < RussianLeastWeight)
            return ClYellow;
        const double ratio = (double(left) + right) / (RussianGravity * totalWeight);
        return ratio >= RussianLimits(limits.vehicleType).ParkingRatio ? ClGreen : ClRed;
    }
    return DifferenceColour(difference, GroupDiffLimits(limits, group));
}

unsigned int DifferenceColour(int difference, const DiffLimits& diff)
{
    switch (JudgeDifference(difference, diff.lower, diff.upper)) {
    case DiffVerdict::Ok:
        return ClGreen;
    case DiffVerdict::AtLimit:
        return ClYellow;
    case DiffVerdict::NotOk:
        break;
    }
    return ClRed;
}

BarBands DifferenceBands(const DiffLimits& diff)
{
    BarBands bands;
    bands.band[bands.count++] = {ClGreen, 0, diff.lower, 186};
    // Equal limits (the Russian DiffLimit) leave no middle band. Nor does the
    // Polish motorcycle record whose upper limit lies below its lower one: a
    // band "100 - 0" would be listed that no difference can fall into.
    if (diff.upper > diff.lower)
        bands.band[bands.count++] = {ClYellow, diff.lower + 1, diff.upper, 187};
    bands.band[bands.count++] = {ClRed, std::max(diff.lower, diff.upper) + 1, BarPercentFullScale, 188};
    return bands;
}

} // namespace zevo
