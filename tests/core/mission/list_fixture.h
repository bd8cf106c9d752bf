// Missions, references and list commands run as the editor runs them, for
// the tests of adding, deleting, pasting and moving list records.
#pragma once

#include "core/mission/fg_rules.h"
#include "core/mission/list_commands.h"
#include "core/mission/new_mission.h"
#include "support/apply_checked.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace zephlo::testing::lists {

using zephlo::testing::applyChecked;

// Offsets are written out here rather than taken from the layout constants,
// so a wrong constant cannot hide a wrong reference.
enum class Where { FlightGroup, Message, GlobalGoal };

struct Ref {
  Where where;
  int record;
  std::size_t typeOff;
  std::size_t valueOff;
  bool typed; // adjusted only when the type byte is 1
};

inline Byte* recordOf(Document& d, Where w, int k) {
  const auto i = static_cast<std::size_t>(k);
  switch (w) {
  case Where::FlightGroup: return d.flightGroups[i].record.data();
  case Where::Message: return d.messages[i].record.data();
  case Where::GlobalGoal: return d.globalGoals[i].record.data();
  }
  return nullptr;
}

inline std::vector<Ref> allReferences(const Document& d) {
  std::vector<Ref> out;
  const int fgs = static_cast<int>(d.flightGroups.size());
  for (int k = 0; k < fgs; ++k) {
    for (std::size_t off : {136u, 142u, 152u, 158u, 172u, 178u}) // arrival 1, 2, departure
      out.push_back({Where::FlightGroup, k, off + 1, off + 2, true});
    for (std::size_t off : {194u, 196u, 198u, 200u}) // motherships
      out.push_back({Where::FlightGroup, k, 0, off, false});
    for (std::size_t o = 0; o < 16; ++o) { // order targets, all regions
      const std::size_t base = 202 + o * 148;
      for (auto [type, value] : {std::pair{12u, 13u}, {14u, 15u}, {6u, 8u}, {7u, 9u}})
        out.push_back({Where::FlightGroup, k, base + type, base + value, true});
    }
  }
  for (int k = 0; k < static_cast<int>(d.messages.size()); ++k)
    for (std::size_t off : {92u, 98u, 108u, 114u})
      out.push_back({Where::Message, k, off + 1, off + 2, true});
  for (int k = 0; k < 10; ++k)
    for (std::size_t b = 0; b < 3; ++b)
      for (std::size_t off : {2u, 8u, 18u, 24u})
        out.push_back({Where::GlobalGoal, k, b * 122 + off + 1, b * 122 + off + 2, true});
  return out;
}

inline Templates templates() { return makeTemplates(MissionPrefs{}, 0); }

// The editor's voice list as the commands see it: its entries and whether
// it must be offered for saving.
struct VoiceList {
  std::vector<std::string> entries;
  bool changed = false;
};

struct TestContext {
  const Templates* templates = nullptr;
  MissionPrefs prefs;
  VoiceList* voices = nullptr;
  bool voicePanelVisible = false;
};

inline TestContext context(const Templates& t, VoiceList* voices = nullptr,
                           bool panelVisible = false) {
  TestContext c;
  c.templates = &t;
  c.voices = voices;
  c.voicePanelVisible = panelVisible;
  return c;
}

inline std::string label(const char* prefix, int k) {
  std::string s = prefix;
  s += std::to_string(k);
  return s;
}

inline std::string fgName(int k) { return label("FG", k); }

// A mission with flight groups named FG0.. and messages "M0".. numbered by position.
inline Document mission(int flightGroups, int messages = 0) {
  Document d = newMission({});
  const Templates t = templates();
  d.flightGroups[0].setName(fgName(0));
  for (int k = 1; k < flightGroups; ++k) {
    FGObject f = makeFlightGroup(t, 0, 0, true);
    f.setName(fgName(k));
    d.flightGroups.push_back(f);
  }
  for (int k = 0; k < messages; ++k) {
    MsgObject m;
    m.record = t.message;
    m.setText(label("M", k));
    setU16(m.record, 0, static_cast<std::uint16_t>(k));
    d.messages.push_back(m);
  }
  setU16(d.header, hdr::NumFGs, static_cast<std::uint16_t>(flightGroups));
  setU16(d.header, hdr::NumMessages, static_cast<std::uint16_t>(messages));
  return d;
}

inline std::vector<std::string> fgNames(const Document& d) {
  std::vector<std::string> out;
  for (const auto& f : d.flightGroups)
    out.push_back(f.name());
  return out;
}

