#include "view/line_comment_memo.h"

#include <algorithm>
#include <cstring>

#include "base/sjis.h"
#include "text/text_store.h"

namespace quelt {
namespace {

// Scans are made in blocks copied out of the store.
constexpr std::uint32_t kBlock = 1 << 16;
// The memo holds at most this many lines; past that it starts again.
constexpr std::size_t kMaxLines = 1 << 16;

}  // namespace

TextOffset LineCommentMemo::LogicalLineStart(const TextStore& store, TextOffset p) {
  const std::uint32_t count = store.LineCount();
  const TextOffset* starts = store.LineStarts();
  p = std::min(p, store.Length());
  if (count == 0 || starts == nullptr) return 0;
  if (p >= 2) {
    // Right after a line end (the end of a text that ends with CR LF has no
    // display line of its own).
    std::uint8_t two[2];
    store.CopyOut(p - 2, 2, two);
    if (two[0] == kCr && two[1] == kLf) return p;
  }
  // The display line holding p, then back to the one that begins a line.
  std::uint32_t line = static_cast<std::uint32_t>(std::upper_bound(starts, starts + count, p) - starts);
  line = line == 0 ? 0 : line - 1;
  if (line + 1 == count && count >= kMaxDisplayLines) {
    // The last line of a full table may hold line ends of its own: look
    // back from p for a CR LF, block by block, one byte of overlap.
    const TextOffset lo = starts[line];
    std::vector<std::uint8_t> block;
    for (TextOffset hi = p; hi >= lo + 2;) {
      const TextOffset from = std::max<TextOffset>(lo, hi > kBlock ? hi - kBlock : 0);
      block.resize(hi - from);
      store.CopyOut(from, hi - from, block.data());
      for (TextOffset k = hi; k >= from + 2; --k) {
        if (block[k - 1 - from] == kLf && block[k - 2 - from] == kCr) return k;
      }
      if (from == lo) break;
      hi = from + 1;
    }
  }
  while (line > 0 && store.LineFlag(line) == 0) --line;
  return line == 0 ? 0 : starts[line];
}

TextOffset LineCommentMemo::NextLogicalLineStart(const TextStore& store, TextOffset p) {
  const std::uint32_t count = store.LineCount();
  const TextOffset* starts = store.LineStarts();
  if (count == 0 || starts == nullptr) return p;
  std::uint32_t line = static_cast<std::uint32_t>(std::upper_bound(starts, starts + count, p) - starts);
  while (line < count && store.LineFlag(line) == 0) ++line;
  if (line < count) return starts[line];
  if (count < kMaxDisplayLines) return UINT32_MAX;
  // A full table's last line may hold line ends: up to its start the
  // logical line is known.
  return starts[count - 1] > p ? starts[count - 1] : p;
}

LineCommentMemo::Line& LineCommentMemo::Find(TextOffset lineStart) {
  auto it = std::lower_bound(lines_.begin(), lines_.end(), lineStart,
                             [](const Line& l, TextOffset s) { return l.start < s; });
  if (it != lines_.end() && it->start == lineStart) return *it;
  if (lines_.size() >= kMaxLines) {
    lines_.clear();
    it = lines_.begin();
  }
  return *lines_.insert(it, Line{lineStart, kNone, lineStart});
}

TextOffset LineCommentMemo::FirstBefore(const TextStore& store, TextOffset lineStart, TextOffset p) {
  p = std::min(p, store.Length());
  Line& line = Find(lineStart);
  if (line.first != kNone) return line.first < p ? line.first : kNone;
  if (line.scanned >= p) return kNone;
  // Scan on from where the last question stopped, one byte back so a "//"
  // across the old end is seen; stop at the line's end.
  const std::uint32_t length = store.Length();
  TextOffset at = line.scanned > line.start ? line.scanned - 1 : line.start;
  block_.resize(kBlock + 1);
  std::uint8_t* block = block_.data();
  while (at < p) {
    const std::uint32_t n = std::min<std::uint32_t>(kBlock, p - at);
    const std::uint32_t have = std::min<std::uint32_t>(n + 1, length - at);
    store.CopyOut(at, have, block);
    if (have == n) block[n] = 0;
    for (std::uint32_t i = 0; i < n; ++i) {
      const std::uint8_t c = block[i];
      if (c == '/' && block[i + 1] == '/') {
        line.first = at + i;
        line.scanned = at + i;
        return line.first;
      }
      if (c == kCr && block[i + 1] == kLf) {
        // The line ends before p: nothing more to find in it.
        line.scanned = p;
        return kNone;
      }
    }
    at += n;
  }
  line.scanned = p;
  return kNone;
}

bool LineCommentMemo::Unaffected(const Line& line, TextOffset p) {
  // Its first "//" ends before the edit, or none begins before what was
  // scanned and the edit lies past that.
  return line.first != kNone ? line.first + 2 <= p : p > line.scanned;
}

void LineCommentMemo::Shift(Line& line, std::int64_t delta) {
  line.start = static_cast<TextOffset>(line.start + delta);
  if (line.first != kNone) line.first = static_cast<TextOffset>(line.first + delta);
  line.scanned = static_cast<TextOffset>(line.scanned + delta);
}

void LineCommentMemo::NoteInsert(TextOffset p, std::uint32_t count) {
  std::size_t kept = 0;
  for (Line& l : lines_) {
    if (l.start > p) {
      Shift(l, count);
    } else if (!Unaffected(l, p)) {
      continue;
    }
    lines_[kept++] = l;
  }
  lines_.resize(kept);
}

void LineCommentMemo::NoteDelete(TextOffset p, std::uint32_t count) {
  const std::uint64_t end = std::uint64_t{p} + count;
  std::size_t kept = 0;
  for (Line& l : lines_) {
    if (l.start >= 2 && l.start - 2 >= end) {
      Shift(l, -static_cast<std::int64_t>(count));  // after the removed bytes and its own CR LF
    } else if (l.start > p || !Unaffected(l, p)) {
      continue;  // a line whose CR LF may be gone, or what it told may change
    }
    lines_[kept++] = l;
  }
  lines_.resize(kept);
}

}  // namespace quelt
