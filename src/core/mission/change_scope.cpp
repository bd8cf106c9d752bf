#include "core/mission/change_scope.h"

#include <algorithm>

namespace zephlo {

namespace {

// Equal bytes that still join two runs of changed ones: a multi-byte value
// with an unchanged byte inside stays one run.
constexpr std::size_t kJoinGap = 8;

void addDiffering(ByteSpans& out, std::span<const Byte> a, std::span<const Byte> b,
                  std::size_t base) {
  auto at = a.begin();
  while (true) {
    const auto first = std::mismatch(at, a.end(), b.begin() + (at - a.begin()));
    if (first.first == a.end()) return;
    auto end = first.first + 1;
    // The run goes on while another difference follows within the gap.
    for (auto k = end; k != a.end() && static_cast<std::size_t>(k - end) < kJoinGap; ++k) {
      if (*k != b[static_cast<std::size_t>(k - a.begin())]) end = k + 1;
    }
    const auto from = static_cast<std::size_t>(first.first - a.begin());
    out.add(ByteSpan::of(base + from, static_cast<std::size_t>(end - first.first)));
    at = end;
  }
}

std::span<const Byte> goalStringBytes(const FGObject& f) {
  return {f.goalStrings.front().data(), f.goalStrings.size() * size::goalString};
}

bool contains(const std::vector<int>& sorted, int i) {
  return std::binary_search(sorted.begin(), sorted.end(), i);
}

// The current line or one of the selected ones is among the changed.
bool touches(const std::vector<int>& changed, int current, const std::set<int>& selected) {
  return contains(changed, current) ||
         std::any_of(selected.begin(), selected.end(), [&](int i) { return contains(changed, i); });
}

// The fields the flight-group label reads.
bool meetsLabel(const ByteSpans& b) {
  return b.meets(fg::Name, fg::NameSize) || b.meets(fg::CraftType, 2) ||
         b.meets(fg::PlayerNumber) || b.meets(fg::GlobalUnit);
}

// The goal bytes a line's goal marks read: requirement, condition, team.
bool meetsGoalMarks(const ByteSpans& b) {
  if (!b.meets(fg::Goals, kFGGoalCount * fg::GoalSize)) return false;
  for (int g = 0; g < kFGGoalCount; ++g) {
    if (b.meets(fg::goalOffset(g) + goal::Requirement, 2) ||
        b.meets(fg::goalOffset(g) + goal::Team))
      return true;
  }
  return false;
}

LineRows changedRows(const std::vector<int>& rows) {
  if (rows.empty()) return {};
  return {rows.front(), rows.back()};
}

} // namespace

ByteSpan fgGoalStringBytes(int goal) {
  constexpr std::size_t perGoal = 3 * size::goalString;
  return ByteSpan::of(kFGGoalStringBytes + static_cast<std::size_t>(goal) * perGoal, perGoal);
}

ByteSpans changedBytes(const FGObject& a, const FGObject& b) {
  ByteSpans s;
  addDiffering(s, a.record, b.record, 0);
  addDiffering(s, goalStringBytes(a), goalStringBytes(b), kFGGoalStringBytes);
  return s;
}

ByteSpans changedBytes(const MsgObject& a, const MsgObject& b) {
  ByteSpans s;
  addDiffering(s, a.record, b.record, 0);
  return s;
}

ByteSpan wholeRecord(const FGObject&) {
  return ByteSpan::of(0, kFGGoalStringBytes + size::fgGoalStrings * size::goalString);
}

ByteSpan wholeRecord(const MsgObject&) { return ByteSpan::of(0, size::message); }

// ---- ViewUpdate ---------------------------------------------------------------

ViewUpdate ViewUpdate::all() {
  ViewUpdate u;
  u.all_ = true;
  u.fgMoved_ = u.msgMoved_ = u.teamMoved_ = u.goalMoved_ = u.orderMoved_ = u.globalGoalMoved_ =
      true;
  return u;
}

ViewUpdate::ViewUpdate(const Change* change, const CurrentItems& shown, const CurrentItems& now)
    : c_(change), now_(now) {
  const bool fgList = c_ && c_->flightGroupList, msgList = c_ && c_->messageList;
  // After records were added, removed or moved, the same index may hold another record.
  fgMoved_ = fgList || shown.fg != now.fg;
  msgMoved_ = msgList || shown.msg != now.msg;
  teamMoved_ = shown.team != now.team;
  globalGoalMoved_ = shown.globalGoal != now.globalGoal;
  goalMoved_ = fgMoved_ || shown.goal != now.goal;
  orderMoved_ = fgMoved_ || shown.region != now.region || shown.order != now.order;
  fgsMoved_ = shown.fgs != now.fgs;
  msgsMoved_ = shown.msgs != now.msgs;
  if (!c_) return;
  fgTouched_ = touches(c_->flightGroups, now.fg, now.fgs);
  msgTouched_ = touches(c_->messages, now.msg, now.msgs);
  teamTouched_ =
      now.team >= 0 && now.team < kTeamCount && c_->teams.test(static_cast<std::size_t>(now.team));
}

bool ViewUpdate::nothing() const {
  return !all_ && !fgMoved_ && !msgMoved_ && !teamMoved_ && !goalMoved_ && !orderMoved_ &&
         !globalGoalMoved_ && !fgsMoved_ && !msgsMoved_ && (!c_ || c_->empty());
}

// Another selection may make the selected flight groups differ where they
// agreed: whatever shows their bytes looks again.
bool ViewUpdate::fgChanged(ByteSpan bytes) const {
  return fgsMoved_ || (fgTouched_ && c_->fgBytes.meets(bytes));
}

bool ViewUpdate::flightGroup(ByteSpan bytes) const { return fgMoved_ || fgChanged(bytes); }

bool ViewUpdate::flightGroup(std::span<const ByteSpan> bytes) const {
  return fgMoved_ || fgsMoved_ ||
         std::any_of(bytes.begin(), bytes.end(), [this](ByteSpan b) { return fgChanged(b); });
}

bool ViewUpdate::flightGroupAspects(unsigned aspects) const {
  return fgMoved_ || (fgTouched_ && (c_->fgAspects & aspects) != 0);
}

bool ViewUpdate::anyFlightGroup(std::span<const ByteSpan> bytes) const {
  if (all_) return true;
  if (!c_) return false;
  return c_->flightGroupList || std::any_of(bytes.begin(), bytes.end(),
                                            [this](ByteSpan b) { return c_->fgBytes.meets(b); });
}

bool ViewUpdate::order(ByteSpan inOrder) const {
  if (orderMoved_) return true;
  if (now_.region < 1 || now_.region > kRegionCount || now_.order < 1 ||
      now_.order > kOrdersPerRegion)
    return false;
  const std::size_t base = fg::orderOffset(now_.region, now_.order);
  return fgChanged(ByteSpan::of(base + inOrder.first, inOrder.end - inOrder.first));
}

bool ViewUpdate::skipTriggers() const {
  if (orderMoved_) return true;
  if (now_.region < 1 || now_.region > kRegionCount || now_.order < 1 ||
      now_.order > kOrdersPerRegion)
    return false;
  return fgChanged(ByteSpan::of(fg::skipOffset(now_.region, now_.order), pair::Size));
}

bool ViewUpdate::goal(ByteSpan inGoal) const {
  if (goalMoved_) return true;
  if (now_.goal < 0 || now_.goal >= kFGGoalCount) return false;
  const std::size_t base = fg::goalOffset(now_.goal);
  return fgChanged(ByteSpan::of(base + inGoal.first, inGoal.end - inGoal.first));
}

bool ViewUpdate::goalStrings() const {
  if (goalMoved_) return true;
  return now_.goal >= 0 && now_.goal < kFGGoalCount && fgChanged(fgGoalStringBytes(now_.goal));
}

bool ViewUpdate::message(ByteSpan bytes) const {
  return msgMoved_ || msgsMoved_ || (msgTouched_ && c_->msgBytes.meets(bytes));
}

bool ViewUpdate::team(ByteSpan bytes) const {
  return teamMoved_ || (teamTouched_ && c_->teamBytes.meets(bytes));
}

bool ViewUpdate::teamIff() const { return teamMoved_ || (c_ && c_->teamIff); }

bool ViewUpdate::globalGoal() const {
  return globalGoalMoved() || (c_ && now_.team >= 0 && now_.team < kTeamCount &&
                               c_->globalGoals.test(static_cast<std::size_t>(now_.team)));
}

bool ViewUpdate::globalGoalStrings() const {
  return globalGoalMoved() || (c_ && now_.team >= 0 && now_.team < kTeamCount &&
                               c_->goalStrings.test(static_cast<std::size_t>(now_.team)));
}

bool ViewUpdate::fgLabels() const { return all_ || (c_ && fgLabelsChanged(*c_)); }
bool ViewUpdate::teamNames() const { return all_ || (c_ && teamNamesChanged(*c_)); }

// ---- list lines -------------------------------------------------------------------

bool endLinesChanged(const Change& c, int team) {
  return team >= 0 && team < kTeamCount && c.teams.test(static_cast<std::size_t>(team)) &&
         c.teamBytes.meets(team::EndTexts, 6 * team::EndTextSize);
}

bool fgLabelsChanged(const Change& c) {
  return c.flightGroupList || (!c.flightGroups.empty() && meetsLabel(c.fgBytes));
}

bool teamNamesChanged(const Change& c) {
  return c.teams.any() && c.teamBytes.meets(team::Name, team::NameSize);
}

LineRows fgLinesToRefresh(const Change& c) {
  if (c.header) return {0, kToEnd}; // the mission type decides the goal marks' team numbers
  if (c.flightGroups.empty()) return {};
  const ByteSpans& b = c.fgBytes;
  // A craft number counts the craft of the flight groups before in its global unit.
  if (b.meets(fg::NumCraft) || b.meets(fg::GlobalUnit)) return {c.flightGroups.front(), kToEnd};
  const bool reads = meetsLabel(b) || meetsGoalMarks(b) || b.meets(fg::Role1Switch) ||
                     b.meets(fg::Role1) || b.meets(fg::Iff, 2) || b.meets(fg::GlobalGroup) ||
                     b.meets(fg::NumWavesMinusOne) || b.meets(fg::PlayerFlag) ||
                     b.meets(fg::Difficulty);
  // The colour dims a flight group absent from the region shown.
  if (reads || (c.fgAspects & kFGRegions) != 0) return changedRows(c.flightGroups);
  return {};
}

LineRows msgLinesToRefresh(const Change& c) {
  if (c.voices) return {0, kToEnd}; // the voice marks
  if (c.messages.empty()) return {};
  const ByteSpans& b = c.msgBytes;
  if (b.meets(msg::Text, msg::TextSize) || b.meets(msg::SentTo, 8) || b.meets(msg::Colour))
    return changedRows(c.messages);
  return {};
}

} // namespace zephlo
