// Colour codes of painted cells.
//
// Every byte of a painted range carries a 32-bit code:
//   0                      default text colour on the default background;
//   kTextCodeMark | colour a text colour (low 24 bits, 0x00BBGGRR) on the
//                          default background;
//   kBackgroundBit | colour a background colour (low 24 bits) under the
//                          default text colour.
// Text codes carry bit 24 so that black (0x000000) stays distinct from the
// default code; every code other than 0 is therefore non-zero in its flag
// bits, and the painter reads the colour with CodeColour().
#pragma once

#include <cstdint>

namespace quelt {

using ColourCode = std::uint32_t;

constexpr ColourCode kDefaultCode = 0;
// Marks a text colour (bit 24 lies outside every 0x00BBGGRR value).
constexpr ColourCode kTextCodeMark = 0x01000000u;
// Marks a background colour; the same bit the cabinet uses as the use flag
// of its background colours.
constexpr ColourCode kBackgroundBit = 0x80000000u;
// The 0x00BBGGRR part of a colour or code.
constexpr std::uint32_t kColourMask = 0x00FFFFFFu;

constexpr ColourCode TextCode(std::uint32_t colour) { return (colour & kColourMask) | kTextCodeMark; }
// A cabinet background colour may arrive with its use flag set or clear;
// both draw the same.
constexpr ColourCode BackgroundCode(std::uint32_t colour) {
  return (colour & kColourMask) | kBackgroundBit;
}
constexpr bool IsBackgroundCode(ColourCode code) { return (code & kBackgroundBit) != 0; }
constexpr bool IsTextCode(ColourCode code) { return code != kDefaultCode && !IsBackgroundCode(code); }
constexpr std::uint32_t CodeColour(ColourCode code) { return code & kColourMask; }

}  // namespace quelt
