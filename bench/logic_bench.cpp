// Analysing the web of triggers: the large mission (192 flight groups, 64
// messages, every byte filled), and a chain of 192 flight groups each waiting
// for the next, where every one is reported. Goal: under 1 ms.
#include "core/check/mission_logic.h"
#include "core/mission/new_mission.h"
#include "support/test_documents.h"

#include <benchmark/benchmark.h>

using namespace zephlo;
using namespace zephlo::testing;

namespace {

const Document& large() {
  static const Document d = largeDocument();
  return d;
}

// Flight group k arrives when flight group k + 1 is destroyed; the last never.
const Document& chain() {
  static const Document d = [] {
    Document doc = newMission({});
    doc.flightGroups.resize(192, doc.flightGroups[0]);
    for (std::size_t k = 0; k < doc.flightGroups.size(); ++k) {
      Byte* t = doc.flightGroups[k].record.data() + fg::ArrivalPair1;
      const bool last = k + 1 == doc.flightGroups.size();
      t[trig::Condition] = last ? 10 : 2;
      t[trig::VariableType] = 1;
      t[trig::Variable] = static_cast<Byte>(last ? 0 : k + 1);
    }
    return doc;
  }();
  return d;
}

void analyse(benchmark::State& state, const Document& doc) {
  MissionLogic logic;
  for (auto _ : state) {
    logic = analyseMissionLogic(doc);
    benchmark::DoNotOptimize(logic.nodes.data());
  }
  state.counters["nodes"] = static_cast<double>(logic.nodes.size());
  state.counters["edges"] = static_cast<double>(logic.edges.size());
  state.counters["findings"] = static_cast<double>(logic.findings.size());
}

void BM_AnalyseLargeMission(benchmark::State& state) { analyse(state, large()); }
BENCHMARK(BM_AnalyseLargeMission)->Unit(benchmark::kMicrosecond);

void BM_AnalyseChainOf192(benchmark::State& state) { analyse(state, chain()); }
BENCHMARK(BM_AnalyseChainOf192)->Unit(benchmark::kMicrosecond);

void BM_DotOfLargeMission(benchmark::State& state) {
  const MissionLogic logic = analyseMissionLogic(large());
  for (auto _ : state)
    benchmark::DoNotOptimize(logicDot(logic).size());
}
BENCHMARK(BM_DotOfLargeMission)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
