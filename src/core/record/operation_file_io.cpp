#include "record/operation_file_io.h"

#include <algorithm>
#include <array>

#include "base/path.h"
#include "base/sjis.h"
#include "record/operation_file.h"

namespace quelt {
namespace {

// Only first bytes of characters are tested: a trail byte may well be 0x5C.
bool IsForbiddenNameChar(std::uint8_t c) {
  return c < 0x20 || c == '\\' || c == '/' || c == ':' || c == '*' || c == '?' || c == '"' || c == '<' ||
         c == '>' || c == '|';
}

bool IsDeviceName(std::string_view name) {
  const std::string base = FoldCase(name.substr(0, name.find('.')));
  constexpr std::array<std::string_view, 4> kDevices = {"con", "prn", "aux", "nul"};
  if (std::find(kDevices.begin(), kDevices.end(), base) != kDevices.end()) return true;
  return base.size() == 4 && (base.starts_with("com") || base.starts_with("lpt")) && base[3] >= '1' &&
         base[3] <= '9';
}

}  // namespace

bool IsPlainFileName(std::string_view name) {
  if (name.empty() || name.find_first_not_of(". ") == std::string_view::npos) return false;
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(name.data());
  for (std::size_t i = 0; i < name.size();) {
    const std::size_t size = SjisCharSize(bytes, name.size(), i);
    if (size == 1 && IsForbiddenNameChar(bytes[i])) return false;
    i += size;
  }
  return !IsDeviceName(name);
}

std::optional<std::string> OperationFilePath(std::string_view exeFolder, std::string_view name) {
  if (!IsPlainFileName(name)) return std::nullopt;
  std::string path = JoinPath(exeFolder, name);
  if (!EndsWithNoCase(name, kOperationFileExtension)) path += kOperationFileExtension;
  if (path.size() >= kMaxOperationPath) return std::nullopt;
  return path;
}

std::optional<std::string> OperationPlayPath(std::string_view exeFolder, std::string_view name) {
  if (HasFolderPart(name)) return std::string(name);
  return OperationFilePath(exeFolder, name);
}

bool OperationFileExists(FileSystem& fs, const std::string& path) {
  FileInfo info;
  return fs.GetInfo(path, info) && !info.isDirectory;
}

std::optional<std::string> ReadOperationComment(FileSystem& fs, const std::string& path) {
  std::string bytes;
  if (!fs.ReadFile(path, bytes, kMaxOperationHeader)) return std::nullopt;
  auto header = ReadOperationHeader(bytes);
  if (!header) return std::nullopt;
  return std::move(header->comment);
}

std::vector<OperationFileEntry> ListOperationFiles(FileSystem& fs, const std::string& folder) {
  std::vector<DirEntry> entries;
  std::vector<OperationFileEntry> files;
  if (!fs.ListFolder(folder, entries)) return files;
  for (const DirEntry& e : entries) {
    if (files.size() == kMaxListedOperationFiles) break;
    if (e.isDirectory || !EndsWithNoCase(e.name, kOperationFileExtension)) continue;
    files.push_back({e.name, ReadOperationComment(fs, JoinPath(folder, e.name)).value_or(std::string())});
  }
  std::stable_sort(files.begin(), files.end(), [](const OperationFileEntry& a, const OperationFileEntry& b) {
    return FoldCase(a.name) < FoldCase(b.name);
  });
  return files;
}

}  // namespace quelt
