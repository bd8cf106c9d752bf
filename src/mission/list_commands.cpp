#include "mission/list_commands.h"

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

void reindexTrigger(Byte* t, int i, Reindex op) {
  if (t[trig::VariableType] == kVarFlightGroup)
    t[trig::Variable] = reindexedFlightGroup(t[trig::Variable], i, op);
}

void reindexPair(Byte* p, int i, Reindex op) {
  reindexTrigger(p + pair::First, i, op);
  reindexTrigger(p + pair::Second, i, op);
}

void reindexTarget(Byte* order, std::size_t typeOff, std::size_t valueOff, int i, Reindex op) {
  if (order[typeOff] == kVarFlightGroup)
    order[valueOff] = reindexedFlightGroup(order[valueOff], i, op);
}

void setCount(Document& doc, std::size_t off, std::size_t n) {
  setU16(doc.header, off, static_cast<std::uint16_t>(n));
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
// the current goal, and a pending flight-group change is kept as another
// change so the document stays changed.
void selectFlightGroup(EditorState& st, int i) {
  st.currentFG = i;
  st.currentGoal = 0;
  if (st.fgChanged) {
    st.fgChanged = false;
    st.otherChanged = true;
  }
}

void resetToTemplate(FGObject& f, const Templates& t) {
  f.record = t.flightGroup;
  // The display slots and region set derive from the record; without this
  // the old start points would be written back over the template's on save.
  f.loadStartPoints();
  f.computeRegionSet();
}

void renumberMessages(Document& doc) {
  for (std::size_t k = 0; k < doc.messages.size(); ++k)
    setU16(doc.messages[k].record, msg::Number, static_cast<std::uint16_t>(k));
}

void markVoicesIfVisible(const ListContext& ctx) {
  if (ctx.voices && ctx.voicePanelVisible) ctx.voices->changed = true;
}

void swapMessages(Document& doc, int i, int j, const ListContext& ctx, bool voicesMayMove) {
  std::swap(doc.messages[static_cast<std::size_t>(i)], doc.messages[static_cast<std::size_t>(j)]);
  if (ctx.voices && voicesMayMove && doc.voiceListPath != kNoVoiceList) {
    auto& e = ctx.voices->entries;
    if (static_cast<std::size_t>(i) < e.size() && static_cast<std::size_t>(j) < e.size())
      std::swap(e[static_cast<std::size_t>(i)], e[static_cast<std::size_t>(j)]);
  }
  setU16(doc.messages[static_cast<std::size_t>(i)].record, msg::Number,
         static_cast<std::uint16_t>(i));
  setU16(doc.messages[static_cast<std::size_t>(j)].record, msg::Number,
         static_cast<std::uint16_t>(j));
}

// Adds a flight group at the end and makes it the current and only selected line.
void appendFlightGroup(Document& doc, EditorState& st, FGObject f) {
  doc.flightGroups.push_back(std::move(f));
  setCount(doc, hdr::NumFGs, doc.flightGroups.size());
  const int last = lastIndex(doc.flightGroups.size());
  selectFlightGroup(st, last);
  st.fgChanged = true;
  st.selectedFGs = {last};
}

// Adds a message at the end, numbered with its place, current and the only selected line.
void appendMessage(Document& doc, EditorState& st, MsgObject m, const ListContext& ctx) {
  setU16(m.record, msg::Number, static_cast<std::uint16_t>(doc.messages.size()));
  doc.messages.push_back(std::move(m));
  setCount(doc, hdr::NumMessages, doc.messages.size());
  st.otherChanged = true;
  const int last = lastIndex(doc.messages.size());
  st.currentMsg = last;
  st.selectedMsgs = {last};
  markVoicesIfVisible(ctx);
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

void reindexFlightGroups(Document& doc, int i, Reindex op) {
  for (FGObject& f : doc.flightGroups) {
    Byte* r = f.record.data();
    for (std::size_t p : {fg::ArrivalPair1, fg::ArrivalPair2, fg::DeparturePair})
      reindexPair(r + p, i, op);
    for (std::size_t m : {fg::ArrivalMothership, fg::AltArrivalMothership, fg::DepartureMothership,
                          fg::AltDepartureMothership})
      r[m] = reindexedFlightGroup(r[m], i, op);
    for (int reg = 1; reg <= kRegionCount; ++reg) {
      for (int o = 1; o <= kOrdersPerRegion; ++o) {
        Byte* ord = f.order(reg, o);
        reindexTarget(ord, ord::Target1Type, ord::Target1, i, op);
        reindexTarget(ord, ord::Target2Type, ord::Target2, i, op);
        reindexTarget(ord, ord::Target3Type, ord::Target3, i, op);
        reindexTarget(ord, ord::Target4Type, ord::Target4, i, op);
      }
    }
  }
  for (MsgObject& m : doc.messages) {
    reindexPair(m.record.data() + msg::Pair1, i, op);
    reindexPair(m.record.data() + msg::Pair2, i, op);
  }
  for (GGObject& g : doc.globalGoals) {
    for (int kind = 0; kind < 3; ++kind) {
      Byte* block = g.record.data() + gg::blockOffset(kind);
      reindexPair(block + gg::Pair1, i, op);
      reindexPair(block + gg::Pair2, i, op);
    }
  }
}

void newFlightGroup(Document& doc, EditorState& st, const ListContext& ctx) {
  if (!ctx.templates) return;
  const int startRegion = std::clamp(st.currentRegion - 1, 0, kRegionCount - 1);
  appendFlightGroup(
      doc, st, makeFlightGroup(*ctx.templates, doc.teamIff[0], startRegion, ctx.prefs.autolink));
}

void newMessage(Document& doc, EditorState& st, const ListContext& ctx) {
  if (!ctx.templates) return;
  MsgObject m;
  m.record = ctx.templates->message;
  m.record[msg::SentTo] = 1;
  m.sentToAnyTeam = 1;
  appendMessage(doc, st, std::move(m), ctx);
}

void deleteFlightGroups(Document& doc, EditorState& st, const ListContext& ctx) {
  auto& fgs = doc.flightGroups;
  if (fgs.empty()) return;
  if (fgs.size() < 2) {
    // The mission always keeps one flight group: the last one is reset
    // instead of removed.
    if (ctx.templates) resetToTemplate(fgs[0], *ctx.templates);
    selectFlightGroup(st, 0);
    st.selectedFGs = {0};
    st.otherChanged = true;
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
      if (ctx.templates) resetToTemplate(fgs[0], *ctx.templates);
      break;
    }
    reindexFlightGroups(doc, i, Reindex::Remove);
    fgs.erase(fgs.begin() + i);
    if (current > 0) --current;
  }
  setCount(doc, hdr::NumFGs, fgs.size());
  // Deliberately one past the count-down when the current line was not the
  // first, so the cursor stays near where it was.
  if (before != 0) ++current;
  current = std::clamp(current, 0, lastIndex(fgs.size()));
  selectFlightGroup(st, current);
  st.selectedFGs = {current};
  st.otherChanged = true;
}

void deleteMessages(Document& doc, EditorState& st, const ListContext& ctx) {
  auto& msgs = doc.messages;
  if (msgs.empty()) return;
  const int count = static_cast<int>(msgs.size());
  if (st.currentMsg < 0 || st.currentMsg >= count) {
    // No current message to act on; settle on a real one and delete nothing.
    st.currentMsg = std::clamp(st.currentMsg, 0, count - 1);
    st.selectedMsgs = {st.currentMsg};
    return;
  }

  const std::vector<int> victims = effectiveSelection(st.selectedMsgs, st.currentMsg, msgs.size());
  bool voicesTouched = false;
  for (auto it = victims.rbegin(); it != victims.rend(); ++it) {
    const auto i = static_cast<std::size_t>(*it);
    msgs.erase(msgs.begin() + static_cast<std::ptrdiff_t>(i));
    if (!ctx.voices) continue;
    auto& e = ctx.voices->entries;
    // Messages past the 64th have no voice entry; entry i there is an
    // end-of-mission voice and must stay.
    if (i < e.size() && i < kMessageVoices) {
      const bool heldAllMessageSlots = e.size() >= kMessageVoices;
      e.erase(e.begin() + static_cast<std::ptrdiff_t>(i));
      // Refill the last message slot so the end-of-mission voices keep their places.
      if (heldAllMessageSlots)
        e.insert(e.begin() + static_cast<std::ptrdiff_t>(kMessageVoices - 1), kDummyWav);
      voicesTouched = true;
    }
  }
  setCount(doc, hdr::NumMessages, msgs.size());
  renumberMessages(doc);
  if (msgs.empty()) {
    st.currentMsg = 0;
    st.selectedMsgs.clear();
  } else {
    st.currentMsg = std::clamp(st.currentMsg, 0, lastIndex(msgs.size()));
    st.selectedMsgs = {st.currentMsg};
  }
  st.msgChanged = false;
  st.otherChanged = true;
  markVoicesIfVisible(ctx);
  // A changed list must be offered for saving even when its panel is hidden,
  // or the voices end up on the wrong messages.
  if (voicesTouched) ctx.voices->changed = true;
}

Clipboards makeClipboards(const Templates& t) {
  Clipboards c;
  c.flightGroup.record = t.flightGroup;
  c.flightGroup.loadStartPoints();
  c.flightGroup.computeRegionSet();
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

void pasteFlightGroup(Document& doc, EditorState& st, const Clipboards& clip) {
  appendFlightGroup(doc, st, clip.flightGroup);
}

void pasteMessage(Document& doc, EditorState& st, const Clipboards& clip, const ListContext& ctx) {
  appendMessage(doc, st, clip.message, ctx);
}

bool canMoveUp(const std::set<int>& selection, int count) {
  return validSelection(selection, count) && *selection.begin() > 0;
}

bool canMoveDown(const std::set<int>& selection, int count) {
  return validSelection(selection, count) && *selection.rbegin() < count - 1;
}

bool moveFlightGroupsUp(Document& doc, EditorState& st) {
  if (!canMoveUp(st.selectedFGs, static_cast<int>(doc.flightGroups.size()))) return false;
  std::set<int> moved;
  for (int i : st.selectedFGs) {
    reindexFlightGroups(doc, i, Reindex::SwapUp);
    std::swap(doc.flightGroups[static_cast<std::size_t>(i)],
              doc.flightGroups[static_cast<std::size_t>(i - 1)]);
    moved.insert(i - 1);
    if (st.currentFG == i) st.currentFG = i - 1;
  }
  st.selectedFGs = std::move(moved);
  st.otherChanged = true;
  return true;
}

bool moveFlightGroupsDown(Document& doc, EditorState& st) {
  if (!canMoveDown(st.selectedFGs, static_cast<int>(doc.flightGroups.size()))) return false;
  std::set<int> moved;
  for (auto it = st.selectedFGs.rbegin(); it != st.selectedFGs.rend(); ++it) {
    const int i = *it;
    reindexFlightGroups(doc, i, Reindex::SwapDown);
    std::swap(doc.flightGroups[static_cast<std::size_t>(i)],
              doc.flightGroups[static_cast<std::size_t>(i + 1)]);
    moved.insert(i + 1);
    if (st.currentFG == i) st.currentFG = i + 1;
  }
  st.selectedFGs = std::move(moved);
  st.otherChanged = true;
  return true;
}

bool moveMessagesUp(Document& doc, EditorState& st, const ListContext& ctx) {
  if (!canMoveUp(st.selectedMsgs, static_cast<int>(doc.messages.size()))) return false;
  std::set<int> moved;
  for (int i : st.selectedMsgs) {
    if (st.currentMsg == i) st.currentMsg = i - 1;
    swapMessages(doc, i, i - 1, ctx, static_cast<std::size_t>(i) < kMessageVoices);
    moved.insert(i - 1);
  }
  st.selectedMsgs = std::move(moved);
  st.otherChanged = true;
  if (ctx.voices) ctx.voices->changed = true;
  return true;
}

bool moveMessagesDown(Document& doc, EditorState& st, const ListContext& ctx) {
  if (!canMoveDown(st.selectedMsgs, static_cast<int>(doc.messages.size()))) return false;
  std::set<int> moved;
  for (auto it = st.selectedMsgs.rbegin(); it != st.selectedMsgs.rend(); ++it) {
    const int i = *it;
    if (st.currentMsg == i) st.currentMsg = i + 1;
    swapMessages(doc, i, i + 1, ctx, static_cast<std::size_t>(i) < kMessageVoices - 1);
    moved.insert(i + 1);
  }
  st.selectedMsgs = std::move(moved);
  st.otherChanged = true;
  if (ctx.voices) ctx.voices->changed = true;
  return true;
}

} // namespace zephlo
