#include "reception/databasestore.h"

#include "records/messungentable.h"

namespace zevo {

std::function<StoreResult(const MessungRow&)> DatabaseStore(QSqlDatabase db)
{
    return [db](const MessungRow& row) {
        const DbResult<qint64> id = InsertTest(db, row);
        if (!id.ok())
            return StoreResult{false, 0, id.error()};
        return StoreResult{true, id.value(), {}};
    };
}

}  // namespace zevo
