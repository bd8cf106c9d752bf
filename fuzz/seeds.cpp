// Writes the seed corpus of each fuzzer into its folder under the given one:
// missions from the tests' generator, whole for the reader and in compact
// form for the fuzzers that build missions from small inputs.
#include "fuzz_mission.h"
#include "support/test_missions.h"

#include "core/briefing/briefing_codec.h"
#include "core/json/json_mission.h"
#include "core/mission/layout.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>

namespace fs = std::filesystem;
using zephlo::Byte;
using zephlo::testing::generateMission;
using zephlo::testing::GenOptions;
using zephlo::testing::writeFile;

namespace {

std::vector<Byte> randomBytes(std::mt19937& rng, std::size_t n) {
  std::vector<Byte> b(n);
  for (Byte& x : b)
    x = static_cast<Byte>(rng());
  return b;
}

// Inputs whose every byte is random, lists and streams included: a briefing
// with no end marker, counts and indexes anywhere. Each target gets some
// beside the well-formed missions.
void writeRandomSeeds(const fs::path& root) {
  std::mt19937 rng(2026);
  for (int k = 0; k < 6; ++k) {
    const std::string n = "random-" + std::to_string(k);
    const std::size_t fgs = static_cast<std::size_t>(k % 3), msgs = static_cast<std::size_t>(k % 2);
    const std::size_t compactSize =
        2 + fgs * zephlo::size::flightGroup + msgs * zephlo::size::message +
        zephlo::kTeamCount * (zephlo::size::globalGoal + zephlo::size::team) +
        zephlo::size::header + zephlo::size::briefing;
    std::vector<Byte> compact = randomBytes(rng, compactSize);
    compact[0] = static_cast<Byte>(fgs);
    compact[1] = static_cast<Byte>(msgs);
    writeFile((root / "check" / n).string(), compact);
    std::vector<Byte> edit = randomBytes(rng, 3 + 200);
    edit[0] = 200;
    edit[1] = 0;
    edit.insert(edit.end(), compact.begin(), compact.end());
    writeFile((root / "edit" / n).string(), edit);
    writeFile((root / "briefing" / n).string(), randomBytes(rng, zephlo::size::briefing));
    // A whole file: a mission's platform word and counts, random after them.
    std::vector<Byte> file = randomBytes(rng, 160000);
    file[0] = zephlo::kPlatformXwa;
    file[1] = 0;
    zephlo::setU16(file.data() + 2 + zephlo::hdr::NumFGs, static_cast<std::uint16_t>(fgs));
    zephlo::setU16(file.data() + 2 + zephlo::hdr::NumMessages, static_cast<std::uint16_t>(msgs));
    writeFile((root / "mission_roundtrip" / n).string(), file);
  }
}

// The exports of small generated missions: every field present, so the
// mutations land on values.
void writeJsonSeeds(const fs::path& root) {
  for (std::uint32_t seed = 1; seed <= 4; ++seed) {
    GenOptions o;
    o.seed = seed;
    o.flightGroups = static_cast<int>(seed % 3);
    o.messages = static_cast<int>(seed % 2);
    o.maxStringLength = 20;
    const auto json = zephlo::missionToJson(generateMission(o).bytes, "seed.tie");
    if (!json) continue;
    writeFile((root / "json_import" / std::to_string(seed)).string(),
              std::vector<Byte>(json->begin(), json->end()));
  }
}

} // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s CORPUS_DIR\n", argv[0]);
    return 2;
  }
  const fs::path root = argv[1];
  for (const char* name : {"mission_roundtrip", "briefing", "check", "edit", "json_import"})
    fs::create_directories(root / name);

  for (std::uint32_t seed = 1; seed <= 12; ++seed) {
    GenOptions o;
    o.seed = seed;
    o.flightGroups = static_cast<int>(seed % 5);
    o.messages = static_cast<int>(seed % 4);
    o.maxStringLength = seed % 3 == 0 ? 300 : 40;
    o.fillEverything = seed % 4 == 0;
    o.trailingBytes = seed % 6 == 0 ? 17 : 0;
    const std::vector<Byte> file = generateMission(o).bytes;
    const std::string n = std::to_string(seed);
    writeFile((root / "mission_roundtrip" / n).string(), file);

    // The briefing block: the generator's bytes give arbitrary streams, put
    // at the stream's start or near its end.
    const std::size_t briefingAt =
        zephlo::size::platform + zephlo::size::header + o.flightGroups * zephlo::size::flightGroup +
        o.messages * zephlo::size::message +
        zephlo::kTeamCount * (zephlo::size::globalGoal + zephlo::size::team);
    const auto block = file.begin() + static_cast<std::ptrdiff_t>(briefingAt);
    std::vector<Byte> briefing(block, block + zephlo::brf::Stream);
    const std::uint16_t word = seed % 2 ? 0 : zephlo::brf::StreamWords - 4 * seed;
    briefing.push_back(static_cast<Byte>(word & 0xFF));
    briefing.push_back(static_cast<Byte>(word >> 8));
    briefing.insert(briefing.end(), block + zephlo::brf::Stream,
                    block + static_cast<std::ptrdiff_t>(zephlo::brf::Stream + 64 + seed * 16));
    writeFile((root / "briefing" / n).string(), briefing);

    const std::vector<Byte> compact = zephlo::fuzz::compactFromMission(file);
    writeFile((root / "check" / n).string(), compact);
    // Operations first (their length in two bytes and the voice flag), then the mission.
    std::vector<Byte> edit{static_cast<Byte>(24 * seed), 0,
                           static_cast<Byte>(seed % 3 ? seed * 6 : 0)};
    for (std::size_t k = 0; k < 24 * seed; ++k)
      edit.push_back(file[(k * 7919 + seed) % file.size()]);
    edit.insert(edit.end(), compact.begin(), compact.end());
    writeFile((root / "edit" / n).string(), edit);
  }
  writeRandomSeeds(root);
  writeJsonSeeds(root);
  // One that needs both of the writer's fix-ups: a lone-NUL briefing string
  // and a backdrop at the origin.
  GenOptions o;
  o.seed = 99;
  const zephlo::testing::GeneratedMission m = generateMission(o);
  std::vector<Byte> file = m.bytes;
  std::size_t fgAt = 0, tagAt = 0, nextAt = 0;
  for (const auto& [name, at] : m.boundaries) {
    if (name == "flight group 0") fgAt = at;
    if (name == "tag 0") tagAt = at;
    if (name == "tag 1") nextAt = at;
  }
  file[fgAt + zephlo::fg::CraftType] = zephlo::kBackdrop;
  std::fill_n(file.begin() + static_cast<std::ptrdiff_t>(fgAt + zephlo::fg::startPointOffset(1)), 6,
              0);
  file.erase(file.begin() + static_cast<std::ptrdiff_t>(tagAt),
             file.begin() + static_cast<std::ptrdiff_t>(nextAt));
  file.insert(file.begin() + static_cast<std::ptrdiff_t>(tagAt), {1, 0, 0});
  writeFile((root / "mission_roundtrip" / "fix-ups").string(), file);
  return 0;
}
