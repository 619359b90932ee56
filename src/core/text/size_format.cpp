#include "text/size_format.h"

namespace quelt {

std::string FormatCount(std::uint64_t count) {
  const std::string digits = std::to_string(count);
  std::string out;
  out.reserve(digits.size() + digits.size() / 3);
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
    out += digits[i];
  }
  return out;
}

std::string FormatKilobytes(std::uint64_t bytes) {
  // Tenths of a kilobyte, rounded half up, in integers so that no size is
  // misrounded by floating point. bytes / 1024 * 10 never overflows here.
  const std::uint64_t tenths = bytes / 1024 * 10 + ((bytes % 1024) * 10 + 512) / 1024;
  return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + "KB ( " + FormatCount(bytes) +
         " Bytes )";
}

}  // namespace quelt
