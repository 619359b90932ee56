#include "app/recent_files.h"

#include <algorithm>

#include "base/path.h"

namespace quelt {
namespace {

std::string Key(int i) { return "File" + std::to_string(i + 1); }

}  // namespace

RecentFiles::RecentFiles(int capacity)
    : capacity_(capacity >= kMinRecentFiles && capacity <= kMaxRecentFiles ? capacity : kDefaultRecentFiles) {}

void RecentFiles::Remove(std::string_view path) {
  const std::string folded = FoldCase(path);
  entries_.erase(std::remove_if(entries_.begin(), entries_.end(),
                                [&](const std::string& e) { return FoldCase(e) == folded; }),
                 entries_.end());
}

void RecentFiles::Add(std::string_view path) {
  if (path.empty()) return;
  Remove(path);
  entries_.insert(entries_.begin(), std::string(path));
  if (entries_.size() > static_cast<std::size_t>(capacity_)) entries_.resize(static_cast<std::size_t>(capacity_));
}

void RecentFiles::Load(const IniFile& ini) {
  entries_.clear();
  for (int i = 0; i < capacity_; ++i) {
    std::string path;
    if (!ini.GetString(kRecentFileSection, Key(i), path) || path.empty()) continue;
    const std::string folded = FoldCase(path);
    const bool seen = std::any_of(entries_.begin(), entries_.end(),
                                  [&](const std::string& e) { return FoldCase(e) == folded; });
    if (!seen) entries_.push_back(path);
  }
}

void RecentFiles::Save(IniFile& ini) const {
  for (int i = 0; i < kMaxRecentFiles; ++i) {
    if (static_cast<std::size_t>(i) < entries_.size()) {
      ini.SetString(kRecentFileSection, Key(i), entries_[static_cast<std::size_t>(i)]);
    } else {
      ini.RemoveKey(kRecentFileSection, Key(i));
    }
  }
}

}  // namespace quelt
