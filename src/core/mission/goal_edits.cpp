#include "core/mission/goal_edits.h"

#include "core/mission/store_values.h"

namespace zephlo {

namespace {

constexpr int kGoalKinds = 3;

bool validGoal(int g) { return g >= 0 && g < kFGGoalCount; }

// An edit of the current goal of every selected flight group.
Operation editGoals(const char* caption, const char* control, const EditorState& st,
                    std::function<void(Byte*)> fn) {
  const int g = st.currentGoal;
  const std::vector<int> sel = validGoal(g) ? fgSelection(st) : std::vector<int>{};
  return editFlightGroups(caption,
                          mergeKeyFor(std::string(control) + "@g" + std::to_string(g), sel), sel,
                          [g, fn = std::move(fn)](FGObject& f, Edit&) { fn(f.goal(g)); });
}

std::size_t hiddenOffset(HiddenGoalByte b) {
  switch (b) {
  case HiddenGoalByte::At41: return gg::Unknown41;
  case HiddenGoalByte::At52: return gg::Unknown52;
  case HiddenGoalByte::At54: return gg::Unknown54;
  case HiddenGoalByte::At55: return gg::Unknown55;
  case HiddenGoalByte::At58: return gg::Unknown58;
  }
  return gg::Unknown41;
}

bool validTeamKind(int team, int kind) {
  return team >= 0 && team < kTeamCount && kind >= 0 && kind < kGoalKinds;
}

// An edit of one byte of a global goal of the current team.
Operation editGlobalGoalByte(const char* caption, std::string control, int kind, std::size_t off,
                             Byte value, const EditorState& st) {
  const int team = st.currentTeam;
  return {caption, control + "@t" + std::to_string(team) + "k" + std::to_string(kind),
          [team, kind, off, value](Edit& e) -> Status {
            if (!validTeamKind(team, kind)) return {};
            e.globalGoal(team).record[gg::blockOffset(kind) + off] = value;
            return {};
          }};
}

} // namespace

Operation storeGoalPoints(int points, const EditorState& st) {
  const Byte b = pointsToByte(points);
  return editGoals("Change Goal Points", "FGGoalPointsSpin", st,
                   [b](Byte* g) { g[goal::Points] = b; });
}

Operation storeGoalTeam(int item, const EditorState& st) {
  const Byte t = clampByte(item);
  return editGoals("Change Goal Team", "FGGoalTeamBox", st, [t](Byte* g) {
    g[goal::Team] = t;
    g[goal::TeamFlag] = t == 0 ? 1 : 0;
  });
}

Operation storeGoalFlag(bool on, const EditorState& st) {
  return editGoals("Change Goal Flag", "FGGoalUnk", st,
                   [on](Byte* g) { g[goal::TeamFlag] = on ? 1 : 0; });
}

Operation storeGoalTime(int time, const EditorState& st) {
  const Byte t = clampByte(time);
  return editGoals("Change Goal Time", "FGGoalTimeSpin", st, [t](Byte* g) { g[goal::Time] = t; });
}

std::size_t goalToolOffset(GoalToolByte which) {
  switch (which) {
  case GoalToolByte::Amount: return goal::Amount;
  case GoalToolByte::Requirement: return goal::Requirement;
  case GoalToolByte::Condition: return goal::Condition;
  case GoalToolByte::Parameter: return goal::Parameter;
  case GoalToolByte::Parameter2: return goal::Parameter2;
  }
  return goal::Amount;
}

Operation storeGoalToolByte(GoalToolByte which, int value, const EditorState& st) {
  const std::size_t off = goalToolOffset(which);
  const Byte b = clampByte(value);
  // One key for every box, so a run of tool edits of one goal is one step.
  return editGoals("Change Goal", "CondTool", st, [off, b](Byte* g) { g[off] = b; });
}

int goalPoints(const FGObject& f, int g) {
  return validGoal(g) ? pointsFromByte(f.goal(g)[goal::Points]) : 0;
}

Operation storeGlobalGoalPoints(int kind, int points, const EditorState& st) {
  return editGlobalGoalByte("Change Global Goal Points", "GGPointsED", kind, gg::Points,
                            pointsToByte(points), st);
}

int globalGoalPoints(const Document& doc, int team, int kind) {
  if (!validTeamKind(team, kind)) return 0;
  return pointsFromByte(
      doc.globalGoals[static_cast<std::size_t>(team)].record[gg::blockOffset(kind) + gg::Points]);
}

Operation storeGlobalGoalByte(int kind, HiddenGoalByte which, int value, const EditorState& st) {
  const std::size_t off = hiddenOffset(which);
  return editGlobalGoalByte("Change Global Goal", "GGByte" + std::to_string(off), kind, off,
                            clampByte(value), st);
}

int globalGoalByte(const Document& doc, int team, int kind, HiddenGoalByte which) {
  if (!validTeamKind(team, kind)) return 0;
  return doc.globalGoals[static_cast<std::size_t>(team)]
      .record[gg::blockOffset(kind) + hiddenOffset(which)];
}

} // namespace zephlo
