// Any bytes as the JSON form of a mission. Nothing may crash, hang or take
// the memory; a text that is accepted gives a mission whose export imports to
// the very same bytes and exports to the very same text.
#include "core/json/json_mission.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

using namespace zephlo;

namespace {

[[noreturn]] void fault(const char* what) {
  std::fprintf(stderr, "JSON import: %s\n", what);
  std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const Result<std::vector<Byte>> bytes = missionFromJson(text, "fuzz.json");
  if (!bytes) {
    const std::string& m = bytes.error().message;
    if (m.rfind("fuzz.json: ", 0) != 0) fault("a refusal does not name the file");
    if (m.find('\n') != std::string::npos) fault("a refusal takes more than one line");
    return 0;
  }
  const Result<std::string> exported = missionToJson(*bytes, "fuzz.tie");
  if (!exported) fault("an imported mission cannot be exported");
  const Result<std::vector<Byte>> again = missionFromJson(*exported, "fuzz.json");
  if (!again) fault("an export cannot be imported");
  if (*again != *bytes) fault("the export imports to other bytes");
  const Result<std::string> reexported = missionToJson(*again, "fuzz.tie");
  if (!reexported || *reexported != *exported) fault("the export is not stable");
  return 0;
}
