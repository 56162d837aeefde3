#include "records/database.h"
#include "records/messungentable.h"
#include "recordsfixture.h"

#include <QFile>

namespace zevo {
namespace {

using DatabaseTest = RecordsTest;

// Every other test uses the tables a first open creates; here, a file of the
// first version gets the indexes added later.
TEST_F(DatabaseTest, ReopeningAFileOfTheFirstVersionAddsTheLaterIndexesAndKeepsItsRows)
{
    const QString objects = QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE name NOT LIKE 'sqlite_%'");
    const int created = Scalar(objects).toInt();
    EXPECT_EQ(Scalar("PRAGMA user_version").toInt(), SchemaVersion);
    ASSERT_TRUE(InsertTest(db, Test("AB-C 123")).ok());
    Scalar("DROP INDEX Messungen_Bearbeitet_Datum");
    Scalar("DROP INDEX Messungen_Bearbeitet_Id_Kennzeichen");

    TearDown();
    SetUp();
    EXPECT_EQ(Scalar(objects).toInt(), created);
    EXPECT_EQ(Scalar("SELECT Kennzeichen FROM Messungen").toString(), "AB-C 123");
}

TEST_F(DatabaseTest, FileThatIsNoDatabaseOrHasANewerSchemaIsRefusedAndLeftAsItWas)
{
    ASSERT_TRUE(InsertTest(db, Test("AB-C 123")).ok());
    Scalar("PRAGMA user_version = 7");
    TearDown();
    QFile notes(Path("notes.sqlite"));
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.write(QByteArray("Kundenliste 2019\r\n").repeated(100));
    notes.close();

    for (const QString& path : {Path(), notes.fileName()}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        DbResult<QSqlDatabase> opened = OpenDatabase(path, Connection);
        EXPECT_FALSE(opened.ok());
        EXPECT_FALSE(QSqlDatabase::contains(Connection));
        EXPECT_TRUE(file.seek(0));
        EXPECT_EQ(file.readAll(), bytes);
        if (path == Path())
            EXPECT_TRUE(opened.error().contains("schema version 7")) << opened.error().toStdString();
        else
            EXPECT_FALSE(opened.error().isEmpty());
    }
}

// Another program holds the write lock: storing fails with a text, and no stored row is lost.
TEST_F(DatabaseTest, LockedDatabaseGivesErrorAndKeepsStoredRows)
{
    const qint64 kept = InsertTest(db, Test("AB-C 123")).value();
    Scalar("PRAGMA busy_timeout = 50");
    {
        DbResult<QSqlDatabase> other = OpenDatabase(Path(), "locker");
        ASSERT_TRUE(other.ok());
        QSqlQuery lock(other.value());
        ASSERT_TRUE(lock.exec("BEGIN EXCLUSIVE"));

        DbResult<qint64> stored = InsertTest(db, Test("X-Y 9"));
        EXPECT_FALSE(stored.ok());
        EXPECT_TRUE(stored.error().contains("locked")) << stored.error().toStdString();
        ASSERT_TRUE(lock.exec("ROLLBACK"));
    }
    CloseDatabase("locker");

    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM Messungen").toInt(), 1);
    EXPECT_TRUE(ReadTest(db, kept).value().has_value());
    EXPECT_GT(InsertTest(db, Test("X-Y 9")).value(), kept); // no transaction was left open
}

} // namespace
} // namespace zevo
