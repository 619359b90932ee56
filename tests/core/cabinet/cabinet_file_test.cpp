#include <gtest/gtest.h>

#include <random>

#include "cabinet/cabinet_file.h"
#include "cabinet/cabinet_signature.h"
#include "cabinet_test_bytes.h"

namespace quelt {
namespace {

using test::ByteBuilder;
using test::SampleDocument;
using test::SampleSettings;

std::string SampleFile(int documents = 3) {
  std::vector<CabinetDocument> docs;
  for (int i = 0; i < documents; ++i) docs.push_back(SampleDocument(i));
  std::string bytes;
  EXPECT_TRUE(WriteCabinetBytes(SampleSettings(), docs, bytes));
  return bytes;
}

// A version-1 file without documents and tail: block, keyword count, keywords.
ByteBuilder MinimalFile(const FormatBlock& block, const std::vector<std::string>& keywords,
                        std::uint32_t keywordCount) {
  ByteBuilder b;
  b.U32(1u << 24).U32(8);
  for (std::uint32_t w : block) b.U32(w);
  b.U32(keywordCount);
  for (const std::string& k : keywords) b.Text(k);
  return b;
}

ByteBuilder MinimalFile() { return MinimalFile(DefaultFormatBlock(0), {}, 0); }

bool Parses(const std::string& bytes) {
  CabinetImage image;
  return ParseCabinet(bytes, false, image);
}

// The properties every accepted file must leave in the model, whatever its bytes.
void ExpectSound(const CabinetImage& image) {
  const CabinetSettings& s = image.settings;
  ASSERT_EQ(s.keywords.size(), s.block[kWordKeywordCount]);
  EXPECT_LE(s.keywords.size(), 200u);
  for (const std::string& k : s.keywords) EXPECT_TRUE(IsValidKeyword(k));
  for (const FilterList& list : s.filters) {
    EXPECT_LE(list.size(), 10u);
    for (const FilterPair& p : list) {
      EXPECT_TRUE(IsValidFilterTitle(p.title));
      EXPECT_TRUE(IsValidFilterPattern(p.pattern));
    }
  }
  EXPECT_LE(s.files.size(), 200u);
  EXPECT_LE(image.documents.size(), 30u);
  for (const CabinetDocument& d : image.documents) {
    EXPECT_TRUE(d.openKind == kOpenText || d.openKind == kOpenBinary);
  }
  EXPECT_GE(s.block[kWordLineWidth], 10u);
  EXPECT_LE(s.block[kWordLineWidth], 250u);
  EXPECT_GE(s.block[kWordTabWidth], 2u);
  EXPECT_LE(s.block[kWordTabWidth], 20u);
  EXPECT_LE(s.block[kWordDocumentType], 2u);
}

TEST(CabinetFile, RoundTripsEveryField) {
  const std::string bytes = SampleFile();
  CabinetImage image;
  ASSERT_TRUE(ParseCabinet(bytes, true, image));
  EXPECT_EQ(image.layout, CabinetLayout::kCurrent);
  EXPECT_EQ(image.settings, SampleSettings());
  ASSERT_EQ(image.documents.size(), 3u);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(image.documents[i], SampleDocument(i));
  // Writing what was read gives the same bytes.
  std::string again;
  ASSERT_TRUE(WriteCabinetBytes(image.settings, image.documents, again));
  EXPECT_EQ(again, bytes);
}

TEST(CabinetFile, WritesVersionOneHeaderAndSettingsOffset) {
  const std::string bytes = SampleFile(0);
  ByteBuilder expect;
  expect.U32(1u << 24).U32(8);
  EXPECT_EQ(bytes.substr(0, 8), expect.bytes);
  const std::string one = SampleFile(1);
  const CabinetDocument d = SampleDocument(0);
  ByteBuilder head;
  head.U32(1u | 1u << 24).U32(std::uint32_t(8 + d.path.size() + 65));
  EXPECT_EQ(one.substr(0, 8), head.bytes);
}

TEST(CabinetFile, EntryFlagsWordPacksProtectionKindAndHtml) {
  CabinetDocument d = SampleDocument(0);
  d.writeProtected = true;
  d.openKind = kOpenBinary;
  d.htmlFlag = 1;
  std::string bytes;
  ASSERT_TRUE(WriteCabinetBytes(DefaultSettings(0, false), {d}, bytes));
  const std::size_t flagsAt = 8 + d.path.size() + 1 + 44 + 4;
  ByteBuilder flags;
  flags.U32(0x010201);
  EXPECT_EQ(bytes.substr(flagsAt, 4), flags.bytes);
}

TEST(CabinetFile, UnknownOpenKindReadsAsText) {
  CabinetDocument d = SampleDocument(0);
  d.openKind = 7;
  std::string bytes;
  ASSERT_TRUE(WriteCabinetBytes(DefaultSettings(0, false), {d}, bytes));
  CabinetImage image;
  ASSERT_TRUE(ParseCabinet(bytes, false, image));
  EXPECT_EQ(image.documents[0].openKind, kOpenText);
}

TEST(CabinetFile, StoresTheFirstThirtyTitledDocuments) {
  std::vector<CabinetDocument> docs;
  CabinetDocument untitled = SampleDocument(99);
  untitled.path.clear();
  docs.push_back(untitled);
  for (int i = 0; i < 31; ++i) docs.push_back(SampleDocument(i));
  std::string bytes;
  ASSERT_TRUE(WriteCabinetBytes(DefaultSettings(0, false), docs, bytes));
  CabinetImage image;
  ASSERT_TRUE(ParseCabinet(bytes, false, image));
  ASSERT_EQ(image.documents.size(), 30u);
  EXPECT_EQ(image.documents.front(), SampleDocument(0));
  EXPECT_EQ(image.documents.back(), SampleDocument(29));
}

TEST(CabinetFile, WriterKeepsTheFileUnderTheReadBuffer) {
  CabinetSettings s = DefaultSettings(0, false);
  for (int i = 0; i < 200; ++i) {
    s.files.push_back("C:\\" + std::string(250, 'f') + std::to_string(1000 + i));
    s.keywords.push_back(std::string(30, char('a' + i % 26)));
  }
  s.block[kWordKeywordCount] = 200;
  std::vector<CabinetDocument> docs;
  for (int i = 0; i < 30; ++i) {
    docs.push_back(SampleDocument(i));
    docs.back().path = "C:\\" + std::string(250, 'd') + std::to_string(i);
  }
  std::string bytes;
  ASSERT_TRUE(WriteCabinetBytes(s, docs, bytes));
  EXPECT_LT(bytes.size(), kCabinetBufferSize);
  CabinetImage image;
  ASSERT_TRUE(ParseCabinet(bytes, false, image));
  EXPECT_EQ(image.settings.files, s.files);
  EXPECT_EQ(image.settings.keywords, s.keywords);
  EXPECT_LT(image.documents.size(), 30u);
  for (std::size_t i = 0; i < image.documents.size(); ++i) EXPECT_EQ(image.documents[i], docs[i]);
}

TEST(CabinetFile, WriterLeavesOutWhatTheReaderWouldRefuse) {
  CabinetSettings s = DefaultSettings(0, false);
  s.keywords = {"ok", std::string(31, 'x'), ""};
  s.block[kWordKeywordCount] = 3;
  s.filters[0] = {{"bad|title", "*.x"}, {"t", ""}, {"good", "*.g"}};
  s.files = {"", std::string(261, 'p'), "C:\\a"};
  std::string bytes;
  ASSERT_TRUE(WriteCabinetBytes(s, {}, bytes));
  CabinetImage image;
  ASSERT_TRUE(ParseCabinet(bytes, false, image));
  EXPECT_EQ(image.settings.keywords, std::vector<std::string>{"ok"});
  EXPECT_EQ(image.settings.block[kWordKeywordCount], 1u);
  EXPECT_EQ(image.settings.filters[0], (FilterList{{"good", "*.g"}}));
  EXPECT_EQ(image.settings.files, std::vector<std::string>{"C:\\a"});
}

TEST(CabinetFile, ShortFileOfANewTypeOneCabinetReadsBackWithDefaults) {
  const CabinetSettings fresh = DefaultSettings(1, false);
  const std::string bytes = WriteNewCabinetBytes(fresh);
  std::size_t filterBytes = 0;
  for (const FilterList& list : fresh.filters) {
    filterBytes += 4;
    for (const FilterPair& p : list) filterBytes += p.title.size() + p.pattern.size() + 2;
  }
  EXPECT_EQ(bytes.size(), 8 + 164 + 4 + 4 + filterBytes);
  CabinetImage image;
  ASSERT_TRUE(ParseCabinet(bytes, false, image));
  EXPECT_EQ(image.settings, fresh);
  EXPECT_EQ(image.settings.block, DefaultFormatBlock(1));
  EXPECT_EQ(image.settings.keywordWholeWord, 1u);
  EXPECT_EQ(image.settings.keywordCaseSensitive, 1u);
  EXPECT_EQ(image.settings.cursorLineColour, 0x400080u);
  EXPECT_EQ(image.settings.htmlTagColour, 0x400080u);
  EXPECT_EQ(image.settings.urlColour, 0xFF0000u);
  EXPECT_TRUE(image.settings.files.empty());
  EXPECT_TRUE(image.documents.empty());
}

TEST(CabinetFile, MissingTailTakesDefaultsInTheInterfaceLanguage) {
  const std::string bytes = MinimalFile().bytes;
  ASSERT_EQ(bytes.size(), 176u);
  CabinetImage image;
  ASSERT_TRUE(ParseCabinet(bytes, true, image));
  EXPECT_EQ(image.settings, DefaultSettings(0, true));
  ASSERT_TRUE(ParseCabinet(bytes, false, image));
  EXPECT_EQ(image.settings, DefaultSettings(0, false));
}

TEST(CabinetFile, ValidationRules) {
  EXPECT_TRUE(Parses(MinimalFile().bytes));
  // Length: more than 175 bytes.
  EXPECT_FALSE(Parses(MinimalFile().bytes.substr(0, 175)));
  // Version byte at most 1; version 2 is refused.
  {
    std::string b = MinimalFile().bytes;
    b[3] = 2;
    EXPECT_FALSE(Parses(b));
  }
  // Word 0 in 10-250, word 2 in 0-1, word 12 at most 2.
  for (auto [word, value, ok] : std::vector<std::tuple<int, std::uint32_t, bool>>{
           {0, 9, false}, {0, 10, true}, {0, 250, true}, {0, 251, false}, {2, 1, true}, {2, 2, false},
           {12, 2, true}, {12, 3, false}, {0, 0x8000000Au, false}}) {
    FormatBlock block = DefaultFormatBlock(0);
    block[word] = value;
    EXPECT_EQ(Parses(MinimalFile(block, {}, 0).bytes), ok) << word << " " << value;
  }
  // Keyword count 0-200, equal to word 24, and the keywords must fit.
  {
    FormatBlock block = DefaultFormatBlock(0);
    block[kWordKeywordCount] = 2;
    EXPECT_TRUE(Parses(MinimalFile(block, {"a", "b"}, 2).bytes));
    EXPECT_FALSE(Parses(MinimalFile(block, {"a", "b"}, 1).bytes));
    std::string cut = MinimalFile(block, {"a", "b"}, 2).bytes;
    cut.pop_back();  // the last keyword loses its zero byte
    EXPECT_FALSE(Parses(cut));
    std::vector<std::string> many(201, "k");
    block[kWordKeywordCount] = 201;
    EXPECT_FALSE(Parses(MinimalFile(block, many, 201).bytes));
  }
}

TEST(CabinetFile, EntriesMustEndExactlyAtTheSettings) {
  const std::string good = SampleFile(2);
  ASSERT_TRUE(Parses(good));
  ByteBuilder head;
  // One entry too many or too few for the bytes before the settings.
  for (std::uint32_t n : {1u, 3u}) {
    std::string b = good;
    b[0] = char(n);
    EXPECT_FALSE(Parses(b)) << n;
  }
  // The settings offset one byte off either way.
  for (int delta : {-1, 1}) {
    std::string b = good;
    b[4] = char(std::uint8_t(b[4]) + delta);
    EXPECT_FALSE(Parses(b)) << delta;
  }
  // Offsets that point before the entries or far beyond the file.
  for (std::uint32_t at : {0u, 4u, 7u, 61440u, 0xFFFFFFFFu}) {
    std::string b = MinimalFile().bytes;
    ByteBuilder o;
    o.U32(at);
    b.replace(4, 4, o.bytes);
    EXPECT_FALSE(Parses(b)) << at;
  }
}

TEST(CabinetFile, AtMostThirtyEntries) {
  std::vector<CabinetDocument> docs;
  for (int i = 0; i < 30; ++i) docs.push_back(SampleDocument(i));
  std::string bytes;
  ASSERT_TRUE(WriteCabinetBytes(DefaultSettings(0, false), docs, bytes));
  ASSERT_TRUE(Parses(bytes));
  // The same bytes with a 31st entry spliced in before the settings.
  ByteBuilder extra;
  const CabinetDocument d = SampleDocument(30);
  extra.Text(d.path);
  for (int i = 0; i < 16; ++i) extra.U32(0);
  std::uint32_t settingsAt = 0;
  for (int i = 0; i < 4; ++i) settingsAt |= std::uint32_t(std::uint8_t(bytes[4 + i])) << (8 * i);
  std::string b = bytes;
  b.insert(settingsAt, extra.bytes);
  ByteBuilder head;
  head.U32(31u | 1u << 24).U32(std::uint32_t(settingsAt + extra.Size()));
  b.replace(0, 8, head.bytes);
  EXPECT_FALSE(Parses(b));
}

TEST(CabinetFile, KeywordsOfThirtyOneBytesOrEmptyAreDropped) {
  FormatBlock block = DefaultFormatBlock(0);
  block[kWordKeywordCount] = 4;
  const std::vector<std::string> words = {std::string(30, 'a'), std::string(31, 'b'), "", "c"};
  CabinetImage image;
  ASSERT_TRUE(ParseCabinet(MinimalFile(block, words, 4).bytes, false, image));
  EXPECT_EQ(image.settings.keywords, (std::vector<std::string>{std::string(30, 'a'), "c"}));
  EXPECT_EQ(image.settings.block[kWordKeywordCount], 2u);
}

TEST(CabinetFile, OutOfRangeWordsTakeTheirDefaults) {
  FormatBlock block = DefaultFormatBlock(1);
  block[kWordTabWidth] = 0;
  block[kWordLineSpacing] = 101;
  block[kWordShowTabs] = 5;
  block[kWordWordWrap] = 2;
  CabinetImage image;
  ASSERT_TRUE(ParseCabinet(MinimalFile(block, {}, 0).bytes, false, image));
  EXPECT_EQ(image.settings.block, DefaultFormatBlock(1));
}

// Tail: kinsoku, then filter lists with the given counts and pairs.
ByteBuilder FileWithFilters(const std::vector<std::pair<std::uint32_t, int>>& lists) {
  ByteBuilder b = MinimalFile();
  b.U32(1);  // kinsoku
  int serial = 0;
  for (auto [count, pairs] : lists) {
    b.U32(count);
    for (int i = 0; i < pairs; ++i, ++serial) {
      b.Text("T" + std::to_string(serial)).Text("*." + std::to_string(serial));
    }
  }
  return b;
}

TEST(CabinetFile, FilterListAboveTenKeepsTenAndSkipsTheRest) {
  ByteBuilder b = FileWithFilters({{12, 12}, {1, 1}, {0, 0}});
  b.U32(0).U32(0).U32(0x123).U32(0x456).U32(1).Text("C:\\x").U32(0x789);
  CabinetImage image;
  ASSERT_TRUE(ParseCabinet(b.bytes, false, image));
  const CabinetSettings& s = image.settings;
  ASSERT_EQ(s.filters[0].size(), 10u);
  EXPECT_EQ(s.filters[0][9], (FilterPair{"T9", "*.9"}));
  EXPECT_EQ(s.filters[1], (FilterList{{"T12", "*.12"}}));
  EXPECT_TRUE(s.filters[2].empty());
  EXPECT_EQ(s.keywordWholeWord, 0u);
  EXPECT_EQ(s.keywordCaseSensitive, 0u);
  EXPECT_EQ(s.cursorLineColour, 0x123u);
  EXPECT_EQ(s.htmlTagColour, 0x456u);
  EXPECT_EQ(s.files, std::vector<std::string>{"C:\\x"});
  EXPECT_EQ(s.urlColour, 0x789u);
}

TEST(CabinetFile, FilterListCutShortStaysAtItsDefault) {
  // A count of a billion pairs runs off the end of the file.
  ByteBuilder b = FileWithFilters({{1, 1}, {1000000000u, 3}});
  CabinetImage image;
  ASSERT_TRUE(ParseCabinet(b.bytes, false, image));
  EXPECT_EQ(image.settings.kinsoku, 1u);
  EXPECT_EQ(image.settings.filters[0], (FilterList{{"T0", "*.0"}}));
  EXPECT_EQ(image.settings.filters[1], DefaultFilters(1, false));
  EXPECT_EQ(image.settings.filters[2], DefaultFilters(2, false));
}

TEST(CabinetFile, FileListLimits) {
  auto build = [](std::uint32_t count, const std::vector<std::string>& paths) {
    ByteBuilder b = FileWithFilters({{0, 0}, {0, 0}, {0, 0}});
    b.U32(0).U32(0).U32(1).U32(2).U32(count);
    for (const std::string& p : paths) b.Text(p);
    b.U32(0xABCDEF);
    return b.bytes;
  };
  CabinetImage image;
  const std::string p260 = "C:\\" + std::string(257, 'a');
  ASSERT_TRUE(ParseCabinet(build(2, {p260, "C:\\b"}), false, image));
  EXPECT_EQ(image.settings.files, (std::vector<std::string>{p260, "C:\\b"}));
  EXPECT_EQ(image.settings.urlColour, 0xABCDEFu);
  // A path of 261 characters ends the list and everything after it.
  ASSERT_TRUE(ParseCabinet(build(3, {"C:\\a", p260 + "x", "C:\\c"}), false, image));
  EXPECT_EQ(image.settings.files, std::vector<std::string>{"C:\\a"});
  EXPECT_EQ(image.settings.urlColour, 0xFF0000u);
  EXPECT_EQ(image.settings.htmlTagColour, 2u);
  // A count above 200 likewise; the list stays empty.
  std::vector<std::string> many(201, "C:\\f");
  ASSERT_TRUE(ParseCabinet(build(201, many), false, image));
  EXPECT_TRUE(image.settings.files.empty());
  EXPECT_EQ(image.settings.urlColour, 0xFF0000u);
  // Exactly 200 is taken; double-byte characters count once.
  const std::string wide = "C:\\" + [] {
    std::string s;
    for (int i = 0; i < 257; ++i) s += "\x95\x5C";
    return s;
  }();
  ASSERT_TRUE(ParseCabinet(build(1, {wide}), false, image));
  EXPECT_EQ(image.settings.files, std::vector<std::string>{wide});
}

TEST(CabinetFile, FileOfExactlyTheBufferSizeIsRefused) {
  // Filler after the last field is not read; only the length matters.
  std::string bytes = SampleFile();
  bytes.resize(kCabinetBufferSize - 1, 'z');
  EXPECT_TRUE(Parses(bytes));
  bytes.push_back('z');
  EXPECT_EQ(bytes.size(), 61440u);
  EXPECT_FALSE(Parses(bytes));
  bytes.push_back('z');
  EXPECT_FALSE(Parses(bytes));
}

// Whether each optional field of a truncated sample equals the full file's
// value (true) or its default (false). Every field must be one or the other.
std::vector<bool> TailFieldsPresent(const CabinetSettings& got) {
  const CabinetSettings full = SampleSettings();
  const CabinetSettings def = DefaultSettings(0, false);
  std::vector<bool> present;
  auto field = [&](auto CabinetSettings::*member) {
    const bool isFull = got.*member == full.*member;
    EXPECT_TRUE(isFull || got.*member == def.*member);
    present.push_back(isFull);
  };
  field(&CabinetSettings::kinsoku);
  for (int t = 0; t < 3; ++t) {
    const bool isFull = got.filters[t] == full.filters[t];
    EXPECT_TRUE(isFull || got.filters[t] == def.filters[t]);
    present.push_back(isFull);
  }
  field(&CabinetSettings::keywordWholeWord);
  field(&CabinetSettings::keywordCaseSensitive);
  field(&CabinetSettings::cursorLineColour);
  field(&CabinetSettings::htmlTagColour);
  // A list cut inside keeps the complete paths before the cut.
  EXPECT_LE(got.files.size(), full.files.size());
  EXPECT_TRUE(std::equal(got.files.begin(), got.files.end(), full.files.begin()));
  present.push_back(got.files == full.files);
  field(&CabinetSettings::urlColour);
  return present;
}

TEST(CabinetFile, TruncatedAtEveryLength) {
  const std::string bytes = SampleFile();
  const CabinetSettings full = SampleSettings();
  std::size_t keywordsEnd = 0;
  {
    std::uint32_t settingsAt = 0;
    for (int i = 0; i < 4; ++i) settingsAt |= std::uint32_t(std::uint8_t(bytes[4 + i])) << (8 * i);
    keywordsEnd = settingsAt + 168;
    for (const std::string& k : full.keywords) keywordsEnd += k.size() + 1;
  }
  std::size_t lastPresent = 0;
  for (std::size_t n = 0; n <= bytes.size(); ++n) {
    CabinetImage image;
    const bool ok = ParseCabinet(std::string_view(bytes).substr(0, n), false, image);
    ASSERT_EQ(ok, n >= keywordsEnd) << n;
    if (!ok) continue;
    ExpectSound(image);
    EXPECT_EQ(image.settings.block, full.block);
    EXPECT_EQ(image.settings.keywords, full.keywords);
    EXPECT_EQ(image.documents.size(), 3u);
    const std::vector<bool> present = TailFieldsPresent(image.settings);
    // The fields read are a prefix of the tail, and grow with the length.
    std::size_t count = 0;
    while (count < present.size() && present[count]) ++count;
    for (std::size_t i = count; i < present.size(); ++i) {
      if (i != 8) EXPECT_FALSE(present[i]) << n << " field " << i;  // the file list may be partial
    }
    EXPECT_GE(count, lastPresent) << n;
    lastPresent = count;
  }
  EXPECT_EQ(lastPresent, 10u);
  // The kinsoku flag appears exactly when its four bytes are there.
  CabinetImage image;
  ASSERT_TRUE(ParseCabinet(std::string_view(bytes).substr(0, keywordsEnd + 3), false, image));
  EXPECT_EQ(image.settings.kinsoku, 0u);
  ASSERT_TRUE(ParseCabinet(std::string_view(bytes).substr(0, keywordsEnd + 4), false, image));
  EXPECT_EQ(image.settings.kinsoku, 1u);
}

TEST(CabinetFile, RandomBytesNeverBreakTheReader) {
  std::mt19937 rng(1234);
  int accepted = 0;
  for (int round = 0; round < 3000; ++round) {
    std::string bytes(rng() % 1200, '\0');
    for (char& c : bytes) c = char(rng());
    if (round % 2 == 1 && bytes.size() >= 8) {
      // A plausible header gets the reader further in.
      ByteBuilder head;
      head.U32((rng() % 3) | (rng() % 2) << 24).U32(8 + rng() % 64);
      bytes.replace(0, 8, head.bytes);
    }
    CabinetImage image;
    if (ParseCabinet(bytes, false, image)) {
      ++accepted;
      ExpectSound(image);
    }
  }
  EXPECT_LT(accepted, 3000);
}

TEST(CabinetFile, MutatedCabinetsStaySound) {
  std::mt19937 rng(99);
  const std::string good = SampleFile();
  int accepted = 0;
  for (int round = 0; round < 3000; ++round) {
    std::string bytes = good;
    const int flips = 1 + int(rng() % 4);
    for (int i = 0; i < flips; ++i) bytes[rng() % bytes.size()] = char(rng());
    if (round % 5 == 0) bytes.resize(rng() % bytes.size());
    CabinetImage image;
    if (ParseCabinet(bytes, false, image)) {
      ++accepted;
      ExpectSound(image);
    }
  }
  EXPECT_GT(accepted, 0);
}

TEST(CabinetSignature, RecognisesTheHeader) {
  const std::string bytes = SampleFile();
  const auto* p = reinterpret_cast<const std::uint8_t*>(bytes.data());
  EXPECT_TRUE(HasCabinetSignature(p, 32));
  EXPECT_TRUE(HasCabinetSignature(p, 8));
  EXPECT_FALSE(HasCabinetSignature(p, 7));
  EXPECT_FALSE(HasCabinetSignature(nullptr, 0));
  auto head = [](std::uint32_t first, std::uint32_t second) {
    ByteBuilder b;
    b.U32(first).U32(second);
    return HasCabinetSignature(reinterpret_cast<const std::uint8_t*>(b.bytes.data()), 8);
  };
  EXPECT_TRUE(head(0, 8));
  EXPECT_TRUE(head(30 | 1u << 24, 61440));
  EXPECT_FALSE(head(2u << 24, 8));    // version 2
  EXPECT_FALSE(head(31, 8));          // 31 entries
  EXPECT_FALSE(head(0, 0));           // no settings offset
  EXPECT_FALSE(head(0, 61441));       // beyond the buffer
  const std::string text = "Hello, world! This is text.";
  EXPECT_FALSE(HasCabinetSignature(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

TEST(CabinetFile, DefaultCabinetBesideTheExecutable) {
  EXPECT_EQ(DefaultCabinetPath("C:\\Program Files\\Quelt\\quelt.exe"),
            "C:\\Program Files\\Quelt\\quelt.cab");
  EXPECT_EQ(StartupCabinetPath("", false, "D:\\q\\quelt.exe"), "D:\\q\\quelt.cab");
  EXPECT_EQ(StartupCabinetPath("D:\\w\\my.cab", true, "D:\\q\\quelt.exe"), "D:\\q\\quelt.cab");
  EXPECT_EQ(StartupCabinetPath("D:\\w\\my.cab", false, "D:\\q\\quelt.exe"), "D:\\w\\my.cab");
}

}  // namespace
}  // namespace quelt
