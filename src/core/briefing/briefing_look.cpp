#include "core/briefing/briefing_look.h"

#include <algorithm>
#include <iterator>

namespace zephlo {

Colour briefingIffColour(int iff) {
  switch (iff) {
  case 0: return rgb(0, 255, 0);
  case 1: return rgb(255, 60, 60);
  case 2: return rgb(0, 198, 255);
  case 3: return rgb(255, 255, 0);
  case 4: return rgb(255, 0, 0);
  case 5: return rgb(255, 0, 255);
  default: return rgb(0, 128, 255);
  }
}

Colour briefingTagColour(int colour) {
  switch (colour) {
  case 0: return rgb(0, 255, 0);
  case 1: return rgb(255, 32, 32);
  case 2: return rgb(255, 255, 0);
  case 3: return rgb(0, 198, 255);
  case 4: return rgb(255, 0, 255);
  default: return rgb(0, 0, 0);
  }
}

bool briefingHidesCraft(int craftType) {
  return craftType == 86 || craftType == 87 || craftType == 164 || craftType == 169 ||
         craftType == 183;
}

bool briefingLargeCraft(int craftType) {
  static constexpr int large[] = {49, 51, 52, 53, 54, 229, 230};
  return std::ranges::find(large, craftType) != std::end(large);
}

BriefingIconFrame briefingIconFrame(int craftType, int rotation) {
  BriefingIconFrame f{38, briefingLargeCraft(craftType) ? 56 : 44};
  if (rotation == 1 || rotation == 3) std::swap(f.width, f.height);
  return f;
}

BriefingSymbol briefingSymbol(int t) {
  auto in = [t](int lo, int hi) { return t >= lo && t <= hi; };
  if (in(1, 16) || in(113, 128)) return BriefingSymbol::Fighter;
  if (in(17, 25) || in(36, 39) || in(97, 98) || in(102, 112) || t == 150 || t == 174)
    return BriefingSymbol::Shuttle;
  if (in(30, 35) || in(164, 173)) return BriefingSymbol::Freighter;
  if (in(26, 29) || in(55, 59) || t == 89 || in(151, 155)) return BriefingSymbol::Container;
  if (in(40, 54) || in(92, 96) || in(99, 101) || in(227, 230)) return BriefingSymbol::Capital;
  if (in(60, 69) || t == 78 || in(90, 91) || in(129, 149) || in(156, 157) || in(162, 163))
    return BriefingSymbol::Station;
  if (in(70, 85) || t == 88 || in(158, 161)) return BriefingSymbol::Mine;
  return BriefingSymbol::Other;
}

} // namespace zephlo
