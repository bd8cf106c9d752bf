// A mission as readable lines, one fact a line, so that two versions of a
// mission can be compared with an ordinary text diff.
#pragma once

#include <string>
#include <vector>

namespace zephlo {

struct Document;

std::vector<std::string> describeMission(const Document& doc);

} // namespace zephlo
