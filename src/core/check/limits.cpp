#include "core/check/limits.h"

#include "core/mission/document.h"
#include "core/mission/input_file.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace zephlo {

namespace {

constexpr Byte kNoCraft = 0;
constexpr Byte kAlwaysTrue = 0;
constexpr const char* kNoVoice = "DUMMY.WAV";

std::string upper(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return s;
}

bool triggerTrue(const Byte* t) { return t[trig::Condition] == kAlwaysTrue; }

bool pairTrue(const Byte* p) {
  const bool a = triggerTrue(p + pair::First), b = triggerTrue(p + pair::Second);
  return p[pair::Or] == 1 ? (a || b) : (a && b);
}

bool arrivesAtStart(const FGObject& f) {
  const bool p1 = pairTrue(f.record.data() + fg::ArrivalPair1);
  const bool p2 = pairTrue(f.record.data() + fg::ArrivalPair2);
  return f.at(fg::ArrivalPairsOr) == 1 ? (p1 || p2) : (p1 && p2);
}

std::uint32_t le(const unsigned char* p, int n) {
  std::uint32_t v = 0;
  for (int i = n - 1; i >= 0; --i)
    v = (v << 8) | p[i];
  return v;
}

std::vector<std::string> readLines(const std::string& path) {
  std::vector<std::string> lines;
  const Result<std::vector<Byte>> bytes =
      readWholeInput(path, SizeLimit{std::size_t{16} << 20, "a list file may"});
  if (!bytes) return lines;
  std::string line;
  for (Byte b : *bytes) {
    if (b != '\n') {
      line += static_cast<char>(b);
      continue;
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    line.clear();
  }
  if (!line.empty()) {
    if (line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
  }
  return lines;
}

std::string voiceName(std::size_t entry) {
  if (entry < kGameMaxMessages) return "message " + std::to_string(entry + 1);
  return "end-of-mission line " + std::to_string(entry - kGameMaxMessages + 1);
}

// The voice list's name: the mission file's name with ".tie" replaced.
std::string voiceListName(const std::string& missionPath) {
  std::string name = fs::path(missionPath).filename().string();
  if (name.size() >= 4) name.resize(name.size() - 4);
  return name + ".lst";
}

void checkVoices(const Document& doc, const std::string& game, std::vector<std::string>& out) {
  if (!doc.hasFileName()) return;
  const std::string list = findInFolder(game, "Wave\\MissionVoice\\" + voiceListName(doc.fileName));
  if (list.empty()) return; // the mission has no voices
  const std::vector<std::string> entries = readLines(list);
  // The game reads the messages' voices and the six end-of-mission lines.
  const std::size_t used = std::min<std::size_t>(entries.size(), kGameMaxMessages + 6);
  for (std::size_t i = 0; i < used; ++i) {
    const std::string entry = entries[i];
    if (entry.empty() || upper(entry) == kNoVoice) continue;
    const std::string file = findInFolder(game, "Wave\\" + entry);
    std::string problem = file.empty() ? "cannot be found in the game's Wave folder"
                                       : voiceProblem(readWavInfo(file));
    if (!problem.empty())
      out.push_back("WARNING: The voice of " + voiceName(i) + ", " + entry + ", " + problem + ".");
  }
}

} // namespace

std::vector<int> craftPresentAtStart(const Document& doc) {
  std::vector<int> count(kRegionCount, 0);
  for (const FGObject& f : doc.flightGroups) {
    const Byte craft = f.at(fg::CraftType);
    const Byte region = f.at(fg::StartRegion);
    if (craft == kNoCraft || craft == kBackdrop || region >= kRegionCount) continue;
    if (arrivesAtStart(f)) count[region] += f.at(fg::NumCraft);
  }
  return count;
}

WavInfo readWavInfo(const std::string& path) {
  WavInfo info;
  // Only a regular file is opened: a FIFO named like a voice file would
  // otherwise stop the check for good.
  std::size_t bytes = 0;
  Result<FileHandle> file =
      openRegularFile(path, SizeLimit{std::size_t{1} << 31, "a voice file may"}, bytes);
  if (!file) return info;
  std::FILE* f = file->get();
  auto read = [f](unsigned char* to, std::size_t n) { return std::fread(to, 1, n, f) == n; };
  unsigned char riff[12];
  if (!read(riff, 12)) return info;
  if (std::string(riff, riff + 4) != "RIFF" || std::string(riff + 8, riff + 12) != "WAVE")
    return info;
  unsigned char chunk[8];
  while (read(chunk, 8)) {
    const std::uint32_t size = le(chunk + 4, 4);
    if (std::string(chunk, chunk + 4) == "fmt ") {
      unsigned char fmt[16];
      if (size < 16 || !read(fmt, 16)) return info;
      info.isWav = true;
      info.format = static_cast<std::uint16_t>(le(fmt, 2));
      info.rate = le(fmt + 4, 4);
      info.bits = static_cast<std::uint16_t>(le(fmt + 14, 2));
      return info;
    }
    // Chunks are even; a chunk past the file's end ends the search.
    const std::uint64_t skip = std::uint64_t{size} + (size & 1);
    if (skip > bytes || std::fseek(f, static_cast<long>(skip), SEEK_CUR) != 0) return info;
  }
  return info;
}

std::string voiceProblem(const WavInfo& w) {
  constexpr std::uint16_t kPcm = 1;
  if (!w.isWav) return "is not a WAV file";
  if (w.format != kPcm) return "is not plain PCM (format " + std::to_string(w.format) + ")";
  if (w.bits != 8 && w.bits != 16)
    return "has " + std::to_string(w.bits) + "-bit samples; the game plays 8 and 16 bits only";
  if (w.rate > kGameMaxVoiceRate)
    return "is sampled at " + std::to_string(w.rate) + " Hz; the game plays at most " +
           std::to_string(kGameMaxVoiceRate) + " Hz";
  return {};
}

std::string findInFolder(const std::string& base, const std::string& relative) {
  fs::path at(base);
  std::error_code ec;
  std::size_t start = 0;
  while (start <= relative.size()) {
    std::size_t end = relative.find_first_of("\\/", start);
    if (end == std::string::npos) end = relative.size();
    const std::string part = relative.substr(start, end - start);
    start = end + 1;
    if (part.empty()) continue;
    if (fs::exists(at / part, ec)) {
      at /= part;
      continue;
    }
    bool found = false;
    for (fs::directory_iterator it(at, ec), stop; !ec && it != stop; it.increment(ec)) {
      if (upper(it->path().filename().string()) == upper(part)) {
        at = it->path();
        found = true;
        break;
      }
    }
    if (!found) return {};
  }
  return fs::exists(at, ec) ? at.string() : std::string();
}

std::vector<std::string> checkLimits(const Document& doc, const LimitOptions& options) {
  std::vector<std::string> out;
  if (doc.flightGroups.size() > kGameMaxFlightGroups) {
    out.push_back("WARNING: The mission has " + std::to_string(doc.flightGroups.size()) +
                  " flight groups; the game supports at most " +
                  std::to_string(kGameMaxFlightGroups) +
                  ", and more corrupt the mission in the game.");
  }
  if (doc.messages.size() > kGameMaxMessages) {
    out.push_back("WARNING: The mission has " + std::to_string(doc.messages.size()) +
                  " messages; the game holds only the first " + std::to_string(kGameMaxMessages) +
                  ".");
  }
  const std::vector<int> craft = craftPresentAtStart(doc);
  for (int r = 0; r < kRegionCount; ++r) {
    if (craft[r] > kGameMaxCraftAtOnce) {
      out.push_back("WARNING: Region " + std::to_string(r + 1) + " starts with " +
                    std::to_string(craft[r]) + " craft; the game keeps at most " +
                    std::to_string(kGameMaxCraftAtOnce) + " in flight at once.");
    }
  }
  if (!options.gameFolder.empty()) checkVoices(doc, options.gameFolder, out);
  return out;
}

} // namespace zephlo
