// The result line of one match: the file's path, the line number in
// parentheses, a colon, a space, the line's text and CR LF.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quelt {

// The text starts at the line's start, or at the match when the match ends
// more than this many bytes into the line.
constexpr std::uint32_t kResultLineLead = 239;
// Path and text together keep within this many bytes.
constexpr std::uint32_t kResultPathAndText = 499;

// bytes[0..length) is the searched block; lineStart <= matchStart <=
// matchEnd <= length. lineBefore: the bytes of the line that lie before the
// block (lineStart is then 0). The text stops before the line's CR (or a
// lone LF) and is cut at a character boundary to fit the 499 bytes.
std::string FormatResultLine(std::string_view path, std::uint32_t lineNumber, const std::uint8_t* bytes,
                             std::uint32_t length, std::uint32_t lineStart, std::uint32_t matchStart,
                             std::uint32_t matchEnd, std::uint64_t lineBefore = 0);

}  // namespace quelt
