#include "app/win_file_system.h"

#include <windows.h>

#include "base/write_temp_name.h"
#include "framework/handles.h"
#include "framework/win_text.h"

namespace quelt::win {
namespace {

FileTime ToFileTime(const FILETIME& ft) {
  FILETIME local;
  SYSTEMTIME st{};
  FileTimeToLocalFileTime(&ft, &local);
  FileTimeToSystemTime(&local, &st);
  return FileTime{st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond};
}

bool WriteAll(HANDLE h, const std::string& data) {
  std::size_t done = 0;
  while (done < data.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(data.size() - done, 1u << 20));
    DWORD written = 0;
    if (!::WriteFile(h, data.data() + done, chunk, &written, nullptr) || written != chunk) return false;
    done += written;
  }
  return true;
}

}  // namespace

bool WinFileSystem::ReadFile(const std::string& path, std::string& out, std::uint64_t maxBytes) {
  return ReadRange(path, 0, maxBytes, out);
}

bool WinFileSystem::ReadRange(const std::string& path, std::uint64_t offset, std::uint64_t maxBytes,
                              std::string& out) {
  // Shared for reading only: no other program writes the file while it is read.
  FileHandle h(CreateFileW(SjisToWide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!h) return false;
  LARGE_INTEGER size;
  if (!GetFileSizeEx(h.Get(), &size)) return false;
  const std::uint64_t total = static_cast<std::uint64_t>(size.QuadPart);
  out.clear();
  if (offset >= total) return true;
  const std::uint64_t want = std::min<std::uint64_t>(total - offset, maxBytes);
  if (want > 0x7FFFFFFF) return false;
  LARGE_INTEGER at;
  at.QuadPart = static_cast<LONGLONG>(offset);
  if (!SetFilePointerEx(h.Get(), at, nullptr, FILE_BEGIN)) return false;
  out.resize(static_cast<std::size_t>(want));
  std::size_t done = 0;
  while (done < out.size()) {
    DWORD got = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(out.size() - done, 1u << 20));
    if (!::ReadFile(h.Get(), out.data() + done, chunk, &got, nullptr)) return false;
    if (got == 0) break;  // the file shrank meanwhile
    done += got;
  }
  out.resize(done);
  return true;
}

bool WinFileSystem::WriteFile(const std::string& path, const std::string& data) {
  // Write beside the target, flush, then replace: a failure on the way
  // leaves the old file as it was.
  const std::wstring target = SjisToWide(path);
  const DWORD oldAttributes = GetFileAttributesW(target.c_str());
  if (oldAttributes != INVALID_FILE_ATTRIBUTES &&
      (oldAttributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
    return false;
  // A short name of its own in the same folder: the target's name with a
  // suffix would pass the 255-character limit of a name for the longest
  // names. CREATE_NEW never takes over a file that happens to bear the
  // name; another one is tried.
  std::wstring temp;
  HANDLE created = INVALID_HANDLE_VALUE;
  for (unsigned attempt = 0; attempt < kWriteTempAttempts; ++attempt) {
    temp = SjisToWide(WriteTempName(path, GetCurrentProcessId(), attempt));
    created = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (created != INVALID_HANDLE_VALUE) break;
    const DWORD error = GetLastError();
    if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) return false;
  }
  FileHandle h(created);
  if (!h) return false;
  {
    // The replacement keeps the old file's creation time.
    WIN32_FILE_ATTRIBUTE_DATA old;
    if (oldAttributes != INVALID_FILE_ATTRIBUTES &&
        GetFileAttributesExW(target.c_str(), GetFileExInfoStandard, &old))
      SetFileTime(h.Get(), &old.ftCreationTime, nullptr, nullptr);
    const bool written = WriteAll(h.Get(), data) && FlushFileBuffers(h.Get());
    h.Reset();
    if (!written) {
      DeleteFileW(temp.c_str());
      return false;
    }
  }
  if (!MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DeleteFileW(temp.c_str());
    return false;
  }
  if (oldAttributes != INVALID_FILE_ATTRIBUTES) SetFileAttributesW(target.c_str(), oldAttributes);
  return true;
}

bool WinFileSystem::GetInfo(const std::string& path, FileInfo& info) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(SjisToWide(path).c_str(), GetFileExInfoStandard, &data)) return false;
  info.isDirectory = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  info.readOnly = (data.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
  info.size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  info.created = ToFileTime(data.ftCreationTime);
  info.modified = ToFileTime(data.ftLastWriteTime);
  return true;
}

bool WinFileSystem::CreateFolder(const std::string& path) {
  std::wstring w = SjisToWide(path);
  while (w.size() > 3 && (w.back() == L'\\' || w.back() == L'/')) w.pop_back();
  const DWORD a = GetFileAttributesW(w.c_str());
  if (a != INVALID_FILE_ATTRIBUTES) return (a & FILE_ATTRIBUTE_DIRECTORY) != 0;
  const std::size_t slash = w.find_last_of(L"\\/");
  if (slash != std::wstring::npos && slash > 2) {
    if (!CreateFolder(WideToSjis(w.substr(0, slash)))) return false;
  }
  return CreateDirectoryW(w.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

bool WinFileSystem::RemoveFile(const std::string& path) { return DeleteFileW(SjisToWide(path).c_str()) != 0; }

bool WinFileSystem::RenameFile(const std::string& from, const std::string& to) {
  return MoveFileExW(SjisToWide(from).c_str(), SjisToWide(to).c_str(), 0) != 0;
}

bool WinFileSystem::ListFolder(const std::string& path, std::vector<DirEntry>& entries) {
  std::wstring pattern = SjisToWide(path);
  if (!pattern.empty() && pattern.back() != L'\\') pattern += L'\\';
  pattern += L'*';
  WIN32_FIND_DATAW fd;
  HANDLE h = FindFirstFileW(pattern.c_str(), &fd);
  if (h == INVALID_HANDLE_VALUE) return false;
  entries.clear();
  do {
    if (wcscmp(fd.cFileName, L".") == 0 || wcscmp(fd.cFileName, L"..") == 0) continue;
    const DWORD a = fd.dwFileAttributes;
    FileAttributes attributes;
    attributes.readOnly = (a & FILE_ATTRIBUTE_READONLY) != 0;
    attributes.hidden = (a & FILE_ATTRIBUTE_HIDDEN) != 0;
    attributes.system = (a & FILE_ATTRIBUTE_SYSTEM) != 0;
    attributes.archive = (a & FILE_ATTRIBUTE_ARCHIVE) != 0;
    attributes.normal = (a & FILE_ATTRIBUTE_NORMAL) != 0;
    entries.push_back(DirEntry{WideToSjis(fd.cFileName), (a & FILE_ATTRIBUTE_DIRECTORY) != 0, attributes});
  } while (FindNextFileW(h, &fd));
  FindClose(h);
  return true;
}

}  // namespace quelt::win
