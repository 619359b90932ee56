// The texts the tag commands insert: a pair of opening and closing texts,
// the rule every tag is written by, and the colour and font-size
// conversions the tag dialogs share.
//
// Tags are written with upper-case names exactly as given, attributes in
// the order they are added, numbers bare, texts between double quotes and
// flags as their name alone. What the user typed (titles, addresses,
// names) goes in as it stands: nothing is escaped.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quelt {

// A colour reference 0x00BBGGRR.
using ColourRef = std::uint32_t;

// The opening and the closing text of a tag command, in the internal text
// form (Shift-JIS, CR LF). Either may be empty.
struct TagPair {
  std::string opening;
  std::string closing;
  bool Empty() const { return opening.empty() && closing.empty(); }
  bool operator==(const TagPair&) const = default;
};

inline constexpr std::string_view kCrLf = "\r\n";

// One opening tag, built attribute by attribute:
//   OpenTag("IMG").Text("SRC", file).Number("BORDER", 1).Str()
// gives <IMG SRC="file" BORDER=1>.
class OpenTag {
 public:
  explicit OpenTag(std::string_view name);
  // NAME=123
  OpenTag& Number(std::string_view name, long value);
  // NAME="value", the value as it stands.
  OpenTag& Text(std::string_view name, std::string_view value);
  // NAME=value with the value written bare, as given (e.g. 50%).
  OpenTag& Bare(std::string_view name, std::string_view value);
  // NAME alone.
  OpenTag& Flag(std::string_view name);
  // The tag with its closing ">".
  std::string Str() const { return text_ + ">"; }

 private:
  std::string text_;
};

// "</NAME>"
std::string CloseTag(std::string_view name);
// "<NAME>"
std::string SimpleTag(std::string_view name);

// The six hexadecimal digits of red, green and blue (in this order, upper
// case), with "#" in front and double quotes around when asked. Only the
// colour's low 24 bits count, so a black stored as 0x1000000 prints as
// 000000.
std::string FormatHtmlColor(ColourRef colour, bool withHash, bool withQuotes);

// The HTML font sizes 1..7 stand for these point sizes.
inline constexpr int kHtmlFontPoints[7] = {6, 8, 11, 12, 15, 18, 28};
// The size that needs no FONT tag (11 points).
inline constexpr int kDefaultHtmlFontSize = 3;
// The HTML font size (1..7) of a point size.
int HtmlFontSize(int points);
// The point size of an HTML font size; size 3 (11 points) for any size
// outside 1..7.
int HtmlFontPoints(int size);

}  // namespace quelt
