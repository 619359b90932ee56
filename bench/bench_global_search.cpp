// The search over files on a real tree: 1,000 Shift-JIS files of 100 KB
// each (100 MB, in 10 folders, made once under /tmp and reused), searched
// for a plain text with the files taken as they are and with their code
// detected, beside grep -r -c -F and grep -r -F on the same tree. Figures
// are megabytes per second of wall time (grep: the whole command, start-up
// included). Also: 100,000 result lines appended to a text sink.
#include <benchmark/benchmark.h>

#include <sys/stat.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>

#include "bench_grep.h"
#include "bench_text.h"
#include "global_search/global_search.h"
#include "posix_file_system.h"

namespace quelt {
namespace {

constexpr int kFolders = 10;
constexpr int kFilesPerFolder = 100;
constexpr std::size_t kFileBytes = 100000;
const char* const kRoot = "/tmp/quelt_bench_global_search";

std::uint64_t TreeBytes() { return static_cast<std::uint64_t>(kFolders) * kFilesPerFolder * kFileBytes; }

// Lines of Japanese text and ASCII words; "needle" on one line of every
// tenth file.
void MakeTree() {
  const std::string marker = std::string(kRoot) + "/.complete";
  struct stat st;
  if (::stat(marker.c_str(), &st) == 0) return;
  static const char* const kWords[] = {"the", "data", "value", "line", "file", "count", "index", "window"};
  std::mt19937 rng(7);
  ::mkdir(kRoot, 0755);
  for (int f = 0; f < kFolders; ++f) {
    const std::string folder = std::string(kRoot) + "/d" + std::to_string(f);
    ::mkdir(folder.c_str(), 0755);
    for (int i = 0; i < kFilesPerFolder; ++i) {
      std::string t;
      std::size_t line = 0;
      while (t.size() < kFileBytes - 100) {
        bench::AppendJapanese(t, rng, kWords, 45);
        if (t.size() - line > 60 + rng() % 20) {
          if (i % 10 == 0 && t.size() > kFileBytes / 2 && t.find("needle") == std::string::npos) t += "needle";
          t += "\r\n";
          line = t.size();
        }
      }
      t.resize(kFileBytes - 2);
      t += "\r\n";
      std::ofstream(folder + "/f" + std::to_string(i) + ".txt", std::ios::binary) << t;
    }
  }
  std::ofstream(marker) << "ok";
}

class CountingSink : public GlobalSearchSink {
 public:
  void OnResult(std::string_view line) override { bytes += line.size(); }
  bool KeepGoing(std::string_view, std::uint32_t) override { return true; }
  std::size_t bytes = 0;
};

void BM_GlobalSearch(benchmark::State& state) {
  MakeTree();
  bench::PosixFileSystem fs(kRoot);
  GlobalSearchRequest r;
  r.text = "needle";
  r.maskText = "C:\\*.txt";
  r.subfolders = true;
  r.codeDecision = static_cast<int>(state.range(0));
  GlobalSearchOutcome o;
  double seconds = 0;
  for (auto _ : state) {
    CountingSink sink;
    const auto t0 = std::chrono::steady_clock::now();
    o = RunGlobalSearch(fs, r, {}, sink);
    seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    benchmark::DoNotOptimize(sink.bytes);
  }
  state.counters["files"] = o.files;
  state.counters["matches"] = o.found;
  state.counters["MB/s"] = static_cast<double>(TreeBytes()) * state.iterations() / seconds / 1e6;
}
BENCHMARK(BM_GlobalSearch)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

// grep over the same tree: -r -c -F (a count per file) when the argument is
// 1, -r -F (every matching line) when 0.
void BM_GrepTree(benchmark::State& state) {
  MakeTree();
  const std::string command =
      std::string("LC_ALL=C grep -r ") + (state.range(0) ? "-c " : "") + "-F needle " + kRoot + bench::ToGrepOutput();
  double seconds = 0;
  for (auto _ : state) {
    const auto t0 = std::chrono::steady_clock::now();
    const int status = std::system(command.c_str());
    seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    if (status == -1) state.SkipWithError("grep did not run");
  }
  state.counters["MB/s"] = static_cast<double>(TreeBytes()) * state.iterations() / seconds / 1e6;
}
BENCHMARK(BM_GrepTree)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

// The window layer appends result lines to one text: 100,000 of them must
// take time in proportion to their bytes.
class TextSink : public GlobalSearchSink {
 public:
  void OnResult(std::string_view line) override { text.append(line); }
  bool KeepGoing(std::string_view, std::uint32_t) override { return true; }
  std::string text;
};

void BM_ResultSink(benchmark::State& state) {
  const std::string line = "C:\\work\\src\\folder\\file.cpp(12345): some text of the line found here\r\n";
  for (auto _ : state) {
    TextSink sink;
    for (int i = 0; i < 100000; ++i) sink.OnResult(line);
    benchmark::DoNotOptimize(sink.text.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * 100000 * line.size());
}
BENCHMARK(BM_ResultSink)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quelt

BENCHMARK_MAIN();
