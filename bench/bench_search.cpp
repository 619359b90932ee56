// The search engine over 10 MB of Shift-JIS text (double-byte characters,
// ASCII words, CR LF lines) beside GNU grep -c on the same bytes: plain
// searches (with and without case, double-byte, with widths folded),
// regular expressions with a literal prefix, an inner literal, none at all,
// and each of them without case, every match counted over the whole text;
// and the patterns that take a backtracking matcher quadratic time on one
// line of 100 KB. Figures are bytes per second of wall time (grep: the whole
// command, start-up and reading the file included).
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <deque>

#include <unistd.h>

#include "search/search_engine.h"
#include "bench_grep.h"
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

// One line of 100 KB of "a" and no "b": a backtracking matcher takes
// quadratic time over it for the patterns that end in "b".
const std::string& LongLine() {
  static const std::string line = std::string(100000, 'a') + "\r\n";
  return line;
}

const char* FileOf(const std::string& text, const char* name) {
  static std::deque<std::string> paths;
  std::string p = "/tmp/quelt_bench_search_" + std::to_string(::getpid()) + "_" + name + ".txt";
  std::FILE* f = std::fopen(p.c_str(), "wb");
  std::fwrite(text.data(), 1, text.size(), f);
  std::fclose(f);
  if (paths.empty()) {
    std::atexit([] {
      for (const std::string& q : paths) std::remove(q.c_str());
    });
  }
  paths.push_back(p);
  return paths.back().c_str();
}

// Every match of the text, one Find after another.
void CountMatches(benchmark::State& state, const std::string& text, std::string_view what, SearchOptions options) {
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

void Grep(benchmark::State& state, const char* file, std::size_t bytes, const std::string& flags,
          const std::string& what, bool eachMatch = false) {
  // -c counts lines (grep may stop at a line's first match); -o writes every
  // match with its bounds, as Find gives them.
  const std::string command =
      "LC_ALL=C grep " + std::string(eachMatch ? "-o " : "-c ") + flags + " '" + what + "' " + file + bench::ToGrepOutput();
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    const int status = std::system(command.c_str());
    const auto end = std::chrono::steady_clock::now();
    if (status == -1) state.SkipWithError("grep did not run");
    state.SetIterationTime(std::chrono::duration<double>(end - start).count());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * bytes);
}

// One search of the table: Quelt's Find over the text, then grep over the
// same bytes with the flags that ask the same (-E for a regular expression,
// -F for a plain text, -i without case).
struct Case {
  const char* name;
  const char* what;
  bool regex;
  bool matchCase;
  bool distinguishWidth;
  bool longLine;
};

constexpr Case kCases[] = {
    {"PlainNoHit", "needle", false, true, true, false},
    {"PlainNoHitCaseInsensitive", "Needle", false, false, true, false},
    {"DoubleByteNoHit", "\x8C\x9F\x8D\xF5\x8C\xEA", false, true, true, false},
    {"WidthFoldedNoHit", "needle", false, true, false, false},
    {"WidthFoldedWord", "window", false, true, false, false},
    {"WidthFoldedCaseInsensitive", "Window", false, false, false, false},
    {"RegexFooBar", "foo[0-9]+bar", true, true, true, false},
    {"RegexFooBarCaseInsensitive", "foo[0-9]+bar", true, false, true, false},
    {"RegexDigits", "[0-9]+", true, true, true, false},
    {"RegexWordIng", "[a-z]+ing", true, true, true, false},
    {"RegexWordIngCaseInsensitive", "[a-z]+ing", true, false, true, false},
    {"RegexDotIng", ".ing", true, true, true, false},
    {"RegexDotStarBar", ".*bar", true, true, true, false},
    {"RegexDotStarBarCaseInsensitive", ".*bar", true, false, true, false},
    {"RegexWordEnd", "[a-z]+e ", true, true, true, false},
    {"RegexLineStart", "^[a-z]+", true, true, true, false},
    {"LongLineAStarB", "a*b", true, true, true, true},
    {"LongLineDotStarB", ".*b", true, true, true, true},
    {"LongLineAStarAStarB", "a*a*b", true, true, true, true},
};

void Register() {
  const char* textFile = FileOf(Text(), "text");
  const char* lineFile = FileOf(LongLine(), "line");
  for (const Case& c : kCases) {
    SearchOptions o;
    o.regex = c.regex;
    o.matchCase = c.matchCase;
    o.distinguishWidth = c.distinguishWidth;
    const std::string& text = c.longLine ? LongLine() : Text();
    const char* file = c.longLine ? lineFile : textFile;
    std::string flags = c.regex ? "-E" : "-F";
    if (!c.matchCase) flags = "-i " + flags;
    const std::string what = c.what;
    benchmark::RegisterBenchmark((std::string("BM_") + c.name).c_str(),
                                 [&text, what, o](benchmark::State& s) { CountMatches(s, text, what, o); })
        ->UseRealTime()
        ->Unit(benchmark::kMillisecond);
    // grep's fixed-string search folds no widths: it looks for the text as it is.
    benchmark::RegisterBenchmark((std::string("BM_Grep") + c.name).c_str(),
                                 [file, &text, flags, what](benchmark::State& s) {
                                   Grep(s, file, text.size(), flags, what);
                                 })
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    if (c.regex && !c.longLine) {
      benchmark::RegisterBenchmark((std::string("BM_GrepEachMatch") + c.name).c_str(),
                                   [file, &text, flags, what](benchmark::State& s) {
                                     Grep(s, file, text.size(), flags, what, true);
                                   })
          ->UseManualTime()
          ->Unit(benchmark::kMillisecond);
    }
  }
}

}  // namespace
}  // namespace quelt

int main(int argc, char** argv) {
  quelt::Register();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
