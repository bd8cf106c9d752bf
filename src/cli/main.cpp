// zephlo-tool: checks and describes mission files from scripts.
#include "cli/tool.h"

#include <algorithm>
#include <csignal>
#include <iostream>

#if defined(_WIN32)
#include "core/mission/utf8_path.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>
#endif

using namespace zephlo::tool;

namespace {

// The arguments in UTF-8. Windows hands main() its ANSI code page's version,
// in which a name with other characters cannot be spelt.
std::vector<std::string> arguments(int argc, char** argv) {
#if defined(_WIN32)
  int n = 0;
  if (wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &n)) {
    std::vector<std::string> out;
    for (int i = 1; i < n; ++i)
      out.push_back(zephlo::utf8FromWide(wide[i]));
    ::LocalFree(wide);
    return out;
  }
#endif
  return std::vector<std::string>(argv + 1, argv + argc);
}

std::vector<Command> allCommands() {
  std::vector<Command> all;
  std::vector<std::vector<Command> (*)()> groups{missionCommands, campaignCommands, jsonCommands,
                                                 gameCommands};
#if defined(ZEPHLO_TOOL_PICTURES)
  groups.push_back(renderCommands);
  groups.push_back(briefingCommands);
#endif
  for (auto group : groups) {
    for (Command& c : group())
      all.push_back(std::move(c));
  }
  return all;
}

std::string usage(const std::vector<Command>& commands) {
  std::string text = "Usage: zephlo-tool COMMAND [ARGUMENTS]\n"
                     "Check, describe, convert and draw X-Wing Alliance mission files (.tie).\n"
                     "\nCommands:\n";
  for (const Command& c : commands)
    text += c.usage;
  text += "  --help               show this text; 'zephlo-tool COMMAND --help' tells more\n"
          "                       about one command\n"
          "  --version            show the version\n"
          "\n"
          "A file argument may be '-': standard input for what a command reads,\n"
          "standard output for what it writes. An output that is a pipe or a device\n"
          "is written as it is; a file is replaced only once the new one is complete.\n"
          "\n"
          "Exit status: 0 success, 1 check found at least one error, 2 missing,\n"
          "refused or damaged input or bad arguments, 3 the output could not be\n"
          "written.\n";
  return text;
}

bool asksForHelp(const Args& args) {
  return std::any_of(args.begin(), args.end(),
                     [](const std::string& a) { return a == "--help" || a == "-h"; });
}

std::string commandHelp(const Command& c) {
  return c.help.empty() ? "Usage: zephlo-tool\n" + c.usage : c.help;
}

} // namespace

int main(int argc, char** argv) {
  // A reader that goes away is a write error to report, not a silent end.
#if defined(SIGPIPE)
  std::signal(SIGPIPE, SIG_IGN);
#endif
#if defined(_WIN32)
  // The same bytes as everywhere else: no CR before each LF written, and a
  // mission read from standard input arrives whole.
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stdin), _O_BINARY);
#endif
  useStandardOutputBuffer();
  std::vector<std::string> args = arguments(argc, argv);
  if (args.empty()) return usageError("no command given");
  std::string cmd = args[0];
  args.erase(args.begin());
  const std::vector<Command> commands = allCommands();
  // "help COMMAND" is "COMMAND --help".
  if (cmd == "help" && args.size() == 1) {
    cmd = args[0];
    args = {"--help"};
  }
  if (cmd == "--help" || cmd == "-h" || cmd == "help") {
    std::cout << usage(commands);
    return finishStandardOutput(kExitOk);
  }
  if (cmd == "--version") {
    std::cout << "zephlo-tool " << ZEPHLO_VERSION << "\n";
    return finishStandardOutput(kExitOk);
  }
  for (const Command& c : commands) {
    if (c.name != cmd) continue;
    if (asksForHelp(args)) {
      std::cout << commandHelp(c);
      return finishStandardOutput(kExitOk);
    }
    return finishStandardOutput(c.run(args));
  }
  return usageError("unknown command '" + cmd + "'");
}
