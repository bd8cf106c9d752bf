// File names are UTF-8 in every std::string of the program. On Windows a
// std::filesystem::path built from a narrow string reads it in the ANSI code
// page instead (and its string() may throw), so names cross between the two
// through these functions. Elsewhere they are plain copies.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace zephlo {

std::filesystem::path pathFromUtf8(std::string_view utf8);
std::string utf8FromPath(const std::filesystem::path& path);

#if defined(_WIN32)
// For the wide-character calls of the Windows API. Bytes that are not UTF-8
// become U+FFFD, which no file name holds, so such a name is never found.
std::wstring wideFromUtf8(std::string_view utf8);
std::string utf8FromWide(std::wstring_view wide);
// The system's own words for an error code (GetLastError()), in UTF-8 and
// without the final full stop, ready for "Cannot save X: <words>.".
std::string windowsErrorText(unsigned long code);
#endif

} // namespace zephlo
