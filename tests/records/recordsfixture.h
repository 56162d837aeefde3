#pragma once
// A fresh database file in a temporary folder for each test.

#include "records/database.h"
#include "records/kfzrow.h"
#include "records/messungrow.h"
#include "tests/support/coreapplication.h"

#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace zevo {

class RecordsTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { testing::EnsureCoreApplication(); }

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        DbResult<QSqlDatabase> opened = OpenDatabase(Path(), Connection);
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
    QSqlDatabase db;
};

} // namespace zevo
