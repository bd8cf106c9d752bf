// export and import as a script runs them.
#include "cli/tool_run.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace zephlo::testing;

TEST(JsonCli, ExportImportAndRefusalsWriteNothing) {
  TempDir dir;
  GenOptions o;
  o.trailingBytes = 9;
  const GeneratedMission m = generateMission(o);
  writeFile(dir.path("m.tie"), m.bytes);
  ToolRun r =
      runTool(dir, "export " + quoted(dir.path("m.tie")) + " " + quoted(dir.path("m.json")));
  ASSERT_EQ(r.status, 0) << r.err;
  r = runTool(dir, "import " + quoted(dir.path("m.json")) + " " + quoted(dir.path("back.tie")));
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(readFile(dir.path("back.tie")), m.bytes);

  // A bad value: a message naming the file and the value, exit 2, no file.
  auto json = readFile(dir.path("m.json"));
  std::string text(json.begin(), json.end());
  const std::string key = "\"speed\": ";
  const std::size_t at = text.find(key) + key.size();
  text.replace(at, text.find(',', at) - at, "300");
  std::ofstream(dir.path("bad.json")) << text;
  r = runTool(dir, "import " + quoted(dir.path("bad.json")) + " " + quoted(dir.path("bad.tie")));
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, "zephlo-tool: " + dir.path("bad.json") +
                       ": flightGroups[0].orders[0].speed: expected an integer 0..255, got 300\n");
  r = runTool(dir, "import " + quoted(dir.path("none.json")) + " " + quoted(dir.path("bad.tie")));
  EXPECT_EQ(r.status, 2);
  writeFile(dir.path("tie.tie"), std::vector<std::uint8_t>(64, 0xFF));
  r = runTool(dir, "export " + quoted(dir.path("tie.tie")) + " " + quoted(dir.path("bad.json2")));
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, "zephlo-tool: " + dir.path("tie.tie") + ": Cannot import TIE Fighter files.\n");
  for (const std::string& name : dir.entries())
    EXPECT_TRUE(name != "bad.tie" && name != "bad.json2") << name << " was written";
}
