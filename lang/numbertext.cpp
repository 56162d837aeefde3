#include "lang/numbertext.h"

#include <QByteArray>
#include <charconv>
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
    // Checked here by our own rules, converted by from_chars on the same digits
    // with a point: summing the fraction digit by digit would make "0,6" come
    // out as 0.6000000000000001 instead of the nearest double to 0.6.
    QByteArray number;
    number.reserve(text.size() + 1);
    qsizetype i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-')
            number.append('-');
        ++i;
    }
    bool seenComma = false;
    bool seenDigit = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            seenDigit = true;
            number.append(c);
        } else if (c == ',' && !seenComma) {
            seenComma = true;
            number.append('.');
        } else {
            return std::nullopt;
        }
    }
    if (!seenDigit)
        return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(number.constData(), number.constData() + number.size(), value);
    if (error != std::errc() || end != number.constData() + number.size())
        return std::nullopt;
    return value;
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