inline std::vector<std::string> msgTexts(const Document& d) {
  std::vector<std::string> out;
  for (const auto& m : d.messages)
    out.push_back(m.text());
  return out;
}

inline std::vector<int> msgNumbers(const Document& d) {
  std::vector<int> out;
  for (const auto& m : d.messages)
    out.push_back(getU16(m.record, 0));
  return out;
}

inline std::vector<Block<size::flightGroup>> fgRecords(const Document& d) {
  std::vector<Block<size::flightGroup>> out;
  for (const auto& f : d.flightGroups)
    out.push_back(f.record);
  return out;
}

inline std::vector<Block<size::message>> msgRecords(const Document& d) {
  std::vector<Block<size::message>> out;
  for (const auto& m : d.messages)
    out.push_back(m.record);
  return out;
}

// Flight-group trigger: arrival pair 1, first trigger.
inline Byte& arrivalVar(Document& d, int k) {
  return d.flightGroups[static_cast<std::size_t>(k)].record[138];
}
inline void setArrival(Document& d, int k, Byte v) {
  d.flightGroups[static_cast<std::size_t>(k)].record[137] = 1;
  arrivalVar(d, k) = v;
}

inline std::vector<std::string> voices(int n, const std::string& prefix = "V") {
  std::vector<std::string> out;
  for (int k = 0; k < n; ++k)
    out.push_back(label(prefix.c_str(), k) + ".WAV");
  return out;
}

// What the last command changed.
inline Change lastChange;

// Runs a list command as the editor does, through an edit, and checks that
// undo gives back exactly the document it started from and redo the edited one.
template <class Fn> void run(Document& d, EditorState& st, VoiceList* vl, Fn fn) {
  if (vl) d.voiceEntries = vl->entries;
  const Applied r = applyChecked(d, st, {"test", "", [&](Edit& e) -> Status { return fn(e); }});
  lastChange = r.change;
  if (vl) {
    vl->entries = d.voiceEntries;
    vl->changed |= r.change.voices;
  }
}

inline ListContext real(const TestContext& c) {
  return {c.templates, c.prefs, c.voicePanelVisible};
}

inline void reindexFlightGroups(Document& d, int i, Reindex op) {
  EditorState st;
  run(d, st, nullptr, [&](Edit& e) {
    zephlo::reindexFlightGroups(e, i, op);
    return Status{};
  });
}
inline void newFlightGroup(Document& d, EditorState& st, const TestContext& c) {
  run(d, st, c.voices, [&](Edit& e) { return zephlo::newFlightGroup(e, real(c)); });
}
inline void newMessage(Document& d, EditorState& st, const TestContext& c) {
  run(d, st, c.voices, [&](Edit& e) { return zephlo::newMessage(e, real(c)); });
}
inline void deleteFlightGroups(Document& d, EditorState& st, const TestContext& c) {
  run(d, st, c.voices, [&](Edit& e) {
    zephlo::deleteFlightGroups(e, real(c));
    return Status{};
  });
}
inline void deleteMessages(Document& d, EditorState& st, const TestContext& c) {
  run(d, st, c.voices, [&](Edit& e) {
    zephlo::deleteMessages(e, real(c));
    return Status{};
  });
}
inline void pasteFlightGroup(Document& d, EditorState& st, const Clipboards& clip) {
  run(d, st, nullptr, [&](Edit& e) { return zephlo::pasteFlightGroup(e, clip.flightGroup); });
}
inline void pasteMessage(Document& d, EditorState& st, const Clipboards& clip,
                         const TestContext& c) {
  run(d, st, c.voices, [&](Edit& e) { return zephlo::pasteMessage(e, clip.message, real(c)); });
}
template <class Move> bool move(Document& d, EditorState& st, VoiceList* vl, Move m) {
  run(d, st, vl, [&](Edit& e) {
    m(e);
    return Status{};
  });
  return !lastChange.empty();
}
inline bool moveFlightGroupsUp(Document& d, EditorState& st) {
  return move(d, st, nullptr, zephlo::moveFlightGroupsUp);
}
inline bool moveFlightGroupsDown(Document& d, EditorState& st) {
  return move(d, st, nullptr, zephlo::moveFlightGroupsDown);
}
inline bool moveMessagesUp(Document& d, EditorState& st, const TestContext& c) {
  return move(d, st, c.voices, zephlo::moveMessagesUp);
}
inline bool moveMessagesDown(Document& d, EditorState& st, const TestContext& c) {
  return move(d, st, c.voices, zephlo::moveMessagesDown);
}

} // namespace zephlo::testing::lists
