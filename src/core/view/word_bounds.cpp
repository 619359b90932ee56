#include "view/word_bounds.h"

#include <algorithm>

namespace quelt {

namespace {

WordClass ClassAt(Layout& layout, TextOffset p) {
  const std::uint32_t size = layout.CharSize(p);
  return ClassOfChar(layout.ByteAt(p), size == 2 ? layout.ByteAt(p + 1) : 0, size);
}

bool IsAsciiAlnum(std::uint8_t c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

}  // namespace

WordClass ClassOfChar(std::uint8_t c0, std::uint8_t c1, std::uint32_t size) {
  if (size == 2) {
    if (c0 == kCr) return WordClass::kLineEnd;
    const int code = c0 << 8 | c1;
    if (code == 0x8140) return WordClass::kBlank;  // ideographic space
    if (code == 0x815B) return WordClass::kKatakana;  // prolonged sound mark
    if (code >= 0x824F && code <= 0x829A) return WordClass::kWideAlnum;
    if (code >= 0x829F && code <= 0x82F1) return WordClass::kHiragana;
    if (code >= 0x8340 && code <= 0x8396) return WordClass::kKatakana;
    if (c0 >= 0x88) return WordClass::kKanji;
    return WordClass::kWideSymbol;
  }
  if (c0 == ' ' || c0 == '\t') return WordClass::kBlank;
  if (IsAsciiAlnum(c0)) return WordClass::kAlnum;
  if (c0 >= 0xA6 && c0 <= 0xDF) return WordClass::kHalfKana;
  if (c0 >= 0x80 && !(c0 >= 0xA1 && c0 <= 0xA5)) return WordClass::kAlnum;
  return WordClass::kPunct;
}

TextOffset NextWordBoundary(Layout& layout, TextOffset p) {
  const std::uint32_t n = layout.TextLength();
  if (p >= n) return n;
  const WordClass cls = ClassAt(layout, p);
  if (cls == WordClass::kLineEnd) return p + layout.CharSize(p);
  if (cls != WordClass::kBlank) {
    while (p < n && ClassAt(layout, p) == cls) p += layout.CharSize(p);
  }
  while (p < n && ClassAt(layout, p) == WordClass::kBlank) p += layout.CharSize(p);
  return p;
}

TextOffset PreviousWordBoundary(Layout& layout, TextOffset p) {
  p = std::min(p, layout.TextLength());
  TextOffset cur = p;
  while (cur > 0) {
    const TextOffset q = layout.CharStartBefore(cur);
    if (ClassAt(layout, q) != WordClass::kBlank) break;
    cur = q;
  }
  if (cur == 0) return 0;
  const TextOffset q = layout.CharStartBefore(cur);
  const WordClass cls = ClassAt(layout, q);
  if (cls == WordClass::kLineEnd) return cur == p ? q : cur;
  cur = q;
  while (cur > 0) {
    const TextOffset before = layout.CharStartBefore(cur);
    if (ClassAt(layout, before) != cls) break;
    cur = before;
  }
  return cur;
}

WordSpan WordAt(Layout& layout, TextOffset p) {
  const std::uint32_t n = layout.TextLength();
  if (p >= n) return {n, n};
  const WordClass cls = ClassAt(layout, p);
  if (cls == WordClass::kLineEnd) return {p, p};
  WordSpan w{p, p};
  while (w.start > 0) {
    const TextOffset before = layout.CharStartBefore(w.start);
    if (ClassAt(layout, before) != cls) break;
    w.start = before;
  }
  while (w.end < n && ClassAt(layout, w.end) == cls) w.end += layout.CharSize(w.end);
  return w;
}

}  // namespace quelt
