#include "reception/teststandframes.h"

#include "graphics/curvedata.h"
#include "reception/frametypes.h"

#include <array>
#include <vector>

namespace zevo {
namespace {

QByteArray Frame(FrameType type, int length)
{
    QByteArray frame(length, '\0');
    frame[0] = char(FrameStart);
    frame[1] = char(quint8(type));
    return frame;
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// CR LF lines; a last line without CR LF still counts.
std::vector<QByteArrayView> SplitLines(QByteArrayView text)
{
    std::vector<QByteArrayView> lines;
    qsizetype from = 0;
    while (from < text.size()) {
        qsizetype end = text.indexOf(QByteArrayView("\r\n"), from);
        if (end < 0)
            end = text.size();
        lines.push_back(text.sliced(from, end - from));
        from = end + 2;
    }
    return lines;
}

QString PrintError(qsizetype index, const QString& what)
{
    return QStringLiteral("print data line %1: %2").arg(index + 1).arg(what);
}

QString CurveError(qsizetype index, const QString& what)
{
    return QStringLiteral("curve data line %1: %2").arg(index + 1).arg(what);
}

QString EncodePrintData(QByteArrayView text, QByteArray& out)
{
    const std::vector<QByteArrayView> lines = SplitLines(text);
    for (qsizetype i = 0; i < qsizetype(lines.size()); ++i) {
        const QByteArrayView line = lines[i];
        if (line.size() > PrintLinePayload)
            return PrintError(i, QStringLiteral("%1 bytes, but a print line holds at most 16").arg(line.size()));
        if (line.contains('\0'))
            return PrintError(i, QStringLiteral("a 0 byte would end the line there"));
        if (IsBlockCodeLine(line))
            out += BlockCodeFrame(quint8(HexValue(line[1]) * 16 + HexValue(line[2])));
        else if (line == QByteArrayView(OptionsLine))
            out += OptionsFrame();
        else
            out += PrintLineFrame(line);
    }
    return {};
}

// One 33-line block starting at lines[first] into a type-165 frame.
QString EncodeCurveBlock(const std::vector<QByteArrayView>& lines, qsizetype first, QByteArray& out)
{
    const QByteArrayView head = lines[first];
    int channel = 0;
    bool headOk = head.size() >= 2 && head[0] == '$';
    for (qsizetype k = 1; headOk && k < head.size(); ++k) {
        const int digit = HexValue(head[k]);
        headOk = digit >= 0;
        channel = qMin(channel * 16 + digit, 0x10000);
    }
    if (!headOk)
        return CurveError(first, QStringLiteral("a block begins with \"$\" and the channel number in hex"));
    if (channel > 255)
        return CurveError(first, QStringLiteral("channel %1 does not fit the frame's channel byte").arg(channel));
    if (head.size() != 3)
        return CurveError(first, QStringLiteral("the channel number is written with two hex digits"));

    std::array<int, CurveSampleCount> values{};
    for (int row = 0; row < CurveLinesPerBlock - 1; ++row) {
        const qsizetype index = first + 1 + row;
        const QByteArrayView line = lines[index];
        if (line.size() != CurveSamplesPerLine * 3)
            return CurveError(index, QStringLiteral("a sample line holds 16 samples \"XX \" (48 characters)"));
        for (int k = 0; k < CurveSamplesPerLine; ++k) {
            const int high = HexValue(line[3 * k]);
            const int low = HexValue(line[3 * k + 1]);
            if (high < 0 || low < 0 || line[3 * k + 2] != ' ')
                return CurveError(index, QStringLiteral("sample %1 is not written as \"XX \"").arg(k + 1));
            values[row * CurveSamplesPerLine + k] = high * 16 + low;
        }
    }
    // What reception would turn back into different text cannot be sent.
    if (values[CurveFrameSamples] != 0 || values[CurveFrameSamples + 1] != 0)
        return CurveError(first + 32, QStringLiteral("samples 510 and 511 must be 00, the frame carries 510 samples"));
    if (channel < FirstAbsoluteChannel && values[0] != 0)
        return CurveError(first + 1, QStringLiteral("channel %1 counts from its first sample, which must be 00")
                                         .arg(QString::fromLatin1(head.sliced(1))));

    QByteArray samples(CurveFrameSamples, '\0');
    for (int i = 0; i < CurveFrameSamples; ++i)
        samples[i] = char(values[i]);
    out += CurveBlockFrame(quint8(channel), samples);
    return {};
}

QString EncodeCurveData(QByteArrayView text, QByteArray& out)
{
    const std::vector<QByteArrayView> lines = SplitLines(text);
    const qsizetype count = qsizetype(lines.size());
    for (qsizetype first = 0; first < count; first += CurveLinesPerBlock) {
        if (count - first < CurveLinesPerBlock)
            return CurveError(first, QStringLiteral("the block has %1 of its 33 lines").arg(count - first));
        const QString error = EncodeCurveBlock(lines, first, out);
        if (!error.isEmpty())
            return error;
    }
    return {};
}

}  // namespace

QByteArray StatusFrame() { return Frame(FrameType::Status, StatusFrameLength); }

QByteArray PrintLineFrame(QByteArrayView line)
{
    QByteArray frame = Frame(FrameType::PrintLine, 2 + PrintLinePayload);
    const QByteArrayView sent = line.first(qMin<qsizetype>(line.size(), PrintLinePayload));
    frame.replace(2, sent.size(), sent);
    return frame;
}

QByteArray BlockCodeFrame(quint8 code)
{
    QByteArray frame = Frame(FrameType::BlockCode, 3);
    frame[2] = char(code);
    return frame;
}

QByteArray OptionsFrame() { return Frame(FrameType::Options, 2 + OptionsPayload); }

QByteArray CurveBlockFrame(quint8 channel, QByteArrayView samples)
{
    QByteArray frame = Frame(FrameType::CurveBlock, 3 + CurveFrameSamples);
    frame[2] = char(channel);
    const QByteArrayView sent = samples.first(qMin<qsizetype>(samples.size(), CurveFrameSamples));
    frame.replace(3, sent.size(), sent);
    return frame;
}

QByteArray EndOfTestFrame() { return Frame(FrameType::EndOfTest, 2); }

TestStandStream EncodeTestStandStream(QByteArrayView printData, QByteArrayView curveData)
{
    TestStandStream stream;
    QByteArray out;
    for (int i = 0; i < 4; ++i)
        out += StatusFrame();
    stream.error = EncodePrintData(printData, out);
    if (stream.error.isEmpty())
        stream.error = EncodeCurveData(curveData, out);
    if (!stream.error.isEmpty())
        return stream;
    out += EndOfTestFrame();
    for (int i = 0; i < 4; ++i)
        out += StatusFrame();
    stream.bytes = std::move(out);
    return stream;
}

}  // namespace zevo
