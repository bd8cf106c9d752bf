#include "cli/tool.h"

#include "check/campaign.h"
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
    std::cerr << "zephlo-tool: " << readFailureText(r, path) << "\n";
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
