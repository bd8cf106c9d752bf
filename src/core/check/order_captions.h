// The texts of the order the map shows, as the order/region selector and
// the waypoint editor show them.
#pragma once

#include "core/mission/document.h"

#include <array>
#include <string>

namespace zephlo {

// The name of region 1-4 with its blanks trimmed.
std::string regionNameOf(const Document& doc, int region);
// The selector's caption: Order 3, Region #4: "Outpost".
std::string orderSelectorCaption(const Document& doc, int region, int order);
// The lines of orders 1-4 of a region (1-4) of flight group fg.
std::array<std::string, kOrdersPerRegion> regionOrderLines(const Document& doc, int fg, int region);
// The waypoint editor's caption: At "Outpost" - followed by the line of
// that order of flight group fg.
std::string waypointEditorCaption(const Document& doc, int fg, int region, int order);

} // namespace zephlo
