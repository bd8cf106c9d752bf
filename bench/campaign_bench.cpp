// Whole campaign folders, as `zephlo-tool check --recursive` and
// `describe --recursive` go through them: 1000 missions read, checked or
// described in one process, beside plain reading of the same files (what
// `cat` costs). Goals: check at least 1000 missions a second; describe
// within 3 times the plain read.
#include "core/check/campaign.h"
#include "support/test_missions.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <ostream>
#include <sstream>
#include <streambuf>
#include <sys/resource.h>
#include <sys/wait.h>

using namespace zephlo;
using namespace zephlo::testing;

namespace {

constexpr int kMissions = 1000;

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
    paths = missionFilesUnder(dir.root()).value().files;
  }
};

Campaign& campaign() {
  static Campaign c;
  return c;
}

// Output that goes nowhere but is counted, as a pipe to another program
// costs the writer little.
class CountingBuffer : public std::streambuf {
public:
  std::size_t count = 0;

protected:
  std::streamsize xsputn(const char*, std::streamsize n) override {
    count += static_cast<std::size_t>(n);
    return n;
  }
  int_type overflow(int_type c) override {
    ++count;
    return traits_type::not_eof(c);
  }
};

void BM_ReadCampaignFiles(benchmark::State& state) {
  Campaign& c = campaign();
  std::vector<char> buf(1 << 16);
  for (auto _ : state) {
    std::size_t total = 0;
    for (const std::string& p : c.paths) {
      std::ifstream in(p, std::ios::binary);
      while (in.read(buf.data(), static_cast<std::streamsize>(buf.size())) || in.gcount() > 0)
        total += static_cast<std::size_t>(in.gcount());
    }
    benchmark::DoNotOptimize(total);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(c.paths.size()));
}
BENCHMARK(BM_ReadCampaignFiles)->Unit(benchmark::kMillisecond)->UseRealTime();

template <class Run> void runCampaign(benchmark::State& state, Run run) {
  Campaign& c = campaign();
  std::size_t written = 0;
  for (auto _ : state) {
    CountingBuffer buffer;
    std::ostream out(&buffer);
    std::ostringstream err;
    const CampaignSummary s = run(c.paths, out, err);
    if (s.unreadable != 0) state.SkipWithError("a generated mission was not read");
    written = buffer.count;
  }
  state.counters["output_MB"] = static_cast<double>(written) / 1e6;
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(c.paths.size()));
}

void BM_CheckCampaign(benchmark::State& state) {
  runCampaign(state, [](const std::vector<std::string>& paths, std::ostream& out,
                        std::ostream& err) { return checkMissions(paths, {}, out, err); });
}
BENCHMARK(BM_CheckCampaign)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_DescribeCampaign(benchmark::State& state) {
  runCampaign(state, [](const std::vector<std::string>& paths, std::ostream& out,
                        std::ostream& err) { return describeMissions(paths, out, err); });
}
BENCHMARK(BM_DescribeCampaign)->Unit(benchmark::kMillisecond)->UseRealTime();

double childCpuSeconds() {
  rusage u{};
  ::getrusage(RUSAGE_CHILDREN, &u);
  auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
  return seconds(u.ru_utime) + seconds(u.ru_stime);
}

// The same as a user runs them: each a process of its own, the output to
// /dev/null, beside `cat` of the same files. The time is the processes' CPU
// time, which other work on a shared machine disturbs far less than the
// wall clock.
void runCommand(benchmark::State& state, const std::string& command) {
  Campaign& c = campaign();
  const std::string line = command + " >/dev/null 2>&1";
  for (auto _ : state) {
    const double before = childCpuSeconds();
    const int status = std::system(line.c_str());
    state.SetIterationTime(childCpuSeconds() - before);
    // check finds errors in random missions: status 1 is fine, 2 is not.
    if (status == -1 || !WIFEXITED(status) || WEXITSTATUS(status) > 1)
      state.SkipWithError(("failed: " + command).c_str());
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(c.paths.size()));
}

void BM_CatCampaign(benchmark::State& state) {
  runCommand(state, "cat '" + campaign().dir.root() + "'/*.tie");
}
BENCHMARK(BM_CatCampaign)->Unit(benchmark::kMillisecond)->UseManualTime();

void BM_ToolCheckCampaign(benchmark::State& state) {
  runCommand(state,
             std::string(ZEPHLO_TOOL) + " check --recursive '" + campaign().dir.root() + "'");
}
BENCHMARK(BM_ToolCheckCampaign)->Unit(benchmark::kMillisecond)->UseManualTime();

void BM_ToolDescribeCampaign(benchmark::State& state) {
  runCommand(state,
             std::string(ZEPHLO_TOOL) + " describe --recursive '" + campaign().dir.root() + "'");
}
BENCHMARK(BM_ToolDescribeCampaign)->Unit(benchmark::kMillisecond)->UseManualTime();

void BM_ListCampaignFolder(benchmark::State& state) {
  Campaign& c = campaign();
  for (auto _ : state)
    benchmark::DoNotOptimize(missionFilesUnder(c.dir.root()).value().files.size());
}
BENCHMARK(BM_ListCampaignFolder)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
