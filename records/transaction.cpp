#include "records/transaction.h"

#include "records/fieldtext.h"

#include <QSqlError>

namespace zevo {

Transaction::~Transaction()
{
    if (active_)
        db_.rollback();
}

QString Transaction::Begin()
{
    if (!db_.transaction())
        return ErrorText(QStringLiteral("The database transaction cannot begin"), db_.lastError());
    active_ = true;
    return {};
}

QString Transaction::Commit()
{
    if (!db_.commit())
        return ErrorText(QStringLiteral("The database transaction cannot be completed"), db_.lastError());
    active_ = false;
    return {};
}

} // namespace zevo
