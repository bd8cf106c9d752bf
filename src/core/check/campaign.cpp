#include "core/check/campaign.h"

#include "core/check/checker.h"
#include "core/check/describe.h"
#include "core/check/mission_logic.h"
#include "core/mission/utf8_path.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <filesystem>
#include <ostream>

namespace fs = std::filesystem;

namespace zephlo {

namespace {

using Json = nlohmann::ordered_json;

bool hasTieExtension(const fs::path& p) {
  std::string ext = p.extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return ext == ".tie";
}

// What a run prints of one readable file, in the form the format asks for.
struct FileReport {
  std::string text; // whole lines, UTF-8
  Json json = Json::object();
};

// Reads each file in turn, hands the readable ones to run and prints what
// it reports: text with "== PATH" heads when there are several files, or one
// JSON array with an object a line.
template <class Run>
CampaignSummary forEachMission(const std::vector<std::string>& paths, ReportFormat format,
                               std::ostream& out, std::ostream& err, Run run,
                               bool needsSize = false) {
  CampaignSummary summary;
  const bool json = format == ReportFormat::Json;
  const bool headed = paths.size() > 1;
  if (json) out << "[";
  bool first = true;
  std::string problems;
  for (const std::string& path : paths) {
    Json entry = Json::object();
    entry["path"] = path;
    if (headed && !json) out << "== " << path << "\n";
    // The file's size is known only to a whole read; a mission read from the
    // file goes straight into its records, which is faster.
    std::size_t size = 0;
    auto read = [&]() -> Result<Document> {
      if (!needsSize) return readMissionInput(path);
      const Result<std::vector<Byte>> bytes =
          readWholeInput(path, missionSizeLimit(), refusedByPlatform);
      if (!bytes) return bytes.error();
      size = bytes->size();
      return parseMission(*bytes, inputName(path));
    };
    Result<Document> r = read();
    if (!r) {
      const std::string why = readFailureText(r.error(), inputName(path));
      if (json) {
        // Told after the array, which a reader of both streams then sees whole.
        problems += "zephlo-tool: " + why + "\n";
      } else {
        // Keep the two streams in order for a reader watching both.
        out.flush();
        err << "zephlo-tool: " << why << "\n";
      }
      ++summary.unreadable;
      entry["read"] = false;
      entry["problem"] = why;
    } else {
      FileReport report;
      if (!run(*r, size, report)) ++summary.withErrors;
      if (!json) out << report.text;
      entry["read"] = true;
      entry.update(report.json);
    }
    if (json) {
      // A path need not be UTF-8; JSON text must be.
      out << (first ? "\n" : ",\n") << entry.dump(-1, ' ', false, Json::error_handler_t::replace);
      first = false;
    }
  }
  if (json) {
    out << "\n]\n";
    out.flush();
    err << problems;
  }
  return summary;
}

// A checker line "SEVERITY: text" as its two parts.
Json messageJson(const std::string& line) {
  const std::size_t colon = line.find(": ");
  std::string severity = colon == std::string::npos ? std::string() : line.substr(0, colon);
  const bool word = !severity.empty() && std::all_of(severity.begin(), severity.end(),
                                                     [](char c) { return c >= 'A' && c <= 'Z'; });
  if (!word) return Json{{"severity", "note"}, {"text", latin1ToUtf8(line)}};
  std::transform(severity.begin(), severity.end(), severity.begin(),
                 [](char c) { return static_cast<char>(c - 'A' + 'a'); });
  return Json{{"severity", severity}, {"text", latin1ToUtf8(line.substr(colon + 2))}};
}

} // namespace

Result<FoundMissions> missionFilesUnder(const std::string& dir) {
  std::error_code ec;
  const fs::path root = pathFromUtf8(dir);
  if (!fs::is_directory(root, ec)) {
    return makeError(ErrorKind::Missing, dir + " is not a folder.");
  }
  FoundMissions found;
  // Folders are walked one by one so each that cannot be read is named;
  // links to folders are not followed (no loops).
  std::vector<fs::path> folders{root};
  while (!folders.empty()) {
    const fs::path folder = std::move(folders.back());
    folders.pop_back();
    fs::directory_iterator it(folder, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
      std::error_code kind;
      if (it->is_directory(kind) && !it->is_symlink(kind))
        folders.push_back(it->path());
      else if (it->is_regular_file(kind) && hasTieExtension(it->path()))
        found.files.push_back(utf8FromPath(it->path()));
    }
    if (ec) {
      found.unreadable.push_back("Cannot read " + utf8FromPath(folder) + ": " + ec.message() + ".");
      ec.clear();
    }
  }
  std::sort(found.files.begin(), found.files.end());
  std::sort(found.unreadable.begin(), found.unreadable.end());
  return found;
}

std::string readFailureText(const Error& e, const std::string& path) {
  // The refusals of other games' files do not name the file; a script needs it.
  if (e.kind == ErrorKind::ForeignFormat || e.kind == ErrorKind::Unrecognized)
    return path + ": " + e.message;
  return e.message;
}

CampaignSummary checkMissions(const std::vector<std::string>& paths, const CampaignOptions& options,
                              std::ostream& out, std::ostream& err) {
  return forEachMission(paths, options.format, out, err,
                        [&](const Document& doc, std::size_t, FileReport& report) {
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
                          if (lines.empty()) report.text = "No known errors.\n";
                          Json messages = Json::array();
                          for (const std::string& line : lines) {
                            appendLatin1AsUtf8(report.text, line);
                            report.text += '\n';
                            messages.push_back(messageJson(line));
                          }
                          report.json["messages"] = std::move(messages);
                          return result.errors.empty();
                        });
}

CampaignSummary describeMissions(const std::vector<std::string>& paths, std::ostream& out,
                                 std::ostream& err) {
  return forEachMission(paths, ReportFormat::Text, out, err,
                        [](const Document& doc, std::size_t, FileReport& report) {
                          describeMission(doc, report.text);
                          return true;
                        });
}

CampaignSummary infoMissions(const std::vector<std::string>& paths, ReportFormat format,
                             std::ostream& out, std::ostream& err) {
  return forEachMission(
      paths, format, out, err,
      [](const Document& doc, std::size_t size, FileReport& report) {
        Json& j = report.json;
        j["platform"] = doc.platform & 0xFF;
        j["flightGroups"] = doc.flightGroups.size();
        j["messages"] = doc.messages.size();
        j["title"] = latin1ToUtf8(doc.title());
        j["size"] = size;
        j["trailingBytes"] = doc.trailing.size();
        report.text = "platform: " + std::to_string(doc.platform & 0xFF) +
                      "\nflight groups: " + std::to_string(doc.flightGroups.size()) +
                      "\nmessages: " + std::to_string(doc.messages.size()) +
                      "\ntitle: " + latin1ToUtf8(doc.title()) + "\nsize: " + std::to_string(size) +
                      "\ntrailing bytes: " + std::to_string(doc.trailing.size()) + "\n";
        return true;
      },
      true);
}

} // namespace zephlo
