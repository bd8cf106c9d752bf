// Edits of the flight-group goals ("FG Goals" page) and the global goals
// ("GGoals" page). Points are stored divided by 25 in a signed byte, so
// they are held to -3200 ... 3175.
#pragma once

#include "core/mission/edit.h"

namespace zephlo {

// The current goal (the state's) of every selected flight group.
Operation storeGoalPoints(int points, const EditorState& st);
// Team item of "Applies to Team:"; the "?" flag is 1 exactly for the first item.
Operation storeGoalTeam(int item, const EditorState& st);
Operation storeGoalFlag(bool on, const EditorState& st);
Operation storeGoalTime(int time, const EditorState& st);

// The goal bytes the condition tool's boxes write in goal mode. A box writes
// its own byte only: the others may differ between the selected flight
// groups, and the team stays as "Applies to Team:" set it.
enum class GoalToolByte { Amount, Requirement, Condition, Parameter, Parameter2 };
Operation storeGoalToolByte(GoalToolByte which, int value, const EditorState& st);
std::size_t goalToolOffset(GoalToolByte which);

int goalPoints(const FGObject& f, int goal);

// Global goals of the current team; kind 0 "Primary", 1 "Prevent", 2 "Secondary".
Operation storeGlobalGoalPoints(int kind, int points, const EditorState& st);
int globalGoalPoints(const Document& doc, int team, int kind);
// The goal bytes the page keeps in hidden controls, shown as plain numbers.
enum class HiddenGoalByte { At41, At52, At54, At55, At58 };
Operation storeGlobalGoalByte(int kind, HiddenGoalByte which, int value, const EditorState& st);
int globalGoalByte(const Document& doc, int team, int kind, HiddenGoalByte which);

} // namespace zephlo
