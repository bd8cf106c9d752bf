// How the briefing map shows its items: colours by IFF and tag colour, the
// frame each craft icon takes, and the symbol drawn for each craft type.
#pragma once

#include "core/gamedata/colours.h"

namespace zephlo {

Colour briefingIffColour(int iff);
Colour briefingTagColour(int colour);
inline constexpr Colour kBriefingMapColour = rgb(26, 18, 41);

// Craft types the briefing map never draws (asteroids, planets, backdrops ...).
bool briefingHidesCraft(int craftType);
// The craft type drawn as a plain square outline.
inline constexpr int kBriefingSquareCraft = 227;
// Large craft take a 38 x 56 frame instead of 38 x 44.
bool briefingLargeCraft(int craftType);

struct BriefingIconFrame {
  int width = 38, height = 44;
};
// The icon's frame at a rotation: turned a quarter for 90 and 270 degrees.
BriefingIconFrame briefingIconFrame(int craftType, int rotation);

// The symbol families our icons draw, one per kind of craft.
enum class BriefingSymbol { Fighter, Shuttle, Freighter, Container, Capital, Station, Mine, Other };
BriefingSymbol briefingSymbol(int craftType);

} // namespace zephlo
