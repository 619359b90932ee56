#include "app/window_marks.h"

#include <algorithm>

namespace quelt {

bool HasMarkPrefix(const std::string& title) { return title.rfind(kWindowMarkPrefix, 0) == 0; }

std::string TitleWithoutMark(const std::string& title) {
  return HasMarkPrefix(title) ? title.substr(2) : title;
}

bool WindowMarks::IsMarked(WindowId window) const {
  return std::find(marks_.begin(), marks_.end(), window) != marks_.end();
}

MarkResult WindowMarks::Toggle(WindowId window, std::string& title) {
  if (IsMarked(window)) {
    Remove(window);
    title = TitleWithoutMark(title);
    return MarkResult::kDone;
  }
  if (marks_.size() >= kMaxWindowMarks || title.size() > kMaxMarkedTitle) return MarkResult::kBeep;
  marks_.push_back(window);
  current_ = static_cast<int>(marks_.size()) - 1;
  if (!HasMarkPrefix(title)) title = kWindowMarkPrefix + title;
  return MarkResult::kDone;
}

void WindowMarks::Remove(WindowId window) {
  const auto it = std::find(marks_.begin(), marks_.end(), window);
  if (it == marks_.end()) return;
  const int index = static_cast<int>(it - marks_.begin());
  marks_.erase(it);
  // Later marks move forward; the current index stays in range.
  if (index < current_) --current_;
  if (current_ >= static_cast<int>(marks_.size())) current_ = static_cast<int>(marks_.size()) - 1;
}

std::vector<WindowId> WindowMarks::Clear() {
  std::vector<WindowId> all;
  all.swap(marks_);
  current_ = -1;
  return all;
}

}  // namespace quelt
