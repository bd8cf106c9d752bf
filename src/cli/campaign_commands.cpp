// check and describe over one mission or a whole campaign folder.
#include "cli/tool.h"
#include "core/check/campaign.h"

#include <iostream>

namespace zephlo::tool {

namespace {

struct FileArgs {
  std::vector<std::string> files;
  CampaignOptions options;
  bool ok = true;
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
    const std::string& arg = a[i];
    if (arg == "--recursive" || arg == "--game") {
      if (i + 1 >= a.size()) {
        fail(cmd + ": " + arg + " needs a folder");
        break;
      }
      const std::string dir = a[++i];
      if (arg == "--game") {
        f.options.limitOptions.gameFolder = dir;
        continue;
      }
      auto found = missionFilesUnder(dir);
      if (!found) {
        std::cerr << "zephlo-tool: " << found.error().message << "\n";
        f.ok = false;
      } else if (found->empty()) {
        std::cerr << "zephlo-tool: no .tie files under " << dir << "\n";
        f.ok = false;
      } else {
        f.files.insert(f.files.end(), found->begin(), found->end());
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

int exitStatus(const CampaignSummary& s) {
  if (s.unreadable > 0) return kExitBadInput;
  return s.withErrors > 0 ? kExitCheckErrors : kExitOk;
}

int cmdCheck(const Args& a) {
  const FileArgs f = parseFileArgs(a, "check");
  if (!f.ok) return kExitBadInput;
  if (!f.options.limitOptions.gameFolder.empty() && !f.options.limits)
    return usageError("check: --game is used by --limits only");
  return exitStatus(checkMissions(f.files, f.options, std::cout, std::cerr));
}

int cmdDescribe(const Args& a) {
  const FileArgs f = parseFileArgs(a, "describe");
  if (!f.ok) return kExitBadInput;
  if (f.options.omitWarnings || f.options.limits || f.options.logic ||
      !f.options.limitOptions.gameFolder.empty())
    return usageError("describe takes only FILE and --recursive DIR");
  return exitStatus(describeMissions(f.files, std::cout, std::cerr));
}

} // namespace

std::vector<Command> campaignCommands() {
  return {
      {"describe",
       "  describe FILE... | --recursive DIR\n"
       "                       print missions as readable lines (good for diffs)\n",
       cmdDescribe},
      {"check",
       "  check [--no-warnings] [--limits [--game DIR]] [--logic] FILE... | --recursive DIR\n"
       "                       print the missions' errors and warnings; --limits adds\n"
       "                       warnings about the game's limits (voice files with --game),\n"
       "                       --logic what the triggers can never let happen\n",
       cmdCheck},
  };
}

} // namespace zephlo::tool
