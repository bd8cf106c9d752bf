// Reading a mission file: all or nothing.
#pragma once

#include "core/mission/document.h"
#include "core/mission/input_file.h"
#include "core/mission/result.h"

#include <cstddef>
#include <span>
#include <string>

namespace zephlo {

// No mission file is larger.
SizeLimit missionSizeLimit();
// Another game's file, or no mission at all, shows in its first two bytes:
// the refusal the reader would give, found without reading the rest.
std::optional<Error> refusedByPlatform(std::span<const Byte> first);

// Reads the whole file at path. Anything but a regular mission file of a
// sane size is refused before it is read; on any failure no document is
// returned, so the caller's open document stays as it was. Another game's
// file is an error of kind ForeignFormat.
Result<Document> readMission(const std::string& path, bool autolink = true);

// The same for a path given to a script: "-" reads standard input, named
// "standard input" in messages.
Result<Document> readMissionInput(const std::string& path, bool autolink = true);

// The same from bytes already in memory; name is used in messages.
Result<Document> parseMission(std::span<const Byte> bytes, const std::string& name,
                              bool autolink = true);

} // namespace zephlo
