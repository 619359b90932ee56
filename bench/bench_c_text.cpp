// Large C texts: painting one screen at the end of a 10 MB text that is one
// single logical line, and one keystroke in a 10 MB C file with 10,000
// comment delimiters (store, undo, re-layout and delimiter tables).
#include <benchmark/benchmark.h>

#include <string>

#include "bench_host.h"
#include "text/text_store.h"
#include "text/undo_history.h"
#include "view/area_comment_keeper.h"
#include "view/colouring.h"
#include "view/edit_ops.h"
#include "view/layout.h"

namespace quelt {
namespace {

using bench::QuietHost;

constexpr std::size_t kTenMegabytes = 10000000;

// C tokens without any line end, "//" every 4 KB and a "/* */" pair now
// and then, about `bytes` long.
std::string SingleLineC(std::size_t bytes) {
  std::string text;
  text.reserve(bytes + 128);
  std::size_t n = 0;
  while (text.size() < bytes) {
    text += "int value = count + 1; ";
    if (++n % 170 == 0) text += "/* note */ ";
  }
  return text;
}

// Lines of C with a comment on every 20th line, 10,000 delimiters in all.
std::string CFileWithComments(std::size_t bytes, int delimiters) {
  const std::string plain = "    total += list[i].size; if (total > limit) return -1;\r\n";
  const std::string commented = "    total += list[i].size; /* keep */ return -1;\r\n";
  const std::size_t lines = bytes / plain.size();
  const std::size_t every = std::max<std::size_t>(1, lines / static_cast<std::size_t>(delimiters / 2));
  std::string text;
  text.reserve(bytes + plain.size());
  for (std::size_t i = 0; i < lines; ++i) text += (i % every == 0) ? commented : plain;
  return text;
}

LayoutParams WideParams() {
  LayoutParams p;
  p.wrapColumn = 80;
  p.tabWidth = 4;
  return p;
}

void BM_PaintEndOfSingleLineC(benchmark::State& state) {
  static TextStore store;
  static QuietHost host;
  static AreaCommentKeeper keeper(store, host);
  static bool ready = false;
  static std::unique_ptr<Layout> layout;
  if (!ready) {
    store.Create();
    store.Load(SingleLineC(kTenMegabytes), DocumentKind::kText);
    layout = std::make_unique<Layout>(store, WideParams(), &host);
    layout->FullLayout();
    keeper.Rescan(1, true, 10000);
    ready = true;
  }
  ColourOptions options;
  options.documentType = 1;
  options.colorAreaComment = true;
  const ColourScheme scheme(options);
  PaintView view;
  view.bottomLine = store.LineCount() - 1;
  view.topLine = view.bottomLine >= 49 ? view.bottomLine - 49 : 0;
  view.tabWidth = 4;
  CellArray cells;
  for (auto _ : state) {
    ColourRange(store, scheme, view, 0, store.Length(), keeper.Tables(), {}, cells);
    benchmark::DoNotOptimize(cells.cells.data());
  }
  state.counters["lines"] = store.LineCount();
}
BENCHMARK(BM_PaintEndOfSingleLineC)->Unit(benchmark::kMillisecond);

void BM_KeystrokeInLargeCFile(benchmark::State& state) {
  TextStore store;
  QuietHost host;
  AreaCommentKeeper keeper(store, host);
  UndoHistory history(store, host);
  store.Create();
  history.Create();
  store.Load(CFileWithComments(kTenMegabytes, 10000), DocumentKind::kText);
  Layout layout(store, WideParams(), &host);
  layout.FullLayout();
  keeper.Rescan(2, true, 10000);
  EditSession s(history, EditOptions{});
  TextOffset caret = store.Length() / 2;
  const char* keys[] = {"a", "/", "*", "b"};
  int k = 0;
  for (auto _ : state) {
    const EditResult r = TypeText(s, CaretPlace{caret, 4}, keys[k++ & 3], false);
    layout.RelayoutReplaced(r.change.from, r.change.removed, r.change.inserted);
    keeper.TakeDelimitersChanged();
    caret = r.Done() ? r.caret : caret;
  }
  state.counters["delimiters"] = static_cast<double>(keeper.Tables()->Opens().size() + keeper.Tables()->Closes().size());
}
BENCHMARK(BM_KeystrokeInLargeCFile)->Unit(benchmark::kMicrosecond)->Iterations(20000);

}  // namespace
}  // namespace quelt

BENCHMARK_MAIN();
