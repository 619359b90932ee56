// JIS X 0208 <-> Shift-JIS pair mapping by the arithmetic of code page 932.
// Both directions are inline because the code conversions call them once per
// double-byte character.
#pragma once

#include <cstdint>

#include "text/ibm_ext_mapping.h"

namespace quelt {

// First and last byte of a JIS X 0208 row or cell.
constexpr std::uint8_t kJisByteMin = 0x21;
constexpr std::uint8_t kJisByteMax = 0x7E;

constexpr bool IsJisByte(std::uint8_t c) { return c >= kJisByteMin && c <= kJisByteMax; }

// The Shift-JIS code (lead byte << 8 | trail byte) of the JIS X 0208 pair
// (j1, j2), or 0 when either byte lies outside 0x21-0x7E.
constexpr std::uint16_t JisToSjis(std::uint8_t j1, std::uint8_t j2) {
  if (!IsJisByte(j1) || !IsJisByte(j2)) return 0;
  // Two JIS rows share one lead byte: the odd row takes trail bytes
  // 0x40-0x9E (skipping 0x7F), the even row 0x9F-0xFC.
  const unsigned lead = ((j1 + 1u) >> 1) + (j1 <= 0x5E ? 0x70u : 0xB0u);
  unsigned trail;
  if (j1 & 1u) {
    trail = j2 + (j2 >= 0x60 ? 0x20u : 0x1Fu);
  } else {
    trail = j2 + 0x7Eu;
  }
  return static_cast<std::uint16_t>((lead << 8) | trail);
}

// The JIS X 0208 code (row byte << 8 | cell byte) of the Shift-JIS character
// (s1, s2), or 0 when s1 is not a lead byte, s2 is not a valid trail byte or
// the JIS value would lie outside 0x2121-0x7E7E (lead bytes 0xF0-0xFC).
constexpr std::uint16_t SjisToJis(std::uint8_t s1, std::uint8_t s2) {
  unsigned base;
  if (s1 >= 0x81 && s1 <= 0x9F) {
    base = 0x70;
  } else if (s1 >= 0xE0 && s1 <= 0xEF) {
    base = 0xB0;
  } else {
    return 0;
  }
  unsigned j1 = (s1 - base) * 2u;
  unsigned j2;
  if (s2 >= 0x40 && s2 <= 0x7E) {
    j1 -= 1;
    j2 = s2 - 0x1Fu;
  } else if (s2 >= 0x80 && s2 <= 0x9E) {
    j1 -= 1;
    j2 = s2 - 0x20u;
  } else if (s2 >= 0x9F && s2 <= 0xFC) {
    j2 = s2 - 0x7Eu;
  } else {
    return 0;
  }
  return static_cast<std::uint16_t>((j1 << 8) | j2);
}

// The IBM extension characters (lead bytes 0xFA-0xFC up to 0xFC4B) lie
// outside the rows JIS X 0208 arithmetic reaches; each has a twin in the
// NEC rows (0x87xx, 0xED40-0xEEFC) or the standard rows. Returns that twin
// for them and the code itself for every other character.
constexpr std::uint16_t IbmExtEquivalent(std::uint8_t s1, std::uint8_t s2) {
  const std::uint16_t code = static_cast<std::uint16_t>(s1 << 8 | s2);
  if (s1 < 0xFA || s1 > 0xFC || s2 < 0x40 || s2 == 0x7F || s2 > 0xFC || code > 0xFC4B) return code;
  const unsigned index = (s1 - 0xFAu) * 188u + (s2 - 0x40u) - (s2 > 0x7F ? 1u : 0u);
  return kIbmExtPairs[index].equivalent;
}

// The JIS code a file gets for the Shift-JIS character (s1, s2): the IBM
// extension characters go through their twins first, so they survive a
// save in JIS or EUC. The user-defined area (0xF040-0xF9FC) stays unmapped
// (0).
constexpr std::uint16_t SjisToFileJis(std::uint8_t s1, std::uint8_t s2) {
  const std::uint16_t code = IbmExtEquivalent(s1, s2);
  return SjisToJis(static_cast<std::uint8_t>(code >> 8), static_cast<std::uint8_t>(code & 0xFF));
}

}  // namespace quelt
