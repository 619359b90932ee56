// Code and line-end conversion and loading, each next to glibc's iconv on the
// same data in the same run: detection and conversion of a 2 MB EUC file into
// the internal form and back, and reading a 10 MB Shift-JIS file into the
// text store.
#include <benchmark/benchmark.h>
#include <iconv.h>

#include <string>

#include "bench_iconv.h"
#include "text/char_code.h"
#include "text/jis_mapping.h"
#include "text/text_store.h"

namespace quelt {
namespace {

const std::uint8_t* U(const std::string& s) { return reinterpret_cast<const std::uint8_t*>(s.data()); }

// Japanese prose-like text: kanji of level 1, hiragana and ASCII, lines of
// about 70 bytes, in Shift-JIS with the given line end, of n bytes or a
// little less.
std::string SjisCorpus(std::size_t n, const char* lineEnd) {
  std::string s;
  s.reserve(n + 100);
  unsigned k = 0;
  std::size_t column = 0;
  while (s.size() + 80 < n) {
    const unsigned i = k++;
    if (i % 7 == 6) {
      s += "abc ";
      column += 4;
    } else {
      const std::uint16_t c = (i % 3 == 0) ? JisToSjis(0x24, 0x21 + i % 83)   // hiragana
                                           : JisToSjis(0x30 + i % 18, 0x21 + i % 94);  // kanji
      s += static_cast<char>(c >> 8);
      s += static_cast<char>(c & 0xFF);
      column += 2;
    }
    if (column >= 70) {
      s += lineEnd;
      column = 0;
    }
  }
  return s;
}

const std::string& EucFile() {
  static const std::string euc = [] {
    const std::string sjis = SjisCorpus(kMaxConvertBytes / 2 * 2 - 4096, "\r\n");
    return FromInternal(U(sjis), sjis.size(), CharCodeId::kEuc, LineEndId::kLf).bytes;
  }();
  return euc;
}

const std::string& InternalOfEuc() {
  static const std::string text =
      ToInternal(U(EucFile()), EucFile().size(), CharCodeId::kEuc, kSelectorLf).bytes;
  return text;
}

const std::string& SjisFile10MB() {
  static const std::string sjis = SjisCorpus(kMaxLoadSize, "\r\n");
  return sjis;
}

using bench::Iconv;

void BM_DetectEuc(benchmark::State& state) {
  const std::string& euc = EucFile();
  for (auto _ : state) benchmark::DoNotOptimize(Detect(U(euc), euc.size(), false));
}
BENCHMARK(BM_DetectEuc);

void BM_EucToInternal(benchmark::State& state) {
  const std::string& euc = EucFile();
  for (auto _ : state) {
    const Detection d = Detect(U(euc), euc.size(), false);
    benchmark::DoNotOptimize(ToInternal(U(euc), euc.size(), d.code, d.selector));
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * euc.size()));
}
BENCHMARK(BM_EucToInternal)->Unit(benchmark::kMillisecond);

void BM_IconvEucToSjis(benchmark::State& state) {
  const std::string& euc = EucFile();
  iconv_t cd = iconv_open("CP932", "EUC-JP");
  std::string out(euc.size() * 2, '\0');
  for (auto _ : state) benchmark::DoNotOptimize(Iconv(cd, euc, out));
  iconv_close(cd);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * euc.size()));
}
BENCHMARK(BM_IconvEucToSjis)->Unit(benchmark::kMillisecond);

void BM_InternalToEuc(benchmark::State& state) {
  const std::string& text = InternalOfEuc();
  for (auto _ : state) benchmark::DoNotOptimize(FromInternal(U(text), text.size(), CharCodeId::kEuc, LineEndId::kLf));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_InternalToEuc)->Unit(benchmark::kMillisecond);

void BM_IconvSjisToEuc(benchmark::State& state) {
  const std::string& text = InternalOfEuc();
  iconv_t cd = iconv_open("EUC-JP", "CP932");
  std::string out(text.size() * 2, '\0');
  for (auto _ : state) benchmark::DoNotOptimize(Iconv(cd, text, out));
  iconv_close(cd);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_IconvSjisToEuc)->Unit(benchmark::kMillisecond);

void BM_LoadSjis10MB(benchmark::State& state) {
  const std::string& sjis = SjisFile10MB();
  TextStore store;
  if (!store.Create()) {
    state.SkipWithError("out of memory");
    return;
  }
  for (auto _ : state) benchmark::DoNotOptimize(store.Load(sjis, DocumentKind::kText));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * sjis.size()));
}
BENCHMARK(BM_LoadSjis10MB)->Unit(benchmark::kMillisecond);

void BM_IconvSjis10MBToEuc(benchmark::State& state) {
  const std::string& sjis = SjisFile10MB();
  iconv_t cd = iconv_open("EUC-JP", "CP932");
  std::string out(sjis.size() * 2, '\0');
  for (auto _ : state) benchmark::DoNotOptimize(Iconv(cd, sjis, out));
  iconv_close(cd);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * sjis.size()));
}
BENCHMARK(BM_IconvSjis10MBToEuc)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quelt

BENCHMARK_MAIN();
