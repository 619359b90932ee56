// RAII wrappers for the handles the front end keeps.
#pragma once

#include <windows.h>

#include <utility>

namespace quelt::win {

// Owns a handle closed by Close(h); Invalid is the value meaning "none".
template <typename H, BOOL(WINAPI* Close)(H), H Invalid = nullptr>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(H h) : h_(h) {}
  ~UniqueHandle() { Reset(); }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& o) noexcept : h_(std::exchange(o.h_, Invalid)) {}
  UniqueHandle& operator=(UniqueHandle&& o) noexcept {
    if (this != &o) {
      Reset();
      h_ = std::exchange(o.h_, Invalid);
    }
    return *this;
  }
  void Reset(H h = Invalid) {
    if (h_ != Invalid) Close(h_);
    h_ = h;
  }
  H Get() const { return h_; }
  H Release() { return std::exchange(h_, Invalid); }
  explicit operator bool() const { return h_ != Invalid; }

 private:
  H h_ = Invalid;
};

using KernelHandle = UniqueHandle<HANDLE, CloseHandle>;
inline BOOL WINAPI DeleteGdiObject(HGDIOBJ h) { return DeleteObject(h); }
using FontHandle = UniqueHandle<HGDIOBJ, DeleteGdiObject>;
using MenuHandle = UniqueHandle<HMENU, DestroyMenu>;
using IconHandle = UniqueHandle<HICON, DestroyIcon>;
inline BOOL WINAPI FreeLib(HMODULE h) { return FreeLibrary(h); }
using LibraryHandle = UniqueHandle<HMODULE, FreeLib>;

// An open file handle (INVALID_HANDLE_VALUE means none).
class FileHandle {
 public:
  FileHandle() = default;
  explicit FileHandle(HANDLE h) : h_(h) {}
  ~FileHandle() { Reset(); }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  void Reset() {
    if (h_ != INVALID_HANDLE_VALUE) CloseHandle(h_);
    h_ = INVALID_HANDLE_VALUE;
  }
  HANDLE Get() const { return h_; }
  explicit operator bool() const { return h_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE h_ = INVALID_HANDLE_VALUE;
};

}  // namespace quelt::win
