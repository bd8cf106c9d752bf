// Looks through a mission for errors the game would not forgive and settings
// that work badly in it.
#pragma once

#include <string>
#include <vector>

namespace zephlo {

struct Document;

struct CheckResult {
  std::vector<std::string> errors;
  std::vector<std::string> warnings;

  // Lines that count: the errors, plus the warnings unless they are omitted.
  std::size_t count(bool omitWarnings) const {
    return errors.size() + (omitWarnings ? 0 : warnings.size());
  }
  // The lines to show, errors first.
  std::vector<std::string> lines(bool omitWarnings) const;
};

CheckResult checkMission(const Document& doc);

// The error list's lines: the result's lines, then the further lines (the
// game's limits) when given; a line break inside a name becomes a blank so
// each finding stays one line.
std::vector<std::string> errorListLines(const CheckResult& result, bool omitWarnings,
                                        const std::vector<std::string>& further);

} // namespace zephlo
