// The folders under src/ are the layers: a file includes only folders of a
// lower layer, or folders of its own layer that never include it back.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <set>
#include <string>

namespace fs = std::filesystem;

namespace {

// Higher numbers may include lower ones. Siblings of one layer may include
// each other only where that makes no loop.
const std::map<std::string, int> kLayer = {
    {"core/gamedata", 0}, {"core/mission", 1}, {"core/briefing", 2}, {"core/map", 2},
    {"core/check", 2},    {"core/lists", 2},   {"core/json", 2},     {"render", 3},
    {"platform", 3},      {"ui/editing", 4},   {"ui/details", 5},    {"ui/map", 5},
    {"ui/briefing", 5},   {"ui/side", 5},      {"cli", 5},           {"ui/main", 6},
};

using Graph =
    std::map<std::string, std::map<std::string, std::string>>; // folder -> folder -> example

Graph folderGraph(std::vector<std::string>& problems) {
  const fs::path src = ZEPHLO_SRC_DIR;
  const std::regex include(R"(^\s*#\s*include\s*"([^"]+)\")");
  Graph g;
  for (const auto& e : fs::recursive_directory_iterator(src)) {
    const std::string ext = e.path().extension().string();
    if (!e.is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
    const std::string file = fs::relative(e.path(), src).generic_string();
    const std::string folder = fs::path(file).parent_path().generic_string();
    if (!kLayer.count(folder)) {
      problems.push_back(file + " lies in " + folder + ", which has no layer");
      continue;
    }
    std::ifstream in(e.path());
    std::smatch m;
    for (std::string line; std::getline(in, line);) {
      if (!std::regex_search(line, m, include)) continue;
      const std::string target = fs::path(m[1].str()).parent_path().generic_string();
      if (target.empty() || target == folder) continue;
      if (!kLayer.count(target)) {
        problems.push_back(file + " includes " + m[1].str() + " from no known folder");
        continue;
      }
      g[folder].emplace(target, file + " includes " + m[1].str());
    }
  }
  return g;
}

} // namespace

TEST(Layers, IncludesPointDownAndNeverInALoop) {
  std::vector<std::string> problems;
  const Graph g = folderGraph(problems);
  ASSERT_FALSE(g.empty()) << "no sources found under " << ZEPHLO_SRC_DIR;
  for (const auto& [from, targets] : g) {
    for (const auto& [to, example] : targets) {
      if (kLayer.at(to) > kLayer.at(from)) problems.push_back("upward: " + example);
    }
  }
  // A loop among siblings: a depth-first search that meets a folder on its own path.
  std::set<std::string> done, onPath;
  std::vector<std::string> path;
  std::function<void(const std::string&)> visit = [&](const std::string& f) {
    if (done.count(f)) return;
    if (onPath.count(f)) {
      std::string loop;
      for (auto it = std::find(path.begin(), path.end(), f); it != path.end(); ++it)
        loop += *it + " -> ";
      problems.push_back("loop: " + loop + f + " (" + g.at(path.back()).at(f) + ")");
      return;
    }
    onPath.insert(f);
    path.push_back(f);
    if (auto it = g.find(f); it != g.end())
      for (const auto& [to, example] : it->second)
        visit(to);
    path.pop_back();
    onPath.erase(f);
    done.insert(f);
  };
  for (const auto& [folder, layer] : kLayer)
    visit(folder);
  for (const std::string& p : problems)
    ADD_FAILURE() << p;
}

// A source file above 600 lines holds more than one thing: split it by
// what it holds.
TEST(Layers, NoSourceFileIsAboveSixHundredLines) {
  constexpr int kMostLines = 600;
  int files = 0;
  for (const auto& e : fs::recursive_directory_iterator(ZEPHLO_SRC_DIR)) {
    const std::string ext = e.path().extension().string();
    if (!e.is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
    ++files;
    std::ifstream in(e.path());
    int lines = 0;
    for (std::string line; std::getline(in, line);)
      ++lines;
    EXPECT_LE(lines, kMostLines) << fs::relative(e.path(), ZEPHLO_SRC_DIR).generic_string();
  }
  EXPECT_GT(files, 100) << "the sources were not found";
}
