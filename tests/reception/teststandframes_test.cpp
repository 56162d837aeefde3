#include "reception/frametypes.h"
#include "tests/reception/receptionharness.h"

namespace zevo {
namespace {

QByteArray CurveText(int channel, int firstValue)
{
    CurveChannel values{};
    for (int i = 1; i < CurveFrameSamples; ++i)
        values[i] = (i * 7) % 256;
    values[0] = firstValue;
    QByteArray text;
    AppendCurveBlockText(text, channel, values);
    return text;
}

const QByteArray PrintText = "KD.NR.: 4711\r\nAUFTRAG:77-1\r\n$00\r\nFAHRZ.TYP\r\nP K W\r\n\r\n$0a\r\n"
                             "KM: 98765\r\n Optionen \r\n16 bytes exactly\r\n  \xC4\xD6\xDC\xDF trail  \r\n"
                             "$FF\r\n8\r\n DA-\xC4 1 \r\nHU/AU:    120019\r\n";

TEST(TestStandFrames, ReceptionStoresExactlyTheEncodedTexts)
{
    const QByteArray curves = CurveText(0, 0) + CurveText(40, 0x33) + CurveText(200, 0);
    const TestStandStream stream = EncodeTestStandStream(PrintText, curves);
    ASSERT_EQ(stream.error, QString());
    zevo::testing::ReceptionHarness h;
    h.Feed(stream.bytes);
    ASSERT_EQ(h.rows.size(), 1u);
    const MessungRow& row = h.rows[0];
    EXPECT_EQ(row.Druckdaten, PrintText);
    EXPECT_EQ(row.Grafikdaten, curves);
    EXPECT_EQ(row.Kennzeichen, QStringLiteral("DA-Ä 1"));
    EXPECT_EQ(h.reception.Assembly().Curves()[40][0], 0x33);
}

QByteArray Replaced(QByteArray text, const QByteArray& from, const QByteArray& to)
{
    return text.replace(text.indexOf(from), from.size(), to);
}

TEST(TestStandFrames, TextTheTestStandCouldNotSendNamesTheLineAndSendsNothing)
{
    const struct {
        QByteArray print;
        QByteArray curves;
        const char* error;
    } cases[] = {
        {"OK\r\n12345678901234567\r\n", {}, "print data line 2: 17 bytes"},
        {{}, CurveText(1, 0).left(100), "curve data line 1: the block has 3 of its 33 lines"},
        {{}, CurveText(1, 0) + Replaced(CurveText(2, 0), "07 0E ", "07 0G "), "curve data line 35: sample 3"},
        {{}, Replaced(CurveText(1, 0), "$01", "$100"), "curve data line 1: channel 256"},
        {{}, Replaced(CurveText(41, 0), "00 00 \r\n", "00 01 \r\n"), "curve data line 33: samples 510"},
        {{}, CurveText(5, 3), "curve data line 2: channel 05 counts from its first sample"},
    };
    for (const auto& c : cases) {
        const TestStandStream stream = EncodeTestStandStream(c.print, c.curves);
        EXPECT_TRUE(stream.error.startsWith(QLatin1String(c.error))) << stream.error.toStdString();
        EXPECT_TRUE(stream.bytes.isEmpty()) << c.error;
    }
}

}  // namespace
}  // namespace zevo
