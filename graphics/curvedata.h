#pragma once
// The sampled brake-force and pedal-force curves of one test, and their text
// form as stored in "Grafikdaten": one block of 33 lines per channel, a line
// "$cc" with the channel number in hex, then 32 lines of 16 samples "XX ".
// Depends on nothing else in the program: reception writes it, the decoder and
// the plots read it.

#include <QByteArray>
#include <QByteArrayView>
#include <array>
#include <memory>

namespace zevo {

inline constexpr int CurveChannelCount = 96;   // channels 0 .. 95
inline constexpr int CurveSampleCount = 512;   // samples 0 .. 511 of a channel
inline constexpr int CurveLinesPerBlock = 33;  // channel line and 32 sample lines
inline constexpr int CurveSamplesPerLine = 16;
inline constexpr int FirstAbsoluteChannel = 40;  // pedal channels keep their raw bytes

using CurveChannel = std::array<double, CurveSampleCount>;  // relative force, 0 .. 255

// 96 x 512 samples (384 KiB), so it lives on the heap.
struct CurveData {
    CurveData();
    std::unique_ptr<std::array<CurveChannel, CurveChannelCount>> channels;

    CurveChannel& operator[](int channel) { return (*channels)[channel]; }
    const CurveChannel& operator[](int channel) const { return (*channels)[channel]; }
    void Clear();
};

// Appends the 33 lines of one block (CR LF after each) for the channel's
// values, each rounded to a whole number and clamped to 0 .. 255.
void AppendCurveBlockText(QByteArray& text, int channel, const CurveChannel& values);

// Why loading a stored text ended before its last block.
enum class CurveLoadStop {
    None,            // every block was read
    EmptyField,      // a sample field is blank or missing (a short sample line)
    TruncatedBlock,  // the text ends with fewer than 32 sample lines after a channel line
    BadChannelLine,  // a channel line is not "$" and hex digits
    BadSample,       // a sample field holds something other than hex digits
};

struct CurveLoadResult {
    CurveLoadStop stop = CurveLoadStop::None;
    int line = -1;          // 0-based line of the text where loading stopped, -1 when complete
    int blocksLoaded = 0;   // blocks fully read into CurveData (skipped channels not counted)
    int blocksSkipped = 0;  // whole blocks of channels 96 and above, which have no slot

    bool Complete() const { return stop == CurveLoadStop::None; }
};

// Clears every sample, then reads the stored text ("Grafikdaten") block by
// block into `curves`. Loading stops at the first empty or malformed field,
// malformed channel line or truncated block; the samples read up to there
// stay, and the caller then leaves the force references at 0 so that no
// half-read curve is drawn to a wrong scale. Lines may end in CR LF or LF. A
// last line with no sample lines after it is no block and is ignored, so a
// one-line text loads as complete.
CurveLoadResult LoadCurveData(CurveData& curves, QByteArrayView storedText);

// Largest of samples 5 .. 505 of the channel, each rounded halves to even,
// starting from 0: the denominator of the curve's force scale. The ends are
// left out because a message does not define its last samples. 0 for a
// channel outside 0 .. 95.
int ChannelPeak(const CurveData& curves, int channel);  // 0 .. max sample

// Smooths one channel in place with a moving mean over the samples as they
// were before the call: 1..4 take the mean of 1..5, 5..502 the mean of the
// 11 samples around them, 503..508 the mean of 503..508; 0 and 509..511 stay.
// Callers smooth only while SmoothCurves is set, once per load, since a
// second pass would flatten the curve again. Nothing for a channel outside 0 .. 95.
void SmoothChannel(CurveData& curves, int channel);

}  // namespace zevo
