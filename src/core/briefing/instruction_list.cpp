#include "core/briefing/instruction_list.h"

#include <algorithm>
#include <utility>

namespace zephlo {

namespace {

int lastIndex(const InstructionList& list) { return static_cast<int>(list.size()) - 1; }

const TCommandObject& at(const InstructionList& list, int i) {
  return list[static_cast<std::size_t>(i)];
}

SlotChoice freeSlot(const InstructionList& list, int through, std::uint16_t clearCode,
                    std::uint16_t firstCode, const char* warning) {
  int highest = 0;
  for (int i = 0; i <= std::min(through, lastIndex(list)); ++i) {
    const std::uint16_t code = at(list, i).Command;
    if (code == clearCode)
      highest = 0;
    else if (code >= firstCode && code < firstCode + 8)
      highest = std::max(highest, code - firstCode + 1);
  }
  if (highest >= 8) return {1, warning};
  return {highest + 1, {}};
}

} // namespace

int sortByTime(InstructionList& list, int current) {
  const int n = static_cast<int>(list.size());
  for (int i = 0; i < n; ++i) {
    for (int j = i + 1; j < n; ++j) {
      if (instructionTime(at(list, j)) < instructionTime(at(list, i))) {
        std::swap(list[static_cast<std::size_t>(i)], list[static_cast<std::size_t>(j)]);
        if (current == i)
          current = j;
        else if (current == j)
          current = i;
      }
    }
  }
  return current;
}

TCommandObject newInstruction(std::uint16_t code, int selectedIcon, int lastRotation) {
  TCommandObject c;
  c.Command = code;
  c.Index = 0;
  c.CraftType = 1;
  c.InfoIcon = 1;
  c.Color = 0;
  if (code == brfcode::ZoomMap) c.X = c.Y = 32;
  if (code == brfcode::RotateIcon) c.Rotation = static_cast<std::uint16_t>(lastRotation);
  if (code >= brfcode::FirstBox && code < brfcode::FirstBox + 8)
    c.Index = static_cast<std::uint16_t>(selectedIcon);
  if (code == brf::EndCode) c.Time = static_cast<std::int16_t>(brf::EndTime);
  return c;
}

int insertOnListPage(InstructionList& list, int selected, TCommandObject item) {
  selected = std::clamp(selected, 0, std::max(0, lastIndex(list)));
  if (list.empty() || selected == 0)
    item.Time = 0;
  else if (isEndMarker(at(list, selected)))
    item.Time = at(list, selected - 1).Time;
  else
    item.Time = at(list, selected).Time;
  list.insert(list.begin() + selected, item);
  return selected;
}

int insertAtTime(InstructionList& list, int current, int time, TCommandObject item) {
  item.Time = static_cast<std::int16_t>(static_cast<std::uint16_t>(time));
  // The current row may lie past the end of a list that has lost its end
  // marker (a damaged stream); the insert never goes beyond the list.
  int pos = std::clamp(current + 1, 0, static_cast<int>(list.size()));
  while (pos < static_cast<int>(list.size()) && !isEndMarker(at(list, pos)) &&
         instructionTime(at(list, pos)) <= time)
    ++pos;
  // Nothing goes below the end marker.
  if (!list.empty() && pos > lastIndex(list) && isEndMarker(list.back())) pos = lastIndex(list);
  list.insert(list.begin() + pos, item);
  return pos;
}

bool canDeleteInstruction(const InstructionList& list, int position) {
  return list.size() > 1 && position >= 0 && position <= lastIndex(list) &&
         !isEndMarker(at(list, position));
}

bool deleteInstruction(InstructionList& list, int position) {
  if (!canDeleteInstruction(list, position)) return false;
  list.erase(list.begin() + position);
  return true;
}

std::optional<int> moveInstruction(InstructionList& list, int position, bool up) {
  const int other = up ? position - 1 : position + 1;
  if (position < 0 || other < 0 || position > lastIndex(list) || other > lastIndex(list))
    return std::nullopt;
  if (isEndMarker(at(list, position)) || isEndMarker(at(list, other))) return std::nullopt;
  auto& a = list[static_cast<std::size_t>(position)];
  auto& b = list[static_cast<std::size_t>(other)];
  std::swap(a, b);
  std::swap(a.Time, b.Time); // the times stay where they were, so the order holds
  return other;
}

SlotChoice freeBoxSlot(const InstructionList& list, int current) {
  return freeSlot(list, current, brfcode::ClearBoxes, brfcode::FirstBox,
                  "Seems like all FG Boxes are in use. It would be best to put in a \"Clear "
                  "Boxes\" instruction before boxing more FGs");
}

SlotChoice freeTagSlot(const InstructionList& list, int current) {
  return freeSlot(list, current - 1, brfcode::ClearTags, brfcode::FirstTag,
                  "Seems like all Map Tags are in use. It would be best to put in a \"Clear "
                  "Tags\" instruction before adding more Tags");
}

std::string assignFreeSlot(InstructionList& list, int position) {
  if (position < 0 || position > lastIndex(list)) return {};
  TCommandObject& c = list[static_cast<std::size_t>(position)];
  if (c.Command >= brfcode::FirstBox && c.Command < brfcode::FirstBox + 8) {
    const SlotChoice s = freeBoxSlot(list, position - 1);
    c.Command = static_cast<std::uint16_t>(brfcode::FirstBox + s.slot - 1);
    return s.warning;
  }
  if (c.Command >= brfcode::FirstTag && c.Command < brfcode::FirstTag + 8) {
    const SlotChoice s = freeTagSlot(list, position);
    c.Command = static_cast<std::uint16_t>(brfcode::FirstTag + s.slot - 1);
    return s.warning;
  }
  return {};
}

int newIconNumber(const InstructionList& list, int current) {
  int highest = -1;
  for (int i = 0; i < static_cast<int>(list.size()); ++i) {
    const TCommandObject& c = at(list, i);
    if (c.Command == brfcode::ChangeRegion) {
      if (i > current) break;
      highest = -1;
    } else if (c.Command == brfcode::NewIcon) {
      highest = std::max(highest, static_cast<int>(c.Index));
    }
  }
  return highest + 1;
}

std::optional<int> presetIff(int craftType) {
  static constexpr int rebels[] = {1, 2, 3, 4, 14, 49, 50, 92, 95, 143, 175, 228};
  static constexpr int imperials[] = {5,   6,   7,   8,   9,   12,  16,  51,  52,
                                      53,  54,  97,  98,  100, 101, 113, 114, 115,
                                      116, 117, 118, 144, 176, 178, 227, 229, 230};
  if (std::ranges::find(imperials, craftType) != std::end(imperials)) return 1;
  if (std::ranges::find(rebels, craftType) != std::end(rebels)) return 0;
  return std::nullopt;
}

int insertShowInfo(InstructionList& list, int current, int time, int icon) {
  TCommandObject on = newInstruction(brfcode::ShipData);
  on.Index = 1;
  on.InfoIcon = static_cast<std::uint16_t>(icon);
  TCommandObject off = on;
  off.Index = 0;
  const int first = insertAtTime(list, current, time, on);
  insertAtTime(list, first, std::min(time + 120, 0xFFFF), off);
  return first;
}

std::pair<int, int> arrowTarget(ArrowMove move, int x, int y) {
  int dx = 0, dy = 0;
  switch (move) {
  case ArrowMove::Up: dy = -40; break;
  case ArrowMove::Down: dy = 40; break;
  case ArrowMove::Left: dx = -40; break;
  case ArrowMove::Right: dx = 40; break;
  case ArrowMove::UpLeft: dx = dy = -28; break;
  case ArrowMove::UpRight: dx = 28, dy = -28; break;
  case ArrowMove::DownLeft: dx = -28, dy = 28; break;
  case ArrowMove::DownRight: dx = dy = 28; break;
  }
  return {std::clamp(x + dx, -32768, 32767), std::clamp(y + dy, -32768, 32767)};
}

int dragInstructionForIcon(const InstructionList& list, int icon, int lastMove, int clock) {
  auto movesIcon = [&](int i) {
    return i >= 0 && i < static_cast<int>(list.size()) &&
           at(list, i).Command == brfcode::MoveIcon && at(list, i).Index == icon;
  };
  if (clock == 0) {
    for (int i = 0; i < static_cast<int>(list.size()) && instructionTime(at(list, i)) == 0; ++i)
      if (movesIcon(i)) return i;
    return -1;
  }
  return movesIcon(lastMove) ? lastMove : -1;
}

int truncateToSnap(int mapUnits, int step) { return step > 1 ? mapUnits / step * step : mapUnits; }

int nextBriefingSnapStep(int step) {
  switch (step) {
  case 1: return 26;
  case 26: return 51;
  case 51: return 128;
  default: return 1;
  }
}

std::string tickSecondsText(int ticks) {
  // Ticks are 1/25 s, so two decimals always hold the exact value.
  const int hundredths = ticks * 4;
  std::string s = std::to_string(hundredths / 100);
  const int frac = hundredths % 100;
  if (frac != 0) {
    s += '.';
    s += static_cast<char>('0' + frac / 10);
    if (frac % 10 != 0) s += static_cast<char>('0' + frac % 10);
  }
  return s;
}

} // namespace zephlo
