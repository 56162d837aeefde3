// Framing and assembly of a recorded stream of many tests, as a capture replays
// it: realistic reports with curve blocks, status frames between the tests,
// and a store that only counts; and a noisy line that never comes into step.
// Goal: at least 50 MB/s for both.

#include "graphics/curvedata.h"
#include "reception/capturesource.h"
#include "reception/testreception.h"
#include "reception/teststandframes.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

using namespace zevo;

constexpr int TestCount = 200;

QByteArray ReportText(int test)
{
    QByteArray text;
    auto line = [&text](const QByteArray& l) { text += l + "\r\n"; };
    line("KD.NR.: " + QByteArray::number(4000 + test));
    line("AUFTRAG:" + QByteArray::number(90000 + test));
    line("FAHRZ.TYP");
    for (const QByteArray& l : QList<QByteArray>{"P K W", "HERST.: VW", "TYP: GOLF", "KM:  123456", "", "", "",
                                                 " B-ZE " + QByteArray::number(test), "HU/AU:    056117", ""})
        line(l);
    for (const char* code : {"$00", "$01", "$10"}) {
        line(code);
        for (int i = 0; i < 18; ++i)
            line("  " + QByteArray::number(1000 + 37 * i) + "   " + QByteArray::number(980 + 29 * i) + " N");
    }
    line(" Optionen ");
    line(" BREMSSTART");
    for (int i = 0; i < 12; ++i)
        line("  PRUEFUNG " + QByteArray::number(i) + " OK");
    line("$31");
    line("  17");
    return text;
}

QByteArray CurveText()
{
    QByteArray text;
    for (int channel : {0, 8, 1, 9, 16, 24, 40, 41}) {
        CurveChannel values{};
        for (int i = 1; i < 510; ++i)
            values[i] = std::round(120 + 110 * std::sin(i / 40.0 + channel));
        if (channel >= 40)
            values[0] = 30;
        AppendCurveBlockText(text, channel, values);
    }
    return text;
}

const QByteArray& RecordedStream()
{
    static const QByteArray stream = [] {
        QByteArray bytes;
        const QByteArray curves = CurveText();
        for (int test = 0; test < TestCount; ++test)
            bytes += EncodeTestStandStream(ReportText(test), curves).bytes;
        return bytes;
    }();
    return stream;
}

void BM_ReplayRecordedTests(benchmark::State& state)
{
    const QByteArray& stream = RecordedStream();
    const auto chunk = static_cast<quint32>(state.range(0));
    qint64 stored = 0;
    for (auto _ : state) {
        CaptureSource source(stream, chunk);
        ReceptionHooks hooks;
        hooks.store = [&stored](const MessungRow& row) {
            benchmark::DoNotOptimize(row.Druckdaten.data());
            return StoreResult{true, ++stored, {}};
        };
        TestReception reception(source, std::move(hooks));
        while (!source.AtEnd())
            reception.Timer1Timer();
    }
    if (stored != qint64(state.iterations()) * TestCount)
        state.SkipWithError("not every test was stored");
    state.SetBytesProcessed(qint64(state.iterations()) * stream.size());
}

BENCHMARK(BM_ReplayRecordedTests)->Arg(96)->Arg(4095)->Unit(benchmark::kMillisecond);

// A line that never comes into step: status frame starts everywhere, but never
// two back to back. Reception searches each position once, so the same goal holds.
void BM_ReplayNoise(benchmark::State& state)
{
    QByteArray noise;
    while (noise.size() < (1 << 20))
        noise += QByteArray::fromRawData("\x02\x04\x02\x04\x02\x04\x02\x04\x02\x04\x00", 11);
    for (auto _ : state) {
        CaptureSource source(noise, 96);
        TestReception reception(source, ReceptionHooks{});
        while (!source.AtEnd())
            reception.Timer1Timer();
        if (reception.InSync())
            state.SkipWithError("noise brought reception into step");
    }
    state.SetBytesProcessed(qint64(state.iterations()) * noise.size());
}

BENCHMARK(BM_ReplayNoise)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
