#include "base/memory_file_system.h"

#include <algorithm>

#include "base/path.h"
#include "base/sjis.h"

namespace quelt {

std::string MemoryFileSystem::Key(const std::string& path) {
  std::string key = FoldCase(path);
  for (char& c : key) {
    if (c == '/') c = '\\';
  }
  return WithoutTrailingSeparator(key);
}

namespace {

// The folder a key lies in, as a key: shorter than the key, or empty.
std::string ParentKey(const std::string& key) {
  std::string parent = WithoutTrailingSeparator(FolderOf(key));
  return parent.size() < key.size() ? parent : std::string();
}

// A name Windows refuses: a colon anywhere but after the drive letter, or
// a wildcard, quote, angle bracket or bar.
bool IsRefusedPath(std::string_view key) {
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(key.data());
  for (std::size_t i = 0; i < key.size(); i += SjisCharSize(bytes, key.size(), i)) {
    const char c = key[i];
    if ((c == ':' && i != 1) || c == '*' || c == '?' || c == '"' || c == '<' || c == '>' || c == '|') return true;
  }
  return false;
}

}  // namespace

bool MemoryFileSystem::ParentExists(const std::string& key) const {
  const std::string parent = ParentKey(key);
  if (parent.empty() || parent.size() <= 3) return true;  // a drive root always exists
  return folders_.count(parent) != 0;
}

bool MemoryFileSystem::ReadFile(const std::string& path, std::string& out, std::uint64_t maxBytes) {
  auto it = files_.find(Key(path));
  if (it == files_.end() || it->second.unreadable) return false;
  const std::string& d = it->second.data;
  out.assign(d, 0, static_cast<std::size_t>(std::min<std::uint64_t>(maxBytes, d.size())));
  return true;
}

bool MemoryFileSystem::ReadRange(const std::string& path, std::uint64_t offset, std::uint64_t maxBytes,
                                 std::string& out) {
  auto it = files_.find(Key(path));
  if (it == files_.end() || it->second.unreadable) return false;
  const std::string& d = it->second.data;
  if (offset >= d.size()) {
    out.clear();
    return true;
  }
  const std::uint64_t n = std::min<std::uint64_t>(maxBytes, d.size() - offset);
  out.assign(d, static_cast<std::size_t>(offset), static_cast<std::size_t>(n));
  return true;
}

bool MemoryFileSystem::WriteFile(const std::string& path, const std::string& data) {
  const std::string key = Key(path);
  if (IsRefusedPath(key) || folders_.count(key) || !ParentExists(key)) return false;
  if (writesLeft_ == 0) return false;
  if (writesLeft_ > 0) --writesLeft_;
  File& f = files_[key];
  if (f.info.readOnly) return false;
  if (f.name.empty()) f.name = FileNameOf(path);
  f.data = data;
  f.info.size = data.size();
  return true;
}

bool MemoryFileSystem::GetInfo(const std::string& path, FileInfo& info) {
  const std::string key = Key(path);
  if (folders_.count(key) || (key.size() <= 3 && !key.empty())) {
    info = FileInfo{};
    info.isDirectory = true;
    return true;
  }
  auto it = files_.find(key);
  if (it == files_.end()) return false;
  info = it->second.info;
  return true;
}

bool MemoryFileSystem::CreateFolder(const std::string& path) {
  std::string key = Key(path);
  if (IsRefusedPath(key)) return false;
  // Each step goes to a shorter parent, so the walk ends at the root or at
  // the start of a relative path.
  for (; key.size() > 3; key = ParentKey(key)) {
    if (files_.count(key)) return false;
    folders_.insert(key);
  }
  return true;
}

bool MemoryFileSystem::RemoveFile(const std::string& path) {
  auto it = files_.find(Key(path));
  if (it == files_.end() || it->second.info.readOnly) return false;
  files_.erase(it);
  return true;
}

bool MemoryFileSystem::RenameFile(const std::string& from, const std::string& to) {
  const std::string kf = Key(from), kt = Key(to);
  auto it = files_.find(kf);
  // A change of letter case alone renames the file in place, as on Windows.
  if (it == files_.end() || (kt != kf && files_.count(kt)) || folders_.count(kt) || !ParentExists(kt)) return false;
  File f = std::move(it->second);
  files_.erase(it);
  f.name = FileNameOf(to);
  files_[kt] = std::move(f);
  return true;
}

bool MemoryFileSystem::ListFolder(const std::string& path, std::vector<DirEntry>& entries) {
  std::string key = Key(path);
  if (!(key.size() <= 3 || folders_.count(key))) return false;
  entries.clear();
  auto inFolder = [&](const std::string& k) {
    return ParentKey(k) == key;
  };
  for (const std::string& d : folders_) {
    if (inFolder(d)) entries.push_back(DirEntry{FileNameOf(d), true, FileAttributes{}});
  }
  for (const auto& [k, f] : files_) {
    if (inFolder(k)) entries.push_back(DirEntry{f.name, false, f.attributes});
  }
  return true;
}

void MemoryFileSystem::SetReadOnly(const std::string& path, bool readOnly) {
  auto it = files_.find(Key(path));
  if (it != files_.end()) it->second.info.readOnly = it->second.attributes.readOnly = readOnly;
}

void MemoryFileSystem::SetAttributes(const std::string& path, const FileAttributes& attributes) {
  auto it = files_.find(Key(path));
  if (it == files_.end()) return;
  it->second.attributes = attributes;
  it->second.info.readOnly = attributes.readOnly;
}

void MemoryFileSystem::FailReads(const std::string& path) {
  auto it = files_.find(Key(path));
  if (it != files_.end()) it->second.unreadable = true;
}

void MemoryFileSystem::SetModified(const std::string& path, const FileTime& time) {
  auto it = files_.find(Key(path));
  if (it != files_.end()) it->second.info.modified = time;
}

const std::string* MemoryFileSystem::Content(const std::string& path) const {
  auto it = files_.find(Key(path));
  return it == files_.end() ? nullptr : &it->second.data;
}

}  // namespace quelt
