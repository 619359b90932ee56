// The free conversion over about 1 MiB of Japanese text (hiragana,
// katakana, kanji, commas and ASCII words in lines of about 80 bytes, just
// under the 1,048,416 bytes the output holds) with all ten rules filled:
// class rules (hiragana to katakana, upper-case to lower-case letters,
// full-width digits and spaces to half width) and literal rules (words, a
// kanji, a comma). No rule makes the text longer, so the whole text is
// walked. Figures are milliseconds per run; the counters in_bytes and
// out_bytes are the sizes converted and made. A second case runs the same
// rules with escape sequences on over a text none of them matches.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>

#include "bench_text.h"
#include "convert/free_conversion.h"

namespace quelt {
namespace {

std::string Name(CharClass c) { return std::string(CharClassName(c)); }

const std::string& Source() {
  static const std::string text = [] {
    static constexpr const char* kWords[] = {"int", "return", "foo", "Quelt", "x = 1;", "DATA", "2024"};
    std::mt19937 rng(42);
    std::string t;
    std::size_t lineStart = 0;
    while (t.size() < kFreeConversionOutputLimit - 16) {
      bench::AppendJapanese(t, rng, kWords, 40);
      if (t.size() - lineStart > 80) {
        t += "\r\n";
        lineStart = t.size();
      }
    }
    return t;
  }();
  return text;
}

FreeConversionRules TenRules() {
  FreeConversionRules r;
  r.rules = {
      {"foo", "bar"},
      {"return", "RETURN"},
      {"\x88\xA4", "\x88\xA5"},  // 愛 to 挨
      {Name(CharClass::kFullHiragana), Name(CharClass::kFullKatakana)},
      {Name(CharClass::kHalfUpper), Name(CharClass::kHalfLower)},
      {Name(CharClass::kFullDigit), Name(CharClass::kHalfDigit)},
      {Name(CharClass::kFullSpace), Name(CharClass::kHalfSpace)},
      {"\x81\x41", "\x81\x43"},  // 、 to ，
      {"int", "INT"},
      {"x = ", "x="},
  };
  return r;
}

void BM_FreeConversionTenRules(benchmark::State& state) {
  FreeConverter c;
  if (!c.Prepare(TenRules(), false)) state.SkipWithError("rules refused");
  std::size_t in = 0, out = 0;
  for (auto _ : state) {
    const FreeConverter::Result r = c.Convert(Source());
    in = r.converted;
    out = r.text.size();
    benchmark::DoNotOptimize(r.text.data());
  }
  state.counters["in_bytes"] = static_cast<double>(in);
  state.counters["out_bytes"] = static_cast<double>(out);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * Source().size()));
}
BENCHMARK(BM_FreeConversionTenRules)->Unit(benchmark::kMillisecond);

// The yardstick: GNU sed over the same text in a file with the ASCII rules
// (four words and the upper-case letters to lower case), byte by byte,
// start-up included. It has no character classes of Shift-JIS, so the kana,
// digit and space rules are left out of its work.
void BM_SedFiveRules(benchmark::State& state) {
  const char* path = "/tmp/quelt_bench_free_conversion.txt";
  std::ofstream(path, std::ios::binary) << Source();
  const std::string command = std::string("LC_ALL=C sed -e s/foo/bar/g -e s/return/RETURN/g -e s/int/INT/g ") +
                              "-e 's/x = /x=/g' -e y/ABCDEFGHIJKLMNOPQRSTUVWXYZ/abcdefghijklmnopqrstuvwxyz/ " +
                              path + " >/dev/null";
  double seconds = 0;
  for (auto _ : state) {
    const auto t0 = std::chrono::steady_clock::now();
    if (std::system(command.c_str()) == -1) state.SkipWithError("sed did not run");
    seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
  }
  state.counters["MB/s"] = static_cast<double>(Source().size()) * state.iterations() / seconds / 1e6;
}
BENCHMARK(BM_SedFiveRules)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_FreeConversionNothingMatches(benchmark::State& state) {
  FreeConversionRules rules = TenRules();
  rules.options = kFreeConvEscapeSequences;
  FreeConverter c;
  if (!c.Prepare(rules, true)) state.SkipWithError("rules refused");
  const std::string plain(Source().size(), 'z');
  for (auto _ : state) {
    const FreeConverter::Result r = c.Convert(plain);
    benchmark::DoNotOptimize(r.text.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * plain.size()));
}
BENCHMARK(BM_FreeConversionNothingMatches)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quelt

BENCHMARK_MAIN();
