#include "reception/databasestore.h"

#include "records/database.h"
#include "records/messungentable.h"

#include <memory>

namespace zevo {

std::function<StoreResult(const MessungRow&)> DatabaseStore(QSqlDatabase db)
{
    // Set by a failed store: the connection may be gone, and the failed
    // transaction may yet have been committed (the server went away between
    // its commit and the answer).
    auto unsure = std::make_shared<bool>(false);
    return [db, unsure](const MessungRow& row) {
        // A server that went away is connected again by its DatabaseWatch,
        // which never blocks; the test waits until then.
        if (OnServer(db) && (!db.isOpen() || (*unsure && !DatabaseAnswers(db))))
            return StoreResult{false, 0,
                               QStringLiteral("The database server cannot be reached; the test waits to be stored.")};
        if (*unsure) {
            const DbResult<qint64> found = FindStoredTest(db, row);
            if (!found.ok())
                return StoreResult{false, 0, found.error()};
            if (found.value() > 0) {
                *unsure = false;
                return StoreResult{true, found.value(), {}};
            }
        }
        const DbResult<qint64> id = InsertTest(db, row);
        *unsure = !id.ok();
        if (!id.ok())
            return StoreResult{false, 0, id.error()};
        return StoreResult{true, id.value(), {}};
    };
}

} // namespace zevo
