#pragma once
// The stored print data ("Druckdaten") as the decoder reads it: the lines the
// test stand printed, code lines "$cc" between its sections, CR LF separated,
// Windows-1252 bytes. Every decoder looks its section up from line 0 on its own.

#include "decode/linetext.h"

#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>
#include <vector>

namespace zevo {

class PrintData {
public:
    // Splits `text` into lines at CR LF (nothing else ends a line). The view
    // must outlive this object. An empty last line (text ending in CR LF) is not counted.
    explicit PrintData(QByteArrayView text);

    int LineCount() const { return int(lines_.size()); }

    // Line i without its line break; an empty line for any i outside 0 .. LineCount()-1,
    // which lets the decoders read ahead without checking bounds.
    QByteArrayView Line(int i) const;

    // The first line that begins with `marker` (case-sensitive, leading blanks
    // count), or LineCount() when none does.
    int FindLine(QByteArrayView marker) const;

    // A section whose marker is found at all.
    bool IsPresent(int markerLine) const { return markerLine < LineCount(); }
    // The stricter test of the toe, suspension, brake-start and check-list
    // sections: a marker on the very last line counts as absent.
    bool HasLinesAfter(int markerLine) const { return markerLine < LineCount() - 1; }

private:
    std::vector<QByteArrayView> lines_;
};

// Calls visit(lineNumber, line) from `first` on the way the test stand's
// sections are walked: the last line of the text is never visited, and the
// walk ends after a line that is blank (or, with stopAtCode, begins with "$").
// visit may return false to end the walk early.
template <typename Visit> void WalkSection(const PrintData& text, int first, bool stopAtCode, Visit visit)
{
    for (int i = first; i < text.LineCount() - 1; ++i) {
        const QByteArrayView line = text.Line(i);
        if (!visit(i, line))
            return;
        if (IsBlankLine(line) || (stopAtCode && StartsWith(line, "$")))
            return;
    }
}

// How many vehicle blocks ("FAHRZ.TYP" lines) the text holds. A test cut off
// by a pulled cable or a reset stand stays collected and is stored together
// with the next complete test: such a text holds two or more.
int VehicleBlockCount(const PrintData& text);

// `text` with every character other than "0".."9" removed.
QByteArray DigitsOnly(QByteArrayView text);

// `text` with every character other than "0".."9" and "," removed.
QByteArray NumberChars(QByteArrayView text);

// The digits of `text` as a whole number: signs and decimal points are dropped
// ("-2.45" gives 245); no digits, or a value beyond a signed 32-bit integer, give 0.
std::int32_t ParseNumber(QByteArrayView text);

}  // namespace zevo
