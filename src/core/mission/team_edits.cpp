#include "core/mission/team_edits.h"

#include "core/mission/store_values.h"

#include <algorithm>

namespace zephlo {

namespace {

constexpr int kAllyTeams = 8, kEndTexts = 6;

bool validTeam(int t) { return t >= 0 && t < kTeamCount; }

// An edit of the current team's record.
Operation editTeam(const char* caption, const char* control, const EditorState& st,
                   std::function<void(TeamDetailObject&)> fn) {
  const int t = st.currentTeam;
  return {caption, std::string(control) + "@t" + std::to_string(t),
          [t, fn = std::move(fn)](Edit& e) -> Status {
            if (validTeam(t)) fn(e.team(t));
            return {};
          }};
}

} // namespace

std::string teamNameCaption(int team) { return "Team " + std::to_string(team + 1) + " Name"; }

int cycledTeam(int team) { return team >= kTeamCount - 1 || team < 0 ? 0 : team + 1; }
int previousTeam(int team) { return std::clamp(team - 1, 0, kTeamCount - 1); }
int nextTeam(int team) { return std::clamp(team + 1, 0, kTeamCount - 1); }

std::string globalGoalTeamCaption(const std::vector<std::string>& teamNames, int team) {
  const auto t = static_cast<std::size_t>(team);
  return "Team " + (t < teamNames.size() ? teamNames[t] : std::to_string(team + 1) + ".");
}

std::vector<std::string> sentToTeamNames(const std::vector<std::string>& teamNames) {
  constexpr std::size_t kSentToTeams = 8;
  return {teamNames.begin(), teamNames.begin() + static_cast<std::ptrdiff_t>(
                                                     std::min(kSentToTeams, teamNames.size()))};
}

Operation storeTeamName(std::string_view name, const EditorState& st) {
  return editTeam("Rename Team", "TeamName1Ed", st,
                  [n = std::string(name)](TeamDetailObject& t) { t.setName(n); });
}

Operation storeAllies(const std::vector<int>& rows, const EditorState& st) {
  std::array<Byte, kAllyTeams> flags{};
  for (int r : rows) {
    if (r >= 0 && r < kAllyTeams) flags[static_cast<std::size_t>(r)] = 1;
  }
  return editTeam("Change Allies", "FriendsList", st, [flags](TeamDetailObject& t) {
    std::copy(flags.begin(), flags.end(), t.record.begin() + team::Allies);
  });
}

std::vector<int> allyRows(const TeamDetailObject& t) {
  std::vector<int> rows;
  for (int k = 0; k < kAllyTeams; ++k) {
    if (t.record[team::Allies + static_cast<std::size_t>(k)] == 1) rows.push_back(k);
  }
  return rows;
}

Operation storeTeamIff(int iff, const EditorState& st) {
  const int t = st.currentTeam;
  const Byte v = clampByte(iff);
  return {"Change Team IFF", "TeamIFFBox1@t" + std::to_string(t), [t, v](Edit& e) -> Status {
            if (!validTeam(t)) return {};
            e.teamIff()[static_cast<std::size_t>(t)] = v;
            if (v == 0) e.team(t).setName("Rebel");
            if (v == 1) e.team(t).setName("Imperial");
            return {};
          }};
}

Operation storeEndText(int tag, std::string_view text, const EditorState& st) {
  const std::string control = "EndText" + std::to_string(tag);
  return editTeam("Change End-of-Mission Text", control.c_str(), st,
                  [tag, s = std::string(text)](TeamDetailObject& t) {
                    if (tag >= 1 && tag <= kEndTexts)
                      setText(t.record, team::endTextOffset(tag - 1), team::EndTextSize, s);
                  });
}

std::string endText(const TeamDetailObject& t, int tag) {
  if (tag < 1 || tag > kEndTexts) return {};
  return getText(t.record, team::endTextOffset(tag - 1), team::EndTextSize);
}

Operation linkTeamByRadio(const EditorState& st) {
  const int t = st.currentTeam;
  return {"Link Team by Radio", "", [t](Edit& e) -> Status {
            if (!validTeam(t)) return {};
            const int n = static_cast<int>(e.doc().flightGroups.size());
            for (int i = 0; i < n; ++i) {
              const FGObject& f = e.doc().flightGroups[static_cast<std::size_t>(i)];
              const Byte radio = static_cast<Byte>(t + 1);
              if (f.at(fg::Team) == t && f.at(fg::Radio) != radio)
                e.flightGroup(i).set(fg::Radio, radio);
            }
            return {};
          }};
}

std::string linkedByRadioNotice(const Document& doc, int team) {
  const std::vector<std::string> names = teamNameList(doc);
  const std::string name = validTeam(team) && static_cast<std::size_t>(team) < names.size()
                               ? trimmed(names[static_cast<std::size_t>(team)])
                               : std::string();
  return "Team " + name + " has been linked by Radio";
}

std::vector<std::string> teamNameList(const Document& doc) {
  std::vector<std::string> names;
  names.reserve(kTeamCount);
  for (int i = 0; i < kTeamCount; ++i)
    names.push_back(std::to_string(i + 1) + "." + doc.teams[static_cast<std::size_t>(i)].name());
  return names;
}

} // namespace zephlo
