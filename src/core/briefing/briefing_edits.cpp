#include "core/briefing/briefing_edits.h"

#include <algorithm>

namespace zephlo {

namespace {

Status encodeInto(Edit& e, const InstructionList& list) {
  Briefing b = e.doc().briefing;
  if (Status r = encodeBriefing(list, b); !r) return r;
  // Only the block changes; touching it records its before-picture.
  e.briefing().block = b.block;
  return {};
}

Status badPosition(int position) {
  return makeError(ErrorKind::BadInput,
                   "There is no briefing instruction #" + std::to_string(position + 1) + ".");
}

bool inList(const InstructionList& list, int position) {
  return position >= 0 && position < static_cast<int>(list.size());
}

void put(const PositionOut& out, int value) {
  if (out) *out = value;
}

} // namespace

Operation editBriefingList(std::string name, std::string mergeKey,
                           std::function<Status(InstructionList&)> fn) {
  return {std::move(name), std::move(mergeKey), [fn = std::move(fn)](Edit& e) -> Status {
            const InstructionList before = decodeBriefing(e.doc().briefing);
            InstructionList list = before;
            if (Status s = fn(list); !s) return s;
            // An edit that changes nothing leaves the block as it was read.
            if (list == before) return Status{};
            return encodeInto(e, list);
          }};
}

Operation setBriefingList(std::string name, std::string mergeKey, InstructionList list) {
  return {std::move(name), std::move(mergeKey),
          [list = std::move(list)](Edit& e) { return encodeInto(e, list); }};
}

Operation insertInstructionOnListPage(int selected, TCommandObject item, PositionOut where) {
  return editBriefingList("Insert Instruction", {}, [=](InstructionList& list) -> Status {
    const int pos = insertOnListPage(list, selected, item);
    put(where, sortByTime(list, pos));
    return {};
  });
}

Operation insertInstructionAtTime(int current, int time, TCommandObject item, PositionOut where) {
  return editBriefingList("Insert Instruction", {}, [=](InstructionList& list) -> Status {
    put(where, insertAtTime(list, current, time, item));
    return {};
  });
}

Operation deleteBriefingInstruction(int position) {
  return editBriefingList("Delete Instruction", {}, [=](InstructionList& list) -> Status {
    // The end marker and a lone item stay: nothing happens.
    deleteInstruction(list, position);
    return {};
  });
}

Operation moveBriefingInstruction(int position, bool up, PositionOut where) {
  return editBriefingList(up ? "Move Instruction up" : "Move Instruction down", {},
                          [=](InstructionList& list) -> Status {
                            // The end marker never moves: then nothing happens.
                            put(where, moveInstruction(list, position, up).value_or(position));
                            return {};
                          });
}

Operation changeBriefingInstruction(int position, TCommandObject item, PositionOut where,
                                    std::string name, const std::string& control) {
  return editBriefingList(std::move(name), "brf-item:" + std::to_string(position) + ":" + control,
                          [=](InstructionList& list) mutable -> Status {
                            if (!inList(list, position)) return badPosition(position);
                            TCommandObject& c = list[static_cast<std::size_t>(position)];
                            // The end marker keeps its time and code; an instruction made into
                            // an end marker takes the end marker's time.
                            if (isEndMarker(c)) {
                              item.Command = c.Command;
                              item.Time = c.Time;
                            } else if (item.Command == brf::EndCode) {
                              item.Time = static_cast<std::int16_t>(brf::EndTime);
                            }
                            c = item;
                            put(where, sortByTime(list, position));
                            return {};
                          });
}

Operation dragBriefingPoint(int position, int x, int y, int dragId) {
  return editBriefingList("Drag on Briefing Map", briefingDragKey(dragId),
                          [=](InstructionList& list) -> Status {
                            if (!inList(list, position)) return badPosition(position);
                            TCommandObject& c = list[static_cast<std::size_t>(position)];
                            c.X = static_cast<std::int16_t>(std::clamp(x, -32768, 32767));
                            c.Y = static_cast<std::int16_t>(std::clamp(y, -32768, 32767));
                            return {};
                          });
}

std::string briefingDragKey(int dragId) { return "brf-drag:" + std::to_string(dragId); }

Operation setBriefingString(bool tag, int index, std::string text) {
  return {tag ? "Edit Map Tag" : "Edit Briefing Text",
          (tag ? "brf-tag:" : "brf-text:") + std::to_string(index), [=](Edit& e) -> Status {
            if (index < 0 || index >= 128)
              return makeError(ErrorKind::BadInput,
                               "There is no briefing string #" + std::to_string(index) + ".");
            // The reader takes a string's length from one byte.
            if (text.size() > 255)
              return makeError(ErrorKind::Refused,
                               "A briefing string holds at most 255 characters.");
            Briefing& b = e.briefing();
            (tag ? b.tags : b.texts)[static_cast<std::size_t>(index)] = text;
            return {};
          }};
}

Operation setBriefingRunningTime(int ticks) {
  return {"Run time", "brf-runtime", [=](Edit& e) -> Status {
            if (ticks < 0 || ticks > 0xFFFF)
              return makeError(ErrorKind::BadInput,
                               "The running time must be between 0 and 2621.4 seconds.");
            e.briefing().setRunningTime(static_cast<std::uint16_t>(ticks));
            return {};
          }};
}

Operation setBriefingSeenBy(int team, bool seen) {
  return {"Seen by", {}, [=](Edit& e) -> Status {
            if (team < 0 || team >= 8)
              return makeError(ErrorKind::BadInput,
                               "Team " + std::to_string(team + 1) + " cannot see the briefing.");
            e.briefing().block[brf::TeamFlags + static_cast<std::size_t>(team)] = seen ? 1 : 0;
            return {};
          }};
}

Operation setBriefingSpareWord(int which, std::uint16_t value) {
  return {"Unknowns", "brf-spare:" + std::to_string(which), [=](Edit& e) -> Status {
            static constexpr std::size_t offsets[] = {brf::Spare1, brf::Spare2, brf::Spare3};
            if (which < 1 || which > 3)
              return makeError(ErrorKind::BadInput,
                               "There is no spare word " + std::to_string(which) + ".");
            setU16(e.briefing().block, offsets[which - 1], value);
            return {};
          }};
}

Operation repairBriefingOperation(std::shared_ptr<bool> repaired) {
  return {"Repair Briefing", {}, [repaired](Edit& e) -> Status {
            Briefing b = e.doc().briefing;
            const bool changed = repairBriefingStream(b);
            if (repaired) *repaired = changed;
            if (changed) e.briefing().block = b.block;
            return {};
          }};
}

Operation setBriefingPointsToStart1() {
  return {"Set all to Start 1", {}, [](Edit& e) -> Status {
            for (int i = 0; i < static_cast<int>(e.doc().flightGroups.size()); ++i) {
              const Point start = e.doc().flightGroups[static_cast<std::size_t>(i)].startPoint(1);
              const BriefingPoint& now =
                  e.doc().flightGroups[static_cast<std::size_t>(i)].briefingPoint;
              if (now.x == start.x && now.y == start.y && now.z == start.z) continue;
              BriefingPoint& p = e.flightGroup(i).briefingPoint;
              p.x = start.x;
              p.y = start.y;
              p.z = start.z;
            }
            return {};
          }};
}

} // namespace zephlo
