#include "base/write_temp_name.h"

#include "base/path.h"

namespace quelt {

std::string WriteTempName(std::string_view target, std::uint32_t processId, unsigned attempt) {
  const std::uint32_t tag = ((processId << 4) + attempt % kWriteTempAttempts) & 0xFFFFF;
  static constexpr char kHex[] = "0123456789abcdef";
  std::string name = "~qt";
  for (int shift = 16; shift >= 0; shift -= 4) name += kHex[(tag >> shift) & 0xF];
  name += ".tmp";
  return FolderOf(target) + name;
}

}  // namespace quelt
