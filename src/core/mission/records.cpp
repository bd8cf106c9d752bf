#include "core/mission/records.h"

#include <cstring>

namespace zephlo {

Point readPoint(const Byte* p) {
  return {getI16(p + wp::X), getI16(p + wp::Y), getI16(p + wp::Z), getI16(p + wp::Enabled)};
}

void writePoint(Byte* p, const Point& point) {
  setI16(p + wp::X, point.x);
  setI16(p + wp::Y, point.y);
  setI16(p + wp::Z, point.z);
  setI16(p + wp::Enabled, point.enabled);
}

FGObject::FGObject(const Byte* fileRecord) {
  std::memcpy(record.data(), fileRecord, record.size());
}

Block<size::flightGroup> FGObject::recordForFile() const {
  Block<size::flightGroup> out = record;
  const Point start = startPoint(1);
  if (out[fg::CraftType] == kBackdrop && start.x == 0 && start.y == 0 && start.z == 0)
    setI16(out.data() + fg::startPointOffset(1) + wp::Z, 8);
  return out;
}

void MsgObject::computeSentToAny() {
  sentToAnyTeam = 0;
  for (int t = 0; t < 8; ++t) {
    if (record[msg::SentTo + t] == 1) sentToAnyTeam = 1;
  }
}

std::string goalText(const GoalString& s) { return getText(s.data(), s.size()); }
void setGoalText(GoalString& s, std::string_view text) { setText(s.data(), s.size(), text); }

} // namespace zephlo
