#include "graphics/curvedata.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

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

namespace {

// Walks the stored text line by line without copying. A line ends at LF; a CR
// before it belongs to the line end. A final line end starts no new line, as
// with the memo the text comes from.
class LineReader {
public:
    explicit LineReader(QByteArrayView text) : pos_(text.data()), end_(text.data() + text.size()) {}

    bool AtEnd() const { return pos_ == end_; }

    bool Next(QByteArrayView& line)
    {
        if (pos_ == end_)
            return false;
        const char* newline = static_cast<const char*>(std::memchr(pos_, '\n', end_ - pos_));
        const char* lineEnd = newline ? newline : end_;
        const char* contentEnd = lineEnd;
        if (contentEnd != pos_ && contentEnd[-1] == '\r')
            --contentEnd;
        line = QByteArrayView(pos_, contentEnd - pos_);
        pos_ = newline ? newline + 1 : end_;
        return true;
    }

private:
    const char* pos_;
    const char* end_;
};

constexpr std::uint8_t NotHex = 0xFF;

constexpr std::array<std::uint8_t, 256> MakeHexTable()
{
    std::array<std::uint8_t, 256> table{};
    table.fill(NotHex);
    for (int c = '0'; c <= '9'; ++c)
        table[c] = static_cast<std::uint8_t>(c - '0');
    for (int c = 'A'; c <= 'F'; ++c)
        table[c] = static_cast<std::uint8_t>(c - 'A' + 10);
    for (int c = 'a'; c <= 'f'; ++c)
        table[c] = static_cast<std::uint8_t>(c - 'a' + 10);
    return table;
}

constexpr std::array<std::uint8_t, 256> HexTable = MakeHexTable();

// The same digits as doubles, weighted for the high or the low digit of a
// sample; NaN marks a character that is no hex digit, so that one sum over a
// line tells whether every field was sound.
constexpr std::array<double, 256> MakeDigitTable(int weight)
{
    std::array<double, 256> table{};
    for (int c = 0; c < 256; ++c)
        table[c] = HexTable[c] == NotHex ? std::numeric_limits<double>::quiet_NaN() : HexTable[c] * weight;
    return table;
}

constexpr std::array<double, 256> HighDigit = MakeDigitTable(16);
constexpr std::array<double, 256> LowDigit = MakeDigitTable(1);

int HexValue(char c)
{
    const std::uint8_t digit = HexTable[static_cast<unsigned char>(c)];
    return digit == NotHex ? -1 : digit;
}

// Blanks as a trim of the stored text sees them: space and control characters.
bool IsBlank(char c)
{
    return static_cast<unsigned char>(c) <= ' ';
}

QByteArrayView Trimmed(QByteArrayView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

// "$" and hex digits, blanks around allowed; -1 when malformed. Very long
// numbers saturate, which is enough to see that they have no slot.
int ParseChannelLine(QByteArrayView line)
{
    const QByteArrayView text = Trimmed(line);
    if (text.size() < 2 || text[0] != '$')
        return -1;
    int value = 0;
    for (qsizetype i = 1; i < text.size(); ++i) {
        const int digit = HexValue(text[i]);
        if (digit < 0)
            return -1;
        value = std::min(value * 16 + digit, 0xFFFF);
    }
    return value;
}

enum class FieldState { Value, Empty, Malformed };

// Sample field k sits at 0-based positions 3k and 3k + 1 of its line.
FieldState ReadSampleField(QByteArrayView line, int k, int& value)
{
    const qsizetype start = 3 * k;
    if (start >= line.size())
        return FieldState::Empty;
    const QByteArrayView field = Trimmed(line.sliced(start, std::min<qsizetype>(2, line.size() - start)));
    if (field.isEmpty())
        return FieldState::Empty;
    value = 0;
    for (char c : field) {
        const int digit = HexValue(c);
        if (digit < 0)
            return FieldState::Malformed;
        value = value * 16 + digit;
    }
    return FieldState::Value;
}

constexpr int SampleLineLength = CurveSamplesPerLine * 3;  // 48, the last blank may be missing

// Reads the 16 fields of a sample line into samples[0 .. 15]. Lines as the
// program writes them take the quick way: two hex digits in every field.
// Anything else is read field by field, so that blanks and short lines end
// loading exactly where they occur.
FieldState ReadSampleLine(QByteArrayView line, double* samples, int& fieldsRead)
{
    if (line.size() >= SampleLineLength - 1) {
        // The loading of a whole test is meant to take microseconds: no
        // branch per field, two sums so that the additions overlap.
        const auto* p = reinterpret_cast<const unsigned char*>(line.data());
        double check0 = 0.0;
        double check1 = 0.0;
        for (int k = 0; k < CurveSamplesPerLine; k += 2) {
            const double even = HighDigit[p[3 * k]] + LowDigit[p[3 * k + 1]];
            const double odd = HighDigit[p[3 * k + 3]] + LowDigit[p[3 * k + 4]];
            samples[k] = even;
            samples[k + 1] = odd;
            check0 += even;
            check1 += odd;
        }
        if (!std::isnan(check0 + check1)) {
            fieldsRead = CurveSamplesPerLine;
            return FieldState::Value;
        }
    }
    for (int k = 0; k < CurveSamplesPerLine; ++k) {
        int value = 0;
        const FieldState state = ReadSampleField(line, k, value);
        if (state != FieldState::Value) {
            fieldsRead = k;
            return state;
        }
        samples[k] = value;
    }
    fieldsRead = CurveSamplesPerLine;
    return FieldState::Value;
}

}  // namespace

CurveLoadResult LoadCurveData(CurveData& curves, QByteArrayView storedText)
{
    curves.Clear();
    CurveLoadResult result;
    LineReader reader(storedText);
    int lineIndex = 0;  // index of the current channel line
    QByteArrayView line;

    // A block begins only where at least one more line follows; a lone last
    // line is not a block.
    while (reader.Next(line) && !reader.AtEnd()) {
        const int channel = ParseChannelLine(line);
        if (channel < 0) {
            result.stop = CurveLoadStop::BadChannelLine;
            result.line = lineIndex;
            return result;
        }
        const bool hasSlot = channel < CurveChannelCount;
        for (int row = 0; row < CurveLinesPerBlock - 1; ++row) {
            const int sampleLineIndex = lineIndex + 1 + row;
            if (!reader.Next(line)) {
                result.stop = CurveLoadStop::TruncatedBlock;
                result.line = sampleLineIndex;
                return result;
            }
            if (!hasSlot)
                continue;
            double* samples = curves[channel].data() + row * CurveSamplesPerLine;
            int fieldsRead = 0;
            const FieldState state = ReadSampleLine(line, samples, fieldsRead);
            if (state != FieldState::Value) {
                // The fields before the bad one stay read; the rest of the line
                // keeps the 0 of the clear.
                std::fill(samples + fieldsRead, samples + CurveSamplesPerLine, 0.0);
                result.stop = state == FieldState::Empty ? CurveLoadStop::EmptyField : CurveLoadStop::BadSample;
                result.line = sampleLineIndex;
                return result;
            }
        }
        if (hasSlot)
            ++result.blocksLoaded;
        else
            ++result.blocksSkipped;
        lineIndex += CurveLinesPerBlock;
    }
    return result;
}

namespace {

constexpr int FirstPeakSample = 5;
constexpr int LastPeakSample = 505;

bool HasSlot(int channel)
{
    return channel >= 0 && channel < CurveChannelCount;
}

double MeanOf(const CurveChannel& samples, int first, int last)
{
    double sum = 0.0;
    for (int i = first; i <= last; ++i)
        sum += samples[i];
    return sum / (last - first + 1);
}

}  // namespace

int ChannelPeak(const CurveData& curves, int channel)
{
    if (!HasSlot(channel))
        return 0;
    const CurveChannel& samples = curves[channel];
    double peak = 0.0;
    for (int i = FirstPeakSample; i <= LastPeakSample; ++i)
        peak = std::max(peak, std::nearbyint(samples[i]));  // halves to even
    return static_cast<int>(std::min(peak, static_cast<double>(std::numeric_limits<int>::max())));
}

void SmoothChannel(CurveData& curves, int channel)
{
    if (!HasSlot(channel))
        return;
    CurveChannel& samples = curves[channel];
    const CurveChannel before = samples;

    const double head = MeanOf(before, 1, 5);
    for (int i = 1; i <= 4; ++i)
        samples[i] = head;
    for (int i = 5; i <= 502; ++i)
        samples[i] = MeanOf(before, i - 5, i + 5);
    const double tail = MeanOf(before, 503, 508);
    for (int i = 503; i <= 508; ++i)
        samples[i] = tail;
}

}  // namespace zevo
