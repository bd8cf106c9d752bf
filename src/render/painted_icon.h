// An icon drawn by code at every size a screen may ask for, so it stays
// sharp on scaled screens without picture files.
#pragma once

#include <QIcon>

#include <functional>
#include <initializer_list>

class QPainter;

namespace zephlo {

// draw paints on a square of `units` by `units`; the icon holds it painted
// at each of sizes pixels.
QIcon paintedIcon(const std::function<void(QPainter&)>& draw, double units,
                  std::initializer_list<int> sizes);

} // namespace zephlo
