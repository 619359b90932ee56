// The binary view's rows: one screen of 50 rows formatted at the start, the
// middle and the end of 10 MB of random bytes (no walk over the bytes
// before the screen), next to xxd turning 1 MB of the same bytes into rows.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>

#include "binary/binary_rows.h"

namespace quelt {
namespace {

const std::string& Data10MB() {
  static const std::string data = [] {
    std::mt19937 rng(3);
    std::string d(10 * 1024 * 1024, '\0');
    for (char& c : d) c = static_cast<char>(rng() & 0xFF);
    return d;
  }();
  return data;
}

void BM_ScreenOfRows(benchmark::State& state) {
  const std::string& data = Data10MB();
  const std::uint64_t rows = BinaryRowCount(data.size());
  const std::uint64_t first = rows * static_cast<std::uint64_t>(state.range(0)) / 100;
  for (auto _ : state) {
    for (std::uint64_t r = first; r < first + 50 && r < rows; ++r) {
      BinaryRowText t = FormatBinaryRow(data, r);
      benchmark::DoNotOptimize(t.text.data());
    }
  }
}
BENCHMARK(BM_ScreenOfRows)->ArgName("percent")->Arg(0)->Arg(50)->Arg(99)->Unit(benchmark::kMicrosecond);

void BM_Xxd1MB(benchmark::State& state) {
  const char* path = "/tmp/quelt_bench_binary.bin";
  std::ofstream(path, std::ios::binary) << Data10MB().substr(0, 1024 * 1024);
  double seconds = 0;
  for (auto _ : state) {
    const auto t0 = std::chrono::steady_clock::now();
    if (std::system((std::string("xxd ") + path + " >/dev/null 2>&1").c_str()) != 0) state.SkipWithError("xxd did not run");
    seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
  }
  state.counters["rows_per_us"] = 65536.0 * state.iterations() / (seconds * 1e6);
}
BENCHMARK(BM_Xxd1MB)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace quelt

BENCHMARK_MAIN();
