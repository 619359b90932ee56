#include "global_search/file_pick.h"

#include "base/path.h"
#include "global_search/mask_text.h"

namespace quelt {

bool CountsAsFile(const DirEntry& entry, bool pickUpAllFiles) {
  if (entry.isDirectory) return false;
  const FileAttributes& a = entry.attributes;
  if (pickUpAllFiles) return !a.system;
  return a.readOnly || a.hidden || a.archive || a.normal;
}

std::vector<std::string> MatchingFiles(FileSystem& fs, const std::string& folder, const std::string& pattern,
                                       bool pickUpAllFiles) {
  std::vector<std::string> paths;
  std::vector<DirEntry> entries;
  if (pattern.empty() || !fs.ListFolder(folder, entries)) return paths;
  for (const DirEntry& e : entries) {
    if (CountsAsFile(e, pickUpAllFiles) && MatchesWildcard(e.name, pattern)) paths.push_back(JoinPath(folder, e.name));
  }
  return paths;
}

bool CollectSubfolders(FileSystem& fs, const std::string& folder, std::size_t bufferBytes,
                       std::vector<std::string>& folders) {
  folders.clear();
  std::size_t used = 0;
  std::vector<DirEntry> entries;
  // folders doubles as the queue: each collected folder is listed in turn.
  for (std::size_t next = 0; next <= folders.size(); ++next) {
    const std::string base = next == 0 ? folder : folders[next - 1];  // a copy: folders grows below
    if (!fs.ListFolder(base, entries)) continue;
    for (const DirEntry& e : entries) {
      if (!e.isDirectory) continue;
      std::string path = JoinPath(base, e.name);
      used += path.size() + 1;
      if (used > bufferBytes || bufferBytes - used < kSubDirReserve) {
        folders.clear();
        return false;
      }
      folders.push_back(std::move(path));
    }
  }
  return true;
}

}  // namespace quelt
