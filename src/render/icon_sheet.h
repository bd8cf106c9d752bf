// The craft icon sheet and the palette strip: white figures on black, drawn
// in code once and tinted when painted.
#pragma once

#include "core/gamedata/colours.h"

#include <QImage>

namespace zephlo {

inline constexpr int kIconWidth = 16, kIconHeight = 20;
inline constexpr int kIconPitchX = 17, kIconPitchY = 21, kIconsPerRow = 16;

// One cell per craft type 1-231; cell t has its left edge at
// 17 x ((t - 1) mod 16) and its top at 21 x ((t - 1) div 16).
const QImage& craftIconSheet();
// The 16 x 20 white-on-black icon of a craft type (black for type 0 and
// types without a cell).
QImage craftIcon(int craftType);
// The icon in a colour: white becomes the colour, black stays black
// (the cell ANDed into a scratch filled with the colour).
QImage tintedIcon(int craftType, Colour colour);

// The 591 x 40 palette strip for a palette IFF.
QImage buildPalette(int paletteIff);

} // namespace zephlo
