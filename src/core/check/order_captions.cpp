#include "core/check/order_captions.h"

#include "core/check/texts.h"

namespace zephlo {

namespace {

bool valid(const Document& doc, int fg, int region, int order) {
  return fg >= 0 && static_cast<std::size_t>(fg) < doc.flightGroups.size() && region >= 1 &&
         region <= kRegionCount && order >= 1 && order <= kOrdersPerRegion;
}

} // namespace

std::string regionNameOf(const Document& doc, int region) {
  if (region < 1 || region > kRegionCount) return {};
  const std::size_t at =
      hdr::RegionNames + static_cast<std::size_t>(region - 1) * hdr::RegionNameSize;
  return trimmed(getText(doc.header, at, hdr::RegionNameSize));
}

std::string orderSelectorCaption(const Document& doc, int region, int order) {
  return "Order " + std::to_string(order) + ", Region #" + std::to_string(region) + ": \"" +
         regionNameOf(doc, region) + "\"";
}

std::array<std::string, kOrdersPerRegion> regionOrderLines(const Document& doc, int fg,
                                                           int region) {
  std::array<std::string, kOrdersPerRegion> lines{};
  if (!valid(doc, fg, region, 1)) return lines;
  const FGObject& f = doc.flightGroups[static_cast<std::size_t>(fg)];
  std::vector<const Byte*> orders;
  for (int o = 1; o <= kOrdersPerRegion; ++o)
    orders.push_back(f.order(region, o));
  const MissionLists lists = listsForOrders(doc, orders);
  for (std::size_t o = 0; o < lines.size(); ++o)
    lines[o] = orderLineText(orders[o], lists);
  return lines;
}

std::string waypointEditorCaption(const Document& doc, int fg, int region, int order) {
  std::string caption = "At \"" + regionNameOf(doc, region) + "\" - ";
  if (!valid(doc, fg, region, order)) return caption;
  const Byte* o = doc.flightGroups[static_cast<std::size_t>(fg)].order(region, order);
  return caption + orderLineText(o, listsForOrders(doc, {o}));
}

} // namespace zephlo
