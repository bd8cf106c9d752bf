// Reading and writing a large mission, beside the raw file I/O of the same bytes.
#include "core/mission/reader.h"
#include "core/mission/writer.h"
#include "support/test_missions.h"

#include <benchmark/benchmark.h>

#include <cstdio>

using namespace zephlo;
using namespace zephlo::testing;

namespace {

struct LargeMission {
  TempDir dir;
  std::string path = dir.path("large.tie");
  std::string outPath = dir.path("out.tie");
  std::vector<Byte> bytes;
  LargeMission() {
    GenOptions o;
    o.flightGroups = 192;
    o.messages = 64;
    o.fillEverything = true;
    o.maxStringLength = 255;
    bytes = generateMission(o).bytes;
    writeFile(path, bytes);
  }
};

LargeMission& large() {
  static LargeMission m;
  return m;
}

void BM_RawRead(benchmark::State& state) {
  auto& m = large();
  std::vector<Byte> buf(m.bytes.size());
  for (auto _ : state) {
    std::FILE* f = std::fopen(m.path.c_str(), "rb");
    benchmark::DoNotOptimize(std::fread(buf.data(), 1, buf.size(), f));
    std::fclose(f);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * m.bytes.size()));
}

void BM_ReadMission(benchmark::State& state) {
  auto& m = large();
  for (auto _ : state) {
    Result<Document> r = readMission(m.path);
    if (!r) state.SkipWithError(r.error().message.c_str());
    benchmark::DoNotOptimize(r.ok());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * m.bytes.size()));
}

// Parsing alone, from bytes already in memory.
void BM_ParseMission(benchmark::State& state) {
  auto& m = large();
  for (auto _ : state) {
    Result<Document> r = parseMission(m.bytes, m.path);
    benchmark::DoNotOptimize(r.ok());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * m.bytes.size()));
}

void BM_RawWrite(benchmark::State& state) {
  auto& m = large();
  for (auto _ : state) {
    std::FILE* f = std::fopen(m.outPath.c_str(), "wb");
    std::fwrite(m.bytes.data(), 1, m.bytes.size(), f);
    std::fclose(f);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * m.bytes.size()));
}

// Writing without the flush to disk, so it compares with the raw write above.
void BM_WriteMissionBytes(benchmark::State& state) {
  auto& m = large();
  Result<Document> r = readMission(m.path);
  for (auto _ : state) {
    std::vector<Byte> out = *serializeMission(*r);
    std::FILE* f = std::fopen(m.outPath.c_str(), "wb");
    std::fwrite(out.data(), 1, out.size(), f);
    std::fclose(f);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * m.bytes.size()));
}

// The full safe save: temporary file, flush to disk, rename.
void BM_WriteMissionSafely(benchmark::State& state) {
  auto& m = large();
  Result<Document> r = readMission(m.path);
  for (auto _ : state) {
    const Status w = writeMission(*r, m.outPath);
    if (!w) state.SkipWithError(w.error().message.c_str());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * m.bytes.size()));
}

} // namespace

BENCHMARK(BM_RawRead);
BENCHMARK(BM_ReadMission);
BENCHMARK(BM_ParseMission);
BENCHMARK(BM_RawWrite);
BENCHMARK(BM_WriteMissionBytes);
BENCHMARK(BM_WriteMissionSafely);
BENCHMARK_MAIN();
