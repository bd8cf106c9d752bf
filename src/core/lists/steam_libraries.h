// Steam's list of its library folders, steamapps/libraryfolders.vdf: a text
// of nested "key" "value" and "key" { ... } pairs (Valve's KeyValues).
#pragma once

#include "core/mission/result.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zephlo {

// The library folders the text lists, in order: the "path" of each numbered
// entry, or the numbered values themselves in the older form. An error
// naming fileName when the text is not UTF-8, nests deeper than any such
// list does, or is not a list of this form.
Result<std::vector<std::string>> parseLibraryFolders(std::string_view text,
                                                     const std::string& fileName);

// Reads and parses the file: a regular file of a sane size only.
Result<std::vector<std::string>> readLibraryFolders(const std::filesystem::path& file);

} // namespace zephlo
