// The visual mode's hot paths on a page near the 9,744-byte limit: reading
// it (cleaning and both passes), writing it back, and laying it out on
// pages, next to iconv turning the same page from EUC-JP into Shift-JIS,
// the conversion every load of a non-Shift-JIS page makes first.
#include <benchmark/benchmark.h>
#include <iconv.h>

#include <string>

#include "base/host.h"
#include "html/visual_layout.h"
#include "html/visual_reader.h"
#include "html/visual_writer.h"

namespace quelt {
namespace {

// A page of about 9 KB: paragraphs of Japanese and ASCII text with bold,
// italic, coloured and sized runs, links and both kinds of line break.
const std::string& Page() {
  static const std::string page = [] {
    std::string p = "<HTML><HEAD><TITLE>bench</TITLE></HEAD><BODY BGCOLOR=\"#FFFFFF\">\r\n";
    const std::string para =
        "\x93\xfa\x96\x7b\x8c\xea\x82\xcc text <B>bold</B> <I>italic</I> <FONT SIZE=5 COLOR=\"#FF0000\">"
        "\x90\xd4</FONT> <A HREF=\"a.html\">link</A><BR>\r\n";
    while (p.size() + para.size() < 9600) p += para;
    return p + "</BODY></HTML>";
  }();
  return page;
}

class NullHost : public Host {
 public:
  void Beep() override {}
  void ShowMessage(MessageId, const std::string&) override {}
  Answer Ask(MessageId, Question, const std::string&) override { return Answer::kCancel; }
};

// Fixed advances: one-byte characters 7 pixels, two-byte ones 14, scaled
// by the font's points.
class FixedMetrics : public VisualMetrics {
 public:
  explicit FixedMetrics(const VisualDocument& doc) : doc_(doc) {}
  int CharWidth(int font, std::string_view ch) override {
    return static_cast<int>(ch.size()) * 7 * doc_.fonts[static_cast<std::size_t>(font)].height / 11;
  }
  int FontHeight(int font) override { return doc_.fonts[static_cast<std::size_t>(font)].height * 4 / 3 + 2; }
  int FontAscent(int font) override { return doc_.fonts[static_cast<std::size_t>(font)].height; }
  double PixelsPerMm() override { return 96 / 25.4; }

 private:
  const VisualDocument& doc_;
};

void BM_ParseVisualPage(benchmark::State& state) {
  for (auto _ : state) {
    VisualDocument doc;
    ParseVisualHtml(Page(), doc);
    benchmark::DoNotOptimize(doc.text.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * Page().size()));
}
BENCHMARK(BM_ParseVisualPage)->Unit(benchmark::kMicrosecond);

void BM_GenerateVisualHtml(benchmark::State& state) {
  VisualDocument doc;
  ParseVisualHtml(Page(), doc);
  for (auto _ : state) benchmark::DoNotOptimize(GenerateVisualHtml(doc).size());
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * Page().size()));
}
BENCHMARK(BM_GenerateVisualHtml)->Unit(benchmark::kMicrosecond);

void BM_LayoutVisualPage(benchmark::State& state) {
  VisualDocument doc;
  ParseVisualHtml(Page(), doc);
  FixedMetrics metrics(doc);
  NullHost host;
  VisualLayoutOptions options;
  options.wordWrap = state.range(0) != 0;
  for (auto _ : state) {
    VisualLayout layout;
    layout.Build(doc, metrics, options, host);
    benchmark::DoNotOptimize(layout.LineCount());
  }
}
BENCHMARK(BM_LayoutVisualPage)->ArgName("wordwrap")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_IconvPageEucToSjis(benchmark::State& state) {
  iconv_t toEuc = iconv_open("EUC-JP", "CP932");
  std::string in = Page(), euc(in.size() * 2, '\0');
  char* src = in.data();
  char* dst = euc.data();
  std::size_t inLeft = in.size(), outLeft = euc.size();
  iconv(toEuc, &src, &inLeft, &dst, &outLeft);
  euc.resize(euc.size() - outLeft);
  iconv_close(toEuc);
  iconv_t cd = iconv_open("CP932", "EUC-JP");
  std::string out(euc.size() * 2, '\0');
  for (auto _ : state) {
    char* s = euc.data();
    char* d = out.data();
    std::size_t sl = euc.size(), dl = out.size();
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    benchmark::DoNotOptimize(iconv(cd, &s, &sl, &d, &dl));
  }
  iconv_close(cd);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * euc.size()));
}
BENCHMARK(BM_IconvPageEucToSjis)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quelt

BENCHMARK_MAIN();
