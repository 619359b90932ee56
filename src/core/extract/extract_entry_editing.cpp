#include "extract/extract_entry_editing.h"

namespace quelt {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::optional<std::int32_t> ParseWholeNumber(std::string_view text, std::int32_t low, std::int32_t high) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  std::int64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > (std::int64_t{1} << 32)) return std::nullopt;  // far out of any range
  }
  if (negative) value = -value;
  if (value < low || value > high) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

EntryRefusal AddTypedEntry(std::vector<ExtractEntry>& list, std::string_view text, std::string_view position,
                           std::string_view lineCount, bool withLineCount) {
  if (list.size() >= kMaxExtractEntries) return EntryRefusal::kListFull;
  ExtractEntry entry;
  entry.text.assign(text);
  if (text.empty() || text.size() > kMaxExtractString || text.find('\0') != std::string_view::npos) {
    return EntryRefusal::kText;
  }
  const auto p = ParseWholeNumber(position, -kMaxExtractPosition, kMaxExtractPosition);
  if (!p) return EntryRefusal::kPosition;
  entry.position = *p;
  if (withLineCount) {
    const auto c = ParseWholeNumber(lineCount, 1, kMaxExtractLineCount);
    if (!c) return EntryRefusal::kLineCount;
    entry.lineCount = *c;
  }
  list.push_back(std::move(entry));
  return EntryRefusal::kNone;
}

std::optional<int> RemoveEntry(std::vector<ExtractEntry>& list, int selected) {
  if (selected < 0 || static_cast<std::size_t>(selected) >= list.size()) return std::nullopt;
  list.erase(list.begin() + selected);
  if (list.empty()) return -1;
  return static_cast<std::size_t>(selected) < list.size() ? selected : static_cast<int>(list.size()) - 1;
}

std::string EntryRowText(const ExtractEntry& entry, bool withLineCount) {
  std::string row = entry.text;
  row += '\t';
  row += std::to_string(entry.position);
  if (withLineCount) {
    row += '\t';
    row += std::to_string(entry.lineCount);
  }
  return row;
}

bool IsValidSeparatorText(std::string_view text) {
  return text.size() <= kMaxExtractSeparator && text.find('\0') == std::string_view::npos;
}

std::string Step1ListLabel(std::int32_t process) {
  return process == kProcessDelete ? "削除行(Tﾀ):" : "抽出行(Tﾀ):";
}

std::string StartListLabel(std::int32_t process) {
  return process == kProcessDelete ? "削除開始行(Tﾀ):" : "抽出開始行(Tﾀ):";
}

std::string EndListLabel(std::int32_t process) {
  return process == kProcessDelete ? "削除終了行(Nｴ):" : "抽出終了行(Nｴ):";
}

}  // namespace quelt
