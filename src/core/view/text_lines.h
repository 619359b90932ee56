// Reading a document's text by characters, logical lines and columns, as the
// editing operations need it. Reads go through the store's const copy, so
// looking at text far from the caret never moves the store's window.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/sjis.h"
#include "base/types.h"

namespace quelt {

class TextStore;

// A range of text [start, end).
struct TextRange {
  TextOffset start = 0;
  TextOffset end = 0;
  std::uint32_t Length() const { return end > start ? end - start : 0; }
  bool operator==(const TextRange&) const = default;
};

std::uint8_t ReadByte(const TextStore& store, TextOffset p);
// count bytes from p (cut at the end of the text).
std::string ReadText(const TextStore& store, TextOffset p, std::uint32_t count);
std::string ReadText(const TextStore& store, TextRange range);

// Size of the character at p: 2 for a double-byte character and for CR LF,
// else 1 (0 at the end of the text).
std::uint32_t CharSizeAt(const TextStore& store, TextOffset p);
// Start of the logical line holding p: just after the nearest CR LF before p.
TextOffset LogicalLineStart(const TextStore& store, TextOffset p);
// Offset of the CR that ends the logical line holding p, or the text length.
TextOffset LogicalLineEnd(const TextStore& store, TextOffset p);
// Start of the next logical line after the one holding p (the text length
// for the last line).
TextOffset NextLogicalLine(const TextStore& store, TextOffset p);

// Columns a character starting with byte c takes at column `column`: a tab
// runs to the next multiple of the tab width, a double-byte character takes
// two, anything else one.
int CharColumns(std::uint8_t c, int column, int tabWidth, LeadByteTest lead);
// The column reached after text placed at startColumn (text holds no line end).
int ColumnAfter(std::string_view text, int startColumn, int tabWidth, LeadByteTest lead);

// Blanks from column `from` to column `to`: a tab wherever a tab stop is
// crossed, then spaces; spaces only when spacesOnly.
std::string Blanks(int from, int to, int tabWidth, bool spacesOnly);

// Leading blanks of a line's text: spaces, tabs and full-width spaces.
std::size_t LeadingBlanks(std::string_view line);

// Full-width space 0x81 0x40.
constexpr std::uint8_t kWideSpaceLead = 0x81;
constexpr std::uint8_t kWideSpaceTrail = 0x40;

}  // namespace quelt
