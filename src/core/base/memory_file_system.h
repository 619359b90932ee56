// An in-memory file system: backup generations, mirror paths, cabinets and
// settings files are exercised with it without touching the disk. Paths are
// compared without regard to ASCII case, as Windows does.
#pragma once

#include <map>
#include <set>
#include <string>

#include "base/file_system.h"

namespace quelt {

class MemoryFileSystem : public FileSystem {
 public:
  bool ReadFile(const std::string& path, std::string& out, std::uint64_t maxBytes = UINT64_MAX) override;
  bool ReadRange(const std::string& path, std::uint64_t offset, std::uint64_t maxBytes, std::string& out) override;
  bool WriteFile(const std::string& path, const std::string& data) override;
  bool GetInfo(const std::string& path, FileInfo& info) override;
  bool CreateFolder(const std::string& path) override;
  bool RemoveFile(const std::string& path) override;
  bool RenameFile(const std::string& from, const std::string& to) override;
  bool ListFolder(const std::string& path, std::vector<DirEntry>& entries) override;

  // Test controls.
  void SetReadOnly(const std::string& path, bool readOnly);
  void SetModified(const std::string& path, const FileTime& time);
  // The attributes a listing reports (a new file has only `archive`);
  // readOnly is the file's read-only state as well.
  void SetAttributes(const std::string& path, const FileAttributes& attributes);
  // Reads of this file fail from now on (it stays listed).
  void FailReads(const std::string& path);
  // Every write after this many more succeeds fails (negative: never fail).
  void FailWritesAfter(int count) { writesLeft_ = count; }
  // The content of a file, or nullptr.
  const std::string* Content(const std::string& path) const;

 private:
  struct File {
    std::string name;  // as first written, for listing
    std::string data;
    FileInfo info;
    FileAttributes attributes{.archive = true};
    bool unreadable = false;
  };
  static std::string Key(const std::string& path);
  bool ParentExists(const std::string& key) const;

  std::map<std::string, File> files_;
  std::set<std::string> folders_;  // keys, without trailing backslash
  int writesLeft_ = -1;
};

}  // namespace quelt
