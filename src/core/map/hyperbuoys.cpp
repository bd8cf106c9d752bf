#include "core/map/hyperbuoys.h"

#include "core/mission/list_commands.h"

namespace zephlo {

namespace {

constexpr Byte kStatusHyperbuoy = 20;
constexpr Byte kIffFamilyBuoy = 5;
constexpr Byte kMissionTypeFamily = 7;
constexpr Byte kRoleHypFrom = 12;
constexpr Byte kRoleHypTo = 16;

std::string regionName(const Document& doc, int r) {
  return getText(doc.header, hdr::RegionNames + static_cast<std::size_t>(r) * hdr::RegionNameSize,
                 hdr::RegionNameSize);
}

Byte role(Byte base, int region) { return static_cast<Byte>(base + region); }

bool validRegion(int r) { return r >= 0 && r < kRegionCount; }

} // namespace

std::vector<BuoyPlan> hyperbuoyPlan(const Document& doc, int from, int to, bool entryPoints) {
  if (!validRegion(from) || !validRegion(to)) return {};
  const std::string exitPrefix = entryPoints ? "To " : "";
  const std::string entryPrefix = entryPoints ? "From " : "";
  const auto exitRole2 = [&](int r) {
    return entryPoints ? std::nullopt : std::optional<Byte>(role(kRoleHypFrom, r));
  };
  std::vector<BuoyPlan> out;
  out.push_back({from, exitPrefix + regionName(doc, to), role(kRoleHypTo, to), exitRole2(from)});
  if (entryPoints)
    out.push_back({to, entryPrefix + regionName(doc, from), role(kRoleHypFrom, from), {}});
  out.push_back({to, exitPrefix + regionName(doc, from), role(kRoleHypTo, from), exitRole2(to)});
  if (entryPoints)
    out.push_back({from, entryPrefix + regionName(doc, to), role(kRoleHypFrom, to), {}});
  return out;
}

FGObject makeHyperbuoy(const Templates& t, const BuoyPlan& plan, Byte missionType) {
  FGObject f;
  f.record = t.flightGroup;
  f.setName(plan.name); // cut to the 20-character field
  f.set(fg::Role1Switch, 0);
  f.set(fg::Role1, plan.role1);
  if (plan.role2) {
    f.set(fg::Role2Switch, 0);
    f.set(fg::Role2, *plan.role2);
  }
  f.set(fg::CraftType, kCraftHyperbuoy);
  f.set(fg::Status1, kStatusHyperbuoy);
  f.set(fg::Iff, missionType == kMissionTypeFamily ? kIffFamilyBuoy : 0);
  f.order(plan.region + 1, 1)[ord::Command] = kOrderBeacon;
  f.set(fg::StartRegion, static_cast<Byte>(plan.region));
  f.autolink = true;
  return f;
}

Operation addHyperbuoysOperation(const Templates& t, int from, int to, bool entryPoints) {
  return {"Add Hyperbuoys", "", [t, from, to, entryPoints](Edit& e) -> Status {
            if (!validRegion(from) || !validRegion(to))
              return makeError(ErrorKind::BadInput, "Hyperbuoys link regions 1 to 4, not " +
                                                        std::to_string(from + 1) + " and " +
                                                        std::to_string(to + 1) + ".");
            std::vector<FGObject> buoys;
            for (const BuoyPlan& p : hyperbuoyPlan(e.doc(), from, to, entryPoints))
              buoys.push_back(makeHyperbuoy(t, p, e.doc().missionType()));
            return appendFlightGroupsAtEnd(e, std::move(buoys));
          }};
}

} // namespace zephlo
