// What every zephlo-tool command shares: exit codes, reading and writing
// missions with the error on standard error, and the command table.
#pragma once

#include "core/mission/document.h"
#include "core/mission/input_file.h"

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace zephlo::tool {

inline constexpr int kExitOk = 0;
inline constexpr int kExitCheckErrors = 1;
inline constexpr int kExitBadInput = 2;
inline constexpr int kExitWriteFailed = 3;

using Args = std::vector<std::string>;

struct Command {
  std::string name;
  std::string usage; // lines of the --help text, already indented
  std::function<int(const Args&)> run;
  // What `zephlo-tool NAME --help` prints: "Usage: zephlo-tool NAME ...",
  // what the command does, its options. Without it the usage lines serve.
  std::string help = {};
};

// Prints what is wrong and the hint to --help; returns kExitBadInput.
int usageError(const std::string& what);
// Every file argument: "-" is standard input for what a command reads and
// standard output for what it writes.

// Reads a mission or says on standard error why it cannot.
std::unique_ptr<Document> load(const std::string& path);
// The bytes of an input within limit, or nothing with the reason on standard error.
std::optional<std::vector<Byte>> readInput(const std::string& path, const SizeLimit& limit,
                                           const EarlyCheck& early = {});
// Writes a mission; kExitOk or kExitWriteFailed with the reason on standard error.
int save(const Document& doc, const std::string& path);
// Writes bytes to a file (safely), a pipe or device, or standard output.
int writeOutput(const std::string& path, std::span<const Byte> bytes);
// Puts a buffer under std::cout that keeps the reason a write failed.
void useStandardOutputBuffer();
// Says so and returns kExitWriteFailed when standard output could not take
// everything written to it; else returns status.
int finishStandardOutput(int status);

// The command groups; main() lists them in this order.
std::vector<Command> missionCommands();
std::vector<Command> campaignCommands();
std::vector<Command> jsonCommands();
std::vector<Command> gameCommands();
// Present when the tool is built with the painters.
std::vector<Command> renderCommands();
std::vector<Command> briefingCommands();

} // namespace zephlo::tool
