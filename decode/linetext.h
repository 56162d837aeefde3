#pragma once
// Small byte-level helpers for print lines. The test stand prints in
// Windows-1252, one byte per character, and its columns are byte positions,
// so the decoder never converts a line to Unicode before it has taken it apart.

#include <QByteArray>
#include <QByteArrayView>

namespace zevo {

// The line without leading and trailing blanks and control characters (bytes <= 0x20).
QByteArrayView Trimmed(QByteArrayView line);
bool IsBlankLine(QByteArrayView line);

// Characters first..last (1-based, inclusive) as far as the line reaches.
QByteArrayView Columns(QByteArrayView line, int first, int last);

// 0-based position of needle in line, or -1.
qsizetype Find(QByteArrayView line, QByteArrayView needle);
inline bool Contains(QByteArrayView line, QByteArrayView needle)
{
    return Find(line, needle) >= 0;
}
bool StartsWith(QByteArrayView line, QByteArrayView prefix);

// Windows-1252 lower case (A..Z and the accented capitals).
void ToLowerCp1252(QByteArray& text);

// Text `id` of the language table in language `sprache`, as Windows-1252 bytes.
const QByteArray& ReportText(int id, int sprache);

}  // namespace zevo
