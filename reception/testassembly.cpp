#include "reception/testassembly.h"

#include "lang/cp1252.h"
#include "lang/numbertext.h"
#include "reception/frametypes.h"

#include <cstring>

namespace zevo {
namespace {

constexpr char HexDigits[] = "0123456789ABCDEF";

// The line "$XX" that stands for a code or a channel number in the texts.
std::array<char, 3> DollarHex(quint8 value) { return {'$', HexDigits[value >> 4], HexDigits[value & 0xF]}; }

// Blanks as the report lines know them: every control byte and the space.
QByteArrayView TrimBlanks(QByteArrayView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && static_cast<uchar>(text[begin]) <= 0x20)
        ++begin;
    while (end > begin && static_cast<uchar>(text[end - 1]) <= 0x20)
        --end;
    return text.sliced(begin, end - begin);
}

// `count` characters from 1-based column `first`, fewer where the line is short.
QByteArrayView Columns(QByteArrayView line, int first, int count)
{
    const qsizetype from = first - 1;
    if (from >= line.size())
        return {};
    return line.sliced(from, qMin<qsizetype>(count, line.size() - from));
}

// Both texts are lines of bytes as received, each followed by CR LF.
void AppendLine(QByteArray& text, QByteArrayView line)
{
    text.append(line);
    text.append("\r\n", 2);
}

}  // namespace

TestAssembly::TestAssembly(ReceptionHooks hooks) : m_hooks(std::move(hooks))
{
    if (!m_hooks.clock)
        m_hooks.clock = [] { return QDateTime::currentDateTime(); };
}

// ---- PrintLineFields ----

void PrintLineFields::Clear()
{
    m_orderNumber.clear();
    m_lineCount = 0;
    m_vehicleBlockActive = false;
    m_vehicleBlockStart = 0;
    for (QByteArray& line : m_vehicleLines)
        line.clear();
}

void PrintLineFields::Take(QByteArrayView line)
{
    ++m_lineCount;
    if (line.startsWith("AUFTRAG"))
        m_orderNumber = Columns(line, 9, 20).toByteArray();

    // Checked before the "FAHRZ.TYP" test below, so that line itself is never
    // kept and a second one starts the numbering again.
    const int index = m_lineCount - m_vehicleBlockStart;
    if (m_vehicleBlockActive && index >= 1 && index <= 10)
        m_vehicleLines[index - 1] = line.first(qMin<qsizetype>(line.size(), 16)).toByteArray();

    if (line.startsWith("FAHRZ.TYP")) {
        m_vehicleBlockActive = true;
        m_vehicleBlockStart = m_lineCount;
    }
}

void PrintLineFields::FillRow(MessungRow& row, int currentYear) const
{
    const QByteArrayView line4 = m_vehicleLines[3];
    const QByteArrayView line8 = m_vehicleLines[7];
    const QByteArrayView line9 = m_vehicleLines[8];
    row.Kennzeichen = FromCp1252(TrimBlanks(line8));
    row.AuftragsNr = FromCp1252(m_orderNumber);
    // A mileage that is no number is stored as no value; the test itself is kept.
    row.Km = ParseDecimal(TrimBlanks(Columns(line4, 4, 13)));
    row.HU = TestAssembly::InspectionDate(line9, 11, 13, currentYear);
    row.AU = TestAssembly::InspectionDate(line9, 14, 16, currentYear);
}

MessungRow RowFieldsOfPrintData(QByteArrayView printData, int currentYear)
{
    PrintLineFields fields;
    qsizetype from = 0;
    while (from < printData.size()) {
        qsizetype end = printData.indexOf(QByteArrayView("\r\n"), from);
        if (end < 0)
            end = printData.size();
        QByteArrayView line = printData.sliced(from, end - from);
        from = end + 2;
        if (IsBlockCodeLine(line) || line == QByteArrayView(OptionsLine))
            continue;
        line = line.first(qMin<qsizetype>(line.size(), PrintLinePayload));
        if (const qsizetype zero = line.indexOf('\0'); zero >= 0)
            line = line.first(zero);
        fields.Take(line);
    }
    MessungRow row;
    fields.FillRow(row, currentYear);
    return row;
}

