// The commands that make, copy and list the insides of single missions.
#include "cli/tool.h"
#include "core/briefing/briefing_codec.h"
#include "core/check/example_mission.h"
#include "core/check/mission_logic.h"
#include "core/mission/new_mission.h"

#include <iostream>

namespace zephlo::tool {

namespace {

int cmdNew(const std::vector<std::string>& a) {
  const bool example = !a.empty() && a[0] == "--example";
  const std::size_t files = a.size() - (example ? 1 : 0);
  if (files != 1 || (a.size() == 2 && !example))
    return usageError("new takes one argument, OUT, after --example if it is given");
  const Document doc = example ? exampleMission() : newMission(MissionPrefs{});
  return save(doc, a.back());
}

int cmdRoundtrip(const std::vector<std::string>& a) {
  if (a.size() != 2) return usageError("roundtrip takes two arguments: IN OUT");
  auto doc = load(a[0]);
  if (!doc) return kExitBadInput;
  return save(*doc, a[1]);
}

int cmdBriefing(const std::vector<std::string>& a) {
  if (a.size() != 1) return usageError("briefing takes one argument: FILE");
  auto doc = load(a[0]);
  if (!doc) return kExitBadInput;
  for (const TCommandObject& c : decodeBriefing(doc->briefing)) {
    std::cout << static_cast<std::uint16_t>(c.Time) << ' ' << c.Command;
    // The words as they stand in the stream, so scripts see exactly what the file holds.
    for (std::uint16_t w : parameterWords(c))
      std::cout << ' ' << w;
    std::cout << "\n";
  }
  return kExitOk;
}

int cmdLogic(const std::vector<std::string>& a) {
  const char* const usage = "usage: zephlo-tool logic FILE [--format=text|dot]";
  std::string file;
  bool dot = false;
  for (const std::string& arg : a) {
    if (arg == "--format=dot" || arg == "--format=text") {
      dot = arg == "--format=dot";
    } else if (arg.rfind("--", 0) == 0) {
      return usageError("logic: unknown option '" + arg + "'; " + usage);
    } else if (!file.empty()) {
      return usageError("logic takes one FILE; " + std::string(usage));
    } else {
      file = arg;
    }
  }
  if (file.empty()) return usageError("logic needs a FILE; " + std::string(usage));
  auto doc = load(file);
  if (!doc) return kExitBadInput;
  const MissionLogic logic = analyseMissionLogic(*doc);
  if (dot) {
    std::cout << logicDot(logic);
  } else {
    for (const std::string& line : logicLines(logic))
      std::cout << line << "\n";
  }
  return kExitOk;
}

} // namespace

std::vector<Command> missionCommands() {
  return {
      {"new", "  new [--example] OUT  write a new mission (--example: a small example one)\n",
       cmdNew,
       "Usage: zephlo-tool new [--example] OUT\n"
       "Write the mission the editor's New Mission makes: one X-wing flight group, the\n"
       "player's, and a briefing with only its end.\n"
       "\nOptions:\n"
       "  --example            write a small example mission instead: flight groups on\n"
       "                       both sides, messages, goals and a short briefing, to try\n"
       "                       every command on\n"
       "\nExit status: 0, 2 bad arguments, 3 OUT could not be written.\n"},
      {"roundtrip", "  roundtrip IN OUT     read IN and write it to OUT unchanged\n", cmdRoundtrip,
       "Usage: zephlo-tool roundtrip IN OUT\n"
       "Read the mission IN and write it to OUT as the editor saves it without edits:\n"
       "byte for byte the same, apart from two repairs (a briefing string that is a\n"
       "lone NUL is saved empty, a backdrop at the origin moves to Z = 8).\n"
       "\nExit status: 0, 2 IN could not be read, 3 OUT could not be written.\n"},
      {"briefing", "  briefing FILE        print the briefing instructions, one per line\n",
       cmdBriefing,
       "Usage: zephlo-tool briefing FILE\n"
       "Print the briefing's instructions, one a line: the time in ticks (25 to the\n"
       "second), the code and the parameter words in stream order, all as the unsigned\n"
       "16-bit numbers the file holds (a map X of -100 prints as 65436).\n"
       "\nExit status: 0, or 2 when FILE could not be read.\n"},
      {"logic",
       "  logic FILE [--format=text|dot]\n"
       "                       print which triggers wait for which flight groups, one\n"
       "                       line an edge, or as a Graphviz graph (dot -Tsvg)\n",
       cmdLogic,
       "Usage: zephlo-tool logic FILE [--format=text|dot]\n"
       "Print the web of the mission's triggers: one line an edge, a flight group,\n"
       "message or goal and the flight group its trigger waits for, e.g.\n"
       "'FG 3 Alpha arrival <- FG 5 Beta must be destroyed'. With --format=dot the\n"
       "same as a Graphviz graph, what can never happen drawn red (dot -Tsvg draws it).\n"
       "FILE may be '-' for standard input.\n"
       "\nExit status: 0, or 2 when FILE could not be read or the arguments are wrong.\n"},
  };
}

} // namespace zephlo::tool
