// The recent-file list: the most recently opened files, newest first, kept
// in the settings file's "Recent File List" section as File1, File2, ...
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/ini_file.h"
#include "app/settings.h"

namespace quelt {

// "RecentFileListCount": the smallest accepted value and the default (the
// largest is kMaxRecentFiles).
constexpr int kMinRecentFiles = 1;
constexpr int kDefaultRecentFiles = 4;

class RecentFiles {
 public:
  explicit RecentFiles(int capacity = kDefaultRecentFiles);
  int Capacity() const { return capacity_; }
  const std::vector<std::string>& Entries() const { return entries_; }

  // Puts path first; an entry naming the same file (case aside) moves up.
  void Add(std::string_view path);
  void Remove(std::string_view path);

  // Reads File1..FileN, skipping empty and repeated entries.
  void Load(const IniFile& ini);
  // Writes the entries as File1..FileN and removes the keys after them.
  void Save(IniFile& ini) const;

 private:
  int capacity_;
  std::vector<std::string> entries_;
};

}  // namespace quelt
