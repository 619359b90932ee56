// Replace all in the edit window's way over 10 MB of Shift-JIS text with
// exactly 100,000 hits of "foo": the searcher is prepared, the plan built
// (one rebuilt range holding every hit replaced), the store rewritten through
// the undo history as one step, and the layout brought up to date once for
// the changed range. Every iteration starts from the same freshly loaded and
// laid-out text (not timed). Figures are milliseconds per replace all, with
// the three parts as counters: search_plan_ms, rewrite_ms, relayout_ms.
//
// The rebuilt range spans nearly the whole text, far more than the undo
// buffer's data area (kUndoDataCapacity bytes), so Rewrite asks the host
// whether to go on without undo; the quiet host answers OK. The counters
// undo_questions and can_undo say what happened.
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <random>
#include <string>

#include "bench_host.h"
#include "find/find_run.h"
#include "text/text_store.h"
#include "text/undo_history.h"
#include "view/layout.h"
#include "bench_text.h"

namespace quelt {
namespace {

constexpr int kHits = 100000;
constexpr std::size_t kGap = 93;  // filler bytes before each "foo": 9.8 MB in all

// A quiet host that counts the questions it answers.
class CountingHost : public bench::QuietHost {
 public:
  Answer Ask(MessageId id, Question q, const std::string& s) override {
    ++questions;
    return QuietHost::Ask(id, q, s);
  }
  int questions = 0;
};

// The text and its display lines must stay within the store's limits
// (kMaxTextSize bytes after "foo" became "barbaz", kMaxDisplayLines lines),
// so the lines are long: CR LF lines of 120 to 320 bytes under the widest
// wrap column (some wrap): hiragana, katakana (trail bytes in the ASCII
// range, 'f' and 'o' among them), kanji, punctuation and ASCII words without
// "foo"; "foo" follows every kGap bytes of filler, sometimes right after a
// double-byte character, sometimes as part of a longer word ("foobar").
const std::string& Text() {
  static const std::string text = [] {
    static const char* const kWords[] = {"the", "data", "value", "line", "file", "count", "index", "window",
                                         "fog", "bar", "item", "table", "print", "size", "text", "of"};
    std::mt19937 rng(7);
    std::string t;
    t.reserve(kHits * (kGap + 8) + 256);
    std::size_t lineStart = 0;
    std::size_t lineLimit = 200;
    auto breakLine = [&] {
      if (t.size() - lineStart >= lineLimit) {
        t += "\r\n";
        lineStart = t.size();
        lineLimit = 120 + rng() % 201;
      }
    };
    for (int hit = 0; hit < kHits; ++hit) {
      const std::size_t until = t.size() + kGap;
      while (t.size() < until) {
        bench::AppendJapanese(t, rng, kWords, 40);
        breakLine();
      }
      switch (rng() % 4) {
        case 0: t += "foo"; break;           // right after a double-byte character
        case 1: t += "foobar "; break;       // the start of a word
        default: t += " foo "; break;
      }
      breakLine();
    }
    t += "\r\n";
    return t;
  }();
  return text;
}

LayoutParams WindowParams() {
  LayoutParams p;
  p.wrapColumn = kMaxWrapColumn;
  p.wordWrap = true;
  p.kinsoku = true;
  p.kinsokuChars = KinsokuSet("\x81\x41\x81\x42\x81\x43\x81\x44),.]}\xA1\xA3\xA4\xA5\xDE\xDF");
  p.lead = LeadByteTest(true);
  return p;
}

struct Document {
  Document() {
    store.Create();
    history.Create();
    layout = std::make_unique<Layout>(store, WindowParams(), &host);
  }
  // The same text each time, laid out as a window shows it.
  bool Reload() {
    history.UndoBuffer().Clear();
    history.RedoBuffer().Clear();
    const LoadResult loaded = store.Load(Text(), DocumentKind::kText);
    return !loaded.truncated && !layout->FullLayout().truncated;
  }
  CountingHost host;
  TextStore store;
  UndoHistory history{store, host};
  std::unique_ptr<Layout> layout;
};

double Ms(std::chrono::steady_clock::time_point a, std::chrono::steady_clock::time_point b) {
  return std::chrono::duration<double, std::milli>(b - a).count();
}

void ReplaceAll(benchmark::State& state, const char* replacement, bool matchCase) {
  Document doc;
  const FindFlags flags{matchCase, false, true};
  const FindSettings settings;
  // The window's poll asks whether a click waits in the dialog; here never.
  const CancelPoll poll = [] { return false; };
  double planMs = 0, rewriteMs = 0, relayoutMs = 0;
  std::uint32_t count = 0, linesBefore = 0, linesAfter = 0;
  bool canUndo = false;
  for (auto _ : state) {
    state.PauseTiming();
    if (!doc.Reload()) {
      state.SkipWithError("the text does not fit the store or its line table");
      return;
    }
    doc.host.questions = 0;
    linesBefore = doc.layout->LineCount();
    state.ResumeTiming();

    const auto t0 = std::chrono::steady_clock::now();
    Searcher searcher;
    std::string inserted;
    if (!PrepareSearcher(searcher, "foo", flags, settings, doc.store.Lead()) ||
        !PrepareReplacement(replacement, settings, doc.store.Lead(), inserted)) {
      state.SkipWithError("prepare failed");
      return;
    }
    SearchText text;
    text.length = doc.store.Length();
    text.bytes = doc.store.Buffer().PointerToRange(0, text.length);
    text.lead = doc.store.Lead();
    const ReplaceAllPlan plan = PlanReplaceAll(searcher, text, TextRange{0, text.length}, inserted, &poll);
    const auto t1 = std::chrono::steady_clock::now();
    const EditOutcome outcome = doc.history.Rewrite(plan.from, plan.removed, plan.inserted);
    const auto t2 = std::chrono::steady_clock::now();
    const RelayoutResult r =
        doc.layout->RelayoutReplaced(outcome.change.from, outcome.change.removed, outcome.change.inserted);
    const auto t3 = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(r);

    if (!outcome.Done() || r.truncated) {
      state.SkipWithError("rewrite refused or the line table overflowed");
      return;
    }
    planMs += Ms(t0, t1);
    rewriteMs += Ms(t1, t2);
    relayoutMs += Ms(t2, t3);
    count = plan.count;
    linesAfter = doc.layout->LineCount();
    canUndo = doc.history.CanUndo();
  }
  if (count != kHits) {
    state.SkipWithError("wrong number of hits");
    return;
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["search_plan_ms"] = planMs / n;
  state.counters["rewrite_ms"] = rewriteMs / n;
  state.counters["relayout_ms"] = relayoutMs / n;
  state.counters["hits"] = count;
  state.counters["text_MB"] = static_cast<double>(Text().size()) / 1e6;
  state.counters["lines_before"] = linesBefore;
  state.counters["lines_after"] = linesAfter;
  state.counters["undo_questions"] = doc.host.questions;
  state.counters["can_undo"] = canUndo ? 1 : 0;
}

void BM_ReplaceAllLonger(benchmark::State& s) { ReplaceAll(s, "barbaz", false); }
void BM_ReplaceAllShorter(benchmark::State& s) { ReplaceAll(s, "x", false); }
void BM_ReplaceAllLongerMatchCase(benchmark::State& s) { ReplaceAll(s, "barbaz", true); }

BENCHMARK(BM_ReplaceAllLonger)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_ReplaceAllShorter)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_ReplaceAllLongerMatchCase)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

}  // namespace
}  // namespace quelt

BENCHMARK_MAIN();
