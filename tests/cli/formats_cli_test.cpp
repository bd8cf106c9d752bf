// What scripts read from zephlo-tool: each command's help, UTF-8 texts, the
// JSON results of check and info, and the example mission.
#include "core/mission/new_mission.h"
#include "core/mission/writer.h"
#include "tool_run.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <set>
#include <sstream>

using namespace zephlo;
using namespace zephlo::testing;
using Json = nlohmann::json;

namespace {

std::string q(const std::string& s) { return quoted(s); }

// The command names of the tool's own overview: the lines "  name ...".
std::vector<std::string> listedCommands(const TempDir& dir) {
  std::vector<std::string> names;
  std::istringstream in(runTool(dir, "--help").out);
  for (std::string line; std::getline(in, line);) {
    if (line.size() < 3 || line.compare(0, 2, "  ") != 0 || line[2] < 'a' || line[2] > 'z')
      continue;
    names.push_back(line.substr(2, line.find(' ', 2) - 2));
  }
  return names;
}

} // namespace

TEST(CliHelp, EveryCommandExplainsItself) {
  TempDir dir;
  const std::vector<std::string> commands = listedCommands(dir);
  ASSERT_GE(commands.size(), 8u);
  for (const std::string& c : commands) {
    const ToolRun r = runTool(dir, c + " --help");
    EXPECT_EQ(r.status, 0) << c << ": " << r.err;
    EXPECT_EQ(r.out.rfind("Usage: zephlo-tool " + c, 0), 0u) << r.out;
    EXPECT_EQ(runTool(dir, "help " + c).out, r.out) << c;
    // Help comes before anything the arguments would do.
    EXPECT_EQ(runTool(dir, c + " " + q(dir.path("missing.tie")) + " -h").out, r.out) << c;
  }
  EXPECT_NE(runTool(dir, "check --help").out.find("--format=json"), std::string::npos);
  EXPECT_NE(runTool(dir, "new --help").out.find("--example"), std::string::npos);
  EXPECT_EQ(runTool(dir, "help frobnicate").status, 2);
  EXPECT_EQ(dir.entries(), std::vector<std::string>{"stderr.txt"}) << "help writes nothing";
}

TEST(CliText, MissionTextsComeOutAsUtf8) {
  TempDir dir;
  Document d = newMission({});
  d.briefing.texts[0] = "\xC9tape"; // Latin-1: E acute
  d.flightGroups[0].setName("\xC6gir");
  d.flightGroups[0].set(fg::NumCraft, 9); // a warning that names the flight group
  ASSERT_TRUE(writeMission(d, dir.path("m.tie")).ok());
  const std::string m = q(dir.path("m.tie"));
  EXPECT_NE(runTool(dir, "info " + m).out.find("\ntitle: \u00C9tape\n"), std::string::npos);
  EXPECT_NE(runTool(dir, "describe " + m).out.find("\nFG 0 label: X-W \u00C6gir (1)\n"),
            std::string::npos);
  const std::string check = runTool(dir, "check " + m).out;
  EXPECT_NE(check.find("WARNING: X-W \u00C6gir (1) has 9 ships"), std::string::npos) << check;
  const Json j = Json::parse(runTool(dir, "check --format=json " + m).out);
  EXPECT_EQ(j[0]["messages"][0]["text"].get<std::string>().rfind("X-W \u00C6gir (1) has 9", 0), 0u);
}

