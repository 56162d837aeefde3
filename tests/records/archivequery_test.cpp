#include "records/archivequery.h"
#include "records/kfztable.h"
#include "records/messungentable.h"
#include "recordsfixture.h"

#include <QSqlQueryModel>
#include <QSqlRecord>

namespace zevo {
namespace {

class ArchiveTest : public RecordsTest {
  protected:
    void SetUp() override
    {
        RecordsTest::SetUp();
        KfzRow owner;
        owner.Kennzeichen = "AB-C 123";
        owner.Name = "Müller";
        owner.Vorname = "Hans";
        ASSERT_EQ(InsertKfz(db, owner), "");
        owner.Kennzeichen = Quoted;
        owner.Name = "O'Neil";
        ASSERT_EQ(InsertKfz(db, owner), "");

        MessungRow archived = Test("AB-C 123", QDate(2026, 5, 1), "j");
        archived.Km = 98765;
        archived.HU = "05.2026";
        owned = InsertTest(db, archived).value();
        InsertTest(db, Test("XY-Z 9", QDate(2026, 5, 1), "j")); // no vehicle row
        InsertTest(db, Test("AB-C 123"));                       // untouched
        quoted = InsertTest(db, Test(Quoted, QDate(2026, 5, 2), "j")).value();
    }

    // The rows as the archive grid shows them: "id Kennzeichen Name Vorname".
    static QStringList Rows(DbResult<QSqlQuery> result)
    {
        if (!result.ok())
            return {result.error()}; // shows in the failed comparison
        QSqlQueryModel model;
        model.setQuery(std::move(result).value());
        QStringList rows;
        for (int r = 0; r < model.rowCount(); ++r)
            rows << QStringLiteral("%1 %2 %3 %4")
                        .arg(model.index(r, 0).data().toString(), model.index(r, 1).data().toString(),
                             model.index(r, 8).data().toString(), model.index(r, 9).data().toString());
        return rows;
    }

    static inline const QString Quoted = QStringLiteral("Q\"R' 1");
    qint64 owned = 0;
    qint64 quoted = 0;
};

TEST_F(ArchiveTest, ListsArchivedTestsWithOwnerAndOmitsThoseWithoutVehicle)
{
    EXPECT_EQ(Rows(ArchiveList(db)), (QStringList{QString("%1 AB-C 123 Müller Hans").arg(owned),
                                                  QString("%1 %2 O'Neil Hans").arg(quoted).arg(Quoted)}));

    QSqlQuery query = ArchiveList(db).value();
    ASSERT_TRUE(query.first());
    QStringList columns;
    for (int c = 0; c < query.record().count(); ++c)
        columns << query.record().fieldName(c);
    EXPECT_EQ(columns.join(' '), "id Kennzeichen Datum Uhrzeit AuftragsNr km hu au Name Vorname");
    EXPECT_EQ(query.value("Datum").toString(), "2026-05-01");
    EXPECT_EQ(query.value("Uhrzeit").toString(), "09:30:15");
    EXPECT_EQ(query.value("km").toDouble(), 98765.0);
    EXPECT_EQ(query.value("hu").toString(), "05.2026");
}

TEST_F(ArchiveTest, SearchNarrowsToOneRegistrationAndDeletedTestsLeaveIt)
{
    EXPECT_EQ(Rows(ArchiveSearch(db, "AB-C 123")), QStringList{QString("%1 AB-C 123 Müller Hans").arg(owned)});
    EXPECT_EQ(Rows(ArchiveSearch(db, Quoted)), QStringList{QString("%1 %2 O'Neil Hans").arg(quoted).arg(Quoted)});
    EXPECT_EQ(Rows(ArchiveSearch(db, "XY-Z 9")), QStringList{});
    EXPECT_EQ(Rows(ArchiveSearch(db, "\" OR \"\"=\"")), QStringList{});

    ASSERT_TRUE(DeleteTest(db, quoted).value());
    EXPECT_FALSE(DeleteTest(db, quoted).value());
    EXPECT_EQ(Rows(ArchiveSearch(db, Quoted)), QStringList{});
    EXPECT_TRUE(FindKfz(db, Quoted).value().has_value()); // the vehicle stays
}

} // namespace
} // namespace zevo
