#pragma once
// A fresh database for each test: a file in a temporary folder, or, for the
// tests that run on both, an empty database on the test server.

#include "records/database.h"
#include "records/kfzrow.h"
#include "records/messungrow.h"
#include "tests/support/coreapplication.h"
#include "tests/support/testserver.h"

#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace zevo {

enum class Backend { SQLite, Server };

class RecordsTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { testing::EnsureCoreApplication(); }
    virtual Backend Where() const { return Backend::SQLite; }

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        config.file = Path();
        if (Where() == Backend::Server) {
            if (!testing::TestServer())
                GTEST_SKIP() << "no test server (ZEVO_TEST_SERVER)";
            const DbResult<DatabaseConfig> server =
                testing::EmptyServerDatabase(QStringLiteral("records_%1").arg(QCoreApplication::applicationPid()));
            ASSERT_TRUE(server.ok()) << server.error().toStdString();
            config = server.value();
        }
        DbResult<QSqlDatabase> opened = OpenDatabase(config, Connection);
        ASSERT_TRUE(opened.ok()) << opened.error().toStdString();
        db = opened.value();
    }

    void TearDown() override
    {
        db = QSqlDatabase();
        CloseDatabase(Connection);
    }

    QString Path(const QString& file = QStringLiteral("zevodb.sqlite")) const { return dir.filePath(file); }

    // One value of a statement without parameters.
    QVariant Scalar(const QString& statement) const
    {
        QSqlQuery query(db);
        return query.exec(statement) && query.next() ? query.value(0) : QVariant();
    }

    static MessungRow Test(const QString& kennzeichen, QDate datum = QDate(2026, 5, 1),
                           const QString& bearbeitet = QStringLiteral("n"))
    {
        MessungRow row;
        row.Kennzeichen = kennzeichen;
        row.Datum = datum;
        row.Uhrzeit = QTime(9, 30, 15);
        row.Bearbeitet = bearbeitet;
        row.Druckdaten = "FAHRZ.TYP\r\n";
        return row;
    }

    static KfzRow Kfz(const QString& kennzeichen, const QString& name = {}, const QString& vorname = {})
    {
        KfzRow row;
        row.Kennzeichen = kennzeichen;
        row.Name = name;
        row.Vorname = vorname;
        return row;
    }

    static inline const QString Connection = QStringLiteral("records-test");
    QTemporaryDir dir;
    DatabaseConfig config;
    QSqlDatabase db;
};

// Tests that run on an SQLite file and on the test server alike.
class BothDatabasesTest : public RecordsTest, public ::testing::WithParamInterface<Backend> {
  protected:
    Backend Where() const override { return GetParam(); }
};

inline void PrintTo(Backend backend, std::ostream* out)
{
    *out << (backend == Backend::SQLite ? "SQLite" : "Server");
}

inline std::string BackendName(const ::testing::TestParamInfo<Backend>& info)
{
    return info.param == Backend::SQLite ? "SQLite" : "Server";
}

#define ZEVO_ON_BOTH_DATABASES(suite)                                                                                  \
    INSTANTIATE_TEST_SUITE_P(, suite, ::testing::Values(Backend::SQLite, Backend::Server), BackendName)

} // namespace zevo
