#include "graphics/curvedata.h"

#include <gtest/gtest.h>

namespace zevo {
namespace {

CurveChannel Ramp(int modulo)
{
    CurveChannel values{};
    for (int i = 0; i < CurveSampleCount; ++i)
        values[i] = i % modulo;
    return values;
}

QByteArray BlockText(int channel, const CurveChannel& values)
{
    QByteArray text;
    AppendCurveBlockText(text, channel, values);
    return text;
}

// The first `lines` lines of a text.
QByteArray FirstLines(const QByteArray& text, int lines)
{
    qsizetype pos = 0;
    for (int i = 0; i < lines; ++i)
        pos = text.indexOf('\n', pos) + 1;
    return text.left(pos);
}

// Channel 1 of Ramp(200) with sample row 3 (48..63, hex 30..3F, text line 4) replaced by `row`.
QByteArray WithSampleRow3(const QByteArray& row)
{
    QByteArray text = BlockText(1, Ramp(200));
    const qsizetype start = FirstLines(text, 4).size();
    return text.replace(start, text.indexOf('\r', start) - start, row);
}

bool AllZeroFrom(const CurveChannel& samples, int from)
{
    return std::all_of(samples.begin() + from, samples.end(), [](double s) { return s == 0.0; });
}

TEST(CurveDataLoad, BlocksWrittenLoadBackUnchanged)
{
    // The text's exact form is the received golden tests' (tests/reception, tests/tools).
    const QByteArray written = BlockText(9, Ramp(256)) + BlockText(40, Ramp(7));
    // Channels from 96 up have no slot; their blocks are passed over.
    const QByteArray text = BlockText(0x60, Ramp(3)) + "$123456789ABC\r\n" + BlockText(0, Ramp(5)).mid(5) + written;

    CurveData curves;
    curves[5][100] = 7.0;  // left over from the previous test
    for (const QByteArray& stored : {text, QByteArray(text).replace("\r\n", "\n")}) {
        const CurveLoadResult result = LoadCurveData(curves, stored);
        EXPECT_TRUE(result.Complete());
        EXPECT_EQ(result.blocksLoaded, 2);
        EXPECT_EQ(result.blocksSkipped, 2);
        EXPECT_EQ(curves[9], Ramp(256));
        EXPECT_EQ(curves[40], Ramp(7));
        EXPECT_TRUE(AllZeroFrom(curves[5], 0));
        EXPECT_TRUE(AllZeroFrom(curves[0], 0));
    }
    for (const char* noBlock : {"", "$00", "$00\r\n"})
        EXPECT_TRUE(LoadCurveData(curves, noBlock).Complete()) << noBlock;
    // A field of one digit beside a blank is still a number.
    EXPECT_TRUE(LoadCurveData(curves, WithSampleRow3("30 31 5  6 " + QByteArray(36, 'F'))).Complete());
    EXPECT_EQ(curves[1][50], 5.0);
    EXPECT_EQ(curves[1][51], 6.0);
}

TEST(CurveDataLoad, StopsWhereTheTextIsDamagedKeepingWhatWasRead)
{
    const QByteArray block1 = BlockText(1, Ramp(200));
    const struct {
        QByteArray text;
        CurveLoadStop stop;
        int line;
        int keptSamples;  // samples of channel 1 read before the stop
    } cases[] = {
        {WithSampleRow3("30 31 32 33 34 35 36 37 38 39"), CurveLoadStop::EmptyField, 4, 58},
        {WithSampleRow3("30 31    33 34 35 36 37 38 39 3A 3B 3C 3D 3E 3F "), CurveLoadStop::EmptyField, 4, 50},
        {WithSampleRow3(""), CurveLoadStop::EmptyField, 4, 48},
        {WithSampleRow3("30 3G 32"), CurveLoadStop::BadSample, 4, 49},
        {FirstLines(block1, 11), CurveLoadStop::TruncatedBlock, 11, 160},
        {"$G1\r\n" + block1, CurveLoadStop::BadChannelLine, 0, 0},
        {"01\r\n" + block1.mid(5), CurveLoadStop::BadChannelLine, 0, 0},
        {block1 + "\r\n" + BlockText(2, Ramp(200)), CurveLoadStop::BadChannelLine, 33, 512},
        {block1 + FirstLines(BlockText(2, Ramp(200)), 3), CurveLoadStop::TruncatedBlock, 36, 512},
    };
    for (const auto& c : cases) {
        CurveData curves;
        const CurveLoadResult result = LoadCurveData(curves, c.text);
        EXPECT_EQ(result.stop, c.stop) << c.text.left(60).constData();
        EXPECT_EQ(result.line, c.line) << c.text.left(60).constData();
        for (int i = 0; i < c.keptSamples; ++i)
            ASSERT_EQ(curves[1][i], i % 200) << i;
        EXPECT_TRUE(AllZeroFrom(curves[1], c.keptSamples));
        EXPECT_TRUE(AllZeroFrom(curves[2], 32));  // the second block's two lines stay read
    }
}

TEST(CurveDataPeak, CountsOnlySamples5To505RoundedHalvesToEven)
{
    const struct {
        int index;
        double value;
        int expected;
    } cases[] = {{4, 200.0, 0}, {5, 200.0, 200}, {505, 200.0, 200}, {506, 200.0, 0},
                 {100, 2.5, 2}, {100, 3.5, 4},   {100, 2.6, 3}};
    for (const auto& c : cases) {
        CurveData curves;
        curves[16][c.index] = c.value;
        EXPECT_EQ(ChannelPeak(curves, 16), c.expected) << c.index << " " << c.value;
    }
    EXPECT_EQ(ChannelPeak(CurveData(), 96), 0);
}

TEST(CurveDataSmooth, MeansOverTheSamplesBeforeTheCallWithShorterWindowsAtTheEnds)
{
    CurveData curves;
    for (int i = 0; i < CurveSampleCount; ++i)
        curves[0][i] = i;
    curves[8][100] = 11.0;  // a spike
    SmoothChannel(curves, 0);
    SmoothChannel(curves, 8);
    SmoothChannel(curves, 96);  // no slot: nothing happens
    // 0 and 509..511 stay; 1..4 the mean of 1..5; a ramp's symmetric window
    // keeps its middle; 503..508 the mean of 503..508.
    for (int i = 0; i < CurveSampleCount; ++i) {
        const double expected = i >= 1 && i <= 4 ? 3.0 : i >= 503 && i <= 508 ? 505.5 : i;
        ASSERT_DOUBLE_EQ(curves[0][i], expected) << i;
    }
    // Had the means seen samples already smoothed, the spike would smear to one side.
    for (int i = 94; i <= 106; ++i)
        EXPECT_DOUBLE_EQ(curves[8][i], (i >= 95 && i <= 105) ? 1.0 : 0.0) << i;
}

}  // namespace
}  // namespace zevo
