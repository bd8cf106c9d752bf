// What the map knows about each craft type (an index into the craft-type
// vocabulary): its size, its class for the class filter, whether it moves,
// its top speed and how its icon is drawn.
#pragma once

namespace zephlo {

// Craft types the vocabulary names (0-231); the icon sheet has a cell for 1-231.
inline constexpr int kCraftTypeCount = 232;

// Radius in kilometres used for culling and the battlefield box; 0 for
// types not listed and for the small craft that have a wireframe.
double craftSize(int craftType);

// The class filter buttons, in the order of the toolbar.
enum class CraftClass {
  Starfighter, // FightersOn
  Starship,    // CapShipsOn
  Transport,   // TransportsOn
  Freighter,   // FRTsOn
  Platform,    // PlatformsOn
  Object,      // ObjectsOn
  AlwaysShown, // planets, backdrops and a few odd types
  None,        // in no set: never passes the class filter
};
inline constexpr int kClassButtons = 6;

CraftClass craftClass(int craftType);

// Craft that get distance and time labels.
bool isMovingType(int craftType);
// Top speed in MGLT, for the time estimate.
int maxSpeed(int craftType);

// Craft always drawn as a wireframe (unless icons only is set), and the
// small craft that get one only when zoomed in.
bool hasLargeWireframe(int craftType);
bool hasSmallWireframe(int craftType);

// The palette strip: 37 cells in the top row (palette index 1-37) and 39
// in the bottom row (38-76); the craft type each index places.
inline constexpr int kPaletteTopCells = 37;
inline constexpr int kPaletteBottomCells = 39;
int paletteCraftType(int paletteIndex);
// The icon colour row of the palette for the palette IFF.
int paletteColourSet(int paletteIff);

} // namespace zephlo
