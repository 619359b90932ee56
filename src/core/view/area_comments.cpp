// Upkeep of the area-comment delimiter tables.
#include "view/area_comments.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <vector>

#include "text/text_store.h"
#include "view/colour_scan.h"

namespace quelt {
namespace {

// The whole text is scanned in blocks of this many bytes.
constexpr std::uint32_t kScanBlock = 65536;

enum class Delimiter { kNone, kOpen, kClose };

constexpr Delimiter DelimiterOf(std::uint8_t a, std::uint8_t b) {
  if (a == '/' && b == '*') return Delimiter::kOpen;
  if (a == '*' && b == '/') return Delimiter::kClose;
  return Delimiter::kNone;
}

// Removes the entries in [from, to] and moves those above `to` by delta.
// Returns how many entries were dropped.
std::uint32_t DropAndShift(TextOffset* entries, std::uint32_t& count, std::int64_t from, std::int64_t to,
                           std::int64_t delta) {
  TextOffset* end = entries + count;
  TextOffset* first = entries;
  if (from > 0) first = std::lower_bound(entries, end, static_cast<TextOffset>(std::min<std::int64_t>(from, UINT32_MAX)));
  TextOffset* last = first;
  while (last != end && static_cast<std::int64_t>(*last) <= to) ++last;
  for (TextOffset* e = last; e != end; ++e) *e = static_cast<TextOffset>(*e + delta);
  std::memmove(first, last, static_cast<std::size_t>(end - last) * sizeof(TextOffset));
  const auto dropped = static_cast<std::uint32_t>(last - first);
  count -= dropped;
  return dropped;
}

}  // namespace

int AreaCommentCapacity(int setting) {
  return (setting >= kMinAreaComments && setting <= kMaxAreaComments) ? setting : kDefaultAreaComments;
}

bool AreaCommentsKept(int documentType, bool colorAreaComment) {
  return colorAreaComment && (documentType == 1 || documentType == 2);
}

bool AreaCommentTables::Create(int capacitySetting) {
  const auto capacity = static_cast<std::uint32_t>(AreaCommentCapacity(capacitySetting));
  opens_.reset(new (std::nothrow) TextOffset[capacity]);
  closes_.reset(new (std::nothrow) TextOffset[capacity]);
  openCount_ = closeCount_ = 0;
  if (!opens_ || !closes_) {
    opens_.reset();
    closes_.reset();
    capacity_ = 0;
    return false;
  }
  capacity_ = capacity;
  return true;
}

void AreaCommentTables::Clear() { openCount_ = closeCount_ = 0; }

bool AreaCommentTables::Add(std::unique_ptr<TextOffset[]>& entries, std::uint32_t& count, TextOffset at) {
  if (capacity_ == 0) return false;
  TextOffset* base = entries.get();
  TextOffset* pos = std::lower_bound(base, base + count, at);
  if (pos != base + count && *pos == at) return true;
  bool fitted = true;
  if (count == capacity_) {
    fitted = false;
    // Keep the delimiters nearest the start: the last one gives way, or the
    // new one when it would be last.
    if (pos == base + count) return false;
    --count;
  }
  std::memmove(pos + 1, pos, static_cast<std::size_t>(base + count - pos) * sizeof(TextOffset));
  *pos = at;
  ++count;
  return fitted;
}

void AreaCommentTables::NoteOverflow(Host& host) {
  if (reported_) return;
  reported_ = true;
  host.ShowMessage(kMsgTooManyAreaComments);
}

void AreaCommentTables::RebuildCommentTables(const TextStore& store, Host& host) {
  Clear();
  memo_.Clear();
  reported_ = false;
  if (capacity_ == 0) return;
  const std::uint32_t length = store.Length();
  std::vector<std::uint8_t> block(kScanBlock + 1);
  for (TextOffset at = 0; at + 1 < length; at += kScanBlock) {
    // One byte of overlap so a delimiter across two blocks is seen.
    const std::uint32_t n = std::min<std::uint32_t>(kScanBlock + 1, length - at);
    store.CopyOut(at, n, block.data());
    for (std::uint32_t i = 0; i + 1 < n; ++i) {
      const Delimiter d = DelimiterOf(block[i], block[i + 1]);
      if (d == Delimiter::kNone) continue;
      // Entries come in ascending order, so a full table only refuses.
      const bool fitted = d == Delimiter::kOpen ? Add(opens_, openCount_, at + i)
                                                : Add(closes_, closeCount_, at + i);
      if (!fitted) NoteOverflow(host);
    }
  }
}

bool AreaCommentTables::NoteCommentInsert(const TextStore& store, TextOffset p, std::uint32_t length,
                                          Host& host) {
  memo_.NoteInsert(p, length);
  if (capacity_ == 0 || length == 0) return false;
  // A delimiter at p - 1 was split by the insertion; entries from p move up.
  const std::int64_t split = static_cast<std::int64_t>(p) - 1;
  bool changed = DropAndShift(opens_.get(), openCount_, split, split, length) > 0;
  changed |= DropAndShift(closes_.get(), closeCount_, split, split, length) > 0;
  StoreReader text(store);
  const TextOffset first = p > 0 ? p - 1 : 0;
  const std::uint64_t last = std::uint64_t{p} + length;  // last byte that can end a new delimiter
  for (std::uint64_t i = first; i < last && i + 1 < text.Length(); ++i) {
    const auto at = static_cast<TextOffset>(i);
    const Delimiter d = DelimiterOf(text.At(at), text.At(at + 1));
    if (d == Delimiter::kNone) continue;
    const bool fitted = d == Delimiter::kOpen ? Add(opens_, openCount_, at) : Add(closes_, closeCount_, at);
    if (!fitted) NoteOverflow(host);
    changed = true;
  }
  return changed;
}

bool AreaCommentTables::NoteCommentDelete(const TextStore& store, TextOffset p, std::uint32_t length,
                                          Host& host) {
  memo_.NoteDelete(p, length);
  if (capacity_ == 0 || length == 0) return false;
  const std::int64_t from = static_cast<std::int64_t>(p) - 1;
  const std::int64_t to = static_cast<std::int64_t>(p) + length - 1;
  const std::int64_t delta = -static_cast<std::int64_t>(length);
  bool changed = DropAndShift(opens_.get(), openCount_, from, to, delta) > 0;
  changed |= DropAndShift(closes_.get(), closeCount_, from, to, delta) > 0;
  // The bytes either side of the removed range become neighbours.
  StoreReader text(store);
  if (p == 0 || std::uint64_t{p} + length >= text.Length()) return changed;
  const Delimiter d = DelimiterOf(text.At(p - 1), text.At(p + length));
  if (d == Delimiter::kNone) return changed;
  const bool fitted = d == Delimiter::kOpen ? Add(opens_, openCount_, p - 1) : Add(closes_, closeCount_, p - 1);
  if (!fitted) NoteOverflow(host);
  return true;
}

}  // namespace quelt
