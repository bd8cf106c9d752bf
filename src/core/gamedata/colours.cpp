#include "core/gamedata/colours.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace zephlo {

namespace {

// Rows 0-5 are the game's IFFs; the last row stands in for anything else.
constexpr int kOtherRow = 6;

// Columns: normal (wireframes), bright (labels, markers, lines), third.
constexpr std::array<std::array<Colour, 3>, 7> kIffColours{{
    {0x00FF00, 0x95FF95, 0x00EA00},
    {0x0000FF, 0x8C8CFF, 0x0000FF},
    {0xFF8000, 0xFFCC99, 0xFF8000},
    {0x00FFFF, 0xB0FFFF, 0x00FFFF},
    {0x0000FF, 0x0000FF, 0x0000FF},
    {0xFD55DB, 0xFDACED, 0xFC25D1},
    {0xFF8000, 0xFFCC99, 0xFF8000},
}};

constexpr std::array<Colour, 7> kIconColours{0x00FF00, 0x3C3CFF, 0xFFC600, 0x00FFFF,
                                             0x0000FF, 0xFF00FF, 0xFF8000};

constexpr int kAsteroid = 86;
constexpr Colour kAsteroidGrey = 0x9D9D9D;

// An IFF byte outside 0-5 (or a negative value from a careless caller)
// must never index past the table.
int iffRow(int iff) { return iff >= 0 && iff < kOtherRow ? iff : kOtherRow; }

// value x percent / 100, rounded to nearest with halves to even, kept in a
// byte. Integer arithmetic keeps the result independent of the FPU mode.
int scaleChannel(int value, int percent) {
  const long long product = static_cast<long long>(value) * percent;
  if (product <= 0) return 0;
  long long quotient = product / 100;
  const long long remainder = product % 100;
  if (remainder > 50 || (remainder == 50 && quotient % 2 == 1)) ++quotient;
  return static_cast<int>(std::min<long long>(quotient, 255));
}

} // namespace

Colour iffColour(int iff, int variant, Colour fallback) {
  if (variant < 0 || variant > 2) return fallback;
  return kIffColours[static_cast<std::size_t>(iffRow(iff))][static_cast<std::size_t>(variant)];
}

Colour iconColour(int iff, int craftType) {
  if (craftType == kAsteroid) return kAsteroidGrey;
  return kIconColours[static_cast<std::size_t>(iffRow(iff))];
}

Colour darken(Colour c, int percent) {
  return rgb(scaleChannel(redOf(c), percent), scaleChannel(greenOf(c), percent),
             scaleChannel(blueOf(c), percent));
}

namespace {

double luminance(Colour c) {
  auto channel = [](int v) {
    const double x = v / 255.0;
    return x <= 0.03928 ? x / 12.92 : std::pow((x + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(redOf(c)) + 0.7152 * channel(greenOf(c)) + 0.0722 * channel(blueOf(c));
}

} // namespace

double contrastRatio(Colour a, Colour b) {
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Colour readableOn(Colour text, Colour background, double minRatio) {
  constexpr int kSteps = 32;
  Colour c = text;
  for (int k = 1; k <= kSteps && contrastRatio(c, background) < minRatio; ++k) {
    auto toward = [k](int v) { return v + (255 - v) * k / kSteps; };
    c = rgb(toward(redOf(text)), toward(greenOf(text)), toward(blueOf(text)));
  }
  return c;
}

} // namespace zephlo
