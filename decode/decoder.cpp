#include "decode/decoder.h"

#include "decode/brakeblocks.h"
#include "decode/brakestart.h"
#include "decode/chassisblocks.h"
#include "decode/checklists.h"
#include "decode/decodecontext.h"
#include "decode/linetext.h"
#include "decode/printdata.h"
#include "decode/reportrecord.h"
#include "decode/testresult.h"
#include "decode/toetest.h"
#include "decode/vehicledata.h"
#include "lang/cp1252.h"

namespace zevo {
namespace {

QString CurveStopText(CurveLoadStop stop)
{
    switch (stop) {
    case CurveLoadStop::EmptyField:
        return QStringLiteral("a sample field is empty");
    case CurveLoadStop::TruncatedBlock:
        return QStringLiteral("the text ends inside a block");
    case CurveLoadStop::BadChannelLine:
        return QStringLiteral("a channel line is not \"$\" and a hexadecimal number");
    case CurveLoadStop::BadSample:
        return QStringLiteral("a sample is not a hexadecimal number");
    case CurveLoadStop::None:
        break;
    }
    return {};
}

DecodeOutcome RunDriver(QByteArrayView printData, QByteArrayView curveData, DecodeContext& context, DecodeDriver driver)
{
    const PrintData text(printData);
    context.problems.clear();
    if (const int blocks = VehicleBlockCount(text); blocks > 1)
        context.problems.append(InterruptedTestProblem(blocks));
    DecodePrintSteps(text, context, driver);
    const CurveLoadResult curves = LoadCurves(curveData, context);
    DecodeEmployee(text, context);
    return DecodeOutcome{context.problems, curves};
}

}  // namespace

QString InterruptedTestProblem(int vehicleBlocks)
{
    return QStringLiteral("Print data holds lines of an interrupted earlier test (%1 vehicle blocks); "
                          "its vehicle data may be the other vehicle's.")
        .arg(vehicleBlocks);
}

void PrepareShowTest(DecodeContext& context)
{
    ResetReport(context.result, context.report, context.Sprache());
    ClearResultTables(context.result, context.report, context.curves);
}

DecodeOutcome DecodeShownTest(QByteArrayView printData, QByteArrayView curveData, DecodeContext& context)
{
    return RunDriver(printData, curveData, context, DecodeDriver::ShowTest);
}

DecodeOutcome ShowTestDecode(QByteArrayView printData, QByteArrayView curveData, DecodeContext& context)
{
    PrepareShowTest(context);
    return DecodeShownTest(printData, curveData, context);
}

DecodeOutcome DecodePrintData(QByteArrayView printData, QByteArrayView curveData, DecodeContext& context)
{
    return RunDriver(printData, curveData, context, DecodeDriver::Redecode);
}

void DecodePrintSteps(const PrintData& text, DecodeContext& context, DecodeDriver driver)
{
    // Each step that meets a number it cannot convert stops there, adds the
    // problem to the context, and the next step runs as usual.
    TestResult& result = context.result;
    const bool showing = driver == DecodeDriver::ShowTest;
    // The vehicle type is the setting itself; the result only mirrors it.
    result.VehicleType = context.VehicleTypeSetting();
    if (showing)
        DecodeVehicleType(text, context);
    DecodeTotalWeight(text, context);
    DecodeToe(text, context, CurveClearing::ByCurveStep);
    DecodeTyreProfile(text, context);
    result.HasDeceleration = false;
    DecodeAbs(text, context);
    if (showing) {
        result.HasBrakeTest = false;
        result.HasFrontAxle = false;
        result.HasRearAxle = false;
        result.HasParkingBrake = false;
    }
    DecodeBrakeBlock(text, 0, context);
    DecodeBrakeBlock(text, 1, context);
    DecodeBrakeBlock(text, 16, context);
    CopyFrontPedal(context);
    DecodeBrakeStart(text, context.report);
    DecodeSuspension(text, context);
    int nextCheckLine = CheckList2First;
    DecodeCheckList(text, "$32", context.report, nextCheckLine);
    DecodeCheckList(text, "$33", context.report, nextCheckLine);
}

CurveLoadResult LoadCurves(QByteArrayView curveData, DecodeContext& context)
{
    context.result.BrakeMaxima.fill(BrakeLine{});
    const CurveLoadResult loaded = LoadCurveData(context.curves, curveData);
    if (loaded.Complete()) {
        ComputeBrakeMaxima(context.result);
    } else {
        // The curves read so far stay, but without maxima they have no force scale.
        context.problems.append(QStringLiteral("Curve data: reading stopped at line %1, %2")
                                    .arg(loaded.line + 1)
                                    .arg(CurveStopText(loaded.stop)));
    }
    return loaded;
}

void DecodeEmployee(const PrintData& text, DecodeContext& context)
{
    const QByteArrayView line = Trimmed(text.Line(text.FindLine("$31") + 1));
    const QByteArray digits = DigitsOnly(line);
    context.result.EmployeeNumber = 0;
    if (digits.isEmpty())
        return;
    bool ok = false;
    const int number = digits.toInt(&ok);
    if (!ok) {
        // No employee line has such a number; print none rather than the last test's.
        context.problems.append(QStringLiteral("Employee number: \"%1\" is too large").arg(FromCp1252(line)));
        return;
    }
    context.result.EmployeeNumber = number;
}

}  // namespace zevo
