// The sixteen custom colours of the colour dialog, kept in the state file
// between runs as 64 bytes: 16 little-endian 32-bit colours 0x00BBGGRR.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace quelt {

constexpr std::size_t kCustomColourCount = 16;
constexpr std::uint32_t kDefaultCustomColour = 0x00FFFFFF;  // white

using CustomColours = std::array<std::uint32_t, kCustomColourCount>;

CustomColours DefaultCustomColours();

// Appends the 64 bytes; the unused top byte of each colour is written as 0.
void EncodeCustomColoursSection(const CustomColours& colours, std::string& out);

// Takes 64 bytes from the front of in. False for fewer bytes or a colour
// whose top byte is not 0; colours then keep their defaults.
bool DecodeCustomColoursSection(std::string_view& in, CustomColours& colours);

}  // namespace quelt
