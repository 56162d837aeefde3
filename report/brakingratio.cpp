// The braking-ratio block of the numeric report: the one place where the
// program itself judges the brake test. It selects the forces measured within
// the permitted pedal force, relates them to the vehicle's weight force,
// colours each ratio by its requirement and, under the Polish rules, prints
// the overall verdict. The selected forces stay for the distribution block.

#include "decode/limitsets.h"
#include "decode/reportrecord.h"
#include "graphics/wincolour.h"
#include "lang/numbertext.h"
#include "report/hprint.h"
#include "report/numericpage.h"

#include <cmath>

namespace zevo {
namespace {

constexpr int Motorcycle = 4, Tractor = 5, Trailer = 6;

// The limits the block judges by, whatever the set.
struct RatioLimits {
    double pedalLimit = 1000;  // N
    double service = 0;        // percent (EU, Polish) or fraction (Russian)
    double parking = 0;
};

RatioLimits LimitsInForce(const TfoHPrint& p)
{
    const LimitChoice choice = p.Limits();
    RatioLimits limits;
    limits.pedalLimit = PedalForceLimit(choice, p.src.result.TotalWeight);
    switch (choice.set) {
    case LimitSet::Eu: {
        const tLimitsEu& eu = EuLimits(choice.sprache);
        limits.service = eu.ServiceRatio;
        limits.parking = eu.ParkingRatio;
        break;
    }
    case LimitSet::Pl: {
        const tLimitsPL& pl = PolishLimits(choice.registrationGroup, choice.vehicleType);
        limits.service = pl.ServiceRatio;
        limits.parking = pl.ParkingRatio;
        break;
    }
    case LimitSet::Rus: {
        const tLimitsRus& rus = RussianLimits(choice.vehicleType);
        limits.service = rus.ServiceRatio;
        limits.parking = rus.ParkingRatio;
        break;
    }
    }
    return limits;
}

// The last row of a brake whose pedal force is within the limit.
void SelectForces(const ReportRecord& report, int kind, double pedalLimit, double& left, double& right,
                  double& difference, double& pedal)
{
    for (int row = 1; row <= BrakeRowCount; ++row) {
        if (report.BrakeValue(kind, Pedal, row) <= pedalLimit) {
            left = report.BrakeValue(kind, Left, row);
            right = report.BrakeValue(kind, Right, row);
            difference = report.BrakeValue(kind, DiffPercent, row);
            pedal = report.BrakeValue(kind, Pedal, row);
        }
    }
}

// A percent ratio against its requirement: ">= 50%" or "34% ( 50%)".
QString PercentText(double ratio, double required, bool passed, const char* passedFormat, const char* failedFormat)
{
    if (passed)
        return FormatC(passedFormat, required) + QStringLiteral("%");
    return FormatC(failedFormat, ratio) + QStringLiteral("% ") + FormatC("(%3.0f", required) + QStringLiteral("%)");
}

// A Russian ratio (a fraction of the weight force); above 0.95 it reads ">0,95".
QString FractionText(double ratio, double required)
{
    const QString value = ratio > 0.95 ? FormatC(">%4.2f", 0.95) : FormatC("%4.2f", ratio);
    return value + QStringLiteral(" (") + FormatC("%4.2f", required) + QStringLiteral(")");
}

}  // namespace

void BrakingRatioBlock(TfoHPrint& p)
{
    const TestResult& r = p.src.result;
    const ReportRecord& report = p.src.report;
    SelectedForces& f = p.forces;
    p.GridGapTop = p.GridGapBottom = p.BlockTop;
    f = SelectedForces{};
    if (!r.HasBrakeBlock)
        return;

    const RatioLimits limits = LimitsInForce(p);
    const int type = p.Limits().vehicleType;
    const bool polish = p.Polish(), russian = p.Russian();
    SelectForces(report, 0, limits.pedalLimit, f.FL, f.FR, f.DF, f.PF);
    SelectForces(report, 1, limits.pedalLimit, f.RL, f.RR, f.DR, f.PR);

    const double m = r.TotalWeight;
    const double weightForce = m * p.src.gravityFactor;
    const bool hasMass = m > 0.01;
    double Z = 0;
    bool extrapolated = false;
    if (hasMass) {
        const double sum = f.FL + f.FR + f.RL + f.RR;
        Z = russian ? sum / weightForce : std::trunc(sum * 100 / weightForce);
        if (polish) {
            // Forces measured below the permitted pedal force count as if
            // braked with it (the test stand may not have pressed so hard).
            double fF = 1, fR = 1;
            if (Z < limits.service) {
                if (f.PF > 0.5) {
                    fF = limits.pedalLimit / f.PF;
                    extrapolated = true;
                }
                if (f.PR > 0.5) {
                    fR = limits.pedalLimit / f.PR;
                    extrapolated = true;
                }
            }
            Z = type == Motorcycle ? std::trunc((f.FL + f.FR) * fF * 100 / weightForce)
                                   : std::trunc(((f.RL + f.RR) * fR + (f.FL + f.FR) * fF) * 100 / weightForce);
        }
    }

    p.ThinRule();
    p.SetFont(9, true);
    double row = 0.1;
    p.TextAt(p.Text(219), 0.1, row);
    if (hasMass) {
        row += 0.35;
        p.TextAt(p.LineA(47), 0.1, row);
    }
    row += 0.35;
    p.TextAt(p.LineA(48) + (extrapolated ? QStringLiteral(" *") : QString()), 0.1, row);

    // Service brake column.
    p.SetFont(9, false);
    p.TextAt(FormatC("%5.0f N", f.FL + f.FR + f.RL + f.RR), 5.5, 0.1);
    const bool servicePassed = Z >= limits.service;
    if (hasMass) {
        QString text;
        if (russian)
            text = FractionText(Z, limits.service);
        else if (extrapolated)
            text = PercentText(Z, limits.service, servicePassed, "* >= %3.0f", " * %3.0f");
        else
            text = PercentText(Z, limits.service, servicePassed, " >= %3.0f", "%3.0f");
        p.SetColour(servicePassed ? ClGreen : ClRed);
        p.TextAt(text, polish && type == Motorcycle ? 3.0 : 5.5, 0.45);
        p.SetColour(ClBlack);
    }
    if ((polish || russian) && !r.IsMotorcycle) {
        const QString caption = p.Text(polish && type == Trailer ? 240 : 215);
        p.TextAt(caption + FormatC(" %4.0f", limits.pedalLimit) + QStringLiteral(" N"), 3.5, hasMass ? 0.8 : 0.45);
    }

    // Parking brake column; a Polish motorcycle's second brake is its rear wheel.
    const int parkingKind = polish && type == Motorcycle ? 1 : 2;
    f.QL = report.BrakeValue(parkingKind, Left, BrakeRowCount);
    f.QR = report.BrakeValue(parkingKind, Right, BrakeRowCount);
    const bool parkingPresent = f.QL > 0.01 || f.QR > 0.01;
    if (!r.IsMotorcycle)
        p.TextAt(FormatC("%5.0f N", f.QL + f.QR), 13.0, 0.1);
    bool parkingPassed = false;
    bool frontDiffOk = true, rearDiffOk = true;
    // A motorcycle has no parking brake: outside the Polish rules (which take
    // its rear brake instead) no parking ratio is judged, rather than a red 0 %.
    const bool judgeParking = !r.IsMotorcycle || polish;
    if (hasMass) {
        QString text;
        if (russian) {
            const double Zq = (f.QL + f.QR) / weightForce;
            parkingPassed = Zq >= limits.parking;
            text = FractionText(Zq, limits.parking);
        } else {
            const double Zq = std::trunc((f.QL + f.QR) * 100 / weightForce);
            parkingPassed = Zq >= limits.parking;
            text = PercentText(Zq, limits.parking, parkingPassed, ">= %3.0f", "%3.0f");
        }
        if (polish) {
            const tLimitsPL& pl = PolishLimits(p.Limits().registrationGroup, type);
            frontDiffOk = pl.DiffUpper >= f.DF;
            rearDiffOk = pl.ParkDiffUpper >= f.DR;
        }
        if (judgeParking) {
            p.SetColour(parkingPassed ? ClGreen : ClRed);
            p.TextAt(text, polish && type == Motorcycle ? 8.0 : 13.0, 0.45);
            p.SetColour(ClBlack);
        }
    }

    if (polish) {
        if (type == Motorcycle) {
            f.PF = f.PR = 0.02;
            frontDiffOk = rearDiffOk = true;
        }
        bool judged = false;
        bool passed = false;
        if (type == Tractor) {
            judged = hasMass && (f.PF > 0.01 || f.PR > 0.01) && parkingPresent;
            passed = servicePassed && frontDiffOk && rearDiffOk && parkingPassed;
        } else if (type == Trailer) {
            judged = hasMass && f.PF > 0.01;
            passed = servicePassed && frontDiffOk && (!parkingPresent || parkingPassed);
        } else {
            judged = hasMass && f.PF > 0.01 && f.PR > 0.01 && parkingPresent;
            passed = servicePassed && parkingPassed && frontDiffOk && rearDiffOk;
        }
        if (!judged)
            p.SetColour(ClBlack);
        else
            p.SetColour(passed ? ClGreen : ClRed);
        p.TextAt(p.Text(!judged ? 195 : passed ? 216 : 217), 16.0, 0.1);
        p.SetColour(ClBlack);
    }

    p.Advance(hasMass ? 1.2 : 0.85);
    p.GridGapBottom = p.BlockTop;
    p.BlockDone("BrakingRatioBlock");
}

}  // namespace zevo
