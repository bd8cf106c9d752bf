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
  Result<Document> r = readMission(path);
  if (!r) {
    std::cerr << "zephlo-tool: " << readFailureText(r.error(), path) << "\n";
    return nullptr;
  }
  return std::make_unique<Document>(std::move(*r));
}

int save(const Document& doc, const std::string& path) {
  const Status w = writeMission(doc, path);
  if (!w) {
    std::cerr << "zephlo-tool: " << w.error().message << "\n";
    return kExitWriteFailed;
  }
  return kExitOk;
}

} // namespace zephlo::tool
