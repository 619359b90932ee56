#include "framework/sjis_glyphs.h"

#include <windows.h>

#include <memory>

namespace quelt::win {
namespace {

constexpr wchar_t kUnmappedPair = 0x30FB;

struct GlyphTable {
  wchar_t single[256];
  // Indexed by (lead - 0x80) * 256 + trail for leads 0x80-0xFF.
  std::unique_ptr<wchar_t[]> pairs;

  GlyphTable() : pairs(new wchar_t[128 * 256]) {
    for (int c = 0; c < 256; ++c) {
      char b = static_cast<char>(c);
      wchar_t w = L' ';
      if (c >= 0x20 && MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, &b, 1, &w, 1) != 1) w = L' ';
      if (c < 0x20) w = L' ';
      single[c] = w;
    }
    for (int lead = 0x80; lead < 0x100; ++lead) {
      for (int trail = 0; trail < 256; ++trail) {
        const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
        wchar_t w = kUnmappedPair;
        if (MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, pair, 2, &w, 1) != 1) w = kUnmappedPair;
        pairs[(lead - 0x80) * 256 + trail] = w;
      }
    }
  }
};

const GlyphTable& Table() {
  static const GlyphTable table;
  return table;
}

}  // namespace

wchar_t SjisSingleGlyph(std::uint8_t c) { return Table().single[c]; }

wchar_t SjisPairGlyph(std::uint8_t lead, std::uint8_t trail) {
  if (lead < 0x80) return kUnmappedPair;
  return Table().pairs[(lead - 0x80) * 256 + trail];
}

}  // namespace quelt::win
