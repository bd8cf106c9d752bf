// Colours of IFFs and craft icons, as 0x00BBGGRR numbers; the painters
// convert them at the last moment.
#pragma once

#include <cstdint>

namespace zephlo {

using Colour = std::uint32_t; // 0x00BBGGRR

constexpr Colour rgb(int r, int g, int b) {
  return static_cast<Colour>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int redOf(Colour c) { return static_cast<int>(c & 0xFF); }
constexpr int greenOf(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int blueOf(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }

enum class IffVariant { Normal = 0, Bright = 1, Third = 2 };

// The IFF colour table; IFF values above 5 use the last row. A variant
// outside the table answers the fallback.
Colour iffColour(int iff, int variant, Colour fallback);
inline Colour iffColour(int iff, IffVariant v) { return iffColour(iff, static_cast<int>(v), 0); }

// Colour of a bitmap craft icon; asteroids are always grey.
Colour iconColour(int iff, int craftType);

// Each of red, green and blue multiplied by percent / 100, rounded.
Colour darken(Colour c, int percent);

// How far apart two colours are in lightness, from 1 (the same) to 21
// (black and white), as accessibility guidelines measure it.
double contrastRatio(Colour a, Colour b);
// The text colour, lightened toward white just enough to reach minRatio on
// the background, so a dim line stays readable where it is highlighted.
Colour readableOn(Colour text, Colour background, double minRatio = 4.5);

// The highlight behind the selected lines of the black lists.
inline constexpr Colour kListSelection = rgb(38, 50, 90);

} // namespace zephlo
