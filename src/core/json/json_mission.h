// A whole mission file as JSON and back: every field by name, the bytes no
// field names as hex, so that the JSON gives back the very same file.
#pragma once

#include "core/mission/bytes.h"
#include "core/mission/document.h"
#include "core/mission/result.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zephlo {

// The largest JSON text import reads: room for thousands of flight groups,
// far beyond what the game takes, while a runaway input is refused early.
inline constexpr std::size_t kMaxJsonBytes = 64u << 20;

// The JSON text for the bytes of a mission file; name is used in messages.
// Refuses what the mission reader refuses, with its message.
Result<std::string> missionToJson(std::span<const Byte> file, const std::string& name);

// A JSON text starts with its value: a stream whose first bytes cannot
// begin one (NUL bytes, binary) is refused before it is read whole.
std::optional<Error> refusedAsJson(std::span<const Byte> first);

// The mission file's bytes for a JSON text. A value of the wrong type, out
// of range, missing or unknown is refused with its JSON path
// ("IN.json: flightGroups[3].orders[1].speed: expected an integer 0..255, got 300").
Result<std::vector<Byte>> missionFromJson(std::string_view text, const std::string& name);

// For the editor's File menu, one call each way. The document as JSON in the
// file at path, written safely (a failed write leaves the old file whole);
// and a document from a JSON file, read only if it is a regular file within
// kMaxJsonBytes. The document is saved and read as the mission file would
// be, so the JSON holds what Save would write. Failures name the file.
Status exportMissionJson(const Document& doc, const std::string& path);
Result<Document> importMissionJson(const std::string& path, bool autolink = true);

} // namespace zephlo
