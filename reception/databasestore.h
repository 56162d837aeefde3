#pragma once
// Wires reception to the database: every finished test becomes one new row of
// Messungen, stored in one transaction. While a database server is away the
// test waits (its DatabaseWatch connects it again), and a test whose store
// failed is looked for before it is stored again, so it is never stored twice.

#include "reception/testassembly.h"

#include <QSqlDatabase>
#include <functional>

namespace zevo {

// The store hook for ReceptionHooks::store on the database `db` (open, or a
// server connection that is to be opened when it can be).
std::function<StoreResult(const MessungRow&)> DatabaseStore(QSqlDatabase db);

}  // namespace zevo
