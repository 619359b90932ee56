// How the engine reaches files. Paths are Windows paths in Shift-JIS (drive
// letters, backslashes), as users type them. The Win32 front end implements
// this with the wide file functions; tests use MemoryFileSystem.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quelt {

// A point in time as the file system reports it, local time.
struct FileTime {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
  bool operator==(const FileTime&) const = default;
};

struct FileInfo {
  bool isDirectory = false;
  bool readOnly = false;
  std::uint64_t size = 0;
  FileTime created;
  FileTime modified;
};

struct DirEntry {
  std::string name;  // name only, no folder
  bool isDirectory = false;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // Reads at most maxBytes bytes from the start of the file into out.
  // False when the file cannot be opened or read.
  virtual bool ReadFile(const std::string& path, std::string& out,
                        std::uint64_t maxBytes = UINT64_MAX) = 0;
  // Writes data as the whole new content of path. The old file (if any) is
  // replaced only after every byte has been written and flushed, so a failed
  // write leaves it untouched. False on any failure.
  virtual bool WriteFile(const std::string& path, const std::string& data) = 0;
  // Information about a file or folder; false when it does not exist.
  virtual bool GetInfo(const std::string& path, FileInfo& info) = 0;
  // Creates a folder and any missing parents; true when it exists afterwards.
  virtual bool CreateFolder(const std::string& path) = 0;
  virtual bool RemoveFile(const std::string& path) = 0;
  // Moves (renames) a file; fails when `to` exists.
  virtual bool RenameFile(const std::string& from, const std::string& to) = 0;
  // The entries of a folder, without "." and "..".
  virtual bool ListFolder(const std::string& path, std::vector<DirEntry>& entries) = 0;

  bool Exists(const std::string& path) {
    FileInfo info;
    return GetInfo(path, info);
  }
  bool IsFolder(const std::string& path) {
    FileInfo info;
    return GetInfo(path, info) && info.isDirectory;
  }
};

}  // namespace quelt
