// Building the display-line table: the full layout and the incremental
// re-layout after an edit.
#include <algorithm>
#include <cstring>

#include "view/layout.h"

namespace quelt {

LayoutScratch::LayoutScratch() : starts(kMaxDisplayLines), flags(kMaxDisplayLines) {}

LayoutScratch& SharedLayoutScratch() {
  static LayoutScratch scratch;
  return scratch;
}

std::uint8_t Layout::FlagOf(TextOffset start) {
  return (start >= 2 && reader_.At(start - 2) == kCr && reader_.At(start - 1) == kLf) ? 1 : 0;
}

std::uint32_t Layout::Produce(std::uint32_t first, TextOffset start, std::int64_t resync,
                              bool* caughtUp) {
  TextOffset* starts = scratch_->starts.data();
  std::uint8_t* flags = scratch_->flags.data();
  std::uint32_t k = 0;
  TextOffset cur = start;
  starts[k] = cur;
  flags[k] = FlagOf(cur);
  ++k;
  while (first + k < kMaxDisplayLines) {
    const std::int64_t next = NextStart(cur);
    if (next == kNoOffset) break;
    if (next == resync) {
      *caughtUp = true;
      break;
    }
    cur = static_cast<TextOffset>(next);
    starts[k] = cur;
    flags[k] = FlagOf(cur);
    ++k;
  }
  return k;
}

void Layout::Install(RelayoutResult& result, std::uint32_t first, std::uint32_t produced,
                     std::uint32_t tailFrom, std::uint32_t tailCount, std::int32_t shift) {
  std::uint64_t wanted = std::uint64_t{first} + produced + tailCount;
  if (wanted > kMaxDisplayLines) {
    tailCount -= static_cast<std::uint32_t>(wanted - kMaxDisplayLines);
    wanted = kMaxDisplayLines;
  }
  auto newCount = static_cast<std::uint32_t>(wanted);
  if (store_->EnsureLineCapacity(newCount) == Capacity::kOutOfMemory) {
    // Keep what the old table holds room for; the rest is dropped.
    result.outOfMemory = true;
    if (host_ != nullptr) host_->ShowMessage(kMsgOutOfMemory);
    newCount = std::min(newCount, store_->LineCapacity());
    produced = std::min(produced, newCount - std::min(newCount, first));
    tailCount = std::min(tailCount, newCount - first - produced);
    newCount = first + produced + tailCount;
  }
  TextOffset* starts = store_->LineStarts();
  std::uint8_t* flags = store_->LineFlags();
  const std::uint32_t dst = first + produced;
  if (tailCount > 0) {
    if (dst != tailFrom) {
      std::memmove(starts + dst, starts + tailFrom, std::size_t{tailCount} * sizeof(TextOffset));
      std::memmove(flags + dst, flags + tailFrom, tailCount);
    }
    if (shift != 0) {
      const auto add = static_cast<std::uint32_t>(shift);  // modular: also subtracts
      TextOffset* s = starts + dst;
      for (std::uint32_t i = 0; i < tailCount; ++i) s[i] += add;
    }
  }
  std::memcpy(starts + first, scratch_->starts.data(), std::size_t{produced} * sizeof(TextOffset));
  std::memcpy(flags + first, scratch_->flags.data(), produced);
  store_->SetLineCount(newCount);
  result.firstLine = first;
  result.changedEnd = dst;
  result.lineShift =
      tailCount > 0 ? static_cast<std::int64_t>(dst) - static_cast<std::int64_t>(tailFrom) : 0;
}

void Layout::Extend(RelayoutResult& result) {
  const std::uint32_t count = LineCount();
  if (count == 0 || count >= kMaxDisplayLines) return;
  const std::uint32_t from = count - 1;
  bool caughtUp = false;
  const std::uint32_t produced = Produce(from, store_->LineStarts()[from], kNoOffset, &caughtUp);
  if (produced <= 1) return;
  RelayoutResult more;
  Install(more, from, produced, 0, 0, 0);
  result.outOfMemory = result.outOfMemory || more.outOfMemory;
}

void Layout::Finish(RelayoutResult& result) {
  const std::uint32_t count = LineCount();
  result.newLineCount = count;
  if (count == kMaxDisplayLines && !result.outOfMemory &&
      NextStart(store_->LineStarts()[count - 1]) != kNoOffset) {
    // The rest of the text stays on the last line.
    result.truncated = true;
    if (host_ != nullptr) host_->ShowMessage(kMsgTooManyLines);
  }
}

RelayoutResult Layout::FullLayout() {
  Fresh();
  RelayoutResult result;
  result.oldLineCount = LineCount();
  if (TextLength() == 0) {
    store_->SetLineCount(0);
    return result;
  }
  bool caughtUp = false;
  const std::uint32_t produced = Produce(0, 0, kNoOffset, &caughtUp);
  Install(result, 0, produced, 0, 0, 0);
  Finish(result);
  return result;
}

std::uint32_t Layout::FirstLineToRedo(TextOffset p, std::int32_t lengthChange) const {
  const TextOffset* starts = store_->LineStarts();
  const std::uint8_t* flags = store_->LineFlags();
  const std::uint32_t newLength = TextLength();
  const auto oldLength = static_cast<std::uint32_t>(std::int64_t{newLength} - lengthChange);
  std::uint32_t k = LineOfOffsetIn(starts, LineCount(), oldLength, p, params_.LineByteBound());
  // The wrap of a line looks at most this far past its start (its columns,
  // the character after them and that character's second byte), so an edit
  // there may change where the line before breaks, unless a CR LF ends it.
  const std::uint32_t reach = static_cast<std::uint32_t>(MaxColumn()) + 4;
  while (k > 0 && flags[k] == 0 && p < starts[k - 1] + reach) --k;
  // A deletion at the end may leave lines that start at the new end.
  while (k > 0 && starts[k] >= newLength) --k;
  return k;
}

RelayoutResult Layout::Relayout(TextOffset p, std::int32_t lengthChange) {
  const auto size = static_cast<std::uint32_t>(lengthChange < 0 ? -std::int64_t{lengthChange}
                                                                : std::int64_t{lengthChange});
  return lengthChange < 0 ? RelayoutReplaced(p, size, 0) : RelayoutReplaced(p, 0, size);
}

RelayoutResult Layout::RelayoutReplaced(TextOffset p, std::uint32_t removed, std::uint32_t inserted) {
  const std::int32_t lengthChange =
      static_cast<std::int32_t>(std::int64_t{inserted} - std::int64_t{removed});
  const std::uint32_t oldCount = LineCount();
  const std::uint32_t n = TextLength();
  if (oldCount == 0 || n == 0) return FullLayout();
  TextReader& r = Fresh();
  const auto oldLength = static_cast<std::uint32_t>(std::int64_t{n} - lengthChange);
  p = std::min(p, std::min(n, oldLength));
  const std::uint32_t first = FirstLineToRedo(p, lengthChange);

  // Resynchronise at the start of the logical line after the edit, if the
  // old table has a line there.
  std::int64_t resync = kNoOffset;
  std::uint32_t tailFrom = 0;
  // The new bytes end at p + inserted; the text after them is the old text.
  TextOffset q = static_cast<TextOffset>(std::min<std::uint64_t>(std::uint64_t{p} + inserted, n));
  while (q < n && r.At(q) != kCr) ++q;
  if (q < n && std::uint64_t{q} + 2 < n) {
    const std::int64_t oldAt = std::int64_t{q} + 2 - lengthChange;
    const TextOffset* starts = store_->LineStarts();
    const std::uint32_t line = LineOfOffsetIn(starts, oldCount, oldLength,
                                              static_cast<TextOffset>(oldAt), params_.LineByteBound());
    if (line > first && starts[line] == oldAt) {
      resync = std::int64_t{q} + 2;
      tailFrom = line;
    }
  }

  RelayoutResult result;
  result.oldLineCount = oldCount;
  bool caughtUp = false;
  const std::uint32_t produced = Produce(first, store_->LineStarts()[first], resync, &caughtUp);
  const std::uint32_t tailCount = caughtUp ? oldCount - tailFrom : 0;
  Install(result, first, produced, tailFrom, tailCount, lengthChange);
  // A table that was full may now have room for lines it had cut off.
  if (caughtUp && oldCount == kMaxDisplayLines && !result.outOfMemory) Extend(result);
  Finish(result);
  return result;
}

}  // namespace quelt
