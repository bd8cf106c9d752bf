// A new mission and the templates new flight groups and messages start from.
#pragma once

#include "core/mission/document.h"

namespace zephlo {

// The preferences a new mission depends on.
struct MissionPrefs {
  Byte defaultCraftType = 1;
  Byte defaultAiRank = 2;
  bool autolink = true;
};

struct Templates {
  Block<size::flightGroup> flightGroup{};
  Block<size::message> message{};
};

Templates makeTemplates(const MissionPrefs& prefs, Byte team1Iff);

// A flight group made from the template: start point 1 enabled, in the given
// start region (0-3), with the team-IFF of team 1.
FGObject makeFlightGroup(const Templates& t, Byte iff, int startRegion, bool autolink);

Document newMission(const MissionPrefs& prefs);

} // namespace zephlo
