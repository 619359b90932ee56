#include "html/tag_pair.h"

#include <cstdio>

namespace quelt {

OpenTag::OpenTag(std::string_view name) : text_("<") { text_ += name; }

OpenTag& OpenTag::Number(std::string_view name, long value) {
  return Bare(name, std::to_string(value));
}

OpenTag& OpenTag::Text(std::string_view name, std::string_view value) {
  text_ += ' ';
  text_ += name;
  text_ += "=\"";
  text_ += value;
  text_ += '"';
  return *this;
}

OpenTag& OpenTag::Bare(std::string_view name, std::string_view value) {
  text_ += ' ';
  text_ += name;
  text_ += '=';
  text_ += value;
  return *this;
}

OpenTag& OpenTag::Flag(std::string_view name) {
  text_ += ' ';
  text_ += name;
  return *this;
}

std::string CloseTag(std::string_view name) {
  std::string s = "</";
  s += name;
  s += '>';
  return s;
}

std::string SimpleTag(std::string_view name) {
  std::string s = "<";
  s += name;
  s += '>';
  return s;
}

std::string FormatHtmlColor(ColourRef colour, bool withHash, bool withQuotes) {
  const unsigned red = colour & 0xFF;
  const unsigned green = (colour >> 8) & 0xFF;
  const unsigned blue = (colour >> 16) & 0xFF;
  char digits[8];
  std::snprintf(digits, sizeof digits, "%.6X", (red << 16) | (green << 8) | blue);
  std::string s;
  if (withQuotes) s += '"';
  if (withHash) s += '#';
  s += digits;
  if (withQuotes) s += '"';
  return s;
}

int HtmlFontSize(int points) {
  if (points <= kHtmlFontPoints[0]) return 1;
  if (points >= kHtmlFontPoints[6]) return 7;
  int size = 1;
  for (int p : kHtmlFontPoints) {
    if (p < points) ++size;
  }
  return size;
}

int HtmlFontPoints(int size) {
  if (size < 1 || size > 7) return kHtmlFontPoints[kDefaultHtmlFontSize - 1];
  return kHtmlFontPoints[size - 1];
}

}  // namespace quelt
