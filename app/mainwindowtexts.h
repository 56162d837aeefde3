#pragma once
// The main window's part of applying the language: menu entries, tab
// captions, labels and speed-button hints get the texts of the language
// table, and the archive tab repeats the customer tab's labels.

#include <QStringList>

class QWidget;

namespace zevo {

// Sets every element of the main window named in the language tables to its
// text in language `sprache` (1..3), then copies the customer tab's labels to
// the archive tab. Returns the names of elements the window lacks (none for
// a complete window).
QStringList ApplyMainWindowTexts(QWidget& window, int sprache);

// Column titles of the current-tests grid DBGrid1, columns 0 to 6.
QStringList CurrentTestsColumnTitles(int sprache);
// Column titles of the archive grid DBGrid2: DBGrid1's seven, then name and first name.
QStringList ArchiveColumnTitles(int sprache);

} // namespace zevo
