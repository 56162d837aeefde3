// Reading the print data: lines, markers and the number fields.

#include "decode/printdata.h"

#include "decodefixture.h"

#include <gtest/gtest.h>

namespace zevo::test {
namespace {

TEST(PrintDataLines, SplitReadPastTheEndAndFindMarkers)
{
    const QByteArray bytes = PrintText({"x $00", "$001", "", "  GESAMTGEWICHT", " GESAMTGEWICHT", "$20"});
    const PrintData text(bytes);
    ASSERT_EQ(text.LineCount(), 6);  // the empty line after the last CR LF is not counted
    EXPECT_EQ(text.Line(2), "");
    EXPECT_EQ(text.Line(6), "");
    EXPECT_EQ(text.Line(-1), "");
    EXPECT_EQ(text.FindLine("$00"), 1);             // begins with it
    EXPECT_EQ(text.FindLine(" GESAMTGEWICHT"), 4);  // leading blanks count
    EXPECT_EQ(text.FindLine("$0a"), 6);             // case-sensitive; not found gives the count
    EXPECT_TRUE(text.IsPresent(text.FindLine("$20")));
    EXPECT_FALSE(text.HasLinesAfter(text.FindLine("$20")));  // on the last line
    EXPECT_EQ(PrintData(QByteArrayView("a\nb\r\nc")).LineCount(), 3);
}

struct NumberCase {
    const char* text;
    const char* numberChars;
    int number;
};

class NumberFields : public ::testing::TestWithParam<NumberCase> {};

TEST_P(NumberFields, DigitsNumberCharsAndParseNumber)
{
    const NumberCase& c = GetParam();
    EXPECT_EQ(DigitsOnly(c.text), QByteArray(c.numberChars).replace(",", ""));
    EXPECT_EQ(NumberChars(c.text), c.numberChars);
    EXPECT_EQ(ParseNumber(c.text), c.number);
}

INSTANTIATE_TEST_SUITE_P(PrintFields, NumberFields,
                         ::testing::Values(NumberCase{" 2450", "2450", 2450}, NumberCase{"-2.45", "245", 245},
                                           NumberCase{" 12,5 ", "12,5", 125}, NumberCase{"  KG ", "", 0},
                                           NumberCase{"0350", "0350", 350}, NumberCase{"1#80", "180", 180},
                                           NumberCase{"2147483647", "2147483647", 2147483647},
                                           NumberCase{"2147483648", "2147483648", 0}));  // beyond 32 bits

}  // namespace
}  // namespace zevo::test
