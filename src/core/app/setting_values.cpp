// The settings kept as structured text: tab positions, the window placement,
// the user line comment and the recent-file list.
#include <climits>
#include <cstdio>

#include "app/settings.h"
#include "base/sjis.h"

namespace quelt {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Reads blanks, an optional minus sign (when allowed), decimal digits and
// blanks from text at i. False when there are no digits or the number
// leaves [min, max].
bool ReadNumber(std::string_view text, std::size_t& i, bool allowMinus, long long min, long long max,
                long long& value) {
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (allowMinus && i < text.size() && text[i] == '-') {
    negative = true;
    ++i;
  }
  long long n = 0;
  bool digits = false;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    digits = true;
    n = n * 10 + (text[i] - '0');
    if (n > 0xFFFFFFFFLL) return false;
  }
  while (i < text.size() && IsBlank(text[i])) ++i;
  value = negative ? -n : n;
  return digits && value >= min && value <= max;
}

}  // namespace

bool ParseTabPositions(std::string_view text, std::vector<int>& positions) {
  positions.clear();
  std::vector<int> read;
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  while (i < text.size()) {
    long long column = 0;
    if (!ReadNumber(text, i, false, 1, kMaxTabColumn, column)) return false;
    if (!read.empty() && column - 1 <= read.back()) return false;
    if (read.size() == kMaxTabPositions) return false;
    read.push_back(static_cast<int>(column - 1));
    if (i < text.size()) {
      if (text[i] != ',') return false;
      ++i;
      while (i < text.size() && IsBlank(text[i])) ++i;
    }
  }
  positions = std::move(read);
  return true;
}

std::string FormatTabPositions(const std::vector<int>& positions) {
  std::string text;
  for (const int position : positions) {
    if (text.size() >= kTabPositionTextLimit) break;
    text += std::to_string(static_cast<long long>(position) + 1);
    text += ',';
  }
  return text;
}

bool ParseWindowPos(std::string_view text, WindowPlacement& placement) {
  long long v[10];
  std::size_t i = 0;
  for (int n = 0; n < 10; ++n) {
    const bool isUnsigned = n < 2;
    if (!ReadNumber(text, i, !isUnsigned, isUnsigned ? 0 : INT_MIN, isUnsigned ? 0xFFFFFFFFLL : INT_MAX, v[n]))
      return false;
    if (n < 9) {
      if (i >= text.size() || text[i] != ',') return false;
      ++i;
    }
  }
  if (i != text.size()) return false;
  placement.flags = static_cast<std::uint32_t>(v[0]);
  placement.showCmd = static_cast<std::uint32_t>(v[1]);
  placement.minX = static_cast<int>(v[2]);
  placement.minY = static_cast<int>(v[3]);
  placement.maxX = static_cast<int>(v[4]);
  placement.maxY = static_cast<int>(v[5]);
  placement.left = static_cast<int>(v[6]);
  placement.top = static_cast<int>(v[7]);
  placement.right = static_cast<int>(v[8]);
  placement.bottom = static_cast<int>(v[9]);
  return true;
}

std::string FormatWindowPos(const WindowPlacement& p) {
  char text[128];
  std::snprintf(text, sizeof text, "%u,%u,%d,%d,%d,%d,%d,%d,%d,%d", static_cast<unsigned>(p.flags),
                static_cast<unsigned>(p.showCmd), p.minX, p.minY, p.maxX, p.maxY, p.left, p.top, p.right,
                p.bottom);
  return text;
}

bool IsValidUserLineComment(std::string_view text, int fullMode) {
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
  for (std::size_t i = 0; i < text.size();) {
    const std::uint8_t c = bytes[i];
    if (c < 0x20 || c == 0x7F) return false;
    if (IsSjisLeadByte(c)) {
      // A double-byte character is only found by the double-byte aware search,
      // and it must be whole.
      if (fullMode == 0 || i + 1 >= text.size() || !IsSjisTrailByte(bytes[i + 1])) return false;
      i += 2;
      continue;
    }
    if (c >= 0x80 && !IsHalfKana(c)) return false;  // 0x80, 0xA0, 0xFD-0xFF
    ++i;
  }
  return true;
}

std::vector<std::string> ReadRecentFiles(const IniFile& ini, int count) {
  std::vector<std::string> files;
  if (count > kMaxRecentFiles) count = kMaxRecentFiles;
  for (int i = 1; i <= count; ++i) {
    std::string path = ini.GetString(kRecentFileSection, "File" + std::to_string(i));
    if (!path.empty()) files.push_back(std::move(path));
  }
  return files;
}

void WriteRecentFiles(IniFile& ini, const std::vector<std::string>& files, int count) {
  if (count > kMaxRecentFiles) count = kMaxRecentFiles;
  int written = 0;
  for (const std::string& path : files) {
    if (written == count) break;
    if (path.empty()) continue;
    ++written;
    ini.SetString(kRecentFileSection, "File" + std::to_string(written), path);
  }
  for (int i = written + 1; i <= kMaxRecentFiles; ++i) ini.RemoveKey(kRecentFileSection, "File" + std::to_string(i));
}

}  // namespace quelt
