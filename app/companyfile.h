#pragma once
// The company file "Params.ini" (decode/companyfile.h) in the program's
// folder, loaded at start into the program's report record.

#include "decode/companyfile.h"

#include <QString>

namespace zevo {

struct ProgramState;

// Path of "Params.ini" in the state's program folder.
QString CompanyFilePath(const ProgramState& state);

// Start-up loading: reads "Params.ini" over an empty report record, then
// resets the report's test parts in the current language. No file: the
// address stays empty, no error. Returns an error text for the user, empty
// when all went well.
QString LoadCompanyFile(ProgramState& state);

// Writes the whole record to "Params.ini". Returns an error text, empty on success.
QString SaveCompanyFile(const ProgramState& state);

} // namespace zevo
