// The one place where the core's 0x00BBGGRR colours become Qt colours.
#pragma once

#include "core/gamedata/colours.h"

#include <QColor>

namespace zephlo {

inline QColor toQColor(Colour c) { return QColor(redOf(c), greenOf(c), blueOf(c)); }

} // namespace zephlo
