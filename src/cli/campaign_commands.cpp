// check, describe and info over one mission or a whole campaign folder.
#include "cli/tool.h"
#include "core/check/campaign.h"
#include "core/mission/utf8_path.h"

#include <filesystem>

#include <iostream>

namespace zephlo::tool {

namespace {

struct FileArgs {
  std::vector<std::string> files;
  CampaignOptions options;
  bool formatGiven = false;
  bool ok = true;
  int unreadableFolders = 0; // passed over by --recursive
};

// Files and --recursive folders in the order given; each folder's files sorted.
// Options a command does not take are left to it to refuse.
FileArgs parseFileArgs(const Args& a, const std::string& cmd) {
  FileArgs f;
  auto fail = [&](const std::string& what) {
    usageError(what);
    f.ok = false;
  };
  for (std::size_t i = 0; i < a.size() && f.ok; ++i) {
    std::string arg = a[i];
    std::string value;
    bool hasValue = false;
    if (arg.rfind("--format=", 0) == 0) {
      value = arg.substr(9);
      arg = "--format";
      hasValue = true;
    }
    if (arg == "--recursive" || arg == "--game" || arg == "--format") {
      if (!hasValue && i + 1 >= a.size()) {
        fail(cmd + ": " + arg + (arg == "--format" ? " needs text or json" : " needs a folder"));
        break;
      }
      if (!hasValue) value = a[++i];
      if (arg == "--format") {
        if (value != "text" && value != "json") {
          fail(cmd + ": --format takes text or json, not '" + value + "'");
          break;
        }
        f.options.format = value == "json" ? ReportFormat::Json : ReportFormat::Text;
        f.formatGiven = true;
        continue;
      }
      if (arg == "--game") {
        std::error_code ec;
        if (!std::filesystem::is_directory(pathFromUtf8(value), ec)) {
          fail(cmd + ": --game " + value + " is not a folder");
          break;
        }
        f.options.limitOptions.gameFolder = value;
        continue;
      }
      auto found = missionFilesUnder(value);
      if (!found) {
        std::cerr << "zephlo-tool: " << found.error().message << "\n";
        f.ok = false;
        continue;
      }
      // A folder passed over is said, and makes the run's status 2.
      for (const std::string& line : found->unreadable)
        std::cerr << "zephlo-tool: " << line << "\n";
      f.unreadableFolders += static_cast<int>(found->unreadable.size());
      if (found->files.empty()) {
        std::cerr << "zephlo-tool: no .tie files under " << value
                  << (found->unreadable.empty() ? "" : " that could be read") << "\n";
        f.ok = false;
      } else {
        f.files.insert(f.files.end(), found->files.begin(), found->files.end());
      }
    } else if (arg == "--no-warnings") {
      f.options.omitWarnings = true;
    } else if (arg == "--limits") {
      f.options.limits = true;
    } else if (arg == "--logic") {
      f.options.logic = true;
    } else if (arg.rfind("--", 0) == 0) {
      fail(cmd + ": unknown option '" + arg + "'");
    } else {
      f.files.push_back(arg);
    }
  }
  if (f.ok && f.files.empty()) fail(cmd + " needs at least one FILE or --recursive DIR");
  return f;
}

int exitStatus(const CampaignSummary& s, const FileArgs& f) {
  if (s.unreadable > 0 || f.unreadableFolders > 0) return kExitBadInput;
  return s.withErrors > 0 ? kExitCheckErrors : kExitOk;
}

bool checkOnlyOptions(const FileArgs& f) {
  return f.options.omitWarnings || f.options.limits || f.options.logic ||
         !f.options.limitOptions.gameFolder.empty();
}

int cmdCheck(const Args& a) {
  const FileArgs f = parseFileArgs(a, "check");
  if (!f.ok) return kExitBadInput;
  if (!f.options.limitOptions.gameFolder.empty() && !f.options.limits)
    return usageError("check: --game is used by --limits only");
  return exitStatus(checkMissions(f.files, f.options, std::cout, std::cerr), f);
}

int cmdDescribe(const Args& a) {
  const FileArgs f = parseFileArgs(a, "describe");
  if (!f.ok) return kExitBadInput;
  if (checkOnlyOptions(f) || f.formatGiven)
    return usageError("describe takes only FILE and --recursive DIR");
  return exitStatus(describeMissions(f.files, std::cout, std::cerr), f);
}

int cmdInfo(const Args& a) {
  const FileArgs f = parseFileArgs(a, "info");
  if (!f.ok) return kExitBadInput;
  if (checkOnlyOptions(f)) return usageError("info takes only --format, FILE and --recursive DIR");
  return exitStatus(infoMissions(f.files, f.options.format, std::cout, std::cerr), f);
}

constexpr const char* kManyFiles =
    "With more than one file, each file's lines follow a line '== PATH'.\n"
    "--recursive DIR takes every *.tie file under DIR (any capitals), sorted.\n";

constexpr const char* kJsonFormat =
    "  --format=json        print one JSON array with an object per file: its\n"
    "                       \"path\", \"read\" (false when it could not be read,\n"
    "                       with the \"problem\") and the results\n";

} // namespace

std::vector<Command> campaignCommands() {
  return {
      {"info",
       "  info [--format=text|json] FILE... | --recursive DIR\n"
       "                       print key: value lines about missions\n",
       cmdInfo,
       std::string("Usage: zephlo-tool info [--format=text|json] FILE... | --recursive DIR\n"
                   "Print a few facts about each mission: the platform number, the numbers of\n"
                   "flight groups and messages, the title, the file's size and the bytes after\n"
                   "its last section, as 'key: value' lines.\n") +
           kManyFiles + "\nOptions:\n" + kJsonFormat +
           "                       (platform, flightGroups, messages, title, size,\n"
           "                       trailingBytes)\n"
           "\nExit status: 0, or 2 when a file could not be read.\n"},
      {"describe",
       "  describe FILE... | --recursive DIR\n"
       "                       print missions as readable lines (good for diffs)\n",
       cmdDescribe,
       std::string("Usage: zephlo-tool describe FILE... | --recursive DIR\n"
                   "Print each mission as readable lines, one fact a line: the title, each flight\n"
                   "group's line, label, arrival and departure triggers, orders with their skip\n"
                   "triggers and goals, each message with its triggers, and the global goals.\n"
                   "Two versions of a mission compare well with a text diff (see git's textconv).\n"
                   "The mission's texts are printed in UTF-8.\n") +
           kManyFiles + "\nExit status: 0, or 2 when a file could not be read.\n"},
      {"check",
       "  check [--no-warnings] [--limits [--game DIR]] [--logic] [--format=text|json]\n"
       "        FILE... | --recursive DIR\n"
       "                       print the missions' errors and warnings; --limits adds\n"
       "                       warnings about the game's limits (voice files with --game),\n"
       "                       --logic what the triggers can never let happen\n",
       cmdCheck,
       std::string("Usage: zephlo-tool check [--no-warnings] [--limits [--game DIR]] [--logic]\n"
                   "                         [--format=text|json] FILE... | --recursive DIR\n"
                   "Print the errors and warnings the editor's mission checker finds, one a\n"
                   "line ('ERROR: ...', 'WARNING: ...'), or 'No known errors.'.\n") +
           kManyFiles +
           "\nOptions:\n"
           "  --no-warnings        print the errors only\n"
           "  --limits             add warnings about what the game cannot take: too many\n"
           "                       flight groups or messages, too many craft at once\n"
           "  --game DIR           with --limits, also check the mission's voice files in\n"
           "                       the game folder DIR\n"
           "  --logic              add warnings about what the mission's triggers can never\n"
           "                       let happen: flight groups that never arrive, messages\n"
           "                       never sent, goals never met\n" +
           kJsonFormat +
           "                       (\"messages\": each with \"severity\" and \"text\")\n"
           "\nExit status: 0 no error, 1 at least one error, 2 a file could not be read.\n"},
  };
}

} // namespace zephlo::tool
