// The game's plain-text side files: one item a line, lines ended by CR LF.
#pragma once

#include "core/mission/result.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zephlo {

// The lines of a text; CR LF, LF or a lone CR end a line, and a break after
// the last line adds no empty line.
std::vector<std::string> splitLines(std::string_view text);
// Each line followed by CR LF, as the game's tools write these files.
std::string joinLines(const std::vector<std::string>& lines);

// Reads a list file. A missing file is ErrorKind::Missing with missingMessage
// (or "<path> does not exist." when it is empty); any other failure names
// the path and the reason.
Result<std::vector<std::string>> readLinesFile(const std::filesystem::path& path,
                                               const std::string& missingMessage = {});
// Replaces the file with the lines through a temporary file, so a failure
// leaves the old file as it was.
Status writeLinesFile(const std::filesystem::path& path, const std::vector<std::string>& lines);

} // namespace zephlo
