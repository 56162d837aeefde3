// Resetting and clearing the model, and the per-block maxima.

#include "decode/testresult.h"

#include "decodefixture.h"

#include <gtest/gtest.h>

namespace zevo::test {
namespace {

TEST_F(DecodeTest, ResetReportClearsTheTestAndKeepsCompanyLinesAndValues)
{
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
    result.ToeValue = 2.5;
    report.BrakeValue(0, Left, 1) = 100;

    ResetReport(result, report, 1);

    const std::pair<int, const char*> linesA[] = {{0, "old"},
                                                  {7, "old"},
                                                  {9, ""},
                                                  {26, ""},
                                                  {37, ""},
                                                  {42, ""},
                                                  {46, ""},
                                                  {59, "old"},
                                                  {71, "Rechts"},
                                                  {56, "Verteilung"},
                                                  {47, "Verz\xF6gerung (Sollwert)"}};
    for (const auto& [i, text] : linesA)
        EXPECT_EQ(LineA(i), text) << "LinesA " << i;
    const std::pair<int, const char*> linesB[] = {{8, "Achsen-"}, {10, "Gesamtgewicht"}, {15, ""},
                                                  {21, ""},       {23, "Amplitude"},     {25, "Check 1"},
                                                  {30, "old"},    {50, "Check 1"}};
    for (const auto& [i, text] : linesB)
        EXPECT_EQ(LineB(i), text) << "LinesB " << i;
    EXPECT_TRUE(report.SuspensionText(0, 1, 2).isEmpty());
    EXPECT_EQ(report.SuspensionText(1, 0, 0), "8");  // the suspension step empties the others
    EXPECT_EQ(report.ProfileRearOk + report.RendererFlag + report.RendererField, 0);
    EXPECT_FALSE(result.HasBrakeTest || result.HasTotalWeight);
    EXPECT_EQ(result.VehicleType, 6);
    EXPECT_EQ(result.ToeValue, 2.5);
    EXPECT_EQ(Table(0, Left, 1), 100);

    ResetReport(result, report, 3);
    EXPECT_EQ(LineA(64), "Essieu arri\xE8re");
}

TEST_F(DecodeTest, ClearResultTablesZeroesEveryTable)
{
    curves[95][511] = 3;
    result.BrakeLines[47][20] = {1, 2, 3};
    result.BrakeMaxima[40] = {1, 2, 3};
    report.BrakeValue(2, Right, 7) = 5;
    ClearResultTables(result, report, curves);
    EXPECT_EQ(curves[95][511], 0);
    EXPECT_EQ(result.BrakeLines[47][20].Right, 0);
    EXPECT_EQ(result.BrakeMaxima[40].Pedal, 0);
    EXPECT_EQ(Table(2, Right, 7), 0);
}

TEST(ComputeBrakeMaxima, LargestOfEachColumnNeverNegativeOnlyCodesBelow32)
{
    TestResult result;
    result.BrakeLines[1][0] = {5, 0, 0};
    result.BrakeLines[1][3] = {2450, 350, 2310};
    result.BrakeLines[1][20] = {100, 400, 2500};
    result.BrakeLines[16][2] = {-50, -1, -7};
    result.BrakeLines[32][1] = {9, 9, 9};
    result.BrakeMaxima[32] = {4, 4, 4};
    ComputeBrakeMaxima(result);
    EXPECT_EQ(result.BrakeMaxima[1].Left, 2450);
    EXPECT_EQ(result.BrakeMaxima[1].Pedal, 400);
    EXPECT_EQ(result.BrakeMaxima[1].Right, 2500);
    EXPECT_EQ(result.BrakeMaxima[16].Left, 0);
    EXPECT_EQ(result.BrakeMaxima[32].Left, 4);
}

}  // namespace
}  // namespace zevo::test
