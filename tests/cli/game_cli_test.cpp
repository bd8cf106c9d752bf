// zephlo-tool game: the folder found, where it looked, and the exit status.
#include "cli/tool_run.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <utility>
#include <vector>

using namespace zephlo::testing;
namespace fs = std::filesystem;

namespace {

// The tool's environment for one test: a home folder of its own and no
// Wine prefix or data folder of the machine running the tests.
class GameCommand : public ::testing::Test {
protected:
  void SetUp() override {
    for (const char* name : {"HOME", "WINEPREFIX", "XDG_DATA_HOME"}) {
      const char* value = std::getenv(name);
      saved_.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
    }
    ::setenv("HOME", dir.root().c_str(), 1);
    ::unsetenv("WINEPREFIX");
    ::unsetenv("XDG_DATA_HOME");
  }
  void TearDown() override {
    for (const auto& [name, value] : saved_) {
      if (value)
        ::setenv(name.c_str(), value->c_str(), 1);
      else
        ::unsetenv(name.c_str());
    }
  }
  TempDir dir;

private:
  std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

} // namespace

TEST_F(GameCommand, PrintsTheFolderFoundOrSaysWhereItLookedInVain) {
  ToolRun r = runTool(dir, "game");
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.out.rfind(
                "game folder: none\nlooked in:\n  " + dir.path(".wine") + ": no such folder\n", 0),
            0u)
      << r.out;
  EXPECT_EQ(r.err, "zephlo-tool: the game was not found: no folder looked in holds "
                   "Missions\\Mission.lst.\n");

  // In a Proton prefix of a second Steam library, in other capitals.
  const std::string steam = dir.path(".local/share/Steam");
  const std::string library = dir.path("games/SteamLibrary");
  fs::create_directories(steam + "/steamapps");
  writeFile(steam + "/steamapps/libraryfolders.vdf", [&] {
    const std::string t = "\"libraryfolders\" { \"0\" { \"path\" \"" + steam +
                          "\" } \"1\" { \"path\" \"" + library + "\" } }";
    return std::vector<std::uint8_t>(t.begin(), t.end());
  }());
  const std::string game = library + "/steamapps/compatdata/361670/pfx/drive_c/GOG Games/XWA";
  fs::create_directories(game + "/missions");
  writeFile(game + "/missions/MISSION.LST", {'1'});
  r = runTool(dir, "game");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out.rfind("game folder: " + game + "\n", 0), 0u) << r.out;
  EXPECT_NE(r.out.find("\n  " + steam + "/steamapps/libraryfolders.vdf: lists 2 libraries\n"),
            std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("\n  " + game + ": holds Missions\\Mission.lst\n"), std::string::npos);
  EXPECT_EQ(runTool(dir, "game extra").status, 2);
}
