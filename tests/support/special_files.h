// Pipes, devices and an unprivileged user for tests of what a path names,
// all made inside a test's own temporary folder: a test never touches /dev.
#pragma once

#include <functional>
#include <string>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zephlo::testing {

// A character device node standing for one of the kernel's own (1,3 is
// null, 1,5 zero, 1,7 full). Creating one needs privileges: false when the
// test cannot, so it can skip that case with a message.
inline bool makeCharDevice(const std::string& path, unsigned major, unsigned minor) {
  return ::mknod(path.c_str(), S_IFCHR | 0666, makedev(major, minor)) == 0;
}

inline bool makeBlockDevice(const std::string& path) {
  // A loop device's number; nothing is ever opened through it for writing.
  return ::mknod(path.c_str(), S_IFBLK | 0600, makedev(7, 250)) == 0;
}

// Runs body as an unprivileged user (a child process as "nobody" when the
// tests run as root, where permissions would not be enforced) and returns
// its result, or -1 when the child could not become that user.
inline int runUnprivileged(const std::function<int()>& body) {
  if (::geteuid() != 0) return body();
  const pid_t pid = ::fork();
  if (pid == 0) {
    if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(255);
    ::_exit(body());
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) == 255) return -1;
  return WEXITSTATUS(status);
}

} // namespace zephlo::testing
