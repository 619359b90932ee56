// The pieces of HTML the visual mode reads: the cleaning of a page's bytes,
// the tags it recognises, the attributes inside them and their colour and
// number values.
//
// The raw text is taken one character at a time: a Shift-JIS lead byte and
// the byte after it are one character, and so are CR and the LF after it
// (cleaning leaves no CR without its LF). Every search below steps by
// characters, so a "<" or a quote that is the second byte of a two-byte
// character never counts.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "html/tag_pair.h"

namespace quelt {

// Cleans the bytes of a page in place: a zero byte becomes a space; a CR
// not followed by LF (also a CR that is the last byte) becomes a space; a
// lead byte followed by CR becomes a space, and so does that CR; a lead byte
// that is the last byte becomes a space.
void CleanVisualHtml(std::string& bytes);

// The size (1 or 2) of the character at text[i].
std::size_t VisualCharSize(std::string_view text, std::size_t i);

// The tags the visual mode recognises, in the order they are tried.
enum class VisualTag {
  kNone,
  kEndHtml, kEndHead, kEndTitle, kEndBody, kEndB, kEndI, kEndFont, kEndSup, kEndSub, kEndA, kEndBr,
  kHtml, kHead, kTitle, kBody, kB, kI, kFont, kSup, kSub, kA, kBr,
};

struct TagMatch {
  VisualTag tag = VisualTag::kNone;
  std::size_t end = 0;  // just after the tag
  // The attributes of a BODY, FONT or A tag: from after the tag's name
  // and its blank up to its ">" (or the end of the text); empty for the
  // other tags.
  std::size_t attrs = 0;
  std::size_t attrsEnd = 0;
};

// The tag at text[pos], ignoring case. BODY, FONT and A are their name
// and a blank (space, tab, CR LF or LF), and run on to their ">" (or the
// end of the text); a ">" inside a quoted value does not end them. The
// others are exactly their own text. kNone when the text there is no
// recognised tag.
TagMatch MatchVisualTag(std::string_view text, std::size_t pos);

// The size of the blank at text[i] (2 for CR LF); 0 when there is none.
std::size_t BlankSize(std::string_view text, std::size_t i);

// True when text[pos] starts a named anchor: "<A", a blank and "NAME",
// ignoring case.
bool IsNamedAnchor(std::string_view text, std::size_t pos);

// True when text[pos] starts with word, ignoring case.
bool StartsWithNoCase(std::string_view text, std::size_t pos, std::string_view word);

// The first place at or after from, on a character start, where word
// stands (ignoring case); npos when there is none.
std::size_t FindNoCase(std::string_view text, std::size_t from, std::string_view word);

// The value of the attribute name inside tag (the part after the tag's
// name, without the closing ">"), ignoring the case of the name; nullopt
// when the tag has no such attribute. A value in double quotes runs to the
// closing quote; one without runs up to the next blank or double quote. An
// attribute written without a value gives an empty value. Character
// references in the value are read (see DecodeHtmlReferences).
std::optional<std::string> FindHtmlAttribute(std::string_view tag, std::string_view name);

// A colour value: "#RRGGBB" or "RRGGBB". A pair that is not two
// hexadecimal digits counts as 0. nullopt for a value of another length.
std::optional<ColourRef> ParseHtmlColour(std::string_view value);

// A number as its leading decimal digits read it (an optional sign first);
// 0 when there are none.
long ParseHtmlNumber(std::string_view value);

}  // namespace quelt
