// Runs zephlo-tool's briefing commands as a script would.
#include "core/briefing/test_instructions.h"
#include "core/mission/new_mission.h"
#include "core/mission/writer.h"
#include "support/test_missions.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sys/wait.h>

using namespace zephlo;
using namespace zephlo::testing;

namespace {

struct ToolRun {
  int status = -1;
  std::string out, err;
};

ToolRun tool(const TempDir& dir, const std::string& args) {
  const std::string errFile = dir.path("stderr.txt");
  FILE* p = popen((std::string(ZEPHLO_TOOL) + " " + args + " 2>" + errFile).c_str(), "r");
  ToolRun r;
  char buf[4096];
  for (std::size_t n; (n = fread(buf, 1, sizeof buf, p)) > 0;)
    r.out.append(buf, n);
  const int st = pclose(p);
  r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
  const auto e = readFile(errFile);
  r.err.assign(e.begin(), e.end());
  return r;
}

std::string q(const std::string& s) { return "'" + s + "'"; }

std::string writeBriefingMission(const TempDir& dir) {
  Document d = newMission({});
  TCommandObject icon = at(0, brfcode::NewIcon, 0);
  icon.CraftType = 53;
  icon.Color = 1;
  TCommandObject rotate = at(0, brfcode::RotateIcon, 0);
  rotate.Rotation = 3;
  TCommandObject tag = at(20, brfcode::FirstTag + 2, 0, -300, 200);
  tag.Color = 2;
  EXPECT_TRUE(encodeBriefing({at(0, brfcode::ZoomMap, 0, 48, 48), icon,
                              at(0, brfcode::MoveIcon, 0, 446, -223), rotate,
                              at(5, brfcode::Text, 1), at(10, brfcode::FirstBox + 1, 0), tag,
                              at(50, brfcode::MoveMap, 0, 446, 0), newInstruction(brf::EndCode)},
                             d.briefing)
                  .ok());
  d.briefing.tags[0] = "Star Destroyer";
  const std::string path = dir.path("brief.tie");
  EXPECT_TRUE(writeMission(d, path).ok());
  return path;
}

} // namespace

TEST(BriefingCli, StateAtATick) {
  TempDir dir;
  const std::string file = q(writeBriefingMission(dir));
  ToolRun r = tool(dir, "briefing-state " + file + " 0");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "tick: 0\ninstruction: 4\nzoom: 48\noffset: 0 0\ntext: none\ninfo: off\n"
                   "icon 0: type 53 iff 1 x 446 y -223 rotation 3\n");
  r = tool(dir, "briefing-state " + file + " 23");
  EXPECT_EQ(r.out, "tick: 23\ninstruction: 7\nzoom: 48\noffset: 0 0\ntext: 1\ninfo: off\n"
                   "icon 0: type 53 iff 1 x 446 y -223 rotation 3\n"
                   "box 2: icon 0\n"
                   "tag 3: instruction 6 shown 9\n");
  // From tick 50 the map pans towards the icon, 14 pixels a tick.
  r = tool(dir, "briefing-state " + file + " 51");
  EXPECT_NE(r.out.find("offset: -14 0\n"), std::string::npos) << r.out;
  // Past the running time the clock stops at its end.
  r = tool(dir, "briefing-state " + file + " 65535");
  EXPECT_EQ(r.out.rfind("tick: 600\n", 0), 0u) << r.out;
}

TEST(BriefingCli, FramesAndBadInput) {
  TempDir dir;
  const std::string file = q(writeBriefingMission(dir));
  ToolRun r =
      tool(dir, "briefing-frame " + file + " 30 " + q(dir.path("f.png")) + " --size 320x200");
  ASSERT_EQ(r.status, 0) << r.err;
  const auto png = readFile(dir.path("f.png"));
  ASSERT_GT(png.size(), 24u);
  EXPECT_EQ(std::string(png.begin() + 1, png.begin() + 4), "PNG");
  auto be32 = [&](std::size_t o) {
    return (png[o] << 24) | (png[o + 1] << 16) | (png[o + 2] << 8) | png[o + 3];
  };
  EXPECT_EQ(be32(16), 320);
  EXPECT_EQ(be32(20), 200);

  r = tool(dir, "briefing-frame " + file + " 30 " + q(dir.path("no/such/f.png")));
  EXPECT_EQ(r.status, 3);
  EXPECT_NE(r.err.find("no/such/f.png"), std::string::npos) << r.err;
  EXPECT_EQ(tool(dir, "briefing-frame " + file + " 30 x.png --size 0x10").status, 2);
  EXPECT_EQ(tool(dir, "briefing-state " + file + " 1.5").status, 2);
  EXPECT_EQ(tool(dir, "briefing-state " + file).status, 2);
  r = tool(dir, "briefing-state " + q(dir.path("missing.tie")) + " 3");
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("missing.tie"), std::string::npos);
}
