// Fuzz target of the company file "Params.ini": the input is the file. It is
// loaded as the program loads it at start (over an empty record, then the
// report's test parts reset), every line and suspension text is read the way
// the report page reads them, and the record is written and read again,
// which must give the same bytes.

#include "decode/companyfile.h"
#include "decode/reportrecord.h"
#include "decode/testresult.h"
#include "fuzz/fuzzsupport.h"
#include "lang/cp1252.h"

using namespace zevo;
using zevo::fuzz::Require;

namespace {

void ReadLikeTheReport(const ReportRecord& report)
{
    for (int i = 0; i < ReportLineCount; ++i) {
        Require(report.LineA(i).size() <= ReportLineLength + 1 && report.LineB(i).size() <= ReportLineLength + 1,
                "a line never reaches past its 51 bytes");
        FromCp1252(report.LineA(i));
        FromCp1252(report.LineB(i));
    }
    for (int axle = 0; axle < SuspensionAxleCount; ++axle)
        for (int side = 0; side < 2; ++side)
            for (int row = 0; row < 3; ++row)
                FromCp1252(report.SuspensionText(axle, side, row));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char*** argv)
{
    fuzz::MakeCoreApplication((*argv)[0]);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const QString path = fuzz::ScratchPath(QString::fromLatin1(CompanyFileName));
    fuzz::WriteWholeFile(path, data, size);

    ReportRecord report = EmptyReportRecord();
    const QString error = ReadCompanyFile(path, report);
    Require(error.isEmpty() == (size == size_t(ReportRecordSize)), "only a file of 7,968 bytes loads without a word");
    TestResult result;
    ResetReport(result, report, 1);
    ReadLikeTheReport(report);

    Require(WriteCompanyFile(path, report).isEmpty(), "the company file can be written");
    ReportRecord again = EmptyReportRecord();
    Require(ReadCompanyFile(path, again).isEmpty(), "a written company file loads");
    Require(ReportRecordBytes(again) == ReportRecordBytes(report), "a written company file loads as it was");
    return 0;
}
