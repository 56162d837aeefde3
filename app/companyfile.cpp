#include "app/companyfile.h"

#include "app/programstate.h"

#include <QDir>

namespace zevo {

QString CompanyFilePath(const ProgramState& state)
{
    return QDir(state.programFolder).filePath(QString::fromLatin1(CompanyFileName));
}

QString LoadCompanyFile(ProgramState& state)
{
    state.report = EmptyReportRecord();
    const QString error = ReadCompanyFile(CompanyFilePath(state), state.report);
    ResetReport(state.result, state.report, state.settings.Sprache);
    return error;
}

QString SaveCompanyFile(const ProgramState& state)
{
    return WriteCompanyFile(CompanyFilePath(state), state.report);
}

} // namespace zevo
