#include "global_search/search_file_lists.h"

#include "base/le_words.h"
#include "base/path.h"

namespace quelt {
namespace {

bool TakeString(std::string_view& in, std::string& out) {
  const std::size_t end = in.find('\0');
  if (end == std::string_view::npos) return false;
  out.assign(in.substr(0, end));
  in.remove_prefix(end + 1);
  return true;
}

}  // namespace

const SearchFileList* FindSearchFileList(const SearchFileLists& lists, std::string_view name) {
  for (const SearchFileList& l : lists) {
    if (l.name == name) return &l;
  }
  return nullptr;
}

std::string SearchFileListsPath(std::string_view programPath) { return ReplaceExtension(programPath, "LST"); }

std::optional<std::string> EncodeSearchFileLists(const SearchFileLists& lists) {
  if (lists.size() > kMaxSearchFileLists) return std::nullopt;
  // The size first, so that an oversized set is refused before anything is built.
  std::size_t size = 4;
  for (const SearchFileList& l : lists) {
    if (l.masks.size() > kMaxListMasks) return std::nullopt;
    size += 4 + l.name.size() + 1;
    for (const std::string& m : l.masks) size += m.size() + 1;
    if (size > kMaxSearchFileListsBytes) return std::nullopt;
  }
  std::string out;
  out.reserve(size);
  AppendLe32(out, static_cast<std::uint32_t>(lists.size()));
  for (const SearchFileList& l : lists) {
    AppendLe32(out, static_cast<std::uint32_t>(l.masks.size()));
    // A zero byte inside a text would end it early: only the part before it is kept.
    out.append(l.name.c_str());
    out.push_back('\0');
    for (const std::string& m : l.masks) {
      out.append(m.c_str());
      out.push_back('\0');
    }
  }
  return out;
}

std::optional<SearchFileLists> DecodeSearchFileLists(std::string_view in) {
  if (in.size() > kMaxSearchFileListsBytes) return std::nullopt;
  std::uint32_t count = 0;
  if (!TakeLe32(in, count) || count > kMaxSearchFileLists) return std::nullopt;
  SearchFileLists lists(count);
  for (SearchFileList& l : lists) {
    std::uint32_t masks = 0;
    if (!TakeLe32(in, masks) || masks > kMaxListMasks) return std::nullopt;
    if (!TakeString(in, l.name)) return std::nullopt;
    l.masks.resize(masks);
    for (std::string& m : l.masks) {
      if (!TakeString(in, m)) return std::nullopt;
    }
  }
  return lists;
}

ListsReadStatus LoadSearchFileLists(FileSystem& fs, const std::string& path, Host& host, SearchFileLists& lists) {
  lists.clear();
  if (!fs.Exists(path)) return ListsReadStatus::kMissing;
  std::string bytes;
  if (!fs.ReadFile(path, bytes, kMaxSearchFileListsBytes + 1)) {
    host.ShowMessage(kMsgDataFileReadError);
    return ListsReadStatus::kReadError;
  }
  std::optional<SearchFileLists> decoded = DecodeSearchFileLists(bytes);
  if (!decoded) {
    host.ShowMessage(kMsgDataFileInvalid);
    return ListsReadStatus::kBadContent;
  }
  lists = std::move(*decoded);
  return ListsReadStatus::kOk;
}

bool SaveSearchFileLists(FileSystem& fs, const std::string& path, const SearchFileLists& lists, Host& host) {
  const std::optional<std::string> bytes = EncodeSearchFileLists(lists);
  if (!bytes || !fs.WriteFile(path, *bytes)) {
    host.ShowMessage(kMsgDataFileWriteError);
    return false;
  }
  return true;
}

}  // namespace quelt
