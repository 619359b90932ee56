#include "html/visual_html_refs.h"

#include <array>
#include <cstdint>

#include "base/sjis.h"

namespace quelt {
namespace {

struct NamedReference {
  std::string_view name;
  char character;
};

constexpr std::array<NamedReference, 5> kNames = {{
    {"quot", '"'}, {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"apos", '\''},
}};

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

int DigitValue(char c, int base) {
  int v = -1;
  if (c >= '0' && c <= '9') v = c - '0';
  else if (Lower(c) >= 'a' && Lower(c) <= 'f') v = Lower(c) - 'a' + 10;
  return v < base ? v : -1;
}

// A lead byte and the byte after it are one character; anything else is one
// byte.
std::size_t CharSize(std::string_view text, std::size_t i) {
  return IsSjisLeadByte(static_cast<std::uint8_t>(text[i])) && i + 1 < text.size() ? 2 : 1;
}

HtmlReference NumericAt(std::string_view text, std::size_t pos) {
  std::size_t i = pos + 2;  // after "&#"
  int base = 10;
  if (i < text.size() && Lower(text[i]) == 'x') {
    base = 16;
    ++i;
  }
  const std::size_t digits = i;
  long value = 0;
  while (i < text.size() && DigitValue(text[i], base) >= 0) {
    if (value <= 0x7F) value = value * base + DigitValue(text[i], base);
    ++i;
  }
  if (i == digits || i >= text.size() || text[i] != ';' || value < 1 || value > 0x7F) return {};
  return {i + 1 - pos, static_cast<char>(value)};
}

}  // namespace

HtmlReference HtmlReferenceAt(std::string_view text, std::size_t pos) {
  if (pos >= text.size() || text[pos] != '&') return {};
  if (pos + 1 < text.size() && text[pos + 1] == '#') return NumericAt(text, pos);
  for (const NamedReference& r : kNames) {
    const std::size_t end = pos + 1 + r.name.size();
    if (end >= text.size() || text[end] != ';') continue;
    bool same = true;
    for (std::size_t k = 0; k < r.name.size() && same; ++k) same = Lower(text[pos + 1 + k]) == r.name[k];
    if (same) return {end + 1 - pos, r.character};
  }
  return {};
}

std::string DecodeHtmlReferences(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const HtmlReference r = HtmlReferenceAt(text, i);
    if (r.length != 0) {
      out += r.character;
      i += r.length;
      continue;
    }
    const std::size_t k = CharSize(text, i);
    out.append(text.substr(i, k));
    i += k;
  }
  return out;
}

std::string EncodeHtmlValue(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const std::size_t k = CharSize(text, i);
    const char c = text[i];
    if (k == 2) {
      out.append(text.substr(i, 2));
    } else if (IsSjisLeadByte(static_cast<std::uint8_t>(c))) {
      // A lead byte that ends the text would take the quote or tag after
      // it for its second byte; reading would take it for a space anyway.
      out += ' ';
    } else if (c == '"') {
      out += "&quot;";
    } else if (c == '<') {
      out += "&lt;";
    } else if (c == '>') {
      out += "&gt;";
    } else if (c == '&') {
      out += HtmlReferenceAt(text, i).length != 0 ? "&amp;" : "&";
    } else if (static_cast<std::uint8_t>(c) < 0x20 && c != '\t' && c != '\0') {
      out += "&#" + std::to_string(static_cast<int>(c)) + ";";
    } else {
      out += c;
    }
    i += k;
  }
  return out;
}

}  // namespace quelt
