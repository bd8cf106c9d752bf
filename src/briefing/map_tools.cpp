#include "briefing/map_tools.h"

#include <algorithm>
#include <cstdlib>

namespace zephlo {

MapPoint mapToScreen(const PlaybackState& s, int width, int height, MapPoint map) {
  return {mapToPixel(map.x, s.zoom) + width / 2 + s.xoff,
          mapToPixel(map.y, s.zoom) + height / 2 + s.yoff};
}

MapPoint screenToMap(const PlaybackState& s, int width, int height, MapPoint pixel) {
  return {pixelToMap(pixel.x - width / 2 - s.xoff, s.zoom),
          pixelToMap(pixel.y - height / 2 - s.yoff, s.zoom)};
}

namespace {

bool near(const PlaybackState& s, MapPoint a, int x, int y) {
  const double zoom = s.zoom == 0 ? 4 : s.zoom;
  return std::abs(a.x - x) <= 4500 / zoom && std::abs(a.y - y) <= 3000 / zoom;
}

} // namespace

int hitIcon(const PlaybackState& s, MapPoint map) {
  const int last = std::min(s.iconCount + 1, kBriefingIcons - 1);
  for (int i = 0; i <= last; ++i) {
    const BriefingIcon& icon = s.icons[static_cast<std::size_t>(i)];
    if (near(s, map, icon.x, icon.y)) return i;
  }
  return -1;
}

int hitTag(const PlaybackState& s, const InstructionList& list, int width, int height,
           MapPoint pixel) {
  const MapPoint map = screenToMap(s, width, height, {pixel.x - 20, pixel.y});
  for (int slot = kBriefingSlots - 1; slot >= 0; --slot) {
    const int pos = s.tags[static_cast<std::size_t>(slot)].instruction;
    if (pos < 0 || pos >= static_cast<int>(list.size())) continue;
    const TCommandObject& c = list[static_cast<std::size_t>(pos)];
    if (near(s, map, c.X, c.Y)) return slot;
  }
  return -1;
}

MapPoint dragTo(MapPoint pointer, MapPoint old, const DragSettings& d) {
  return {d.lockX ? old.x : snapToStep(pointer.x, d.stepX),
          d.lockY ? old.y : snapToStep(pointer.y, d.stepY)};
}

ArrowEdit arrowMove(BriefingPlayback& pb, int icon, ArrowMove move) {
  pb.pause();
  if (pb.time() == 0) pb.setTime(1);
  ArrowEdit edit;
  edit.time = pb.time();
  edit.where = std::make_shared<int>(-1);
  const BriefingIcon& at =
      pb.state().icons[static_cast<std::size_t>(std::clamp(icon, 0, kBriefingIcons - 1))];
  const auto [x, y] = arrowTarget(move, at.x, at.y);
  TCommandObject item = newInstruction(brfcode::MoveIcon);
  item.Index = static_cast<std::uint16_t>(icon);
  item.X = static_cast<std::int16_t>(x);
  item.Y = static_cast<std::int16_t>(y);
  edit.op = insertInstructionAtTime(pb.current(), edit.time, item, edit.where);
  edit.op.name = "Move Icon";
  return edit;
}

void afterArrowMove(BriefingPlayback& pb, InstructionList list, const ArrowEdit& edit) {
  pb.setList(std::move(list));
  const int pos = edit.where ? *edit.where : -1;
  if (pos >= 0 && pos < static_cast<int>(pb.list().size())) pb.executeAt(pos);
  pb.setTime(edit.time + 1);
}

} // namespace zephlo
