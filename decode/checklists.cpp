#include "decode/checklists.h"

#include "decode/linetext.h"
#include "decode/printdata.h"
#include "decode/reportrecord.h"

namespace zevo {
namespace {

// Writes the part starting at line `start` into LinesB from `target` on, up to
// `last`: nothing when the start line is blank, else every line up to and
// including the next blank one. Lines beyond the list are read but not stored.
// Returns the blank line that ended the part (start itself when it is empty).
int CopyPart(const PrintData& text, int start, int& target, int last, ReportRecord& report)
{
    if (IsBlankLine(text.Line(start)))
        return start;
    for (int i = start;; ++i) {
        const QByteArrayView line = text.Line(i);
        if (target <= last)
            report.SetLineB(target++, line);
        if (i > start && IsBlankLine(line))
            return i;
    }
}

}  // namespace

void DecodeCheckList(const PrintData& text, QByteArrayView marker, ReportRecord& report, int& nextListTwoLine)
{
    const bool firstList = marker == QByteArrayView("$32");
    if (firstList) {
        report.SetLineB(25, "Check 1");
        report.SetLineB(50, "Check 1");
        for (int i = CheckList1First; i <= CheckList1Last; ++i)
            report.SetLineB(i, {});
        for (int i = CheckList2First; i <= CheckList2Last; ++i)
            report.SetLineB(i, {});
        nextListTwoLine = CheckList2First;
    }

    const int i = text.FindLine(marker);
    if (!text.HasLinesAfter(i))
        return;
    if (StartsWith(text.Line(i + 1), "$") || StartsWith(text.Line(i + 3), "$"))
        return;

    int partTwo = i + 5;
    if (!IsBlankLine(text.Line(i + 3))) {
        int listOneLine = CheckList1First;
        const int end = firstList ? CopyPart(text, i + 3, listOneLine, CheckList1Last, report)
                                  : CopyPart(text, i + 3, nextListTwoLine, CheckList2Last, report);
        partTwo = end + 3;  // the two lines after the blank one are headings
    }
    CopyPart(text, partTwo, nextListTwoLine, CheckList2Last, report);
}

}  // namespace zevo
