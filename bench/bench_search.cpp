// The search engine over 10 MB of Shift-JIS text (double-byte characters,
// ASCII words, CR LF lines) beside GNU grep on the same bytes: a plain search
// with no hit, the same without regard to case, a double-byte text with no
// hit, and the regular expression foo[0-9]+bar (a hit every 100 KB), each
// counted over the whole text. Figures are bytes per second of wall time
// (grep: the whole command, start-up and reading the file included).
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include <unistd.h>

#include "search/search_engine.h"
#include "bench_text.h"

namespace quelt {
namespace {

constexpr std::size_t kTenMegabytes = 10000000;

// Hiragana, katakana and kanji with ASCII words between them; "foo123bar"
// every 100 KB, "food" and "foo bar" now and then.
const std::string& Text() {
  static const std::string text = [] {
    static const char* const kWords[] = {"the", "data", "value", "line", "file", "count", "index", "window",
                                         "food", "bar", "item", "table", "print", "size", "text", "foo bar"};
    std::mt19937 rng(42);
    std::string t;
    t.reserve(kTenMegabytes + 256);
    std::size_t line = 0;
    std::size_t nextHit = 100000;
    while (t.size() < kTenMegabytes) {
      bench::AppendJapanese(t, rng, kWords, 45);
      if (t.size() - line > 60 + rng() % 20) {
        t += "\r\n";
        line = t.size();
      }
      if (t.size() > nextHit) {
        t += " foo123bar ";
        nextHit += 100000;
      }
    }
    return t;
  }();
  return text;
}

const char* TextFile() {
  static const std::string path = [] {
    std::string p = "/tmp/quelt_bench_search_" + std::to_string(::getpid()) + ".txt";
    std::FILE* f = std::fopen(p.c_str(), "wb");
    std::fwrite(Text().data(), 1, Text().size(), f);
    std::fclose(f);
    std::atexit([] { std::remove(TextFile()); });
    return p;
  }();
  return path.c_str();
}

// Every match of the text, one Find after another.
void CountMatches(benchmark::State& state, std::string_view what, SearchOptions options) {
  const std::string& text = Text();
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
  const auto size = static_cast<std::uint32_t>(text.size());
  Searcher searcher;
  if (!searcher.Prepare(what, options)) {
    state.SkipWithError("Prepare failed");
    return;
  }
  std::size_t count = 0;
  for (auto _ : state) {
    count = 0;
    TextOffset pos = 0;
    for (SearchHit hit; (hit = searcher.Find(bytes, size, pos, size, true)).found;) {
      ++count;
      pos = hit.start + hit.length;
    }
    benchmark::DoNotOptimize(count);
  }
  state.counters["matches"] = static_cast<double>(count);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * size);
}

void Grep(benchmark::State& state, const std::string& flags, const std::string& what) {
  const std::string command = "LC_ALL=C grep -c " + flags + " '" + what + "' " + TextFile() + " >/dev/null";
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    const int status = std::system(command.c_str());
    const auto end = std::chrono::steady_clock::now();
    if (status == -1) state.SkipWithError("grep did not run");
    state.SetIterationTime(std::chrono::duration<double>(end - start).count());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * Text().size());
}

SearchOptions Plain(bool matchCase) {
  SearchOptions o;
  o.matchCase = matchCase;
  return o;
}

SearchOptions Regex() {
  SearchOptions o;
  o.regex = true;
  o.matchCase = true;
  return o;
}

void BM_PlainNoHit(benchmark::State& s) { CountMatches(s, "needle", Plain(true)); }
void BM_GrepPlainNoHit(benchmark::State& s) { Grep(s, "-F", "needle"); }
void BM_CaseInsensitiveNoHit(benchmark::State& s) { CountMatches(s, "Needle", Plain(false)); }
void BM_GrepCaseInsensitiveNoHit(benchmark::State& s) { Grep(s, "-i -F", "Needle"); }
void BM_DoubleByteNoHit(benchmark::State& s) { CountMatches(s, "\x8C\x9F\x8D\xF5\x8C\xEA", Plain(true)); }
void BM_GrepDoubleByteNoHit(benchmark::State& s) { Grep(s, "-F", "\x8C\x9F\x8D\xF5\x8C\xEA"); }
void BM_RegexFooBar(benchmark::State& s) { CountMatches(s, "foo[0-9]+bar", Regex()); }
void BM_GrepRegexFooBar(benchmark::State& s) { Grep(s, "-E", "foo[0-9]+bar"); }
void BM_RegexFooBarCaseInsensitive(benchmark::State& s) {
  SearchOptions o = Regex();
  o.matchCase = false;
  CountMatches(s, "foo[0-9]+bar", o);
}
void BM_GrepRegexFooBarCaseInsensitive(benchmark::State& s) { Grep(s, "-i -E", "foo[0-9]+bar"); }

BENCHMARK(BM_PlainNoHit)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GrepPlainNoHit)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CaseInsensitiveNoHit)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GrepCaseInsensitiveNoHit)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DoubleByteNoHit)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GrepDoubleByteNoHit)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RegexFooBar)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GrepRegexFooBar)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RegexFooBarCaseInsensitive)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GrepRegexFooBarCaseInsensitive)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quelt

BENCHMARK_MAIN();
