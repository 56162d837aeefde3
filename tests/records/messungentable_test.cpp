#include "records/messungentable.h"
#include "recordsfixture.h"

#include <tuple>

namespace zevo {
namespace {

using MessungenTest = BothDatabasesTest;
ZEVO_ON_BOTH_DATABASES(MessungenTest);

TEST_P(MessungenTest, StoredTestsGetIncreasingIdsAndReadBackByteForByte)
{
    MessungRow full = Test("AB-C 123", QDate(2026, 12, 31));
    full.Uhrzeit = QTime(23, 59, 58);
    full.AuftragsNr = "A-4711";
    full.Km = 123456.5;
    full.HU = "05.2026";
    full.AU = "11.2027";
    full.Druckdaten = QByteArray("ZEVO\x00\r\n\x80\xfc\xff end\r\n", 16);
    for (int i = 0; i < 256; ++i)
        full.Grafikdaten.append(char(i));
    MessungRow sparse = Test("");
    sparse.Druckdaten.clear();

    const qint64 first = InsertTest(db, full).value();
    const qint64 second = InsertTest(db, sparse).value();
    EXPECT_GT(second, first);

    full.Id = first;
    sparse.Id = second;
    EXPECT_EQ(ReadTest(db, first).value(), full);
    EXPECT_EQ(ReadTest(db, second).value(), sparse);
    EXPECT_FALSE(ReadTest(db, second + 1).value().has_value());

    // A store whose answer was lost finds its test again, and only that one.
    EXPECT_EQ(FindStoredTest(db, full).value(), first);
    EXPECT_EQ(FindStoredTest(db, sparse).value(), second);
    MessungRow other = full;
    other.Grafikdaten[100] = 'x';
    EXPECT_EQ(FindStoredTest(db, other).value(), 0);
    other = full;
    other.Uhrzeit = other.Uhrzeit.addSecs(1);
    EXPECT_EQ(FindStoredTest(db, other).value(), 0);

    sparse.Datum = QDate();
    EXPECT_FALSE(InsertTest(db, sparse).ok()); // the clean-up could never judge its age
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM Messungen").toInt(), 2);
}

TEST_P(MessungenTest, LastUntouchedIdPassesOverArchivedTestsWithHigherIds)
{
    EXPECT_EQ(LastUntouchedId(db).value(), 0);
    const qint64 older = InsertTest(db, Test("A-1")).value();
    MessungRow newer = Test("A-2");
    newer.Id = InsertTest(db, newer).value();
    InsertTest(db, Test("A-3", QDate(2026, 5, 1), "j"));
    InsertTest(db, Test("A-4", QDate(2026, 5, 1), "j"));
    EXPECT_EQ(LastUntouchedId(db).value(), newer.Id);

    newer.Bearbeitet = "j";
    ASSERT_TRUE(UpdateTest(db, newer).value());
    EXPECT_EQ(LastUntouchedId(db).value(), older);
}

TEST_P(MessungenTest, UpdateChangesOnlyTheEditableFieldsCutToTheirSizes)
{
    MessungRow row = Test("AB-C 123");
    row.Km = 1000;
    row.Id = InsertTest(db, row).value();

    MessungRow edited{row.Id, "ABCDEFGHIJKLMNOPQRSTUVWXYZ", QDate(2000, 1, 1), QTime(1, 2, 3), QString(30, '7'),
                      std::nullopt, "05.2026 x", "jein", "11.20271", "other", "other"};
    ASSERT_TRUE(UpdateTest(db, edited).value());
    MessungRow expected = row;
    std::tie(expected.Kennzeichen, expected.AuftragsNr, expected.Km, expected.HU, expected.Bearbeitet, expected.AU) =
        std::tuple("ABCDEFGHIJKLMNOPQRST", QString(20, '7'), std::nullopt, "05.2026", "j", "11.2027");
    EXPECT_EQ(ReadTest(db, row.Id).value(), expected);

    edited.Id = row.Id + 1;
    EXPECT_FALSE(UpdateTest(db, edited).value());
}

TEST_P(MessungenTest, StaleDeletionKeepsTheCutoffDayAndArchivedTests)
{
    const QDate cutoff(2026, 1, 2);
    const struct {
        QDate datum;
        const char* bearbeitet;
        bool stays;
    } cases[] = {
        {QDate(2026, 1, 2), "n", true},    // exactly the cut-off
        {QDate(2026, 1, 3), "n", true},    // after it
        {QDate(2026, 1, 1), "n", false},   // the day before
        {QDate(2025, 12, 31), "n", false}, // across the year: ISO order, not "DD.MM.YY" text order
        {QDate(2019, 3, 4), "j", true},    // archived tests never go
    };
    std::vector<std::pair<qint64, bool>> ids;
    for (const auto& c : cases)
        ids.emplace_back(InsertTest(db, Test("AB-C 123", c.datum, c.bearbeitet)).value(), c.stays);

    EXPECT_EQ(DeleteUntouchedTestsBefore(db, cutoff).value(), 2);
    for (const auto& [id, stays] : ids)
        EXPECT_EQ(ReadTest(db, id).value().has_value(), stays) << "Id " << id;
    EXPECT_FALSE(DeleteUntouchedTestsBefore(db, QDate()).ok());
}

} // namespace
} // namespace zevo
