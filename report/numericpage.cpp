#include "report/numericpage.h"

#include "decode/reportrecord.h"
#include "graphics/wincolour.h"
#include "lang/cp1252.h"
#include "lang/numbertext.h"
#include "report/hprint.h"

#include <cmath>
#include <initializer_list>

namespace zevo {
namespace {

// The "Links" captions stand further left in English.
double EnglishShift(const TfoHPrint& p) { return p.Sprache() == 2 ? 0.2 : 0.0; }

// A verdict of the result column: its caption and its result below, green
// when passed and red otherwise.
void Verdict(TfoHPrint& p, bool passed, const QString& caption, int passedText, int failedText, double y)
{
    p.SetColour(passed ? ClGreen : ClRed);
    p.TextAt(caption, 16.0, y);
    p.TextAt(p.Text(passed ? passedText : failedText), 16.0, y + 0.35);
    p.SetColour(ClBlack);
}

// The verdict text of a toe axle: judged without tolerance, inside, outside.
void ToeVerdict(TfoHPrint& p, ToeJudgement judgement, int firstText, double y)
{
    static constexpr unsigned int Colours[3] = {ClBlack, ClGreen, ClRed};
    const int state = static_cast<int>(judgement);
    p.SetColour(Colours[state]);
    p.TextAt(p.Text(firstText + state), 16.0, y);
    p.SetColour(ClBlack);
}

// A test with every section is taller than a sheet of A4. Rather than lose
// its last blocks below the paper's edge, a block that does not fit starts a
// new page; the vertical rules are closed on the old page and begin anew.
void KeepOnPage(TfoHPrint& p, double height)
{
    if (!p.NeedsNewPage(height))
        return;
    p.GridBottom = p.BlockTop;
    TableRules(p);
    p.NewPage();
    p.GridTop = p.GridGapTop = p.GridGapBottom = p.BlockTop;
}

constexpr double FooterHeight = 0.6;  // cm: a 10-point line below the last block

}  // namespace

void NumericPage(TfoHPrint& p)
{
    const TestResult& r = p.src.result;
    CompanyBlock(p);
    OrderLine(p);
    CustomerBlock(p);
    p.GridGapTop = p.GridGapBottom = p.GridTop;
    if (r.HasToeTest) {
        KeepOnPage(p, 0.8 + 2.0);  // the header row stays with its block
        ToeHeaderRow(p);
        ToeBlock(p);
    }
    if (r.HasTyreProfile) {
        KeepOnPage(p, 2.0);
        TyreBlock(p);
    }
    if (r.HasAbsTest) {
        KeepOnPage(p, 2.0);
        AbsBlock(p);
    }
    KeepOnPage(p, 0.8 + (r.HasBrakeTest ? 3.05 : 0));
    BrakeHeaderRow(p);
    if (r.HasBrakeTest)
        BrakeTableBlock(p);
    if (r.HasBrakeTest && !r.IsMotorcycle) {
        KeepOnPage(p, 3.4);
        BrakeBarsBlock(p);
    }
    KeepOnPage(p, 1.2 + 0.9);  // braking ratio and distribution belong together
    BrakingRatioBlock(p);
    DistributionBlock(p);
    if (r.HasTotalWeight) {
        KeepOnPage(p, 0.9);
        AxleWeightBlock(p);
    }
    if (r.HasSuspension && !p.Polish()) {
        KeepOnPage(p, 1.95);
        SuspensionBlock(p);
    }
    if (r.HasBrakeTest && !p.Polish()) {
        KeepOnPage(p, 3.4);
        BrakeCurvesBlock(p);
    }
    KeepOnPage(p, 2.25 + (r.EmployeeNumber > 0 ? FooterHeight : 0));
    CheckBlock(p);
    FooterLine(p);
}

void ToeHeaderRow(TfoHPrint& p)
{
    p.SetFont(9, true);
    p.TextAt(p.Text(104), 0.1, 0.2);
    p.TextAt(p.Text(105), 3.5, 0.2);
    p.TextAt(p.Text(106), 7.5, 0.2);
    p.TextAt(p.Text(107), 16.1, 0.2);
    p.PlaceBitmap("Vorderachse.bmp", 3.0, 0.4);
    p.PlaceBitmap("HinterAchse.bmp", 6.8, 0.4);
    p.EndBlock("ToeHeaderRow", 0.8, false);
}

void ToeBlock(TfoHPrint& p)
{
    const TestResult& r = p.src.result;
    const ReportRecord& report = p.src.report;
    p.SetFont(9, true);
    p.TextAt(p.LineA(31), 0.1, 0.1);
    p.SetFont(9, false);
    // With the Polish set a wide tolerance is printed as the accepted range,
    // in place of the axle's last line (drawing both would overprint).
    const bool acceptable = p.Polish() && r.ToeTolHigh - r.ToeTolLow > 3.01;
    const QString accepted = p.Text(243) + QStringLiteral("    ");
    static constexpr double Rows[3] = {0.45, 0.8, 1.15};
    for (int k = 0; k < 3; ++k) {
        const bool last = k == 2;
        if (last && acceptable && !r.ToeFrontLowText.isEmpty())
            p.TextAt(accepted + r.ToeFrontLowText + QStringLiteral("..") + r.ToeFrontHighText, 1.8, Rows[k]);
        else
            p.TextAt(p.LineA(32 + k), 1.8, Rows[k]);
        if (last && acceptable && !r.ToeRearLowText.isEmpty())
            p.TextAt(accepted + r.ToeRearLowText + QStringLiteral("..") + r.ToeRearHighText, 6.7, Rows[k]);
        else
            p.TextAt(p.LineA(35 + k), 6.7, Rows[k]);
    }
    if (report.ToeFrontPresent)
        ToeVerdict(p, r.ToeFrontJudgement, 209, 0.8);
    if (report.ToeRearPresent)
        ToeVerdict(p, r.ToeRearJudgement, 212, 1.4);
    p.PlaceBitmap("Spurtest.bmp", 0.7, 1.2);
    p.EndBlock("ToeBlock", 2.0, true);
}

void TyreBlock(TfoHPrint& p)
{
    const ReportRecord& report = p.src.report;
    p.SetFont(9, true);
    p.TextAt(p.Text(123), 0.1, 0.1);
    p.SetFont(9, false);
    p.TextAt(p.LineA(39), 1.8, 0.7);
    p.TextAt(p.LineA(40), 1.8, 1.05);
    p.TextAt(p.LineA(41), 6.7, 0.7);
    p.TextAt(p.LineA(42), 6.7, 1.05);
    Verdict(p, report.ProfileFrontOk, p.Text(123), 124, 125, 0.3);
    Verdict(p, report.ProfileRearOk, p.Text(123), 127, 128, 1.0);
    p.PlaceBitmap("Reifenprofil.bmp", 0.7, 1.2);
    p.EndBlock("TyreBlock", 2.0, true);
}

void AbsBlock(TfoHPrint& p)
{
    p.SetFont(9, true);
    p.TextAt(p.LineA(59), 0.1, 0.1);
    p.TextAt(p.LineA(60), 1.8, 0.1);
    p.SetFont(9, false);
    p.TextAt(p.LineA(61), 1.8, 0.7);
    Verdict(p, p.src.report.AbsPresent, p.Text(137), 138, 139, 0.3);
    p.PlaceBitmap("ABS.bmp", 0.7, 1.2);
    p.EndBlock("AbsBlock", 2.0, true);
}

void BrakeHeaderRow(TfoHPrint& p)
{
    const bool motorcycle = p.src.result.IsMotorcycle;
    p.SetFont(9, true);
    p.TextAt(p.LineA(62), 0.1, 0.2);
    p.TextAt(p.LineA(63), 3.5, 0.2);
    p.TextAt(p.LineA(64), 7.5, 0.2);
    if (!motorcycle)
        p.TextAt(p.LineA(65), 12.6, 0.2);
    p.PlaceBitmap("Vorderachse.bmp", 3.0, 0.4);
    p.PlaceBitmap("HinterAchse.bmp", 6.8, 0.4);
    if (!motorcycle)
        p.PlaceBitmap("Feststellbremse.bmp", 11.6, 0.4);
    p.EndBlock("BrakeHeaderRow", 0.8, false);
}

void BrakeTableBlock(TfoHPrint& p)
{
    const TestResult& r = p.src.result;
    const ReportRecord& report = p.src.report;
    const double s = EnglishShift(p);
    // A Polish trailer's pedal column holds the overrun coupling force.
    const QString pedalCaption = p.Polish() && p.Limits().vehicleType == 6 ? p.Text(241) : p.LineA(70);

    if (p.Russian()) {
        p.SetFont(9, true);
        p.TextAt(p.LineA(66), 0.1, 0.1);
        p.TextAt(p.LineA(67), 0.1, 0.45);
        p.TextAt(p.Text(235), 0.1, 2.9);
    }
    auto axleCaptions = [&](double b) {
        p.SetFont(9, true);
        p.TextAt(p.LineA(68), 1.8 + b - s, 0.1);
        p.TextAt(p.LineA(69), 2.85 + b, 0.1);
        p.TextAt(pedalCaption, 3.9 + b, 0.1);
        p.TextAt(p.LineA(71), 4.85 + b, 0.1);
    };
    if (r.HasFrontAxle) {
        if (r.IsMotorcycle) {
            const double b = 1.0;
            p.SetFont(9, true);
            p.TextAt(p.Text(238), 1.8 + b - s, 0.1);
            MotorcycleRows(p, 1, 0.35, 0.1, 2.5 + b);
        } else {
            axleCaptions(0);
            BrakeRows(p, 1, 0.35, 0.1, 2.5);
        }
    }
    if (r.HasRearAxle) {
        const double b = 4.9;
        if (r.IsMotorcycle) {
            p.SetFont(9, true);
            p.TextAt(p.Text(238), 3.3 + b - s, 0.1);
            MotorcycleRows(p, 2, 0.35, 0.1, 8.8);
        } else {
            axleCaptions(b);
            BrakeRows(p, 2, 0.35, 0.1, 7.3);
        }
    }
    if (r.HasParkingBrake) {
        const double b = 9.9;
        p.SetFont(9, true);
        p.TextAt(p.LineA(68), 1.8 + b - s, 0.1);
        p.TextAt(p.LineA(69), 2.85 + b, 0.1);
        p.TextAt(p.LineA(71), 3.9 + b, 0.1);
        ParkingRows(p, 3, 0.35, 0.1, 12.5);
    }
    if (r.HasTotalWeight && !p.Polish()) {
        p.SetFont(9, false);
        // Each flag the test stand printed, in its colour; one not set draws nothing.
        const struct {
            bool set;
            unsigned int colour;
            int text;
            double y;
        } verdicts[] = {{bool(report.BrakeTestOk), ClGreen, 157, 2.35},
                        {bool(report.BrakeNotOk), ClRed, 158, 2.35},
                        {bool(report.SpeedOk), ClGreen, 159, 2.7},
                        {bool(report.SpeedLow), ClRed, 160, 2.7}};
        for (const auto& verdict : verdicts) {
            if (!verdict.set)
                continue;
            p.SetColour(verdict.colour);
            p.TextAt(p.Text(verdict.text), 16.0, verdict.y);
        }
        p.SetColour(ClBlack);
    }
    p.PlaceBitmap("Bremsentest.bmp", 0.7, 1.55);
    p.EndBlock("BrakeTableBlock", p.Russian() ? 3.4 : 3.05, false);
}

namespace {

// Where a brake table column stands, right of the routine's x.
struct ColumnAt {
    BrakeColumn column;
    double dx;  // cm
};

// Rows 1..7 of a brake, one step apart below y0, each column right-aligned.
void NumberRows(TfoHPrint& p, int axle, double step, double y0, double x, std::initializer_list<ColumnAt> columns)
{
    p.SetFont(9, false);
    for (int row = 1; row <= BrakeRowCount; ++row) {
        for (const ColumnAt& at : columns)
            p.TextRight(FormatC("%d", p.src.report.BrakeValue(axle - 1, at.column, row)), x + at.dx, y0 + step * row);
    }
}

}  // namespace

void BrakeRows(TfoHPrint& p, int axle, double step, double y0, double x)
{
    NumberRows(p, axle, step, y0, x, {{Left, 0}, {DiffPercent, 0.8}, {Pedal, 1.9}, {Right, 3.1}});
    if (p.Russian()) {
        const int difference = p.src.report.BrakeValue(axle - 1, DiffPercent, BrakeRowCount);
        const int limit = ServiceDiffLimits(p.Limits()).upper;
        p.SetColour(limit >= difference ? ClGreen : ClRed);
        p.TextRight(FormatC("%d", difference) + QStringLiteral("%(") + FormatC("%d", limit) + QStringLiteral("%)"),
                    x + 1.9, y0 + 8 * step);
        p.SetColour(ClBlack);
    }
}

void MotorcycleRows(TfoHPrint& p, int axle, double step, double y0, double x)
{
    NumberRows(p, axle, step, y0, x, {{Left, 0}});
}

void ParkingRows(TfoHPrint& p, int axle, double step, double y0, double x)
{
    NumberRows(p, axle, step, y0, x, {{Left, 0}, {DiffPercent, 0.8}, {Right, 1.9}});
}

void DistributionBlock(TfoHPrint& p)
{
    const SelectedForces& f = p.forces;
    p.ThinRule();
    const double front = f.FL + f.FR;
    const double rear = f.RL + f.RR;
    if (front < 0.01 && rear < 0.01) {
        p.BlockDone("DistributionBlock");
        return;
    }
    const double total = front + rear;
    if (total > 0.01) {
        const int frontShare = RoundToInt(front * 100 / total);
        p.SetFont(9, true);
        p.TextAt(p.LineA(55), 0.1, 0.1);
        p.TextAt(p.LineA(56), 0.1, 0.45);
        p.SetFont(9, false);
        p.TextAt(FormatC("%3d", frontShare) + QStringLiteral(" %"), 3.0, 0.1);
        p.TextAt(FormatC("%3d", 100 - frontShare) + QStringLiteral(" %"), 7.2, 0.1);
    }
    p.EndBlock("DistributionBlock", 0.9, false);
}

void AxleWeightBlock(TfoHPrint& p)
{
    p.SetFont(9, true);
    p.TextAt(p.LineB(8), 0.1, 0.1);
    p.TextAt(p.LineB(9), 0.1, 0.45);
    p.TextAt(p.LineB(10), 11.6, 0.1);
    p.SetFont(9, false);
    static constexpr double Columns[5] = {2.3, 4.4, 7.1, 9.5, 11.7};
    for (int k = 0; k < 5; ++k)
        p.TextAt(p.LineB(11 + k), Columns[k], 0.45);
    p.EndBlock("AxleWeightBlock", 0.9, true);
}

void SuspensionBlock(TfoHPrint& p)
{
    const double s = EnglishShift(p);
    p.SetFont(9, true);
    p.TextAt(p.LineB(20), 0.1, 0.1);
    static constexpr double Bases[3] = {0, 4.7, 9.2};
    for (int a = 1; a <= 3; ++a) {
        const double b = Bases[a - 1];
        p.SetFont(9, true);
        p.TextAt(p.LineB(22), 2.1 + b - s, 0.1);
        p.TextAt(p.LineB(23), 3.1 + b, 0.1);
        p.TextAt(p.LineB(24), 4.8 + b, 0.1);
        SuspensionRows(p, a, 0.35, 0.1, 2.8 + b);
    }
    p.SetFont(9, false);
    p.TextAt(p.Text(180), 16.0, 1.6);
    p.PlaceBitmap("Fahrwerktest.bmp", 0.7, 1.15);
    p.EndBlock("SuspensionBlock", 1.95, false);
}

void SuspensionRows(TfoHPrint& p, int axle, double step, double y0, double x)
{
    const ReportRecord& report = p.src.report;
    p.SetFont(9, false);
    for (int k = 1; k <= 3; ++k) {
        const double y = y0 + step * k;
        p.TextRight(FromCp1252(report.SuspensionText(axle - 1, 0, k - 1)), x, y);
        p.TextRight(FormatC("%d.", k), x + 1.3, y);
        p.TextRight(FromCp1252(report.SuspensionText(axle - 1, 1, k - 1)), x + 2.6, y);
    }
}

void CheckBlock(TfoHPrint& p)
{
    p.GridBottom = p.BlockTop;
    p.SetFont(9, true);
    if (!p.Polish())
        p.TextAt(p.LineB(25), 0.1, 0.1);
    p.SetColour(ClRed);
    for (int c = 0; c < 4; ++c) {
        for (int r = 0; r < 5; ++r)
            p.TextAt(p.LineB(51 + 5 * c + r), 2.3 + 3.5 * c, 0.1 + 0.35 * r);
    }
    p.SetColour(ClBlack);
    if (p.Polish())
        p.TextAt(p.Text(218), 5.5, 1.85);
    p.PlaceBitmap("check_1.bmp", 0.7, 1.2);
    p.Advance(2.25);
    p.ThickRule();
    TableRules(p);
    p.BlockDone("CheckBlock");
}

void TableRules(TfoHPrint& p)
{
    p.VerticalDashedRule(6.2, p.GridTop, p.GridGapTop);
    p.VerticalDashedRule(6.2, p.GridGapBottom, p.GridBottom);
    p.VerticalDashedRule(10.9, p.GridTop, p.GridBottom);
    p.VerticalDashedRule(15.7, p.GridTop, p.GridBottom);
}

}  // namespace zevo
