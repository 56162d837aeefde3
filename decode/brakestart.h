#pragma once
// The brake-start section " BREMSSTART": the test stand's own verdict lines
// after the brake blocks, turned into the report flags BrakeTestOk, SpeedOk,
// BrakeNotOk, SpeedLow and BrakeChecked.

namespace zevo {

class PrintData;
struct ReportRecord;

// Clears and sets the five verdict flags when the section is present (a marker
// on the last line counts as absent and leaves them as they were).
void DecodeBrakeStart(const PrintData& text, ReportRecord& report);

}  // namespace zevo
