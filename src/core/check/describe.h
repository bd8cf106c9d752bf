// A mission as readable lines, one fact a line, so that two versions of a
// mission can be compared with an ordinary text diff.
#pragma once

#include <string>

namespace zephlo {

struct Document;

// Appends the description to out: "key: value" lines, each ended by a
// newline, in UTF-8 (the mission's 8-bit texts read as Latin-1). One buffer
// for the whole mission, as a campaign of thousands of missions is
// described line by line.
void describeMission(const Document& doc, std::string& out);

} // namespace zephlo
