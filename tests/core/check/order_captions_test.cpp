#include "core/check/order_captions.h"
#include "core/check/texts.h"
#include "support/test_documents.h"

#include <gtest/gtest.h>

namespace zephlo {
namespace {

TEST(OrderCaptions, SelectorAndWaypointEditorTexts) {
  Document d = testing::generatedDocument({.flightGroups = 40, .messages = 0});
  setText(d.header, hdr::RegionNames + 3 * hdr::RegionNameSize, hdr::RegionNameSize, "  Outpost  ");
  EXPECT_EQ(regionNameOf(d, 4), "Outpost");
  EXPECT_EQ(regionNameOf(d, 5), "");
  EXPECT_EQ(orderSelectorCaption(d, 4, 3), "Order 3, Region #4: \"Outpost\"");

  // Orders that name flight groups near both ends of the list, a team, and
  // a flight group past its end.
  FGObject& f = d.flightGroups[7];
  auto target = [&](int order, std::size_t type, std::size_t var, Byte t, Byte v) {
    Byte* o = f.order(4, order);
    o[ord::Command] = 7;
    o[type] = t;
    o[var] = v;
  };
  target(1, ord::Target1Type, ord::Target1, 1, 39);
  target(1, ord::Target2Type, ord::Target2, 1, 0);
  target(2, ord::Target3Type, ord::Target3, 12, 1);
  target(3, ord::Target4Type, ord::Target4, 1, 200);
  target(4, ord::Target1Type, ord::Target1, 2, 5);
  const auto lines = regionOrderLines(d, 7, 4);
  const MissionLists all = buildMissionLists(d);
  for (int o = 1; o <= 4; ++o) {
    EXPECT_EQ(lines[static_cast<std::size_t>(o - 1)], orderLineText(f.order(4, o), all))
        << "the few labels it builds read as the whole lists do, order " << o;
  }
  EXPECT_NE(lines[0].find(all.fgNames[39]), std::string::npos) << lines[0];
  EXPECT_EQ(waypointEditorCaption(d, 7, 4, 2),
            "At \"Outpost\" - " + orderLineText(f.order(4, 2), all));

  // Nothing to read: no lines, only the region in the caption.
  EXPECT_EQ(regionOrderLines(d, 40, 1)[0], "");
  EXPECT_EQ(regionOrderLines(d, 7, 0)[0], "");
  EXPECT_EQ(waypointEditorCaption(d, -1, 4, 1), "At \"Outpost\" - ");
}

} // namespace
} // namespace zephlo
