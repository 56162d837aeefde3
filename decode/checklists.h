#pragma once
// The check lists "$32" and "$33": free text lines the test stand prints after
// the brake test, each list in two parts separated by one blank line. Check
// list 1 is LinesB 26..49 (title 25), check list 2 LinesB 51..70 (title 50).

#include <QByteArrayView>

namespace zevo {

class PrintData;
struct ReportRecord;

inline constexpr int CheckList1First = 26;
inline constexpr int CheckList1Last = 49;
inline constexpr int CheckList2First = 51;
inline constexpr int CheckList2Last = 70;

// marker is "$32" or "$33". The "$32" step first puts "Check 1" into both titles,
// empties both lists and starts check list 2 at LinesB[51]; "$33" empties
// nothing. Part one goes to list 1 for "$32" and to list 2 for "$33"; every part
// written to list 2 goes after the lines already there, so "$32" part two,
// "$33" part one and "$33" part two follow one another. `nextListTwoLine` carries
// that place from one step to the next (the caller starts it at CheckList2First).
void DecodeCheckList(const PrintData& text, QByteArrayView marker, ReportRecord& report, int& nextListTwoLine);

}  // namespace zevo
