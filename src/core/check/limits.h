// The limits of the game itself: things the mission format can hold but the
// game cannot cope with. Reported as warnings after the checker's own lines.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zephlo {

struct Document;

// Flight groups the game supports in one mission, as the format's public
// documentation gives it; more corrupt the mission in the game. (The file
// itself can hold many more.)
inline constexpr std::size_t kGameMaxFlightGroups = 100;
// In-flight messages the game holds (and voice list entries it plays).
inline constexpr std::size_t kGameMaxMessages = 64;
// Craft the game keeps in flight at one time. Craft past it do not appear,
// so a region that starts with more loses some without a word.
inline constexpr int kGameMaxCraftAtOnce = 96;
// The fastest sample rate the game's voice player takes.
inline constexpr std::uint32_t kGameMaxVoiceRate = 22050;

struct LimitOptions {
  // The game's install folder; without it the voice files are not looked at.
  std::string gameFolder;
};

// Craft of each region that are there as soon as the mission starts: every
// flight group (not a backdrop) starting in the region whose arrival waits
// for nothing, counted with one wave.
std::vector<int> craftPresentAtStart(const Document& doc);

// What a voice file holds, as far as the game cares.
struct WavInfo {
  bool isWav = false;
  std::uint16_t format = 0; // 1 = PCM
  std::uint16_t bits = 0;
  std::uint32_t rate = 0;
};
WavInfo readWavInfo(const std::string& path);
// Why the game cannot play the file, or empty when it can.
std::string voiceProblem(const WavInfo& info);

// Finds relative (backslashes allowed) inside base, each component in any
// case, as the game's files are found on a case-sensitive file system.
// Empty when something on the way does not exist.
std::string findInFolder(const std::string& base, const std::string& relative);

// The warnings, in the order: flight groups, messages, craft per region,
// voice files (only with a game folder and a voice list for the mission).
std::vector<std::string> checkLimits(const Document& doc, const LimitOptions& options);

} // namespace zephlo
