#include "core/mission/new_mission.h"

namespace zephlo {

Templates makeTemplates(const MissionPrefs& prefs, Byte team1Iff) {
  Templates t;
  auto& r = t.flightGroup;
  setText(r, fg::Name, fg::NameSize, kUnnamed);
  r[fg::CraftType] = prefs.defaultCraftType;
  r[fg::AiRank] = prefs.defaultAiRank;
  r[fg::SpecialCraft] = 1;
  r[fg::Team] = 0;
  r[fg::NumCraft] = 1;
  r[fg::FormationSpacing] = 6;
  r[fg::Colour] = 0;
  r[fg::Iff] = team1Iff;
  r[fg::Orientation] = 64;
  r[fg::Role1Switch] = 255;
  r[fg::Role2Switch] = 255;
  r[fg::RoleUnknown1] = 2;
  r[fg::BackdropShadow] = 255;
  r[fg::RoleUnknown2] = 255;
  for (int reg = 1; reg <= kRegionCount; ++reg) {
    for (int o = 1; o <= kOrdersPerRegion; ++o) {
      Byte* ord = r.data() + fg::orderOffset(reg, o);
      ord[ord::Speed] = 10;
      ord[ord::Parameter1] = 1;
      ord[ord::Parameter2] = 1;
      ord[ord::Target12Either] = 1;
      ord[ord::Target34Either] = 1;
    }
  }
  for (int g = 0; g < kFGGoalCount; ++g)
    r[fg::goalOffset(g) + goal::Condition] = 10;

  setText(t.message, msg::Text, msg::TextSize, "New Message");
  t.message[msg::Colour] = 0;
  return t;
}

FGObject makeFlightGroup(const Templates& t, Byte iff, int startRegion, bool autolink) {
  FGObject f;
  f.record = t.flightGroup;
  f.record[fg::Iff] = iff;
  f.record[fg::StartRegion] = static_cast<Byte>(startRegion);
  setI16(f.record.data() + fg::startPointOffset(1) + wp::Enabled, 1);
  f.autolink = autolink;
  return f;
}

Document newMission(const MissionPrefs& prefs) {
  Document d;
  const Templates t = makeTemplates(prefs, d.teamIff[0]);
  FGObject first = makeFlightGroup(t, d.teamIff[0], 0, prefs.autolink);
  first.record[fg::PlayerNumber] = 1;
  d.flightGroups.push_back(first);

  d.platform = kPlatformXwa;
  d.header[hdr::UnknownFlag1] = 1;
  d.header[hdr::UnknownFlag2] = 1;
  d.header[hdr::MissionType] = 6;
  d.header[hdr::UnknownValues + 1] = 98;
  for (int r = 0; r < kRegionCount; ++r) {
    setText(d.header, hdr::RegionNames + static_cast<std::size_t>(r) * hdr::RegionNameSize,
            hdr::RegionNameSize, "Region " + std::to_string(r + 1));
  }
  setU16(d.header, hdr::NumFGs, 1);
  setU16(d.header, hdr::NumMessages, 0);
  for (auto& g : d.globalGoals)
    setU16(g.record, 0, 3);
  for (auto& tm : d.teams)
    setU16(tm.record, 0, 1);
  d.teamIff[0] = 0;
  d.teamIff[1] = 1;
  d.teams[0].setName("Rebel");
  d.teams[1].setName("Imperial");
  d.briefing = newBriefing();
  setText(d.description, 0, size::textSection, "$#");
  setText(d.hints, 0, size::textSection, "#");
  return d;
}

} // namespace zephlo
