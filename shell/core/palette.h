// The colour picker's palette: a hue spectrum running from left to right
// through red, yellow, green, cyan, blue and magenta back to red, fully
// saturated at the top and fading to grey at the bottom, inside a grey
// border.
#pragma once

#include <QColor>
#include <QImage>

namespace tavolux::shell {

inline constexpr int kPaletteWidth = 175;
inline constexpr int kPaletteHeight = 188;
inline constexpr int kPaletteBorder = 2;  // pixels
inline const QColor kPaletteBorderColor{172, 168, 153};
inline constexpr int kPaletteGrey = 128;

QImage MakePaletteImage();

}  // namespace tavolux::shell
