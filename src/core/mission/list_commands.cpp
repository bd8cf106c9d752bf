#include "core/mission/list_commands.h"

#include <algorithm>
#include <cstddef>
#include <initializer_list>
#include <utility>
#include <vector>

namespace zephlo {

namespace {

constexpr Byte kVarFlightGroup = 1; // trigger variable / order target type
constexpr const char* kDummyWav = "dummy.wav";
// Voice entries 0-63 belong to messages 0-63; 64-69 to the end-of-mission
// lines, which must never shift.
constexpr std::size_t kMessageVoices = 64;

bool reindexTrigger(Byte* t, int i, Reindex op) {
  if (t[trig::VariableType] != kVarFlightGroup) return false;
  const Byte r = reindexedFlightGroup(t[trig::Variable], i, op);
  if (r == t[trig::Variable]) return false;
  t[trig::Variable] = r;
  return true;
}

bool reindexPair(Byte* p, int i, Reindex op) {
  const bool a = reindexTrigger(p + pair::First, i, op);
  const bool b = reindexTrigger(p + pair::Second, i, op);
  return a || b;
}

bool reindexByte(Byte& b, int i, Reindex op) {
  const Byte r = reindexedFlightGroup(b, i, op);
  if (r == b) return false;
  b = r;
  return true;
}

bool reindexTarget(Byte* order, std::size_t typeOff, std::size_t valueOff, int i, Reindex op) {
  return order[typeOff] == kVarFlightGroup && reindexByte(order[valueOff], i, op);
}

// Each adjusts a copy of a record and says whether anything changed, so only
// records that really change are handed to the edit.
bool reindexFlightGroupRecord(Block<size::flightGroup>& r, int i, Reindex op) {
  bool changed = false;
  for (std::size_t p : {fg::ArrivalPair1, fg::ArrivalPair2, fg::DeparturePair})
    changed |= reindexPair(r.data() + p, i, op);
  for (std::size_t m : {fg::ArrivalMothership, fg::AltArrivalMothership, fg::DepartureMothership,
                        fg::AltDepartureMothership})
    changed |= reindexByte(r[m], i, op);
  for (int reg = 1; reg <= kRegionCount; ++reg) {
    for (int o = 1; o <= kOrdersPerRegion; ++o) {
      Byte* ord = r.data() + fg::orderOffset(reg, o);
      changed |= reindexTarget(ord, ord::Target1Type, ord::Target1, i, op);
      changed |= reindexTarget(ord, ord::Target2Type, ord::Target2, i, op);
      changed |= reindexTarget(ord, ord::Target3Type, ord::Target3, i, op);
      changed |= reindexTarget(ord, ord::Target4Type, ord::Target4, i, op);
    }
  }
  return changed;
}

bool reindexMessageRecord(Block<size::message>& r, int i, Reindex op) {
  const bool a = reindexPair(r.data() + msg::Pair1, i, op);
  const bool b = reindexPair(r.data() + msg::Pair2, i, op);
  return a || b;
}

bool reindexGlobalGoalRecord(Block<size::globalGoal>& r, int i, Reindex op) {
  bool changed = false;
  for (int kind = 0; kind < 3; ++kind) {
    Byte* block = r.data() + gg::blockOffset(kind);
    changed |= reindexPair(block + gg::Pair1, i, op);
    changed |= reindexPair(block + gg::Pair2, i, op);
  }
  return changed;
}

// The header's record counts follow the lists, so the two never disagree.
void syncCounts(Edit& e) {
  const Document& d = e.doc();
  const auto fgs = static_cast<std::uint16_t>(d.flightGroups.size());
  const auto msgs = static_cast<std::uint16_t>(d.messages.size());
  if (d.numFGsField() != fgs) setU16(e.header(), hdr::NumFGs, fgs);
  if (d.numMessagesField() != msgs) setU16(e.header(), hdr::NumMessages, msgs);
}

int lastIndex(std::size_t n) { return static_cast<int>(n) - 1; }

// The valid selected indexes in ascending order; the current line when
// nothing valid is selected.
std::vector<int> effectiveSelection(const std::set<int>& sel, int current, std::size_t count) {
  std::vector<int> out;
  for (int i : sel) {
    if (i >= 0 && static_cast<std::size_t>(i) < count) out.push_back(i);
  }
  if (out.empty() && current >= 0 && static_cast<std::size_t>(current) < count)
    out.push_back(current);
  return out;
}

bool validSelection(const std::set<int>& sel, int count) {
  return !sel.empty() && *sel.begin() >= 0 && *sel.rbegin() < count;
}

// Makes flight group i current as a click on its line does: goal 1 becomes
// the current goal.
void selectFlightGroup(EditorState& st, int i) {
  st.currentFG = i;
  st.currentGoal = 0;
}

void resetToTemplate(FGObject& f, const Templates& t) { f.record = t.flightGroup; }

void renumberMessages(Edit& e) {
  for (std::size_t k = 0; k < e.doc().messages.size(); ++k) {
    if (getU16(e.doc().messages[k].record, msg::Number) != k)
      setU16(e.message(static_cast<int>(k)).record, msg::Number, static_cast<std::uint16_t>(k));
  }
}

void markVoicesIfVisible(Edit& e, const ListContext& ctx) {
  if (ctx.voicePanelVisible) e.markVoicesChanged();
}

void swapMessages(Edit& e, int i, int j, bool voicesMayMove) {
  e.swapMessages(i, j);
  const Document& d = e.doc();
  const auto n = d.voiceEntries.size();
  if (voicesMayMove && d.voiceListPath != kNoVoiceList && static_cast<std::size_t>(i) < n &&
      static_cast<std::size_t>(j) < n) {
    auto& v = e.voices();
    std::swap(v[static_cast<std::size_t>(i)], v[static_cast<std::size_t>(j)]);
  }
  setU16(e.message(i).record, msg::Number, static_cast<std::uint16_t>(i));
  setU16(e.message(j).record, msg::Number, static_cast<std::uint16_t>(j));
}

Status listFull(const char* what) {
  return makeError(ErrorKind::Refused, std::string("The mission already holds ") +
                                           std::to_string(kMaxRecords) + " " + what +
                                           ", the most a mission file can hold.");
}

// Adds a flight group at the end and makes it the current and only selected line.
Status appendFlightGroup(Edit& e, FGObject f) {
  if (e.doc().flightGroups.size() >= kMaxRecords) return listFull("flight groups");
  e.appendFlightGroup(std::move(f));
  syncCounts(e);
  const int last = lastIndex(e.doc().flightGroups.size());
  selectFlightGroup(e.state(), last);
  e.state().selectedFGs = {last};
  return {};
}

// Adds a message at the end, numbered with its place, current and the only selected line.
Status appendMessage(Edit& e, MsgObject m, const ListContext& ctx) {
  if (e.doc().messages.size() >= kMaxRecords) return listFull("messages");
  setU16(m.record, msg::Number, static_cast<std::uint16_t>(e.doc().messages.size()));
  e.appendMessage(std::move(m));
  syncCounts(e);
  const int last = lastIndex(e.doc().messages.size());
  e.state().currentMsg = last;
  e.state().selectedMsgs = {last};
  markVoicesIfVisible(e, ctx);
  return {};
}

} // namespace

Byte reindexedFlightGroup(Byte r, int i, Reindex op) {
  if (r == kNoFlightGroup || i < 0) return r;
  const int v = r;
  auto toByte = [](int x) { return x >= kNoFlightGroup ? kNoFlightGroup : static_cast<Byte>(x); };
  switch (op) {
  case Reindex::Remove:
    if (v == i) return kNoFlightGroup;
    return v > i ? static_cast<Byte>(v - 1) : r;
  case Reindex::SwapUp:
    if (i == 0) return r;
    if (v == i) return toByte(i - 1);
    if (v == i - 1) return toByte(i);
    return r;
  case Reindex::SwapDown:
    if (v == i) return toByte(i + 1);
    if (v == i + 1) return toByte(i);
    return r;
  }
  return r;
}

void reindexFlightGroups(Edit& e, int i, Reindex op) {
  const Document& d = e.doc();
  for (std::size_t k = 0; k < d.flightGroups.size(); ++k) {
    Block<size::flightGroup> r = d.flightGroups[k].record;
    if (reindexFlightGroupRecord(r, i, op)) e.flightGroup(static_cast<int>(k)).record = r;
  }
  for (std::size_t k = 0; k < d.messages.size(); ++k) {
    Block<size::message> r = d.messages[k].record;
    if (reindexMessageRecord(r, i, op)) e.message(static_cast<int>(k)).record = r;
  }
  for (int t = 0; t < kTeamCount; ++t) {
    Block<size::globalGoal> r = d.globalGoals[static_cast<std::size_t>(t)].record;
    if (reindexGlobalGoalRecord(r, i, op)) e.globalGoal(t).record = r;
  }
}

Status appendFlightGroupsAtEnd(Edit& e, std::vector<FGObject> fgs) {
  if (e.doc().flightGroups.size() + fgs.size() > kMaxRecords) return listFull("flight groups");
  for (FGObject& f : fgs)
    e.appendFlightGroup(std::move(f));
  syncCounts(e);
  return {};
}

Status newFlightGroup(Edit& e, const ListContext& ctx) {
  if (!ctx.templates) return {};
  const int startRegion = std::clamp(e.state().currentRegion - 1, 0, kRegionCount - 1);
  return appendFlightGroup(
      e, makeFlightGroup(*ctx.templates, e.doc().teamIff[0], startRegion, ctx.prefs.autolink));
}

Status newMessage(Edit& e, const ListContext& ctx) {
  if (!ctx.templates) return {};
  MsgObject m;
  m.record = ctx.templates->message;
  m.record[msg::SentTo] = 1;
  m.sentToAnyTeam = 1;
  return appendMessage(e, std::move(m), ctx);
}

Status pasteFlightGroup(Edit& e, const FGObject& clip) { return appendFlightGroup(e, clip); }

Status pasteMessage(Edit& e, const MsgObject& clip, const ListContext& ctx) {
  return appendMessage(e, clip, ctx);
}

void deleteFlightGroups(Edit& e, const ListContext& ctx) {
  const auto& fgs = e.doc().flightGroups;
  EditorState& st = e.state();
  if (fgs.empty()) return;
  if (fgs.size() < 2) {
    // The mission always keeps one flight group: the last one is reset
    // instead of removed.
    if (ctx.templates) resetToTemplate(e.flightGroup(0), *ctx.templates);
    selectFlightGroup(st, 0);
    st.selectedFGs = {0};
    return;
  }
  const int count = static_cast<int>(fgs.size());
  if (st.currentFG < 0 || st.currentFG >= count) {
    // No current flight group to act on; settle on a real one and delete nothing.
    selectFlightGroup(st, std::clamp(st.currentFG, 0, count - 1));
    st.selectedFGs = {st.currentFG};
    return;
  }

  const std::vector<int> victims = effectiveSelection(st.selectedFGs, st.currentFG, fgs.size());
  const int before = st.currentFG;
  int current = before;
  for (auto it = victims.rbegin(); it != victims.rend(); ++it) {
    const int i = *it;
    if (fgs.size() == 1) {
      // Every flight group was selected: keep the last one as a fresh one.
      if (ctx.templates) resetToTemplate(e.flightGroup(0), *ctx.templates);
      break;
    }
    reindexFlightGroups(e, i, Reindex::Remove);
    e.eraseFlightGroup(i);
    if (current > 0) --current;
  }
  syncCounts(e);
  // Deliberately one past the count-down when the current line was not the
  // first, so the cursor stays near where it was.
  if (before != 0) ++current;
  current = std::clamp(current, 0, lastIndex(fgs.size()));
  selectFlightGroup(st, current);
  st.selectedFGs = {current};
}

void deleteMessages(Edit& e, const ListContext& ctx) {
  const auto& msgs = e.doc().messages;
  EditorState& st = e.state();
  if (msgs.empty()) return;
  const int count = static_cast<int>(msgs.size());
  if (st.currentMsg < 0 || st.currentMsg >= count) {
    // No current message to act on; settle on a real one and delete nothing.
    st.currentMsg = std::clamp(st.currentMsg, 0, count - 1);
    st.selectedMsgs = {st.currentMsg};
    return;
  }

  const std::vector<int> victims = effectiveSelection(st.selectedMsgs, st.currentMsg, msgs.size());
  for (auto it = victims.rbegin(); it != victims.rend(); ++it) {
    const auto i = static_cast<std::size_t>(*it);
    e.eraseMessage(*it);
    // Messages past the 64th have no voice entry; entry i there is an
    // end-of-mission voice and must stay.
    if (i < e.doc().voiceEntries.size() && i < kMessageVoices) {
      auto& v = e.voices();
      const bool heldAllMessageSlots = v.size() >= kMessageVoices;
      v.erase(v.begin() + static_cast<std::ptrdiff_t>(i));
      // Refill the last message slot so the end-of-mission voices keep their places.
      if (heldAllMessageSlots)
        v.insert(v.begin() + static_cast<std::ptrdiff_t>(kMessageVoices - 1), kDummyWav);
      // A changed list must be offered for saving even when its panel is
      // hidden, or the voices end up on the wrong messages.
      e.markVoicesChanged();
    }
  }
  renumberMessages(e);
  syncCounts(e);
  if (msgs.empty()) {
    st.currentMsg = 0;
    st.selectedMsgs.clear();
  } else {
    st.currentMsg = std::clamp(st.currentMsg, 0, lastIndex(msgs.size()));
    st.selectedMsgs = {st.currentMsg};
  }
  markVoicesIfVisible(e, ctx);
}

Clipboards makeClipboards(const Templates& t) {
  Clipboards c;
  c.flightGroup.record = t.flightGroup;
  c.message.record = t.message;
  c.message.computeSentToAny();
  return c;
}

void copyFlightGroup(const Document& doc, const EditorState& st, Clipboards& clip) {
  if (st.currentFG >= 0 && static_cast<std::size_t>(st.currentFG) < doc.flightGroups.size())
    clip.flightGroup = doc.flightGroups[static_cast<std::size_t>(st.currentFG)];
}

void copyMessage(const Document& doc, const EditorState& st, Clipboards& clip) {
  if (st.currentMsg >= 0 && static_cast<std::size_t>(st.currentMsg) < doc.messages.size())
    clip.message = doc.messages[static_cast<std::size_t>(st.currentMsg)];
}

bool canMoveUp(const std::set<int>& selection, int count) {
  return validSelection(selection, count) && *selection.begin() > 0;
}

bool canMoveDown(const std::set<int>& selection, int count) {
  return validSelection(selection, count) && *selection.rbegin() < count - 1;
}

void moveFlightGroupsUp(Edit& e) {
  EditorState& st = e.state();
  if (!canMoveUp(st.selectedFGs, static_cast<int>(e.doc().flightGroups.size()))) return;
  std::set<int> moved;
  for (int i : st.selectedFGs) {
    reindexFlightGroups(e, i, Reindex::SwapUp);
    e.swapFlightGroups(i, i - 1);
    moved.insert(i - 1);
    if (st.currentFG == i) st.currentFG = i - 1;
  }
  st.selectedFGs = std::move(moved);
}

void moveFlightGroupsDown(Edit& e) {
  EditorState& st = e.state();
  if (!canMoveDown(st.selectedFGs, static_cast<int>(e.doc().flightGroups.size()))) return;
  std::set<int> moved;
  for (auto it = st.selectedFGs.rbegin(); it != st.selectedFGs.rend(); ++it) {
    const int i = *it;
    reindexFlightGroups(e, i, Reindex::SwapDown);
    e.swapFlightGroups(i, i + 1);
    moved.insert(i + 1);
    if (st.currentFG == i) st.currentFG = i + 1;
  }
  st.selectedFGs = std::move(moved);
}

void moveMessagesUp(Edit& e) {
  EditorState& st = e.state();
  if (!canMoveUp(st.selectedMsgs, static_cast<int>(e.doc().messages.size()))) return;
  std::set<int> moved;
  for (int i : st.selectedMsgs) {
    if (st.currentMsg == i) st.currentMsg = i - 1;
    swapMessages(e, i, i - 1, static_cast<std::size_t>(i) < kMessageVoices);
    moved.insert(i - 1);
  }
  st.selectedMsgs = std::move(moved);
  e.markVoicesChanged();
}

void moveMessagesDown(Edit& e) {
  EditorState& st = e.state();
  if (!canMoveDown(st.selectedMsgs, static_cast<int>(e.doc().messages.size()))) return;
  std::set<int> moved;
  for (auto it = st.selectedMsgs.rbegin(); it != st.selectedMsgs.rend(); ++it) {
    const int i = *it;
    if (st.currentMsg == i) st.currentMsg = i + 1;
    swapMessages(e, i, i + 1, static_cast<std::size_t>(i) < kMessageVoices - 1);
    moved.insert(i + 1);
  }
  st.selectedMsgs = std::move(moved);
  e.markVoicesChanged();
}

Operation newItemOperation(ListPage page, const ListContext& ctx) {
  if (page == ListPage::FlightGroups)
    return {"New Flight Group", "", [ctx](Edit& e) { return newFlightGroup(e, ctx); }};
  return {"New Message", "", [ctx](Edit& e) { return newMessage(e, ctx); }};
}

Operation deleteOperation(ListPage page, const ListContext& ctx) {
  if (page == ListPage::FlightGroups) {
    return {"Delete Flight Groups", "", [ctx](Edit& e) -> Status {
              deleteFlightGroups(e, ctx);
              return {};
            }};
  }
  return {"Delete Messages", "", [ctx](Edit& e) -> Status {
            deleteMessages(e, ctx);
            return {};
          }};
}

Operation pasteOperation(ListPage page, const Clipboards& clip, const ListContext& ctx) {
  if (page == ListPage::FlightGroups) {
    return {"Paste Flight Group", "",
            [f = clip.flightGroup](Edit& e) { return pasteFlightGroup(e, f); }};
  }
  return {"Paste Message", "",
          [m = clip.message, ctx](Edit& e) { return pasteMessage(e, m, ctx); }};
}

Operation moveUpOperation(ListPage page) {
  if (page == ListPage::FlightGroups) {
    return {"Move Flight Groups Up", "", [](Edit& e) -> Status {
              moveFlightGroupsUp(e);
              return {};
            }};
  }
  return {"Move Messages Up", "", [](Edit& e) -> Status {
            moveMessagesUp(e);
            return {};
          }};
}

Operation moveDownOperation(ListPage page) {
  if (page == ListPage::FlightGroups) {
    return {"Move Flight Groups Down", "", [](Edit& e) -> Status {
              moveFlightGroupsDown(e);
              return {};
            }};
  }
  return {"Move Messages Down", "", [](Edit& e) -> Status {
            moveMessagesDown(e);
            return {};
          }};
}

} // namespace zephlo
