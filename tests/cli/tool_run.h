// Runs the built zephlo-tool as a script would and collects what it printed.
#pragma once

#include "support/test_missions.h"

#include <cstdio>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace zephlo::testing {

struct ToolRun {
  int status = -1;
  std::string out;
  std::string err;
};

// unprivileged: as "nobody" when the tests run as root, where permissions
// would not be enforced (the files it reads must be readable to all).
inline ToolRun runTool(const TempDir& dir, const std::string& args, bool unprivileged = false) {
  const std::string errFile = dir.path("stderr.txt");
  const std::string as =
      unprivileged && ::geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups " : "";
  const std::string cmd = as + std::string(ZEPHLO_TOOL) + " " + args + " 2>" + errFile;
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
