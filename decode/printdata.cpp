#include "decode/printdata.h"

#include "decode/linetext.h"

#include <limits>

namespace zevo {

PrintData::PrintData(QByteArrayView text)
{
    // Reception ends every line with CR LF and nothing else; a lone CR or LF is
    // a byte of its line (the test stand never sends one, but a damaged line may
    // hold it) and must not shift the numbers of the lines after it.
    lines_.reserve(text.size() / 16 + 1);
    qsizetype start = 0;
    for (;;) {
        const qsizetype end = text.indexOf(QByteArrayView("\r\n"), start);
        if (end < 0)
            break;
        lines_.push_back(text.sliced(start, end - start));
        start = end + 2;
    }
    if (start < text.size())
        lines_.push_back(text.sliced(start));
}

QByteArrayView PrintData::Line(int i) const
{
    if (i < 0 || i >= LineCount())
        return {};
    return lines_[i];
}

int PrintData::FindLine(QByteArrayView marker) const
{
    // Every decoder searches the whole text from line 0 on its own, so this
    // runs some twenty times per decode: look at the first byte before comparing.
    if (marker.isEmpty())
        return LineCount() > 0 ? 0 : LineCount();
    const char first = marker[0];
    for (int i = 0; i < LineCount(); ++i) {
        const QByteArrayView line = lines_[i];
        if (!line.isEmpty() && line[0] == first && StartsWith(line, marker))
            return i;
    }
    return LineCount();
}

int VehicleBlockCount(const PrintData& text)
{
    int count = 0;
    for (int i = 0; i < text.LineCount(); ++i)
        count += StartsWith(text.Line(i), "FAHRZ.TYP") ? 1 : 0;
    return count;
}

QByteArray DigitsOnly(QByteArrayView text)
{
    QByteArray digits;
    digits.reserve(text.size());
    for (char c : text) {
        if (c >= '0' && c <= '9')
            digits.append(c);
    }
    return digits;
}

QByteArray NumberChars(QByteArrayView text)
{
    QByteArray kept;
    kept.reserve(text.size());
    for (char c : text) {
        if ((c >= '0' && c <= '9') || c == ',')
            kept.append(c);
    }
    return kept;
}

std::int32_t ParseNumber(QByteArrayView text)
{
    // Same result as trimming, DigitsOnly and reading the decimal value, without
    // building the intermediate text: brake lines are parsed by the hundred.
    std::int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            continue;
        value = value * 10 + (c - '0');
        if (value > std::numeric_limits<std::int32_t>::max())
            return 0;
    }
    return static_cast<std::int32_t>(value);
}

}  // namespace zevo