// ---- TestAssembly ----

void TestAssembly::StorePrintLine(const uchar* frame)
{
    // The line is the payload's bytes as printed (Windows-1252), up to the first 0 byte.
    const char* payload = reinterpret_cast<const char*>(frame + 2);
    const QByteArrayView line(payload, static_cast<qsizetype>(strnlen(payload, PrintLinePayload)));
    AppendLine(m_druckdaten, line);
    m_fields.Take(line);
}

void TestAssembly::StoreBlockCode(const uchar* frame)
{
    const auto code = DollarHex(frame[2]);
    AppendLine(m_druckdaten, QByteArrayView(code.data(), code.size()));
}

void TestAssembly::StoreOptionsLine(const uchar*) { AppendLine(m_druckdaten, OptionsLine); }

void TestAssembly::StoreCurveBlock(const uchar* frame)
{
    const int channel = frame[2];
    const uchar* samples = frame + 3;
    // Brake channels are relative to their first sample; pedal channels keep
    // the raw bytes.
    const int zero = channel < FirstAbsoluteChannel ? samples[0] : 0;
    for (int i = 0; i < CurveFrameSamples; ++i)
        m_blockValues[i] = qMax(samples[i] - zero, 0);
    // The frame carries only 510 samples; the last two of the block are 0.
    for (int i = CurveFrameSamples; i < CurveSampleCount; ++i)
        m_blockValues[i] = 0;

    // A channel beyond the table has no slot to draw from, but its block stays
    // in the text like every other received block.
    if (channel < CurveChannelCount)
        m_curveData[channel] = m_blockValues;
    AppendCurveBlockText(m_grafikdaten, channel, m_blockValues);
}

void TestAssembly::FinishTest(const uchar*)
{
    // A test stand that stops after a few lines has not reported a test; what
    // came so far stays and belongs to the next one.
    if (m_fields.LineCount() <= 8)
        return;
    m_pending.push_back(CollectedRow());
    ResetTestData();
    RetryPending();
}

void TestAssembly::DropFrame(const uchar*) {}

MessungRow TestAssembly::CollectedRow() const
{
    const QDateTime now = m_hooks.clock();
    MessungRow row;
    m_fields.FillRow(row, now.date().year());
    row.Datum = now.date();
    row.Uhrzeit = now.time();
    row.Bearbeitet = QStringLiteral("n");
    row.Druckdaten = m_druckdaten;
    row.Grafikdaten = m_grafikdaten;
    return row;
}

bool TestAssembly::RetryPending()
{
    while (!m_pending.empty()) {
        StoreResult result;
        if (m_hooks.store)
            result = m_hooks.store(m_pending.front());
        else
            result.Error = QStringLiteral("There is no database to store the received test in.");
        if (!result.Stored) {
            if (m_hooks.storeFailed)
                m_hooks.storeFailed(result.Error);
            return false;
        }
        m_pending.pop_front();
        const bool printAtOnce = m_hooks.settings && m_hooks.settings->Field[PrintMode] == PrintAtOnce;
        if (m_hooks.stored)
            m_hooks.stored(result.Id, printAtOnce);
    }
    return true;
}

void TestAssembly::ResetTestData()
{
    m_fields.Clear();
    m_druckdaten.clear();
    m_grafikdaten.clear();
}

QString TestAssembly::InspectionDate(QByteArrayView line, int m, int y, int currentYear)
{
    const QByteArrayView month = Columns(line, m, 2);
    if (TrimBlanks(month).isEmpty())
        return {};
    const QString century = QStringLiteral("%1").arg(currentYear, 4, 10, QLatin1Char('0')).left(3);
    return FromCp1252(month) + QLatin1Char('.') + century + FromCp1252(Columns(line, y, 1));
}

}  // namespace zevo
