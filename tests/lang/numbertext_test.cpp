#include "lang/numbertext.h"

#include <gtest/gtest.h>

namespace zevo {
namespace {

struct ParseCase {
    const char* text;
    std::optional<double> expected;
};

class ParseDecimalTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseDecimalTest, AcceptsOnlyCommaDecimals)
{
    const ParseCase& c = GetParam();
    const auto value = ParseDecimal(QByteArrayView(c.text));
    ASSERT_EQ(value.has_value(), c.expected.has_value()) << c.text;
    if (value) {
        EXPECT_DOUBLE_EQ(*value, *c.expected) << c.text;
    }
    // The QString overload agrees.
    EXPECT_EQ(ParseDecimal(QString::fromLatin1(c.text)).has_value(), c.expected.has_value()) << c.text;
}

INSTANTIATE_TEST_SUITE_P(Texts, ParseDecimalTest,
    ::testing::Values(ParseCase{"2,5", 2.5}, ParseCase{"  12345 ", 12345}, ParseCase{"-1,25", -1.25},
                      ParseCase{"+3", 3}, ParseCase{",5", 0.5}, ParseCase{"7,", 7}, ParseCase{"0", 0},
                      ParseCase{"1#80", std::nullopt}, ParseCase{"1.5", std::nullopt},
                      ParseCase{"1,2,3", std::nullopt}, ParseCase{"", std::nullopt}, ParseCase{"   ", std::nullopt},
                      ParseCase{"-", std::nullopt}, ParseCase{",", std::nullopt}, ParseCase{"1 2", std::nullopt},
                      ParseCase{"1e5", std::nullopt}));

TEST(ParseInteger, RejectsFractionsAndGarbage)
{
    EXPECT_EQ(ParseInteger(" 42 "), 42);
    EXPECT_EQ(ParseInteger("-7"), -7);
    EXPECT_FALSE(ParseInteger("4,2"));
    EXPECT_FALSE(ParseInteger("4x"));
    EXPECT_FALSE(ParseInteger(""));
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

TEST(FormatC, WritesTheReportFieldsWithTheirWidthsAndAComma)
{
    EXPECT_EQ(FormatC("%3.0f", 50.0), QStringLiteral(" 50"));
    EXPECT_EQ(FormatC(">%4.2f", 0.95), QStringLiteral(">0,95"));
    EXPECT_EQ(FormatC("(%4.2f", 0.514), QStringLiteral("(0,51"));
    EXPECT_EQ(FormatC("%5.0f N", 10000.0), QStringLiteral("10000 N"));
    EXPECT_EQ(FormatC("%5.0f N", 0.0), QStringLiteral("    0 N"));
    EXPECT_EQ(FormatC(" %4.0f", 10.5), QStringLiteral("   10"));  // printf's halves to even
    EXPECT_EQ(FormatC("%d", -12), QStringLiteral("-12"));
    // Only the number's own point becomes a comma.
    EXPECT_EQ(FormatC("%d.", 2), QStringLiteral("2."));
    EXPECT_EQ(FormatC("%3d %%", 56), QStringLiteral(" 56 %"));
    EXPECT_EQ(FormatC(" %2d -%3d", 21, 100), QStringLiteral(" 21 -100"));
}

}  // namespace
}  // namespace zevo
