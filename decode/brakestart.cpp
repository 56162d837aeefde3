#include "decode/brakestart.h"

#include "decode/linetext.h"
#include "decode/printdata.h"
#include "decode/reportrecord.h"

namespace zevo {

void DecodeBrakeStart(const PrintData& text, ReportRecord& report)
{
    const int marker = text.FindLine(" BREMSSTART");
    if (!text.HasLinesAfter(marker))
        return;
    report.BrakeTestOk = 0;
    report.SpeedOk = 0;
    report.BrakeNotOk = 0;
    report.SpeedLow = 0;
    report.BrakeChecked = 0;
    // Every line is tested for all five phrases; the test stand's spacing is part of them.
    WalkSection(text, marker, true, [&](int, QByteArrayView line) {
        if (Contains(line, "BREMSE") && Contains(line, "GEPRUEFT"))
            report.BrakeChecked = 1;
        if (Contains(line, "BREMSENTEST OK"))
            report.BrakeTestOk = 1;
        if (Contains(line, "BREMSE  N"))
            report.BrakeNotOk = 1;
        if (Contains(line, "SPEED         OK"))
            report.SpeedOk = 1;
        if (Contains(line, "SPEED <"))
            report.SpeedLow = 1;
        return true;
    });
}

}  // namespace zevo
