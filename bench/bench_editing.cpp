// Typing and pasting through the undo history on large texts: the work of a
// keystroke in the store and the undo buffer (layout is measured elsewhere).
#include <benchmark/benchmark.h>

#include <string>

#include "bench_host.h"
#include "text/text_store.h"
#include "text/undo_history.h"
#include "view/edit_ops.h"

namespace quelt {
namespace {

using bench::QuietHost;

// Lines of 60 letters and a CR LF, about `bytes` long.
std::string SampleText(std::size_t bytes) {
  std::string line(60, 'x');
  line += "\r\n";
  std::string text;
  text.reserve(bytes + line.size());
  while (text.size() < bytes) text += line;
  return text;
}

struct Document {
  TextStore store;
  QuietHost host;
  UndoHistory history{store, host};
  explicit Document(std::size_t bytes) {
    store.Create();
    history.Create();
    store.Load(SampleText(bytes), DocumentKind::kText);
  }
};

constexpr std::size_t kTenMegabytes = 10000000;

CaretPlace AtStart() { return CaretPlace{}; }

void BM_TypeAndUndoAtStart(benchmark::State& state) {
  Document doc(kTenMegabytes);
  EditSession s(doc.history, EditOptions{});
  for (auto _ : state) {
    TypeText(s, AtStart(), "a", false);
    doc.history.Undo(false);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_TypeAndUndoAtStart)->Unit(benchmark::kMicrosecond);

// Typing on with a full record table: every keystroke drops the oldest record.
void BM_TypeAtStart(benchmark::State& state) {
  Document doc(kTenMegabytes);
  EditSession s(doc.history, EditOptions{});
  TextOffset caret = 0;
  for (auto _ : state) {
    const EditResult r = TypeText(s, CaretPlace{caret, static_cast<int>(caret % 60)}, "a", false);
    caret = r.Done() ? r.caret : 0;
    if (caret > 20000) caret = 0;  // stay near the start
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_TypeAtStart)->Unit(benchmark::kMicrosecond)->Iterations(200000);

// Overwrite mode: a removal record with its bytes and an insertion.
void BM_OverwriteAndUndoAtStart(benchmark::State& state) {
  Document doc(kTenMegabytes);
  EditSession s(doc.history, EditOptions{});
  for (auto _ : state) {
    TypeText(s, AtStart(), "b", true);
    doc.history.Undo(false);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_OverwriteAndUndoAtStart)->Unit(benchmark::kMicrosecond);

void BM_PasteOneMegabyte(benchmark::State& state) {
  Document doc(kTenMegabytes / 2);
  EditSession s(doc.history, EditOptions{});
  const std::string clip = SampleText(1 << 20);
  CaretPlace middle;
  middle.offset = static_cast<TextOffset>(doc.store.Length() / 2 / 62 * 62);
  for (auto _ : state) {
    Paste(s, middle, clip, false);
    state.PauseTiming();
    doc.history.Undo(false);
    state.ResumeTiming();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * clip.size()));
}
BENCHMARK(BM_PasteOneMegabyte)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quelt

BENCHMARK_MAIN();
