// Fuzz target of the decoder: a stored print-data text and curve-data text,
// with the settings the decode reads (decoderinput.h), decoded the way the
// program does it: ShowTest's decode, the second decode before a print, the
// judging of the brake table against the limit set in force, and the result
// as zevo-tool prints it (ResultJson). A further decode before a second print
// must give the same result.

#include "decode/decodecontext.h"
#include "decode/decoder.h"
#include "decode/limitsets.h"
#include "decode/reportrecord.h"
#include "decode/resultjson.h"
#include "decode/testresult.h"
#include "fuzz/decoderinput.h"
#include "fuzz/fuzzsupport.h"

#include <QJsonObject>

using namespace zevo;

namespace {

// What the report page and the bar graphics ask of the limit set for the
// decoded test.
void JudgeBrakeTable(const DecodeContext& context)
{
    const Settings& settings = context.settings;
    LimitChoice choice;
    choice.set = context.limitSet;
    choice.sprache = context.Sprache();
    choice.registrationGroup = settings.einstellungen.Field[RegistrationGroup];
    choice.vehicleType = settings.einstellungen.Field[VehicleTypeField];
    fuzz::Require(PedalForceLimit(choice, context.result.TotalWeight) >= 0, "a pedal force limit is never negative");
    const DiffLimits service = ServiceDiffLimits(choice);
    const DiffLimits parking = ParkingDiffLimits(choice);
    for (int kind = 0; kind < BrakeKindCount; ++kind) {
        const DiffLimits& limits = kind == 2 ? parking : service;
        for (int row = 1; row <= BrakeRowCount; ++row)
            JudgeDifference(context.report.BrakeValue(kind, DiffPercent, row), limits.lower, limits.upper);
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char*** argv)
{
    fuzz::MakeCoreApplication((*argv)[0]);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::optional<fuzz::DecoderInput> input =
        fuzz::SplitDecoderInput(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!input)
        return -1;  // too short to carry the settings: not worth keeping

    // The curve table is 384 KiB; every decode clears it before loading, so
    // one table serves all runs without carrying anything from one to the next.
    static CurveData curves;
    TestResult result;
    ReportRecord report = EmptyReportRecord();
    DecodeContext context(input->settings, input->limitSet, result, report, curves);

    ShowTestDecode(input->printData, input->curveData, context);
    const DecodeOutcome again = DecodePrintData(input->printData, input->curveData, context);
    JudgeBrakeTable(context);
    const QJsonObject printed = ResultJson(context, again.problems);

    // Every print decodes the test on display again: a second print must
    // show what the first one showed.
    const DecodeOutcome third = DecodePrintData(input->printData, input->curveData, context);
    fuzz::Require(ResultJson(context, third.problems) == printed, "decoding again before a print changes nothing");
    return 0;
}
