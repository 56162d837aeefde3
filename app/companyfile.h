#pragma once
// The company file "Params.ini" in the program's folder: the byte image of the
// whole report record, of which only the company address (lines 0..7) matters
// from one run to the next.

#include <QString>

namespace zevo {

struct ProgramState;

inline constexpr int CompanyLineCount = 8;     // LinesA 0 .. 7
inline constexpr int CompanyLineMaxChars = 49; // characters kept of an address line

// Path of "Params.ini" in the state's program folder.
QString CompanyFilePath(const ProgramState& state);

// Start-up loading: reads "Params.ini" over the report record, then resets the
// report's test parts in the current language. No file: the address stays
// empty, no error. A file of another size than 7,968 bytes is damaged; its
// address lines are still taken when it holds them whole (408 bytes or more).
// Returns an error text for the user, empty when all went well.
QString LoadCompanyFile(ProgramState& state);

// Writes the whole record to "Params.ini". The old file is replaced only once
// the new one is written whole. Returns an error text, empty on success.
QString SaveCompanyFile(const ProgramState& state);

} // namespace zevo
