// A document with a laid-out text for the view tests.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "fake_host.h"
#include "text/text_store.h"
#include "view/layout.h"

namespace quelt::test {

// Shift-JIS characters used in the tests.
inline constexpr const char* kA = "\x82\xA0";       // "あ"
inline constexpr const char* kMaru = "\x81\x42";    // "。"
inline constexpr const char* kTen = "\x81\x41";     // "、"

inline LayoutParams Params(int wrap, bool wordWrap = false, bool kinsoku = false, int tab = 4) {
  LayoutParams p;
  p.wrapColumn = wrap;
  p.tabWidth = tab;
  p.wordWrap = wordWrap;
  p.kinsoku = kinsoku;
  // The default `ColumnOutString`.
  p.kinsokuChars = KinsokuSet(
      "\x81\x41\x81\x42\x81\x43\x81\x44\x81\x6A\x81\x6E\x81\x70\x81\x76\x81\x78"
      "),.]}\xA1\xA3\xA4\xA5\xDE\xDF");
  return p;
}

struct Doc {
  explicit Doc(std::string_view text, const LayoutParams& params = Params(80)) {
    store.Create();
    store.Load(text, DocumentKind::kText);
    layout = std::make_unique<Layout>(store, params, &host);
    layout->FullLayout();
  }
  std::vector<TextOffset> Starts() {
    return {store.LineStarts(), store.LineStarts() + store.LineCount()};
  }
  std::vector<int> Flags() {
    return {store.LineFlags(), store.LineFlags() + store.LineCount()};
  }
  // Inserts or deletes through the store and re-lays out.
  RelayoutResult Insert(TextOffset p, std::string_view bytes) {
    store.Insert(p, bytes);
    return layout->Relayout(p, static_cast<std::int32_t>(bytes.size()));
  }
  RelayoutResult Replace(TextOffset p, std::uint32_t count, std::string_view bytes) {
    store.Delete(p, count);
    store.Insert(p, bytes);
    return layout->RelayoutReplaced(p, count, static_cast<std::uint32_t>(bytes.size()));
  }
  RelayoutResult Delete(TextOffset p, std::uint32_t count) {
    store.Delete(p, count);
    return layout->Relayout(p, -static_cast<std::int32_t>(count));
  }

  TextStore store;
  FakeHost host;
  std::unique_ptr<Layout> layout;
};

inline std::string Repeat(std::string_view s, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += s;
  return out;
}

}  // namespace quelt::test
