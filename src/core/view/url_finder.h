// URLs and e-mail addresses in Shift-JIS text: the extent rules the
// colouring uses, and the lookups at a text position that a double click
// uses to launch a browser or a mail program.
//
// A URL starts at one of the prefixes "http:", "ftp:", "gopher:", "mailto:",
// "news:", "telnet:" or "file:" (any case) and runs up to the first control
// character or space (0x00-0x20), '"', ')', '<', '>', ']' or '}', or a
// full-width space (0x81 0x40), taking other double-byte characters whole;
// it is at most kMaxUrlBytes long.
//
// An e-mail address is a run of ASCII letters, digits and '-', '.', '@' and
// '_' that holds an '@' with at least one such byte on each side.
#pragma once

#include <cstddef>
#include <cstdint>

#include "base/sjis.h"
#include "base/types.h"

namespace quelt {

class TextStore;

// The longest URL (and the reach of the lookup either side of the caret).
constexpr std::uint32_t kMaxUrlBytes = 180;
// The reach of the address lookup either side of the position.
constexpr std::uint32_t kMaxMailScanBytes = 256;

constexpr bool IsMailAddressByte(std::uint8_t c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '.' || c == '@' || c == '_';
}

// Length of the URL prefix at text[start] (case-insensitive); 0 when none
// starts there. text holds n bytes.
std::size_t UrlPrefixAt(const std::uint8_t* text, std::size_t n, std::size_t start);
// Bytes of the URL that starts at text[start], a character start; never
// more than kMaxUrlBytes and never splitting a double-byte character.
std::uint32_t UrlExtent(const std::uint8_t* text, std::size_t n, std::size_t start, LeadByteTest lead);

// The address around the '@' at text[at]. charSize gives per byte 1 or 2 on
// a character's first byte and 0 on its second, so trail bytes that look
// like ASCII never join an address. False when either side is empty.
// beforeOpen / afterOpen: the run may go on past the start / the end of the
// buffer (the bytes there are unknown but permitted), which counts as a
// non-empty side.
bool MailAddressAround(const std::uint8_t* text, const std::uint8_t* charSize, std::size_t n,
                       std::size_t at, std::size_t& first, std::size_t& end, bool beforeOpen = false,
                       bool afterOpen = false);

struct TextSpan {
  TextOffset offset = 0;
  std::uint32_t length = 0;
};

// The URL covering position p: the prefixes are tried in order, each
// occurrence from kMaxUrlBytes before p up to p, and the first candidate
// with start <= p < start + length is the one. The caller checks that the
// caret is not beyond the end of its line.
bool FindUrlAt(const TextStore& store, TextOffset p, TextSpan& url);
// The e-mail address covering position p.
bool FindMailAddressAt(const TextStore& store, TextOffset p, TextSpan& address);

}  // namespace quelt
