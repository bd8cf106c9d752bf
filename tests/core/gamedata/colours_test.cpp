#include "core/gamedata/colours.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace zephlo {
namespace {

constexpr Colour kFallback = 0x123456;

TEST(ColoursIff, TableRowsForAllVariants) {
  struct Row {
    int iff;
    Colour normal, bright, third;
  };
  const std::array<Row, 6> rows{{
      {0, 0x00FF00, 0x95FF95, 0x00EA00},
      {1, 0x0000FF, 0x8C8CFF, 0x0000FF},
      {2, 0xFF8000, 0xFFCC99, 0xFF8000},
      {3, 0x00FFFF, 0xB0FFFF, 0x00FFFF},
      {4, 0x0000FF, 0x0000FF, 0x0000FF},
      {5, 0xFD55DB, 0xFDACED, 0xFC25D1},
  }};
  for (const Row& r : rows) {
    EXPECT_EQ(iffColour(r.iff, 0, kFallback), r.normal) << r.iff;
    EXPECT_EQ(iffColour(r.iff, 1, kFallback), r.bright) << r.iff;
    EXPECT_EQ(iffColour(r.iff, 2, kFallback), r.third) << r.iff;
  }
  EXPECT_EQ(iffColour(1, IffVariant::Bright), 0x8C8CFFu);
  EXPECT_EQ(iffColour(5, IffVariant::Third), 0xFC25D1u);
}

TEST(ColoursIff, OutOfRangeIffUsesOtherRow) {
  for (int iff : {6, 7, 100, 255, -1, -200}) {
    EXPECT_EQ(iffColour(iff, IffVariant::Normal), 0xFF8000u) << iff;
    EXPECT_EQ(iffColour(iff, IffVariant::Bright), 0xFFCC99u) << iff;
    EXPECT_EQ(iffColour(iff, IffVariant::Third), 0xFF8000u) << iff;
  }
}

TEST(ColoursIff, UnknownVariantAnswersFallback) {
  for (int variant : {-1, 3, 42}) {
    EXPECT_EQ(iffColour(0, variant, kFallback), kFallback) << variant;
    EXPECT_EQ(iffColour(6, variant, kFallback), kFallback) << variant;
  }
}

TEST(ColoursIcon, PerIffAndAsteroidGrey) {
  const std::array<Colour, 6> expected{0x00FF00, 0x3C3CFF, 0xFFC600, 0x00FFFF, 0x0000FF, 0xFF00FF};
  for (int iff = 0; iff < 6; ++iff)
    EXPECT_EQ(iconColour(iff, 1), expected[static_cast<std::size_t>(iff)]) << iff;
  EXPECT_EQ(iconColour(6, 1), 0xFF8000u);
  EXPECT_EQ(iconColour(255, 53), 0xFF8000u);
  EXPECT_EQ(iconColour(-1, 1), 0xFF8000u);
  for (int iff : {0, 1, 5, 6, 255})
    EXPECT_EQ(iconColour(iff, 86), 0x9D9D9Du) << iff;
  EXPECT_EQ(iconColour(0, 85), 0x00FF00u);
}

TEST(ColoursDarken, ScalesEachChannelAndRounds) {
  EXPECT_EQ(darken(0x00FF00, 80), rgb(0, 204, 0));
  EXPECT_EQ(darken(0x95FF95, 100), 0x95FF95u);
  EXPECT_EQ(darken(0xFFFFFF, 0), 0u);
  // 0x10 * 90% = 14.4 -> 14, 0x20 * 90% = 28.8 -> 29, 0x30 * 90% = 43.2 -> 43
  EXPECT_EQ(darken(rgb(0x10, 0x20, 0x30), 90), rgb(14, 29, 43));
  // Channels stay separate: no carry from one byte into the next.
  EXPECT_EQ(darken(0xFD55DB, 50), rgb(110, 42, 126));
}

TEST(ColoursDarken, HalvesRoundToEven) {
  // 255 * 50% = 127.5 -> 128; 253 * 50% = 126.5 -> 126; 1 * 50% = 0.5 -> 0; 3 * 50% = 1.5 -> 2
  EXPECT_EQ(darken(rgb(255, 253, 1), 50), rgb(128, 126, 0));
  EXPECT_EQ(darken(rgb(3, 5, 7), 50), rgb(2, 2, 4));
  // 25 * 10% = 2.5 -> 2; 35 * 10% = 3.5 -> 4
  EXPECT_EQ(darken(rgb(25, 35, 0), 10), rgb(2, 4, 0));
}

TEST(ColoursDarken, ClampsOutsideTheByte) {
  EXPECT_EQ(darken(rgb(200, 100, 10), 200), rgb(255, 200, 20));
  EXPECT_EQ(darken(0xFFFFFF, 1000000), 0xFFFFFFu);
  EXPECT_EQ(darken(0xFFFFFF, -50), 0u);
}

TEST(Colours, EveryListColourStaysReadableWhenSelected) {
  // Each colour a list line can have, on the highlight of a selected line.
  std::vector<Colour> lineColours = {rgb(128, 128, 128), rgb(79, 78, 79)};
  for (int iff = 0; iff <= 6; ++iff)
    lineColours.push_back(iffColour(iff, IffVariant::Normal));
  for (Colour c : lineColours) {
    const Colour shown = readableOn(c, kListSelection);
    EXPECT_GE(contrastRatio(shown, kListSelection), 4.5) << std::hex << c;
    // Only lightened: the hue a designer reads stays recognisable.
    EXPECT_GE(redOf(shown), redOf(c));
    EXPECT_GE(greenOf(shown), greenOf(c));
    EXPECT_GE(blueOf(shown), blueOf(c));
  }
  // A colour that is readable already is left as it is.
  EXPECT_EQ(readableOn(rgb(255, 255, 0), kListSelection), rgb(255, 255, 0));
  EXPECT_NEAR(contrastRatio(rgb(0, 0, 0), rgb(255, 255, 255)), 21.0, 1e-9);
}

} // namespace
} // namespace zephlo
