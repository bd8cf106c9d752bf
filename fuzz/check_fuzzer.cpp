// The checker, the limits, the mission logic and every readable text of a
// mission built from the input, as the error list and the pages show them;
// and the mission written back.
#include "fuzz_mission.h"

#include "core/check/checker.h"
#include "core/check/describe.h"
#include "core/check/limits.h"
#include "core/check/mission_logic.h"
#include "core/check/texts.h"
#include "core/mission/reader.h"
#include "core/mission/writer.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

using namespace zephlo;

namespace {

[[noreturn]] void fault(const char* what) {
  std::fprintf(stderr, "checker: %s\n", what);
  std::abort();
}

// The graph holds together: flight group i is node i, every edge starts at a
// flight group, each node that can never happen has its finding, and the DOT
// text has a line for each node and edge.
void checkLogic(const Document& doc) {
  const MissionLogic logic = analyseMissionLogic(doc);
  const std::size_t fgs = doc.flightGroups.size();
  if (logic.nodes.size() < fgs) fault("a flight group has no node");
  std::size_t never = 0;
  for (std::size_t n = 0; n < logic.nodes.size(); ++n) {
    const LogicNode& node = logic.nodes[n];
    if ((n < fgs) != (node.kind == LogicNodeKind::FlightGroup) ||
        (n < fgs && node.index != static_cast<int>(n)))
      fault("the flight groups are not the first nodes, in order");
    never += node.neverHappens ? 1 : 0;
  }
  if (never != logic.findings.size()) fault("a node that can never happen has no finding");
  for (const LogicEdge& e : logic.edges) {
    if (e.from < 0 || static_cast<std::size_t>(e.from) >= fgs || e.to < 0 ||
        static_cast<std::size_t>(e.to) >= logic.nodes.size())
      fault("an edge leads outside the graph");
  }
  const std::string dot = logicDot(logic);
  const auto lines = static_cast<std::size_t>(std::count(dot.begin(), dot.end(), '\n'));
  if (lines != 5 + logic.nodes.size() + logic.edges.size()) fault("the DOT text breaks a line");
  if (logicLines(logic).size() != logic.edges.size()) fault("an edge has no line");
}

void pairTexts(const Byte* pairRecord, const MissionLists& lists) {
  triggerText(pairRecord + pair::First, lists);
  triggerText(pairRecord + pair::Second, lists);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fuzz::Compact c = fuzz::missionFromCompact({data, size}, 255, 255);
  Result<Document> read = parseMission(c.file, "fuzz.tie");
  if (!read) fault("a well-formed mission was refused");
  const Document& doc = *read;
  // Every field value the fuzzer tries is also written back as read.
  Result<std::vector<Byte>> saved = serializeMission(doc);
  if (!saved || *saved != fuzz::expectedAfterSave(c.file))
    fault("the mission is not written back as it was read");

  const CheckResult result = checkMission(doc);
  if (result.lines(false).size() != result.count(false) ||
      result.lines(true).size() != result.errors.size())
    fault("the error list does not hold the errors and warnings");
  checkLimits(doc, {});
  std::string description;
  describeMission(doc, description);
  if (description.empty() || description.back() != '\n')
    fault("the description is not whole lines");
  checkLogic(doc);

  const MissionLists lists = buildMissionLists(doc);
  if (lists.fgNames.size() != doc.flightGroups.size()) fault("a flight group has no label");
  for (const FGObject& f : doc.flightGroups) {
    for (std::size_t at : {fg::ArrivalPair1, fg::ArrivalPair2, fg::DeparturePair})
      pairTexts(f.record.data() + at, lists);
    for (int r = 1; r <= kRegionCount; ++r) {
      for (int o = 1; o <= kOrdersPerRegion; ++o) {
        const Byte* order = f.order(r, o);
        orderLineText(order, lists);
        orderParameterCaptions(order[ord::Command], order[ord::Parameter1], order[ord::Parameter2]);
      }
    }
    for (int g = 0; g < kFGGoalCount; ++g)
      fgGoalLineText(f.record.data() + fg::Goals + static_cast<std::size_t>(g) * fg::GoalSize,
                     lists);
    const Choices choices =
        variableChoices(f.record[fg::ArrivalPair1 + 1], f.record[fg::ArrivalPair1 + 2], lists);
    if (choices.selected >= static_cast<int>(choices.items.size()))
      fault("a chosen variable lies past its list");
    subjectText(f.record[fg::ArrivalPair1 + 1], f.record[fg::ArrivalPair1 + 2], lists);
    timeCodeText(f.record[fg::ExplosionTime]);
  }
  for (const MsgObject& m : doc.messages) {
    for (std::size_t at : {msg::Pair1, msg::Pair2, msg::CancelPair})
      pairTexts(m.record.data() + at, lists);
  }
  for (const GGObject& g : doc.globalGoals) {
    for (int kind = 0; kind < 3; ++kind) {
      for (std::size_t at : {gg::Pair1, gg::Pair2})
        pairTexts(g.record.data() + gg::blockOffset(kind) + at, lists);
    }
  }
  return 0;
}
