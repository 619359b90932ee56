// Fixed metrics for the visual view's tests: ten pixels a millimetre, a
// single-byte character 10 pixels wide and a two-byte one 20 in every
// font, font i 10 + 10 i pixels high. The margins leave a text area of
// 200 x 210 pixels: twenty narrow characters a line, 21 lines of the
// base font a page.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "fake_host.h"
#include "html/visual_layout.h"

namespace quelt::test {

class FixedMetrics : public VisualMetrics {
 public:
  int CharWidth(int font, std::string_view ch) override {
    if (font == wideFont) return 300;
    return ch.size() == 2 ? 20 : 10;
  }
  int FontHeight(int font) override { return 10 + 10 * font; }
  int FontAscent(int font) override { return 8 + 8 * font; }
  double PixelsPerMm() override { return 10.0; }
  int wideFont = -1;
};

inline VisualLayoutOptions NarrowPage() {
  VisualLayoutOptions o;
  o.leftMarginMm = 95;  // 2100 - 2 * 950 = 200 pixels
  o.topMarginMm = 138;  // 2970 - 2 * 1380 = 210 pixels
  o.tabWidth = 50;      // 5 mm = 50 pixels
  return o;
}

// A document of plain text in the base font; CR LF pairs are BR breaks.
inline VisualDocument PlainDoc(const std::string& text) {
  VisualDocument doc;
  doc.text = text;
  doc.attrs.assign(text.size(), VisualAttr{});
  for (std::size_t i = 0; i + 1 < text.size(); ++i)
    if (text[i] == '\r' && text[i + 1] == '\n') doc.attrs[i].lineBreak = doc.attrs[i + 1].lineBreak = LineBreakKind::kBr;
  return doc;
}

struct LaidOut {
  FixedMetrics metrics;
  FakeHost host;
  VisualLayout layout;
  VisualLayoutOptions options = NarrowPage();
  void Build(const VisualDocument& doc) { layout.Build(doc, metrics, options, host); }
};

}  // namespace quelt::test
