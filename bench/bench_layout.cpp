// Display layout: full layout of large texts, re-layout after typing one
// character, and offset-to-line look-ups.
#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <string>

#include "base/host.h"
#include "bench_host.h"
#include "text/text_store.h"
#include "view/layout.h"

namespace quelt {
namespace {

using bench::QuietHost;

// Logical lines of random length (up to maxLine bytes) of ASCII words and
// Japanese characters, until the text holds `bytes` bytes.
std::string MakeText(std::size_t bytes, int maxLine, unsigned seed) {
  std::mt19937 rng(seed);
  std::string text;
  text.reserve(bytes + 512);
  while (text.size() + 2 < bytes) {
    const int n = 1 + static_cast<int>(rng() % maxLine);
    for (int i = 0; i < n && text.size() + 4 < bytes; ++i) {
      switch (rng() % 8) {
        case 0: text += "\x82\xA0"; ++i; break;   // "あ"
        case 1: text += "\x8A\xBF"; ++i; break;   // "漢"
        case 2: text += ' '; break;
        case 3: text += '\t'; break;
        default: text += static_cast<char>('a' + rng() % 26); break;
      }
    }
    text += "\r\n";
  }
  return text;
}

struct Fixture {
  Fixture(const std::string& text, int wrap) {
    store.Create();
    store.Load(text, DocumentKind::kText);
    LayoutParams p;
    p.wrapColumn = wrap;
    p.wordWrap = true;
    p.kinsoku = true;
    p.kinsokuChars = KinsokuSet("\x81\x41\x81\x42),.");
    layout = std::make_unique<Layout>(store, p, &host);
    layout->FullLayout();
  }
  QuietHost host;
  TextStore store;
  std::unique_ptr<Layout> layout;
};

const std::string& Text10MB() {
  static const std::string text = MakeText(10 * 1024 * 1024 - 1024, 240, 1);
  return text;
}

void BM_FullLayout10MB(benchmark::State& state) {
  Fixture f(Text10MB(), static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(f.layout->FullLayout());
  state.counters["lines"] = f.store.LineCount();
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * f.store.Length());
}
// Wrap 250 keeps a 10 MB text under the line limit; wrap 80 fills the
// table's 100,000 lines and stops there.
BENCHMARK(BM_FullLayout10MB)->Arg(250)->Arg(80)->Unit(benchmark::kMillisecond);

void BM_FullLayout100000Lines(benchmark::State& state) {
  static const std::string text = MakeText(6 * 1024 * 1024, 110, 2);
  Fixture f(text, 80);
  for (auto _ : state) benchmark::DoNotOptimize(f.layout->FullLayout());
  state.counters["lines"] = f.store.LineCount();
}
BENCHMARK(BM_FullLayout100000Lines)->Unit(benchmark::kMillisecond);

// One character typed and removed again at a point of a 10 MB text, each
// followed by its re-layout: two edits per iteration.
void BM_TypeOneCharacter10MB(benchmark::State& state) {
  Fixture f(Text10MB(), 250);
  const std::uint32_t n = f.store.Length();
  TextOffset p = static_cast<TextOffset>(std::uint64_t{n} * state.range(0) / 100);
  p = f.layout->LineStart(f.layout->LineOfOffset(p)) + 1;  // a character boundary
  if (state.range(0) == 100) p = n;
  for (auto _ : state) {
    f.store.Insert(p, "x");
    benchmark::DoNotOptimize(f.layout->Relayout(p, 1));
    f.store.Delete(p, 1);
    benchmark::DoNotOptimize(f.layout->Relayout(p, -1));
  }
  state.SetItemsProcessed(state.iterations() * 2);
  state.counters["lines"] = f.store.LineCount();
}
// Percent of the text: start, middle, end.
BENCHMARK(BM_TypeOneCharacter10MB)->Arg(0)->Arg(50)->Arg(100)->Unit(benchmark::kMicrosecond);

void BM_LineOfOffset(benchmark::State& state) {
  Fixture f(Text10MB(), 250);
  std::mt19937 rng(3);
  const std::uint32_t n = f.store.Length();
  for (auto _ : state) benchmark::DoNotOptimize(f.layout->LineOfOffset(rng() % (n + 1)));
}
BENCHMARK(BM_LineOfOffset);

}  // namespace
}  // namespace quelt

BENCHMARK_MAIN();
