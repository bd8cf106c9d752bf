#include "core/mission/records.h"

#include <cstring>

namespace zephlo {

FGObject::FGObject(const Byte* fileRecord) {
  std::memcpy(record.data(), fileRecord, record.size());
}

void FGObject::loadStartPoints() {
  for (int k = 1; k <= 4; ++k) {
    const Byte* p = record.data() + fg::startPointOffset(k);
    WaypointX[k] = getI16(p + wp::X);
    WaypointY[k] = getI16(p + wp::Y);
    WaypointZ[k] = getI16(p + wp::Z);
    WaypointEnabled[k] = getI16(p + wp::Enabled);
  }
}

void FGObject::computeRegionSet() {
  InRegion.fill(0);
  const Byte start = record[fg::StartRegion];
  if (start < kRegionCount) InRegion[start] = 1;
  for (int r = 1; r <= kRegionCount; ++r) {
    for (int o = 1; o <= kOrdersPerRegion; ++o) {
      const Byte* ord = order(r, o);
      if (ord[ord::Command] == 50 && ord[ord::Parameter1] < kRegionCount) {
        InRegion[ord[ord::Parameter1]] = 1;
      }
    }
  }
}

Block<size::flightGroup> FGObject::recordForFile() const {
  Block<size::flightGroup> out = record;
  for (int k = 1; k <= 4; ++k) {
    Byte* p = out.data() + fg::startPointOffset(k);
    setI16(p + wp::X, WaypointX[k]);
    setI16(p + wp::Y, WaypointY[k]);
    setI16(p + wp::Z, WaypointZ[k]);
    setI16(p + wp::Enabled, WaypointEnabled[k]);
  }
  if (out[fg::CraftType] == kBackdrop && WaypointX[1] == 0 && WaypointY[1] == 0 &&
      WaypointZ[1] == 0) {
    setI16(out.data() + fg::startPointOffset(1) + wp::Z, 8);
  }
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
