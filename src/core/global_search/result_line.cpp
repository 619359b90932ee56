#include "global_search/result_line.h"

#include "base/sjis.h"

namespace quelt {

std::string FormatResultLine(std::string_view path, std::uint32_t lineNumber, const std::uint8_t* bytes,
                             std::uint32_t length, std::uint32_t lineStart, std::uint32_t matchStart,
                             std::uint32_t matchEnd, std::uint64_t lineBefore) {
  const std::uint32_t from = matchEnd - lineStart + lineBefore > kResultLineLead ? matchStart : lineStart;
  const std::size_t room = path.size() < kResultPathAndText ? kResultPathAndText - path.size() : 0;
  std::uint32_t to = from;
  while (to < length && bytes[to] != kCr && bytes[to] != kLf) {
    const std::size_t n = SjisCharSize(bytes, length, to);
    if (n == 2 && (bytes[to + 1] == kCr || bytes[to + 1] == kLf)) break;  // a lone lead byte before the line end
    if (to - from + n > room) break;
    to += static_cast<std::uint32_t>(n);
  }
  std::string line;
  line.reserve(path.size() + (to - from) + 16);
  line.append(path);
  line += '(';
  line += std::to_string(lineNumber);
  line += "): ";
  line.append(reinterpret_cast<const char*>(bytes + from), to - from);
  line += "\r\n";
  return line;
}

}  // namespace quelt
