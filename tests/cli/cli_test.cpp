// Runs the built zephlo-tool as a script would.
#include "core/briefing/briefing_codec.h"
#include "core/mission/new_mission.h"
#include "core/mission/writer.h"
#include "support/test_missions.h"
#include "tool_run.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sys/wait.h>

using namespace zephlo;
using namespace zephlo::testing;

namespace {

ToolRun tool(const TempDir& dir, const std::string& args) { return runTool(dir, args); }
std::string q(const std::string& s) { return quoted(s); }

} // namespace

TEST(Cli, NewRoundtripInfoAndBriefing) {
  TempDir dir;
  const std::string fresh = dir.path("new.tie");
  ToolRun r = tool(dir, "new " + q(fresh));
  ASSERT_EQ(r.status, 0) << r.err;
  Document d = newMission({});
  EXPECT_EQ(readFile(fresh), *serializeMission(d));

  r = tool(dir, "info " + q(fresh));
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "platform: 18\nflight groups: 1\nmessages: 0\ntitle: \nsize: " +
                       std::to_string(readFile(fresh).size()) + "\ntrailing bytes: 0\n");
  r = tool(dir, "briefing " + q(fresh));
  EXPECT_EQ(r.out, "9999 34\n");

  TCommandObject move;
  move.Time = 50;
  move.Command = 6;
  move.X = -100;
  move.Y = 5;
  TCommandObject tag;
  tag.Time = 75;
  tag.Command = 18;
  tag.Index = 2;
  tag.X = 1;
  tag.Y = 2;
  tag.Color = 3;
  ASSERT_TRUE(encodeBriefing({move, tag, decodeBriefing(d.briefing).back()}, d.briefing).ok());
  ASSERT_TRUE(writeMission(d, dir.path("brief.tie")).ok());
  r = tool(dir, "briefing " + q(dir.path("brief.tie")));
  EXPECT_EQ(r.out, "50 6 65436 5\n75 18 2 1 2 3\n9999 34\n") << "raw words, stream order";

  GenOptions o;
  o.trailingBytes = 5;
  const GeneratedMission m = generateMission(o);
  writeFile(dir.path("in.tie"), m.bytes);
  r = tool(dir, "roundtrip " + q(dir.path("in.tie")) + " " + q(dir.path("out.tie")));
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(readFile(dir.path("out.tie")), m.bytes);
  r = tool(dir, "info " + q(dir.path("in.tie")));
  EXPECT_NE(r.out.find("trailing bytes: 5\n"), std::string::npos) << r.out;
}

TEST(Cli, BadInputAndFailedWrites) {
  TempDir dir;
  ToolRun r = tool(dir, "roundtrip " + q(dir.path("missing.tie")) + " " + q(dir.path("o.tie")));
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, "zephlo-tool: " + dir.path("missing.tie") + " does not exist.\n");
  EXPECT_EQ(dir.entries(), std::vector<std::string>{"stderr.txt"}) << "nothing written";

  GeneratedMission m = generateMission({});
  m.bytes.resize(m.bytes.size() / 2);
  writeFile(dir.path("cut.tie"), m.bytes);
  r = tool(dir, "info " + q(dir.path("cut.tie")));
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("is damaged"), std::string::npos) << r.err;
  EXPECT_TRUE(r.out.empty());

  writeFile(dir.path("tie.tie"), std::vector<std::uint8_t>(100, 0xFF));
  r = tool(dir, "check " + q(dir.path("tie.tie")));
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, "zephlo-tool: " + dir.path("tie.tie") + ": Cannot import TIE Fighter files.\n");

  r = tool(dir, "new " + q(dir.path("no/folder/x.tie")));
  EXPECT_EQ(r.status, 3);
  EXPECT_NE(r.err.find("Cannot save"), std::string::npos);

  EXPECT_EQ(tool(dir, "frobnicate").status, 2);
  EXPECT_EQ(tool(dir, "info").status, 2);
  r = tool(dir, "--help");
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("describe FILE"), std::string::npos);
  // Every exit status a script may see is explained, the checker's one too.
  for (const char* status : {" 0 ", " 1 check found", " 2 ", " 3 "})
    EXPECT_NE(r.out.find(status), std::string::npos) << status;
  EXPECT_EQ(tool(dir, "--version").out.rfind("zephlo-tool ", 0), 0u);
}

