// The colour passes for one screen (50 lines of up to 100 columns) of C text
// in a 1 MB document, with area comments on.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "base/host.h"
#include "bench_host.h"
#include "text/text_store.h"
#include "view/area_comments.h"
#include "view/colouring.h"

namespace quelt {
namespace {

using bench::QuietHost;

std::string CText(std::size_t bytes) {
  const std::vector<std::string> lines = {
      "static int count_items(const struct item *list, unsigned long n) {",
      "    for (int i = 0; i < n; ++i) { total += list[i].size; } // sum",
      "    if (total > limit) return -1; /* too many */",
      "#include <stdio.h>",
      "    char buffer[256]; double ratio = 0.5; long offset = 0;",
      "    while (p != NULL && p->next != NULL) p = p->next;",
      "/* A block comment that spans",
      "   two lines of the file */",
      "    switch (kind) { case 1: break; default: return 0; }",
      "    printf(\"see http://example.com/x mail me@example.com\\n\");",
      "typedef unsigned char byte; enum colour { red, green, blue };",
  };
  std::string text;
  std::mt19937 rng(3);
  while (text.size() < bytes) {
    text += lines[rng() % lines.size()];
    text += "\r\n";
  }
  return text;
}

struct Fixture {
  Fixture() {
    store.Create();
    store.Load(CText(1 << 20), DocumentKind::kText);
    // One display line per logical line (no line passes 100 columns).
    const std::string text = store.Text();
    std::vector<TextOffset> starts = {0};
    for (TextOffset p = 0; p + 1 < text.size(); ++p) {
      if (text[p] == '\r' && text[p + 1] == '\n' && p + 2 < text.size()) starts.push_back(p + 2);
    }
    store.EnsureLineCapacity(static_cast<std::uint32_t>(starts.size()));
    store.SetLineCount(static_cast<std::uint32_t>(starts.size()));
    for (std::uint32_t i = 0; i < starts.size(); ++i) store.SetLine(i, starts[i], i > 0 ? 1 : 0);
    tables.Create(kDefaultAreaComments);
    tables.RebuildCommentTables(store, host);
    options.documentType = 2;
    options.colorAreaComment = true;
    options.clickableUrlEmail = true;
    options.keywords = {"count_items", "total", "limit", "buffer", "ratio", "NULL", "kind"};
    view.topLine = store.LineCount() / 2;
    view.bottomLine = view.topLine + 49;
  }
  QuietHost host;
  TextStore store;
  AreaCommentTables tables;
  ColourOptions options;
  PaintView view;
  CellArray cells;
};

Fixture& Shared() {
  static Fixture f;
  return f;
}

void BM_ColourScreen(benchmark::State& state) {
  Fixture& f = Shared();
  const ColourScheme scheme(f.options);
  const TextOffset from = f.store.LineStart(f.view.topLine);
  for (auto _ : state) {
    ColourRange(f.store, scheme, f.view, from, f.store.Length(), &f.tables, {}, f.cells);
    benchmark::DoNotOptimize(f.cells.cells.data());
  }
  state.counters["bytes"] = static_cast<double>(f.cells.Size());
}
BENCHMARK(BM_ColourScreen)->Unit(benchmark::kMicrosecond);

// With the scheme made for every paint, as a window that does not keep one.
void BM_ColourScreenWithScheme(benchmark::State& state) {
  Fixture& f = Shared();
  const TextOffset from = f.store.LineStart(f.view.topLine);
  for (auto _ : state) {
    const ColourScheme scheme(f.options);
    ColourRange(f.store, scheme, f.view, from, f.store.Length(), &f.tables, {}, f.cells);
    benchmark::DoNotOptimize(f.cells.cells.data());
  }
}
BENCHMARK(BM_ColourScreenWithScheme)->Unit(benchmark::kMicrosecond);

// The screen at the end of the document: every delimiter entry is visited.
void BM_ColourLastScreen(benchmark::State& state) {
  Fixture& f = Shared();
  const ColourScheme scheme(f.options);
  PaintView view = f.view;
  view.bottomLine = f.store.LineCount() - 1;
  view.topLine = view.bottomLine - 49;
  const TextOffset from = f.store.LineStart(view.topLine);
  for (auto _ : state) {
    ColourRange(f.store, scheme, view, from, f.store.Length(), &f.tables, {}, f.cells);
    benchmark::DoNotOptimize(f.cells.cells.data());
  }
}
BENCHMARK(BM_ColourLastScreen)->Unit(benchmark::kMicrosecond);

// The same with the largest table ("CountOfColorAreaComment" 10000), which
// holds every delimiter of the text.
void BM_ColourLastScreenLargeTables(benchmark::State& state) {
  Fixture& f = Shared();
  AreaCommentTables tables;
  tables.Create(kMaxAreaComments);
  tables.RebuildCommentTables(f.store, f.host);
  const ColourScheme scheme(f.options);
  PaintView view = f.view;
  view.bottomLine = f.store.LineCount() - 1;
  view.topLine = view.bottomLine - 49;
  const TextOffset from = f.store.LineStart(view.topLine);
  for (auto _ : state) {
    ColourRange(f.store, scheme, view, from, f.store.Length(), &tables, {}, f.cells);
    benchmark::DoNotOptimize(f.cells.cells.data());
  }
  state.counters["opens"] = static_cast<double>(tables.Opens().size());
}
BENCHMARK(BM_ColourLastScreenLargeTables)->Unit(benchmark::kMicrosecond);

// Rebuilding the delimiter tables after a full layout of the 1 MB text.
void BM_RebuildCommentTables(benchmark::State& state) {
  Fixture& f = Shared();
  AreaCommentTables tables;
  tables.Create(kMaxAreaComments);
  for (auto _ : state) tables.RebuildCommentTables(f.store, f.host);
}
BENCHMARK(BM_RebuildCommentTables)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quelt

BENCHMARK_MAIN();
