#include "extract/extract_lines.h"

#include <cstring>

#include "base/sjis.h"

namespace quelt {

ExtractLines::ExtractLines(std::string_view text) {
  const char* const base = text.data();
  const std::size_t n = text.size();
  starts_.push_back(0);
  std::size_t pos = 0;
  while (pos < n) {
    const void* found = std::memchr(base + pos, kLf, n - pos);
    if (found == nullptr) break;
    const std::size_t lf = static_cast<std::size_t>(static_cast<const char*>(found) - base);
    pos = lf + 1;
    if (lf > 0 && static_cast<std::uint8_t>(base[lf - 1]) == kCr) starts_.push_back(static_cast<TextOffset>(pos));
  }
  lastEndsInCrLf_ = starts_.back() == n && n > 0;
  // The piece after a final CR LF is no line; any other piece is the last one.
  if (starts_.back() != n) starts_.push_back(static_cast<TextOffset>(n));
}

}  // namespace quelt
