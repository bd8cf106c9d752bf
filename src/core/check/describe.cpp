#include "core/check/describe.h"

#include "core/check/texts.h"
#include "core/mission/document.h"
#include "core/mission/list_lines.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace zephlo {

namespace {

// The keys that repeat in every flight group, message and team, made once.
// A line is then its prefix ("FG 12"), its key (" order R1 O2: ") and its
// value: a few appends, not one string per part, as a campaign has millions
// of lines.
struct Keys {
  std::array<std::string, 4> arrival;
  std::array<std::string, 2> departure;
  std::array<std::string, kRegionCount * kOrdersPerRegion> order;
  std::array<std::array<std::string, 2>, kRegionCount * kOrdersPerRegion> skip;
  std::array<std::string, kFGGoalCount> goal;
  std::array<std::string, 6> messageTrigger;
  std::array<std::array<std::string, 4>, 3> globalGoal;

  Keys() {
    for (int k = 0; k < 4; ++k)
      arrival[k] = " arrival " + std::to_string(k + 1) + ": ";
    for (int k = 0; k < 2; ++k)
      departure[k] = " departure " + std::to_string(k + 1) + ": ";
    for (int reg = 1; reg <= kRegionCount; ++reg) {
      for (int o = 1; o <= kOrdersPerRegion; ++o) {
        const std::string ro = "R" + std::to_string(reg) + " O" + std::to_string(o);
        const std::size_t at = index(reg, o);
        order[at] = " order " + ro + ": ";
        skip[at] = {" skip " + ro + " 1: ", " skip " + ro + " 2: "};
      }
    }
    for (int g = 0; g < kFGGoalCount; ++g)
      goal[static_cast<std::size_t>(g)] = " goal " + std::to_string(g + 1) + ": ";
    for (int k = 0; k < 6; ++k)
      messageTrigger[k] = " trigger " + std::to_string(k + 1) + ": ";
    static const char* const kKinds[3] = {" Primary ", " Prevent ", " Secondary "};
    for (int kind = 0; kind < 3; ++kind)
      for (int k = 0; k < 4; ++k)
        globalGoal[kind][k] = kKinds[kind] + std::to_string(k + 1) + ": ";
  }
  static std::size_t index(int region, int order) {
    return static_cast<std::size_t>((region - 1) * kOrdersPerRegion + order - 1);
  }
};

const Keys& keys() {
  static const Keys k;
  return k;
}

class Lines {
public:
  explicit Lines(std::string& out) : out_(out) {}
  // Starts a line; the value follows and end() closes it.
  std::string& begin(std::string_view prefix, std::string_view key) {
    return out_.append(prefix).append(key);
  }
  void end() { out_ += '\n'; }
  void line(std::string_view prefix, std::string_view key, std::string_view value) {
    begin(prefix, key).append(value);
    end();
  }

private:
  std::string& out_;
};

// The text from start on, 8-bit as the mission holds it, as UTF-8. Most
// missions are ASCII throughout, so the text is looked at eight bytes at a
// time and left as it is.
void latin1ToUtf8InPlace(std::string& text, std::size_t start) {
  std::size_t i = start;
  for (std::uint64_t word = 0; i + 8 <= text.size(); i += 8) {
    std::memcpy(&word, text.data() + i, 8);
    if (word & 0x8080808080808080u) break;
  }
  for (; i < text.size(); ++i) {
    if (static_cast<unsigned char>(text[i]) >= 0x80) {
      const std::string latin1 = text.substr(i);
      text.resize(i);
      appendLatin1AsUtf8(text, latin1);
      return;
    }
  }
}

} // namespace

void describeMission(const Document& doc, std::string& out) {
  const MissionLists lists = buildMissionLists(doc);
  const Keys& k = keys();
  const std::size_t start = out.size();
  // About 40 lines of 50 bytes for each flight group: grow once, not often.
  out.reserve(out.size() + 8192 + doc.flightGroups.size() * 4096 + doc.messages.size() * 512);
  Lines lines(out);
  auto trigger = [&](std::string_view prefix, std::string_view key, const Byte* t) {
    appendTriggerText(lines.begin(prefix, key), t, lists);
    lines.end();
  };

  lines.line("title", ": ", doc.title());
  for (std::size_t i = 0; i < doc.flightGroups.size(); ++i) {
    const FGObject& f = doc.flightGroups[i];
    const Byte* r = f.record.data();
    const std::string prefix = "FG " + std::to_string(i);
    lines.line(prefix, " line: ", fgLineText(doc, static_cast<int>(i)));
    lines.line(prefix, " label: ", lists.fgNames[i]);
    const std::size_t arrivals[4] = {fg::ArrivalPair1, fg::ArrivalPair1 + pair::Second,
                                     fg::ArrivalPair2, fg::ArrivalPair2 + pair::Second};
    for (std::size_t a = 0; a < 4; ++a)
      trigger(prefix, k.arrival[a], r + arrivals[a]);
    trigger(prefix, k.departure[0], r + fg::DeparturePair);
    trigger(prefix, k.departure[1], r + fg::DeparturePair + pair::Second);
    for (int reg = 1; reg <= kRegionCount; ++reg) {
      for (int o = 1; o <= kOrdersPerRegion; ++o) {
        const Byte* order = f.order(reg, o);
        const std::size_t at = Keys::index(reg, o);
        appendOrderLineText(lines.begin(prefix, k.order[at]), order, lists);
        lines.end();
        if (order[ord::Command] == 0) continue;
        trigger(prefix, k.skip[at][0], r + fg::skipOffset(reg, o));
        trigger(prefix, k.skip[at][1], r + fg::skipOffset(reg, o) + pair::Second);
      }
    }
    for (int g = 0; g < kFGGoalCount; ++g) {
      appendFgGoalLineText(lines.begin(prefix, k.goal[static_cast<std::size_t>(g)]), f.goal(g),
                           lists);
      lines.end();
    }
  }

  const std::size_t msgTriggers[6] = {msg::Pair1,      msg::Pair1 + pair::Second,
                                      msg::Pair2,      msg::Pair2 + pair::Second,
                                      msg::CancelPair, msg::CancelPair + pair::Second};
  for (std::size_t i = 0; i < doc.messages.size(); ++i) {
    const std::string prefix = "MSG " + std::to_string(i);
    lines.line(prefix, " line: ", msgLineText(doc, static_cast<int>(i)));
    for (std::size_t t = 0; t < 6; ++t)
      trigger(prefix, k.messageTrigger[t], doc.messages[i].record.data() + msgTriggers[t]);
  }

  const std::size_t goalTriggers[4] = {gg::Pair1, gg::Pair1 + pair::Second, gg::Pair2,
                                       gg::Pair2 + pair::Second};
  for (int t = 0; t < kTeamCount; ++t) {
    const std::string prefix = "GG " + std::to_string(t + 1);
    for (std::size_t kind = 0; kind < 3; ++kind) {
      const Byte* block =
          doc.globalGoals[t].record.data() + gg::blockOffset(static_cast<int>(kind));
      for (std::size_t g = 0; g < 4; ++g)
        trigger(prefix, k.globalGoal[kind][g], block + goalTriggers[g]);
    }
  }
  latin1ToUtf8InPlace(out, start);
}

} // namespace zephlo
