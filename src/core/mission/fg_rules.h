// The side rules a flight-group store applies after writing a field: they
// keep IFF, team, special craft, colour and region set consistent with it.
#pragma once

#include "core/mission/document.h"

#include <array>

namespace zephlo {

enum class CraftSide { Other, Rebel, Imperial };
CraftSide craftSide(int craftType);

// The team a rebel or imperial craft joins: for a rebel craft the first of
// teams 1-8 whose autolink IFF is 0 (-1 when there is none, and the team is
// then kept); for an imperial craft the first whose autolink IFF is 1 or
// whose name is "Imperial" or "Empire", else team 1.
int teamForSide(const Document& doc, CraftSide side);

// Autolink only: a rebel craft gets IFF 0, an imperial craft IFF 1, and the
// team that goes with it; any other type changes nothing.
void applyCraftTypeRule(FGObject& f, const Document& doc);
// A special craft number at or past the last craft becomes the number of craft.
void applySizeRule(FGObject& f);
// Autolink only: the IFF follows the team's autolink IFF.
void applyTeamRule(FGObject& f, const Document& doc);
// A name of a colour sets the markings; TIE types have no red, so theirs
// shift one up.
void applyNameColourRule(FGObject& f);

// Whether the flight group arrives unconditionally within 30 seconds.
bool arrivesEarly(const FGObject& f);

// The regions a flight group is present in, element k for region k + 1 (1
// when present): the region of start point 1 and the target of every
// "Hyper to Region" order. The start regions of points 2-4 do not count.
using RegionSet = std::array<Byte, kRegionCount>;
RegionSet regionSet(const FGObject& f);
// Presence in region 1-4; false for any other number.
bool presentInRegion(const FGObject& f, int region);

} // namespace zephlo
