// The one mission the editor holds: every section of the file, the record
// objects, and the derived values kept beside them.
#pragma once

#include "core/mission/briefing_block.h"
#include "core/mission/records.h"

#include <array>
#include <set>
#include <string>
#include <vector>

namespace zephlo {

inline constexpr const char* kUnnamed = "Unnamed";
inline constexpr const char* kNoVoiceList = "none";

struct Document {
  std::uint16_t platform = kPlatformXwa;
  Block<size::header> header{};
  std::vector<FGObject> flightGroups;
  std::vector<MsgObject> messages;
  std::array<GGObject, kTeamCount> globalGoals{};
  std::array<TeamDetailObject, kTeamCount> teams{};
  std::array<GGStrObject, kTeamCount> globalGoalStrings{};
  Briefing briefing;
  Block<size::reservedA> reservedA{};
  std::array<OptionalSection, 4> optional{};
  Block<size::textSection> notes{};
  Block<size::reservedB> reservedB{};
  Block<size::reservedC> reservedC{};
  Block<size::reservedD> reservedD{};
  std::array<ReservedString, size::reservedStrings> reservedStrings{};
  Block<size::reservedE> reservedE{};
  Block<size::textSection> winDebrief{};
  Block<size::textSection> hints{};
  Block<size::textSection> description{};
  // Bytes found after the last section (written by some other tool); kept
  // so that saving never drops them.
  std::vector<Byte> trailing;

  std::array<Byte, kTeamCount> teamIff{}; // IFF given by autolink, per team
  std::string fileName = kUnnamed;
  std::string voiceListPath = kNoVoiceList;
  // The voice list's entries: one WAV file name per message (the first 64),
  // then the end-of-mission voices. Empty when the mission has none. Kept
  // here so that list commands and undo keep them beside their messages.
  std::vector<std::string> voiceEntries;

  std::uint16_t numFGsField() const { return getU16(header, hdr::NumFGs); }
  std::uint16_t numMessagesField() const { return getU16(header, hdr::NumMessages); }
  Byte missionType() const { return header[hdr::MissionType]; }
  std::string title() const { return briefing.texts[0]; } // first briefing text
  // The title as the window shows it after opening: a leading ">" marker
  // is dropped unless it is all there is.
  std::string titleAfterOpen() const {
    const std::string t = title();
    return t.size() > 1 && t[0] == '>' ? t.substr(1) : t;
  }
  bool hasFileName() const { return fileName != kUnnamed; }

  bool operator==(const Document&) const = default;
};

// What the editor is doing with the document; never saved.
struct EditorState {
  int currentFG = 0;
  int currentMsg = 0;
  int currentTeam = 0;
  int currentRegion = 1;     // 1-4
  int currentOrder = 1;      // 1-4
  int currentGoal = 0;       // 0-7
  int currentGlobalGoal = 0; // of the current team: 0 "Primary", 1 "Prevent", 2 "Secondary"
  std::set<int> selectedFGs;
  std::set<int> selectedMsgs;

  bool operator==(const EditorState&) const = default;
};

// Fills the team-IFF table from the flight groups: the first flight group
// met of each team gives that team's entry.
void buildTeamIffTable(Document& doc);

} // namespace zephlo
