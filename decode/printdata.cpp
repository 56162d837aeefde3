#include "decode/printdata.h"

#include "decode/linetext.h"

#include <limits>

namespace zevo {

PrintData::PrintData(QByteArrayView text)
{
    lines_.reserve(text.size() / 16 + 1);
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n')
            continue;
        lines_.push_back(text.sliced(start, i - start));
        if (c == '\r' && i + 1 < size && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
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
