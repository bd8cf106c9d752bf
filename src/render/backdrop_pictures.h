// The backdrop picker's pictures, drawn in code: each backdrop number gets
// its own planet, ringed planet, sun, nebula or moon in its own colours.
#pragma once

#include <QImage>

namespace zephlo {

// How many backdrops the picker offers.
inline constexpr int kBackdropPictures = 60;

// One picture in a 51 x 51 cell, for backdrop number (1-based).
void paintBackdropPicture(class QPainter& p, const QRect& cell, int number);

// The whole sheet: cells of 51 x 51 pixels numbered down the columns, 12 to
// a column; selected (0 for none) is framed. Made for a screen of the given
// scale (render/screen_image.h).
QImage backdropSheet(int selected, qreal ratio = 1);

} // namespace zephlo