TEST(Cli, CheckAndDescribe) {
  TempDir dir;
  Document d = newMission({});
  d.briefing.texts[0] = ">Test Run";
  ASSERT_TRUE(writeMission(d, dir.path("m.tie")).ok());
  // A new mission has a player but no backdrop: one warning, no error.
  ToolRun r = tool(dir, "check " + q(dir.path("m.tie")));
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "WARNING: There are no backdrops in the mission. It will be dark!\n"
                   "WARNING: Player has no Mother ship assigned.\n");
  r = tool(dir, "check --no-warnings " + q(dir.path("m.tie")));
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "No known errors.\n");

  d.flightGroups[0].set(fg::CraftType, 0);
  ASSERT_TRUE(writeMission(d, dir.path("bad.tie")).ok());
  r = tool(dir, "check --no-warnings " + q(dir.path("bad.tie")));
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "ERROR: FG#1 has no Ship type.\n");

  r = tool(dir, "describe " + q(dir.path("m.tie")));
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out.rfind("title: >Test Run\nFG 0 line: ", 0), 0u) << r.out.substr(0, 80);
  EXPECT_NE(r.out.find("\nFG 0 label: X-W Unnamed (1)\n"), std::string::npos);
  EXPECT_NE(r.out.find("\nFG 0 goal 8: <None>\n"), std::string::npos);
  EXPECT_NE(r.out.find("\nGG 10 Secondary 4: "), std::string::npos);
}

#ifdef ZEPHLO_TOOL_PICTURES
#include "core/gamedata/colours.h"
#include "core/map/map_view.h"
#include "support/showcase_mission.h"

#include <QImage>

#include <algorithm>
#include <cstdlib>

namespace {

QImage png(const std::string& path) { return QImage(QString::fromStdString(path), "PNG"); }

bool hasColour(const QImage& img, QRect r, zephlo::Colour c) {
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x)
      if (img.pixel(x, y) == qRgb(redOf(c), greenOf(c), blueOf(c))) return true;
  return false;
}

} // namespace

TEST(CliRender, DrawsTheMapWithoutADisplay) {
  TempDir dir;
  Document d = showcaseMission();
  ASSERT_TRUE(writeMission(d, dir.path("battle.tie")).ok());
  const std::string in = q(dir.path("battle.tie"));
  // No display and no platform chosen by the caller.
  for (const char* var : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
    unsetenv(var);
  ToolRun r = tool(dir, "render " + in + " " + q(dir.path("map.png")));
  ASSERT_EQ(r.status, 0) << r.err;
  QImage img = png(dir.path("map.png"));
  ASSERT_EQ(img.size(), QSize(1280, 800));
  // The Y-wing (Gold) at (-480, 960): 3 km left of and 6 km below the centre at zoom 32.
  EXPECT_TRUE(hasColour(img, QRect(640 - 96 - 8, 400 + 192 - 10, 16, 20), iconColour(0, 2)));
  EXPECT_TRUE(hasColour(img, QRect(0, 0, 1280, 800), gridColours(true).axis));

  // Zoomed on the X-wing with names and waypoints, in another view.
  const std::string zoomed = dir.path("zoomed.png");
  r = tool(dir, "render " + in + " " + q(zoomed) +
                    " --view xz --size 400x300 --zoom 800 --centre 0,0 --names"
                    " --all-waypoints --no-grid --current 0");
  ASSERT_EQ(r.status, 0) << r.err;
  img = png(zoomed);
  ASSERT_EQ(img.size(), QSize(400, 300));
  EXPECT_TRUE(hasColour(img, QRect(180, 130, 40, 40), darken(darken(0x00FF00, 80), 90)));
  EXPECT_TRUE(hasColour(img, QRect(180, 130, 40, 40), 0x00FFFF)) << "brackets of the current FG";
  EXPECT_FALSE(hasColour(img, QRect(0, 0, 400, 300), gridColours(true).axis));

  const std::string fitted = dir.path("fit.png");
  ASSERT_EQ(
      tool(dir, "render " + in + " " + q(fitted) + " --fit --icons-only --size 640x400").status, 0);
  EXPECT_NE(png(fitted), png(dir.path("map.png")).scaled(640, 400));
}

TEST(CliRender, RefusesBadArgumentsAndUnwritableOutput) {
  TempDir dir;
  Document d = showcaseMission();
  ASSERT_TRUE(writeMission(d, dir.path("m.tie")).ok());
  const std::string in = q(dir.path("m.tie")) + " " + q(dir.path("o.png"));
  for (const char* bad : {" --zoom 3", " --zoom 2001", " --view ab", " --size 0x10",
                          " --size 20000x10", " --size 10", " --centre 1", " --fit --centre 1,2",
                          " --region 5", " --order 0", " --current 13", " --bogus", " --zoom"}) {
    ToolRun r = tool(dir, "render " + in + bad);
    EXPECT_EQ(r.status, 2) << bad;
    EXPECT_FALSE(r.err.empty()) << bad;
  }
  EXPECT_EQ(tool(dir, "render " + q(dir.path("missing.tie")) + " " + q(dir.path("o.png"))).status,
            2);
  std::vector<std::string> files = dir.entries();
  std::sort(files.begin(), files.end());
  EXPECT_EQ(files, std::vector<std::string>({"m.tie", "stderr.txt"})) << "nothing written";
  ToolRun r = tool(dir, "render " + q(dir.path("m.tie")) + " " + q(dir.path("no/such/o.png")));
  EXPECT_EQ(r.status, 3);
  EXPECT_NE(r.err.find("no/such/o.png"), std::string::npos) << r.err;
}
#endif
