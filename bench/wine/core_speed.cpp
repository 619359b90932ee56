// The engine's search speed as the shipped program runs it: built by the
// win32 preset with the program's own compiler flags (target
// quelt_core_speed, not built by default) and run under Wine. An in-memory
// tree of 100 files of 100 KB for the global search, with the files taken as
// they are and with their code detected, and the table's patterns over
// 10 MB of the same text. Prints milliseconds, best of 5; reported, never
// asserted. Run: wine build/win32/quelt_core_speed.exe
#include <chrono>
#include <cstdio>
#include <random>
#include <string>

#include "../bench_text.h"
#include "base/memory_file_system.h"
#include "global_search/global_search.h"
#include "search/search_engine.h"

namespace {

using namespace quelt;

std::string Text(std::mt19937& rng, std::size_t bytes, bool needle) {
  static const char* const kWords[] = {"the", "data", "value", "line", "file", "count", "index", "window",
                                       "food", "bar", "item", "table", "print", "size", "text", "foo bar"};
  std::string t;
  std::size_t line = 0;
  while (t.size() < bytes) {
    bench::AppendJapanese(t, rng, kWords, 45);
    if (t.size() - line > 60 + rng() % 20) {
      if (needle && t.size() > bytes / 2 && t.find("needle") == std::string::npos) t += "needle";
      t += "\r\n";
      line = t.size();
    }
  }
  return t;
}

template <class F>
double BestMs(F&& f) {
  double best = 1e9;
  for (int i = 0; i < 5; ++i) {
    const auto t0 = std::chrono::steady_clock::now();
    f();
    best = std::min(best, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
  }
  return best;
}

class CountingSink : public GlobalSearchSink {
 public:
  void OnResult(std::string_view line) override { bytes += line.size(); }
  bool KeepGoing(std::string_view, std::uint32_t) override { return true; }
  std::size_t bytes = 0;
};

}  // namespace

int main() {
  std::mt19937 rng(7);
  MemoryFileSystem fs;
  fs.CreateFolder("C:\\tree");
  for (int i = 0; i < 100; ++i) fs.WriteFile("C:\\tree\\f" + std::to_string(i) + ".txt", Text(rng, 100000, i % 10 == 0));
  for (int code : {1, 0}) {
    GlobalSearchRequest r;
    r.text = "needle";
    r.maskText = "C:\\tree\\*.txt";
    r.subfolders = false;
    r.codeDecision = code;
    std::uint32_t found = 0;
    const double ms = BestMs([&] {
      CountingSink sink;
      found = RunGlobalSearch(fs, r, {}, sink).found;
    });
    std::printf("global search, code %d: %.2f ms for 10 MB (%u found)\n", code, ms, found);
  }
  const std::string text = Text(rng, 10000000, false);
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
  const auto size = static_cast<std::uint32_t>(text.size());
  struct Case {
    const char* what;
    bool regex;
    bool distinguishWidth;
  };
  for (const Case& c : {Case{"needle", false, true}, Case{"window", false, false}, Case{"foo[0-9]+bar", true, true},
                        Case{"[0-9]+", true, true}, Case{"[a-z]+ing", true, true}, Case{".*bar", true, true}}) {
    SearchOptions o;
    o.regex = c.regex;
    o.matchCase = true;
    o.distinguishWidth = c.distinguishWidth;
    Searcher s;
    s.Prepare(c.what, o);
    std::size_t count = 0;
    const double ms = BestMs([&] {
      count = 0;
      TextOffset pos = 0;
      for (SearchHit hit; (hit = s.Find(bytes, size, pos, size, true)).found; pos = hit.start + hit.length) ++count;
    });
    std::printf("%s%s: %.2f ms for 10 MB (%zu found)\n", c.what, c.distinguishWidth ? "" : " (widths folded)", ms, count);
  }
  return 0;
}
