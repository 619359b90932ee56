// Folding of full-width characters to their one-byte counterparts, as code
// page 932 pairs them: full-width letters, digits and symbols to ASCII, the
// ideographic space to a space, the katakana punctuation and the katakana that
// have a half-width form to the half-width ones (0xA1-0xDF).
#pragma once

#include <cstdint>

namespace quelt {

// The one-byte counterpart of a character code (single byte = its value,
// double byte = lead << 8 | trail); every other code is returned as it is.
std::uint16_t FoldWidth(std::uint16_t code);

// The double-byte character whose one-byte counterpart is `byte`, or 0 when
// no character folds to it.
std::uint16_t UnfoldWidth(std::uint8_t byte);

}  // namespace quelt
