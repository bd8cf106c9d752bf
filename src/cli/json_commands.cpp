// export and import: a mission as JSON, for scripts and hand edits.
#include "check/campaign.h"
#include "cli/tool.h"
#include "mission/json_mission.h"
#include "mission/safe_write.h"
#include "mission/writer.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>

namespace zephlo::tool {

namespace {

int writeOut(const std::string& path, std::span<const Byte> bytes) {
  const Status w = writeFileSafely(path, bytes);
  if (!w) {
    std::cerr << "zephlo-tool: " << w.error().message << "\n";
    return kExitWriteFailed;
  }
  return kExitOk;
}

bool readWhole(const std::string& path, std::string& out) {
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) {
    std::cerr << "zephlo-tool: " << path << " does not exist.\n";
    return false;
  }
  std::ifstream in(path, std::ios::binary);
  out.assign(std::istreambuf_iterator<char>(in), {});
  if (in.bad() || !in.is_open() || std::filesystem::is_directory(path, ec)) {
    std::cerr << "zephlo-tool: Cannot read " << path << ".\n";
    return false;
  }
  return true;
}

int cmdExport(const Args& a) {
  if (a.size() != 2) return usageError("export takes two arguments: FILE OUT.json");
  // The reader's own checks and messages come first.
  const Result<Document> r = readMission(a[0]);
  if (!r) {
    std::cerr << "zephlo-tool: " << readFailureText(r.error(), a[0]) << "\n";
    return kExitBadInput;
  }
  std::string raw;
  if (!readWhole(a[0], raw)) return kExitBadInput;
  const auto* p = reinterpret_cast<const Byte*>(raw.data());
  const Result<std::string> text = missionToJson(std::span<const Byte>(p, raw.size()), a[0]);
  if (!text) {
    std::cerr << "zephlo-tool: " << text.error().message << "\n";
    return kExitBadInput;
  }
  const auto* t = reinterpret_cast<const Byte*>(text->data());
  return writeOut(a[1], std::span<const Byte>(t, text->size()));
}

int cmdImport(const Args& a) {
  if (a.size() != 2) return usageError("import takes two arguments: IN.json OUT.tie");
  std::string text;
  if (!readWhole(a[0], text)) return kExitBadInput;
  const Result<std::vector<Byte>> bytes = missionFromJson(text, a[0]);
  if (!bytes) {
    std::cerr << "zephlo-tool: " << bytes.error().message << "\n";
    return kExitBadInput;
  }
  return writeOut(a[1], *bytes);
}

} // namespace

std::vector<Command> jsonCommands() {
  return {
      {"export", "  export FILE OUT.json write the mission as JSON (every field by name)\n",
       cmdExport},
      {"import",
       "  import IN.json OUT.tie\n"
       "                       write the mission a JSON file describes\n",
       cmdImport},
  };
}

} // namespace zephlo::tool
