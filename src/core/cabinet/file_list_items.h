// The items of the cabinet file-list window: one per registered path, shown
// as the full path or as the file name, sorted by the shown text without
// regard to case; each keeps the index of its path.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace quelt {

struct FileListItem {
  std::string text;   // Shift-JIS, as shown
  std::size_t index;  // the path's place in the cabinet's list
};

std::vector<FileListItem> FileListItems(const std::vector<std::string>& paths, bool fullPath);

// The column's width: "PathItemLength" (held to 10-256) letters A and 15
// pixels.
int FileListColumnWidth(int pathItemLength, int widthOfA);

}  // namespace quelt
