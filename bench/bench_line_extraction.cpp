// Line extraction over 100,000 lines of Shift-JIS text (about 7 MB): five
// step-1 strings that occur on about one line in fifty, position -1 and
// line count 3; extracting and deleting, matching case or not, with a
// regular expression, and a step 2 of BEGIN ... END blocks. The output goes
// to a sink that only counts bytes.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>

#include "bench_grep.h"
#include "bench_text.h"
#include "extract/line_extraction.h"

namespace quelt {
namespace {

constexpr int kLines = 100000;

const std::string& Text() {
  static const std::string text = [] {
    static const char* const kWords[] = {"the", "data", "value", "line", "file", "count", "index", "window",
                                         "item", "table", "print", "size", "text", "begin", "end"};
    static const char* const kMarks[] = {"ERROR", "WARNING", "FATAL", "timeout", "denied", "BEGIN", "END"};
    std::mt19937 rng(7);
    std::string t;
    t.reserve(kLines * 72);
    for (int line = 0; line < kLines; ++line) {
      const std::size_t start = t.size();
      const std::size_t width = 50 + rng() % 40;
      while (t.size() - start < width) bench::AppendJapanese(t, rng, kWords, 45);
      if (rng() % 50 == 0) {
        t += ' ';
        t += kMarks[rng() % 7];
      }
      t += "\r\n";
    }
    return t;
  }();
  return text;
}

struct CountingSink : ExtractSink {
  std::size_t bytes = 0;
  bool OnLine(std::string_view line) override {
    bytes += line.size();
    return true;
  }
};

ExtractSettings FiveStrings(std::int32_t process) {
  ExtractSettings s;
  s.step = kExtractStep1;
  s.step1Process = process;
  s.caseSensitive = true;
  for (const char* text : {"ERROR", "WARNING", "FATAL", "timeout", "denied"}) s.step1Entries.push_back({text, -1, 3});
  return s;
}

void Run(benchmark::State& state, const ExtractSettings& s) {
  const std::string& text = Text();
  std::size_t out = 0;
  for (auto _ : state) {
    CountingSink sink;
    const ExtractOutcome o = RunLineExtraction(text, s, LeadByteTest(), sink);
    if (o.result != ExtractResult::kDone) state.SkipWithError("the run failed");
    out = sink.bytes;
    benchmark::DoNotOptimize(out);
  }
  state.counters["out_bytes"] = static_cast<double>(out);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(text.size()));
}

void BM_FiveStringsExtract(benchmark::State& state) { Run(state, FiveStrings(kProcessExtract)); }
void BM_FiveStringsDelete(benchmark::State& state) { Run(state, FiveStrings(kProcessDelete)); }

void BM_FiveStringsAnyCase(benchmark::State& state) {
  ExtractSettings s = FiveStrings(kProcessExtract);
  s.caseSensitive = false;
  Run(state, s);
}

void BM_FiveStringsWidthFolded(benchmark::State& state) {
  ExtractSettings s = FiveStrings(kProcessExtract);
  s.distinguishWidth = false;
  Run(state, s);
}

void BM_FiveRegexes(benchmark::State& state) {
  ExtractSettings s = FiveStrings(kProcessExtract);
  s.regularExpression = true;
  for (ExtractEntry& e : s.step1Entries) e.text += "$";
  Run(state, s);
}

void BM_BeginEndBlocksWithSeparators(benchmark::State& state) {
  ExtractSettings s;
  s.step = kExtractStep2;
  s.caseSensitive = true;
  s.addSeparator = true;
  s.startEntries = {{"BEGIN", 0, 1}};
  s.endEntries = {{"END", 0, 1}};
  Run(state, s);
}

// The yardstick: GNU grep over the same text in a file, the five strings
// as fixed strings with one line before and one after each match (the
// blocks of position -1 and count 3), start-up included.
void BM_GrepFiveStrings(benchmark::State& state) {
  const char* path = "/tmp/quelt_bench_extract.txt";
  std::ofstream(path, std::ios::binary) << Text();
  const std::string command = std::string("LC_ALL=C grep -F -B1 -A1 --no-group-separator -e ERROR -e WARNING ") +
                              "-e FATAL -e timeout -e denied " + path + bench::ToGrepOutput();
  double seconds = 0;
  for (auto _ : state) {
    const auto t0 = std::chrono::steady_clock::now();
    if (std::system(command.c_str()) == -1) state.SkipWithError("grep did not run");
    seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
  }
  state.counters["MB/s"] = static_cast<double>(Text().size()) * state.iterations() / seconds / 1e6;
}
BENCHMARK(BM_GrepFiveStrings)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK(BM_FiveStringsExtract)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FiveStringsDelete)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FiveStringsAnyCase)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FiveStringsWidthFolded)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FiveRegexes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BeginEndBlocksWithSeparators)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quelt

BENCHMARK_MAIN();
