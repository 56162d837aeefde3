#include "tests/reception/receptionharness.h"

namespace zevo {
namespace {

using namespace zevo::testing;

const QByteArray End = EndOfTestFrame() + StatusFrame();

// A report head: "FAHRZ.TYP", the 10 lines kept after it and two more.
QByteArray VehicleBlock(const QByteArray& kmLine, const QByteArray& datesLine)
{
    QByteArray bytes;
    const QList<QByteArray> lines = {"AUFTRAG:A-12345", "FAHRZ.TYP", "P K W", "HERST.: VW", "TYP: GOLF", kmLine, "5",
                                     "6", "7", " M-\xD6L 99  ", datesLine, "10", "11 not kept", "12 not kept"};
    for (const QByteArray& line : lines)
        bytes += PrintLineFrame(line);
    return bytes;
}

TEST(Assembly, EightLinesAreNoTestAndANinthLineStoresAllNineOnceTheEndFrameIsFollowed)
{
    ReceptionHarness h;
    h.Feed(Status2() + NumberedLines(8) + End);
    EXPECT_TRUE(h.rows.empty());
    h.Feed(NumberedLines(1, 9) + EndOfTestFrame());
    EXPECT_TRUE(h.rows.empty());  // the end frame waits for the byte behind it
    EXPECT_EQ(h.reception.ReceiveCount(), 2);
    h.Feed(QByteArray(1, '\x02'));
    ASSERT_EQ(h.rows.size(), 1u);
    EXPECT_EQ(h.rows[0].Druckdaten.count("\r\n"), 9);
    EXPECT_TRUE(h.rows[0].Druckdaten.endsWith("LINE 8\r\nLINE 9\r\n"));
}

TEST(Assembly, RowFieldsComeFromTheTenLinesAfterFahrzTyp)
{
    ReceptionHarness h;
    h.settings.Field[PrintMode] = PrintAtOnce;
    h.Feed(Status2() + VehicleBlock("KM:  123456,5", "HU/AU:    056117") + StatusFrame());
    EXPECT_EQ(h.reception.Assembly().VehicleLine(10), QByteArray("10"));  // not shifted by lines 11 and 12
    h.Feed(End);
    h.settings.Field[PrintMode] = 2;
    h.Feed(VehicleBlock("KM: 12#456", "HU/AU:      6 17") + End + NumberedLines(9) + End);
    ASSERT_EQ(h.rows.size(), 3u);
    // Date, time and "untouched" are checked where a received test reaches the grid (tests/app).
    const MessungRow& row = h.rows[0];
    EXPECT_EQ(std::tie(row.Kennzeichen, row.AuftragsNr, row.Km, row.HU, row.AU),
              std::tuple(QStringLiteral("M-ÖL 99"), QStringLiteral("A-12345"), 123456.5, "05.2026", "11.2027"));
    // A mileage that is no number stores no value and keeps the test; blank month columns give no date.
    EXPECT_FALSE(h.rows[1].Km.has_value());
    EXPECT_EQ(h.rows[1].HU, QString());
    EXPECT_EQ(h.rows[1].AU, QStringLiteral(" 1.2027"));
    // A test without "FAHRZ.TYP" keeps nothing of the one before.
    EXPECT_TRUE(h.rows[2].Kennzeichen.isEmpty() && h.rows[2].AuftragsNr.isEmpty());
    EXPECT_EQ(h.stored, (std::vector<std::pair<qint64, bool>>{{101, true}, {102, false}, {103, false}}));
}

// zevo-tool takes these fields from the stored text: they must be those reception stored,
// also with block codes and options lines among the vehicle lines (golden tests: the
// header lines of zevo-tool render's page).
TEST(Assembly, RowFieldsOfTheStoredTextAreThoseReceptionStored)
{
    QByteArray mixed;
    for (const QByteArray line : {"AUFTRAG 0815", "FAHRZ.TYP", "P K W", "HERST.: VW", "TYP: GOLF"})
        mixed += PrintLineFrame(line);
    mixed += BlockCodeFrame(0x20) + OptionsFrame();
    for (const QByteArray line : {"KM:  87654", "5", "6", "7", " HH-ZE 42", "HU/AU:    056077", "10"})
        mixed += PrintLineFrame(line);
    ReceptionHarness h;
    h.Feed(Status2() + mixed + End);
    ASSERT_EQ(h.rows.size(), 1u);
    const MessungRow& stored = h.rows[0];
    const MessungRow f = RowFieldsOfPrintData(stored.Druckdaten, 2026);
    EXPECT_EQ(std::tie(f.Kennzeichen, f.AuftragsNr, f.Km, f.HU, f.AU),
              std::tie(stored.Kennzeichen, stored.AuftragsNr, stored.Km, stored.HU, stored.AU));
    EXPECT_EQ(stored.Kennzeichen, QStringLiteral("HH-ZE 42"));
    EXPECT_EQ(stored.HU, QStringLiteral("05.2026"));
    // A line longer than a print frame is read as far as the frame would carry it.
    const MessungRow cut = RowFieldsOfPrintData("AUFTRAG 12345678901\r\n", 2026);
    EXPECT_EQ(cut.AuftragsNr, QStringLiteral("12345678"));
}

TEST(Assembly, BlockCodesOptionsAndCurveBlocksBecomeTextLines)
{
    QByteArray samples(510, '\0');
    samples[0] = 12;
    samples[1] = 10;  // below the first sample: 00 on a brake channel
    samples[2] = char(0xFF);
    samples[509] = 13;
    ReceptionHarness h;
    h.Feed(Status2() + BlockCodeFrame(0x0A) + OptionsFrame() + BlockCodeFrame(0x20) + CurveBlockFrame(39, samples) +
           CurveBlockFrame(40, samples) + CurveBlockFrame(200, samples) + StatusFrame());
    const TestAssembly& a = h.reception.Assembly();
    EXPECT_EQ(a.Druckdaten(), QByteArray("$0A\r\n Optionen \r\n$20\r\n"));
    const QList<QByteArray> lines = a.Grafikdaten().split('\n');
    ASSERT_EQ(lines.size(), 3 * 33 + 1);
    EXPECT_EQ(lines[0], "$27\r");
    EXPECT_TRUE(lines[1].startsWith("00 00 F3 00 "));
    EXPECT_EQ(lines[32], QByteArray("00 ").repeated(13) + "01 00 00 \r");
    EXPECT_EQ(lines[33], "$28\r");
    EXPECT_TRUE(lines[34].startsWith("0C 0A FF 00 "));
    EXPECT_EQ(lines[66], "$C8\r");  // beyond the curve table: kept in the text only
    EXPECT_EQ(a.Curves()[39][2], 0xF3);
    EXPECT_EQ(a.Curves()[40][510], 0);
}

TEST(Assembly, AFailedStoreKeepsTheTestUntilTheNextStoreSucceeds)
{
    ReceptionHarness h;
    h.failStore = true;
    h.Feed(Status2() + NumberedLines(9) + CurveBlockFrame(1, {}) + End);
    EXPECT_EQ(h.errors, QStringList{QStringLiteral("database is locked")});
    EXPECT_EQ(h.reception.Assembly().PendingCount(), 1);
    EXPECT_TRUE(h.reception.Assembly().Druckdaten().isEmpty());  // the next test starts afresh
    h.failStore = false;
    h.Feed(NumberedLines(9, 100) + End);
    ASSERT_EQ(h.rows.size(), 2u);
    EXPECT_TRUE(h.rows[0].Druckdaten.startsWith("LINE 1\r\n"));
    EXPECT_TRUE(h.rows[0].Grafikdaten.startsWith("$01\r\n"));
    EXPECT_TRUE(h.rows[1].Druckdaten.startsWith("LINE 100\r\n"));
    EXPECT_TRUE(h.rows[1].Grafikdaten.isEmpty());
    EXPECT_EQ(h.reception.Assembly().PendingCount(), 0);
}

}  // namespace
}  // namespace zevo
