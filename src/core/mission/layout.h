// Sizes of the mission file's sections and offsets of the record fields the
// editor interprets. Offsets are relative to the record or block they belong to.
#pragma once

#include <cstddef>
#include <cstdint>

namespace zephlo {

inline constexpr std::uint16_t kPlatformXwa = 18;
inline constexpr int kTeamCount = 10;
inline constexpr int kRegionCount = 4;
inline constexpr int kOrdersPerRegion = 4;
inline constexpr int kFGGoalCount = 8;
// The craft type of a backdrop (a planet, nebula or sun painted behind space).
inline constexpr std::uint8_t kBackdrop = 183;

// Section sizes, in file order.
namespace size {
inline constexpr std::size_t platform = 2;
inline constexpr std::size_t header = 9198;
inline constexpr std::size_t flightGroup = 3646;
inline constexpr std::size_t message = 162;
inline constexpr std::size_t globalGoal = 368;
inline constexpr std::size_t team = 487;
inline constexpr std::size_t briefing = 17428;
inline constexpr int briefingStrings = 128;
inline constexpr std::size_t reservedA = 17458;
inline constexpr std::size_t optionalData[4] = {234, 44, 88, 108};
inline constexpr std::size_t textSection = 4096;
inline constexpr std::size_t reservedB = 2172;
inline constexpr std::size_t reservedC = 26500;
inline constexpr std::size_t goalString = 64;
inline constexpr int fgGoalStrings = 24;
inline constexpr int teamGoalStrings = 36;
inline constexpr std::size_t reservedD = 73;
inline constexpr int reservedStrings = 1300;
inline constexpr std::size_t reservedStringBody = 63;
inline constexpr std::size_t reservedE = 2179;
inline constexpr std::size_t maxRecords = 65535; // the counts are 16-bit words

// The largest file the sections can add up to: every count and every counted
// string at its maximum, every goal string in its long form.
inline constexpr std::size_t largestMission =
    platform + header + maxRecords * (flightGroup + fgGoalStrings * goalString) +
    maxRecords * message + kTeamCount * (globalGoal + team + teamGoalStrings * goalString) +
    briefing + 2 * briefingStrings * (2 + 0xFFFF) + reservedA + 4 * 3 + optionalData[0] +
    optionalData[1] + optionalData[2] + optionalData[3] + 4 * textSection + reservedB + reservedC +
    reservedD + reservedStrings * (1 + reservedStringBody) + reservedE;
// Files above this are refused before they are read. It leaves room for
// bytes another tool may have put after the last section, and keeps an
// absurd file from taking gigabytes of memory.
inline constexpr std::size_t maxFile = largestMission + (64u << 20);
} // namespace size

// Header (section 2).
namespace hdr {
inline constexpr std::size_t NumFGs = 0;
inline constexpr std::size_t NumMessages = 2;
inline constexpr std::size_t UnknownFlag1 = 6;
inline constexpr std::size_t UnknownFlag2 = 9;
inline constexpr std::size_t HeaderStrings = 18; // 4 x 20
inline constexpr std::size_t HeaderStringSize = 20;
inline constexpr std::size_t RegionNames = 98; // 4 x 132
inline constexpr std::size_t RegionNameSize = 132;
inline constexpr std::size_t StringTable16 = 626; // 16 x 140
inline constexpr std::size_t StringTable16Entry = 140;
inline constexpr std::size_t StringTable16Text = 0; // 64 characters
inline constexpr std::size_t StringTable16TextSize = 64;
inline constexpr std::size_t StringTable16Byte1 = 68; // single bytes the header dialog edits
inline constexpr std::size_t StringTable16Byte2 = 72;
inline constexpr std::size_t StringTable16Byte3 = 75;
inline constexpr std::size_t StringTable72 = 2866; // 72 x 87
inline constexpr std::size_t StringTable72Entry = 87;
inline constexpr std::size_t MissionType = 9130;
inline constexpr std::size_t TimeValues = 9131; // 4 x u8
inline constexpr std::size_t MothershipBriefing1 = 9135;
inline constexpr std::size_t UnknownValues = 9136; // 2 x u8
inline constexpr std::size_t MothershipBriefing2 = 9138;
inline constexpr std::size_t UnknownValue = 9139;
} // namespace hdr

// Flight-group record (section 3).
namespace fg {
inline constexpr std::size_t Name = 0;
inline constexpr std::size_t NameSize = 20;
inline constexpr std::size_t Role1Switch = 20;
inline constexpr std::size_t Role2Switch = 21;
inline constexpr std::size_t Role1 = 22;
inline constexpr std::size_t Role2 = 23;
inline constexpr std::size_t RoleUnknown1 = 24;
inline constexpr std::size_t BackdropShadow = 25;
inline constexpr std::size_t RoleUnknown2 = 26;
inline constexpr std::size_t Cargo = 40;
inline constexpr std::size_t SpecialCargo = 60;
inline constexpr std::size_t CargoSize = 20;
inline constexpr std::size_t SpecialCraft = 105;
inline constexpr std::size_t RandomSpecialCraft = 106;
inline constexpr std::size_t CraftType = 107;
inline constexpr std::size_t NumCraft = 108;
inline constexpr std::size_t Status1 = 109;
inline constexpr std::size_t Warhead = 110;
inline constexpr std::size_t Beam = 111;
inline constexpr std::size_t Iff = 112;
inline constexpr std::size_t Team = 113;
inline constexpr std::size_t AiRank = 114;
inline constexpr std::size_t Colour = 115;
inline constexpr std::size_t Radio = 116;
inline constexpr std::size_t Formation = 118;
inline constexpr std::size_t FormationSpacing = 119;
inline constexpr std::size_t GlobalGroup = 120;
inline constexpr std::size_t NumWavesMinusOne = 122;
inline constexpr std::size_t PlayerNumber = 125;
inline constexpr std::size_t PlayerFlag = 126; // shown as "?" beside the player number
inline constexpr std::size_t PlayerCraftPosition = 127;
inline constexpr std::size_t Heading = 128;
inline constexpr std::size_t Orientation = 129;
inline constexpr std::size_t Difficulty = 134;
inline constexpr std::size_t ArrivalPair1 = 136;
inline constexpr std::size_t ArrivalPair2 = 152;
inline constexpr std::size_t ArrivalPairsOr = 168;
inline constexpr std::size_t ArrivalDelayMinutes = 170;
inline constexpr std::size_t ArrivalDelaySeconds = 171;
inline constexpr std::size_t DeparturePair = 172;
inline constexpr std::size_t DepartureDelayMinutes = 188;
inline constexpr std::size_t DepartureDelaySeconds = 189;
inline constexpr std::size_t AbortWhen = 190;
inline constexpr std::size_t ArrivalMothership = 194;
inline constexpr std::size_t ArriveByMothership = 195;
inline constexpr std::size_t DepartureMothership = 196;
inline constexpr std::size_t DepartByMothership = 197;
inline constexpr std::size_t AltArrivalMothership = 198;
inline constexpr std::size_t ArriveByAltMothership = 199;
inline constexpr std::size_t AltDepartureMothership = 200;
inline constexpr std::size_t DepartByAltMothership = 201;
inline constexpr std::size_t Orders = 202;        // 16 x 148, region-major
inline constexpr std::size_t SkipTriggers = 2570; // 16 x 16, same order
inline constexpr std::size_t Goals = 2826;        // 8 x 80
inline constexpr std::size_t GoalSize = 80;
inline constexpr std::size_t StartPoints = 3466; // 4 x 8
inline constexpr std::size_t StartRegion = 3498;
inline constexpr std::size_t StartPointRegions = 3499; // regions of start points 2 to 4
inline constexpr std::size_t FurtherPoint1 = 3502;
inline constexpr std::size_t FurtherPoint2 = 3510;
inline constexpr std::size_t InitialCountermeasure = 3527;
inline constexpr std::size_t ExplosionTime = 3528;
inline constexpr std::size_t Status2 = 3529;
inline constexpr std::size_t GlobalUnit = 3530;
inline constexpr std::size_t OptionalWarheads = 3532;        // 8
inline constexpr std::size_t OptionalBeams = 3540;           // 6
inline constexpr std::size_t OptionalCountermeasures = 3546; // 4
inline constexpr std::size_t OptionalCraftCategory = 3550;
inline constexpr std::size_t OptionalCraftTypes = 3551;  // 10
inline constexpr std::size_t OptionalCraftCounts = 3561; // 10
inline constexpr std::size_t OptionalCraftWaves = 3571;  // 10
inline constexpr std::size_t BackdropNumber = 3602;

inline constexpr std::size_t orderOffset(int region, int order) { // both 1-based
  return Orders + static_cast<std::size_t>((region - 1) * 4 + (order - 1)) * 148;
}
inline constexpr std::size_t skipOffset(int region, int order) { // both 1-based
  return SkipTriggers + static_cast<std::size_t>((region - 1) * 4 + (order - 1)) * 16;
}
inline constexpr std::size_t goalOffset(int goal) { // 0-based
  return Goals + static_cast<std::size_t>(goal) * GoalSize;
}
inline constexpr std::size_t startPointOffset(int point) { // 1-based
  return StartPoints + static_cast<std::size_t>(point - 1) * 8;
}
} // namespace fg

// Trigger, 6 bytes.
namespace trig {
inline constexpr std::size_t Condition = 0;
inline constexpr std::size_t VariableType = 1;
inline constexpr std::size_t Variable = 2;
inline constexpr std::size_t Amount = 3;
inline constexpr std::size_t Parameter1 = 4;
inline constexpr std::size_t Parameter2 = 5;
inline constexpr std::size_t Size = 6;
} // namespace trig

// Trigger pair, 16 bytes.
namespace pair {
inline constexpr std::size_t First = 0;
inline constexpr std::size_t Second = 6;
inline constexpr std::size_t Or = 14;
inline constexpr std::size_t Size = 16;
} // namespace pair

// Order record, 148 bytes.
namespace ord {
inline constexpr std::size_t Command = 0;
inline constexpr std::size_t Speed = 1;
inline constexpr std::size_t Parameter1 = 2;
inline constexpr std::size_t Parameter2 = 3;
inline constexpr std::size_t Target3Type = 6;
inline constexpr std::size_t Target4Type = 7;
inline constexpr std::size_t Target3 = 8;
inline constexpr std::size_t Target4 = 9;
inline constexpr std::size_t Target34Either = 10;
inline constexpr std::size_t Target1Type = 12;
inline constexpr std::size_t Target1 = 13;
inline constexpr std::size_t Target2Type = 14;
inline constexpr std::size_t Target2 = 15;
inline constexpr std::size_t Target12Either = 16;
inline constexpr std::size_t Waypoints = 20; // 8 x 8
inline constexpr std::size_t Size = 148;
inline constexpr std::size_t waypointOffset(int wp) { // 1-based
  return Waypoints + static_cast<std::size_t>(wp - 1) * 8;
}
} // namespace ord

// Waypoint, 8 bytes.
namespace wp {
inline constexpr std::size_t X = 0;
inline constexpr std::size_t Y = 2;
inline constexpr std::size_t Z = 4;
inline constexpr std::size_t Enabled = 6;
} // namespace wp

// Flight-group goal, 80 bytes.
namespace goal {
inline constexpr std::size_t Requirement = 0;
inline constexpr std::size_t Condition = 1;
inline constexpr std::size_t Amount = 2;
inline constexpr std::size_t Points = 3; // signed, points / 25
inline constexpr std::size_t TeamFlag = 4;
inline constexpr std::size_t Team = 5;
inline constexpr std::size_t Time = 13;
inline constexpr std::size_t Parameter = 14;
inline constexpr std::size_t Parameter2 = 15;
} // namespace goal

// Message record (section 4).
namespace msg {
inline constexpr std::size_t Number = 0;
inline constexpr std::size_t Text = 2;
inline constexpr std::size_t TextSize = 64;
inline constexpr std::size_t SentTo = 82; // 8 x u8
inline constexpr std::size_t Pair1 = 92;
inline constexpr std::size_t Pair2 = 108;
inline constexpr std::size_t Id = 124;
inline constexpr std::size_t IdSize = 8;
inline constexpr std::size_t Unknown = 132;
inline constexpr std::size_t Delay = 140;
inline constexpr std::size_t PairsOr = 141;
inline constexpr std::size_t Colour = 142;
inline constexpr std::size_t CancelPair = 144;
inline constexpr std::size_t CancelAnd = 158; // 1 = And, 0 = Or
} // namespace msg

// Global-goal record (section 5): three blocks of 122 bytes.
namespace gg {
inline constexpr std::size_t Unknown0 = 0; // u16; 3 in a new mission
inline constexpr std::size_t BlockSize = 122;
inline constexpr std::size_t Pair1 = 2;
inline constexpr std::size_t Pair2 = 18;
inline constexpr std::size_t Unknown41 = 41;
inline constexpr std::size_t PairsOr = 51;
inline constexpr std::size_t Unknown52 = 52;
inline constexpr std::size_t Points = 53;
inline constexpr std::size_t Unknown54 = 54;
inline constexpr std::size_t Unknown55 = 55;
inline constexpr std::size_t Unknown58 = 58;
inline constexpr std::size_t blockOffset(int kind) { // 0 primary, 1 prevent, 2 secondary
  return static_cast<std::size_t>(kind) * BlockSize;
}
} // namespace gg

// Team record (section 6).
namespace team {
inline constexpr std::size_t Unknown0 = 0; // u16; 1 in a new mission
inline constexpr std::size_t Name = 2;
inline constexpr std::size_t NameSize = 16;
inline constexpr std::size_t Allies = 26;   // 8 x u8
inline constexpr std::size_t EndTexts = 36; // 6 x 64
inline constexpr std::size_t EndTextSize = 64;
inline constexpr std::size_t endTextOffset(int i) { // 0-based
  return EndTexts + static_cast<std::size_t>(i) * EndTextSize;
}
} // namespace team

} // namespace zephlo
