// The values the display layout works with: the document's copy of its
// cabinet's format settings, the kinsoku characters and the lead-byte test of
// the display font, gathered into one small record the layout copies.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "base/sjis.h"

namespace quelt {

struct AppSettings;
struct CabinetSettings;

// Wrap columns the layout accepts; other values are clamped into this range
// (a width below 2 could not hold one double-byte character).
constexpr int kMinWrapColumn = 2;
constexpr int kMaxWrapColumn = 250;
// Tab widths the layout accepts.
constexpr int kMinTabWidth = 1;
constexpr int kMaxTabWidth = 250;
// Hanging characters may stand in this many columns past the wrap column.
constexpr int kHangColumns = 2;
// Character set number of a Shift-JIS font (SHIFTJIS_CHARSET).
constexpr int kShiftJisCharSet = 128;

// The characters that may hang past the wrap column with kinsoku on, built
// from the Shift-JIS text of `ColumnOutString`. The text is read character by
// character, so a one-byte character never matches the second byte of a
// double-byte one.
class KinsokuSet {
 public:
  KinsokuSet() = default;
  explicit KinsokuSet(std::string_view sjis);
  bool ContainsByte(std::uint8_t c) const { return (singles_[c >> 6] >> (c & 63)) & 1u; }
  bool ContainsPair(std::uint8_t lead, std::uint8_t trail) const;

 private:
  std::uint64_t singles_[4] = {};
  std::vector<std::uint16_t> pairs_;  // sorted lead << 8 | trail
};

struct LayoutParams {
  int wrapColumn = 80;          // "１行文字数"
  int tabWidth = 4;             // "ﾀﾌﾞｶﾗﾑ数"
  bool wordWrap = false;        // "ﾜｰﾄﾞﾗｯﾌﾟ"
  bool kinsoku = false;         // "禁則処理"
  KinsokuSet kinsokuChars;      // from `ColumnOutString`
  LeadByteTest lead;            // off when the font is not a Shift-JIS font
  bool freeCursor = false;      // "ﾌﾘｰｶｰｿﾙﾓｰﾄﾞ"
  bool countLogicalLines = false;  // "改行ﾏｰｸまでが１行"
  int lineSpacing = 0;          // "行間", tenths of a millimetre
  int charSpacing = 0;          // "文字間", tenths of a millimetre

  // The widest a display line may become: hanging characters add two
  // columns when word wrap or kinsoku is on.
  int MaxColumn() const { return wrapColumn + ((wordWrap || kinsoku) ? kHangColumns : 0); }
  // No display line holds more bytes than this (its columns and a CR LF).
  std::uint32_t LineByteBound() const { return static_cast<std::uint32_t>(MaxColumn()) + 2; }
  // Clamps wrap column and tab width into their accepted ranges.
  void Normalize();
};

// The lead-byte test for a display font: with `EnableCharSetCheck` on, only
// a Shift-JIS font gets double-byte characters.
LeadByteTest LeadTestForFont(bool enableCharSetCheck, int fontCharSet);

// Layout parameters of a document: its wrap column (the document's own line
// width, 0 for the cabinet's), the cabinet's format block and kinsoku flag,
// the application settings and the display font's character set.
LayoutParams MakeLayoutParams(const CabinetSettings& cabinet, const AppSettings& app,
                              int documentLineWidth, int fontCharSet);

}  // namespace quelt
