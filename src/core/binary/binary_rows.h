// The rows of the binary view: 16 bytes a row, the offset as "%08X", the
// bytes in hexadecimal with an extra blank between bytes 7 and 8, and the
// bytes as characters from column 60 (bytes below 0x20 as "."). A
// double-byte character is shown whole: a row that ends with a lead byte
// draws the next row's first byte after it, and that row shows a blank in
// its first text cell.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace quelt {

constexpr int kBinaryBytesPerRow = 16;
constexpr int kBinaryHexColumn = 10;   // the first hexadecimal digit
constexpr int kBinaryTextColumn = 60;  // the first text cell
constexpr int kBinaryRowColumns = kBinaryTextColumn + kBinaryBytesPerRow + 1;

// The column of byte j's first hexadecimal digit (j = 0-15).
constexpr int BinaryHexColumnOf(int j) { return kBinaryHexColumn + 3 * j + (j >= 8 ? 1 : 0); }

struct BinaryRowText {
  std::string address;  // "%08X"
  std::string hex;      // from column 10: "41 42 ... 48  49 ..." (the bytes the row has)
  std::string text;     // from column 60: the cells, and the byte or blank after them
};

// Whether the byte at p is the second byte of a double-byte character that
// starts before it. Only the run of lead-byte values just before p is
// looked at, never the text from its start.
bool IsTrailByteAt(std::string_view data, std::size_t p);

// Row `row` of data (an empty text has row 0 with its address only).
BinaryRowText FormatBinaryRow(std::string_view data, std::uint64_t row);
// The same for a window that holds part of the text: the row starts at
// rowStart of window and at address in the text. The window should reach
// some bytes before the row (the lead-byte run that decides its first cell)
// and one byte past it, or to the text's end.
BinaryRowText FormatBinaryRowIn(std::string_view window, std::size_t rowStart, std::uint64_t address);
// The bytes before a row a window needs for that: runs of lead-byte values
// longer than this are taken as ending there.
constexpr std::size_t kBinaryLookBehind = 256;

// The row as one line laid out in its columns: the offset, the hexadecimal
// part from column 10 and the text part from column 60.
std::string BinaryRowLine(const BinaryRowText& row);

// The rows a text of size bytes has (at least 1).
std::uint64_t BinaryRowCount(std::uint64_t size);

// Which byte of a row a column stands for.
struct BinaryColumnHit {
  int byte = 0;             // 0-15
  bool textPart = false;    // the column is in the text part
  bool pastRowEnd = false;  // the column lies past byte 15 (clamped)
};
// In the hexadecimal part columns before 10 give byte 0; from column 60 on
// (59 too, giving byte 0) the text part.
BinaryColumnHit BinaryByteOfColumn(int column);

// The find box's byte pattern in the hexadecimal part: pairs of hexadecimal
// digits, blanks between pairs allowed ("01000D0A", "01 00 0d 0a"). An odd
// number of digits, or any other character, is no pattern: false.
bool ParseHexPattern(std::string_view text, std::string& bytes);

// The jump dialog's byte offset: decimal, or hexadecimal after "0x"; blanks
// around it allowed. False for anything else or a value past 32 bits.
bool ParseByteOffset(std::string_view text, std::uint32_t& offset);

}  // namespace quelt
