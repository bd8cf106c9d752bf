#include "support/test_missions.h"

#include "core/mission/utf8_path.h"

#include <filesystem>
#include <fstream>
#include <random>

namespace fs = std::filesystem;

namespace zephlo::testing {

namespace {

class Builder {
public:
  Builder(GeneratedMission& m, std::uint32_t seed) : m_(m), rng_(seed) {}

  void mark(const std::string& name) { m_.boundaries.emplace_back(name, m_.bytes.size()); }
  std::uint8_t random8() { return static_cast<std::uint8_t>(rng_() & 0xFF); }
  int randomInt(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
  void u8(std::uint8_t b) { m_.bytes.push_back(b); }
  void u16(std::uint16_t w) {
    u8(static_cast<std::uint8_t>(w & 0xFF));
    u8(static_cast<std::uint8_t>(w >> 8));
  }
  std::size_t randomBlock(std::size_t n) {
    const std::size_t at = m_.bytes.size();
    for (std::size_t i = 0; i < n; ++i)
      u8(random8());
    return at;
  }
  std::uint8_t& at(std::size_t pos) { return m_.bytes[pos]; }

private:
  GeneratedMission& m_;
  std::mt19937 rng_;
};

} // namespace

GeneratedMission generateMission(const GenOptions& o) {
  GeneratedMission m;
  Builder b(m, o.seed);

  b.mark("platform");
  b.u16(18);
  b.mark("header");
  const std::size_t header = b.randomBlock(9198);
  b.at(header + 0) = static_cast<std::uint8_t>(o.flightGroups & 0xFF);
  b.at(header + 1) = static_cast<std::uint8_t>(o.flightGroups >> 8);
  b.at(header + 2) = static_cast<std::uint8_t>(o.messages & 0xFF);
  b.at(header + 3) = static_cast<std::uint8_t>(o.messages >> 8);

  for (int i = 0; i < o.flightGroups; ++i) {
    b.mark("flight group " + std::to_string(i));
    const std::size_t fgAt = b.randomBlock(3646);
    if (b.at(fgAt + 107) == 183) b.at(fgAt + 107) = 182; // keep clear of the backdrop fix-up
  }
  for (int i = 0; i < o.messages; ++i) {
    b.mark("message " + std::to_string(i));
    b.randomBlock(162);
  }
  b.mark("global goals");
  b.randomBlock(10 * 368);
  b.mark("teams");
  b.randomBlock(10 * 487);
  b.mark("briefing block");
  b.randomBlock(17428);
  for (int list = 0; list < 2; ++list) {
    for (int i = 0; i < 128; ++i) {
      b.mark(std::string(list == 0 ? "tag " : "text ") + std::to_string(i));
      int len = b.randomInt(0, 3) == 0 ? 0 : b.randomInt(1, o.maxStringLength);
      b.u16(static_cast<std::uint16_t>(len));
      const std::size_t s = b.randomBlock(static_cast<std::size_t>(len));
      if (len == 1 && b.at(s) == 0) b.at(s) = 'x'; // a lone NUL is read as empty
    }
  }
  b.mark("reserved A");
  b.randomBlock(17458);
  const std::size_t dataSizes[4] = {234, 44, 88, 108};
  for (int s = 0; s < 4; ++s) {
    b.mark("optional " + std::to_string(s));
    const int pick = b.randomInt(0, 3);
    const std::uint8_t flag = pick == 0 ? 0 : pick == 1 ? 1 : pick == 2 ? 2 : b.random8();
    b.u8(flag);
    b.u8(b.random8());
    if (flag == 1) b.u8(b.random8());
    b.randomBlock(dataSizes[s]);
  }
  b.mark("notes");
  b.randomBlock(4096);
  b.mark("reserved B");
  b.randomBlock(2172);
  b.mark("reserved C");
  b.randomBlock(26500);
  auto goalString = [&] {
    if (!o.fillEverything && b.randomInt(0, 2) == 0) {
      b.u8(0);
      return;
    }
    const std::size_t s = b.randomBlock(64);
    if (b.at(s) == 0) b.at(s) = 'G';
  };
  for (int i = 0; i < o.flightGroups; ++i) {
    b.mark("goal strings of flight group " + std::to_string(i));
    for (int k = 0; k < 24; ++k)
      goalString();
  }
  for (int t = 0; t < 10; ++t) {
    b.mark("global-goal strings of team " + std::to_string(t));
    for (int k = 0; k < 36; ++k)
      goalString();
  }
  b.mark("reserved D");
  b.randomBlock(73);
  b.mark("reserved strings");
  for (int i = 0; i < 1300; ++i) {
    std::uint8_t flag = o.fillEverything ? 1 : (b.randomInt(0, 1) == 0 ? 0 : b.random8());
    if (o.fillEverything && flag == 0) flag = 1;
    b.u8(flag);
    if (flag != 0) b.randomBlock(63);
  }
  b.mark("reserved E");
  b.randomBlock(2179);
  b.mark("win debrief");
  b.randomBlock(4096);
  b.mark("hints");
  b.randomBlock(4096);
  b.mark("description");
  b.randomBlock(4096);
  if (o.trailingBytes > 0) {
    b.mark("trailing");
    b.randomBlock(o.trailingBytes);
  }
  b.mark("end");
  return m;
}

std::vector<std::uint8_t> readFile(const std::string& path) {
  std::ifstream in(pathFromUtf8(path), std::ios::binary);
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

void writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(pathFromUtf8(path), std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

TempDir::TempDir() {
  std::random_device rd;
  fs::path p = fs::temp_directory_path() / ("zephlo-test-" + std::to_string(rd()));
  fs::create_directories(p);
  root_ = utf8FromPath(p);
}

TempDir::~TempDir() {
  std::error_code ec;
  fs::permissions(pathFromUtf8(root_), fs::perms::owner_all, fs::perm_options::add, ec);
  fs::remove_all(pathFromUtf8(root_), ec);
}

std::string TempDir::path(const std::string& name) const {
  // With the system's own separators throughout, as a file dialog gives it.
  return utf8FromPath((pathFromUtf8(root_) / pathFromUtf8(name)).make_preferred());
}

std::vector<std::string> TempDir::entries() const {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(pathFromUtf8(root_)))
    names.push_back(utf8FromPath(e.path().filename()));
  return names;
}

} // namespace zephlo::testing
