#include "state/custom_colours.h"

#include "base/le_words.h"

namespace quelt {

CustomColours DefaultCustomColours() {
  CustomColours colours;
  colours.fill(kDefaultCustomColour);
  return colours;
}

void EncodeCustomColoursSection(const CustomColours& colours, std::string& out) {
  for (std::uint32_t c : colours) AppendLe32(out, c & 0x00FFFFFFu);
}

bool DecodeCustomColoursSection(std::string_view& in, CustomColours& colours) {
  colours = DefaultCustomColours();
  std::string_view rest = in;
  CustomColours read{};
  for (std::uint32_t& c : read) {
    if (!TakeLe32(rest, c) || (c & 0xFF000000u) != 0) return false;
  }
  colours = read;
  in = rest;
  return true;
}

}  // namespace quelt
