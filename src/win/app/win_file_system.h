// The engine's file access on Windows: Shift-JIS paths converted with code
// page 932, the wide file functions underneath.
#pragma once

#include "base/file_system.h"

namespace quelt::win {

class WinFileSystem : public FileSystem {
 public:
  bool ReadFile(const std::string& path, std::string& out, std::uint64_t maxBytes = UINT64_MAX) override;
  bool ReadRange(const std::string& path, std::uint64_t offset, std::uint64_t maxBytes, std::string& out) override;
  bool WriteFile(const std::string& path, const std::string& data) override;
  bool GetInfo(const std::string& path, FileInfo& info) override;
  bool CreateFolder(const std::string& path) override;
  bool RemoveFile(const std::string& path) override;
  bool RenameFile(const std::string& from, const std::string& to) override;
  bool ListFolder(const std::string& path, std::vector<DirEntry>& entries) override;
};

}  // namespace quelt::win
