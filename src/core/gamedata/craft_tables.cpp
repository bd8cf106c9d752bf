#include "core/gamedata/craft_tables.h"

#include <algorithm>
#include <initializer_list>
#include <utility>

namespace zephlo {

namespace {

// Closed ranges [first, last] of craft types.
using Ranges = std::initializer_list<std::pair<int, int>>;

bool inRanges(int t, Ranges ranges) {
  return std::any_of(ranges.begin(), ranges.end(),
                     [t](const auto& r) { return t >= r.first && t <= r.second; });
}

bool oneOf(int t, std::initializer_list<int> types) {
  return std::find(types.begin(), types.end(), t) != types.end();
}

} // namespace

double craftSize(int t) {
  if (t == 54) return 4.0;
  if (oneOf(t, {140, 143})) return 1.2;
  if (oneOf(t, {53, 230})) return 1.0;
  if (oneOf(t, {49, 90, 91, 139, 145, 228})) return 0.8;
  if (inRanges(t, {{60, 65}, {129, 129}})) return 0.5;
  if (oneOf(t, {52, 66, 229})) return 0.45;
  if (inRanges(t, {{46, 48}, {50, 51}, {69, 69}, {92, 92}})) return 0.3;
  if (oneOf(t, {35, 42, 43})) return 0.18;
  if (inRanges(t, {{32, 34}, {36, 37}, {40, 41}, {67, 68}})) return 0.075;
  return 0;
}

CraftClass craftClass(int t) {
  if (t >= 184 && t <= 227) return CraftClass::AlwaysShown;
  // The first set that holds the type decides; 227 would otherwise be an object.
  if (inRanges(t, {{42, 54}, {93, 95}, {99, 99}, {101, 101}, {228, 230}}))
    return CraftClass::Starship;
  if (inRanges(t, {{1, 16}, {113, 123}, {125, 125}, {127, 128}})) return CraftClass::Starfighter;
  if (inRanges(t, {{17, 25}, {30, 31}, {97, 98}, {102, 102}, {150, 150}, {174, 174}}))
    return CraftClass::Transport;
  if (inRanges(t, {{60, 69}, {78, 78}, {90, 91}, {129, 148}, {156, 157}}))
    return CraftClass::Platform;
  if (inRanges(
          t,
          {{70, 72}, {75, 77}, {80, 81}, {83, 88}, {158, 159}, {161, 163}, {175, 183}, {227, 227}}))
    return CraftClass::Object;
  if (inRanges(t, {{26, 29},
                   {32, 41},
                   {55, 59},
                   {89, 89},
                   {96, 96},
                   {100, 100},
                   {103, 112},
                   {151, 155},
                   {164, 164},
                   {169, 169}}))
    return CraftClass::Freighter;
  if (inRanges(t, {{0, 0},
                   {73, 74},
                   {79, 79},
                   {82, 82},
                   {92, 92},
                   {124, 124},
                   {126, 126},
                   {149, 149},
                   {160, 160},
                   {165, 168},
                   {170, 173}}))
    return CraftClass::AlwaysShown;
  return CraftClass::None;
}

bool isMovingType(int t) { return inRanges(t, {{1, 69}, {78, 78}, {90, 92}}); }

int maxSpeed(int t) {
  switch (t) {
  case 1:
  case 5:
  case 14:
  case 15: return 45;
  case 2:
  case 7: return 36;
  case 3: return 54;
  case 4: return 41;
  case 6:
  case 13: return 50;
  case 8: return 60;
  case 9: return 65;
  case 12: return 55;
  case 16:
  case 37:
  case 38:
  case 39: return 40;
  case 17:
  case 22:
  case 23: return 30;
  case 18: return 33;
  case 19:
  case 20: return 35;
  case 21: return 25;
  case 24:
  case 49:
  case 53:
  case 54: return 5;
  case 25:
  case 35: return 15;
  case 30:
  case 33:
  case 40:
  case 41: return 10;
  case 32:
  case 36:
  case 42:
  case 43:
  case 44:
  case 45:
  case 46:
  case 92: return 8;
  case 34: return 12;
  case 47:
  case 48:
  case 50: return 6;
  case 51:
  case 52: return 4;
  default: return 16;
  }
}

bool hasLargeWireframe(int t) { return oneOf(t, {35, 46, 49, 53, 60, 96, 105, 129, 140, 230}); }

bool hasSmallWireframe(int t) { return oneOf(t, {1, 3, 5, 22, 24, 25, 38, 39, 97, 110}); }

int paletteCraftType(int p) {
  if (p <= 9) return p;
  if (p <= 28) return p + 2;
  if (p <= 35) return p + 3;
  if (p <= 56) return p + 4;
  if (p <= 62) return p + 9;
  if (p <= 66) return p + 12;
  if (p == 67) return p + 13;
  if (p <= 69) return p + 15;
  if (p <= 71) return p + 16;
  return p + 18;
}

int paletteColourSet(int paletteIff) {
  if (paletteIff == 4) return 1;
  if (paletteIff == 5) return 4;
  return paletteIff;
}

} // namespace zephlo
