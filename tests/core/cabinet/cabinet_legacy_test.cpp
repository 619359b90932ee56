#include <gtest/gtest.h>

#include "cabinet/cabinet_file.h"
#include "cabinet_test_bytes.h"

namespace quelt {
namespace {

using test::ByteBuilder;

TEST(CabinetColourCode, ConvertsThroughTheSixteenColourTable) {
  EXPECT_EQ(ColourFromCode(0x8003), 0x80FFFF00u);  // index 3 with the use flag
  EXPECT_EQ(ColourFromCode(0), 0x000000u);         // index 0 counts as 1, no flag
  EXPECT_EQ(ColourFromCode(1), 0x000000u);
  EXPECT_EQ(ColourFromCode(2), 0xFF0000u);
  EXPECT_EQ(ColourFromCode(16), 0xC0C0C0u);
  EXPECT_EQ(ColourFromCode(17), 0x000000u);        // above 16 counts as 1
  EXPECT_EQ(ColourFromCode(0x8010), 0x80C0C0C0u);
  EXPECT_EQ(ColourFromCode(0x8000), 0x80000000u);
}

// Words 13-23 of a version-0 or older block: flagged codes in 13, 14 and 23,
// plain indexes in 15-22.
void PutColourCodes(FormatBlock& block) {
  block[13] = 0x8003;
  block[14] = 0x8001;
  for (int w = 15; w <= 22; ++w) block[w] = std::uint32_t(w - 14);  // 1..8
  block[23] = 0x8010;
}

std::string VersionZeroFile(const FormatBlock& block) {
  ByteBuilder b;
  b.U32(0).U32(8);  // no entries, version 0
  for (std::uint32_t w : block) b.U32(w);
  b.U32(0);
  b.U32(1);  // kinsoku
  return b.bytes;
}

TEST(CabinetVersionZero, ColourCodesBecomeColours) {
  FormatBlock block = DefaultFormatBlock(0);
  PutColourCodes(block);
  CabinetImage image;
  ASSERT_TRUE(ParseCabinet(VersionZeroFile(block), false, image));
  EXPECT_EQ(image.layout, CabinetLayout::kVersion0);
  const FormatBlock& got = image.settings.block;
  EXPECT_EQ(got[13], 0x80FFFF00u);
  EXPECT_EQ(got[14], 0x80000000u);
  const std::uint32_t table[] = {0x000000, 0xFF0000, 0xFFFF00, 0x00FF00,
                                 0xFF00FF, 0x0000FF, 0x00FFFF, 0xFFFFFF};
  for (int w = 15; w <= 22; ++w) EXPECT_EQ(got[w], table[w - 15]) << w;
  EXPECT_EQ(got[23], 0x80C0C0C0u);
  EXPECT_EQ(image.settings.kinsoku, 1u);
  // Every other word is taken as it is.
  for (int w = 0; w < kFormatWords; ++w) {
    if (w < 13 || w > 23) EXPECT_EQ(got[w], block[w]) << w;
  }
}

TEST(CabinetVersionZero, RefusesCodesOutsideTheTable) {
  const std::vector<std::pair<int, std::uint32_t>> bad = {
      {13, 0x0003},  // flagged word without its flag
      {14, 0x8000},  // index 0
      {23, 0x8011},  // index 17
      {15, 0},       // plain word: code 0
      {22, 17},
      {18, 0x8002},  // plain word with a flag
      {13, 0x18003},  // a valid code with bits above the 16 of a code
      {16, 0x10002},
  };
  for (auto [word, code] : bad) {
    FormatBlock block = DefaultFormatBlock(0);
    PutColourCodes(block);
    block[word] = code;
    CabinetImage image;
    EXPECT_FALSE(ParseCabinet(VersionZeroFile(block), false, image)) << word << " " << code;
  }
}

TEST(CabinetVersionOne, ColoursAreTakenAsTheyAre) {
  FormatBlock block = DefaultFormatBlock(0);
  block[13] = 0x0080FF80;  // bit 31 clear is kept clear
  block[15] = 0;
  ByteBuilder b;
  b.U32(1u << 24).U32(8);
  for (std::uint32_t w : block) b.U32(w);
  b.U32(0);
  CabinetImage image;
  ASSERT_TRUE(ParseCabinet(b.bytes, false, image));
  EXPECT_EQ(image.settings.block[13], 0x0080FF80u);
  EXPECT_EQ(image.settings.block[15], 0u);
}

struct OlderEntry {
  std::string path;
  std::int16_t placement[11];
  std::uint16_t active, flags, pos1, pos2, pos3;
};

// An older-layout file, built field by field.
struct OlderFile {
  std::vector<OlderEntry> entries;
  std::int16_t words[31] = {};
  std::uint8_t fontBytes[8] = {0, 1, 0, 128, 3, 2, 1, 49};
  std::string face = "FixedFace";
  std::vector<std::string> keywords;
  std::int16_t keywordCount = -1;  // word 24; -1: the number of keywords

