#include "binary/binary_rows.h"

#include <cstdio>

#include "base/sjis.h"

namespace quelt {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

std::uint8_t At(std::string_view data, std::size_t i) { return static_cast<std::uint8_t>(data[i]); }

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

}  // namespace

bool IsTrailByteAt(std::string_view data, std::size_t p) {
  if (p == 0 || p > data.size()) return false;
  // A byte that cannot be a lead byte always ends a character, so the
  // characters before p line up again after the last such byte: the bytes
  // since then pair off, and an odd count makes byte p - 1 a lead byte.
  std::size_t run = 0;
  while (run < p && IsSjisLeadByte(At(data, p - 1 - run))) ++run;
  return run % 2 == 1;
}

std::uint64_t BinaryRowCount(std::uint64_t size) {
  return size == 0 ? 1 : (size + kBinaryBytesPerRow - 1) / kBinaryBytesPerRow;
}

BinaryRowText FormatBinaryRow(std::string_view data, std::uint64_t row) {
  const std::uint64_t start = row * kBinaryBytesPerRow;
  if (start >= data.size()) return FormatBinaryRowIn({}, 0, start);
  return FormatBinaryRowIn(data, static_cast<std::size_t>(start), start);
}

BinaryRowText FormatBinaryRowIn(std::string_view data, std::size_t s, std::uint64_t address) {
  BinaryRowText r;
  char text[16];
  std::snprintf(text, sizeof text, "%08X", static_cast<unsigned>(address));
  r.address = text;
  if (s >= data.size()) return r;
  const std::size_t n = std::min<std::size_t>(kBinaryBytesPerRow, data.size() - s);
  for (std::size_t j = 0; j < n; ++j) {
    if (j > 0) r.hex += j == 8 ? "  " : " ";
    const std::uint8_t b = At(data, s + j);
    r.hex += kHexDigits[b >> 4];
    r.hex += kHexDigits[b & 15];
  }
  std::size_t j = 0;
  if (IsTrailByteAt(data, s)) {
    r.text += ' ';  // the character was drawn at the end of the row before
    j = 1;
  }
  while (j < n) {
    const std::uint8_t b = At(data, s + j);
    if (IsSjisLeadByte(b) && s + j + 1 < data.size()) {
      // The pair is drawn whole, also when its second byte is on the next row.
      r.text += static_cast<char>(b);
      r.text += data[s + j + 1];
      j += 2;
    } else {
      r.text += b < 0x20 || IsSjisLeadByte(b) ? '.' : static_cast<char>(b);
      ++j;
    }
  }
  if (j == n) r.text += ' ';  // one blank follows the row's bytes
  return r;
}

std::string BinaryRowLine(const BinaryRowText& row) {
  std::string line = row.address;
  line.resize(kBinaryHexColumn, ' ');
  line += row.hex;
  if (row.text.empty()) return line;
  line.resize(kBinaryTextColumn, ' ');
  line += row.text;
  return line;
}

BinaryColumnHit BinaryByteOfColumn(int column) {
  BinaryColumnHit hit;
  int byte = 0;
  if (column >= kBinaryTextColumn - 1) {
    hit.textPart = true;
    byte = column < kBinaryTextColumn ? 0 : column - kBinaryTextColumn;
  } else if (column >= kBinaryHexColumn) {
    const int c = column - (kBinaryHexColumn - 1);
    byte = (c % 25) / 3 + (c / 25) * 8;
  }
  if (byte >= kBinaryBytesPerRow) {
    byte = kBinaryBytesPerRow - 1;
    hit.pastRowEnd = true;
  }
  hit.byte = byte;
  return hit;
}

bool ParseHexPattern(std::string_view text, std::string& bytes) {
  bytes.clear();
  int high = -1;
  for (const char c : text) {
    if (c == ' ' || c == '\t') {
      if (high >= 0) return false;  // a blank inside a pair
      continue;
    }
    const int v = HexValue(c);
    if (v < 0) return false;
    if (high < 0) {
      high = v;
    } else {
      bytes += static_cast<char>(high << 4 | v);
      high = -1;
    }
  }
  return high < 0 && !bytes.empty();
}

bool ParseByteOffset(std::string_view text, std::uint32_t& offset) {
  text = Trim(text);
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
  }
  if (text.empty()) return false;
  std::uint64_t v = 0;
  for (const char c : text) {
    const int d = HexValue(c);
    if (d < 0 || d >= base) return false;
    v = v * base + d;
    if (v > UINT32_MAX) return false;
  }
  offset = static_cast<std::uint32_t>(v);
  return true;
}

}  // namespace quelt
