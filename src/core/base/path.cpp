#include "base/path.h"

#include "base/sjis.h"

namespace quelt {

std::size_t NameStart(std::string_view path) {
  std::size_t start = 0;
  for (std::size_t i = 0; i < path.size();) {
    const auto c = static_cast<std::uint8_t>(path[i]);
    if (IsSjisLeadByte(c) && i + 1 < path.size()) {
      i += 2;
      continue;
    }
    if (c == '\\' || c == '/' || c == ':') start = i + 1;
    ++i;
  }
  return start;
}

std::string FolderOf(std::string_view path) { return std::string(path.substr(0, NameStart(path))); }

std::string FileNameOf(std::string_view path) { return std::string(path.substr(NameStart(path))); }

std::string FileTitleOf(std::string_view path) { return FileNameOf(path); }

namespace {
// Offset of the extension's dot within the name part, or npos.
std::size_t DotOf(std::string_view path) {
  std::size_t dot = std::string_view::npos;
  for (std::size_t i = NameStart(path); i < path.size();) {
    const auto c = static_cast<std::uint8_t>(path[i]);
    if (IsSjisLeadByte(c) && i + 1 < path.size()) {
      i += 2;
      continue;
    }
    if (c == '.') dot = i;
    ++i;
  }
  return dot;
}
}  // namespace

std::string NameWithoutExtension(std::string_view path) {
  const std::size_t start = NameStart(path);
  const std::size_t dot = DotOf(path);
  return std::string(path.substr(start, dot == std::string_view::npos ? std::string_view::npos : dot - start));
}

std::string ExtensionOf(std::string_view path) {
  const std::size_t dot = DotOf(path);
  return dot == std::string_view::npos ? std::string() : std::string(path.substr(dot + 1));
}

std::string ReplaceExtension(std::string_view path, std::string_view ext) {
  const std::size_t dot = DotOf(path);
  std::string out(path.substr(0, dot));
  out += '.';
  out += ext;
  return out;
}

std::string JoinPath(std::string_view folder, std::string_view name) {
  std::string out(folder);
  if (!out.empty() && NameStart(out) != out.size()) out += '\\';
  out += name;
  return out;
}

namespace {
// Offset of the last character, or npos for an empty path.
std::size_t LastCharStart(std::string_view path) {
  std::size_t last = std::string_view::npos;
  for (std::size_t i = 0; i < path.size();) {
    last = i;
    i += IsSjisLeadByte(static_cast<std::uint8_t>(path[i])) && i + 1 < path.size() ? 2 : 1;
  }
  return last;
}

bool IsDriveRoot(std::string_view f) { return f.size() == 3 && f[1] == ':' && (f[2] == '\\' || f[2] == '/'); }
}  // namespace

bool EndsWithSeparator(std::string_view path) {
  const std::size_t last = LastCharStart(path);
  return last != std::string_view::npos && (path[last] == '\\' || path[last] == '/');
}

std::string WithTrailingSeparator(std::string_view folder) {
  std::string out(folder);
  if (!out.empty() && !EndsWithSeparator(out)) out += '\\';
  return out;
}

std::string WithoutTrailingSeparator(std::string_view folder) {
  while (folder.size() > 1 && !IsDriveRoot(folder) && EndsWithSeparator(folder)) folder.remove_suffix(1);
  return std::string(folder);
}

bool HasFolderPart(std::string_view path) { return NameStart(path) != 0; }

bool IsAbsolutePath(std::string_view path) {
  if (path.size() >= 2 && path[0] == '\\' && path[1] == '\\') return true;
  if (path.size() >= 2 && path[1] == ':') {
    const char d = path[0];
    return (d >= 'A' && d <= 'Z') || (d >= 'a' && d <= 'z');
  }
  return false;
}

std::string FoldCase(std::string_view text) {
  std::string out(text);
  for (std::size_t i = 0; i < out.size();) {
    const auto c = static_cast<std::uint8_t>(out[i]);
    if (IsSjisLeadByte(c) && i + 1 < out.size()) {
      i += 2;
      continue;
    }
    if (c >= 'A' && c <= 'Z') out[i] = static_cast<char>(c + 32);
    ++i;
  }
  return out;
}

bool EqualsNoCase(std::string_view a, std::string_view b) { return FoldCase(a) == FoldCase(b); }

bool EndsWithNoCase(std::string_view text, std::string_view suffix) {
  if (suffix.size() > text.size()) return false;
  // Fold the whole text so a trail byte just before the suffix is seen as such.
  const std::string folded = FoldCase(text);
  return std::string_view(folded).substr(text.size() - suffix.size()) == FoldCase(suffix);
}

}  // namespace quelt
