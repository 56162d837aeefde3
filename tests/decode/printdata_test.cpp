// Reading the print data: lines, markers and the number fields.

#include "decode/printdata.h"

#include "decodefixture.h"

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
    // Only CR LF ends a line: a lone LF or CR is a byte of its line.
    const PrintData damaged(QByteArrayView("a\nb\r\nc\rd\r\nFAHRZ.TYP\r\n"));
    ASSERT_EQ(damaged.LineCount(), 3);
    EXPECT_EQ(damaged.Line(1), "c\rd");
    EXPECT_EQ(damaged.FindLine("FAHRZ.TYP"), 2);
}

TEST(PrintDataNumbers, DigitsNumberCharsAndParseNumber)
{
    const struct {
        const char* text;
        const char* numberChars;
        int number;
    } cases[] = {{" 2450", "2450", 2450}, {"-2.45", "245", 245}, {" 12,5 ", "12,5", 125}, {"  KG ", "", 0},
                 {"0350", "0350", 350},   {"1#80", "180", 180},  {"2147483647", "2147483647", 2147483647},
                 {"2147483648", "2147483648", 0}};  // beyond 32 bits
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(DigitsOnly(c.text), QByteArray(c.numberChars).replace(",", ""));
        EXPECT_EQ(NumberChars(c.text), c.numberChars);
        EXPECT_EQ(ParseNumber(c.text), c.number);
    }
}

}  // namespace
}  // namespace zevo::test
