#include "graphics/curvedata.h"

#include <algorithm>
#include <cmath>

namespace zevo {

CurveData::CurveData() : channels(std::make_unique<std::array<CurveChannel, CurveChannelCount>>()) { Clear(); }

void CurveData::Clear()
{
    for (CurveChannel& channel : *channels)
        channel.fill(0.0);
}

namespace {

constexpr char HexDigits[] = "0123456789ABCDEF";

void AppendHexByte(char*& out, int value)
{
    *out++ = HexDigits[(value >> 4) & 0xF];
    *out++ = HexDigits[value & 0xF];
}

}  // namespace

void AppendCurveBlockText(QByteArray& text, int channel, const CurveChannel& values)
{
    // Channel line (4 bytes with CR LF) plus 32 lines of 48 characters and CR LF.
    constexpr int sampleLineBytes = CurveSamplesPerLine * 3 + 2;
    constexpr int blockBytes = 5 + (CurveLinesPerBlock - 1) * sampleLineBytes;
    const qsizetype start = text.size();
    text.resize(start + blockBytes);
    char* out = text.data() + start;

    *out++ = '$';
    AppendHexByte(out, channel);
    *out++ = '\r';
    *out++ = '\n';
    for (int row = 0; row < CurveLinesPerBlock - 1; ++row) {
        for (int k = 0; k < CurveSamplesPerLine; ++k) {
            const double value = std::nearbyint(values[row * CurveSamplesPerLine + k]);
            AppendHexByte(out, static_cast<int>(std::clamp(value, 0.0, 255.0)));
            *out++ = ' ';
        }
        *out++ = '\r';
        *out++ = '\n';
    }
    text.resize(out - text.data());
}

}  // namespace zevo
