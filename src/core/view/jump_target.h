// The jump command's line number: parsing what the user typed and finding
// the display line it names.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace quelt {

class TextStore;

// A whole number as the jump dialog takes it: decimal, or hexadecimal after
// "0x" when allowHex (the binary view's byte offsets). Surrounding blanks are
// ignored. Nullopt for an empty text, other characters or a value over
// 0xFFFFFFFF.
std::optional<std::uint32_t> ParseJumpNumber(std::string_view text, bool allowHex);

// The 0-based display line of a 1-based line number: a display line, or with
// logicalLines (the line count mode that counts up to each line end) the
// first display line of that logical line. Nullopt for 0 and for numbers
// past the last line.
std::optional<std::uint32_t> JumpTargetLine(const TextStore& store, std::uint32_t number, bool logicalLines);

}  // namespace quelt
