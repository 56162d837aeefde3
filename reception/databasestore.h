#pragma once
// Wires reception to the database: every finished test becomes one new row of
// Messungen, stored in one transaction.

#include "reception/testassembly.h"

#include <QSqlDatabase>
#include <functional>

namespace zevo {

// The store hook for ReceptionHooks::store on the open database `db`.
std::function<StoreResult(const MessungRow&)> DatabaseStore(QSqlDatabase db);

}  // namespace zevo
