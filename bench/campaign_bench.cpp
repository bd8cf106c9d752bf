// Checking a whole campaign folder: reading and checking 500 missions in one
// process, as `zephlo-tool check --recursive` does. Goal: at least 1000
// missions a second.
#include "core/check/campaign.h"
#include "support/test_missions.h"

#include <benchmark/benchmark.h>

#include <sstream>

using namespace zephlo;
using namespace zephlo::testing;

namespace {

constexpr int kMissions = 500;

struct Campaign {
  TempDir dir;
  std::vector<std::string> paths;
  Campaign() {
    for (int i = 0; i < kMissions; ++i) {
      GenOptions o;
      o.seed = static_cast<std::uint32_t>(i + 1);
      o.flightGroups = 4 + i % 40;
      o.messages = i % 16;
      const std::string path = dir.path("m" + std::to_string(1000 + i) + ".tie");
      writeFile(path, generateMission(o).bytes);
    }
    paths = missionFilesUnder(dir.root()).value();
  }
};

Campaign& campaign() {
  static Campaign c;
  return c;
}

void BM_CheckCampaign(benchmark::State& state) {
  Campaign& c = campaign();
  for (auto _ : state) {
    std::ostringstream out, err;
    const CampaignSummary s = checkMissions(c.paths, {}, out, err);
    if (s.unreadable != 0) state.SkipWithError("a generated mission was not read");
    benchmark::DoNotOptimize(out.str().size());
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(c.paths.size()));
}
BENCHMARK(BM_CheckCampaign)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ListCampaignFolder(benchmark::State& state) {
  Campaign& c = campaign();
  for (auto _ : state)
    benchmark::DoNotOptimize(missionFilesUnder(c.dir.root()).value().size());
}
BENCHMARK(BM_ListCampaignFolder)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
