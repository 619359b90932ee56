// A FileSystem over a real folder for the benchmarks: "C:\..." paths are
// taken below a root folder of the build machine, backslashes turned into
// slashes. Reading and listing only; every other call fails.
#pragma once

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "base/file_system.h"

namespace quelt::bench {

class PosixFileSystem : public FileSystem {
 public:
  explicit PosixFileSystem(std::string root) : root_(std::move(root)) {}

  bool ReadFile(const std::string& path, std::string& out, std::uint64_t maxBytes = UINT64_MAX) override {
    return ReadRange(path, 0, maxBytes, out);
  }
  bool ReadRange(const std::string& path, std::uint64_t offset, std::uint64_t maxBytes, std::string& out) override {
    const int fd = ::open(Local(path).c_str(), O_RDONLY);
    if (fd < 0) return false;
    struct stat st;
    if (::fstat(fd, &st) != 0) {
      ::close(fd);
      return false;
    }
    const std::uint64_t size = static_cast<std::uint64_t>(st.st_size);
    const std::uint64_t want = offset >= size ? 0 : std::min<std::uint64_t>(size - offset, maxBytes);
    out.resize(want);
    std::size_t done = 0;
    while (done < want) {
      const ssize_t got = ::pread(fd, out.data() + done, want - done, static_cast<off_t>(offset + done));
      if (got < 0) {
        ::close(fd);
        return false;
      }
      if (got == 0) break;
      done += static_cast<std::size_t>(got);
    }
    out.resize(done);
    ::close(fd);
    return true;
  }
  bool WriteFile(const std::string&, const std::string&) override { return false; }
  bool GetInfo(const std::string& path, FileInfo& info) override {
    struct stat st;
    if (::stat(Local(path).c_str(), &st) != 0) return false;
    info = FileInfo{};
    info.isDirectory = S_ISDIR(st.st_mode);
    info.size = static_cast<std::uint64_t>(st.st_size);
    return true;
  }
  bool CreateFolder(const std::string&) override { return false; }
  bool RemoveFile(const std::string&) override { return false; }
  bool RenameFile(const std::string&, const std::string&) override { return false; }
  bool ListFolder(const std::string& path, std::vector<DirEntry>& entries) override {
    DIR* d = ::opendir(Local(path).c_str());
    if (d == nullptr) return false;
    entries.clear();
    while (const dirent* e = ::readdir(d)) {
      const std::string name = e->d_name;
      if (name == "." || name == "..") continue;
      DirEntry entry;
      entry.name = name;
      entry.isDirectory = e->d_type == DT_DIR;
      entry.attributes.archive = !entry.isDirectory;
      entries.push_back(std::move(entry));
    }
    ::closedir(d);
    return true;
  }

 private:
  std::string Local(const std::string& path) const {
    std::string p = path.size() >= 2 && path[1] == ':' ? path.substr(2) : path;
    for (char& c : p) {
      if (c == '\\') c = '/';
    }
    return root_ + p;
  }

  std::string root_;
};

}  // namespace quelt::bench
