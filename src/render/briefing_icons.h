// The briefing's craft icons: our own symbol per kind of craft, drawn white
// on black in the game's cell size, turned and tinted the way the game
// treats the cells of its icon bitmap.
#pragma once

#include <QImage>

namespace zephlo {

// The untinted cell, nose up: 38 x 44, or 38 x 56 for large craft.
QImage briefingIconCell(int craftType);
// The cell turned for a rotation code: 0 as is, 2 flipped top to bottom,
// 4 flipped left to right, 3 (90 degrees) with pixel (x, y) at
// (height - 1 - y, x), 1 (270 degrees) that turned by 180.
QImage rotateBriefingCell(const QImage& cell, int rotation);
// The icon as drawn: the turned cell ANDed into the IFF colour, so white
// takes the colour and black stays black; black is then transparent.
// Kept after the first use.
const QImage& briefingIcon(int craftType, int rotation, int iff);

} // namespace zephlo
