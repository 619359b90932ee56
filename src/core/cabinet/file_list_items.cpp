#include "cabinet/file_list_items.h"

#include <algorithm>

#include "base/path.h"

namespace quelt {

std::vector<FileListItem> FileListItems(const std::vector<std::string>& paths, bool fullPath) {
  std::vector<FileListItem> items;
  items.reserve(paths.size());
  for (std::size_t i = 0; i < paths.size(); ++i) items.push_back({fullPath ? paths[i] : FileNameOf(paths[i]), i});
  // ASCII letters folded; double-byte characters compare as they are.
  std::stable_sort(items.begin(), items.end(), [](const FileListItem& a, const FileListItem& b) {
    return FoldCase(a.text) < FoldCase(b.text);
  });
  return items;
}

int FileListColumnWidth(int pathItemLength, int widthOfA) {
  return std::clamp(pathItemLength, 10, 256) * widthOfA + 15;
}

}  // namespace quelt
