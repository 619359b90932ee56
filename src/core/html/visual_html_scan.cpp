#include "html/visual_html_scan.h"

#include <array>
#include <cstdint>

#include "base/sjis.h"
#include "html/visual_html_refs.h"

namespace quelt {
namespace {

std::uint8_t Byte(std::string_view s, std::size_t i) { return static_cast<std::uint8_t>(s[i]); }

char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

struct TagText {
  std::string_view text;
  VisualTag tag;
  bool hasAttributes;  // a blank follows the name, and the tag runs on to its ">"
};

// The order in which the tags are tried; the first match wins.
constexpr std::array<TagText, 22> kTags = {{
    {"</HTML>", VisualTag::kEndHtml, false},  {"</HEAD>", VisualTag::kEndHead, false},
    {"</TITLE>", VisualTag::kEndTitle, false}, {"</BODY>", VisualTag::kEndBody, false},
    {"</B>", VisualTag::kEndB, false},         {"</I>", VisualTag::kEndI, false},
    {"</FONT>", VisualTag::kEndFont, false},   {"</SUP>", VisualTag::kEndSup, false},
    {"</SUB>", VisualTag::kEndSub, false},     {"</A>", VisualTag::kEndA, false},
    {"</BR>", VisualTag::kEndBr, false},       {"<HTML>", VisualTag::kHtml, false},
    {"<HEAD>", VisualTag::kHead, false},       {"<TITLE>", VisualTag::kTitle, false},
    {"<BODY", VisualTag::kBody, true},         {"<B>", VisualTag::kB, false},
    {"<I>", VisualTag::kI, false},             {"<FONT", VisualTag::kFont, true},
    {"<SUP>", VisualTag::kSup, false},         {"<SUB>", VisualTag::kSub, false},
    {"<A", VisualTag::kA, true},               {"<BR>", VisualTag::kBr, false},
}};

// The ">" that ends a tag whose attributes start at from, or the end of the
// text. A quoted value runs to its closing quote, a ">" in it included; a
// quote with no closing one before the next "<" is a plain character, so
// that a stray quote does not take the tags after it into its tag.
std::size_t TagClose(std::string_view text, std::size_t from) {
  std::size_t i = from;
  while (i < text.size()) {
    if (text[i] == '>') return i;
    if (text[i] == '"') {
      std::size_t j = i + 1;
      while (j < text.size() && text[j] != '"' && text[j] != '<') j += VisualCharSize(text, j);
      if (j < text.size() && text[j] == '"') {
        i = j + 1;
        continue;
      }
    }
    i += VisualCharSize(text, i);
  }
  return text.size();
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  c = Upper(c);
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

void CleanVisualHtml(std::string& bytes) {
  for (char& c : bytes)
    if (c == '\0') c = ' ';
  const std::size_t n = bytes.size();
  std::size_t i = 0;
  while (i < n) {
    const std::uint8_t c = Byte(bytes, i);
    if (IsSjisLeadByte(c)) {
      if (i + 1 == n) {
        bytes[i] = ' ';
        i += 1;
      } else {
        if (bytes[i + 1] == '\r') bytes[i] = bytes[i + 1] = ' ';
        i += 2;
      }
    } else if (c == kCr) {
      if (i + 1 == n || bytes[i + 1] != '\n') {
        bytes[i] = ' ';
        i += 1;
      } else {
        i += 2;
      }
    } else {
      i += 1;
    }
  }
}

std::size_t VisualCharSize(std::string_view text, std::size_t i) {
  if (i + 1 >= text.size()) return 1;
  const std::uint8_t c = Byte(text, i);
  if (IsSjisLeadByte(c)) return 2;
  if (c == kCr && text[i + 1] == '\n') return 2;
  return 1;
}

std::size_t BlankSize(std::string_view text, std::size_t i) {
  if (i >= text.size() || !IsSpace(text[i])) return 0;
  return VisualCharSize(text, i);
}

bool IsNamedAnchor(std::string_view text, std::size_t pos) {
  if (!StartsWithNoCase(text, pos, "<A")) return false;
  const std::size_t blank = BlankSize(text, pos + 2);
  return blank != 0 && StartsWithNoCase(text, pos + 2 + blank, "NAME");
}

bool StartsWithNoCase(std::string_view text, std::size_t pos, std::string_view word) {
  if (pos > text.size() || text.size() - pos < word.size()) return false;
  for (std::size_t k = 0; k < word.size(); ++k)
    if (Upper(text[pos + k]) != Upper(word[k])) return false;
  return true;
}

std::size_t FindNoCase(std::string_view text, std::size_t from, std::string_view word) {
  std::size_t i = from;
  while (i < text.size()) {
    if (StartsWithNoCase(text, i, word)) return i;
    i += VisualCharSize(text, i);
  }
  return std::string_view::npos;
}

TagMatch MatchVisualTag(std::string_view text, std::size_t pos) {
  TagMatch m;
  if (pos >= text.size() || text[pos] != '<') return m;
  for (const TagText& t : kTags) {
    if (!StartsWithNoCase(text, pos, t.text)) continue;
    const std::size_t blank = t.hasAttributes ? BlankSize(text, pos + t.text.size()) : 0;
    if (t.hasAttributes && blank == 0) continue;
    m.tag = t.tag;
    m.attrs = m.attrsEnd = m.end = pos + t.text.size() + blank;
    if (t.hasAttributes) {
      m.attrsEnd = TagClose(text, m.attrs);
      m.end = m.attrsEnd < text.size() ? m.attrsEnd + 1 : m.attrsEnd;
    }
    return m;
  }
  return m;
}

std::optional<std::string> FindHtmlAttribute(std::string_view tag, std::string_view name) {
  const std::size_t n = tag.size();
  std::size_t i = 0;
  while (i < n) {
    if (IsSpace(tag[i])) {
      i += VisualCharSize(tag, i);
      continue;
    }
    if (tag[i] == '"') {  // a stray quoted text: passed over whole
      i += 1;
      while (i < n && tag[i] != '"') i += VisualCharSize(tag, i);
      if (i < n) i += 1;
      continue;
    }
    const std::size_t nameStart = i;
    while (i < n && !IsSpace(tag[i]) && tag[i] != '=' && tag[i] != '"') i += VisualCharSize(tag, i);
    const std::string_view found = tag.substr(nameStart, i - nameStart);
    // After the name: spaces and "=", then the value, in quotes or bare.
    std::size_t j = i;
    while (j < n && IsSpace(tag[j])) j += VisualCharSize(tag, j);
    bool hasValue = false;
    if (j < n && tag[j] == '=') {
      hasValue = true;
      ++j;
      while (j < n && IsSpace(tag[j])) j += VisualCharSize(tag, j);
    } else if (i < n && tag[i] == '"') {
      hasValue = true;
      j = i;
    }
    std::string value;
    if (hasValue) {
      std::size_t start = j;
      if (j < n && tag[j] == '"') {
        start = ++j;
        while (j < n && tag[j] != '"') j += VisualCharSize(tag, j);
        value = DecodeHtmlReferences(tag.substr(start, j - start));
        if (j < n) ++j;
      } else {
        while (j < n && !IsSpace(tag[j]) && tag[j] != '"') j += VisualCharSize(tag, j);
        value = DecodeHtmlReferences(tag.substr(start, j - start));
      }
      i = j;
    }
    if (found.size() == name.size() && StartsWithNoCase(found, 0, name)) return value;
  }
  return std::nullopt;
}

std::optional<ColourRef> ParseHtmlColour(std::string_view value) {
  if (value.size() == 7 && value[0] == '#') {
    value.remove_prefix(1);
  } else if (value.size() != 6) {
    return std::nullopt;
  }
  ColourRef parts[3] = {0, 0, 0};
  for (int k = 0; k < 3; ++k) {
    const int hi = HexDigit(value[2 * k]);
    const int lo = HexDigit(value[2 * k + 1]);
    parts[k] = (hi < 0 || lo < 0) ? 0 : static_cast<ColourRef>(hi * 16 + lo);
  }
  return parts[0] + parts[1] * 256 + parts[2] * 65536;
}

long ParseHtmlNumber(std::string_view value) {
  std::size_t i = 0;
  bool negative = false;
  if (i < value.size() && (value[i] == '+' || value[i] == '-')) negative = value[i++] == '-';
  long n = 0;
  while (i < value.size() && value[i] >= '0' && value[i] <= '9') {
    if (n < 100000) n = n * 10 + (value[i] - '0');
    ++i;
  }
  return negative ? -n : n;
}

}  // namespace quelt
