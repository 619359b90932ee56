#include "marks/doc_marks.h"

#include <algorithm>

#include "base/sjis.h"

namespace quelt {
namespace {

constexpr std::uint8_t kTab = 0x09;

// Shared by both jumps: the first value after `at` (forward, else the first)
// or the last one before it (backward, else the last) of an ascending list.
template <typename Values>
std::optional<TextOffset> NextOf(const Values& values, TextOffset at, bool forward) {
  if (values.empty()) return std::nullopt;
  if (forward) {
    for (TextOffset v : values)
      if (v > at) return v;
    return values.front();
  }
  for (auto it = values.rbegin(); it != values.rend(); ++it)
    if (*it < at) return *it;
  return values.back();
}

}  // namespace

bool DocMarks::IsLineMarked(TextOffset lineStart) const {
  if (lineStart == 1) return false;  // no line starts between a CR and its LF
  return std::binary_search(lines_.begin(), lines_.end(), LineMarkValueOf(lineStart));
}

MarkOutcome DocMarks::ToggleLineMark(TextOffset lineStart, bool beginsLogicalLine, bool textEmpty,
                                     bool hasSelection) {
  if (textEmpty) return MarkOutcome::kNothing;
  if (hasSelection || !beginsLogicalLine) return MarkOutcome::kBeep;
  const std::int32_t value = LineMarkValueOf(lineStart);
  const auto at = std::lower_bound(lines_.begin(), lines_.end(), value);
  if (at != lines_.end() && *at == value) {
    lines_.erase(at);
    return MarkOutcome::kRemoved;
  }
  if (lines_.size() >= kMaxLineMarks) return MarkOutcome::kBeep;
  lines_.insert(at, value);
  return MarkOutcome::kAdded;
}

std::optional<TextOffset> DocMarks::LineMarkTarget(TextOffset caretLineStart, bool forward) const {
  std::vector<TextOffset> starts;
  starts.reserve(lines_.size());
  for (std::int32_t v : lines_) starts.push_back(LineStartOfMark(v));
  return NextOf(starts, caretLineStart, forward);
}

std::vector<TextOffset> DocMarks::ClearLineMarks() {
  std::vector<TextOffset> starts;
  starts.reserve(lines_.size());
  for (std::int32_t v : lines_) starts.push_back(LineStartOfMark(v));
  lines_.clear();
  return starts;
}

MarkOutcome DocMarks::ToggleStringMark(const TextStore& store, TextOffset from, TextOffset to,
                                       bool streamSelection, bool boxSelection) {
  if (boxSelection) return MarkOutcome::kBeep;
  const TextOffset length = store.Length();
  if (!streamSelection) {
    if (from >= length) return MarkOutcome::kBeep;
    std::uint8_t pair[2] = {};
    const std::uint32_t have = std::min<std::uint32_t>(2, length - from);
    store.CopyOut(from, have, pair);
    if (pair[0] == kCr) return MarkOutcome::kBeep;
    to = from + ((have == 2 && store.Lead()(pair[0])) ? 2 : 1);
  } else {
    if (to < from) std::swap(from, to);
    to = std::min(to, length);
    from = std::min(from, to);
  }

  const auto overlaps = [from, to](const StringMark& m) { return m.offset < to && from < m.offset + m.length; };
  const auto removed = std::remove_if(strings_.begin(), strings_.end(), overlaps);
  if (removed != strings_.end()) {
    strings_.erase(removed, strings_.end());
    return MarkOutcome::kRemoved;
  }

  const std::uint32_t count = to - from;
  if (!streamSelection || count == 0 || count > kMaxMarkText || strings_.size() >= kMaxStringMarks)
    return MarkOutcome::kBeep;
  StringMark mark{from, count, std::string(count, '\0')};
  store.CopyOut(from, count, reinterpret_cast<std::uint8_t*>(mark.text.data()));
  if (mark.text.find(static_cast<char>(kCr)) != std::string::npos ||
      mark.text.find(static_cast<char>(kTab)) != std::string::npos)
    return MarkOutcome::kBeep;
  const auto at = std::upper_bound(strings_.begin(), strings_.end(), from,
                                   [](TextOffset o, const StringMark& m) { return o < m.offset; });
  strings_.insert(at, std::move(mark));
  return MarkOutcome::kAdded;
}

std::optional<TextOffset> DocMarks::StringMarkTarget(TextOffset caretOffset, bool forward) const {
  std::vector<TextOffset> offsets;
  offsets.reserve(strings_.size());
  for (const StringMark& m : strings_) offsets.push_back(m.offset);
  return NextOf(offsets, caretOffset, forward);
}

std::vector<StringMark> DocMarks::ClearStringMarks() {
  std::vector<StringMark> removed;
  removed.swap(strings_);
  return removed;
}

bool DocMarks::StringMarkShown(const StringMark& mark, const TextStore& store) {
  if (mark.length == 0 || mark.text.size() != mark.length) return false;
  if (mark.offset >= store.Length() || mark.length > store.Length() - mark.offset) return false;
  std::string here(mark.length, '\0');
  store.CopyOut(mark.offset, mark.length, reinterpret_cast<std::uint8_t*>(here.data()));
  return here == mark.text;
}

void DocMarks::SetMarks(std::vector<std::int32_t> lines, std::vector<StringMark> strings) {
  lines_ = std::move(lines);
  strings_ = std::move(strings);
}

void DocMarks::Clear() {
  lines_.clear();
  strings_.clear();
}

// Text inserted at p pushes every mark at or after p along: a line mark
// whose CR is at p, and a string mark starting at p, stay on their text.
void DocMarks::AfterInsert(const TextStore&, TextOffset p, std::uint32_t count) {
  for (std::int32_t& v : lines_)
    if (v != kFirstLineMark && static_cast<TextOffset>(v) >= p) v += static_cast<std::int32_t>(count);
  for (StringMark& m : strings_)
    if (m.offset >= p) m.offset += count;
}

// Before [p, p + count) goes: a line mark loses its line when the line end
// before it (its CR or LF) goes, as the line merges into the one before; a
// string mark starting inside the range moves to p and is kept, though no
// longer shown, since an undo may bring its text back; one that would start
// at or past the new end is dropped. Both lists stay ascending.
void DocMarks::BeforeDelete(const TextStore& store, TextOffset p, std::uint32_t count) {
  const std::int64_t end = std::int64_t{p} + count;
  std::vector<std::int32_t> kept;
  kept.reserve(lines_.size());
  for (std::int32_t v : lines_) {
    if (v == kFirstLineMark || v + 1 < std::int64_t{p}) {
      kept.push_back(v);
    } else if (v >= end) {
      kept.push_back(v - static_cast<std::int32_t>(count));
    }
  }
  kept.erase(std::unique(kept.begin(), kept.end()), kept.end());
  lines_ = std::move(kept);

  const TextOffset newLength = store.Length() - std::min(count, store.Length());
  for (StringMark& m : strings_) {
    if (m.offset >= end) {
      m.offset -= count;
    } else if (m.offset >= p) {
      m.offset = p;
    }
  }
  strings_.erase(std::remove_if(strings_.begin(), strings_.end(),
                                [newLength](const StringMark& m) { return m.offset >= newLength; }),
                 strings_.end());
}

}  // namespace quelt
