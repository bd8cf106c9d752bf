// Reads any bytes as a mission; a file that is accepted must be written back
// as the same bytes apart from the documented fix-ups, and read again as the
// same document.
#include "fuzz_mission.h"

#include "mission/reader.h"
#include "mission/writer.h"

#include <cstdio>
#include <cstdlib>

using namespace zephlo;

namespace {

[[noreturn]] void fault(const char* what) {
  std::fprintf(stderr, "mission round trip: %s\n", what);
  std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const Byte> in(data, size);
  const bool autolink = size > 0 && (data[size - 1] & 1) != 0;
  Result<Document> doc = parseMission(in, "fuzz.tie", autolink);
  if (!doc) {
    if (doc.error().message.find("fuzz.tie") == std::string::npos &&
        doc.error().kind == ErrorKind::Damaged)
      fault("a damaged file's message does not name it");
    return 0;
  }
  Result<std::vector<Byte>> out = serializeMission(*doc);
  if (!out) fault("a mission that was read cannot be written");
  if (*out != fuzz::expectedAfterSave(in)) fault("the written bytes differ from the read ones");
  Result<Document> again = parseMission(*out, "fuzz.tie", autolink);
  if (!again) fault("the written file cannot be read again");
  Result<std::vector<Byte>> twice = serializeMission(*again);
  if (!twice || *twice != *out) fault("writing the mission again changes it");
  return 0;
}
