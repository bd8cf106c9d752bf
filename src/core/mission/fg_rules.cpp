#include "core/mission/fg_rules.h"

#include "core/gamedata/vocabularies.h"

#include <algorithm>
#include <cctype>
#include <iterator>
#include <string_view>

namespace zephlo {

namespace {

constexpr std::string_view kRebelCraft[] = {"Xwing",
                                            "Ywing",
                                            "Awing",
                                            "Bwing",
                                            "Z-95",
                                            "Calamari Cruiser",
                                            "Lt Calamari Cruiser",
                                            "*Mod Strike Cruiser",
                                            "Assault Frigate",
                                            "Rebel Platform",
                                            "*Rebel Pilot",
                                            "Winged Calamari Cruiser"};

constexpr std::string_view kImperialCraft[] = {"TIE Fighter",
                                               "TIE Interceptor",
                                               "TIE Bomber",
                                               "TIE Advanced",
                                               "TIE Defender ",
                                               "Missile Boat",
                                               "Gunboat",
                                               "Interdictor",
                                               "Victory Star Destroyer",
                                               "Imperial Star Destroyer",
                                               "Super Star Destroyer",
                                               "Imperial Landing Craft",
                                               "Assault Shuttle",
                                               "Star Galleon",
                                               "Imp Research Ship",
                                               "Skipray Blastboat",
                                               "TIE Experimental M1",
                                               "TIE Experimental M2",
                                               "TIE Experimental M3",
                                               "TIE Experimental M4",
                                               "TIE Experimental M5",
                                               "Imperial Research Center",
                                               "*Imp Pilot",
                                               "ZeroG Stormtrooper",
                                               "Death Star II",
                                               "VSD II",
                                               "ISD II"};

constexpr int kSideTeams = 8; // only teams 1-8 take part in autolink
constexpr int kFirstTieType = 5, kLastTieType = 9;

std::string upper(std::string s) {
  for (char& c : s)
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

template <std::size_t N> bool named(const std::string_view (&names)[N], int type) {
  const auto& types = vocab::craftTypes();
  if (type < 0 || static_cast<std::size_t>(type) >= types.size()) return false;
  const std::string& n = types[static_cast<std::size_t>(type)];
  return std::find(std::begin(names), std::end(names), n) != std::end(names);
}

} // namespace

CraftSide craftSide(int craftType) {
  if (named(kRebelCraft, craftType)) return CraftSide::Rebel;
  if (named(kImperialCraft, craftType)) return CraftSide::Imperial;
  return CraftSide::Other;
}

int teamForSide(const Document& doc, CraftSide side) {
  for (int t = 0; t < kSideTeams; ++t) {
    const Byte iff = doc.teamIff[static_cast<std::size_t>(t)];
    if (side == CraftSide::Rebel && iff == 0) return t;
    if (side == CraftSide::Imperial) {
      const std::string name = upper(trimmed(doc.teams[static_cast<std::size_t>(t)].name()));
      if (iff == 1 || name == "IMPERIAL" || name == "EMPIRE") return t;
    }
  }
  return side == CraftSide::Imperial ? 0 : -1;
}

void applyCraftTypeRule(FGObject& f, const Document& doc) {
  if (!f.autolink) return;
  const CraftSide side = craftSide(f.at(fg::CraftType));
  if (side == CraftSide::Other) return;
  f.set(fg::Iff, side == CraftSide::Rebel ? 0 : 1);
  if (const int t = teamForSide(doc, side); t >= 0) f.set(fg::Team, static_cast<Byte>(t));
}

void applySizeRule(FGObject& f) {
  const int size = f.at(fg::NumCraft);
  if (f.at(fg::SpecialCraft) >= size - 1) f.set(fg::SpecialCraft, static_cast<Byte>(size));
}

void applyTeamRule(FGObject& f, const Document& doc) {
  const Byte t = f.at(fg::Team);
  if (f.autolink && t < kTeamCount) f.set(fg::Iff, doc.teamIff[t]);
}

void applyNameColourRule(FGObject& f) {
  const std::string n = upper(trimmed(f.name()));
  int colour = -1;
  if (n == "RED" || n == "ROGUE")
    colour = 0;
  else if (n == "GOLD" || n == "YELLOW")
    colour = 1;
  else if (n == "BLUE")
    colour = 2;
  else if (n == "GREEN")
    colour = 3;
  if (colour < 0) return;
  const int type = f.at(fg::CraftType);
  if (type >= kFirstTieType && type <= kLastTieType && colour < 3) ++colour;
  f.set(fg::Colour, static_cast<Byte>(colour));
}

bool arrivesEarly(const FGObject& f) {
  for (std::size_t pairAt : {fg::ArrivalPair1, fg::ArrivalPair2}) {
    if (f.at(pairAt + pair::First + trig::Condition) != 0 ||
        f.at(pairAt + pair::Second + trig::Condition) != 0)
      return false;
  }
  return f.at(fg::ArrivalDelayMinutes) == 0 && f.at(fg::ArrivalDelaySeconds) < 30;
}

RegionSet regionSet(const FGObject& f) {
  constexpr Byte kHyperToRegion = 50;
  RegionSet set{};
  const Byte start = f.at(fg::StartRegion);
  if (start < kRegionCount) set[start] = 1;
  for (int r = 1; r <= kRegionCount; ++r) {
    for (int o = 1; o <= kOrdersPerRegion; ++o) {
      const Byte* order = f.order(r, o);
      if (order[ord::Command] == kHyperToRegion && order[ord::Parameter1] < kRegionCount)
        set[order[ord::Parameter1]] = 1;
    }
  }
  return set;
}

bool presentInRegion(const FGObject& f, int region) {
  return region >= 1 && region <= kRegionCount &&
         regionSet(f)[static_cast<std::size_t>(region - 1)] == 1;
}

} // namespace zephlo
