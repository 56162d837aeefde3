#include "lang/numbertext.h"

#include <gtest/gtest.h>

namespace zevo {
namespace {

TEST(ParseDecimal, AcceptsOnlyCommaDecimals)
{
    const std::optional<double> none;
    const std::pair<const char*, std::optional<double>> cases[] = {
        {"2,5", 2.5}, {"  12345 ", 12345}, {"-1,25", -1.25}, {"+3", 3},       {",5", 0.5}, {"7,", 7},
        {"0", 0},     {"1#80", none},      {"1.5", none},    {"1,2,3", none}, {"", none},  {"   ", none},
        {"-", none},  {",", none},         {"1 2", none},    {"1e5", none},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(ParseDecimal(QByteArrayView(text)), expected) << text;
        EXPECT_EQ(ParseDecimal(QString::fromLatin1(text)), expected) << text; // the QString overload agrees
    }
}

TEST(FormatDecimal, WritesCommaAndRoundsHalvesToEven)
{
    const std::pair<double, double> halves[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {-2.5, -2}, {2.4999, 2}, {2.51, 3}};
    for (auto [in, out] : halves)
        EXPECT_EQ(RoundHalfEven(in), out) << in;
    EXPECT_EQ(FormatDecimal(2.5, 1), QStringLiteral("2,5"));
    EXPECT_EQ(FormatDecimal(2.5, 0), QStringLiteral("2"));
    EXPECT_EQ(FormatDecimal(3.5, 0), QStringLiteral("4"));
    EXPECT_EQ(FormatDecimal(1234.0, 2), QStringLiteral("1234,00"));
    EXPECT_EQ(FormatDecimal(-0.01, 1), QStringLiteral("0,0"));
    EXPECT_EQ(FormatDecimal(-1.26, 1), QStringLiteral("-1,3"));
}

// The report's own fields (" >=  50%", "0,25 (0,59)", "    0 N", " 21 -100": widths,
// the decimal comma) are read back from the drawn pages in tests/report.
TEST(FormatC, HalvesToEvenAndOnlyTheNumbersOwnPointBecomesAComma)
{
    EXPECT_EQ(FormatC(" %4.0f", 10.5), QStringLiteral("   10"));  // printf's halves to even
    EXPECT_EQ(FormatC("%d", -12), QStringLiteral("-12"));
    EXPECT_EQ(FormatC("%d.", 2), QStringLiteral("2."));
}

}  // namespace
}  // namespace zevo
