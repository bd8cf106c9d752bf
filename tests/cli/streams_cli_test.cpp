// What zephlo-tool reads and writes when it is not a plain file: standard
// input and output ("-"), pipes, devices, and hostile JSON.
#include "support/special_files.h"
#include "tool_run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <future>

using namespace zephlo::testing;
namespace fs = std::filesystem;

namespace {

std::string q(const std::string& s) { return quoted(s); }

std::string text(const std::vector<std::uint8_t>& b) { return std::string(b.begin(), b.end()); }

// One line on standard error that names the file, status 2, nothing written.
void expectRefusal(const TempDir& dir, const ToolRun& r, const std::string& named) {
  EXPECT_EQ(r.status, 2) << r.err;
  EXPECT_EQ(r.err.find("zephlo-tool: "), 0u) << r.err;
  EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
  EXPECT_NE(r.err.find(named), std::string::npos) << r.err;
  EXPECT_FALSE(fs::exists(dir.path("out.tie")));
}

} // namespace

TEST(CliStreams, DashIsStandardInputAndOutputForEveryCommand) {
  TempDir dir;
  const GeneratedMission m = generateMission(GenOptions{});
  writeFile(dir.path("m.tie"), m.bytes);
  const std::string in = q(dir.path("m.tie"));

  ToolRun r = runTool(dir, "roundtrip - - < " + in);
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, text(m.bytes));
  const ToolRun json = runTool(dir, "export " + in + " -");
  ASSERT_EQ(json.status, 0) << json.err;
  EXPECT_EQ(json.out.find("{\n  \"platform\": 18"), 0u);
  std::ofstream(dir.path("m.json")) << json.out;
  r = runTool(dir, "import - - < " + q(dir.path("m.json")));
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, text(m.bytes));
  EXPECT_EQ(runTool(dir, "export - - < " + in).out, json.out);

  // The readers name standard input as such and take the same bytes.
  EXPECT_EQ(runTool(dir, "describe - < " + in).out, runTool(dir, "describe " + in).out);
  EXPECT_EQ(runTool(dir, "check - < " + in).out, runTool(dir, "check " + in).out);
  r = runTool(dir, "info - < " + in);
  EXPECT_NE(r.out.find("size: " + std::to_string(m.bytes.size()) + "\n"), std::string::npos);
  r = runTool(dir, "info - < " + q(dir.path("m.json")));
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, "zephlo-tool: standard input: Unrecognized file type\n");
}

TEST(CliStreams, PipesAndDevicesAreWrittenNeverReplaced) {
  TempDir dir;
  const GeneratedMission m = generateMission(GenOptions{});
  writeFile(dir.path("m.tie"), m.bytes);
  const std::string in = q(dir.path("m.tie"));

  // A FIFO: the tool waits for its reader, who gets the whole mission.
  const std::string fifo = dir.path("pipe");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  auto reader = std::async(std::launch::async, [&] { return readFile(fifo); });
  ToolRun r = runTool(dir, "roundtrip " + in + " " + q(fifo));
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(reader.get(), m.bytes);
  EXPECT_TRUE(fs::is_fifo(fifo));

  const std::string null = dir.path("null"), full = dir.path("full");
  if (!makeCharDevice(null, 1, 3) || !makeCharDevice(full, 1, 7))
    GTEST_SKIP() << "this test cannot create device nodes (it needs root)";
  EXPECT_EQ(runTool(dir, "export " + in + " " + q(null)).status, 0);
  r = runTool(dir, "export " + in + " " + q(full));
  EXPECT_EQ(r.status, 3);
  EXPECT_EQ(r.err, "zephlo-tool: Cannot save " + full + ": No space left on device.\n");
  EXPECT_TRUE(fs::is_character_file(null) && fs::is_character_file(full));

  // Standard output that cannot take the text: a full disk, a closed pipe.
  r = runTool(dir, "info " + in + " > " + q(full));
  EXPECT_EQ(r.status, 3);
  EXPECT_EQ(r.err, "zephlo-tool: Cannot write to standard output: No space left on device.\n");
  r = runTool(dir, "describe " + in + " > " + q(full));
  EXPECT_EQ(r.status, 3);
}

TEST(CliStreams, AReaderThatGoesAwayIsAWriteFailure) {
  TempDir dir;
  GenOptions o;
  o.flightGroups = 80;
  writeFile(dir.path("m.tie"), generateMission(o).bytes);
  // Both outputs are more than a pipe holds, so the writer meets the closed end.
  for (const char* cmd : {"export", "describe"}) {
    const std::string out = std::string(cmd) == "export" ? " -" : "";
    ASSERT_GT(runTool(dir, std::string(cmd) + " " + q(dir.path("m.tie")) + out).out.size(),
              1u << 17);
  }
  const std::string status = dir.path("status"), err = dir.path("err");
  for (const char* cmd : {"export", "describe"}) {
    const std::string output = std::string(cmd) == "export" ? " -" : "";
    const std::string script = "{ " + std::string(ZEPHLO_TOOL) + " " + cmd + " " +
                               q(dir.path("m.tie")) + output + " 2>" + q(err) + "; echo $? >" +
                               q(status) + "; } | true";
    ASSERT_EQ(std::system(script.c_str()), 0);
    EXPECT_EQ(text(readFile(status)), "3\n") << cmd;
    EXPECT_EQ(text(readFile(err)), "zephlo-tool: Cannot write to standard output: Broken pipe.\n");
  }
}

