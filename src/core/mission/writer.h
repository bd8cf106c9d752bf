// Writing a mission file.
#pragma once

#include "core/mission/document.h"
#include "core/mission/result.h"
#include "core/mission/safe_write.h"

#include <string>
#include <vector>

namespace zephlo {

// The file's bytes for the document, with the header's record counts taken
// from the lists. Refused when a list holds more records than a count can
// say, or the file would be larger than the reader accepts: a file that
// could not be opened again is never written. name is used in messages
// (the document's file name when empty).
Result<std::vector<Byte>> serializeMission(const Document& doc, const std::string& name = {});

// Writes the mission to path safely: the old file is replaced only once the
// new one is complete on disk; on failure it is left as it was.
Status writeMission(const Document& doc, const std::string& path, const WriteOptions& options = {});

} // namespace zephlo
