// UTF-8 <-> the internal form next to glibc's iconv (-f UTF-8 -t CP932 and
// back) on the same 2 MB Japanese text in the same run.
#include <benchmark/benchmark.h>
#include <iconv.h>

#include <random>
#include <string>

#include "bench_iconv.h"
#include "bench_text.h"
#include "text/char_code.h"
#include "text/unicode_codec.h"

namespace quelt {
namespace {

const std::uint8_t* U(const std::string& s) { return reinterpret_cast<const std::uint8_t*>(s.data()); }

constexpr std::size_t kFileBytes = 2u << 20;

// Japanese prose in UTF-8 with LF line ends, about 2 MB. Generated as
// Shift-JIS and sent through the encoder once, so that every character is
// one that code page 932 defines (iconv stops at any other).
const std::string& Utf8File() {
  static const std::string file = [] {
    constexpr const char* kWords[] = {"int", "return", "the", "file", "Quelt", "2024"};
    std::mt19937 rng(7);
    std::string sjis;
    std::size_t column = 0;
    std::string utf8;
    while (utf8.size() < kFileBytes) {
      const std::size_t before = sjis.size();
      bench::AppendJapanese(sjis, rng, kWords, 45);
      column += sjis.size() - before;
      if (column >= 70) {
        sjis += "\r\n";
        column = 0;
      }
      if (sjis.size() > 64 * 1024) {
        utf8 += EncodeUnicode(U(sjis), sjis.size(), CharCodeId::kUtf8, LineEndId::kLf, {}).bytes;
        sjis.clear();
      }
    }
    return utf8;
  }();
  return file;
}

const std::string& Internal() {
  static const std::string text = ToInternal(U(Utf8File()), Utf8File().size(), CharCodeId::kUtf8, kSelectorLf).bytes;
  return text;
}

void BM_Utf8ToInternal(benchmark::State& state) {
  const std::string& file = Utf8File();
  for (auto _ : state) {
    const Detection d = Detect(U(file), file.size(), false);
    benchmark::DoNotOptimize(ToInternal(U(file), file.size(), d.code, d.selector));
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file.size()));
}
BENCHMARK(BM_Utf8ToInternal)->Unit(benchmark::kMillisecond);

void BM_IconvUtf8ToCp932(benchmark::State& state) {
  const std::string& file = Utf8File();
  iconv_t cd = iconv_open("CP932", "UTF-8");
  std::string out(file.size() * 2, '\0');
  for (auto _ : state) benchmark::DoNotOptimize(bench::Iconv(cd, file, out, true));
  iconv_close(cd);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file.size()));
}
BENCHMARK(BM_IconvUtf8ToCp932)->Unit(benchmark::kMillisecond);

void BM_InternalToUtf8(benchmark::State& state) {
  const std::string& text = Internal();
  for (auto _ : state) {
    benchmark::DoNotOptimize(EncodeUnicode(U(text), text.size(), CharCodeId::kUtf8, LineEndId::kLf, {}));
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_InternalToUtf8)->Unit(benchmark::kMillisecond);

void BM_IconvCp932ToUtf8(benchmark::State& state) {
  const std::string& text = Internal();
  iconv_t cd = iconv_open("UTF-8", "CP932");
  std::string out(text.size() * 3, '\0');
  for (auto _ : state) benchmark::DoNotOptimize(bench::Iconv(cd, text, out, true));
  iconv_close(cd);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_IconvCp932ToUtf8)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quelt

BENCHMARK_MAIN();
