// Little-endian 32-bit words in byte strings, as the recorded operations
// and the files of this program keep them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quelt {

inline void AppendLe32(std::string& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

// Takes a word from the front of in; false (in unchanged) when fewer than
// four bytes remain.
inline bool TakeLe32(std::string_view& in, std::uint32_t& v) {
  if (in.size() < 4) return false;
  v = 0;
  for (int i = 0; i < 4; ++i) v |= static_cast<std::uint32_t>(static_cast<std::uint8_t>(in[i])) << (8 * i);
  in.remove_prefix(4);
  return true;
}

}  // namespace quelt
