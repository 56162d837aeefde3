#include "app/employeelines.h"

#include "app/programstate.h"
#include "records/mitarbeitertable.h"

namespace zevo {

QString LoadEmployeeLines(const QSqlDatabase& db, ProgramState& state)
{
    const DbResult<QStringList> lines = ReadEmployeeLines(db, EmployeeLineCount);
    if (!lines.ok())
        return lines.error();
    for (qsizetype i = 0; i < lines.value().size(); ++i)
        state.EmployeeLines[i] = lines.value()[i];
    return {};
}

} // namespace zevo
