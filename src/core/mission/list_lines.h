// The lines of the flight-group and message lists, their labels and colours.
#pragma once

#include "core/gamedata/colours.h"
#include "core/mission/document.h"

#include <string>
#include <vector>

namespace zephlo {

// A flight group's line in the flight-group list.
std::string fgLineText(const Document& doc, int index);
// The short name used wherever a flight group is named: craft, name, and
// the player number or the craft number within its global unit.
std::string fgLabel(const Document& doc, int index);
// Number of the first craft of this flight group within its global unit,
// or 0 when the global unit is not between 1 and 50.
int firstCraftInGlobalUnit(const Document& doc, int index);
Colour fgLineColour(const Document& doc, int index, bool dimAbsent, int currentRegion);

// A message's line; voiceEntries is the voice list (empty when there is none).
std::string msgLineText(const Document& doc, int index,
                        const std::vector<std::string>& voiceEntries = {});
Colour msgLineColour(const Document& doc, int index);
// A flight-group goal's line (80 bytes) is drawn in the autolink IFF colour
// of the goal's team.
Colour fgGoalLineColour(const Document& doc, const Byte* goal);
// A message text as shown: a leading colour digit "1", "2" or "3" is hidden.
std::string displayedMessageText(const std::string& text);

// The six end-of-mission lines of a team, shown in place of the messages.
std::vector<std::string> completionLines(const Document& doc, int team);

} // namespace zephlo
