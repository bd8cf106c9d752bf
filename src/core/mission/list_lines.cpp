#include "core/mission/list_lines.h"

#include "core/gamedata/vocabularies.h"
#include "core/mission/fg_rules.h"

#include <cctype>
#include <cstdio>

namespace zephlo {

namespace {

std::string padTo10(int n) { return (n < 10 ? "  " : "") + std::to_string(n); }

const char* goalLetter(int condition) {
  switch (condition) {
  case 1: return "a";
  case 2: return "d";
  case 4: return "c";
  case 5: return "i";
  case 6: return "b";
  case 7: return "dk";
  case 8: return "di";
  case 12: return "m";
  case 44: return "bg";
  case 45: return "w";
  default: return "*";
  }
}

} // namespace

int firstCraftInGlobalUnit(const Document& doc, int index) {
  const auto& fgs = doc.flightGroups;
  const int unit = fgs[index].at(fg::GlobalUnit);
  if (unit < 1 || unit > 50) return 0;
  int first = 1;
  for (int k = 0; k < index; ++k) {
    if (fgs[k].at(fg::GlobalUnit) == unit) first += fgs[k].at(fg::NumCraft);
  }
  return first;
}

std::string fgLabel(const Document& doc, int index) {
  const FGObject& f = doc.flightGroups[index];
  std::string s = vocab::shortCraftName(f.at(fg::CraftType)) + " " + trimmed(f.name());
  const int player = f.at(fg::PlayerNumber);
  if (player != 0) {
    s += " (" + std::to_string(player) + ")";
  } else if (const int first = firstCraftInGlobalUnit(doc, index); first != 0) {
    s += " " + std::to_string(first);
  }
  return s;
}

std::string fgLineText(const Document& doc, int index) {
  const FGObject& f = doc.flightGroups[index];
  char team[8];
  std::snprintf(team, sizeof team, "%X", f.at(fg::Team) + 1);
  std::string s = std::string(team) + "   ";
  s += padTo10(f.at(fg::GlobalGroup)) + "  -";
  s += padTo10(f.at(fg::GlobalUnit));
  const int player = f.at(fg::PlayerNumber);
  if (player != 0) {
    s += f.at(fg::PlayerFlag) == 1 ? "? " : "   ";
    s += "(" + std::to_string(player) + ")  ";
  } else {
    s += "         ";
  }
  s += std::to_string(f.at(fg::NumWavesMinusOne) + 1) + "  x  [ " +
       std::to_string(f.at(fg::NumCraft)) + " ]  " + vocab::shortCraftName(f.at(fg::CraftType)) +
       "  " + trimmed(f.name());
  if (const int first = firstCraftInGlobalUnit(doc, index); first != 0) {
    s += " " + std::to_string(first);
  }
  if (f.at(fg::Role1Switch) == 0) {
    if (f.at(fg::Role1) == 3)
      s += " *";
    else if (f.at(fg::Role1) == 7)
      s += " ^";
  }
  const bool showTeams = doc.missionType() == 0 || doc.missionType() == 4;
  bool bracket = false, bonus = false;
  for (int g = 0; g < kFGGoalCount; ++g) {
    const Byte* gl = f.goal(g);
    const int condition = gl[goal::Condition];
    if (condition == 0 || condition == 10) continue;
    const int requirement = gl[goal::Requirement];
    if (requirement == 0 || requirement == 1) {
      if (!bracket) s += " [";
      bracket = true;
      if (showTeams) s += std::to_string(gl[goal::Team] + 1);
      if (requirement == 1) s += "N";
      s += goalLetter(condition);
    } else if ((requirement == 2 || requirement == 3) && !bonus) {
      s += "+";
      bonus = true;
    }
  }
  if (bracket) s += "]";
  return s;
}

Colour fgLineColour(const Document& doc, int index, bool dimAbsent, int currentRegion) {
  const FGObject& f = doc.flightGroups[index];
  const int difficulty = f.at(fg::Difficulty);
  if (difficulty == 6 || difficulty == 7) return rgb(128, 128, 128);
  const bool absent =
      currentRegion >= 1 && currentRegion <= kRegionCount && !presentInRegion(f, currentRegion);
  if (absent && dimAbsent) return rgb(79, 78, 79);
  return iffColour(f.at(fg::Iff), IffVariant::Normal);
}

std::string displayedMessageText(const std::string& text) {
  if (!text.empty() && (text[0] == '1' || text[0] == '2' || text[0] == '3')) {
    return text.substr(1);
  }
  return text;
}

std::string msgLineText(const Document& doc, int index,
                        const std::vector<std::string>& voiceEntries) {
  std::string s = (index < 10 ? " " : "") + std::to_string(index) + ":  " +
                  displayedMessageText(doc.messages[index].text());
  if (index < static_cast<int>(voiceEntries.size())) {
    std::string entry = voiceEntries[index];
    for (char& c : entry)
      c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    const bool voiced = doc.voiceListPath != kNoVoiceList && entry != "DUMMY.WAV";
    s = (voiced ? "* " : "  ") + s;
  }
  return s;
}

Colour msgLineColour(const Document& doc, int index) {
  MsgObject m = doc.messages[index];
  m.computeSentToAny();
  if (m.sentToAnyTeam == 0) return rgb(128, 128, 128);
  return iffColour(m.record[msg::Colour], IffVariant::Normal);
}

Colour fgGoalLineColour(const Document& doc, const Byte* goal) {
  const int team = goal[goal::Team];
  const int iff = team < kTeamCount ? doc.teamIff[static_cast<std::size_t>(team)] : 0;
  return iffColour(iff, IffVariant::Normal);
}

std::vector<std::string> completionLines(const Document& doc, int team) {
  static const char* const kPrefixes[6] = {"S1: ", "S2: ", "F1: ", "F2: ", "s1: ", "s2: "};
  std::vector<std::string> lines;
  const auto& rec = doc.teams[team].record;
  for (int i = 0; i < 6; ++i) {
    lines.push_back(kPrefixes[i] + getText(rec, team::endTextOffset(i), team::EndTextSize));
  }
  return lines;
}

} // namespace zephlo
