#include "decode/reportrecord.h"

#include <algorithm>
#include <cstring>
#include <type_traits>

namespace zevo {

static_assert(std::is_trivially_copyable_v<ReportRecord>, "the record is copied as bytes");

namespace {

QByteArrayView LineOf(const ReportLine& line)
{
    // A line read from a damaged file may lack its terminator: never read past the 51 bytes.
    const void* end = std::memchr(line, '\0', sizeof(ReportLine));
    const qsizetype length = end ? static_cast<const char*>(end) - line : qsizetype(sizeof(ReportLine));
    return QByteArrayView(line, length);
}

void StoreLine(ReportLine& line, QByteArrayView text)
{
    // Windows-1252 has no zero byte inside a text; a stray one simply ends the line.
    const qsizetype length = std::min<qsizetype>(text.size(), ReportLineLength);
    std::memset(line, 0, sizeof(ReportLine));
    if (length > 0)
        std::memcpy(line, text.data(), length);
}

}  // namespace

QByteArrayView ReportRecord::LineA(int i) const
{
    return LineOf(LinesA[i]);
}
QByteArrayView ReportRecord::LineB(int i) const
{
    return LineOf(LinesB[i]);
}
void ReportRecord::SetLineA(int i, QByteArrayView text)
{
    StoreLine(LinesA[i], text);
}
void ReportRecord::SetLineB(int i, QByteArrayView text)
{
    StoreLine(LinesB[i], text);
}

QByteArrayView ReportRecord::SuspensionText(int axle, int side, int row) const
{
    const ShortText& text = Suspension[axle][side][row];
    return QByteArrayView(text.chars, std::min<int>(text.length, SuspensionTextLength));
}

void ReportRecord::SetSuspensionText(int axle, int side, int row, QByteArrayView text)
{
    ShortText& stored = Suspension[axle][side][row];
    const qsizetype length = std::min<qsizetype>(text.size(), SuspensionTextLength);
    std::memset(&stored, 0, sizeof(ShortText));
    stored.length = static_cast<std::uint8_t>(length);
    if (length > 0)
        std::memcpy(stored.chars, text.data(), length);
}

ReportRecord EmptyReportRecord()
{
    ReportRecord record;
    std::memset(&record, 0, sizeof(record));
    return record;
}

QByteArray ReportRecordBytes(const ReportRecord& record)
{
    return QByteArray(reinterpret_cast<const char*>(&record), sizeof(record));
}

bool ReportRecordFromBytes(QByteArrayView bytes, ReportRecord& record)
{
    if (bytes.size() != qsizetype(sizeof(ReportRecord)))
        return false;
    std::memcpy(&record, bytes.data(), sizeof(record));
    return true;
}

}  // namespace zevo
