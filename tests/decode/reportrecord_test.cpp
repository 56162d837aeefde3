// The report record is also the file "Params.ini": its byte image must survive
// a write and a read unchanged, and lines and short strings keep their limits.

#include "decode/reportrecord.h"

#include <QByteArray>
#include <gtest/gtest.h>

namespace zevo {
namespace {

TEST(ReportRecordBytes, WrittenAndReadBackIsIdentical)
{
    // Every byte different, as a file written by an older program may hold.
    QByteArray image(ReportRecordSize, Qt::Uninitialized);
    for (int i = 0; i < image.size(); ++i)
        image[i] = char((i * 7 + 3) & 0xFF);
    ReportRecord record = EmptyReportRecord();
    ASSERT_TRUE(ReportRecordFromBytes(image, record));
    EXPECT_EQ(ReportRecordBytes(record), image);
    EXPECT_FALSE(ReportRecordFromBytes(image.left(ReportRecordSize - 1), record));
    EXPECT_FALSE(ReportRecordFromBytes(image + 'x', record));
    EXPECT_EQ(ReportRecordBytes(record), image);  // a refused image changes nothing
}

TEST(ReportRecordBytes, FieldsLandAtTheirFileOffsets)
{
    ReportRecord record = EmptyReportRecord();
    record.SetLineA(0, "Firma Muster");
    record.SetLineB(71, "last");
    record.BrakeValue(2, Right, 7) = 0x01020304;  // the very last integer of the table
    record.SetSuspensionText(2, 1, 2, "123");     // the last of the eighteen short strings
    record.BrakeChecked = 1;
    record.RendererField = 0x0A0B0C0D;
    const QByteArray bytes = ReportRecordBytes(record);
    EXPECT_EQ(bytes.mid(0, 13), QByteArray("Firma Muster\0", 13));
    EXPECT_EQ(bytes.mid(4200 + 71 * 51, 5), QByteArray("last\0", 5));
    EXPECT_EQ(bytes.mid(4088, 4), QByteArray("\x04\x03\x02\x01", 4));
    EXPECT_EQ(bytes.mid(4194, 6), QByteArray("\x03"
                                             "123\0\0",
                                             6));
    EXPECT_EQ(bytes[7960], '\x01');
    EXPECT_EQ(bytes.mid(7964, 4), QByteArray("\x0D\x0C\x0B\x0A", 4));
}

TEST(ReportRecordLines, CutAtFiftyAndNoStaleBytesBehindAShorterLine)
{
    ReportRecord record = EmptyReportRecord();
    record.SetLineA(10, QByteArray(60, 'x'));
    EXPECT_EQ(record.LineA(10), QByteArray(50, 'x'));
    record.SetLineA(10, "ab");
    EXPECT_EQ(QByteArray(record.LinesA[10], 51), QByteArray("ab") + QByteArray(49, '\0'));
    record.SetSuspensionText(1, 0, 1, "1234567");
    EXPECT_EQ(record.SuspensionText(1, 0, 1), "12345");
}

TEST(ReportRecordLines, DamagedFileIsNeverReadPastAField)
{
    QByteArray image(ReportRecordSize, '\0');
    image.replace(51, 51, QByteArray(51, 'z'));  // LinesA[1] without its terminating zero
    image[4092] = char(200);                     // a length byte beyond five characters
    ReportRecord record = EmptyReportRecord();
    ASSERT_TRUE(ReportRecordFromBytes(image, record));
    EXPECT_EQ(record.LineA(1).size(), 51);
    EXPECT_EQ(record.SuspensionText(0, 0, 0).size(), 5);
}

}  // namespace
}  // namespace zevo
