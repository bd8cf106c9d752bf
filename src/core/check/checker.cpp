#include "core/check/checker.h"

#include <algorithm>

#include "core/mission/document.h"
#include "core/mission/layout.h"
#include "core/mission/list_lines.h"

#include <array>
#include <string>

namespace zephlo {

namespace {

constexpr Byte kNoCraft = 0;
constexpr Byte kModStrikeCruiser = 92;
constexpr Byte kAttackTargets = 7;
constexpr Byte kShipCategory = 3;
constexpr Byte kStarfighters = 0;
constexpr int kTrackedPlayers = 8; // the flight-group editor offers players 1-8

// Capital ships that hop about the map when given a fighter's "Attack" order.
// The liner, the Carrack and the escort carrier cope with it.
bool jumpsOnAttack(Byte craft) {
  switch (craft) {
  case 42: // Nebulon B Frigate
  case 43: // Modified Neb B Frigate
  case 46: // Strike Cruiser
  case 48: // Dreadnaught
  case 49: // Calamari Cruiser
  case 50: // Lt Calamari Cruiser
  case 51: // Interdictor
  case 52: // Victory Star Destroyer
  case 53: // Imperial Star Destroyer
  case 54: // Super Star Destroyer
  case kModStrikeCruiser: return true;
  default: return false;
  }
}

bool isStarfighters(const Byte* order, std::size_t typeOff, std::size_t valueOff) {
  return order[typeOff] == kShipCategory && order[valueOff] == kStarfighters;
}

// An unlinked pair naming "Starfighters" makes the craft attack every
// starfighter in the mission, friend or foe.
bool attacksAllStarfighters(const Byte* order) {
  const bool pair12 = (isStarfighters(order, ord::Target1Type, ord::Target1) ||
                       isStarfighters(order, ord::Target2Type, ord::Target2)) &&
                      order[ord::Target12Either] == 1;
  const bool pair34 = (isStarfighters(order, ord::Target3Type, ord::Target3) ||
                       isStarfighters(order, ord::Target4Type, ord::Target4)) &&
                      order[ord::Target34Either] == 1;
  return pair12 || pair34;
}

bool isSinglePlayerType(Byte missionType) {
  return missionType == 5 || missionType == 6 || missionType == 7;
}

constexpr Byte kDeathStarRun = 5;

} // namespace

std::vector<std::string> CheckResult::lines(bool omitWarnings) const {
  std::vector<std::string> out = errors;
  if (!omitWarnings) out.insert(out.end(), warnings.begin(), warnings.end());
  return out;
}

std::vector<std::string> errorListLines(const CheckResult& result, bool omitWarnings,
                                        const std::vector<std::string>& further) {
  std::vector<std::string> out = result.lines(omitWarnings);
  out.insert(out.end(), further.begin(), further.end());
  for (std::string& line : out)
    std::replace_if(
        line.begin(), line.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
  return out;
}

CheckResult checkMission(const Document& doc) {
  CheckResult res;
  auto& errors = res.errors;
  auto& warnings = res.warnings;

  int playerCount = 0;
  std::array<int, kTeamCount> playersPerTeam{};
  std::array<bool, kTrackedPlayers + 1> playerSeen{};
  bool hasBackdrop = false;
  bool player1HasMothership = true;

  const int fgCount = static_cast<int>(doc.flightGroups.size());
  for (int k = 0; k < fgCount; ++k) {
    const FGObject& f = doc.flightGroups[static_cast<std::size_t>(k)];
    const Byte craft = f.at(fg::CraftType);
    const Byte player = f.at(fg::PlayerNumber);

    if (craft == kBackdrop) hasBackdrop = true;

    if (player == 1 && f.at(fg::ArriveByMothership) == 0 && f.at(fg::DepartByMothership) == 0 &&
        f.at(fg::ArriveByAltMothership) == 0 && f.at(fg::DepartByAltMothership) == 0)
      player1HasMothership = false;

    if (craft == kNoCraft)
      errors.push_back("ERROR: FG#" + std::to_string(k + 1) + " has no Ship type.");
    else if (craft == kModStrikeCruiser)
      warnings.push_back("WARNING: Modified Strike Crusiers not included with XWA.");

    if (player != 0) {
      ++playerCount;
      const Byte team = f.at(fg::Team);
      if (team < kTeamCount) ++playersPerTeam[team];
      // Higher numbers cannot be chosen in the editor, so they are not
      // compared with one another.
      if (player <= kTrackedPlayers) {
        if (playerSeen[player])
          errors.push_back("ERROR: There is more than one Player " + std::to_string(player) +
                           " All Players should have different Player numbers.");
        else
          playerSeen[player] = true;
      }
    }

    const std::string label = fgLabel(doc, k);

    const Byte numCraft = f.at(fg::NumCraft);
    if (numCraft > 6)
      warnings.push_back("WARNING: " + label + " has " + std::to_string(numCraft) +
                         " ships in FG. " +
                         " XWA does not properly support FG Formations larger than 6 ships.");

    for (int o = 1; o <= kOrdersPerRegion; ++o) {
      for (int r = 1; r <= kRegionCount; ++r) {
        const Byte* order = f.order(r, o);
        if (order[ord::Command] != kAttackTargets) continue;
        if (jumpsOnAttack(craft))
          warnings.push_back("WARNING: " + label + " - Order " + std::to_string(o) + ", Region#" +
                             std::to_string(r) + ": Capital ship with \"Attack\" order will" +
                             " make it jump around. Use a Starship order such as Patrol and "
                             "Attack instead.");
        if (attacksAllStarfighters(order))
          warnings.push_back("WARNING: " + label + " - Order " + std::to_string(o) +
                             ": Attack Starfighters has \"Either A or B\" flag turned on, "
                             "therefore " +
                             "it will attack ALL Starfighters in the mission, regardless of "
                             "Team or IFF.");
      }
    }
  }

  if (!hasBackdrop)
    warnings.push_back("WARNING: There are no backdrops in the mission. It will be dark!");

  if (playerCount == 0)
    errors.push_back("ERROR: There are no Player Craft in this mission.");
  else if (playersPerTeam[0] == 0)
    warnings.push_back("WARNING: There are no player craft on Team 1. Player craft must be on "
                       "Team 1 in order to hyper jump.");

  const Byte missionType = doc.missionType();
  if (isSinglePlayerType(missionType)) {
    if (playerCount > 1)
      errors.push_back("ERROR: There is more than one player in Single player mission type.");
    else if (!player1HasMothership && missionType != kDeathStarRun && playerCount >= 1)
      warnings.push_back("WARNING: Player has no Mother ship assigned.");
  }

  return res;
}

} // namespace zephlo
