// What every zephlo-tool command shares: exit codes, reading and writing
// missions with the error on standard error, and the command table.
#pragma once

#include "mission/document.h"

#include <functional>
#include <memory>
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
};

// Prints what is wrong and the hint to --help; returns kExitBadInput.
int usageError(const std::string& what);
// Reads a mission or says on standard error why it cannot.
std::unique_ptr<Document> load(const std::string& path);
// Writes a mission; kExitOk or kExitWriteFailed with the reason on standard error.
int save(const Document& doc, const std::string& path);

// The command groups; main() lists them in this order.
std::vector<Command> missionCommands();
std::vector<Command> campaignCommands();
std::vector<Command> jsonCommands();
// Present when the tool is built with the painters.
std::vector<Command> renderCommands();
std::vector<Command> briefingCommands();

} // namespace zephlo::tool
