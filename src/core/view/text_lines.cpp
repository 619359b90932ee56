#include "view/text_lines.h"

#include <algorithm>

#include "text/text_store.h"

namespace quelt {
namespace {

// Lines are searched in steps of this many bytes.
constexpr std::uint32_t kScanChunk = 4096;

}  // namespace

std::uint8_t ReadByte(const TextStore& store, TextOffset p) {
  std::uint8_t c = 0;
  if (p < store.Length()) store.CopyOut(p, 1, &c);
  return c;
}

std::string ReadText(const TextStore& store, TextOffset p, std::uint32_t count) {
  const std::uint32_t length = store.Length();
  if (p >= length) return {};
  count = std::min(count, length - p);
  std::string out(count, '\0');
  if (count > 0) store.CopyOut(p, count, reinterpret_cast<std::uint8_t*>(out.data()));
  return out;
}

std::string ReadText(const TextStore& store, TextRange range) {
  return ReadText(store, range.start, range.Length());
}

std::uint32_t CharSizeAt(const TextStore& store, TextOffset p) {
  const std::uint32_t length = store.Length();
  if (p >= length) return 0;
  if (p + 1 >= length || store.Kind() == DocumentKind::kBinary) return 1;
  std::uint8_t two[2];
  store.CopyOut(p, 2, two);
  if (store.Lead()(two[0])) return 2;
  return (two[0] == kCr && two[1] == kLf) ? 2 : 1;
}

// A CR never stays alone in a text and is never a trail byte (trail bytes
// start at 0x40), so CR LF found byte by byte is always a line end.
TextOffset LogicalLineStart(const TextStore& store, TextOffset p) {
  p = std::min(p, store.Length());
  std::uint8_t buf[kScanChunk + 1];
  TextOffset end = p;  // bytes [end - n, end) are searched next
  while (end > 0) {
    const std::uint32_t n = std::min(end, kScanChunk);
    const TextOffset begin = end - n;
    // One byte more before the chunk, to see the CR of an LF at its start.
    const std::uint32_t extra = begin > 0 ? 1 : 0;
    store.CopyOut(begin - extra, n + extra, buf);
    for (std::uint32_t i = n + extra; i-- > extra;) {
      if (buf[i] == kLf && i > 0 && buf[i - 1] == kCr) return begin - extra + i + 1;
    }
    end = begin;
  }
  return 0;
}

TextOffset LogicalLineEnd(const TextStore& store, TextOffset p) {
  const std::uint32_t length = store.Length();
  std::uint8_t buf[kScanChunk + 1];
  while (p < length) {
    const std::uint32_t n = std::min(length - p, kScanChunk);
    const std::uint32_t extra = p + n < length ? 1 : 0;  // the LF after a CR at the end
    store.CopyOut(p, n + extra, buf);
    for (std::uint32_t i = 0; i < n; ++i) {
      if (buf[i] == kCr && i + 1 < n + extra && buf[i + 1] == kLf) return p + i;
    }
    p += n;
  }
  return length;
}

TextOffset NextLogicalLine(const TextStore& store, TextOffset p) {
  const TextOffset end = LogicalLineEnd(store, p);
  return end < store.Length() ? end + 2 : end;
}

int CharColumns(std::uint8_t c, int column, int tabWidth, LeadByteTest lead) {
  if (c == '\t') return tabWidth > 0 ? tabWidth - column % tabWidth : 1;
  return lead(c) ? 2 : 1;
}

int ColumnAfter(std::string_view text, int startColumn, int tabWidth, LeadByteTest lead) {
  int column = startColumn;
  for (std::size_t i = 0; i < text.size();) {
    const auto c = static_cast<std::uint8_t>(text[i]);
    column += CharColumns(c, column, tabWidth, lead);
    i += (lead(c) && i + 1 < text.size()) ? 2 : 1;
  }
  return column;
}

std::string Blanks(int from, int to, int tabWidth, bool spacesOnly) {
  std::string out;
  if (to <= from) return out;
  int column = from;
  if (!spacesOnly && tabWidth > 1) {
    for (int stop = (column / tabWidth + 1) * tabWidth; stop <= to; stop += tabWidth) {
      out += '\t';
      column = stop;
    }
  }
  out.append(static_cast<std::size_t>(to - column), ' ');
  return out;
}

std::size_t LeadingBlanks(std::string_view line) {
  std::size_t i = 0;
  while (i < line.size()) {
    const auto c = static_cast<std::uint8_t>(line[i]);
    if (c == ' ' || c == '\t') {
      ++i;
    } else if (c == kWideSpaceLead && i + 1 < line.size() &&
               static_cast<std::uint8_t>(line[i + 1]) == kWideSpaceTrail) {
      i += 2;
    } else {
      break;
    }
  }
  return i;
}

}  // namespace quelt
