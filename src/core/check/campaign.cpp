#include "core/check/campaign.h"

#include "core/check/checker.h"
#include "core/check/describe.h"
#include "core/check/mission_logic.h"

#include <algorithm>
#include <filesystem>
#include <ostream>

namespace fs = std::filesystem;

namespace zephlo {

namespace {

bool hasTieExtension(const fs::path& p) {
  std::string ext = p.extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return ext == ".tie";
}

// Reads each file in turn and hands the readable ones to run.
template <class Run>
CampaignSummary forEachMission(const std::vector<std::string>& paths, std::ostream& out,
                               std::ostream& err, Run run) {
  CampaignSummary summary;
  const bool headed = paths.size() > 1;
  for (const std::string& path : paths) {
    if (headed) out << "== " << path << "\n";
    Result<Document> r = readMissionInput(path);
    if (!r) {
      // Keep the two streams in order for a reader watching both.
      out.flush();
      err << "zephlo-tool: " << readFailureText(r.error(), inputName(path)) << "\n";
      ++summary.unreadable;
      continue;
    }
    if (!run(*r)) ++summary.withErrors;
  }
  return summary;
}

} // namespace

Result<std::vector<std::string>> missionFilesUnder(const std::string& dir) {
  std::error_code ec;
  if (!fs::is_directory(dir, ec)) {
    return makeError(ErrorKind::Missing, dir + " is not a folder.");
  }
  std::vector<std::string> files;
  fs::recursive_directory_iterator it(dir, fs::directory_options::skip_permission_denied, ec);
  for (; !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
    if (it->is_regular_file(ec) && hasTieExtension(it->path()))
      files.push_back(it->path().string());
  }
  if (ec) return makeError(ErrorKind::Unreadable, "Cannot read " + dir + ": " + ec.message() + ".");
  std::sort(files.begin(), files.end());
  return files;
}

std::string readFailureText(const Error& e, const std::string& path) {
  // The refusals of other games' files do not name the file; a script needs it.
  if (e.kind == ErrorKind::ForeignFormat || e.kind == ErrorKind::Unrecognized)
    return path + ": " + e.message;
  return e.message;
}

CampaignSummary checkMissions(const std::vector<std::string>& paths, const CampaignOptions& options,
                              std::ostream& out, std::ostream& err) {
  return forEachMission(paths, out, err, [&](const Document& doc) {
    const CheckResult result = checkMission(doc);
    std::vector<std::string> lines = result.lines(options.omitWarnings);
    if (options.limits) {
      for (std::string& line : checkLimits(doc, options.limitOptions))
        lines.push_back(std::move(line));
    }
    if (options.logic) {
      for (std::string& line : analyseMissionLogic(doc).findings)
        lines.push_back(std::move(line));
    }
    if (lines.empty()) out << "No known errors.\n";
    for (const std::string& line : lines)
      out << line << "\n";
    return result.errors.empty();
  });
}

CampaignSummary describeMissions(const std::vector<std::string>& paths, std::ostream& out,
                                 std::ostream& err) {
  return forEachMission(paths, out, err, [&](const Document& doc) {
    for (const std::string& line : describeMission(doc))
      out << line << "\n";
    return true;
  });
}

} // namespace zephlo
