#pragma once
// The sampled brake-force and pedal-force curves of one test, and their text
// form as stored in "Grafikdaten": one block of 33 lines per channel, a line
// "$cc" with the channel number in hex, then 32 lines of 16 samples "XX ".
// Depends on nothing else in the program: reception writes it, the decoder and
// the plots read it.

#include <QByteArray>
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

}  // namespace zevo
