// Edits of the main window's "Teams" page; each edits the current team.
#pragma once

#include "core/mission/edit.h"

#include <string>
#include <string_view>
#include <vector>

namespace zephlo {

// "Team 3 Name" for team index 2.
std::string teamNameCaption(int team);
// "Cycle Current Team" goes from team 10 back to team 1.
int cycledTeam(int team);
// The Teams page's previous and next buttons stop at the first and last team.
int previousTeam(int team);
int nextTeam(int team);

// The name, cut to 16 characters.
Operation storeTeamName(std::string_view name, const EditorState& st);
// The ally teams: rows 0-7 of the ally list.
Operation storeAllies(const std::vector<int>& rows, const EditorState& st);
std::vector<int> allyRows(const TeamDetailObject& t);
// The autolink IFF; IFF 0 also names the team "Rebel", IFF 1 "Imperial".
Operation storeTeamIff(int iff, const EditorState& st);
// End-of-mission line by the edit's tag 1-6, cut to 64 characters.
Operation storeEndText(int tag, std::string_view text, const EditorState& st);
std::string endText(const TeamDetailObject& t, int tag);
// Every flight group of the current team talks on the team's radio channel.
Operation linkTeamByRadio(const EditorState& st);
// The notice shown after linking: "Team 1.Rebel has been linked by Radio".
std::string linkedByRadioNotice(const Document& doc, int team);

// "1.Name" for each of the ten teams, as the team lists show them.
std::vector<std::string> teamNameList(const Document& doc);
// The GGoals page's caption of the current team: "Team 1.Rebel".
std::string globalGoalTeamCaption(const std::vector<std::string>& teamNames, int team);
// The teams a message can be sent to: the first eight of the list.
std::vector<std::string> sentToTeamNames(const std::vector<std::string>& teamNames);

} // namespace zephlo
