#include "view/clip_history.h"

namespace quelt {

int EffectiveMaxClipLength(int setting) {
  return (setting < kMinMaxClipLength || setting > kMaxMaxClipLength) ? kDefaultMaxClipLength
                                                                     : setting;
}

void ClipHistory::Configure(bool enabled, int maxClipLength) {
  enabled_ = enabled;
  maxLength_ = static_cast<std::size_t>(EffectiveMaxClipLength(maxClipLength));
}

void ClipHistory::Clear() {
  for (std::string& e : entries_) std::string().swap(e);
  count_ = 0;
  write_ = 0;
  current_ = kNoClipEntry;
}

std::size_t ClipHistory::TotalBytes() const {
  std::size_t total = 0;
  for (int i = 0; i < count_; ++i) total += Entry(i).size();
  return total;
}

void ClipHistory::Add(std::string_view text) {
  if (!enabled_ || text.size() > maxLength_) return;
  if (TotalBytes() + text.size() > kClipHistoryTotalLimit) Clear();
  const int slot = count_ < kClipHistorySize ? count_ : write_;
  entries_[static_cast<std::size_t>(slot)].assign(text);
  if (count_ < kClipHistorySize) ++count_;
  current_ = slot;
  write_ = (slot + 1) % kClipHistorySize;
}

const std::string* ClipHistory::Current() const {
  return HasCurrent() ? &Entry(current_) : nullptr;
}

const std::string* ClipHistory::Next() {
  if (!HasCurrent()) return nullptr;
  current_ = current_ == 0 ? count_ - 1 : current_ - 1;
  return &Entry(current_);
}

const std::string* ClipHistory::Previous() {
  if (!HasCurrent()) return nullptr;
  current_ = current_ == count_ - 1 ? 0 : current_ + 1;
  return &Entry(current_);
}

const std::string* ClipHistory::Choose(int index) {
  if (index < 0 || index >= count_) return nullptr;
  current_ = index;
  return &Entry(current_);
}

}  // namespace quelt
