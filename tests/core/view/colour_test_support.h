// Helpers of the colouring tests: a document laid out by a simple rule and
// a picture of the codes of a painted range, one letter per byte.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/text_store.h"
#include "view/area_comments.h"
#include "view/colouring.h"

namespace quelt::test {

// Distinct colours, so the picture can tell the passes apart.
constexpr std::uint32_t kKeyword = 0x000011, kCKeyword = 0x000022, kCppKeyword = 0x000033,
                        kComment = 0x000044, kHtml = 0x000055, kUrl = 0x000066, kMarkBack = 0x000077;

inline ColourOptions TestOptions(int documentType = 0) {
  ColourOptions o;
  o.documentType = documentType;
  o.keywordColour = kKeyword;
  o.cKeywordColour = kCKeyword;
  o.cppKeywordColour = kCppKeyword;
  o.commentColour = kComment;
  o.htmlTagColour = kHtml;
  o.urlColour = kUrl;
  o.markStringBack = kMarkBack | 0x80000000u;
  return o;
}

// Display lines: one per logical line, and with width > 0 a wrap every
// `width` bytes (never inside a double-byte character or CR LF).
inline void LayOut(TextStore& store, std::uint32_t width = 0) {
  std::vector<std::pair<TextOffset, std::uint8_t>> lines;
  const std::string text = store.Text();
  const LeadByteTest lead = store.Lead();
  TextOffset start = 0;
  std::uint8_t flag = 0;
  lines.push_back({0, 0});
  for (TextOffset p = 0; p < text.size();) {
    const auto c = static_cast<std::uint8_t>(text[p]);
    const TextOffset size = (lead(c) || (c == '\r' && p + 1 < text.size() && text[p + 1] == '\n')) ? 2 : 1;
    if (c == '\r' && size == 2) {
      p += 2;
      start = p;
      flag = 1;
      if (p < text.size()) lines.push_back({p, flag});
      continue;
    }
    if (width > 0 && p + size - start > width) {
      start = p;
      lines.push_back({p, 0});
    }
    p += size;
  }
  ASSERT_NE(store.EnsureLineCapacity(static_cast<std::uint32_t>(lines.size())), Capacity::kOutOfMemory);
  ASSERT_TRUE(store.SetLineCount(static_cast<std::uint32_t>(lines.size())));
  for (std::uint32_t i = 0; i < lines.size(); ++i) store.SetLine(i, lines[i].first, lines[i].second);
}

// One letter per byte: '.' default, 'K' keyword, 'C' C keyword, 'P' C++
// keyword, 'M' comment, 'H' HTML, 'U' URL or address, 'B' marked string,
// '?' anything else.
inline std::string Picture(const CellArray& cells) {
  std::string out;
  for (const Cell& cell : cells.cells) {
    switch (cell.code) {
      case kDefaultCode: out += '.'; break;
      case TextCode(kKeyword): out += 'K'; break;
      case TextCode(kCKeyword): out += 'C'; break;
      case TextCode(kCppKeyword): out += 'P'; break;
      case TextCode(kComment): out += 'M'; break;
      case TextCode(kHtml): out += 'H'; break;
      case TextCode(kUrl): out += 'U'; break;
      case BackgroundCode(kMarkBack): out += 'B'; break;
      default: out += '?'; break;
    }
  }
  return out;
}

// A document with its text laid out and a way to colour all of it.
class ColourDoc {
 public:
  explicit ColourDoc(const std::string& text, std::uint32_t width = 0) {
    EXPECT_TRUE(store.Create());
    store.Load(text, DocumentKind::kText);
    LayOut(store, width);
  }

  // The codes of the whole text (every line shown).
  std::string Colour(const ColourOptions& options, const AreaCommentTables* tables = nullptr,
                     std::span<const MarkedString> marks = {}) {
    return ColourLines(options, 0, store.LineCount() - 1, tables, marks);
  }
  std::string ColourLines(const ColourOptions& options, std::uint32_t top, std::uint32_t bottom,
                          const AreaCommentTables* tables = nullptr,
                          std::span<const MarkedString> marks = {}) {
    const ColourScheme scheme(options);
    PaintView view;
    view.topLine = top;
    view.bottomLine = bottom;
    if (!ColourRange(store, scheme, view, 0, store.Length(), tables, marks, cells)) return "<none>";
    return Picture(cells);
  }

  TextStore store;
  CellArray cells;
};

}  // namespace quelt::test
