// Shift-JIS (code page 932) byte classes.
#pragma once

#include <cstddef>
#include <cstdint>

namespace quelt {

constexpr std::uint8_t kCr = 0x0D;
constexpr std::uint8_t kLf = 0x0A;
constexpr std::uint8_t kEsc = 0x1B;

// Lead byte of a double-byte character: 0x81-0x9F and 0xE0-0xFC.
constexpr bool IsSjisLeadByte(std::uint8_t c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// Half-width katakana, a single byte: 0xA1-0xDF.
constexpr bool IsHalfKana(std::uint8_t c) { return c >= 0xA1 && c <= 0xDF; }

// Valid second byte of a double-byte character: 0x40-0x7E and 0x80-0xFC.
constexpr bool IsSjisTrailByte(std::uint8_t c) {
  return (c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFC);
}

// The lead-byte test as the editor applies it: it can be switched off when
// the display font is not a Shift-JIS font (every byte is then one character).
class LeadByteTest {
 public:
  constexpr LeadByteTest() = default;
  constexpr explicit LeadByteTest(bool enabled) : enabled_(enabled) {}
  constexpr bool operator()(std::uint8_t c) const { return enabled_ && IsSjisLeadByte(c); }
  constexpr bool enabled() const { return enabled_; }

 private:
  bool enabled_ = true;
};

// Size (1 or 2) of the character starting at text[i] of a text of n bytes.
// A lead byte at the very end counts as one byte.
inline std::size_t SjisCharSize(const std::uint8_t* text, std::size_t n, std::size_t i,
                                LeadByteTest lead = LeadByteTest()) {
  return (lead(text[i]) && i + 1 < n) ? 2 : 1;
}

}  // namespace quelt
