// One Shift-JIS character as the UTF-16 unit the wide text functions draw.
// The table is filled from code page 932 once, on first use, so painting
// converts a character with one look-up and never splits a run into
// conversion calls.
#pragma once

#include <cstdint>

namespace quelt::win {

// The UTF-16 unit of a one-byte character (control bytes give a blank).
wchar_t SjisSingleGlyph(std::uint8_t c);
// The UTF-16 unit of a double-byte character; an unmapped pair gives the
// katakana middle dot U+30FB, a full-width glyph, so that the cell still
// shows something two columns wide.
wchar_t SjisPairGlyph(std::uint8_t lead, std::uint8_t trail);

}  // namespace quelt::win
