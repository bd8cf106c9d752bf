#include "support/test_documents.h"

#include "core/mission/new_mission.h"
#include "core/mission/reader.h"

#include <cstdio>

namespace zephlo::testing {

Document generatedDocument(const GenOptions& options) {
  const GeneratedMission m = generateMission(options);
  Result<Document> r = parseMission(m.bytes, "generated.tie");
  if (!r) {
    std::fprintf(stderr, "generated mission refused: %s\n", r.error().message.c_str());
    return newMission({});
  }
  return std::move(*r);
}

Document largeDocument(std::uint32_t seed) {
  GenOptions o;
  o.flightGroups = 192;
  o.messages = 64;
  o.seed = seed;
  o.fillEverything = true;
  o.maxStringLength = 200;
  return generatedDocument(o);
}

} // namespace zephlo::testing
