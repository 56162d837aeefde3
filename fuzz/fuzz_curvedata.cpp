// Fuzz target of the curve-data loader: the input is a stored "Grafikdaten"
// text. It is loaded as showing a test loads it, then peaked and smoothed as
// the curve plots do (at both ends of the table). A text that loads is written out again, one block per
// channel, and must load into the same table.

#include "fuzz/fuzzsupport.h"
#include "graphics/curvedata.h"

#include <cmath>

using namespace zevo;
using zevo::fuzz::Require;

namespace {

CurveData& Table(int which)
{
    static CurveData tables[2];
    return tables[which];
}

// A loaded sample is one or two hex digits: a whole number 0 .. 255.
bool IsSample(double value) { return value >= 0 && value <= 255 && value == std::floor(value); }

void CheckWrittenAgain(const CurveData& loaded)
{
    QByteArray text;
    for (int channel = 0; channel < CurveChannelCount; ++channel) {
        const CurveChannel& samples = loaded[channel];
        bool empty = true;
        for (double value : samples) {
            Require(IsSample(value), "a loaded sample is a whole number 0 .. 255");
            empty = empty && value == 0;
        }
        if (!empty)  // a channel that is not in the text stays 0 as well
            AppendCurveBlockText(text, channel, samples);
    }
    CurveData& reloaded = Table(1);
    const CurveLoadResult result = LoadCurveData(reloaded, text);
    Require(result.Complete(), "a written text loads whole");
    for (int channel = 0; channel < CurveChannelCount; ++channel)
        Require(reloaded[channel] == loaded[channel], "a written text loads into the same samples");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char*** argv)
{
    fuzz::MakeCoreApplication((*argv)[0]);
    Table(0);  // the 384 KiB tables are made once, before the first run
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CurveData& curves = Table(0);
    const CurveLoadResult result = LoadCurveData(curves, QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    Require(result.Complete() == (result.line < 0), "a stop names its line");
    Require(result.blocksLoaded >= 0 && result.blocksSkipped >= 0, "block counts are never negative");
    if (result.Complete())
        CheckWrittenAgain(curves);

    // Peak and smoothing run the same steps whatever the samples are, so the
    // channels at the ends of the table (and one beyond each) are enough.
    for (int channel : {-1, 0, CurveChannelCount - 1, CurveChannelCount}) {
        const int peak = ChannelPeak(curves, channel);
        Require(peak >= 0 && peak <= 255, "a channel's peak is a sample value");
        SmoothChannel(curves, channel);
    }
    return 0;
}
