// The test stand's own verdict lines after the brake blocks, and the check lists.

#include "decode/brakestart.h"
#include "decode/checklists.h"

#include "decode/printdata.h"
#include "decodefixture.h"

namespace zevo::test {
namespace {

TEST_F(DecodeTest, BrakeStartFlagsFromThePrintedPhrases)
{
    // Each phrase as printed is the golden files' (car, motorcycle); here, what does not count.
    const std::pair<QByteArray, const char*> cases[] = {  // BrakeTestOk, SpeedOk, BrakeNotOk, SpeedLow, BrakeChecked
        // Spacing and case are part of the phrases; both words of "BREMSE GEPRUEFT" on one line.
        {PrintText({" BREMSSTART", " Bremsentest OK", "SPEED OK", " BREMSE N", "GEPRUEFT", "", "E"}), "00000"},
        {PrintText({" BREMSSTART", "SPEED         OK", " BREMSENTEST OK"}), "01000"},  // the last line is not read
        {PrintText({" BREMSSTART", "$32", " BREMSENTEST OK", "END"}), "00000"},        // a code line ends the section
    };
    for (const auto& [text, expected] : cases) {
        report.BrakeTestOk = report.SpeedOk = report.BrakeNotOk = report.SpeedLow = report.BrakeChecked = 1;
        DecodeBrakeStart(PrintData(text), report);
        const char flags[] = {char('0' + report.BrakeTestOk),  char('0' + report.SpeedOk),
                              char('0' + report.BrakeNotOk),   char('0' + report.SpeedLow),
                              char('0' + report.BrakeChecked), '\0'};
        EXPECT_STREQ(flags, expected) << text.constData();
    }
}

class CheckListTest : public DecodeTest {
protected:
    void Decode(const QByteArray& text, const char* marker)
    {
        DecodeCheckList(PrintData(text), marker, report, nextLine);
    }
    int nextLine = CheckList2First;
};

const QByteArray TwoParts = PrintText({"$32", "CHECKLISTE", "----------", "LICHT      O.K.", "BREMSLTG.  O.K.", "",
                                       "AUSPUFF", "-------", "ROST       O.K.", "LENKUNG    O.K.", " ", "END"});

TEST_F(CheckListTest, BothMarkersFollowOneAnotherInTheSecondList)
{
    QByteArray second = TwoParts;
    second.replace(0, 3, "$33");
    second.replace("LICHT", "HUPE ").replace("ROST ", "SITZE");
    report.SetLineB(70, "old");
    Decode(TwoParts + second, "$32");
    Decode(TwoParts + second, "$33");
    EXPECT_EQ(LineB(25), "Check 1");
    EXPECT_EQ(LineB(50), "Check 1");
    EXPECT_EQ(LineB(26), "LICHT      O.K.");
    EXPECT_EQ(LineB(28), "");  // the blank line ending part one is stored too
    // "$32" part two, then "$33" part one, then "$33" part two: none overwrites another.
    QByteArrayList listTwo;
    for (int i = 51; i <= 60; ++i)
        listTwo << LineB(i);
    EXPECT_EQ(listTwo.join('|'), "ROST       O.K.|LENKUNG    O.K.| |HUPE       O.K.|BREMSLTG.  O.K.||"
                                 "SITZE      O.K.|LENKUNG    O.K.| |");
    EXPECT_EQ(LineB(70), "");  // emptied by the "$32" step
}

TEST_F(CheckListTest, ListsKeepTheirFirstLines)
{
    QByteArray text = "$32\r\nH\r\n-\r\n";
    for (int i = 1; i <= 30; ++i)
        text += "ONE " + QByteArray::number(i) + "\r\n";
    text += "\r\nH\r\n-\r\n";
    for (int i = 1; i <= 25; ++i)
        text += "TWO " + QByteArray::number(i) + "\r\n";
    Decode(text, "$32");  // part two runs to the end of the text
    EXPECT_EQ(LineB(49), "ONE 24");
    EXPECT_EQ(LineB(50), "Check 1");
    EXPECT_EQ(LineB(70), "TWO 20");
    EXPECT_EQ(LineB(71), "");
}

}  // namespace
}  // namespace zevo::test
