#include "core/map/filters.h"

namespace zephlo {

void MapFilters::pressAll() {
  iff.fill(true);
  classes.fill(true);
  earlyOnly = false;
}

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

bool passesFilters(const FGObject& f, const MapFields& m, const MapFilters& filters, int region) {
  const int iff = f.at(fg::Iff);
  if (iff > 5 || !filters.iff[static_cast<std::size_t>(iff)]) return false;
  if (!passesClassFilter(f.at(fg::CraftType), filters)) return false;
  if (!passesDifficulty(f.at(fg::Difficulty), filters.difficulty)) return false;
  if (filters.earlyOnly && !m.arrivesEarly) return false;
  return region >= 1 && region <= kRegionCount &&
         m.regions[static_cast<std::size_t>(region - 1)] == 1;
}

std::vector<Byte> applyFilters(const Document& doc, const MapCache& cache,
                               const MapFilters& filters, int region) {
  std::vector<Byte> shown;
  shown.reserve(doc.flightGroups.size());
  for (int i = 0; i < static_cast<int>(doc.flightGroups.size()); ++i)
    shown.push_back(
        passesFilters(doc.flightGroups[static_cast<std::size_t>(i)], cache[i], filters, region)
            ? 1
            : 0);
  return shown;
}

} // namespace zephlo
