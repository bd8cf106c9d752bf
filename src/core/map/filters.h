// The map filters: which flight groups the map draws, by IFF, craft class,
// difficulty, early arrival and region.
#pragma once

#include "core/gamedata/craft_tables.h"
#include "core/map/map_cache.h"
#include "core/mission/document.h"

#include <array>
#include <vector>

namespace zephlo {

enum class DifficultyFilter { None, Easy, Medium, Hard };

struct MapFilters {
  std::array<bool, 6> iff{true, true, true, true, true, true};                 // RebIFF .. PurpIFF
  std::array<bool, kClassButtons> classes{true, true, true, true, true, true}; // by CraftClass
  DifficultyFilter difficulty = DifficultyFilter::Medium; // the hidden MedBtn is down
  bool earlyOnly = false;                                 // "FGs within 30 seconds"

  // "All": every IFF and class button down, early-only released.
  void pressAll();
};

bool passesClassFilter(int craftType, const MapFilters& filters);
bool passesDifficulty(int difficulty, DifficultyFilter filter);
// All five filters; m holds the flight group's early arrival and regions,
// region is 1-4.
bool passesFilters(const FGObject& f, const MapFields& m, const MapFilters& filters, int region);
// The shown flag of every flight group.
std::vector<Byte> applyFilters(const Document& doc, const MapCache& cache,
                               const MapFilters& filters, int region);

} // namespace zephlo
