#pragma once
// Colours as the test stand's program family writes them: one integer
// $BBGGRR (blue in the high byte, red in the low byte). Every colour of the
// report and the graphics goes through here.

#include <QColor>

namespace zevo {

inline QColor WinColour(unsigned int bbggrr)
{
    return QColor(static_cast<int>(bbggrr & 0xFF), static_cast<int>((bbggrr >> 8) & 0xFF),
                  static_cast<int>((bbggrr >> 16) & 0xFF));
}

inline constexpr unsigned int ClBlack = 0x000000;
inline constexpr unsigned int ClWhite = 0xFFFFFF;
inline constexpr unsigned int ClRed = 0x0000FF;
inline constexpr unsigned int ClGreen = 0x008000;
inline constexpr unsigned int ClYellow = 0x00FFFF;
inline constexpr unsigned int ClBlue = 0xFF0000;
inline constexpr unsigned int ClFuchsia = 0xFF00FF;
inline constexpr unsigned int ClNavy = 0x800000;
inline constexpr unsigned int ColourLeft = 3177982;    // $307DFE, left wheel in the small diagrams
inline constexpr unsigned int ColourRight = 12615680;  // $C08000, right wheel

}  // namespace zevo
