#include "decode/brakeblocks.h"

#include "decode/decodecontext.h"
#include "decode/linetext.h"
#include "decode/printdata.h"
#include "decode/reportrecord.h"
#include "decode/testresult.h"
#include "lang/einstellungen.h"
#include "lang/numbertext.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace zevo {
namespace {

std::int32_t ToInt32(double value)
{
    // A ratio can grow past any sensible value with a tiny weight; keep it defined.
    constexpr double low = std::numeric_limits<std::int32_t>::min();
    constexpr double high = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::clamp(value, low, high));
}

}  // namespace

int BrakeKindOf(int code)
{
    if (code == 1)
        return 1;
    if (code == 16)
        return 2;
    return 0;
}

int PedalFactor(int vehicleType)
{
    return vehicleType == 6 ? 40 : 10;
}

void DecodeBrakeBlock(const PrintData& text, int code, DecodeContext& context)
{
    char marker[4];
    std::snprintf(marker, sizeof marker, "$%02X", code);
    const int markerLine = text.FindLine(marker);
    if (!text.IsPresent(markerLine))
        return;

    TestResult& result = context.result;
    result.HasPedalColumn = Contains(text.Line(markerLine + 1), "PED");
    result.HasBrakeTest = true;
    result.HasBrakeBlock = true;
    if (code == 0)
        result.HasFrontAxle = true;
    else if (code == 1)
        result.HasRearAxle = true;
    else if (code == 16)
        result.HasParkingBrake = true;

    // The block ends at a blank line or the next code line; the test stand
    // prints at most 20 lines worth keeping, later ones are passed over.
    int k = 0;
    for (int i = markerLine + 2;; ++i) {
        const QByteArrayView line = text.Line(i);
        if (IsBlankLine(line) || line[0] == '$')
            break;
        if (k < MaxBrakeDataLines) {
            ++k;
            ParseBrakeLine(code, k, line, result);
        }
    }
    ComputeBrakeTable(code, k, context);
}

void ParseBrakeLine(int code, int n, QByteArrayView line, TestResult& result)
{
    if (code < 0 || code >= BrakeCodeCount || n < 0 || n >= BrakeLineCount)
        return;
    BrakeLine& stored = result.BrakeLines[code][n];
    if (code <= 7) {
        if (result.HasPedalColumn) {
            stored.Left = ParseNumber(Columns(line, 1, 4));
            stored.Pedal = ParseNumber(Columns(line, 8, 11));
            stored.Right = ParseNumber(Columns(line, 12, 16));
        } else {
            stored.Left = ParseNumber(Columns(line, 1, 5));
            stored.Pedal = 0;
            stored.Right = ParseNumber(Columns(line, 11, 16));
        }
        if (result.IsMotorcycle) {
            // One wheel per axle: whatever stands in the other columns is not a force.
            stored.Pedal = 0;
            stored.Right = 0;
        }
    } else if (code >= 16 && code <= 23) {
        stored.Left = ParseNumber(Columns(line, 1, 5));
        stored.Right = ParseNumber(Columns(line, 11, 16));
    }
}

void ComputeBrakeTable(int code, int k, DecodeContext& context)
{
    const TestResult& result = context.result;
    const int kind = BrakeKindOf(code);
    const int pedalFactor = PedalFactor(result.VehicleType);
    for (int row = 1; row <= BrakeRowCount; ++row) {
        const int lineNumber = row == 1 ? 1 : k - BrakeRowCount + row;
        BrakeLine line;
        if (lineNumber >= 1 && lineNumber < BrakeLineCount && code >= 0 && code < BrakeCodeCount)
            line = result.BrakeLines[code][lineNumber];
        ReportRecord& report = context.report;
        report.BrakeValue(kind, Left, row) = line.Left;
        report.BrakeValue(kind, Pedal, row) = line.Pedal * pedalFactor;
        report.BrakeValue(kind, Right, row) = line.Right;
        report.BrakeValue(kind, DiffPercent, row) = PercentDiff(line.Right, line.Left, context.limitSet);
        report.BrakeValue(kind, Ratio, row) = BrakingRatio(line.Left, result, context.limitSet, context.gravityFactor);
    }
}

std::int32_t PercentDiff(std::int32_t a, std::int32_t b, LimitSet limitSet)
{
    const std::int64_t larger = std::max(a, b);
    if (larger <= 0)
        return 0;
    // The product of whole numbers is exact and the one division is correctly
    // rounded, so a whole percentage stays whole before the Polish rounding up.
    double d = std::abs(double(std::int64_t(b) - std::int64_t(a))) * 100.0 / double(larger);
    if (limitSet == LimitSet::Pl)
        d = std::ceil(d);
    return ToInt32(RoundHalfEven(d));
}

std::int32_t BrakingRatio(std::int32_t force, const TestResult& result, LimitSet limitSet, double gravityFactor)
{
    if (!result.IsMotorcycle || result.TotalWeight <= 0.01)
        return 0;
    double r = 100.0 * force / (result.TotalWeight * gravityFactor);
    if (limitSet == LimitSet::Pl)
        r = std::trunc(r);
    return ToInt32(RoundHalfEven(r));
}

void CopyFrontPedal(DecodeContext& context)
{
    if (context.settings.einstellungen.Field[Plates] != 4)
        return;
    for (int row = 1; row <= BrakeRowCount; ++row)
        context.report.BrakeValue(1, Pedal, row) = context.report.BrakeValue(0, Pedal, row);
}

}  // namespace zevo
