#include "core/mission/document.h"

namespace zephlo {

void buildTeamIffTable(Document& doc) {
  doc.teamIff.fill(0);
  std::array<bool, kTeamCount> seen{};
  for (const FGObject& f : doc.flightGroups) {
    const Byte t = f.record[fg::Team];
    if (t >= kTeamCount || seen[t]) continue;
    seen[t] = true;
    doc.teamIff[t] = f.record[fg::Iff];
  }
}

} // namespace zephlo
