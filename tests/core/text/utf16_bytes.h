// UTF-16 bytes of a run of code units, for the tests of the Unicode codes.
#pragma once

#include <string>
#include <string_view>

namespace quelt::test {

inline std::string Utf16(std::u16string_view units, bool bigEndian) {
  std::string out;
  for (char16_t u : units) {
    const char hi = static_cast<char>(u >> 8), lo = static_cast<char>(u & 0xFF);
    out += bigEndian ? hi : lo;
    out += bigEndian ? lo : hi;
  }
  return out;
}

}  // namespace quelt::test
