// Named lists of file masks that stand in for the mask text ("::name"), and
// their file beside the program (the program's path with the extension LST).
// The file: the list count (0-30), then per list the mask count n (0-500)
// and n + 1 zero-terminated strings, the name and the masks; every count is
// a 32-bit little-endian word; the whole file is at most 600,000 bytes.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/file_system.h"
#include "base/host.h"

namespace quelt {

constexpr std::size_t kMaxSearchFileLists = 30;
constexpr std::size_t kMaxListMasks = 500;
constexpr std::size_t kMaxListMaskLength = 260;
constexpr std::size_t kMaxSearchFileListsBytes = 600000;

struct SearchFileList {
  std::string name;                // Shift-JIS
  std::vector<std::string> masks;  // each a mask text (it may hold several masks)
  bool operator==(const SearchFileList&) const = default;
};

using SearchFileLists = std::vector<SearchFileList>;

// The list of that name (exact comparison), or nullptr.
const SearchFileList* FindSearchFileList(const SearchFileLists& lists, std::string_view name);

// The file's path: the program's path with its extension replaced by LST.
std::string SearchFileListsPath(std::string_view programPath);

// The bytes of the file. Nullopt when the lists do not fit the layout (more
// than 30 lists or 500 masks in one) or the bytes exceed 600,000.
std::optional<std::string> EncodeSearchFileLists(const SearchFileLists& lists);
// Nullopt when the structure is invalid: shorter than 4 bytes, longer than
// 600,000, a list count outside 0-30, a mask count outside 0-500, or lists
// running past the end. Bytes after the last list are ignored.
std::optional<SearchFileLists> DecodeSearchFileLists(std::string_view bytes);

enum class ListsReadStatus {
  kOk,          // read, maybe with no lists
  kMissing,     // no file: no lists, silently
  kReadError,   // exists but cannot be read
  kBadContent,  // read, structure invalid: ignored
};

// Reads the file into lists (empty unless kOk) and shows the message of a
// failure: the read error "データファイルの読み込みでエラーが発生しました。…"
// or the content error "データファイルの内容が不正です。…".
ListsReadStatus LoadSearchFileLists(FileSystem& fs, const std::string& path, Host& host, SearchFileLists& lists);

// Writes the file; a size over 600,000 bytes (checked before writing) or a
// write failure shows "データファイルの書き込みでエラーが発生しました。…" and
// returns false.
bool SaveSearchFileLists(FileSystem& fs, const std::string& path, const SearchFileLists& lists, Host& host);

}  // namespace quelt
