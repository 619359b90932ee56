// Word boundaries in Shift-JIS text, for Ctrl+Left/Right and for selecting
// the word under a double click. A word is a run of characters of one class:
// ASCII letters and digits, ASCII punctuation, half-width katakana,
// hiragana, katakana, kanji, full-width letters and digits, full-width
// symbols. Blanks separate words; a CR LF is a boundary on both sides.
#pragma once

#include <cstdint>

#include "base/types.h"
#include "view/layout.h"

namespace quelt {

enum class WordClass : int {
  kBlank,       // space, tab, ideographic space
  kLineEnd,     // CR LF
  kAlnum,       // ASCII letters, digits, '_' and bytes >= 0x80 that are no katakana
  kPunct,       // other printable ASCII and control bytes
  kHalfKana,    // 0xA1-0xDF
  kHiragana,
  kKatakana,    // includes the prolonged sound mark
  kKanji,
  kWideAlnum,
  kWideSymbol,
};

// The class of the character of `size` bytes (1 or 2) that starts with c0.
WordClass ClassOfChar(std::uint8_t c0, std::uint8_t c1, std::uint32_t size);

// The next boundary after p: the end of the word at p and the blanks after
// it; a line end is passed on its own. The text length at the end.
TextOffset NextWordBoundary(Layout& layout, TextOffset p);
// The previous boundary before p: blanks before p are passed, then the word.
TextOffset PreviousWordBoundary(Layout& layout, TextOffset p);

// The word that contains p (empty at the end of the text and on a line end).
struct WordSpan {
  TextOffset start = 0, end = 0;
};
WordSpan WordAt(Layout& layout, TextOffset p);

}  // namespace quelt
