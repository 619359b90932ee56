#include "app/ini_file.h"

#include <climits>

#include "base/cp932.h"
#include "base/path.h"
#include "base/sjis.h"

namespace quelt {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }

// Blanks are single bytes below 0x40, so they are never the second byte of a
// double-byte character and can be trimmed from either end without a walk.
std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

// Names and values are C strings to the platform: they end at a NUL byte.
std::string_view UpToNul(std::string_view s) {
  const std::size_t nul = s.find('\0');
  return nul == std::string_view::npos ? s : s.substr(0, nul);
}

// A value is one line of the file.
std::string_view OneLine(std::string_view s) {
  const std::size_t end = s.find_first_of(std::string_view("\r\n\0", 3));
  return end == std::string_view::npos ? s : s.substr(0, end);
}

// Offset of the ']' that closes a section header starting at s[0] == '[', or
// npos. ']' is a possible second byte of a double-byte character, so the
// header is walked character by character.
std::size_t ClosingBracket(std::string_view s) {
  for (std::size_t i = 1; i < s.size();) {
    const auto c = static_cast<std::uint8_t>(s[i]);
    if (IsSjisLeadByte(c) && i + 1 < s.size()) {
      i += 2;
      continue;
    }
    if (c == ']') return i;
    ++i;
  }
  return std::string_view::npos;
}

}  // namespace

int ParseProfileInt(std::string_view text, int fallback) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  long long value = 0;
  bool digits = false;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    digits = true;
    value = value * 10 + (text[i] - '0');
    if (value > static_cast<long long>(INT_MAX) + 1) return fallback;
  }
  if (!digits) return fallback;
  if (negative) value = -value;
  if (value > INT_MAX || value < INT_MIN) return fallback;
  return static_cast<int>(value);
}

void IniFile::Parse(std::string_view text) {
  sections_.clear();
  sections_.push_back(Section{});  // lines before the first header
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view rawLine = text.substr(pos, end - pos);
    pos = end;
    if (pos < text.size()) {
      pos += (text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') ? 2 : 1;
    }

    Line line;
    line.raw = std::string(rawLine);
    const std::string_view body = Trim(rawLine);
    if (!body.empty() && body.front() == '[') {
      const std::size_t close = ClosingBracket(body);
      if (close != std::string_view::npos) {
        Section section;
        section.hasHeader = true;
        section.name = std::string(Trim(UpToNul(body.substr(1, close - 1))));
        section.lines.push_back(std::move(line));
        sections_.push_back(std::move(section));
        continue;
      }
      // A header without its bracket is an ordinary line, as in the platform.
    }
    if (!body.empty() && body.front() != ';') {
      const std::size_t eq = body.find('=');  // '=' is never a second byte
      if (eq != std::string_view::npos) {
        const std::string_view key = Trim(UpToNul(body.substr(0, eq)));
        if (!key.empty()) {
          line.entry = true;
          line.key = std::string(key);
          line.value = std::string(Trim(UpToNul(body.substr(eq + 1))));
        }
      }
    }
    sections_.back().lines.push_back(std::move(line));
  }
}

std::string IniFile::Serialize() const {
  std::string out;
  for (const Section& section : sections_) {
    for (const Line& line : section.lines) {
      out += line.raw;
      out += "\r\n";
    }
  }
  return out;
}

const IniFile::Section* IniFile::FindSection(std::string_view name) const {
  for (const Section& section : sections_) {
    if (section.hasHeader && EqualsNoCase(section.name, name)) return &section;
  }
  return nullptr;
}

IniFile::Section* IniFile::FindSection(std::string_view name) {
  return const_cast<Section*>(static_cast<const IniFile*>(this)->FindSection(name));
}

const IniFile::Line* IniFile::FindLine(const Section& section, std::string_view key) {
  for (const Line& line : section.lines) {
    if (line.entry && EqualsNoCase(line.key, key)) return &line;
  }
  return nullptr;
}

bool IniFile::HasSection(std::string_view section) const { return FindSection(section) != nullptr; }

bool IniFile::HasKey(std::string_view section, std::string_view key) const {
  const Section* s = FindSection(section);
  return s && FindLine(*s, key);
}

bool IniFile::GetString(std::string_view section, std::string_view key, std::string& out) const {
  const Section* s = FindSection(section);
  const Line* line = s ? FindLine(*s, key) : nullptr;
  if (!line) return false;
  std::string_view value = line->value;
  // One pair of enclosing quotes is dropped, as the platform's read does.
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  out = std::string(value);
  return true;
}

std::string IniFile::GetString(std::string_view section, std::string_view key,
                               std::string_view fallback) const {
  std::string value;
  if (!GetString(section, key, value)) return std::string(fallback);
  return value;
}

