// export and import: a mission as JSON, for scripts and hand edits.
#include "cli/tool.h"
#include "core/check/campaign.h"
#include "core/json/json_mission.h"
#include "core/mission/reader.h"

#include <iostream>

namespace zephlo::tool {

namespace {

int cmdExport(const Args& a) {
  if (a.size() != 2) return usageError("export takes two arguments: FILE OUT.json");
  const auto raw = readInput(a[0], missionSizeLimit(), refusedByPlatform);
  if (!raw) return kExitBadInput;
  // The reader's own checks and messages come first.
  const std::string name = inputName(a[0]);
  const Result<std::string> text = missionToJson(*raw, name);
  if (!text) {
    std::cerr << "zephlo-tool: " << readFailureText(text.error(), name) << "\n";
    return kExitBadInput;
  }
  const auto* t = reinterpret_cast<const Byte*>(text->data());
  return writeOutput(a[1], std::span<const Byte>(t, text->size()));
}

int cmdImport(const Args& a) {
  if (a.size() != 2) return usageError("import takes two arguments: IN.json OUT.tie");
  const auto raw = readInput(a[0], SizeLimit{kMaxJsonBytes, "a mission's JSON may"}, refusedAsJson);
  if (!raw) return kExitBadInput;
  const std::string_view text(reinterpret_cast<const char*>(raw->data()), raw->size());
  const Result<std::vector<Byte>> bytes = missionFromJson(text, inputName(a[0]));
  if (!bytes) {
    std::cerr << "zephlo-tool: " << bytes.error().message << "\n";
    return kExitBadInput;
  }
  return writeOutput(a[1], *bytes);
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
