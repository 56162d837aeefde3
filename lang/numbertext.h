#pragma once
// Numbers as the test stand and the workshop write them: "," is the decimal
// separator ("2,5"). Every parse and format of a number in the program goes
// through here, so the separator and the rounding live in one place.

#include <QByteArrayView>
#include <QString>
#include <optional>

namespace zevo {

// Accepts blanks around the number, an optional sign, digits and at most one
// ","; at least one digit. Anything else ("1#80", "1.5", "") gives nothing.
std::optional<double> ParseDecimal(QByteArrayView text);
std::optional<double> ParseDecimal(QStringView text);

// Nearest whole number, halves to even (2,5 -> 2; 3,5 -> 4).
double RoundHalfEven(double value);
// The same as an int: device pixels, percent shares.
int RoundToInt(double value);

// value with exactly `decimals` digits after the ",", halves to even.
QString FormatDecimal(double value, int decimals);

// The report's fixed-width number fields, written as C printf formats with
// one conversion ("%3.0f", "%4.2f", "%5.0f N", " %2d -%3d" takes two ints),
// with "," as the decimal separator: FormatC("%4.2f", 0.95) is "0,95".
QString FormatC(const char* format, double value);
QString FormatC(const char* format, int value);
QString FormatC(const char* format, int first, int second);

}  // namespace zevo
