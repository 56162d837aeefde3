// The report record is also the file "Params.ini": its bytes round trip, its strings keep their limits.

#include "decode/reportrecord.h"

#include <gtest/gtest.h>

namespace zevo {
namespace {

TEST(ReportRecordBytes, WrittenAndReadBackIsIdentical)
{
    // Every byte different, as a file written by an older program may hold.
    EXPECT_EQ(ReportRecordBytes(EmptyReportRecord()), QByteArray(ReportRecordSize, '\0'));
    QByteArray image(ReportRecordSize, Qt::Uninitialized);
    for (int i = 0; i < image.size(); ++i)
        image[i] = char((i * 7 + 3) & 0xFF);
    ReportRecord record = EmptyReportRecord();
    ASSERT_TRUE(ReportRecordFromBytes(image, record));
    EXPECT_EQ(ReportRecordBytes(record), image);
    EXPECT_FALSE(ReportRecordFromBytes(image.left(ReportRecordSize - 1), record));
    EXPECT_FALSE(ReportRecordFromBytes(image + 'x', record));
    EXPECT_EQ(ReportRecordBytes(record), image);  // a refused image changes nothing

    record.SetLineB(71, "last");
    record.SetSuspensionText(2, 1, 2, "123");  // the last of the eighteen short strings
    const QByteArray bytes = ReportRecordBytes(record);
    EXPECT_EQ(bytes.mid(4200 + 71 * 51, 51), QByteArray("last") + QByteArray(47, '\0'));
    EXPECT_EQ(bytes.mid(4194, 6), QByteArray("\x03" "123\0\0", 6));
}

TEST(ReportRecordLines, CutToTheirSizesAndNeverReadPastAField)
{
    ReportRecord record = EmptyReportRecord();
    record.SetLineA(10, QByteArray(60, 'x'));
    EXPECT_EQ(record.LineA(10), QByteArray(50, 'x'));
    record.SetSuspensionText(1, 0, 1, "1234567");
    EXPECT_EQ(record.SuspensionText(1, 0, 1), "12345");

    QByteArray image(ReportRecordSize, '\0');
    image.replace(51, 51, QByteArray(51, 'z'));  // LinesA[1] without its terminating zero
    image[4092] = char(200);                     // a length byte beyond five characters
    ASSERT_TRUE(ReportRecordFromBytes(image, record));
    EXPECT_EQ(record.LineA(1).size(), 51);
    EXPECT_EQ(record.SuspensionText(0, 0, 0).size(), 5);
}

}  // namespace
}  // namespace zevo
