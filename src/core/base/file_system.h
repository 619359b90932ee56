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

// The attribute bits of a folder entry. `normal` is the platform's "no other
// attribute" bit; a file written by this program has `archive` set.
struct FileAttributes {
  bool readOnly = false;
  bool hidden = false;
  bool system = false;
  bool archive = false;
  bool normal = false;
  bool operator==(const FileAttributes&) const = default;
};

struct DirEntry {
  std::string name;  // name only, no folder
  bool isDirectory = false;
  FileAttributes attributes;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // Reads at most maxBytes bytes from the start of the file into out.
  // False when the file cannot be opened or read.
  virtual bool ReadFile(const std::string& path, std::string& out,
                        std::uint64_t maxBytes = UINT64_MAX) = 0;
  // Reads at most maxBytes bytes from byte `offset` of the file into out
  // (empty at or past the end). False when the file cannot be opened or
  // read. The default reads the file from its start; file systems that can
  // seek override it.
  virtual bool ReadRange(const std::string& path, std::uint64_t offset, std::uint64_t maxBytes,
                         std::string& out) {
    const std::uint64_t upTo = offset > UINT64_MAX - maxBytes ? UINT64_MAX : offset + maxBytes;
    if (!ReadFile(path, out, upTo)) return false;
    if (offset >= out.size()) {
      out.clear();
    } else {
      out.erase(0, static_cast<std::size_t>(offset));
    }
    return true;
  }
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
  // The entries of a folder, without "." and "..", in the platform's order.
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
