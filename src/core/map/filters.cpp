#include "core/map/filters.h"

namespace zephlo {

void MapFilters::pressAll() {
  iff.fill(true);
  classes.fill(true);
  earlyOnly = false;
}

void updateArrivesEarly(FGObject& f) { f.ArrivesEarly = arrivesEarly(f); }

bool passesClassFilter(int craftType, const MapFilters& filters) {
  const CraftClass c = craftClass(craftType);
  if (c == CraftClass::AlwaysShown) return true;
  if (c == CraftClass::None) return false;
  return filters.classes[static_cast<std::size_t>(c)];
}

bool passesDifficulty(int d, DifficultyFilter filter) {
  switch (filter) {
  case DifficultyFilter::Easy: return d == 0 || d == 1 || d == 5 || d == 8;
  case DifficultyFilter::Medium: return d == 0 || d == 2 || d == 4 || d == 5 || d == 9;
  case DifficultyFilter::Hard: return d == 0 || d == 3 || d == 4 || d == 10;
  case DifficultyFilter::None: break;
  }
  return true;
}

bool passesFilters(const FGObject& f, const MapFilters& filters, int region) {
  const int iff = f.at(fg::Iff);
  if (iff > 5 || !filters.iff[static_cast<std::size_t>(iff)]) return false;
  if (!passesClassFilter(f.at(fg::CraftType), filters)) return false;
  if (!passesDifficulty(f.at(fg::Difficulty), filters.difficulty)) return false;
  if (filters.earlyOnly && !f.ArrivesEarly) return false;
  return region >= 1 && region <= kRegionCount &&
         f.InRegion[static_cast<std::size_t>(region - 1)] == 1;
}

std::vector<Byte> applyFilters(const Document& doc, const MapFilters& filters, int region) {
  std::vector<Byte> shown;
  shown.reserve(doc.flightGroups.size());
  for (const FGObject& f : doc.flightGroups)
    shown.push_back(passesFilters(f, filters, region) ? 1 : 0);
  return shown;
}

} // namespace zephlo
