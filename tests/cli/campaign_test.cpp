// check and describe over several files and whole folders.
#include "cli/tool_run.h"
#include "core/check/limits.h"
#include "core/mission/new_mission.h"
#include "core/mission/writer.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace zephlo;
using namespace zephlo::testing;

namespace {

const char* const kClean = "WARNING: There are no backdrops in the mission. It will be dark!\n"
                           "WARNING: Player has no Mother ship assigned.\n";

void writeNew(const std::string& path, Byte craftType = 1) {
  Document d = newMission({});
  d.flightGroups[0].set(fg::CraftType, craftType);
  ASSERT_TRUE(writeMission(d, path).ok());
}

} // namespace

TEST(Campaign, RecursiveFolderSortedWithHeadersAndWorstStatus) {
  TempDir dir;
  std::filesystem::create_directories(dir.path("camp/sub"));
  writeNew(dir.path("camp/b.tie"));
  writeNew(dir.path("camp/sub/A.TIE"), 0); // an error: no ship type
  writeNew(dir.path("camp/a.Tie"));
  writeFile(dir.path("camp/notes.txt"), {1, 2, 3});

  ToolRun r = runTool(dir, "check --recursive " + quoted(dir.path("camp")));
  EXPECT_EQ(r.status, 1) << r.err;
  const std::string a = dir.path("camp/a.Tie"), b = dir.path("camp/b.tie"),
                    sub = dir.path("camp/sub/A.TIE");
  EXPECT_EQ(r.out, "== " + a + "\n" + kClean + "== " + b + "\n" + kClean + "== " + sub +
                       "\nERROR: FG#1 has no Ship type.\n" + kClean);

  // One damaged file makes the whole run a 2, but the others are still checked.
  writeFile(dir.path("camp/c.tie"), {18, 0, 1});
  r = runTool(dir, "check --no-warnings --recursive " + quoted(dir.path("camp")));
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.out.find("== " + dir.path("camp/c.tie") + "\n== " + sub +
                       "\nERROR: FG#1 has no Ship type.\n"),
            std::string::npos)
      << r.out;
  EXPECT_NE(r.err.find(dir.path("camp/c.tie") + " is damaged"), std::string::npos) << r.err;

  // A single file keeps the old output: no header line.
  r = runTool(dir, "check " + quoted(a));
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, kClean);

  r = runTool(dir, "describe " + quoted(a) + " " + quoted(b));
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out.rfind("== " + a + "\ntitle: ", 0), 0u) << r.out.substr(0, 200);
  EXPECT_NE(r.out.find("\n== " + b + "\ntitle: "), std::string::npos);
}

TEST(Campaign, BadArgumentsAndEmptyFolders) {
  TempDir dir;
  std::filesystem::create_directories(dir.path("empty"));
  ToolRun r = runTool(dir, "check --recursive " + quoted(dir.path("empty")));
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("no .tie files under"), std::string::npos) << r.err;
  r = runTool(dir, "check --recursive " + quoted(dir.path("nowhere")));
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("is not a folder"), std::string::npos) << r.err;
  EXPECT_EQ(runTool(dir, "check --recursive").status, 2);
  EXPECT_EQ(runTool(dir, "check").status, 2);
  EXPECT_EQ(runTool(dir, "describe --limits x.tie").status, 2);
  EXPECT_EQ(runTool(dir, "check --frobnicate x.tie").status, 2);
  EXPECT_EQ(runTool(dir, "check --game . x.tie").status, 2);
}

TEST(Campaign, AFolderThatCannotBeReadIsNamedAndMakesTheStatusTwo) {
  TempDir dir;
  namespace fs = std::filesystem;
  fs::permissions(dir.root(), fs::perms::all);
  fs::create_directories(dir.path("camp/locked"));
  writeNew(dir.path("camp/a.tie"));
  writeNew(dir.path("camp/locked/b.tie"));
  fs::permissions(dir.path("camp/locked"), fs::perms::none);
  for (const char* cmd : {"check", "describe"}) {
    const ToolRun r =
        runTool(dir, std::string(cmd) + " --recursive " + quoted(dir.path("camp")), true);
    EXPECT_EQ(r.status, 2) << cmd;
    EXPECT_EQ(r.err,
              "zephlo-tool: Cannot read " + dir.path("camp/locked") + ": Permission denied.\n")
        << cmd;
    EXPECT_FALSE(r.out.empty()) << "the readable missions are still " << cmd << "ed";
  }
  fs::permissions(dir.path("camp/locked"), fs::perms::owner_all);

  // A game folder that is none is refused before anything is checked.
  const ToolRun r = runTool(dir, "check --limits --game " + quoted(dir.path("nowhere")) + " " +
                                     quoted(dir.path("camp/a.tie")));
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("--game " + dir.path("nowhere") + " is not a folder"), std::string::npos)
      << r.err;
  EXPECT_TRUE(r.out.empty());
}

TEST(Campaign, LimitsComeAfterTheCheckersLinesOnlyWhenAsked) {
  TempDir dir;
  Document d = newMission({});
  d.flightGroups.resize(kGameMaxFlightGroups + 1, d.flightGroups[0]);
  for (FGObject& f : d.flightGroups) { // no crowded region, one player
    f.set(fg::NumCraft, 0);
    f.set(fg::PlayerNumber, 0);
  }
  ASSERT_TRUE(writeMission(d, dir.path("big.tie")).ok());
  const std::string path = quoted(dir.path("big.tie"));
  const ToolRun plain = runTool(dir, "check " + path);
  const std::string limit = "WARNING: The mission has 101 flight groups; the game supports at "
                            "most 100, and more corrupt the mission in the game.\n";
  EXPECT_EQ(plain.out.find("101 flight groups"), std::string::npos);
  ToolRun r = runTool(dir, "check --limits " + path);
  EXPECT_EQ(r.out, plain.out + limit);
  EXPECT_EQ(r.status, plain.status);
  r = runTool(dir, "check --no-warnings --limits --game " + quoted(dir.root()) + " " + path);
  EXPECT_EQ(r.out.substr(r.out.size() - limit.size()), limit) << "asked for explicitly";
}