  OlderFile() {
    words[0] = 80;
    words[1] = 8;
    words[2] = 1;
    words[5] = 1;
    words[12] = 2;
    words[13] = std::int16_t(0x8003);
    words[14] = std::int16_t(0x8002);
    for (int w = 15; w <= 22; ++w) words[w] = std::int16_t(w - 6);  // 9..16
    words[23] = std::int16_t(0x8005);
    words[26] = -12;  // font height: negative values survive widening
    words[30] = 700;
  }

  std::string Bytes(int settingsDelta = 0) const {
    ByteBuilder e;
    for (const OlderEntry& x : entries) {
      e.Text(x.path);
      for (std::int16_t v : x.placement) e.U16(std::uint16_t(v));
      for (std::uint16_t v : {x.active, x.flags, x.pos1, x.pos2, x.pos3}) e.U16(v);
    }
    ByteBuilder b;
    b.U16(std::uint16_t(entries.size())).U16(std::uint16_t(4 + e.Size() + settingsDelta));
    b.Raw(e.bytes);
    std::int16_t w24 = keywordCount < 0 ? std::int16_t(keywords.size()) : keywordCount;
    for (int w = 0; w < 31; ++w) b.U16(std::uint16_t(w == 24 ? w24 : words[w]));
    b.Raw(std::string(reinterpret_cast<const char*>(fontBytes), 8));
    std::string faceField = face;
    faceField.resize(32, '\0');
    b.Raw(faceField);
    b.U16(std::uint16_t(keywords.size()));
    for (const std::string& k : keywords) b.Text(k);
    return b.bytes;
  }
};

OlderFile SampleOlder() {
  OlderFile f;
  f.entries.push_back({"C:\\OLD\\A.TXT", {22, 0, 1, -1, -1, -8, -8, 10, 20, 300, 400}, 1, 0x0201, 5, 6, 7});
  f.entries.push_back({"C:\\OLD\\B.BIN", {22, 2, 3, 0, 0, 0, 0, 1, 2, 3, 4}, 0, 0x0200, 0xFFFF, 2, 0});
  f.keywords = {"begin", std::string(31, 'x'), "end"};
  return f;
}

TEST(CabinetOlderLayout, IsReadAndConverted) {
  const std::string bytes = SampleOlder().Bytes();
  CabinetImage image;
  ASSERT_TRUE(ParseCabinet(bytes, false, image));
  EXPECT_EQ(image.layout, CabinetLayout::kOlder);
  const CabinetSettings& s = image.settings;
  EXPECT_EQ(s.block[kWordLineWidth], 80u);
  EXPECT_EQ(s.block[kWordTabWidth], 8u);
  EXPECT_EQ(s.block[kWordLineCounting], 1u);
  EXPECT_EQ(s.block[kWordDocumentType], 2u);
  EXPECT_EQ(s.block[13], 0x80FFFF00u);
  EXPECT_EQ(s.block[14], 0x80FF0000u);
  EXPECT_EQ(s.block[15], 0x800000u);  // index 9
  EXPECT_EQ(s.block[22], 0xC0C0C0u);  // index 16
  EXPECT_EQ(s.block[23], 0x80FF00FFu);
  const FontRecord font = FontOf(s.block);
  EXPECT_EQ(font.height, -12);
  EXPECT_EQ(font.weight, 700);
  EXPECT_EQ(font.charSet, 128);
  EXPECT_EQ(font.pitchAndFamily, 49);
  EXPECT_EQ(std::string(font.faceName.data()), "FixedFace");
  // The 31-byte keyword is dropped and the count follows.
  EXPECT_EQ(s.keywords, (std::vector<std::string>{"begin", "end"}));
  EXPECT_EQ(s.block[kWordKeywordCount], 2u);
  // Nothing after the keywords: the rest takes its defaults.
  CabinetSettings tail = DefaultSettings(0, false);
  tail.block = s.block;
  tail.keywords = s.keywords;
  EXPECT_EQ(s, tail);

  ASSERT_EQ(image.documents.size(), 2u);
  const CabinetDocument& a = image.documents[0];
  EXPECT_EQ(a.path, "C:\\OLD\\A.TXT");
  EXPECT_EQ(a.placement, (WindowPlacementRecord{44, 0, 1, -1, -1, -8, -8, 10, 20, 300, 400}));
  EXPECT_TRUE(a.active);
  EXPECT_TRUE(a.writeProtected);
  EXPECT_EQ(a.openKind, kOpenBinary);
  EXPECT_EQ(a.htmlFlag, 0);
  EXPECT_EQ(a.position1, 5u);
  EXPECT_EQ(a.position2, 6u);
  EXPECT_EQ(a.position3, 7u);
  const CabinetDocument& b = image.documents[1];
  EXPECT_FALSE(b.active);
  EXPECT_FALSE(b.writeProtected);
  EXPECT_EQ(b.position1, 0xFFFFu);  // positions are unsigned
}

TEST(CabinetOlderLayout, IsNeverWritten) {
  CabinetImage image;
  ASSERT_TRUE(ParseCabinet(SampleOlder().Bytes(), false, image));
  std::string bytes;
  ASSERT_TRUE(WriteCabinetBytes(image.settings, image.documents, bytes));
  CabinetImage again;
  ASSERT_TRUE(ParseCurrentCabinet(bytes, false, again));
  EXPECT_EQ(again.layout, CabinetLayout::kCurrent);
  EXPECT_EQ(again.settings, image.settings);
  EXPECT_EQ(again.documents, image.documents);
}

TEST(CabinetOlderLayout, ValidationRules) {
  auto parses = [](const OlderFile& f, int delta = 0) {
    CabinetImage image;
    return ParseOlderCabinet(f.Bytes(delta), false, image);
  };
  EXPECT_TRUE(parses(SampleOlder()));
  OlderFile empty;
  EXPECT_EQ(empty.Bytes().size(), 108u);
  EXPECT_TRUE(parses(empty));
  {
    CabinetImage image;
    EXPECT_FALSE(ParseOlderCabinet(empty.Bytes().substr(0, 107), false, image));
  }
  auto with = [](int word, std::int16_t value) {
    OlderFile f = SampleOlder();
    f.words[word] = value;
    return f;
  };
  EXPECT_FALSE(parses(with(0, 9)));
  EXPECT_FALSE(parses(with(0, 251)));
  EXPECT_TRUE(parses(with(0, 250)));
  EXPECT_FALSE(parses(with(2, 2)));
  EXPECT_FALSE(parses(with(2, -1)));
  EXPECT_FALSE(parses(with(12, 3)));
  EXPECT_FALSE(parses(with(12, -1)));  // 0xFFFF is no document type
  EXPECT_FALSE(parses(with(13, 3)));   // flag missing
  EXPECT_FALSE(parses(with(23, std::int16_t(0x8000))));
  EXPECT_FALSE(parses(with(16, 0)));
  EXPECT_FALSE(parses(with(16, 17)));
  // Keyword count must equal word 24 and stay within 200.
  OlderFile mismatch = SampleOlder();
  mismatch.keywordCount = 2;
  EXPECT_FALSE(parses(mismatch));
  OlderFile many;
  many.keywords.assign(201, "k");
  EXPECT_FALSE(parses(many));
  many.keywords.resize(200);
  EXPECT_TRUE(parses(many));
  // Entries must end exactly at the settings offset.
  EXPECT_FALSE(parses(SampleOlder(), 1));
  EXPECT_FALSE(parses(SampleOlder(), -1));
  OlderFile crowded;
  for (int i = 0; i < 31; ++i) crowded.entries.push_back({"C:\\F", {}, 0, 0, 0, 0, 0});
  EXPECT_FALSE(parses(crowded));
  crowded.entries.pop_back();
  EXPECT_TRUE(parses(crowded));
}

TEST(CabinetOlderLayout, OutOfRangeTabWidthTakesItsDefault) {
  OlderFile f = SampleOlder();
  f.words[kWordTabWidth] = 0;
  f.words[kWordLineSpacing] = -5;
  CabinetImage image;
  ASSERT_TRUE(ParseCabinet(f.Bytes(), false, image));
  EXPECT_EQ(image.settings.block[kWordTabWidth], 4u);
  EXPECT_EQ(image.settings.block[kWordLineSpacing], 0u);
}

TEST(CabinetOlderLayout, TruncatedAtEveryLength) {
  const std::string bytes = SampleOlder().Bytes();
  for (std::size_t n = 0; n < bytes.size(); ++n) {
    CabinetImage image;
    EXPECT_FALSE(ParseCabinet(std::string_view(bytes).substr(0, n), false, image)) << n;
  }
  // Bytes after the keywords are not part of this layout and are ignored.
  CabinetImage image;
  EXPECT_TRUE(ParseCabinet(bytes + "junk", false, image));
}

}  // namespace
}  // namespace quelt
