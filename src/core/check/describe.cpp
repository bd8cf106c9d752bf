#include "core/check/describe.h"

#include "core/check/texts.h"
#include "core/mission/document.h"
#include "core/mission/list_lines.h"

#include <charconv>
#include <string_view>

namespace zephlo {

namespace {

// Builds the lines in place: a key in parts, then its value.
class Lines {
public:
  explicit Lines(std::string& out) : out_(out) {}
  Lines& key(std::string_view part) {
    out_.append(part);
    return *this;
  }
  Lines& key(int number) {
    char digits[12];
    const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    out_.append(digits, end);
    return *this;
  }
  void value(std::string_view latin1) {
    out_.append(": ");
    appendLatin1AsUtf8(out_, latin1);
    out_ += '\n';
  }

private:
  std::string& out_;
};

} // namespace

void describeMission(const Document& doc, std::string& out) {
  const MissionLists lists = buildMissionLists(doc);
  Lines line(out);
  auto trigger = [&](const Byte* record, std::size_t off) {
    line.value(triggerText(record + off, lists));
  };

  line.key("title").value(doc.title());
  for (std::size_t i = 0; i < doc.flightGroups.size(); ++i) {
    const FGObject& f = doc.flightGroups[i];
    const Byte* r = f.record.data();
    const int n = static_cast<int>(i);
    auto fgKey = [&]() -> Lines& { return line.key("FG ").key(n); };
    fgKey().key(" line").value(fgLineText(doc, n));
    fgKey().key(" label").value(lists.fgNames[i]);
    const std::size_t arrivals[4] = {fg::ArrivalPair1, fg::ArrivalPair1 + pair::Second,
                                     fg::ArrivalPair2, fg::ArrivalPair2 + pair::Second};
    for (int k = 0; k < 4; ++k) {
      fgKey().key(" arrival ").key(k + 1);
      trigger(r, arrivals[k]);
    }
    fgKey().key(" departure 1");
    trigger(r, fg::DeparturePair);
    fgKey().key(" departure 2");
    trigger(r, fg::DeparturePair + pair::Second);
    for (int reg = 1; reg <= kRegionCount; ++reg) {
      for (int o = 1; o <= kOrdersPerRegion; ++o) {
        const Byte* order = f.order(reg, o);
        fgKey().key(" order R").key(reg).key(" O").key(o).value(orderLineText(order, lists));
        if (order[ord::Command] == 0) continue;
        for (int k = 0; k < 2; ++k) {
          fgKey().key(" skip R").key(reg).key(" O").key(o).key(k == 0 ? " 1" : " 2");
          trigger(r, fg::skipOffset(reg, o) + (k == 0 ? 0 : pair::Second));
        }
      }
    }
    for (int g = 0; g < kFGGoalCount; ++g)
      fgKey().key(" goal ").key(g + 1).value(fgGoalLineText(f.goal(g), lists));
  }

  const std::size_t msgTriggers[6] = {msg::Pair1,      msg::Pair1 + pair::Second,
                                      msg::Pair2,      msg::Pair2 + pair::Second,
                                      msg::CancelPair, msg::CancelPair + pair::Second};
  for (std::size_t i = 0; i < doc.messages.size(); ++i) {
    const int n = static_cast<int>(i);
    line.key("MSG ").key(n).key(" line").value(msgLineText(doc, n));
    for (int k = 0; k < 6; ++k) {
      line.key("MSG ").key(n).key(" trigger ").key(k + 1);
      trigger(doc.messages[i].record.data(), msgTriggers[k]);
    }
  }

  static const char* const kKinds[3] = {" Primary ", " Prevent ", " Secondary "};
  const std::size_t goalTriggers[4] = {gg::Pair1, gg::Pair1 + pair::Second, gg::Pair2,
                                       gg::Pair2 + pair::Second};
  for (int t = 0; t < kTeamCount; ++t) {
    for (int kind = 0; kind < 3; ++kind) {
      const Byte* block = doc.globalGoals[t].record.data() + gg::blockOffset(kind);
      for (int k = 0; k < 4; ++k) {
        line.key("GG ").key(t + 1).key(kKinds[kind]).key(k + 1);
        trigger(block, goalTriggers[k]);
      }
    }
  }
}

} // namespace zephlo
