// Mission files built byte by byte from the file layout, independent of the
// reader and writer under test.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace zephlo::testing {

struct GenOptions {
  int flightGroups = 3;
  int messages = 2;
  std::uint32_t seed = 1;
  int maxStringLength = 300;   // briefing strings; above 255 checks the full length word
  bool fillEverything = false; // every goal string and reserved string present
  std::size_t trailingBytes = 0;
};

struct GeneratedMission {
  std::vector<std::uint8_t> bytes;
  // Byte offset at which each section or record starts, with its name.
  std::vector<std::pair<std::string, std::size_t>> boundaries;
};

// Random bytes in every field and reserved area, laid out as the game's
// mission format. Avoids only the two cases the writer deliberately changes
// (a one-byte NUL briefing string and a backdrop at the origin).
GeneratedMission generateMission(const GenOptions& options);

std::vector<std::uint8_t> readFile(const std::string& path);
void writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

// A fresh temporary folder, removed when the object goes away.
class TempDir {
public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  std::string path(const std::string& name) const;
  const std::string& root() const { return root_; }
  std::vector<std::string> entries() const;

private:
  std::string root_;
};

} // namespace zephlo::testing