TEST(CliStreams, HostileJsonIsRefusedInOneLineAtOnce) {
  TempDir dir;
  const std::string out = q(dir.path("out.tie"));
  auto put = [&](const std::string& name, const std::string& body) {
    std::ofstream(dir.path(name)) << body;
    return dir.path(name);
  };
  std::string p = put("inf.json", "{\"platform\":1e400}");
  expectRefusal(dir, runTool(dir, "import " + q(p) + " " + out), p + ": not valid JSON");
  p = put("digits.json", "{\"platform\":" + std::string(400, '9') + "}");
  ToolRun r = runTool(dir, "import " + q(p) + " " + out);
  expectRefusal(dir, r, p + ": not valid JSON");
  EXPECT_LT(r.err.size(), 300u) << "the number is not repeated whole";
  p = put("deep.json", std::string(100000, '[') + std::string(100000, ']'));
  expectRefusal(dir, runTool(dir, "import " + q(p) + " " + out), p + ": not valid JSON: nested");
  p = put("deep-value.json", "{\"platform\":" + std::string(60, '[') + std::string(60, ']') + "}");
  r = runTool(dir, "import " + q(p) + " " + out);
  expectRefusal(dir, r, p);
  p = put("long.json", "{\"platform\":\"" + std::string(100000, 'x') + "\"}");
  r = runTool(dir, "import " + q(p) + " " + out);
  expectRefusal(dir, r, p + ": platform: ");
  EXPECT_LT(r.err.size(), 300u) << "a long value is shown as an excerpt";

  fs::create_directory(dir.path("folder.json"));
  expectRefusal(dir, runTool(dir, "import " + q(dir.path("folder.json")) + " " + out),
                dir.path("folder.json") + ": it is a folder");
  const std::string fifo = dir.path("fifo.json");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  expectRefusal(dir, runTool(dir, "import " + q(fifo) + " " + out),
                fifo + ": it is not a regular file");
  const std::string zero = dir.path("zero");
  if (!makeCharDevice(zero, 1, 5)) GTEST_SKIP() << "this test cannot create device nodes";
  expectRefusal(dir, runTool(dir, "import " + q(zero) + " " + out),
                zero + ": it is not a regular file");
  // Standard input that plainly holds no JSON is refused from its first bytes.
  r = runTool(dir, "import - " + out + " < " + q(zero));
  expectRefusal(dir, r, "standard input: not valid JSON: it does not begin with a JSON value");
  for (const char* cmd : {"info - ", "export - - ", "describe - "})
    expectRefusal(dir, runTool(dir, cmd + std::string(" < ") + q(zero)),
                  "standard input: Unrecognized file type");
  // Blanks alone are no JSON either.
  std::ofstream(dir.path("blank.json")) << std::string(1 << 16, ' ');
  r = runTool(dir, "import - " + out + " < " + q(dir.path("blank.json")));
  expectRefusal(dir, r, "standard input: not valid JSON");
}

#if defined(ZEPHLO_TOOL_PICTURES)
TEST(CliStreams, PicturesGoToStandardOutputOrInTheFormatTheirNameAsks) {
  TempDir dir;
  writeFile(dir.path("m.tie"), generateMission(GenOptions{}).bytes);
  const std::string in = q(dir.path("m.tie"));
  const std::string pngMagic = "\x89PNG\r\n";
  EXPECT_EQ(runTool(dir, "render " + in + " - --size 64x48").out.substr(0, 6), pngMagic);
  EXPECT_EQ(runTool(dir, "briefing-frame " + in + " 0 - --size 64x48").out.substr(0, 6), pngMagic);

  ASSERT_EQ(runTool(dir, "render " + in + " " + q(dir.path("map.JPG")) + " --size 64x48").status,
            0);
  EXPECT_EQ(text(readFile(dir.path("map.JPG"))).substr(0, 3), "\xFF\xD8\xFF");
  {
    const ToolRun fr = runTool(dir, "briefing-frame " + in + " 0 " + q(dir.path("f.bmp")));
    ASSERT_EQ(fr.status, 0) << fr.err;
  }
  EXPECT_EQ(text(readFile(dir.path("f.bmp"))).substr(0, 2), "BM");

  for (const std::string& cmd : {"render " + in + " ", "briefing-frame " + in + " 0 "}) {
    const ToolRun r = runTool(dir, cmd + q(dir.path("map.xyz")));
    EXPECT_EQ(r.status, 2) << cmd;
    EXPECT_NE(r.err.find("map.xyz"), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(dir.path("map.xyz")));
  }
}
#endif
