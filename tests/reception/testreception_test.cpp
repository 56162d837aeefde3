#include "tests/reception/receptionharness.h"

namespace zevo {
namespace {

using namespace zevo::testing;

TEST(Framing, ThirtyBytesOutOfStepAreNeverHandledAndGarbageBeforeTheSyncPairIsDropped)
{
    ReceptionHarness h;
    h.Feed(QByteArray(10, '\x55') + Status2());  // 30 bytes, a sync pair among them
    EXPECT_FALSE(h.reception.InSync());
    EXPECT_EQ(h.reception.ReceiveCount(), 30);
    h.Feed(QByteArray(1, '\x02'));  // the 31st byte: the pair is found, both status frames go
    EXPECT_TRUE(h.reception.InSync());
    EXPECT_EQ(h.reception.ReceivedBytes().toByteArray(), QByteArray("\x02"));
}

TEST(Framing, UnknownTypeDropsSyncAndTheBytesAreSearchedAgain)
{
    ReceptionHarness h;
    h.Feed(Status2() + NumberedLines(5) + QByteArray("\x02\x33 lost frame") + NumberedLines(4, 6));
    EXPECT_FALSE(h.reception.InSync());
    EXPECT_EQ(h.reception.Assembly().PrintLineCount(), 5);
    // Everything up to the next status pair is dropped, with lines 6 to 9.
    h.Feed(Status2() + NumberedLines(9, 20) + EndOfTestFrame() + StatusFrame());
    ASSERT_EQ(h.rows.size(), 1u);
    EXPECT_TRUE(h.rows[0].Druckdaten.startsWith("LINE 1\r\n"));
    EXPECT_TRUE(h.rows[0].Druckdaten.contains("LINE 5\r\nLINE 20\r\n"));
    EXPECT_FALSE(h.rows[0].Druckdaten.contains("LINE 6"));
}

TEST(Framing, OneTickHandlesTheShortFramesBehindACurveBlock)
{
    ReceptionHarness h(4095);
    h.source.Append(Status2() + CurveBlockFrame(0, {}) + NumberedLines(9) + EndOfTestFrame() + StatusFrame());
    h.reception.Timer1Timer();
    EXPECT_EQ(h.rows.size(), 1u);
}

TEST(Framing, ATickFromInsideTheStoredCallbackLeavesTheBytesForTheNextTick)
{
    ReceptionHarness h;
    h.whenStored = [&h] { h.reception.Timer1Timer(); };  // a print dialog's event loop
    h.Feed(Status2() + NumberedLines(9) + EndOfTestFrame() + NumberedLines(9, 20) + EndOfTestFrame() + Status2());
    h.Feed(Status2());
    ASSERT_EQ(h.rows.size(), 2u);
    EXPECT_TRUE(h.rows[1].Druckdaten.startsWith("LINE 20\r\nLINE 21\r\n"));
}

// The line goes away (adapter unplugged): the last frame has no next byte to wait for,
// and half a frame must not take the first bytes of the line that comes back.
TEST(Framing, AtTheLineEndTheLastFrameIsHandledAndHalfAFrameIsNotGluedToTheNextLine)
{
    ReceptionHarness h;
    h.Feed(Status2() + NumberedLines(9) + EndOfTestFrame());
    EXPECT_TRUE(h.rows.empty());
    ASSERT_TRUE(h.reception.LineEnded());
    ASSERT_EQ(h.rows.size(), 1u);
    h.Feed(Status2() + PrintLineFrame("CUT OFF").left(7));
    ASSERT_TRUE(h.reception.LineEnded());
    h.Feed(Status2() + NumberedLines(9, 20) + EndOfTestFrame() + StatusFrame());
    ASSERT_EQ(h.rows.size(), 2u);
    EXPECT_TRUE(h.rows[1].Druckdaten.startsWith("LINE 20\r\n")) << h.rows[1].Druckdaten.left(40).toStdString();
}

// Out of step for longer than the buffer holds: the oldest bytes go, a status
// pair arriving later (even one split across reads, also before the buffer
// is full) is still found.
TEST(Framing, GarbageOverflowingTheBufferKeepsWhatCanStillStartAFrame)
{
    for (const int garbage : {4090, 65509, 65517, 65535, 200000}) {
        SCOPED_TRACE(garbage);
        ReceptionHarness h(4095);
        h.Feed(QByteArray(garbage, '\xFF') + Status2() + NumberedLines(9) + EndOfTestFrame() + StatusFrame());
        ASSERT_EQ(h.rows.size(), 1u);
        EXPECT_TRUE(h.rows[0].Druckdaten.startsWith("LINE 1\r\nLINE 2\r\n"));
        EXPECT_LT(h.reception.ReceiveCount(), 20);
    }
}

}  // namespace
}  // namespace zevo
