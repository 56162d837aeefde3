#include "records/archivequery.h"
#include "records/kfztable.h"
#include "records/messungentable.h"
#include "recordsfixture.h"

namespace zevo {
namespace {

class ArchiveTest : public BothDatabasesTest {
  protected:
    void SetUp() override
    {
        BothDatabasesTest::SetUp();
        if (IsSkipped())
            return;
        ASSERT_EQ(InsertKfz(db, Kfz("AB-C 123", "Müller", "Hans")), "");
        ASSERT_EQ(InsertKfz(db, Kfz(Quoted, "O'Neil", "Hans")), "");

        owned = InsertTest(db, Test("AB-C 123", QDate(2026, 5, 1), "j")).value();
        InsertTest(db, Test("XY-Z 9", QDate(2026, 5, 1), "j")); // no vehicle row
        InsertTest(db, Test("AB-C 123"));                       // untouched
        quoted = InsertTest(db, Test(Quoted, QDate(2026, 5, 2), "j")).value();
    }

    // The rows as the archive grid shows them: "id Kennzeichen Name Vorname".
    QStringList Rows(const KeyedSelect& select) const
    {
        const DbResult<KeyedRows> read = ReadRows(db, select, RowWindow{false, {}, 0, 100});
        if (!read.ok())
            return {read.error()}; // shows in the failed comparison
        QStringList rows;
        for (const QVariantList& row : read.value().rows)
            rows << QStringLiteral("%1 %2 %3 %4")
                        .arg(row[0].toString(), row[1].toString(), row[8].toString(), row[9].toString());
        return rows;
    }

    static inline const QString Quoted = QStringLiteral("Q\"R' 1");
    qint64 owned = 0;
    qint64 quoted = 0;
};
ZEVO_ON_BOTH_DATABASES(ArchiveTest);

TEST_P(ArchiveTest, ListsArchivedTestsWithOwnerAndOmitsThoseWithoutVehicle)
{
    EXPECT_EQ(Rows(ArchiveList()), (QStringList{QString("%1 AB-C 123 Müller Hans").arg(owned),
                                                QString("%1 %2 O'Neil Hans").arg(quoted).arg(Quoted)}));
    EXPECT_EQ(CountKeys(db, ArchiveList()).value(), 2);

    const KeyedRows first = ReadRows(db, ArchiveList(), RowWindow{false, {}, 0, 1}).value();
    EXPECT_EQ(first.names.join(' '), "id Kennzeichen Datum Uhrzeit AuftragsNr km hu au Name Vorname");
}

TEST_P(ArchiveTest, SearchNarrowsToOneRegistrationAndDeletedTestsLeaveIt)
{
    EXPECT_EQ(Rows(ArchiveSearch("AB-C 123")), QStringList{QString("%1 AB-C 123 Müller Hans").arg(owned)});
    EXPECT_EQ(Rows(ArchiveSearch(Quoted)), QStringList{QString("%1 %2 O'Neil Hans").arg(quoted).arg(Quoted)});
    EXPECT_EQ(Rows(ArchiveSearch("XY-Z 9")), QStringList{});
    EXPECT_EQ(Rows(ArchiveSearch("\" OR \"\"=\"")), QStringList{});

    ASSERT_TRUE(DeleteTest(db, quoted).value());
    EXPECT_FALSE(DeleteTest(db, quoted).value());
    EXPECT_EQ(Rows(ArchiveSearch(Quoted)), QStringList{});
    EXPECT_TRUE(FindKfz(db, Quoted).value().has_value()); // the vehicle stays
}

} // namespace
} // namespace zevo
