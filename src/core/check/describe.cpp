#include "core/check/describe.h"

#include "core/check/texts.h"
#include "core/mission/document.h"
#include "core/mission/list_lines.h"

namespace zephlo {

std::vector<std::string> describeMission(const Document& doc) {
  const MissionLists lists = buildMissionLists(doc);
  std::vector<std::string> out;
  auto line = [&out](const std::string& key, const std::string& value) {
    out.push_back(key + ": " + value);
  };
  auto trigger = [&](const Byte* record, std::size_t off) {
    return triggerText(record + off, lists);
  };

  line("title", doc.title());
  for (std::size_t i = 0; i < doc.flightGroups.size(); ++i) {
    const FGObject& f = doc.flightGroups[i];
    const Byte* r = f.record.data();
    const std::string fgKey = "FG " + std::to_string(i);
    line(fgKey + " line", fgLineText(doc, static_cast<int>(i)));
    line(fgKey + " label", fgLabel(doc, static_cast<int>(i)));
    const std::size_t arrivals[4] = {fg::ArrivalPair1, fg::ArrivalPair1 + pair::Second,
                                     fg::ArrivalPair2, fg::ArrivalPair2 + pair::Second};
    for (int k = 0; k < 4; ++k) {
      line(fgKey + " arrival " + std::to_string(k + 1), trigger(r, arrivals[k]));
    }
    line(fgKey + " departure 1", trigger(r, fg::DeparturePair));
    line(fgKey + " departure 2", trigger(r, fg::DeparturePair + pair::Second));
    for (int reg = 1; reg <= kRegionCount; ++reg) {
      for (int o = 1; o <= kOrdersPerRegion; ++o) {
        const std::string key = fgKey + " order R" + std::to_string(reg) + " O" + std::to_string(o);
        const Byte* order = f.order(reg, o);
        line(key, orderLineText(order, lists));
        if (order[ord::Command] == 0) continue;
        line(fgKey + " skip R" + std::to_string(reg) + " O" + std::to_string(o) + " 1",
             trigger(r, fg::skipOffset(reg, o)));
        line(fgKey + " skip R" + std::to_string(reg) + " O" + std::to_string(o) + " 2",
             trigger(r, fg::skipOffset(reg, o) + pair::Second));
      }
    }
    for (int g = 0; g < kFGGoalCount; ++g) {
      line(fgKey + " goal " + std::to_string(g + 1), fgGoalLineText(f.goal(g), lists));
    }
  }

  const std::size_t msgTriggers[6] = {msg::Pair1,      msg::Pair1 + pair::Second,
                                      msg::Pair2,      msg::Pair2 + pair::Second,
                                      msg::CancelPair, msg::CancelPair + pair::Second};
  for (std::size_t i = 0; i < doc.messages.size(); ++i) {
    const std::string key = "MSG " + std::to_string(i);
    line(key + " line", msgLineText(doc, static_cast<int>(i)));
    for (int k = 0; k < 6; ++k) {
      line(key + " trigger " + std::to_string(k + 1),
           trigger(doc.messages[i].record.data(), msgTriggers[k]));
    }
  }

  static const char* const kKinds[3] = {"Primary", "Prevent", "Secondary"};
  const std::size_t goalTriggers[4] = {gg::Pair1, gg::Pair1 + pair::Second, gg::Pair2,
                                       gg::Pair2 + pair::Second};
  for (int t = 0; t < kTeamCount; ++t) {
    for (int kind = 0; kind < 3; ++kind) {
      const Byte* block = doc.globalGoals[t].record.data() + gg::blockOffset(kind);
      for (int k = 0; k < 4; ++k) {
        line("GG " + std::to_string(t + 1) + " " + kKinds[kind] + " " + std::to_string(k + 1),
             trigger(block, goalTriggers[k]));
      }
    }
  }
  return out;
}

} // namespace zephlo
