#include "global_search/tag_jump.h"

#include "base/sjis.h"
#include "text/text_store.h"
#include "view/text_lines.h"

namespace quelt {
namespace {

constexpr std::size_t kMinTagLine = 7;  // longer than 6 bytes

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The decimal number in line[first, last), or 0 when it is empty, holds
// anything but digits or does not fit a line number.
std::uint32_t NumberIn(std::string_view line, std::size_t first, std::size_t last) {
  if (first == last) return 0;
  std::uint64_t n = 0;
  for (std::size_t i = first; i < last; ++i) {
    if (!IsDigit(line[i])) return 0;
    n = n * 10 + static_cast<std::uint64_t>(line[i] - '0');
    if (n > kMaxTagLineNumber) return 0;
  }
  return static_cast<std::uint32_t>(n);
}

}  // namespace

std::optional<TagJumpTarget> ParseTagJumpLine(std::string_view line) {
  if (line.size() > kTagLineBytes) line = line.substr(0, kTagLineBytes);
  if (line.size() < kMinTagLine || line[1] != ':' || line[2] != '\\') return std::nullopt;
  // The file part ends at the first colon after the drive (a path holds
  // none), or with the line. The walk goes by characters, so a second byte
  // is never taken for a separator; the last "(" and ")" met are kept.
  const auto* b = reinterpret_cast<const std::uint8_t*>(line.data());
  std::size_t open = std::string_view::npos, close = std::string_view::npos;
  std::size_t end = 3;
  while (end < line.size() && line[end] != ':') {
    if (line[end] == '(') open = end;
    if (line[end] == ')') close = end;
    end += SjisCharSize(b, line.size(), end);
  }
  // The line number is the last parenthesised number of the file part: only
  // blanks may stand between its ")" and the colon.
  if (open == std::string_view::npos || close == std::string_view::npos || close < open) return std::nullopt;
  for (std::size_t i = close + 1; i < end; ++i) {
    if (!IsBlank(line[i])) return std::nullopt;
  }
  if (open < kMinTagPath || open > kMaxTagPath) return std::nullopt;
  const std::uint32_t number = NumberIn(line, open + 1, close);
  if (number == 0) return std::nullopt;
  return TagJumpTarget{std::string(line.substr(0, open)), number};
}

std::string TagLineAt(const TextStore& store, TextOffset p) {
  const TextOffset start = LogicalLineStart(store, p);
  const TextOffset end = LogicalLineEnd(store, p);
  const std::uint32_t length = end - start;
  return ReadText(store, start, length < kTagLineBytes ? length : static_cast<std::uint32_t>(kTagLineBytes));
}

std::optional<TextOffset> StepTagLine(const TextStore& store, TextOffset p, bool down, bool& wrapPending) {
  const TextOffset start = LogicalLineStart(store, p);
  if (down) {
    // The empty line after a final CR LF does not count as a line.
    const TextOffset next = NextLogicalLine(store, p);
    if (next > start && next < store.Length()) return next;
    if (!wrapPending) {
      wrapPending = true;
      return std::nullopt;
    }
    return 0;
  }
  if (start > 0) return LogicalLineStart(store, start - 1);
  if (!wrapPending) {
    wrapPending = true;
    return std::nullopt;
  }
  const TextOffset end = store.Length();
  const TextOffset last = LogicalLineStart(store, end);
  return last == end && end > 0 ? LogicalLineStart(store, end - 1) : last;
}

}  // namespace quelt