TEST(CliJson, CheckAndInfoGiveOneArrayForOneFileOrMany) {
  TempDir dir;
  Document d = newMission({});
  ASSERT_TRUE(writeMission(d, dir.path("a.tie")).ok());
  d.flightGroups[0].set(fg::CraftType, 0);
  ASSERT_TRUE(writeMission(d, dir.path("b.tie")).ok());
  writeFile(dir.path("c.tie"), {18, 0, 1});
  const std::string a = dir.path("a.tie"), b = dir.path("b.tie"), c = dir.path("c.tie");

  ToolRun r = runTool(dir, "check --format=json " + q(a));
  EXPECT_EQ(r.status, 0);
  Json j = Json::parse(r.out);
  ASSERT_TRUE(j.is_array() && j.size() == 1u) << r.out;
  EXPECT_EQ(j[0]["path"], a);
  EXPECT_EQ(j[0]["read"], true);
  EXPECT_EQ(j[0]["messages"][0],
            (Json{{"severity", "warning"},
                  {"text", "There are no backdrops in the mission. It will be dark!"}}));

  r = runTool(dir, "check --format json --no-warnings " + q(a) + " " + q(b) + " " + q(c));
  EXPECT_EQ(r.status, 2) << "the unreadable file counts most";
  j = Json::parse(r.out);
  ASSERT_EQ(j.size(), 3u) << r.out;
  EXPECT_EQ(j[0]["messages"], Json::array());
  EXPECT_EQ(j[1]["messages"],
            Json::parse(R"([{"severity": "error", "text": "FG#1 has no Ship type."}])"));
  EXPECT_EQ(j[2]["read"], false);
  EXPECT_NE(j[2]["problem"].get<std::string>().find(c + " is damaged"), std::string::npos);
  EXPECT_NE(r.err.find(c + " is damaged"), std::string::npos) << "people still see it";

  r = runTool(dir, "info --format=json " + q(a) + " " + q(b));
  EXPECT_EQ(r.status, 0);
  j = Json::parse(r.out);
  ASSERT_EQ(j.size(), 2u);
  EXPECT_EQ(j[1]["path"], b);
  EXPECT_EQ(j[1]["flightGroups"], 1);
  EXPECT_EQ(j[1]["size"], readFile(b).size());
  EXPECT_EQ(j[1]["trailingBytes"], 0);
  // Several files as text: each after its "== PATH" line.
  r = runTool(dir, "info " + q(a) + " " + q(b));
  EXPECT_EQ(r.out.rfind("== " + a + "\nplatform: 18\n", 0), 0u) << r.out;
  EXPECT_NE(r.out.find("\n== " + b + "\nplatform: 18\n"), std::string::npos);

  // A file name that is not UTF-8 still gives valid JSON, the bytes replaced.
  const std::string odd = dir.path("odd\xff.tie");
  ASSERT_TRUE(writeMission(d, odd).ok());
  r = runTool(dir, "check --format=json " + q(odd) + " " + q(dir.path("gone\xfe.tie")));
  EXPECT_EQ(r.status, 2);
  j = Json::parse(r.out);
  EXPECT_EQ(j[0]["path"], dir.path("odd\uFFFD.tie"));
  EXPECT_EQ(j[1]["problem"], dir.path("gone\uFFFD.tie") + " does not exist.");

  for (const char* bad : {"check --format=xml ", "check --format ", "info --limits ",
                          "describe --format=json ", "info --format=yaml "}) {
    r = runTool(dir, bad + q(a));
    EXPECT_EQ(r.status, 2) << bad;
    EXPECT_TRUE(r.out.empty()) << bad;
  }
}

TEST(CliExample, TheExampleMissionServesEveryCommand) {
  TempDir dir;
  const std::string ex = q(dir.path("example.tie"));
  ASSERT_EQ(runTool(dir, "new --example " + ex).status, 0);
  ToolRun r = runTool(dir, "check " + ex);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "No known errors.\n");
  const Json info = Json::parse(runTool(dir, "info --format=json " + ex).out)[0];
  EXPECT_GE(info["flightGroups"], 5);
  EXPECT_GE(info["messages"], 2);
  EXPECT_NE(info["title"], "");
  r = runTool(dir, "briefing " + ex);
  EXPECT_GE(std::count(r.out.begin(), r.out.end(), '\n'), 5) << r.out;
  // Both sides, a goal and a message trigger on a flight group.
  std::set<std::string> sides;
  const Json exported = Json::parse(runTool(dir, "export " + ex + " -").out);
  for (const Json& f : exported["flightGroups"])
    sides.insert(f["iffName"].get<std::string>());
  EXPECT_TRUE(sides.count("Rebel") && sides.count("Imperial"));
  const std::string described = runTool(dir, "describe " + ex).out;
  EXPECT_NE(described.find("must be destroyed"), std::string::npos);
  EXPECT_NE(described.find("\nMSG 1 trigger 1: 100% of "), std::string::npos);

  EXPECT_EQ(runTool(dir, "new --example").status, 2);
  EXPECT_EQ(runTool(dir, "new --sample " + ex).status, 2);
  EXPECT_EQ(runTool(dir, "new " + ex + " " + ex).status, 2);
}
