#pragma once
// The toe test: code line "$20" (front axle) or "$21" (rear axle), then up to
// five lines in any order: the value line ("PLUS" or "MINUS", the number from
// column 6), the tolerance line ("SOLL", columns 6..25 "low..high") and the
// speed line ("SPEED"). The lines are rewritten into the report language.

#include "decode/limitsets.h"
#include "decode/reportrecord.h"
#include "decode/testresult.h"

#include <QByteArrayView>
#include <optional>

namespace zevo {

class PrintData;
struct DecodeContext;

// Whether the toe step zeroes the curve samples with the other value tables.
enum class CurveClearing {
    Now,          // as a step of its own
    ByCurveStep,  // inside a full decode, whose curve step clears and reloads every sample
};

// Clears the value tables and the toe flags and lines, then decodes "$20" and
// "$21" (a marker on the last line counts as absent). A number that does not
// convert ends the step where it stood, adds a problem and returns false.
bool DecodeToe(const PrintData& text, DecodeContext& context, CurveClearing curves = CurveClearing::Now);

// One axle from its code line i.
bool DecodeToeAxle(const PrintData& text, ToeAxle axle, int i, DecodeContext& context);

// The toe value of a value line, mm: +number with "PLUS", else -number; the
// number is made of the digits and commas of columns 6..25. Nothing when they
// do not form a number.
std::optional<double> ParseToeValue(QByteArrayView line);

// Reads the bounds "low..high" of a tolerance line into ToeTolLow / ToeTolHigh
// and judges ToeValue against them; a range narrower than 0,01 mm is not judged,
// and the Polish set widens the bounds by 1,5 mm each way first. Nothing (and a
// problem added) when the line has no ".." or a bound is not a number; a lower
// bound read before the failure stays in ToeTolLow.
std::optional<ToeJudgement> CheckToeTolerance(QByteArrayView line, DecodeContext& context);

}  // namespace zevo
