// Writing a mission file.
#pragma once

#include "mission/document.h"

#include <string>
#include <vector>

namespace zephlo {

// The file's bytes for the document. Brings the header's record counts up
// to date with the lists first.
std::vector<Byte> serializeMission(Document& doc);

struct WriteResult {
  bool ok = true;
  std::string error; // names the file and the system's reason
};

// Writes the mission to path safely: the old file is replaced only once the
// new one is complete on disk; on failure it is left as it was.
WriteResult writeMission(Document& doc, const std::string& path);

} // namespace zephlo
