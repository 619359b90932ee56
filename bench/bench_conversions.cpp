// The character conversions of a 1 MB selection, next to glibc's iconv
// turning the same Shift-JIS text into UTF-8 (a table conversion of every
// character, as the width conversions are).
#include <benchmark/benchmark.h>
#include <iconv.h>

#include <random>
#include <string>

#include "bench_text.h"
#include "convert/char_conversion.h"

namespace quelt {
namespace {

// 1 MB of Japanese prose with ASCII words and half-width katakana with
// sound marks.
const std::string& Text1MB() {
  static const std::string text = [] {
    static constexpr const char* kWords[] = {"hello", "World", "don't", "\xB6\xDE\xB0\xC4\xDE", "\xCA\xDF\xDD",
                                             "ABC", "x=1;", "\xB1\xB2\xB3"};
    std::mt19937 rng(7);
    std::string t;
    while (t.size() < 1000000) {
      bench::AppendJapanese(t, rng, kWords, 40);
      if (rng() % 40 == 0) t += "\r\n";
    }
    return t;
  }();
  return text;
}

void BM_Convert(benchmark::State& state) {
  const auto kind = static_cast<CharConversion>(state.range(0));
  const std::string& text = Text1MB();
  std::string out;
  for (auto _ : state) {
    out.clear();
    out.reserve(ConversionBufferSize(kind, text.size()));
    ConvertChars(kind, text, out);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_Convert)
    ->ArgName("kind")
    ->DenseRange(0, 7)
    ->Unit(benchmark::kMillisecond);

void BM_IconvSjisToUtf8(benchmark::State& state) {
  const std::string& text = Text1MB();
  iconv_t cd = iconv_open("UTF-8", "CP932");
  std::string out(text.size() * 2, '\0');
  for (auto _ : state) {
    char* inp = const_cast<char*>(text.data());
    std::size_t inLeft = text.size();
    char* outp = out.data();
    std::size_t outLeft = out.size();
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    // The random kanji include unassigned codes: iconv stops at each, and
    // the walk goes on after it.
    while (inLeft > 0 && iconv(cd, &inp, &inLeft, &outp, &outLeft) == static_cast<std::size_t>(-1)) {
      ++inp;
      --inLeft;
    }
    benchmark::DoNotOptimize(outp);
  }
  iconv_close(cd);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_IconvSjisToUtf8)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quelt

BENCHMARK_MAIN();
