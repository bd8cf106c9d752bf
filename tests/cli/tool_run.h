// Runs the built zephlo-tool as a script would and collects what it printed.
#pragma once

#include "support/test_missions.h"

#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace zephlo::testing {

struct ToolRun {
  int status = -1;
  std::string out;
  std::string err;
};

inline ToolRun runTool(const TempDir& dir, const std::string& args) {
  const std::string errFile = dir.path("stderr.txt");
  const std::string cmd = std::string(ZEPHLO_TOOL) + " " + args + " 2>" + errFile;
  ToolRun r;
  FILE* p = popen(cmd.c_str(), "r");
  char buf[4096];
  std::size_t n;
  while ((n = fread(buf, 1, sizeof buf, p)) > 0)
    r.out.append(buf, n);
  const int st = pclose(p);
  r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
  const auto e = readFile(errFile);
  r.err.assign(e.begin(), e.end());
  return r;
}

inline std::string quoted(const std::string& s) { return "'" + s + "'"; }

} // namespace zephlo::testing
