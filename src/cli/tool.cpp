#include "cli/tool.h"

#include "mission/reader.h"
#include "mission/writer.h"

#include <iostream>

namespace zephlo::tool {

int usageError(const std::string& what) {
  std::cerr << "zephlo-tool: " << what << "\nTry 'zephlo-tool --help'.\n";
  return kExitBadInput;
}

std::unique_ptr<Document> load(const std::string& path) {
  ReadOutcome r = readMission(path);
  if (!r.ok()) {
    std::string msg = r.message;
    // Notices about other games' files do not name the file; a script needs it.
    if (r.status != ReadStatus::Damaged && r.status != ReadStatus::Missing &&
        r.status != ReadStatus::Unreadable) {
      msg = path + ": " + msg;
    }
    std::cerr << "zephlo-tool: " << msg << "\n";
    return nullptr;
  }
  return std::move(r.document);
}

int save(Document& doc, const std::string& path) {
  WriteResult w = writeMission(doc, path);
  if (!w.ok) {
    std::cerr << "zephlo-tool: " << w.error << "\n";
    return kExitWriteFailed;
  }
  return kExitOk;
}

} // namespace zephlo::tool