int IniFile::GetInt(std::string_view section, std::string_view key, int fallback) const {
  std::string value;
  if (!GetString(section, key, value)) return fallback;
  return ParseProfileInt(value, fallback);
}

void IniFile::SetString(std::string_view section, std::string_view key, std::string_view value) {
  const std::string_view newValue = Trim(OneLine(value));
  const std::string_view newKey = Trim(OneLine(key));
  if (newKey.empty()) return;
  if (sections_.empty()) sections_.push_back(Section{});

  Section* s = FindSection(section);
  if (!s) {
    // Keep a blank line between the last section and the new one.
    Section& last = sections_.back();
    if (!last.lines.empty() && !Trim(last.lines.back().raw).empty()) last.lines.push_back(Line{});
    Section added;
    added.hasHeader = true;
    added.name = std::string(Trim(OneLine(section)));
    Line header;
    header.raw = "[" + added.name + "]";
    added.lines.push_back(std::move(header));
    sections_.push_back(std::move(added));
    s = &sections_.back();
  }

  for (Line& line : s->lines) {
    if (line.entry && EqualsNoCase(line.key, newKey)) {
      if (line.value == newValue) return;  // keep the line exactly as it was
      line.value = std::string(newValue);
      line.raw = line.key + "=" + line.value;
      return;
    }
  }
  Line line;
  line.entry = true;
  line.key = std::string(newKey);
  line.value = std::string(newValue);
  line.raw = line.key + "=" + line.value;
  // After the last line that is not blank, so the section's trailing blank
  // line still separates it from the next one.
  std::size_t at = s->lines.size();
  while (at > (s->hasHeader ? 1u : 0u) && Trim(s->lines[at - 1].raw).empty()) --at;
  s->lines.insert(s->lines.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
}

void IniFile::SetInt(std::string_view section, std::string_view key, int value) {
  SetString(section, key, std::to_string(value));
}

bool IniFile::RemoveKey(std::string_view section, std::string_view key) {
  Section* s = FindSection(section);
  if (!s) return false;
  const auto before = s->lines.size();
  std::erase_if(s->lines, [&](const Line& line) { return line.entry && EqualsNoCase(line.key, key); });
  return s->lines.size() != before;
}

bool IniFile::RemoveSection(std::string_view section) {
  for (auto it = sections_.begin(); it != sections_.end(); ++it) {
    if (it->hasHeader && EqualsNoCase(it->name, section)) {
      sections_.erase(it);
      return true;
    }
  }
  return false;
}

namespace {

constexpr std::string_view kUtf16LeMark = "\xFF\xFE";

// The text after the byte-order mark as Shift-JIS; an odd last byte is
// dropped.
std::string FromUtf16Le(std::string_view bytes) {
  std::u16string wide(bytes.size() / 2, u'\0');
  for (std::size_t i = 0; i < wide.size(); ++i) {
    wide[i] = static_cast<char16_t>(static_cast<std::uint8_t>(bytes[2 * i]) |
                                    static_cast<std::uint8_t>(bytes[2 * i + 1]) << 8);
  }
  return Utf16ToSjis(wide);
}

std::string ToUtf16Le(std::string_view sjis) {
  const std::u16string wide = SjisToUtf16(sjis);
  std::string bytes(kUtf16LeMark);
  bytes.reserve(bytes.size() + wide.size() * 2);
  for (char16_t u : wide) {
    bytes += static_cast<char>(u & 0xFF);
    bytes += static_cast<char>(u >> 8);
  }
  return bytes;
}

}  // namespace

bool LoadIniFile(FileSystem& fs, const std::string& path, IniFile& ini) {
  std::string text;
  ini.SetEncoding(IniEncoding::kShiftJis);
  if (path.empty() || !fs.ReadFile(path, text, kMaxIniFileBytes)) {
    ini.Parse({});
    return false;
  }
  // Like the platform's profile functions, a file that starts with the
  // UTF-16LE byte-order mark is read as UTF-16; anything else as bytes.
  if (std::string_view(text).starts_with(kUtf16LeMark)) {
    ini.Parse(FromUtf16Le(std::string_view(text).substr(kUtf16LeMark.size())));
    ini.SetEncoding(IniEncoding::kUtf16Le);
  } else {
    ini.Parse(text);
  }
  return true;
}

bool SaveIniFile(FileSystem& fs, const std::string& path, const IniFile& ini) {
  if (path.empty()) return false;
  const std::string text = ini.Serialize();
  return fs.WriteFile(path, ini.Encoding() == IniEncoding::kUtf16Le ? ToUtf16Le(text) : text);
}

}  // namespace quelt
