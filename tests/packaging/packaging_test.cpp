// What `cmake --install` and the .deb put on a user's machine: the programs
// with their manual pages and shell completion, the desktop's databases
// brought up to date, AppStream data and a package lintian finds clean.
#include "support/test_missions.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>

using namespace zephlo::testing;
namespace fs = std::filesystem;

namespace {

struct Shell {
  int status = -1;
  std::string out; // standard output and error together
};

Shell run(const std::string& command) {
  Shell r;
  FILE* p = popen((command + " 2>&1").c_str(), "r");
  char buf[4096];
  for (std::size_t n; (n = fread(buf, 1, sizeof buf, p)) > 0;)
    r.out.append(buf, n);
  const int st = pclose(p);
  r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
  return r;
}

bool have(const std::string& program) { return run("command -v " + program).status == 0; }

std::string q(const std::string& s) {
  std::string out = "'";
  for (char c : s)
    out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

// An install into a fresh prefix, with DESTDIR as given ("" for none).
struct Install {
  TempDir dir;
  Shell result;
  explicit Install(const std::string& destdir = "") {
    result = run("env " + (destdir.empty() ? std::string("-u DESTDIR") : "DESTDIR=" + q(destdir)) +
                 " cmake --install " + q(ZEPHLO_BUILD_DIR) + " --prefix " + q(prefix()));
  }
  std::string prefix() const { return dir.path("usr"); }
  std::string path(const std::string& rel) const { return prefix() + "/" + rel; }
};

const Install& prefixInstall() {
  static const Install install;
  return install;
}

// The completions bash offers for the words of a command line, the last
// one being completed.
std::vector<std::string> bashCompletions(const std::vector<std::string>& words,
                                         const std::string& in) {
  std::string array;
  for (const std::string& w : words)
    array += q(w) + " ";
  const std::string script =
      // compopt works only while bash itself completes; here it may do nothing.
      "compopt() { :; }; cd " + q(in) + " && source " +
      q(prefixInstall().path("share/bash-completion/completions/zephlo-tool")) +
      " && COMP_WORDS=(" + array + ") && COMP_CWORD=" + std::to_string(words.size() - 1) +
      " && _zephlo_tool && printf '%s\\n' \"${COMPREPLY[@]}\" | sort";
  const Shell r = run("bash --norc -c " + q(script));
  std::vector<std::string> out;
  std::istringstream lines(r.out);
  for (std::string line; std::getline(lines, line);)
    if (!line.empty()) out.push_back(line);
  return out;
}

bool contains(const std::vector<std::string>& v, const std::string& s) {
  return std::find(v.begin(), v.end(), s) != v.end();
}

} // namespace

TEST(Install, PutsEverythingInPlaceAndUpdatesTheDesktopDatabases) {
  const Install& install = prefixInstall();
  ASSERT_EQ(install.result.status, 0) << install.result.out;
  for (const char* file :
       {"bin/zephlo-tool", "share/bash-completion/completions/zephlo-tool",
        "share/zsh/vendor-completions/_zephlo-tool", "share/doc/zephlo/changelog.gz",
        "share/doc/zephlo/copyright", "share/doc/zephlo/json.md"})
    EXPECT_TRUE(fs::is_regular_file(install.path(file))) << file;
#ifdef ZEPHLO_EDITOR
  EXPECT_TRUE(fs::is_regular_file(install.path("share/metainfo/org.zephlo.zephlo.metainfo.xml")));
  if (have("update-mime-database")) {
    // The MIME database knows *.tie now.
    EXPECT_TRUE(fs::is_regular_file(install.path("share/mime/mime.cache")));
    EXPECT_TRUE(fs::is_regular_file(install.path("share/mime/application/x-xwa-mission.xml")));
  }
  if (have("update-desktop-database")) {
    std::ifstream cache(install.path("share/applications/mimeinfo.cache"));
    const std::string text((std::istreambuf_iterator<char>(cache)), {});
    EXPECT_NE(text.find("application/x-xwa-mission=zephlo.desktop;"), std::string::npos) << text;
  }
  // A staged install (a package build) leaves the databases to the system.
  TempDir stage;
  const Install staged(stage.root());
  ASSERT_EQ(staged.result.status, 0) << staged.result.out;
  EXPECT_TRUE(fs::is_regular_file(stage.root() + staged.path("share/mime/packages/zephlo.xml")));
  EXPECT_FALSE(fs::exists(stage.root() + staged.path("share/mime/mime.cache")));
  EXPECT_FALSE(fs::exists(stage.root() + staged.path("share/applications/mimeinfo.cache")));
#endif
}

TEST(Install, ManualPagesHoldEveryCommand) {
#ifndef ZEPHLO_MAN_PAGES
  GTEST_SKIP() << "this build makes no manual pages (help2man missing, or a sanitized, fuzzing "
                  "or cross build)";
#else
  const Install& install = prefixInstall();
  ASSERT_EQ(install.result.status, 0) << install.result.out;
  const Shell man = run("gzip -dc " + q(install.path("share/man/man1/zephlo-tool.1.gz")));
  ASSERT_EQ(man.status, 0) << man.out;
  // Every command with its whole help.
  const Shell help = run(q(install.path("bin/zephlo-tool")) + " --help");
  std::istringstream lines(help.out);
  for (std::string line; std::getline(lines, line);) {
    if (line.size() > 2 && line.compare(0, 2, "  ") == 0 && line[2] >= 'a' && line[2] <= 'z') {
      const std::string command = line.substr(2, line.find(' ', 2) - 2);
      EXPECT_NE(man.out.find(".SS " + command + "\n"), std::string::npos) << command;
    }
  }
#ifdef ZEPHLO_EDITOR
  const Shell editor = run("gzip -dc " + q(install.path("share/man/man1/zephlo.1.gz")));
  EXPECT_NE(editor.out.find("screenshot"), std::string::npos) << editor.out;
#endif
#endif
}

TEST(Install, ShellsCompleteCommandsOptionsAndFiles) {
  ASSERT_EQ(prefixInstall().result.status, 0) << prefixInstall().result.out;
  const std::string tool = prefixInstall().path("bin/zephlo-tool");
  TempDir dir;
  writeFile(dir.path("a.tie"), {1});
  writeFile(dir.path("b.json"), {1});
  writeFile(dir.path("c.txt"), {1});
  fs::create_directory(dir.path("camp"));
  const std::string in = dir.root();

  // The commands and options are the tool's own, whatever it has.
  EXPECT_EQ(bashCompletions({tool, "ch"}, in), std::vector<std::string>{"check"});
  EXPECT_TRUE(contains(bashCompletions({tool, "b"}, in), "briefing-state"));
  EXPECT_EQ(bashCompletions({tool, "help", "exp"}, in), std::vector<std::string>{"export"});
  EXPECT_TRUE(contains(bashCompletions({tool, "check", "--"}, in), "--format"));
  EXPECT_TRUE(contains(bashCompletions({tool, "check", "--"}, in), "--no-warnings"));
  EXPECT_FALSE(contains(bashCompletions({tool, "describe", "--"}, in), "--no-warnings"));
  EXPECT_EQ(bashCompletions({tool, "info", "--format", ""}, in),
            (std::vector<std::string>{"json", "text"}));
  EXPECT_EQ(bashCompletions({tool, "check", "--recursive", ""}, in),
            std::vector<std::string>{"camp"});
  // Missions, or JSON for import; folders too.
  EXPECT_EQ(bashCompletions({tool, "check", ""}, in), (std::vector<std::string>{"a.tie", "camp"}));
  EXPECT_EQ(bashCompletions({tool, "import", ""}, in),
            (std::vector<std::string>{"b.json", "camp"}));

  if (!have("zsh")) GTEST_SKIP() << "zsh is not installed: its completion was not read";
  const Shell zsh =
      run("zsh -n " + q(prefixInstall().path("share/zsh/vendor-completions/_zephlo-tool")));
  EXPECT_EQ(zsh.status, 0) << zsh.out;
}

#ifdef ZEPHLO_EDITOR
TEST(Package, MetainfoAndDesktopEntryAreValid) {
  ASSERT_EQ(prefixInstall().result.status, 0) << prefixInstall().result.out;
  if (have("desktop-file-validate")) {
    const Shell r = run("desktop-file-validate " +
                        q(prefixInstall().path("share/applications/zephlo.desktop")));
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(r.out, "");
  }
  if (!have("appstreamcli")) GTEST_SKIP() << "appstreamcli (package appstream) is not installed";
  const Shell r = run("appstreamcli validate --no-net --pedantic " +
                      q(prefixInstall().path("share/metainfo/org.zephlo.zephlo.metainfo.xml")));
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_EQ(r.out.find("\nW:"), std::string::npos) << r.out;
  EXPECT_EQ(r.out.find("\nP:"), std::string::npos) << r.out;
}

TEST(Package, LintianFindsNoErrorOrWarning) {
#ifndef ZEPHLO_RELEASE_BUILD
  GTEST_SKIP() << "packages are made from plain release builds";
#endif
  if (!have("lintian")) GTEST_SKIP() << "lintian is not installed";
  if (!have("dpkg-shlibdeps")) GTEST_SKIP() << "dpkg-dev is not installed; cpack needs it";
  TempDir dir;
  const Shell pack = run("cd " + q(dir.root()) + " && cpack -G DEB --config " +
                         q(std::string(ZEPHLO_BUILD_DIR) + "/CPackConfig.cmake"));
  ASSERT_EQ(pack.status, 0) << pack.out;
  std::string deb;
  for (const auto& e : fs::directory_iterator(dir.root()))
    if (e.path().extension() == ".deb") deb = e.path().string();
  ASSERT_FALSE(deb.empty()) << pack.out;
  const Shell r = run("lintian -E --pedantic --tag-display-limit 0 " + q(deb));
  std::istringstream lines(r.out);
  for (std::string line; std::getline(lines, line);)
    EXPECT_TRUE(line.rfind("E: ", 0) != 0 && line.rfind("W: ", 0) != 0) << line;
}
#endif
