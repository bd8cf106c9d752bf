#include "core/briefing/map_tools.h"

#include <algorithm>
#include <cstdlib>

namespace zephlo {

BriefingMapPoint briefingToScreen(const PlaybackState& s, int width, int height,
                                  BriefingMapPoint map) {
  return {briefingPixel(map.x, s.zoom) + width / 2 + s.xoff,
          briefingPixel(map.y, s.zoom) + height / 2 + s.yoff};
}

BriefingMapPoint screenToBriefing(const PlaybackState& s, int width, int height,
                                  BriefingMapPoint pixel) {
  return {briefingMapUnits(pixel.x - width / 2 - s.xoff, s.zoom),
          briefingMapUnits(pixel.y - height / 2 - s.yoff, s.zoom)};
}

namespace {

bool near(const PlaybackState& s, BriefingMapPoint a, int x, int y) {
  const double zoom = s.zoom == 0 ? 4 : s.zoom;
  return std::abs(a.x - x) <= 4500 / zoom && std::abs(a.y - y) <= 3000 / zoom;
}

} // namespace

int hitBriefingIcon(const PlaybackState& s, BriefingMapPoint map) {
  const int last = std::min(s.iconCount + 1, kBriefingIcons - 1);
  for (int i = 0; i <= last; ++i) {
    const BriefingIcon& icon = s.icons[static_cast<std::size_t>(i)];
    if (near(s, map, icon.x, icon.y)) return i;
  }
  return -1;
}

int hitBriefingTag(const PlaybackState& s, const InstructionList& list, int width, int height,
                   BriefingMapPoint pixel) {
  const BriefingMapPoint map = screenToBriefing(s, width, height, {pixel.x - 20, pixel.y});
  for (int slot = kBriefingSlots - 1; slot >= 0; --slot) {
    const int pos = s.tags[static_cast<std::size_t>(slot)].instruction;
    if (pos < 0 || pos >= static_cast<int>(list.size())) continue;
    const TCommandObject& c = list[static_cast<std::size_t>(pos)];
    if (near(s, map, c.X, c.Y)) return slot;
  }
  return -1;
}

BriefingMapPoint briefingDragTo(BriefingMapPoint pointer, BriefingMapPoint old,
                                const BriefingDragSettings& d) {
  return {d.lockX ? old.x : truncateToSnap(pointer.x, d.stepX),
          d.lockY ? old.y : truncateToSnap(pointer.y, d.stepY)};
}

std::string briefingDragHeld(const BriefingDragSettings& d) {
  return d.lockX && d.lockY ? "Both coordinates are locked: unlock X or Y to drag." : "";
}

BriefingGrab grabOnBriefingMap(const BriefingPlayback& pb, int width, int height,
                               BriefingMapPoint pixel, bool dragging) {
  BriefingGrab g;
  const PlaybackState& s = pb.state();
  g.icon = hitBriefingIcon(s, screenToBriefing(s, width, height, pixel));
  if (!dragging) return g;
  if (g.icon >= 0) {
    g.instruction = dragInstructionForIcon(
        pb.list(), g.icon, s.icons[static_cast<std::size_t>(g.icon)].lastMove, pb.time());
    if (g.instruction >= 0) return g;
    InstructionList more = pb.list();
    more.push_back(newInstruction(brfcode::MoveIcon));
    if (briefingWords(more) <= static_cast<std::size_t>(brf::StreamWords))
      g.insertMove = true;
    else
      g.refusal = "The briefing is full: there is no room for a \"Move Icon\" of icon #" +
                  std::to_string(g.icon) + ".";
  } else if (const int tag = hitBriefingTag(s, pb.list(), width, height, pixel); tag >= 0) {
    g.instruction = s.tags[static_cast<std::size_t>(tag)].instruction;
  } else {
    g.refusal = "Nothing to drag here: no icon or map tag under the pointer.";
  }
  return g;
}

std::optional<BriefingMapPoint> briefingDragTarget(const InstructionList& list, int position,
                                                   BriefingMapPoint pointer,
                                                   const BriefingDragSettings& d) {
  if (position < 0 || position >= static_cast<int>(list.size())) return std::nullopt;
  const TCommandObject& c = list[static_cast<std::size_t>(position)];
  const BriefingMapPoint old{c.X, c.Y};
  const BriefingMapPoint to = briefingDragTo(pointer, old, d);
  if (to == old) return std::nullopt;
  return to;
}

std::string briefingCaption(const PlaybackState& s, const Briefing& b) {
  return s.text >= 0 && s.text < static_cast<int>(b.texts.size())
             ? b.texts[static_cast<std::size_t>(s.text)]
             : std::string();
}

std::string selectedIconText(const Document& d, int icon) {
  std::string text = "Icon #" + std::to_string(icon);
  if (icon >= 0 && icon < static_cast<int>(d.flightGroups.size()))
    text += ": " + d.flightGroups[static_cast<std::size_t>(icon)].name();
  return text;
}

TCommandObject selectedIconInstruction(IconTool tool, int icon, int boxSlot) {
  const auto n = static_cast<std::uint16_t>(icon);
  TCommandObject c;
  switch (tool) {
  case IconTool::Clear:
    c = newInstruction(brfcode::NewIcon);
    c.CraftType = 0; // craft type 0 hides the icon
    break;
  case IconTool::Box:
    c = newInstruction(
        static_cast<std::uint16_t>(brfcode::FirstBox + std::clamp(boxSlot, 1, 8) - 1), icon);
    break;
  default: {
    // Rotation codes count the quarter turns the other way round.
    static constexpr std::uint16_t codes[] = {0, 3, 2, 1, 4};
    c = newInstruction(brfcode::RotateIcon);
    c.Rotation = codes[static_cast<int>(tool)];
  }
  }
  c.Index = n;
  return c;
}

int insertTextAtTime(InstructionList& list, int current, int time, TCommandObject text) {
  if (time != 0) current = insertAtTime(list, current, time, newInstruction(brfcode::PageBreak));
  return insertAtTime(list, current, time, text);
}

void cancelTextInsert(InstructionList& list, int position, int time) {
  if (position < 0 || position >= static_cast<int>(list.size())) return;
  list.erase(list.begin() + position);
  const int before = position - 1;
  if (time != 0 && before >= 0 &&
      list[static_cast<std::size_t>(before)].Command == brfcode::PageBreak &&
      instructionTime(list[static_cast<std::size_t>(before)]) == time)
    list.erase(list.begin() + before);
}

int insertNewIcon(InstructionList& list, int current, int time, int craftType, int iff,
                  BriefingMapPoint at, int& icon) {
  icon = newIconNumber(list, current);
  TCommandObject add = newInstruction(brfcode::NewIcon);
  add.Index = static_cast<std::uint16_t>(icon);
  add.CraftType = static_cast<std::uint16_t>(craftType);
  add.Color = static_cast<std::uint16_t>(iff);
  const int pos = insertAtTime(list, current, time, add);
  TCommandObject move = newInstruction(brfcode::MoveIcon);
  move.Index = add.Index;
  move.X = static_cast<std::int16_t>(std::clamp(at.x, -32768, 32767));
  move.Y = static_cast<std::int16_t>(std::clamp(at.y, -32768, 32767));
  insertAtTime(list, pos, time, move);
  return pos;
}

BriefingMapPoint scrollToMap(int scrollX, int scrollY, int zoom) {
  const double z = zoom == 0 ? 4 : zoom;
  return {briefingRound(scrollX * 223 / z), briefingRound(scrollY * 223 / z)};
}

void showInserted(BriefingPlayback& pb, InstructionList list, int position) {
  pb.setList(std::move(list));
  pb.executeAt(position);
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
  showInserted(pb, std::move(list), edit.where ? *edit.where : -1);
  pb.setTime(edit.time + 1);
}

} // namespace zephlo
