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
  Result<Document> r = readMission(path);
  if (!r) {
    std::string msg = r.error().message;
    // Refusals of other games' files do not name the file; a script needs it.
    if (r.error().kind == ErrorKind::ForeignFormat || r.error().kind == ErrorKind::Unrecognized)
      msg = path + ": " + msg;
    std::cerr << "zephlo-tool: " << msg << "\n";
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
