// Random sequences of the editor's operations on a small mission. Every
// operation either succeeds or leaves the document as it was; undoing every
// step gives back the original document, redoing them the edited one, and
// the edited mission can be saved and read again. The map's cache, taken
// again only for the flight groups each change names, stays what a full
// rebuild gives.
#include "fuzz_mission.h"

#include "core/briefing/briefing_edits.h"
#include "core/check/condition_tool.h"
#include "core/map/map_cache.h"
#include "core/map/map_interaction.h"
#include "core/map/waypoint_edits.h"
#include "core/mission/fg_stores.h"
#include "core/mission/goal_edits.h"
#include "core/mission/header_edits.h"
#include "core/mission/list_commands.h"
#include "core/mission/message_edits.h"
#include "core/mission/reader.h"
#include "core/mission/store_values.h"
#include "core/mission/team_edits.h"
#include "core/mission/text_edits.h"
#include "core/mission/writer.h"

#include <cstdio>
#include <cstdlib>
#include <optional>

using namespace zephlo;

namespace {

[[noreturn]] void fault(const char* what) {
  std::fprintf(stderr, "edit operations: %s\n", what);
  std::abort();
}

// Takes the operation bytes one at a time; zero once they run out.
class Ops {
public:
  explicit Ops(std::span<const Byte> b) : b_(b) {}
  bool more() const { return p_ < b_.size(); }
  Byte u8() { return p_ < b_.size() ? b_[p_++] : 0; }
  int i16() { return static_cast<std::int16_t>(u8() | (u8() << 8)); }
  std::string text() {
    std::string s(u8() % 80, ' ');
    for (char& c : s)
      c = static_cast<char>(u8());
    return s;
  }
  std::vector<int> rows() {
    std::vector<int> r;
    for (Byte bits = u8(), k = 0; k < 8; ++k)
      if (bits & (1u << k)) r.push_back(k + (bits >> 7) * 3 - 1); // now and then -1 or past 7
    return r;
  }

private:
  std::span<const Byte> b_;
  std::size_t p_ = 0;
};

// The current lines and selections as the lists allow them to be.
void choose(Ops& ops, const Document& d, EditorState& st) {
  const int fgs = static_cast<int>(d.flightGroups.size());
  const int msgs = static_cast<int>(d.messages.size());
  st.currentFG = fgs > 0 ? ops.u8() % fgs : 0;
  st.currentMsg = msgs > 0 ? ops.u8() % msgs : 0;
  st.currentTeam = ops.u8() % kTeamCount;
  st.currentRegion = 1 + ops.u8() % kRegionCount;
  st.currentOrder = 1 + ops.u8() % kOrdersPerRegion;
  st.currentGoal = ops.u8() % kFGGoalCount;
  st.selectedFGs.clear();
  st.selectedMsgs.clear();
  const Byte pick = ops.u8();
  for (int k = 0; k < fgs; ++k)
    if ((pick >> (k % 8)) & 1) st.selectedFGs.insert(k);
  for (int k = 0; k < msgs; ++k)
    if ((pick >> ((k + 3) % 8)) & 1) st.selectedMsgs.insert(k);
}

std::optional<Operation> nextOperation(Ops& ops, const Document& d, EditorState& st,
                                       const ListContext& ctx, Clipboards& clip) {
  const auto page = ops.u8() & 1 ? ListPage::Messages : ListPage::FlightGroups;
  switch (ops.u8() % 52) {
  case 0: return newItemOperation(page, ctx);
  case 1: return deleteOperation(page, ctx);
  case 2:
    if (page == ListPage::FlightGroups)
      copyFlightGroup(d, st, clip);
    else
      copyMessage(d, st, clip);
    return pasteOperation(page, clip, ctx);
  case 3: return moveUpOperation(page);
  case 4: return moveDownOperation(page);
  case 5: {
    const auto field = static_cast<FgField>(ops.u8() % (int(FgField::OptionalCraftCategory) + 1));
    return storeField(field, ops.i16(), st);
  }
  case 6: {
    const auto field = static_cast<FgField>(ops.u8() % (int(FgField::OptionalCraftCategory) + 1));
    return storeFieldText(field, ops.text(), st);
  }
  case 7: return storeName(ops.text(), st, ops.u8() & 1);
  case 8:
    return storeCargo(ops.u8() & 1 ? CargoField::Cargo : CargoField::SpecialCargo, ops.text(), st);
  case 9: return storeAutolink(ops.u8() & 1, st);
  case 10: return storeRoleUsed(1 + ops.u8() % 2, ops.u8() & 1, st);
  case 11: {
    const auto list = static_cast<OptionalList>(ops.u8() % 3);
    const std::vector<int> chosen = ops.rows(), shown = ops.rows();
    return storeOptionalItems(list, chosen, shown, st);
  }
  case 12:
    return storeOptionalCraft(static_cast<OptionalCraftField>(ops.u8() % 3), ops.u8() % 12 - 1,
                              ops.i16(), st);
  case 13: return storeMothership(static_cast<MothershipSlot>(ops.u8() % 4), ops.i16(), st);
  case 14: {
    const auto field = static_cast<OrderField>(ops.u8() % (int(OrderField::Link34) + 1));
    return storeOrderField(field, ops.i16(), st);
  }
  case 15: return storeMessageText(ops.text(), st);
  case 16: return storeMessageColour(ops.i16(), st);
  case 17: return storeMessageDelay(ops.i16(), st);
  case 18: {
    const std::vector<int> chosen = ops.rows(), shown = ops.rows();
    return storeSentTo(chosen, shown, st);
  }
  case 19: return storeMessageId(ops.text(), st);
  case 20: return storeMessageHidden(ops.text(), st);
  case 21: return storeCancelAnd(ops.u8() & 1, st);
  case 22: return storeGoalPoints(ops.i16() * 7, st);
  case 23: return storeTeamName(ops.text(), st);
  case 24: return storeEndText(ops.u8() % 8, ops.text(), st);
  case 25: return storeTextOperation(static_cast<TextTab>(ops.u8() % 4), ops.text());
  case 26: return storeGoalTeam(ops.i16(), st);
  case 27: return storeGoalTime(ops.i16(), st);
  case 28: {
    // Any page, goal mode included; only the changed box is read.
    CondTarget t{static_cast<CondPage>(ops.u8() % 7), ops.u8() % 8, ops.u8() % 4};
    ToolBoxes b{ops.i16(), ops.i16(), ops.i16(), ops.i16(), ops.i16(), ops.text(), ops.i16()};
    return toolBoxChanged(t, static_cast<ToolBox>(ops.u8() % 6), b, st);
  }
  case 29: return storeGlobalGoalPoints(ops.u8() % 4, ops.i16() * 11, st);
  case 30:
    return storeGlobalGoalByte(ops.u8() % 3, static_cast<HiddenGoalByte>(ops.u8() % 5), ops.i16(),
                               st);
  case 31: return storeAllies(ops.rows(), st);
  case 32: return storeTeamIff(ops.i16(), st);
  case 33: return linkTeamByRadio(st);
  case 34: {
    HeaderValues v = headerValues(d);
    v.missionType = ops.u8();
    v.regionNames[ops.u8() % kRegionCount] = ops.text();
    v.strings72[ops.u8() % kHeaderStringTable72] = ops.text();
    v.strings16[ops.u8() % kHeaderStringTable16] = ops.text();
    v.use[ops.u8() % 4] = ops.u8();
    return changeHeaderOperation(v);
  }
  case 35: return headerTableByteOperation(ops.i16(), ops.i16(), ops.u8());
  case 36: {
    TCommandObject c;
    c.Time = static_cast<std::int16_t>(ops.i16());
    c.Command = ops.u8() % 40;
    c.Index = static_cast<std::uint16_t>(ops.i16());
    c.X = static_cast<std::int16_t>(ops.i16());
    c.Y = static_cast<std::int16_t>(ops.i16());
    const int at = ops.i16();
    auto where = std::make_shared<int>(0);
    switch (ops.u8() % 3) {
    case 0: return insertInstructionOnListPage(at, c, where);
    case 1: return insertInstructionAtTime(at, ops.i16(), c, where);
    default: return changeBriefingInstruction(at, c, where);
    }
  }
  case 37: return deleteBriefingInstruction(ops.i16());
  case 38: return moveBriefingInstruction(ops.i16(), ops.u8() & 1, std::make_shared<int>(0));
  case 39: return dragBriefingPoint(ops.i16(), ops.i16(), ops.i16(), ops.u8());
  case 40: return setBriefingString(ops.u8() & 1, ops.i16(), ops.text());
  case 41: return setBriefingRunningTime(ops.i16());
  case 42: return setBriefingSeenBy(ops.i16(), ops.u8() & 1);
  case 43: return repairBriefingOperation(std::make_shared<bool>(false));
  case 44: return setBriefingPointsToStart1();
  case 45: {
    CondTarget t{static_cast<CondPage>(ops.u8() % 7), ops.u8() % 8, ops.u8() % 4};
    Trigger trigger;
    for (Byte& b : trigger)
      b = ops.u8();
    return writeTrigger(t, trigger, st);
  }
  case 46: {
    DragStep s{st.currentFG,
               ops.u8() % 14,
               ops.i16(),
               ops.i16(),
               (ops.u8() & 1) != 0,
               (ops.u8() & 1) != 0,
               std::vector<int>(st.selectedFGs.begin(), st.selectedFGs.end()),
               static_cast<ViewMode>(ops.u8() % 3),
               ops.u8() % 6,
               ops.u8() % 6};
    return dragOperation(s, "drag");
  }
  case 47: return startPointCellOperation(fgSelection(st), ops.u8() % 8, ops.u8() % 4, ops.i16());
  case 48:
    return orderWaypointCellOperation(fgSelection(st), st.currentRegion, st.currentOrder,
                                      ops.u8() % 10, ops.u8() % 4, ops.i16());
  case 49: return startEnabledOperation(fgSelection(st), ops.u8() % 8, ops.u8() & 1);
  case 50:
    return orderWaypointEnabledOperation(fgSelection(st), ops.u8() % 6, ops.u8() % 6, ops.u8() % 10,
                                         ops.u8() & 1);
  case 51:
    return paletteOperation(newItemOperation(ListPage::FlightGroups, ctx), ops.u8(), ops.u8(),
                            ops.u8());
  }
  return std::nullopt;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 3) return 0;
  const std::size_t opsSize = std::min<std::size_t>(data[0] | (data[1] << 8), size - 3);
  // A voice list of any length, as one read from a file may be.
  const int voices = data[2];
  Ops ops({data + 3, opsSize});
  const fuzz::Compact c = fuzz::missionFromCompact({data + 3 + opsSize, size - 3 - opsSize}, 8, 70);
  Result<Document> read = parseMission(c.file, "fuzz.tie");
  if (!read) fault("a well-formed mission was refused");
  Document doc = std::move(*read);
  for (int k = 0; k < voices; ++k)
    doc.voiceEntries.push_back("voice" + std::to_string(k) + ".wav");
  const Document original = doc;

