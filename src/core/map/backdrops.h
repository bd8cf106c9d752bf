// Backdrops: the default backdrop flight group, the picker's cell numbers
// and shadow buttons, and the names of Backdrops.txt.
#pragma once

#include "core/mission/edit.h"
#include "core/mission/new_mission.h"
#include "core/mission/result.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace zephlo {

// A backdrop flight group made from the template: "1.0 1.0 1.0", brightness
// and size "1.0", backdrop number 1, present only in startRegion (0-3).
FGObject makeDefaultBackdrop(const Templates& t, int startRegion);

// Appends the default backdrop in the current region ("Add Backdrop"); the
// current flight group stays current and becomes the only selected line.
Operation addDefaultBackdropOperation(const Templates& t);

// The picker's pictures: cells of 51 x 51 pixels numbered from 1 down the
// columns, 12 to a column. 0 for a point left of or above the pictures.
inline constexpr int kPickerCell = 51;
inline constexpr int kPickerColumnCells = 12;
int backdropAtPoint(int x, int y);

// The "Shadow:" button (0-6) that shows a shadow value: values 1-6 their own,
// any other the first.
int shadowButtonFor(Byte shadow);

// "&Use" in the picker ("Choose Backdrop"): every given flight group gets the
// shadow value, and those that are backdrops the backdrop number; other
// craft keep their special-craft number. Refuses a number above 255.
Operation useBackdropOperation(std::vector<int> flightGroups, int number, Byte shadow);

// The lines of Backdrops.txt: line k names backdrop number k.
std::vector<std::string> parseBackdropNames(std::string_view text);
// Reads Backdrops.txt; nothing when there is no such file (the number list
// is used then), an error naming the file when it cannot be read.
Result<std::optional<std::vector<std::string>>>
readBackdropNames(const std::filesystem::path& path);
// The items of the backdrop-number box: the names when there are any,
// otherwise the number list ("none", "1" ... "255").
std::vector<std::string> backdropNumberItems(const std::optional<std::vector<std::string>>& names);

} // namespace zephlo
