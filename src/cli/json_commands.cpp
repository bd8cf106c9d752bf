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
       cmdExport,
       "Usage: zephlo-tool export FILE OUT.json\n"
       "Write the mission as JSON: every field by name, with a readable name beside\n"
       "each number that stands for a word (\"craftType\": 1, \"craftTypeName\":\n"
       "\"Xwing\"), the briefing's instructions decoded, the bytes no field names as\n"
       "hex. The schema: docs/json.md, installed in share/doc/zephlo.\n"
       "\nExit status: 0, 2 FILE could not be read, 3 OUT could not be written.\n"},
      {"import",
       "  import IN.json OUT.tie\n"
       "                       write the mission a JSON file describes\n",
       cmdImport,
       "Usage: zephlo-tool import IN.json OUT.tie\n"
       "Write the mission a JSON file in the form of export describes; an unchanged\n"
       "export gives back the identical file. The names beside the numbers are\n"
       "ignored, and the numbers of flight groups, messages and briefing words are\n"
       "taken from their arrays, so a flight group can be added by copying one.\n"
       "A wrong value is refused with its JSON path and nothing is written.\n"
       "\nExit status: 0, 2 IN.json could not be read or is refused, 3 OUT.tie could\n"
       "not be written.\n"},
  };
}

} // namespace zephlo::tool
