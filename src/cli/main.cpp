// zephlo-tool: checks and describes mission files from scripts.
#include "briefing/briefing.h"
#include "check/checker.h"
#include "check/describe.h"
#include "mission/new_mission.h"
#include "mission/reader.h"
#include "mission/writer.h"

#include <cstdio>
#include <filesystem>
#include <functional>
#include <iostream>
#include <map>
#include <string>
#include <vector>

using namespace zephlo;

namespace {

constexpr int kExitOk = 0;
constexpr int kExitCheckErrors = 1;
constexpr int kExitBadInput = 2;
constexpr int kExitWriteFailed = 3;

const char* kUsage = "Usage: zephlo-tool COMMAND [ARGUMENTS]\n"
                     "\n"
                     "Commands:\n"
                     "  new OUT              write a new mission to OUT\n"
                     "  roundtrip IN OUT     read IN and write it to OUT unchanged\n"
                     "  info FILE            print key: value lines about a mission\n"
                     "  briefing FILE        print the briefing instructions, one per line\n"
                     "  describe FILE        print the mission as readable lines (good for diffs)\n"
                     "  check [--no-warnings] FILE\n"
                     "                       print the mission's errors and warnings\n"
                     "  --help               show this text\n"
                     "  --version            show the version\n"
                     "\n"
                     "Exit status: 0 success, 2 missing, refused or damaged input or bad\n"
                     "arguments, 3 the output could not be written.\n";

int usageError(const std::string& what) {
  std::cerr << "zephlo-tool: " << what << "\nTry 'zephlo-tool --help'.\n";
  return kExitBadInput;
}

// Reads a mission or says on standard error why it cannot.
std::unique_ptr<Document> load(const std::string& path) {
  ReadOutcome r = readMission(path);
  if (!r.ok()) {
    std::string msg = r.message;
    // Notices about other games' files do not name the file; a script needs it.
    if (r.status != ReadStatus::Damaged && r.status != ReadStatus::Missing &&
        r.status != ReadStatus::Unreadable) {
      msg = path + ": " + msg;
    }
    std::cerr << "zephlo-tool: " << msg << "\n";
    return nullptr;
  }
  return std::move(r.document);
}

int save(Document& doc, const std::string& path) {
  WriteResult w = writeMission(doc, path);
  if (!w.ok) {
    std::cerr << "zephlo-tool: " << w.error << "\n";
    return kExitWriteFailed;
  }
  return kExitOk;
}

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
  auto doc = load(a[0]);
  if (!doc) return kExitBadInput;
  std::error_code ec;
  const auto bytes = std::filesystem::file_size(a[0], ec);
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

int cmdDescribe(const std::vector<std::string>& a) {
  if (a.size() != 1) return usageError("describe takes one argument: FILE");
  auto doc = load(a[0]);
  if (!doc) return kExitBadInput;
  for (const std::string& line : describeMission(*doc))
    std::cout << line << "\n";
  return kExitOk;
}

int cmdCheck(const std::vector<std::string>& a) {
  bool omitWarnings = false;
  std::vector<std::string> files;
  for (const std::string& arg : a) {
    if (arg == "--no-warnings")
      omitWarnings = true;
    else
      files.push_back(arg);
  }
  if (files.size() != 1) return usageError("check takes one argument: FILE");
  auto doc = load(files[0]);
  if (!doc) return kExitBadInput;
  const CheckResult result = checkMission(*doc);
  if (result.count(omitWarnings) == 0) {
    std::cout << "No known errors.\n";
  } else {
    for (const std::string& line : result.lines(omitWarnings))
      std::cout << line << "\n";
  }
  return result.errors.empty() ? kExitOk : kExitCheckErrors;
}

} // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) return usageError("no command given");
  const std::string cmd = args[0];
  args.erase(args.begin());
  if (cmd == "--help" || cmd == "-h" || cmd == "help") {
    std::cout << kUsage;
    return kExitOk;
  }
  if (cmd == "--version") {
    std::cout << "zephlo-tool " << ZEPHLO_VERSION << "\n";
    return kExitOk;
  }
  const std::map<std::string, std::function<int(const std::vector<std::string>&)>> commands = {
      {"new", cmdNew},           {"roundtrip", cmdRoundtrip}, {"info", cmdInfo},
      {"briefing", cmdBriefing}, {"describe", cmdDescribe},   {"check", cmdCheck},
  };
  auto it = commands.find(cmd);
  if (it == commands.end()) return usageError("unknown command '" + cmd + "'");
  return it->second(args);
}
