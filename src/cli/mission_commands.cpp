// The commands that read, write, check and describe whole missions.
#include "cli/tool.h"
#include "core/briefing/briefing_codec.h"
#include "core/check/campaign.h"
#include "core/check/mission_logic.h"
#include "core/mission/new_mission.h"
#include "core/mission/reader.h"

#include <iostream>

namespace zephlo::tool {

namespace {

int cmdNew(const std::vector<std::string>& a) {
  if (a.size() != 1) return usageError("new takes one argument: OUT");
  Document doc = newMission(MissionPrefs{});
  return save(doc, a[0]);
}

int cmdRoundtrip(const std::vector<std::string>& a) {
  if (a.size() != 2) return usageError("roundtrip takes two arguments: IN OUT");
  auto doc = load(a[0]);
  if (!doc) return kExitBadInput;
  return save(*doc, a[1]);
}

int cmdInfo(const std::vector<std::string>& a) {
  if (a.size() != 1) return usageError("info takes one argument: FILE");
  const auto raw = readInput(a[0], missionSizeLimit(), refusedByPlatform);
  if (!raw) return kExitBadInput;
  const Result<Document> doc = parseMission(*raw, inputName(a[0]));
  if (!doc) {
    std::cerr << "zephlo-tool: " << readFailureText(doc.error(), inputName(a[0])) << "\n";
    return kExitBadInput;
  }
  const std::size_t bytes = raw->size();
  std::cout << "platform: " << (doc->platform & 0xFF) << "\n"
            << "flight groups: " << doc->flightGroups.size() << "\n"
            << "messages: " << doc->messages.size() << "\n"
            << "title: " << doc->title() << "\n"
            << "size: " << bytes << "\n"
            << "trailing bytes: " << doc->trailing.size() << "\n";
  return kExitOk;
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
      {"new", "  new OUT              write a new mission to OUT\n", cmdNew},
      {"roundtrip", "  roundtrip IN OUT     read IN and write it to OUT unchanged\n", cmdRoundtrip},
      {"info", "  info FILE            print key: value lines about a mission\n", cmdInfo},
      {"briefing", "  briefing FILE        print the briefing instructions, one per line\n",
       cmdBriefing},
      {"logic",
       "  logic FILE [--format=text|dot]\n"
       "                       print which triggers wait for which flight groups, one\n"
       "                       line an edge, or as a Graphviz graph (dot -Tsvg)\n",
       cmdLogic},
  };
}

} // namespace zephlo::tool
