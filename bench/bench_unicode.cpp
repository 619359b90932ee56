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

// The shapes of text a user meets, each about 2 MB of UTF-8 with LF line
// ends: Japanese prose with some ASCII words (the goal's text), program
// text that is nearly all ASCII, and Japanese without any ASCII but the
// line ends. Generated as Shift-JIS and sent through the encoder once, so
// that every character is one that code page 932 defines (iconv stops at
// any other).
enum Shape { kProse = 0, kProgram = 1, kKanaKanji = 2 };

const std::string& Utf8File(int shape) {
  static std::string files[3];
  std::string& file = files[shape];
  if (!file.empty()) return file;
  constexpr const char* kWords[] = {"int", "return", "the", "file", "Quelt", "2024"};
  constexpr const char* kCode[] = {"if (x == 0) {", "return value;", "}", "for (int i = 0; i < n; ++i)",
                                   "// \x93\xFA\x96\x7B\x8C\xEA", "std::string name;"};
  std::mt19937 rng(7);
  std::string sjis;
  std::size_t column = 0;
  while (file.size() < kFileBytes) {
    const std::size_t before = sjis.size();
    if (shape == kProgram) {
      sjis += kCode[rng() % std::size(kCode)];
      column = 70;
    } else {
      bench::AppendJapanese(sjis, rng, kWords, shape == kProse ? 45 : 100);
      if (shape == kKanaKanji && rng() % 2) sjis.replace(before, sjis.size() - before, "\x8A\xBF");  // 漢
    }
    column += sjis.size() - before;
    if (column >= 70) {
      sjis += "\r\n";
      column = 0;
    }
    if (sjis.size() > 64 * 1024) {
      file += EncodeUnicode(U(sjis), sjis.size(), CharCodeId::kUtf8, LineEndId::kLf, {}).bytes;
      sjis.clear();
    }
  }
  return file;
}

const std::string& Internal(int shape) {
  static std::string texts[3];
  std::string& text = texts[shape];
  if (text.empty()) {
    const std::string& file = Utf8File(shape);
    text = ToInternal(U(file), file.size(), CharCodeId::kUtf8, kSelectorLf).bytes;
  }
  return text;
}

void Shapes(benchmark::internal::Benchmark* b) {
  b->ArgName("shape")->Arg(kProse)->Arg(kProgram)->Arg(kKanaKanji)->Unit(benchmark::kMillisecond);
}

void BM_Utf8ToInternal(benchmark::State& state) {
  const std::string& file = Utf8File(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    const Detection d = Detect(U(file), file.size(), false);
    benchmark::DoNotOptimize(ToInternal(U(file), file.size(), d.code, d.selector));
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file.size()));
}
BENCHMARK(BM_Utf8ToInternal)->Apply(Shapes);

void BM_IconvUtf8ToCp932(benchmark::State& state) {
  const std::string& file = Utf8File(static_cast<int>(state.range(0)));
  iconv_t cd = iconv_open("CP932", "UTF-8");
  std::string out(file.size() * 2, '\0');
  for (auto _ : state) benchmark::DoNotOptimize(bench::Iconv(cd, file, out, true));
  iconv_close(cd);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file.size()));
}
BENCHMARK(BM_IconvUtf8ToCp932)->Apply(Shapes);

void BM_InternalToUtf8(benchmark::State& state) {
  const std::string& text = Internal(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    benchmark::DoNotOptimize(EncodeUnicode(U(text), text.size(), CharCodeId::kUtf8, LineEndId::kLf, {}));
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_InternalToUtf8)->Apply(Shapes);

void BM_IconvCp932ToUtf8(benchmark::State& state) {
  const std::string& text = Internal(static_cast<int>(state.range(0)));
  iconv_t cd = iconv_open("UTF-8", "CP932");
  std::string out(text.size() * 3, '\0');
  for (auto _ : state) benchmark::DoNotOptimize(bench::Iconv(cd, text, out, true));
  iconv_close(cd);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_IconvCp932ToUtf8)->Apply(Shapes);

}  // namespace
}  // namespace quelt

BENCHMARK_MAIN();
