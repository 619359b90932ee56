#include "global_search/mask_text.h"

#include "base/path.h"
#include "base/sjis.h"

namespace quelt {
namespace {

std::size_t CharSizeAt(std::string_view s, std::size_t i) {
  return SjisCharSize(reinterpret_cast<const std::uint8_t*>(s.data()), s.size(), i);
}

std::string_view DropLeadingBackslash(std::string_view s) {
  if (!s.empty() && s.front() == '\\') s.remove_prefix(1);
  return s;
}

char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool MaskHasDrive(std::string_view mask) {
  if (mask.size() >= 2 && mask[1] == ':') return true;
  if (mask.size() >= 3 && mask[2] == ':') return true;
  if (mask.size() >= 2 && mask[0] == '\\' && mask[1] == '\\') return true;
  // A quoted network path.
  return mask.size() >= 3 && mask[0] == '"' && mask[1] == '\\' && mask[2] == '\\';
}

std::optional<std::string> JoinMaskText(std::string_view maskText, std::string_view currentFolder) {
  if (maskText.empty() || maskText.size() > kMaxMaskText) return std::nullopt;
  if (MaskHasDrive(maskText)) return std::string(maskText);
  std::string joined;
  if (maskText.front() == '"') {
    joined = "\"" + JoinPath(currentFolder, DropLeadingBackslash(maskText.substr(1)));
  } else {
    joined = JoinPath(currentFolder, DropLeadingBackslash(maskText));
  }
  if (joined.size() > kMaxMaskText) return std::nullopt;
  return joined;
}

bool IsListMask(std::string_view maskText) { return maskText.size() >= 2 && maskText.substr(0, 2) == "::"; }

std::string_view ListNameOf(std::string_view maskText) {
  return IsListMask(maskText) ? maskText.substr(2) : std::string_view();
}

std::vector<std::string> SplitMasks(std::string_view text) {
  std::vector<std::string> masks;
  std::size_t i = 0;
  while (i < text.size() && masks.size() < kMaxMasks) {
    while (i < text.size() && text[i] == ' ') ++i;
    if (i >= text.size()) break;
    std::string mask;
    bool quoted = false;
    while (i < text.size()) {
      const char c = text[i];
      if (c == '"') {
        if (quoted && i + 1 < text.size() && text[i + 1] == '"') {
          mask += '"';
          i += 2;
        } else {
          quoted = !quoted;
          ++i;
        }
        continue;
      }
      if (c == ' ' && !quoted) break;
      const std::size_t n = CharSizeAt(text, i);
      mask.append(text.substr(i, n));
      i += n;
    }
    if (mask.empty() || mask.size() > kMaxMaskLength) continue;
    if (!masks.empty() && !MaskHasDrive(mask)) {
      const std::string folder = FolderOf(masks.front());
      if (!folder.empty()) mask = JoinPath(folder, DropLeadingBackslash(mask));
    }
    masks.push_back(std::move(mask));
  }
  return masks;
}

bool MatchesWildcard(std::string_view name, std::string_view pattern) {
  if (pattern == "*.*" || pattern == "*") return true;
  // Backtracking over the last star: each star is tried with ever longer runs.
  std::size_t n = 0, p = 0;
  std::size_t starP = std::string_view::npos, starN = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      starP = ++p;
      starN = n;
      continue;
    }
    if (p < pattern.size()) {
      const std::size_t pn = CharSizeAt(pattern, p);
      const std::size_t nn = CharSizeAt(name, n);
      bool same = false;
      if (pn == 1 && pattern[p] == '?') {
        same = true;
      } else if (pn == nn) {
        same = pn == 1 ? FoldAscii(pattern[p]) == FoldAscii(name[n]) : pattern.substr(p, pn) == name.substr(n, nn);
      }
      if (same) {
        p += pn;
        n += nn;
        continue;
      }
    }
    if (starP == std::string_view::npos) return false;
    // Let the last star take one more character.
    starN += CharSizeAt(name, starN);
    n = starN;
    p = starP;
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

}  // namespace quelt
