#include "keys/operation_files.h"

#include <algorithm>

#include "base/path.h"

namespace quelt {
namespace {

constexpr std::string_view kExtension = ".mac";

}  // namespace

std::string OperationFileName(std::string_view name) {
  std::string file(name);
  if (!EndsWithNoCase(file, kExtension)) file += kExtension;
  return file;
}

std::string OperationFilePath(std::string_view folder, std::string_view name) {
  return JoinPath(folder, OperationFileName(name));
}

bool SameOperationFile(std::string_view a, std::string_view b) {
  return EqualsNoCase(OperationFileName(a), OperationFileName(b));
}

std::vector<std::string> ListOperationFiles(FileSystem& files, const std::string& folder) {
  std::vector<DirEntry> entries;
  std::vector<std::string> names;
  if (!files.ListFolder(folder, entries)) return names;
  for (const DirEntry& e : entries) {
    if (!e.isDirectory && e.name.size() > kExtension.size() && EndsWithNoCase(e.name, kExtension))
      names.push_back(e.name);
  }
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    const std::string fa = FoldCase(a), fb = FoldCase(b);
    return fa != fb ? fa < fb : a < b;
  });
  return names;
}

}  // namespace quelt
