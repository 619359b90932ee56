#include "view/layout.h"

#include <algorithm>

namespace quelt {

namespace {
constexpr std::uint8_t kTab = 0x09;
constexpr std::uint8_t kSpace = 0x20;
// Printable ASCII: the bytes word wrap keeps together.
constexpr bool IsPrintableAscii(std::uint8_t c) { return c >= 0x21 && c <= 0x7E; }
}  // namespace

Layout::Layout(TextStore& store, const LayoutParams& params, Host* host, LayoutScratch* scratch)
    : store_(&store),
      params_(params),
      host_(host),
      scratch_(scratch != nullptr ? scratch : &SharedLayoutScratch()),
      reader_(store) {
  params_.Normalize();
  store_->SetLead(params_.lead);
}

std::uint32_t Layout::SetParams(const LayoutParams& params) {
  params_ = params;
  params_.Normalize();
  return store_->SetLead(params_.lead);
}

// ---- The wrap rule ----

bool Layout::Hangs(TextOffset p) {
  const std::uint8_t c = reader_.At(p);
  if (params_.wordWrap && c == kSpace) return true;
  if (!params_.kinsoku) return false;
  if (params_.lead(c) && p + 1 < reader_.TextLength()) {
    return params_.kinsokuChars.ContainsPair(c, reader_.At(p + 1));
  }
  return params_.kinsokuChars.ContainsByte(c);
}

bool Layout::CanHang(TextOffset p) {
  Fresh();
  return p < TextLength() && Hangs(p);
}

std::int64_t Layout::NextStart(TextOffset s) {
  const std::uint32_t n = reader_.TextLength();
  if (s >= n) return kNoOffset;
  const int w = params_.wrapColumn;
  const int t = params_.tabWidth;
  int c = 0;
  TextOffset p = s;
  TextOffset last = s;
  std::int64_t brk = kNoOffset;
  while (c <= w + kHangColumns) {
    if (p >= n) break;
    if (!IsPrintableAscii(reader_.At(last))) brk = last;
    const std::uint8_t b = reader_.At(p);
    if (b == kCr) {
      // The CR LF stays with its line, whatever the column.
      const std::uint64_t next = std::uint64_t{p} + 2;
      return next >= n ? kNoOffset : static_cast<std::int64_t>(next);
    }
    if (c >= w + 1) break;
    if (c == w && !Hangs(p)) break;
    if (b == kTab) {
      c = (c / t + 1) * t;
      last = p;
      ++p;
    } else if (params_.lead(b) && p + 1 < n) {
      // Never split a double-byte character.
      if (c + 1 >= w && !Hangs(p)) break;
      last = p;
      c += 2;
      p += 2;
    } else {
      last = p;
      ++c;
      ++p;
    }
  }
  if (p >= n) return kNoOffset;
  if (p == s) ++p;  // cannot happen with a wrap column of 2 or more
  if (params_.wordWrap && brk != kNoOffset && IsPrintableAscii(reader_.At(p)) &&
      IsPrintableAscii(reader_.At(last))) {
    const auto at = static_cast<TextOffset>(brk);
    return at + ((params_.lead(reader_.At(at)) && at + 1 < n) ? 2 : 1);
  }
  return p;
}

std::int64_t Layout::NextDisplayLineStart(TextOffset s) {
  Fresh();
  return NextStart(s);
}

// ---- Characters ----

int Layout::CharColumns(TextOffset p) {
  const std::uint32_t n = TextLength();
  if (p >= n) return 0;
  const std::uint8_t c = Fresh().At(p);
  if (c == kTab) {
    const int t = params_.tabWidth;
    return t - ColumnOfOffset(p) % t;
  }
  if (c == kCr) return 2;
  if (params_.lead(c) && p + 1 < n) return 2;
  return 1;
}

std::uint32_t Layout::CharSize(TextOffset p) {
  const std::uint32_t n = TextLength();
  if (p >= n) return 0;
  const std::uint8_t c = Fresh().At(p);
  return ((c == kCr || params_.lead(c)) && p + 1 < n) ? 2 : 1;
}

TextOffset Layout::CharStartBefore(TextOffset p) {
  p = std::min(p, TextLength());
  if (p == 0) return 0;
  TextReader& r = Fresh();
  // A display line starts on a character; so does the byte after one that
  // is neither a lead byte nor a CR. Walk forward from the nearer of both.
  TextOffset from = LineCount() > 0 ? LineStart(LineOfOffset(p - 1)) : 0;
  if (from >= p) from = 0;
  for (TextOffset j = p - 1; j-- > from;) {
    const std::uint8_t c = r.At(j);
    if (!params_.lead(c) && c != kCr) {
      from = j + 1;
      break;
    }
  }
  TextOffset start = from;
  for (TextOffset at = from; at < p;) {
    start = at;
    const std::uint8_t c = r.At(at);
    at += ((c == kCr || params_.lead(c)) && at + 1 < p) ? 2 : 1;
  }
  return start;
}

// ---- Lines ----

std::uint32_t LineOfOffsetIn(const TextOffset* starts, std::uint32_t count,
                             std::uint32_t textLength, TextOffset offset, std::uint32_t step) {
  if (count == 0 || starts == nullptr) return 0;
  const std::uint32_t last = count - 1;
  if (offset >= starts[last]) return last;
  if (step == 0) step = 1;
  std::uint32_t i = 0;
  if (textLength <= kShortTextBytes || offset < textLength / 2) {
    while (i < last && starts[i] <= offset && offset - starts[i] > step) {
      i = std::min(last, i + (offset - starts[i]) / step);
    }
  } else {
    i = last;
    while (i > 0 && starts[i] > offset && starts[i] - offset > step) {
      const std::uint32_t back = (starts[i] - offset) / step;
      i = back >= i ? 0 : i - back;
    }
  }
  // The scans also mend a jump that a table breaking the bound overshot.
  while (i > 0 && starts[i] > offset) --i;
  while (i < last && starts[i + 1] <= offset) ++i;
  return i;
}

std::uint32_t Layout::LineOfOffset(TextOffset p) const {
  return LineOfOffsetIn(store_->LineStarts(), store_->LineCount(), store_->Length(), p,
                        params_.LineByteBound());
}

TextOffset Layout::LineStart(std::uint32_t line) const {
  return line < LineCount() ? store_->LineStarts()[line] : TextLength();
}

bool Layout::EndsWithCrLf(std::uint32_t line) {
  const std::uint32_t count = LineCount();
  if (count == 0) return false;
  if (line + 1 < count) return store_->LineFlags()[line + 1] != 0;
  const std::uint32_t n = TextLength();
  TextReader& r = Fresh();
  return n >= 2 && r.At(n - 2) == kCr && r.At(n - 1) == kLf;
}

TextOffset Layout::LineTextEnd(std::uint32_t line) {
  const std::uint32_t count = LineCount();
  if (count == 0) return 0;
  line = std::min(line, count - 1);
  if (line + 1 < count) {
    const TextOffset next = store_->LineStarts()[line + 1];
    return store_->LineFlags()[line + 1] != 0 ? next - 2 : next;
  }
  return TextLength() - (EndsWithCrLf(line) ? 2 : 0);
}

std::int32_t Layout::LineLastChar(std::uint32_t line) {
  const std::uint32_t count = LineCount();
  if (count == 0 || TextLength() == 0) return kNoLastChar;
  line = std::min(line, count - 1);
  if (line + 1 == count) return store_->LastChar();
  const TextOffset next = store_->LineStarts()[line + 1];
  if (store_->LineFlags()[line + 1] != 0) return static_cast<std::int32_t>(next - 2);
  return static_cast<std::int32_t>(CharStartBefore(next));
}

// ---- Columns ----

int Layout::ColumnInLine(std::uint32_t line, TextOffset p) {
  const TextOffset s = LineStart(line);
  p = std::min(p, TextLength());
  TextReader& r = Fresh();
  const int t = params_.tabWidth;
  int c = 0;
  for (TextOffset q = s; q < p; ++q) c = r.At(q) == kTab ? (c / t + 1) * t : c + 1;
  return c;
}

ColumnHit Layout::OffsetOfColumn(int column, std::uint32_t line, bool freeCursor) {
  column = std::clamp(column, 0, MaxColumn());
  ColumnHit hit;
  const std::uint32_t count = LineCount();
  if (count == 0 || TextLength() == 0) {
    hit.pastEnd = column > 0;
    hit.virtualColumns = freeCursor ? column : 0;
    return hit;
  }
  line = std::min(line, count - 1);
  const TextOffset end = LineTextEnd(line);
  const std::uint32_t n = TextLength();
  TextReader& r = Fresh();
  const int t = params_.tabWidth;
  TextOffset p = LineStart(line);
  int s = 0;
  while (s < column && p < end) {
    const std::uint8_t b = r.At(p);
    if (b == kCr) break;  // a full table's last line holds further lines
    if (b == kTab) {
      s = (s / t + 1) * t;
      ++p;
    } else if (params_.lead(b) && p + 1 < n) {
      s += 2;
      p += 2;
    } else {
      ++s;
      ++p;
    }
  }
  hit.offset = p;
  hit.column = s;
  if (s < column) {
    hit.pastEnd = true;
    if (freeCursor) {
      hit.virtualColumns = column - s;
    } else {
      hit.virtualColumns = (p < n && r.At(p) == kCr) ? 2 : 0;
    }
  }
  return hit;
}

}  // namespace quelt
