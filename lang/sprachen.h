#pragma once
// The built-in text table: every caption, label, hint and report word of the
// program in German, English and French, addressed by text id and language.

#include <QString>

namespace zevo {

inline constexpr int TextCount = 248;  // text ids 0 .. 247
inline constexpr int LanguageCount = 3;

enum LanguageNumber : int { German = 1, English = 2, French = 3 };

// Texte[id][Sprache - 1], UTF-8; ids the program never uses hold empty texts.
extern const char* const Texte[TextCount][LanguageCount];

// Clamps a stored language number into 1..3 (below 1 is German, above 3 French).
int LimitSprache(int sprache);

// The text of id in the given language (1-based, clamped). Unknown ids give "".
QString TextOf(int id, int sprache);

}  // namespace zevo
