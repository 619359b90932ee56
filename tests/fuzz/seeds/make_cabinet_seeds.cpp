// Writes the seed cabinets of fuzz_cabinet with the engine's own writer:
//   make_cabinet_seeds <folder>
// A cabinet with documents and every optional field, a new cabinet's short
// file, and an older 16-bit layout file built by hand.
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "cabinet/cabinet_file.h"

namespace {

using namespace quelt;

// Writes a seed that the reader accepts; false when it does not.
bool Save(const std::string& folder, const char* name, const std::string& bytes, CabinetLayout layout) {
  CabinetImage image;
  if (!ParseCabinet(bytes, false, image) || image.layout != layout) {
    std::fprintf(stderr, "make_cabinet_seeds: %s does not read back\n", name);
    return false;
  }
  std::ofstream out(folder + "/" + name, std::ios::binary);
  out << bytes;
  return bool(out);
}

std::string Full() {
  CabinetSettings s = DefaultSettings(1, false);
  s.keywords = {"if", "while", "\x95\x5C\x8E\xA6"};
  s.block[kWordKeywordCount] = 3;
  s.kinsoku = 1;
  s.files = {"C:\\work\\a.txt", "D:\\\x95\x5C\\b.c"};
  std::vector<CabinetDocument> docs(2);
  docs[0].path = "C:\\work\\a.txt";
  docs[0].placement = {44, 0, 1, -1, -1, -1, -1, 10, 20, 600, 400};
  docs[0].active = true;
  docs[0].position1 = 3;
  docs[1].path = "C:\\work\\b.bin";
  docs[1].openKind = kOpenBinary;
  docs[1].writeProtected = true;
  std::string bytes;
  WriteCabinetBytes(s, docs, bytes);
  return bytes;
}

// The older layout: u16 count and offset, entries of path + 33 bytes, the
// 102-byte block, u16 keyword count and the keywords.
std::string Older() {
  std::string b;
  auto u16 = [&](unsigned v) {
    b.push_back(char(v & 0xFF));
    b.push_back(char(v >> 8));
  };
  const std::string path = "C:\\OLD.TXT";
  u16(1);
  u16(unsigned(4 + path.size() + 33));
  b += path;
  b.push_back('\0');
  for (int i = 0; i < 16; ++i) u16(i == 2 ? 1 : 0);
  const FormatBlock block = DefaultFormatBlock(0);
  for (int w = 0; w < 31; ++w) {
    unsigned v = block[w] & 0xFFFF;
    const bool flagged = w == kWordMarkLineBack || w == kWordMarkStringBack || w == kWordTagBack;
    if (w >= kWordMarkLineBack && w <= kWordTagBack) v = flagged ? 0x8001 : 1;  // colour codes
    if (w == kWordKeywordCount) v = 1;
    u16(v);
  }
  b.append(40, '\0');  // font bytes and face name
  u16(1);
  b += "begin";
  b.push_back('\0');
  return b;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_cabinet_seeds <folder>\n");
    return 2;
  }
  const std::string folder = argv[1];
  const bool ok = Save(folder, "full.cab", Full(), CabinetLayout::kCurrent) &&
                  Save(folder, "new.cab", WriteNewCabinetBytes(DefaultSettings(0, true)), CabinetLayout::kCurrent) &&
                  Save(folder, "older.cab", Older(), CabinetLayout::kOlder);
  return ok ? 0 : 1;
}
