#pragma once
// The chassis sections that the report shows line by line: tyre profile
// ("REIFEN - PROFIL"), ABS diagnosis ("ABS-DIAGNOSE") and suspension ("$08",
// "$09", "$18"). The test stand's German words become the report language.

#include <QByteArray>
#include <QByteArrayView>

namespace zevo {

class PrintData;
struct DecodeContext;

// Front axle line into LinesA[39], rear axle line into [41], the minimum depth
// into [40] and [42]; ProfileFrontOk / ProfileRearOk fall when the test stand
// printed a further line under an axle.
void DecodeTyreProfile(const PrintData& text, DecodeContext& context);

// Replaces the first "L" by leftText and the first "R" by rightText, both found
// on the line as printed, so that a replacement text containing "R" (as the
// English "R.L.") is never itself replaced.
QByteArray NameWheels(QByteArrayView line, QByteArrayView leftText, QByteArrayView rightText);

// ABS titles into LinesA[59], [60]; the front-left and front-right circuit
// frequencies into [61]. AbsPresent is always set.
void DecodeAbs(const PrintData& text, DecodeContext& context);

// Suspension titles into LinesB[20..24] and the three data lines of each axle
// (left value columns 1..3, right value 14..16) into Suspension.
void DecodeSuspension(const PrintData& text, DecodeContext& context);

}  // namespace zevo
