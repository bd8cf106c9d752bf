// Checking, describing or summing up many missions in one run, as a campaign
// is kept: one folder of mission files.
#pragma once

#include "core/check/limits.h"
#include "core/mission/reader.h"
#include "core/mission/result.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace zephlo {

// Every *.tie file under dir and its subfolders (the extension in any case),
// sorted by path, and a line for every folder that could not be read
// ("Cannot read DIR: Permission denied."), which the search passes over.
struct FoundMissions {
  std::vector<std::string> files;
  std::vector<std::string> unreadable;
};
Result<FoundMissions> missionFilesUnder(const std::string& dir);

// The line that tells a designer why a file was not read; it always names the file.
std::string readFailureText(const Error& error, const std::string& path);

// Lines for people, or one JSON array for scripts with an object per file:
// {"path": ..., "read": true, ...}, or "read": false and the "problem".
enum class ReportFormat { Text, Json };

struct CampaignOptions {
  bool omitWarnings = false;
  bool limits = false; // add the warnings about the game's limits
  bool logic = false;  // add what the mission's triggers can never let happen
  LimitOptions limitOptions;
  ReportFormat format = ReportFormat::Text;
};

// How a run over several files went, worst first.
struct CampaignSummary {
  int unreadable = 0; // files that could not be read as missions
  int withErrors = 0; // missions with at least one checker error
};

// Checks each file and prints its lines to out, each file's lines preceded by
// "== PATH" when there is more than one file. Read failures go to err. In
// JSON each file's "messages" hold the lines as "severity" ("error",
// "warning") and "text".
CampaignSummary checkMissions(const std::vector<std::string>& paths, const CampaignOptions& options,
                              std::ostream& out, std::ostream& err);

// The same for the readable description of each mission.
CampaignSummary describeMissions(const std::vector<std::string>& paths, std::ostream& out,
                                 std::ostream& err);

// The same for a few facts about each file: platform, counts, title, size
// and the bytes after the last section, as "key: value" lines or JSON members.
CampaignSummary infoMissions(const std::vector<std::string>& paths, ReportFormat format,
                             std::ostream& out, std::ostream& err);

} // namespace zephlo
