// The examples of the README and of docs/json.md run as written, in a fresh
// folder with the built tool first on PATH, and print what the text shows.
// An example is a "```console" block: lines "$ COMMAND", each followed by
// the lines it prints (standard output and error together, as a terminal
// shows them). The blocks of a file run in one shell, in order.
#include "tool_run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace zephlo::testing;
namespace fs = std::filesystem;

namespace {

struct Example {
  std::string command;
  std::string output;
  int line = 0; // in the document
};

std::vector<Example> examplesIn(const std::string& path) {
  std::ifstream in(path);
  std::vector<Example> examples;
  bool inBlock = false;
  int number = 0;
  for (std::string line; std::getline(in, line);) {
    ++number;
    if (!inBlock) {
      inBlock = line == "```console";
      continue;
    }
    if (line == "```") {
      inBlock = false;
    } else if (line.rfind("$ ", 0) == 0) {
      examples.push_back({line.substr(2), "", number});
    } else if (!examples.empty()) {
      examples.back().output += line + "\n";
    }
  }
  return examples;
}

std::string shellQuoted(const std::string& s) {
  std::string out = "'";
  for (char c : s)
    out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

// Runs the examples in one shell in dir; what each printed, in order.
std::vector<std::string> run(const std::vector<Example>& examples, const TempDir& dir) {
  const std::string marker = "\x1e"
                             "example\x1e\n";
  std::string script = "cd " + shellQuoted(dir.path("work")) + "\n";
  for (const Example& e : examples)
    script += "printf '\\036example\\036\\n'\n{ " + e.command + "\n} 2>&1\n";
  std::ofstream(dir.path("examples.sh")) << script;
  const std::string bin = fs::path(ZEPHLO_TOOL).parent_path().string();
  // A home of its own: no user's git settings, a fixed author.
  const std::string env = "env HOME=" + shellQuoted(dir.path("home")) +
                          " PATH=" + shellQuoted(bin) +
                          ":\"$PATH\" LC_ALL=C.UTF-8"
                          " GIT_CONFIG_NOSYSTEM=1 GIT_AUTHOR_NAME=Designer"
                          " GIT_AUTHOR_EMAIL=designer@example.org GIT_COMMITTER_NAME=Designer"
                          " GIT_COMMITTER_EMAIL=designer@example.org ";
  FILE* p = popen((env + "bash --norc " + shellQuoted(dir.path("examples.sh"))).c_str(), "r");
  std::string all;
  char buf[4096];
  for (std::size_t n; (n = fread(buf, 1, sizeof buf, p)) > 0;)
    all.append(buf, n);
  pclose(p);
  std::vector<std::string> outputs;
  for (std::size_t at = all.find(marker); at != std::string::npos;) {
    const std::size_t next = all.find(marker, at + marker.size());
    outputs.push_back(all.substr(at + marker.size(), next == std::string::npos
                                                         ? std::string::npos
                                                         : next - at - marker.size()));
    at = next;
  }
  return outputs;
}

bool have(const std::string& program) {
  return std::system(("command -v " + program + " >/dev/null 2>&1").c_str()) == 0;
}

void expectExamplesRun(const std::string& document) {
  const std::vector<Example> examples = examplesIn(std::string(ZEPHLO_SOURCE_DIR) + "/" + document);
  ASSERT_GE(examples.size(), 3u) << document << " has no examples to run";
  TempDir dir;
  fs::create_directories(dir.path("work"));
  fs::create_directories(dir.path("home"));
  const std::vector<std::string> outputs = run(examples, dir);
  ASSERT_EQ(outputs.size(), examples.size()) << "the shell stopped early";
  std::string transcript;
  for (std::size_t i = 0; i < examples.size(); ++i) {
    EXPECT_EQ(outputs[i], examples[i].output)
        << document << ":" << examples[i].line << ": $ " << examples[i].command;
    transcript += "$ " + examples[i].command + "\n" + outputs[i];
  }
  // What the examples print today, to paste into the document after a change.
  if (const char* keep = std::getenv("ZEPHLO_EXAMPLES_TRANSCRIPT"))
    std::ofstream(std::string(keep) + "/" + fs::path(document).filename().string() + ".txt")
        << transcript;
}

} // namespace

TEST(ReadmeExamples, RunAsWritten) {
  for (const char* program : {"jq", "git"})
    if (!have(program))
      GTEST_SKIP() << program << " is not installed (scripts/deps.sh installs it)";
  if (runTool(TempDir(), "render --help").status != 0)
    GTEST_SKIP() << "this zephlo-tool is built without the picture commands";
  expectExamplesRun("README.md");
  expectExamplesRun("docs/json.md");
}
