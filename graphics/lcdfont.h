#pragma once
// The font of the bar graphics' value read-outs, "LiquidCrystal": a
// seven-segment face imitating a liquid-crystal display. It is asked for by
// name; it is no system font, so where it is not installed a seven-segment
// face of fonts-dseg stands in, with the positions and sizes unchanged.

#include <QFont>
#include <QString>

namespace zevo {

inline constexpr char LiquidCrystalFamily[] = "LiquidCrystal";

// Registers the stand-in for "LiquidCrystal" when the font is missing; the
// first LiquidCrystalFont does it too. Needs the QGuiApplication. Returns an
// empty text when a seven-segment face answers for the name, else a sentence
// for the status line.
QString SubstituteLiquidCrystal();

// "LiquidCrystal" at `points`, bold or regular.
QFont LiquidCrystalFont(int points, bool bold);

} // namespace zevo
