// Reads any bytes as a mission, from memory and from a file (which the
// reader takes in chunks); both must agree. A file that is accepted must be
// written back as the same bytes apart from the documented fix-ups, and read
// again as the same document.
#include "fuzz_mission.h"

#include "core/mission/reader.h"
#include "core/mission/writer.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

using namespace zephlo;

namespace {

[[noreturn]] void fault(const char* what) {
  std::fprintf(stderr, "mission round trip: %s\n", what);
  std::abort();
}

// The file the input is written to for a moment, one per process.
std::string scratchFile() { return "/tmp/zephlo-fuzz-" + std::to_string(getpid()) + ".tie"; }

// Reading the bytes from a file gives what reading them from memory gave.
void compareWithFileRead(std::span<const Byte> in, bool autolink, const Result<Document>& doc) {
  std::FILE* f = std::fopen(scratchFile().c_str(), "wb");
  if (!f || std::fwrite(in.data(), 1, in.size(), f) != in.size() || std::fclose(f) != 0)
    fault("cannot write the scratch file");
  Result<Document> fromFile = readMission(scratchFile(), autolink);
  std::remove(scratchFile().c_str());
  if (bool(fromFile) != bool(doc)) fault("reading from a file and from memory disagree");
  if (!doc) {
    if (fromFile.error().kind != doc.error().kind || fromFile.error().offset != doc.error().offset)
      fault("reading from a file and from memory fail differently");
    return;
  }
  fromFile->fileName = doc->fileName;
  if (!(*fromFile == *doc)) fault("reading from a file gives another document");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const Byte> in(data, size);
  const bool autolink = size > 0 && (data[size - 1] & 1) != 0;
  Result<Document> doc = parseMission(in, "fuzz.tie", autolink);
  compareWithFileRead(in, autolink, doc);
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
