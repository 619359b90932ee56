// Character references in the values the visual mode writes and reads back:
// the title, the background image name and the link destinations. Writing
// puts the characters that would end or break a value as references;
// reading turns the references back into characters. Both walk Shift-JIS
// characters as the tag scanner does: the second byte of a two-byte
// character is never taken for "&", ";" or a quote.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quelt {

// The reference at text[pos] that reading decodes, and the character it
// stands for: "&quot;", "&amp;", "&lt;", "&gt;" and "&apos;" (names in
// any case), and "&#NN;" or "&#xHH;" of an ASCII character (1 to 127).
// Its length is 0 when text[pos] starts no such reference.
struct HtmlReference {
  std::size_t length = 0;
  char character = 0;
};
HtmlReference HtmlReferenceAt(std::string_view text, std::size_t pos);

// The text with every reference HtmlReferenceAt knows replaced by its
// character. Other references ("&nbsp;", "&#12354;") and a lone "&" stay as
// they are written.
std::string DecodeHtmlReferences(std::string_view text);

// The text as a value is written: '"', '<' and '>' as "&quot;", "&lt;" and
// "&gt;"; a control character other than a tab (CR and LF among them) as
// "&#NN;"; an "&" as "&amp;" only where it would read as a reference, so
// that one reading does not know ("&copy;") is written as it stands.
// DecodeHtmlReferences gives the text back; only a lead byte that ends the
// text without its second byte is written as a space, as cleaning would
// read it.
std::string EncodeHtmlValue(std::string_view text);

}  // namespace quelt
