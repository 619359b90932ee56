// Builds cabinet files byte by byte for the tests, and a cabinet with a
// value other than the default in every field.
#pragma once

#include <cstdint>
#include <string>

#include "cabinet/cabinet_file.h"

namespace quelt::test {

struct ByteBuilder {
  std::string bytes;
  ByteBuilder& U32(std::uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes.push_back(char(v >> (8 * i)));
    return *this;
  }
  ByteBuilder& U16(std::uint16_t v) {
    bytes.push_back(char(v));
    bytes.push_back(char(v >> 8));
    return *this;
  }
  ByteBuilder& Text(const std::string& t) {
    bytes += t;
    bytes.push_back('\0');
    return *this;
  }
  ByteBuilder& Raw(const std::string& t) {
    bytes += t;
    return *this;
  }
  std::size_t Size() const { return bytes.size(); }
};

// Every field away from its default.
inline CabinetSettings SampleSettings() {
  CabinetSettings s = DefaultSettings(2, false);
  for (int w = 0; w < kFormatWords; ++w) s.block[w] = 0x01010101u * std::uint32_t(w + 1);
  s.block[kWordLineWidth] = 132;
  s.block[kWordTabWidth] = 8;
  s.block[kWordLineCounting] = 1;
  s.block[kWordLineSpacing] = 15;
  s.block[kWordCharSpacing] = 100;
  for (int w = kWordShowLineEnds; w <= kWordSaveStringMarks; ++w) s.block[w] = std::uint32_t(w % 2);
  s.block[kWordDocumentType] = 1;
  s.block[kWordMarkLineBack] = 0x80123456;
  s.block[kWordWordWrap] = 1;
  s.kinsoku = 1;
  s.keywords = {"if", "while", "\x95\x5C\x8E\xA6", std::string(30, 'k')};  // 表示
  s.block[kWordKeywordCount] = 4;
  s.keywordWholeWord = 0;
  s.keywordCaseSensitive = 0;
  s.cursorLineColour = 0x112233;
  s.htmlTagColour = 0x445566;
  s.urlColour = 0x778899;
  s.filters[0] = {{"A(*.a)", "*.a"}, {"", "*.*"}};
  s.filters[1] = {};
  s.filters[2] = {{"\xBF\xB0\xBD", "*.c;*.cpp"}};
  s.files = {"C:\\work\\a.txt", "D:\\\x95\x5C\\b.c"};
  return s;
}

inline CabinetDocument SampleDocument(int i) {
  CabinetDocument d;
  d.path = "C:\\doc" + std::to_string(i) + ".txt";
  d.placement = {44, 2, 3, -1, -2, 10, 20, 30 + i, 40, 500, 600};
  d.active = i == 1;
  d.writeProtected = i % 2 == 0;
  d.openKind = i % 3 == 0 ? kOpenBinary : kOpenText;
  d.htmlFlag = i == 2 ? 1 : 0;
  d.position1 = 100u + i;
  d.position2 = 200u + i;
  d.position3 = 300u + i;
  return d;
}

}  // namespace quelt::test
