// check --logic and the logic command, run as a script runs them.
#include "cli/tool_run.h"
#include "core/mission/new_mission.h"
#include "core/mission/writer.h"
#include "support/special_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

using namespace zephlo;
using namespace zephlo::testing;

namespace {

constexpr Byte kArrive = 1;
constexpr Byte kDestroyed = 2;

const char* const kLoop = "WARNING: FG 2 X-W Beta can never arrive: it waits for FG 3 X-W Gamma "
                          "to arrive, and X-W Gamma waits for X-W Beta to be destroyed.\n"
                          "WARNING: FG 3 X-W Gamma can never arrive: it waits for FG 2 X-W Beta "
                          "to be destroyed, and X-W Beta waits for X-W Gamma to arrive.\n";

void waitFor(FGObject& f, Byte condition, int other) {
  Byte* t = f.record.data() + fg::ArrivalPair1;
  t[trig::Condition] = condition;
  t[trig::VariableType] = 1; // a flight group
  t[trig::Variable] = static_cast<Byte>(other);
}

// The player's Alpha, and Beta and Gamma waiting for each other; extra
// flight groups of no craft come after them.
std::string writeLoop(const TempDir& dir, int flightGroups = 3) {
  Document d = newMission({});
  d.flightGroups.resize(static_cast<std::size_t>(flightGroups), d.flightGroups[0]);
  const char* names[3] = {"Alpha", "Beta", "Gamma"};
  for (int i = 0; i < flightGroups; ++i) {
    FGObject& f = d.flightGroups[static_cast<std::size_t>(i)];
    f.setName(i < 3 ? names[i] : "Extra");
    if (i > 0) f.set(fg::PlayerNumber, 0);
    if (i > 2) f.set(fg::NumCraft, 0);
  }
  waitFor(d.flightGroups[1], kArrive, 2);
  waitFor(d.flightGroups[2], kDestroyed, 1);
  const std::string path = dir.path("loop.tie");
  EXPECT_TRUE(writeMission(d, path).ok());
  return path;
}

// Status 2, one line on standard error that says what is wrong.
void expectRefused(const ToolRun& r, const std::string& named) {
  EXPECT_EQ(r.status, 2) << r.err;
  EXPECT_TRUE(r.out.empty()) << r.out;
  EXPECT_EQ(r.err.rfind("zephlo-tool: ", 0), 0u) << r.err;
  EXPECT_NE(r.err.find(named), std::string::npos) << r.err;
}

} // namespace

TEST(LogicCli, CheckAddsTheFindingsAfterTheCheckersLinesOnlyWhenAsked) {
  TempDir dir;
  const std::string path = quoted(writeLoop(dir));
  const ToolRun plain = runTool(dir, "check " + path);
  EXPECT_EQ(plain.out.find("can never"), std::string::npos) << plain.out;
  ToolRun r = runTool(dir, "check --logic " + path);
  EXPECT_EQ(r.status, plain.status);
  EXPECT_EQ(r.out, plain.out + kLoop);
  // They are asked for, so --no-warnings leaves them in (and they are all there is).
  EXPECT_EQ(runTool(dir, "check --no-warnings " + path).out, "No known errors.\n");
  EXPECT_EQ(runTool(dir, "check --no-warnings --logic " + path).out, kLoop);

  // With --limits: the checker's lines, the limits, then the logic.
  const std::string big = quoted(writeLoop(dir, 101));
  const ToolRun limits = runTool(dir, "check --limits " + big);
  ASSERT_NE(limits.out.find("101 flight groups"), std::string::npos) << limits.out;
  EXPECT_EQ(runTool(dir, "check --logic --limits " + big).out, limits.out + kLoop);

  EXPECT_EQ(runTool(dir, "describe --logic " + path).status, 2);
}

TEST(LogicCli, TheGraphAsLinesOrDotFromAFileOrStandardInput) {
  TempDir dir;
  const std::string path = quoted(writeLoop(dir));
  ToolRun r = runTool(dir, "logic " + path);
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "FG 2 X-W Beta arrival <- 100% of FG 3 X-W Gamma must arrive\n"
                   "FG 3 X-W Gamma arrival <- 100% of FG 2 X-W Beta must be destroyed\n");
  EXPECT_EQ(runTool(dir, "logic --format=text - < " + path).out, r.out);

  r = runTool(dir, "logic --format=dot " + path);
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out.rfind("digraph mission {\n", 0), 0u) << r.out;
  EXPECT_NE(r.out.find("  fg1 [label=\"FG 1 X-W Alpha (1)\", shape=box];\n"), std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("  fg2 [label=\"FG 2 X-W Beta\", shape=box, color=red, fontcolor=red];\n"),
            std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("  fg3 -> fg2 [label=\"100% of it must arrive\"];\n"), std::string::npos);
  EXPECT_NE(r.out.find("  fg2 -> fg3 [label=\"100% of it must be destroyed\"];\n"),
            std::string::npos);
  EXPECT_TRUE(r.out.ends_with("}\n"));
  EXPECT_EQ(runTool(dir, "logic - --format=dot < " + path).out, r.out);
}

TEST(LogicCli, BadArgumentsAndHostileInputsAreRefused) {
  TempDir dir;
  const std::string path = quoted(writeLoop(dir));
  for (const std::string& args :
       std::vector<std::string>{"logic", "logic " + path + " " + path, "logic --format=svg " + path,
                                "logic --format " + path, "logic --bogus " + path}) {
    const ToolRun r = runTool(dir, args);
    expectRefused(r, "usage: zephlo-tool logic FILE [--format=text|dot]");
  }

  namespace fs = std::filesystem;
  fs::create_directory(dir.path("folder.tie"));
  expectRefused(runTool(dir, "logic " + quoted(dir.path("folder.tie"))),
                dir.path("folder.tie") + ": it is a folder");
  const std::string fifo = dir.path("fifo.tie");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  expectRefused(runTool(dir, "logic " + quoted(fifo)), fifo + ": it is not a regular file");
  writeFile(dir.path("empty.tie"), {});
  expectRefused(runTool(dir, "logic " + quoted(dir.path("empty.tie"))), dir.path("empty.tie"));
  const std::string latin1 = dir.path("b\xE9ta.tie"); // not UTF-8
  writeFile(latin1, {18, 0, 7});
  expectRefused(runTool(dir, "logic " + quoted(latin1)), latin1);
  expectRefused(runTool(dir, "logic " + quoted(dir.path("missing.tie"))), dir.path("missing.tie"));
  const std::string zero = dir.path("zero");
  if (!makeCharDevice(zero, 1, 5)) GTEST_SKIP() << "this test cannot create device nodes";
  expectRefused(runTool(dir, "logic " + quoted(zero)), zero + ": it is not a regular file");
  expectRefused(runTool(dir, "logic - < " + quoted(zero)), "standard input");
}
