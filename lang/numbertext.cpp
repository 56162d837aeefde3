#include "lang/numbertext.h"

#include <QByteArray>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>
#include <string_view>

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

double RoundHalfEven(double value)
{
    // The program never leaves the default rounding mode (to nearest, halves
    // to even), which is what nearbyint follows.
    return std::nearbyint(value);
}

int RoundToInt(double value) { return static_cast<int>(RoundHalfEven(value)); }

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

namespace {

// The one conversion of a printf format: where it starts and where it ends.
struct Conversion {
    int begin = -1;
    int end = -1;  // one past the conversion letter
};

Conversion FindConversion(const char* format)
{
    const std::string_view text(format);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%')
            continue;
        if (i + 1 < text.size() && text[i + 1] == '%') {
            ++i;
            continue;
        }
        std::size_t j = i + 1;
        while (j < text.size() && std::string_view("-+ #0123456789.").find(text[j]) != std::string_view::npos)
            ++j;
        return {static_cast<int>(i), static_cast<int>(std::min(j + 1, text.size()))};
    }
    return {};
}

// printf writes "." whatever the locale; the workshop reads ",". Only the
// number's own point changes: the literal text around it stays ("%d." is "1.").
template <typename... Values>
QString FormatWithComma(const char* format, Values... values)
{
    char text[96];
    const Conversion conversion = FindConversion(format);
    if (conversion.begin < 0 || sizeof...(Values) != 1) {
        std::snprintf(text, sizeof text, format, values...);
        return QString::fromLatin1(text);
    }
    const std::string_view whole(format);
    const std::string one(whole.substr(conversion.begin, conversion.end - conversion.begin));
    std::snprintf(text, sizeof text, one.c_str(), values...);
    QString number = QString::fromLatin1(text);
    number.replace(QLatin1Char('.'), QLatin1Char(','));
    std::string prefix(whole.substr(0, conversion.begin));
    std::string suffix(whole.substr(conversion.end));
    // "%%" in the literal parts stands for one "%".
    for (std::string* part : {&prefix, &suffix}) {
        for (std::size_t at = part->find("%%"); at != std::string::npos; at = part->find("%%", at + 1))
            part->erase(at, 1);
    }
    return QString::fromLatin1(prefix.c_str()) + number + QString::fromLatin1(suffix.c_str());
}

}  // namespace

QString FormatC(const char* format, double value) { return FormatWithComma(format, value); }

QString FormatC(const char* format, int value) { return FormatWithComma(format, value); }

QString FormatC(const char* format, int first, int second) { return FormatWithComma(format, first, second); }

}  // namespace zevo
