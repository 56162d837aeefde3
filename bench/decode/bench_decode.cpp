// Speed goals of the decoder, on the full car test of the golden files (toe,
// tyre profile, ABS, three brake blocks with pedal column, brake start,
// suspension, check lists and eight curve channels):
//   - one full test, print data and curve data together: median under 100 µs;
//   - the print data alone: under 20 µs.
// Every graphic and print decodes the test again, so these run often.

#include "bench/benchdata.h"
#include "decode/decodecontext.h"
#include "decode/decoder.h"
#include "decode/printdata.h"
#include "decode/reportrecord.h"
#include "decode/testresult.h"
#include "graphics/curvedata.h"
#include "lang/einstellungen.h"

#include <benchmark/benchmark.h>

namespace {

using zevo::bench::ReadData;

struct Model {
    Model()
    {
        settings.einstellungen.Field[zevo::VehicleTypeField] = 1;
        settings.einstellungen.Field[zevo::Plates] = 2;
        settings.Sprache = 1;
    }
    zevo::Settings settings;
    zevo::TestResult result;
    zevo::ReportRecord report = zevo::EmptyReportRecord();
    zevo::CurveData curves;
    zevo::DecodeContext context{settings, zevo::LimitSet::Eu, result, report, curves};
};

using Driver = zevo::DecodeOutcome (*)(QByteArrayView, QByteArrayView, zevo::DecodeContext&);

// Every decode step including the curves, as showing a test does it (reset
// first) or as redecoding before a graphic does it.
void BM_DecodeWithCurves(benchmark::State& state, Driver decode)
{
    const QByteArray printData = ReadData("car.txt");
    const QByteArray curveData = ReadData("car.curves.txt");
    Model model;
    for (auto _ : state) {
        const zevo::DecodeOutcome outcome = decode(printData, curveData, model.context);
        benchmark::DoNotOptimize(outcome.curves.blocksLoaded);
    }
    state.SetBytesProcessed(state.iterations() * (printData.size() + curveData.size()));
}
BENCHMARK_CAPTURE(BM_DecodeWithCurves, ShowTest, zevo::ShowTestDecode)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_DecodeWithCurves, DecodePrintData, zevo::DecodePrintData)->Unit(benchmark::kMicrosecond);

// The print data alone: every step that reads the print text (the lines split
// anew each time), without the curve step.
void BM_PrintDataAlone(benchmark::State& state)
{
    const QByteArray printData = ReadData("car.txt");
    Model model;
    for (auto _ : state) {
        const zevo::PrintData text(printData);
        zevo::DecodePrintSteps(text, model.context, zevo::DecodeDriver::ShowTest);
        zevo::DecodeEmployee(text, model.context);
        benchmark::DoNotOptimize(model.report.BrakeTable[0][1][6]);
    }
    state.SetBytesProcessed(state.iterations() * printData.size());
}
BENCHMARK(BM_PrintDataAlone)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