  const Templates templates = makeTemplates({}, doc.teamIff[0]);
  ListContext ctx;
  ctx.templates = &templates;
  ctx.voicePanelVisible = voices > 0;
  Clipboards clip = makeClipboards(templates);
  EditorState st;
  std::vector<Applied> steps;
  MapCache cache(doc, 1, 1);
  // The map follows each change by the flight groups it names.
  auto follow = [&cache](const Document& now, const Change& change) {
    cache.update(now, change);
    for (int i = 0; i < cache.size(); ++i) {
      if (!(cache[i] == mapFieldsOf(now.flightGroups[static_cast<std::size_t>(i)], cache.region(),
                                    cache.order())))
        fault("a change does not name a flight group whose map fields changed");
    }
  };
  for (int n = 0; ops.more() && n < 64; ++n) {
    choose(ops, doc, st);
    if (st.currentRegion != cache.region() || st.currentOrder != cache.order())
      cache.rebuild(doc, st.currentRegion, st.currentOrder);
    const std::optional<Operation> op = nextOperation(ops, doc, st, ctx, clip);
    if (!op) continue;
    const Document before = doc;
    const EditorState stateBefore = st;
    Result<Applied> applied = applyOperation(doc, st, *op);
    if (!applied) {
      if (!(doc == before) || !(st == stateBefore)) fault("a refused operation changed things");
      continue;
    }
    if (!(applied->before == stateBefore) || !(applied->after == st))
      fault("the step does not hold the states around it");
    if (doc.flightGroups.empty() && !original.flightGroups.empty())
      fault("the last flight group was removed");
    follow(doc, applied->change);
    steps.push_back(std::move(*applied));
  }
  const Document edited = doc;

  for (auto it = steps.rbegin(); it != steps.rend(); ++it) {
    it->delta.revert(doc);
    follow(doc, it->change);
  }
  if (!(doc == original)) fault("undoing every step does not give back the original");
  for (const Applied& s : steps)
    s.delta.reapply(doc);
  if (!(doc == edited)) fault("redoing every step does not give back the edited mission");

  Result<std::vector<Byte>> saved = serializeMission(doc);
  if (!saved) fault("the edited mission cannot be saved");
  if (!parseMission(*saved, "fuzz.tie")) fault("the saved mission cannot be read again");
  return 0;
}
