// Speed goals of the report renderer, on the full car test of the golden
// files (toe, tyre profile, ABS, three brakes, suspension, curves, checks):
//   - the numeric page onto the screen preview (an image at 96 dpi): median under 5 ms;
//   - one view of the curve tab (four curves, smoothed) onto an image of the
//     tab's size: median under 2 ms;
//   - the numeric, a curve and the bar page each as a PDF file at 600 dpi:
//     median under 50 ms.
// The preview and the curve tab are drawn anew on every paint, the PDF on every print.

#include "bench/benchdata.h"
#include "decode/decodecontext.h"
#include "decode/decoder.h"
#include "decode/reportrecord.h"
#include "decode/testresult.h"
#include "graphics/curvedata.h"
#include "graphics/curveviews.h"
#include "graphics/wincolour.h"
#include "lang/einstellungen.h"
#include "report/hprint.h"
#include "report/printjob.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using zevo::bench::ReadData;

// The program's records with the car test shown, and the renderer over them.
struct ShownTest {
    ShownTest()
    {
        settings.einstellungen.Field[zevo::VehicleTypeField] = 1;
        settings.einstellungen.Field[zevo::Plates] = 2;
        settings.Sprache = 1;
        for (int line = 0; line < 8; ++line)
            report.SetLineA(line, "Autohaus Beispiel, Musterstrasse 1");
        zevo::DecodeContext context(settings, limitSet, result, report, curves);
        zevo::ShowTestDecode(ReadData("car.txt"), ReadData("car.curves.txt"), context);
        employeeLines[1] = QStringLiteral("Pr\u00fcfer: A. Muster");
    }
    zevo::Settings settings;
    zevo::LimitSet limitSet = zevo::LimitSet::Eu;
    double gravityFactor = 9.81;
    zevo::TestResult result;
    zevo::ReportRecord report = zevo::EmptyReportRecord();
    zevo::CurveData curves;
    std::array<QString, zevo::EmployeeLineCount> employeeLines;
    bool smoothCurves = false;
    zevo::TfoHPrint hprint{zevo::ReportSources{report, result, curves, settings, limitSet, gravityFactor,
                                               employeeLines, smoothCurves},
                           QStringLiteral(ZEVO_PICTOGRAM_DIR)};
};

void BM_NumericPagePreview(benchmark::State& state)
{
    ShownTest shown;
    const zevo::PrinterPage page = zevo::PdfPrinterPage(600);
    QImage image(zevo::TfoHPrint::PreviewSize(page, 2), QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        shown.hprint.RenderPage(painter, page, true, 0, zevo::NumericPageKind);
    }
}
BENCHMARK(BM_NumericPagePreview)->Unit(benchmark::kMillisecond);

// A page as a PDF file at 600 dpi, as a print without a printer writes it.
// Every print smooths the curves it draws anew (repeated smoothing of the
// same samples costs the same as the first).
void BM_PagePdf(benchmark::State& state, int pageKind, int curveMode)
{
    ShownTest shown;
    shown.hprint.CurveMode = curveMode;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.pdf"));
    for (auto _ : state) {
        shown.smoothCurves = true;
        const zevo::PrintOutcome outcome =
            zevo::WritePdfPage(shown.hprint, pageKind, 600, path, QStringLiteral("B-ZE 1234"));
        if (!outcome.ok)
            state.SkipWithError(qPrintable(outcome.error));
    }
}
BENCHMARK_CAPTURE(BM_PagePdf, Numeric, zevo::NumericPageKind, 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PagePdf, Curves, zevo::CurvePageKind, 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PagePdf, Bars, zevo::BarPageKind, 1)->Unit(benchmark::kMillisecond);

// What a paint of the curve tab does: copy the loaded samples of the view's
// curves, smooth them and draw the service-brake view of both axles.
void BM_CurveTabView(benchmark::State& state)
{
    ShownTest shown;
    const zevo::CurvePlan plan =
        zevo::PlanCurves(shown.result, shown.curves, 1, zevo::EmptyCurve::EndsView, zevo::ClYellow);
    zevo::CurveData drawn;
    QImage image(800, 360, QImage::Format_RGB32);
    for (auto _ : state) {
        for (const zevo::CurveTrace& curve : plan.curves)
            drawn[curve.channel] = shown.curves[curve.channel];
        QPainter painter(&image);
        painter.fillRect(image.rect(), Qt::white);
        painter.setFont(QFont(QStringLiteral("Arial"), 8));
        zevo::CurvePlotFrame frame = zevo::ScreenCurveFrame(image.size());
        zevo::DrawCurvePlan(painter, frame, plan, drawn, true, zevo::ScreenFontScale, false);
    }
    state.counters["curves"] = double(plan.curves.size());
}
BENCHMARK(BM_CurveTabView)->Unit(benchmark::kMillisecond);


}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
