#include "state/state_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/le_words.h"
#include "fake_sealer.h"
#include "keys/bindable_commands.h"

namespace quelt {
namespace {

void SetWord(std::string& s, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) s[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

std::uint32_t WordAt(const std::string& s, std::size_t at) {
  std::string_view w = std::string_view(s).substr(at, 4);
  std::uint32_t v = 0;
  TakeLe32(w, v);
  return v;
}

// A file of the header, the given history lists and tail, its length in the
// first word.
// The page layout and the two further options are the defaults.
std::string RawFile(const std::vector<std::vector<std::string>>& lists, const std::string& tail = {}) {
  std::string s;
  AppendLe32(s, 0);
  EncodePageLayout(PageLayout{}, s);
  s.resize(kStateHeaderSize, '\0');
  SetWord(s, 300, 1);
  SetWord(s, 304, 1);
  std::string body;
  for (std::size_t i = 0; i < lists.size(); ++i) {
    SetWord(s, 284 + 4 * i, static_cast<std::uint32_t>(lists[i].size()));
    for (const std::string& e : lists[i]) body += e + '\0';
  }
  s += body + tail;
  SetWord(s, 0, static_cast<std::uint32_t>(s.size()));
  return s;
}

const test::FakeSealer kSealer;

std::string Sections(const StateFileData& d, int upTo) {
  std::string out;
  if (upTo >= 1) EncodeToolsSection(d.tools, out);
  if (upTo >= 2) EncodeExtractSection(d.extract, out);
  if (upTo >= 3) EncodeCustomColoursSection(d.customColours, out);
  if (upTo >= 4) EncodeFreeConversionSection(d.freeConversion, out);
  if (upTo >= 5) EncodePopupMenuSection(d.popupMenu, out);
  if (upTo >= 6) EncodeCipherSection(d.cipher, out, &kSealer);
  if (upTo >= 7) EncodeExtendedMenusSection(d.extendedMenus, out);
  return out;
}

StateFileData Full() {
  StateFileData d;
  d.pageLayout.topMargin = 150;
  d.pageLayout.header = {"&f", false, kAlignRight};
  d.pageLayout.footer.text = "page &p";
  d.pageLayout.printLineNumbers = false;
  std::copy_n("ＭＳ 明朝", 9, d.pageLayout.printFont.faceName.begin());
  d.searchHistory = {"alpha", "beta"};
  d.secondHistory = {"gamma"};
  d.maskHistory = {"C:\\src\\*.cpp", "D:\\doc\\*.txt"};
  d.searchOptions = kSearchCaseSensitive | kSearchRegularExpression;
  d.searchSubfolders = false;
  d.findFurtherOption = false;
  d.tools.runHistory = {{"cmd.exe", "/c dir", "C:\\", true, true, false}};
  d.tools.tools = {{kToolProgram, "Make", "make.exe", "$f", "C:\\w", false, true, false, true},
                   {kToolSeparator, "", "", "", "", false, false, false, false},
                   {kToolOperationFile, "Macro", "m1.mac", "", "", false, false, false, false}};
  d.extract.step = kExtractStep2;
  d.extract.addSeparator = true;
  d.extract.step1Entries = {{"ERROR", -2, 5}};
  d.extract.startEntries = {{"BEGIN", 0, 1}};
  d.extract.endEntries = {{"END", 1, 1}};
  d.customColours[3] = 0x00123456;
  d.freeConversion.options = kFreeConvNewDocument;
  d.freeConversion.rules = {{"＜全角ひらがな＞", "＜全角カタカナ＞"}, {"a", ""}};
  d.popupMenu = PopupMenuItems({kCmdEditCopy, kPopupSeparator, kCmdEditPaste});
  d.cipher = {"Secret123", "pw42"};
  d.extendedMenus[0] = {"Edit", 5, {{kCmdEditCut, 'X'}, {kMenuSeparator, 0}}};
  d.extendedMenus[19].title = "Last";
  return d;
}

TEST(StateFileParse, HeaderAloneOfExactly360BytesLoadsAsDefaults) {
  StateFileData d;
  d.searchHistory = {"x"};
  ASSERT_TRUE(ParseStateFile(RawFile({}), d));
  EXPECT_EQ(d, StateFileData{});
}

TEST(StateFileParse, RefusesWrongSizesAndLengthWord) {
  StateFileData d;
  std::string shortFile(359, '\0');
  SetWord(shortFile, 0, 359);
  EXPECT_FALSE(ParseStateFile(shortFile, d));

  std::string wrongLength = RawFile({});
  SetWord(wrongLength, 0, 361);
  EXPECT_FALSE(ParseStateFile(wrongLength, d));

  // A file that fills the whole buffer may have been cut off.
  std::string full = RawFile({{}, {}, {}}, std::string(kStateFileBufferSize - kStateHeaderSize, '\0'));
  ASSERT_EQ(full.size(), kStateFileBufferSize);
  EXPECT_FALSE(ParseStateFile(full, d));
}

TEST(StateFileParse, HistoryCountsAndEntryLimits) {
  StateFileData d;
  EXPECT_TRUE(ParseStateFile(RawFile({std::vector<std::string>(20, "s")}), d));
  EXPECT_EQ(d.searchHistory.size(), 20u);
  EXPECT_FALSE(ParseStateFile(RawFile({std::vector<std::string>(21, "s")}), d));
  EXPECT_TRUE(d.searchHistory.empty());  // a refused file leaves the defaults

  EXPECT_TRUE(ParseStateFile(RawFile({{std::string(80, 'a')}}), d));
  EXPECT_FALSE(ParseStateFile(RawFile({{std::string(81, 'a')}}), d));
  EXPECT_FALSE(ParseStateFile(RawFile({{}, {std::string(81, 'a')}}), d));
  ASSERT_TRUE(ParseStateFile(RawFile({{}, {}, {std::string(260, 'm')}}), d));
  EXPECT_EQ(d.maskHistory, std::vector<std::string>{std::string(260, 'm')});
  EXPECT_FALSE(ParseStateFile(RawFile({{}, {}, {std::string(261, 'm')}}), d));

  // The last entry's zero byte lies beyond the data.
  std::string cut = RawFile({{"abc"}});
  cut.pop_back();
  SetWord(cut, 0, static_cast<std::uint32_t>(cut.size()));
  EXPECT_FALSE(ParseStateFile(cut, d));
}

TEST(StateFileParse, FileEndingAfterTheToolsKeepsLaterSectionsAtDefaults) {
  const StateFileData full = Full();
  StateFileData d;
  ASSERT_TRUE(ParseStateFile(RawFile({}, Sections(full, 1)), d));
  EXPECT_EQ(d.tools, full.tools);
  EXPECT_EQ(d.extract, ExtractSettings{});
  EXPECT_EQ(d.popupMenu, PopupMenuItems{});
  EXPECT_EQ(d.cipher, CipherSecrets{});
  EXPECT_EQ(d.extendedMenus, ExtendedMenus{});
}

TEST(StateFileParse, SectionThatBeginsButDoesNotFinishRefusesTheFile) {
  const std::string sections = Sections(Full(), 7);
  StateFileData d;
  for (std::size_t cut : {std::size_t(1), sections.size() / 2, sections.size() - 1}) {
    EXPECT_FALSE(ParseStateFile(RawFile({}, sections.substr(0, cut)), d)) << cut;
  }
  // A malformed section: a tool kind of 3.
  std::string badTool;
  AppendLe32(badTool, 0);
  AppendLe32(badTool, 1);
  AppendLe32(badTool, 3);
  badTool += std::string(4, '\0') + std::string(16, '\0');
  EXPECT_FALSE(ParseStateFile(RawFile({}, badTool), d));
}

TEST(StateFileBuild, RoundTripOfEverySection) {
  const StateFileData full = Full();
  std::string bytes;
  EXPECT_EQ(BuildStateFile(full, bytes, &kSealer), StateBuild::kWhole);
  EXPECT_EQ(WordAt(bytes, 0), bytes.size());
  EXPECT_EQ(bytes.substr(308, kStateReservedSize), std::string(kStateReservedSize, '\0'));
  EXPECT_EQ(bytes.find("Secret123"), std::string::npos);
  EXPECT_EQ(bytes.find("pw42"), std::string::npos);
  StateFileData back;
  ASSERT_TRUE(ParseStateFile(bytes, back, &kSealer));
  EXPECT_EQ(back, full);
  // Read by another user, the file keeps everything but the secrets.
  const test::FakeSealer otherUser('z');
  ASSERT_TRUE(ParseStateFile(bytes, back, &otherUser));
  EXPECT_EQ(back.cipher, CipherSecrets{});
  back.cipher = full.cipher;
  EXPECT_EQ(back, full);
}

TEST(StateFileBuild, OptionBitOneIsStoredInverted) {
  StateFileData d;  // defaults: only bit 1 set
  std::string bytes;
  BuildStateFile(d, bytes);
  EXPECT_EQ(WordAt(bytes, 296), 0u);
  d.searchOptions = kSearchCaseSensitive;
  BuildStateFile(d, bytes);
  EXPECT_EQ(WordAt(bytes, 296), 3u);

  std::string raw = RawFile({});
  SetWord(raw, 296, 2 | 4);
  ASSERT_TRUE(ParseStateFile(raw, d));
  EXPECT_EQ(d.searchOptions, kSearchRegularExpression);
}

TEST(StateFileBuild, ReservedBytesAreIgnoredWhenRead) {
  std::string raw = RawFile({});
  for (std::size_t i = 308; i < 360; ++i) raw[i] = '\x5A';
  StateFileData d;
  ASSERT_TRUE(ParseStateFile(raw, d));
  EXPECT_EQ(d, StateFileData{});
}

TEST(StateFileBuild, OverlongListsAndTextsAreCutSoTheFileLoads) {
  StateFileData d;
  d.searchHistory.assign(25, std::string(100, 'q'));
  d.maskHistory = {std::string("a\0b", 3)};
  std::string bytes;
  BuildStateFile(d, bytes);
  StateFileData back;
  ASSERT_TRUE(ParseStateFile(bytes, back));
  EXPECT_EQ(back.searchHistory, std::vector<std::string>(20, std::string(80, 'q')));
  EXPECT_EQ(back.maskHistory, std::vector<std::string>{"a"});
}

TEST(StateFileBuild, FileThatWouldFillTheBufferDropsTheOldestHistoryFirst) {
  StateFileData d;
  const std::string path(kMaxToolPath, 'p');
  const std::string params(kMaxToolParameters, 'r');
  for (std::size_t i = 0; i < kMaxUserTools; ++i)
    d.tools.tools.push_back({kToolProgram, std::string(kMaxToolTitle, 't'), path, params, path, false, false, false, false});
  for (std::size_t i = 0; i < kMaxProgramRuns; ++i) d.tools.runHistory.push_back({path, params, path.substr(1) + char('A' + i), false, false, false});
  d.searchHistory.assign(20, std::string(80, 's'));
  d.maskHistory.assign(20, std::string(260, 'm'));
  for (auto& menu : d.extendedMenus) {
    menu.title = std::string(80, 'e');
    menu.items.assign(20, {kCmdEditCopy, 'C'});
  }
  d.freeConversion.rules.assign(10, {std::string(256, 'b'), std::string(256, 'a')});
  std::string bytes;
  EXPECT_EQ(BuildStateFile(d, bytes), StateBuild::kTrimmed);
  EXPECT_LT(bytes.size(), kStateFileBufferSize);
  StateFileData back;
  ASSERT_TRUE(ParseStateFile(bytes, back));
  EXPECT_EQ(back.tools.tools, d.tools.tools);
  EXPECT_EQ(back.extendedMenus, d.extendedMenus);
  EXPECT_EQ(back.searchHistory, d.searchHistory);
  ASSERT_FALSE(back.tools.runHistory.empty());
  // The newest entries stay.
  EXPECT_EQ(back.tools.runHistory.front(), d.tools.runHistory.front());
  EXPECT_LT(back.tools.runHistory.size(), d.tools.runHistory.size());

  // With nothing left to drop the largest records still fit.
  d.tools.runHistory.clear();
  d.searchHistory.clear();
  d.maskHistory.clear();
  EXPECT_EQ(BuildStateFile(d, bytes), StateBuild::kWhole);
  EXPECT_LT(bytes.size(), kStateFileBufferSize);
}

}  // namespace
}  // namespace quelt
