// Resetting and clearing the model; the per-block maxima are the golden files'.

#include "decode/testresult.h"

#include "decodefixture.h"

namespace zevo::test {
namespace {

TEST_F(DecodeTest, ResetReportKeepsCompanyLinesAndValuesAndClearTablesZeroesThem)
{
    // Most titles it writes are checked by the golden files; here, what it leaves alone.
    for (int i = 0; i < ReportLineCount; ++i) {
        report.SetLineA(i, "old");
        report.SetLineB(i, "old");
    }
    report.SetSuspensionText(0, 1, 2, "9");
    report.SetSuspensionText(1, 0, 0, "8");
    report.ProfileRearOk = report.RendererFlag = 1;
    report.RendererField = 77;
    result.HasBrakeTest = result.HasTotalWeight = true;
    result.VehicleType = 6;
    report.BrakeValue(0, Left, 1) = 100;

    ResetReport(result, report, 1);
    for (int i = 0; i < ReportLineCount; ++i) {
        const bool keptA = i <= 8 || (i >= 27 && i <= 30) || i == 38 || (i >= 49 && i <= 54) || (i >= 57 && i <= 61);
        const bool keptB = i <= 7 || (i >= 16 && i <= 19) || (i >= 26 && i <= 49) || i >= 51;
        EXPECT_EQ(LineA(i) == "old", keptA) << "LinesA " << i;
        EXPECT_EQ(LineB(i) == "old", keptB) << "LinesB " << i;
    }
    // Titles the decode steps write again, so the golden files cannot tell them from the reset's.
    EXPECT_EQ(LineB(8), "Achsen-");
    EXPECT_EQ(LineB(10), "Gesamtgewicht");
    EXPECT_EQ(LineB(23), "Amplitude");
    EXPECT_TRUE(report.SuspensionText(0, 1, 2).isEmpty());
    EXPECT_EQ(report.SuspensionText(1, 0, 0), "8");  // the suspension step empties the others
    EXPECT_EQ(report.ProfileRearOk + report.RendererFlag + report.RendererField, 0);
    EXPECT_FALSE(result.HasBrakeTest || result.HasTotalWeight);
    EXPECT_EQ(result.VehicleType, 6);
    EXPECT_EQ(Table(0, Left, 1), 100);

    curves[95][511] = 3;
    result.BrakeLines[47][20] = {1, 2, 3};
    result.BrakeMaxima[40] = {1, 2, 3};
    ClearResultTables(result, report, curves);
    EXPECT_EQ(curves[95][511], 0);
    EXPECT_EQ(result.BrakeLines[47][20].Right, 0);
    EXPECT_EQ(result.BrakeMaxima[40].Pedal, 0);
    EXPECT_EQ(Table(0, Left, 1), 0);
}

}  // namespace
}  // namespace zevo::test
