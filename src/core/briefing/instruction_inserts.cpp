#include "core/briefing/instruction_inserts.h"

#include <algorithm>

namespace zephlo {

namespace {

std::int16_t clamped16(int v) { return static_cast<std::int16_t>(std::clamp(v, -32768, 32767)); }

bool isBoxOrTag(std::uint16_t code) {
  return (code >= brfcode::FirstBox && code < brfcode::FirstBox + 8) ||
         (code >= brfcode::FirstTag && code < brfcode::FirstTag + 8);
}

} // namespace

InsertMode insertModeOf(std::uint16_t code) {
  if (code >= brfcode::FirstTag && code < brfcode::FirstTag + 8) return InsertMode::Tag;
  switch (code) {
  case brfcode::Text: return InsertMode::Text;
  case brfcode::MoveMap: return InsertMode::MoveMap;
  case brfcode::ZoomMap: return InsertMode::Zoom;
  case brfcode::NewIcon: return InsertMode::Icon;
  case brfcode::ChangeRegion: return InsertMode::Region;
  default: return InsertMode::None;
  }
}

bool insertResumesPlayback(std::uint16_t code) {
  return code != brfcode::PageBreak && code != brfcode::TitleText &&
         insertModeOf(code) == InsertMode::None;
}

std::string insertStepName(std::uint16_t code) {
  std::string name = commandName(code);
  // Slot numbers and the list's colons are no part of what was inserted.
  name = name.substr(0, name.find('#'));
  while (!name.empty() && (name.back() == ' ' || name.back() == ':'))
    name.pop_back();
  return "Insert " + name;
}

TCommandObject insertCommandItem(std::uint16_t code, const InstructionList& list, int current,
                                 int selectedIcon, int lastRotation) {
  TCommandObject c = newInstruction(code, selectedIcon, lastRotation);
  if (code == brfcode::NewIcon) c.Index = static_cast<std::uint16_t>(newIconNumber(list, current));
  if (code == brfcode::MoveIcon || code == brfcode::RotateIcon)
    c.Index = static_cast<std::uint16_t>(selectedIcon);
  return c;
}

TCommandObject zoomMapInstruction(int zoom) {
  TCommandObject c = newInstruction(brfcode::ZoomMap);
  c.X = c.Y = clamped16(zoom);
  return c;
}

TCommandObject moveMapInstruction(int scrollX, int scrollY, int zoom) {
  const BriefingMapPoint p = scrollToMap(scrollX, scrollY, zoom);
  TCommandObject c = newInstruction(brfcode::MoveMap);
  c.X = clamped16(p.x);
  c.Y = clamped16(p.y);
  return c;
}

TCommandObject mapTagInstruction(int tag, int colour, BriefingMapPoint at) {
  TCommandObject c = newInstruction(brfcode::FirstTag);
  c.Index = static_cast<std::uint16_t>(std::clamp(tag, 0, 127));
  c.Color = static_cast<std::uint16_t>(std::max(colour, 0));
  c.X = clamped16(at.x);
  c.Y = clamped16(at.y);
  return c;
}

std::optional<int> iconToolRotation(IconTool tool) {
  if (tool > IconTool::Mirror) return std::nullopt;
  return selectedIconInstruction(tool, 0).Rotation;
}

void previewZoom(PlaybackState& s, int zoom) {
  s.zoom = s.targetZoom = zoom;
  s.pixelTargetX = s.xoff = briefingPixel(s.targetX, s.zoom);
  s.pixelTargetY = s.yoff = briefingPixel(s.targetY, s.zoom);
}

void previewPan(PlaybackState& s, int scrollX, int scrollY) {
  s.pixelTargetX = s.xoff = -scrollX;
  s.pixelTargetY = s.yoff = -scrollY;
}

InstructionInsert insertOnListPageStep(TCommandObject item, int selected) {
  InstructionInsert r;
  r.op = editBriefingList(
      insertStepName(item.Command), {},
      [item, selected, where = r.where, warning = r.warning](InstructionList& list) -> Status {
        const int pos = insertOnListPage(list, selected, item);
        *warning = assignFreeSlot(list, pos);
        *where = sortByTime(list, pos);
        return {};
      });
  return r;
}

InstructionInsert insertAtClockStep(TCommandObject item, int current, int time) {
  InstructionInsert r;
  r.op =
      editBriefingList(insertStepName(item.Command), {},
                       [=, where = r.where, warning = r.warning](InstructionList& list) -> Status {
                         if (item.Command == brfcode::Text) {
                           *where = insertTextAtTime(list, current, time, item);
                           return {};
                         }
                         *where = insertAtTime(list, current, time, item);
                         if (isBoxOrTag(item.Command)) *warning = assignFreeSlot(list, *where);
                         return {};
                       });
  return r;
}

InstructionInsert insertOnMapStep(std::uint16_t code, const BriefingPlayback& pb, int selectedIcon,
                                  int lastRotation) {
  const int current = pb.current(), time = pb.time();
  if (code == brfcode::ShipData) return insertShowInfoStep(selectedIcon, current, time);
  TCommandObject item = insertCommandItem(code, pb.list(), current, selectedIcon, lastRotation);
  if (code == brfcode::MoveIcon) {
    // A move to where the icon stands, ready to be dragged.
    const BriefingIcon& icon =
        pb.state().icons[static_cast<std::size_t>(std::clamp(selectedIcon, 0, kBriefingIcons - 1))];
    item.X = icon.x;
    item.Y = icon.y;
  }
  return insertAtClockStep(item, current, time);
}

InstructionInsert dragInsertMoveStep(int icon, BriefingMapPoint to, int current, int time,
                                     int dragId) {
  TCommandObject item = newInstruction(brfcode::MoveIcon);
  item.Index = static_cast<std::uint16_t>(icon);
  item.X = static_cast<std::int16_t>(std::clamp(to.x, -32768, 32767));
  item.Y = static_cast<std::int16_t>(std::clamp(to.y, -32768, 32767));
  InstructionInsert r = insertAtClockStep(item, current, time);
  r.op.mergeKey = briefingDragKey(dragId);
  return r;
}

InstructionInsert insertNewIconStep(int craftType, int iff, BriefingMapPoint at, int current,
                                    int time) {
  InstructionInsert r;
  r.op = editBriefingList(insertStepName(brfcode::NewIcon), {},
                          [=, where = r.where, also = r.also](InstructionList& list) -> Status {
                            int icon = 0;
                            *where = insertNewIcon(list, current, time, craftType, iff, at, icon);
                            *also = *where + 1;
                            return {};
                          });
  return r;
}

InstructionInsert insertShowInfoStep(int icon, int current, int time) {
  InstructionInsert r;
  r.op = editBriefingList("Show Info for Selected Icon", {},
                          [=, where = r.where](InstructionList& list) -> Status {
                            *where = insertShowInfo(list, current, time, icon);
                            return {};
                          });
  return r;
}

} // namespace zephlo
