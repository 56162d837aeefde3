#include "decode/testresult.h"

#include "decode/linetext.h"
#include "decode/reportrecord.h"
#include "graphics/curvedata.h"

#include <algorithm>
#include <cstring>

namespace zevo {

void ResetReport(TestResult& result, ReportRecord& report, int sprache)
{
    result.HasToeTest = false;
    result.HasTyreProfile = false;
    result.HasDeceleration = false;
    result.HasAbsTest = false;
    result.HasBrakeBlock = false;
    result.HasBrakeTest = false;
    result.HasFrontAxle = false;
    result.HasRearAxle = false;
    result.HasParkingBrake = false;
    result.HasSuspension = false;
    result.HasTotalWeight = false;
    result.ToeFrontJudgement = ToeJudgement::NotJudged;
    result.ToeRearJudgement = ToeJudgement::NotJudged;
    // Every flag byte from 7950 to the end, the report page's own included.
    std::memset(&report.ToeFrontPresent, 0, sizeof(ReportRecord) - offsetof(ReportRecord, ToeFrontPresent));

    auto text = [sprache](int id) { return QByteArrayView(ReportText(id, sprache)); };
    auto clearA = [&report](int first, int last) {
        for (int i = first; i <= last; ++i)
            report.SetLineA(i, {});
    };
    clearA(9, 26);
    report.SetLineA(31, text(108));
    clearA(32, 37);
    clearA(39, 42);
    clearA(43, 46);
    for (int i = 0; i < 10; ++i)
        report.SetLineA(62 + i, text(140 + i));
    report.SetLineA(47, text(161));
    report.SetLineA(48, text(162));
    report.SetLineA(55, text(166));
    report.SetLineA(56, text(167));

    report.SetLineB(8, text(181));
    report.SetLineB(9, text(182));
    report.SetLineB(10, text(183));
    for (int i = 11; i <= 15; ++i)
        report.SetLineB(i, {});
    report.SetLineB(20, text(176));
    report.SetLineB(21, {});
    report.SetLineB(22, text(177));
    report.SetLineB(23, text(178));
    report.SetLineB(24, text(179));

    // Only the first axle: the suspension step empties all of them at every decode.
    for (int side = 0; side < 2; ++side) {
        for (int row = 0; row < 3; ++row)
            report.SetSuspensionText(0, side, row, {});
    }

    report.SetLineB(25, "Check 1");
    report.SetLineB(50, "Check 1");
}

void ClearResultTables(TestResult& result, ReportRecord& report, CurveData& curves)
{
    curves.Clear();
    ClearBrakeTables(result, report);
}

void ClearBrakeTables(TestResult& result, ReportRecord& report)
{
    for (auto& lines : result.BrakeLines)
        lines.fill(BrakeLine{});
    result.BrakeMaxima.fill(BrakeLine{});
    std::memset(report.BrakeTable, 0, sizeof(report.BrakeTable));
}

void ComputeBrakeMaxima(TestResult& result)
{
    for (int code = 0; code < BrakeMaximaCodes; ++code) {
        BrakeLine maximum;
        for (const BrakeLine& line : result.BrakeLines[code]) {
            maximum.Left = std::max(maximum.Left, line.Left);
            maximum.Pedal = std::max(maximum.Pedal, line.Pedal);
            maximum.Right = std::max(maximum.Right, line.Right);
        }
        result.BrakeMaxima[code] = maximum;
    }
}

}  // namespace zevo
