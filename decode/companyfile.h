#pragma once
// The company file "Params.ini": the byte image of the whole report record, of
// which only the company address (LinesA 0 .. 7) matters from one run to the
// next. The program keeps it in its own folder (app/companyfile.h).

#include "decode/reportrecord.h"

#include <QString>

namespace zevo {

inline constexpr const char* CompanyFileName = "Params.ini";
inline constexpr int CompanyLineCount = 8;     // LinesA 0 .. 7
inline constexpr int CompanyLineMaxChars = 49; // characters kept of an address line

// Reads the file at `path` over the record. No file: the record stays as it
// is, no error. A file of another size than 7,968 bytes is damaged; its
// address lines are still taken when it holds them whole (408 bytes or more).
// Returns an error text for the user, empty when all went well.
QString ReadCompanyFile(const QString& path, ReportRecord& report);

// Writes the whole record. The old file is replaced only once the new one is
// written whole. Returns an error text, empty on success.
QString WriteCompanyFile(const QString& path, const ReportRecord& report);

} // namespace zevo
