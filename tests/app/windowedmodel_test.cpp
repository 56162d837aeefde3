// The grids' model over lists far longer than one page: rows read in any
// order, and rows found by Id before they are read, agree with the list.

#include "app/windowedmodel.h"
#include "records/kfztable.h"
#include "records/messungentable.h"
#include "tests/records/recordsfixture.h"

namespace zevo {
namespace {

using WindowedModelTest = RecordsTest;

TEST_F(WindowedModelTest, RowsReadInAnyOrderAndRowsFoundByIdAgreeWithTheWholeList)
{
    // Untouched tests with gaps in their Ids (every third archived, a run
    // deleted); vehicles whose registrations differ in case only.
    for (const char* statement :
         {"WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 3000) INSERT INTO Messungen"
          " (Kennzeichen, Datum, Uhrzeit, Bearbeitet) SELECT 'T-' || i, '2026-05-10', '10:00:00',"
          " CASE WHEN i % 3 = 0 THEN 'j' ELSE 'n' END FROM n",
          "DELETE FROM Messungen WHERE Id BETWEEN 400 AND 1700",
          "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 300) INSERT INTO Kfz"
          " (Kennzeichen) SELECT 'k-' || i FROM n UNION ALL SELECT 'K-' || i FROM n UNION ALL SELECT 'k-' || i || 'a'"
          " FROM n"})
        ASSERT_TRUE(QSqlQuery(db).exec(statement)) << statement;

    for (const KeyedSelect& select : {UntouchedTests(), KfzList()}) {
        const QList<QVariantList> whole = ReadRows(db, select, RowWindow{false, {}, 0, 5000}).value().rows;
        const int rows = int(whole.size());         // several pages
        for (const int step : {1, 379, rows - 1}) { // forward, jumping, backward
            WindowedModel model(db, nullptr);
            ASSERT_EQ(model.Select(select), "");
            ASSERT_EQ(model.rowCount(), rows);
            for (int k = 0, row = 0; k < rows; ++k, row = (row + step) % rows)
                ASSERT_EQ(model.index(row, 0).data().toString(), whole[row][0].toString())
                    << select.what.toStdString() << " step " << step;
        }
    }

    const QList<QVariantList> untouched = ReadRows(db, UntouchedTests(), RowWindow{false, {}, 0, 5000}).value().rows;
    const int rows = int(untouched.size());
    WindowedModel model(db, nullptr);
    ASSERT_EQ(model.Select(UntouchedTests()), "");
    for (int k = 0, row = 0; k < 400; ++k, row = (row + 379) % rows) {
        ASSERT_EQ(model.RowOfId(untouched[row][0].toLongLong()), row) << "row " << row;
        if (k % 4 == 0)
            model.IdAt((row + rows / 2) % rows); // a page read elsewhere gives another nearest row
    }
    for (const qint64 absent : {3, 1000, 3001}) // archived, deleted, none yet
        EXPECT_EQ(model.RowOfId(absent), -1) << absent;
}

} // namespace
} // namespace zevo
