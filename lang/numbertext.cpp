#include "lang/numbertext.h"

#include <cmath>

namespace zevo {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

QByteArrayView TrimBlanks(QByteArrayView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

}  // namespace

std::optional<double> ParseDecimal(QByteArrayView text)
{
    text = TrimBlanks(text);
    bool negative = false;
    qsizetype i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    double whole = 0;
    double fraction = 0;
    double scale = 1;
    bool seenComma = false;
    bool seenDigit = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            seenDigit = true;
            if (seenComma) {
                scale /= 10;
                fraction += (c - '0') * scale;
            } else {
                whole = whole * 10 + (c - '0');
            }
        } else if (c == ',' && !seenComma) {
            seenComma = true;
        } else {
            return std::nullopt;
        }
    }
    if (!seenDigit)
        return std::nullopt;
    const double value = whole + fraction;
    return negative ? -value : value;
}

std::optional<double> ParseDecimal(QStringView text)
{
    // Only ASCII can form a number, so a lossy narrowing is harmless here.
    return ParseDecimal(QByteArrayView(text.toLatin1()));
}

std::optional<long long> ParseInteger(QByteArrayView text)
{
    text = TrimBlanks(text);
    if (text.contains(','))
        return std::nullopt;
    const auto value = ParseDecimal(text);
    if (!value || std::abs(*value) > 9.0e15)
        return std::nullopt;
    return static_cast<long long>(*value);
}

double RoundHalfEven(double value)
{
    // The program never leaves the default rounding mode (to nearest, halves
    // to even), which is what nearbyint follows.
    return std::nearbyint(value);
}

QString FormatDecimal(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    double rounded = RoundHalfEven(value * scale) / scale;
    if (rounded == 0)
        rounded = 0;  // no "-0,0" on a report
    QString text = QString::number(rounded, 'f', decimals);
    text.replace(QLatin1Char('.'), QLatin1Char(','));
    return text;
}

}  // namespace zevo
