#include "global_search/global_search.h"

#include <gtest/gtest.h>

#include "base/memory_file_system.h"
#include "global_search/file_blocks.h"
#include "global_search_test_util.h"
#include "text/char_code.h"

namespace quelt {
namespace {

using test::RecordingSink;
using test::Request;

class GlobalSearchTest : public ::testing::Test {
 protected:
  void SetUp() override { fs.CreateFolder("C:\\src\\sub\\deep"); }
  GlobalSearchOutcome Run(const GlobalSearchRequest& r, const SearchFileLists& lists = {}) {
    return RunGlobalSearch(fs, r, lists, sink);
  }
  MemoryFileSystem fs;
  RecordingSink sink;
};

TEST_F(GlobalSearchTest, NothingFoundCountsTheFilesSearched) {
  fs.WriteFile("C:\\src\\a.c", "int a;\r\n");
  fs.WriteFile("C:\\src\\b.c", "int b;\r\n");
  fs.WriteFile("C:\\src\\c.h", "int c;\r\n");
  const GlobalSearchOutcome o = Run(Request("zzz", "C:\\src\\*.c"));
  EXPECT_EQ(o.files, 2u);
  EXPECT_EQ(o.found, 0u);
  EXPECT_EQ(sink.firsts, 0);
  EXPECT_TRUE(sink.lines.empty());
  // Asked once after each file without matches.
  EXPECT_EQ(sink.names, (std::vector<std::string>{"a.c", "b.c"}));
}

TEST_F(GlobalSearchTest, TwoMatchesOnALineGiveTwoLinesWithTheSameNumber) {
  fs.WriteFile("C:\\src\\a.c", "first\r\nfoo and foo\r\nfoo\r\n");
  const GlobalSearchOutcome o = Run(Request("foo", "C:\\src\\a.c"));
  EXPECT_EQ(o.found, 3u);
  EXPECT_EQ(sink.firsts, 1);
  ASSERT_EQ(sink.lines.size(), 3u);
  EXPECT_EQ(sink.lines[0], "C:\\src\\a.c(2): foo and foo\r\n");
  EXPECT_EQ(sink.lines[1], "C:\\src\\a.c(2): foo and foo\r\n");
  EXPECT_EQ(sink.lines[2], "C:\\src\\a.c(3): foo\r\n");
}

TEST_F(GlobalSearchTest, PlainMatchesDoNotOverlapButPatternMatchesStepOneCharacter) {
  fs.WriteFile("C:\\src\\a.txt", "aaaa\r\n");
  EXPECT_EQ(Run(Request("aa", "C:\\src\\a.txt")).found, 2u);
  GlobalSearchRequest r = Request("aa", "C:\\src\\a.txt");
  r.regex = true;
  EXPECT_EQ(Run(r).found, 3u);
  r.regex = false;
  r.distinguishWidth = false;
  EXPECT_EQ(Run(r).found, 3u);
}

TEST_F(GlobalSearchTest, MasksShareTheFirstMasksFolderAndRunInOrder) {
  fs.WriteFile("C:\\src\\a.c", "key\r\n");
  fs.WriteFile("C:\\src\\a.h", "key\r\n");
  fs.WriteFile("C:\\src\\a.txt", "key\r\n");
  fs.WriteFile("C:\\a.h", "key\r\n");
  const GlobalSearchOutcome o = Run(Request("key", "C:\\src\\*.c *.h"));
  EXPECT_EQ(o.files, 2u);
  ASSERT_EQ(sink.lines.size(), 2u);
  EXPECT_EQ(sink.lines[0], "C:\\src\\a.c(1): key\r\n");
  EXPECT_EQ(sink.lines[1], "C:\\src\\a.h(1): key\r\n");
}

TEST_F(GlobalSearchTest, PickingFilesByAttributes) {
  fs.WriteFile("C:\\src\\sys.c", "key\r\n");
  fs.WriteFile("C:\\src\\plain.c", "key\r\n");
  fs.WriteFile("C:\\src\\hidden.c", "key\r\n");
  fs.SetAttributes("C:\\src\\sys.c", FileAttributes{.system = true});
  fs.SetAttributes("C:\\src\\plain.c", FileAttributes{});
  fs.SetAttributes("C:\\src\\hidden.c", FileAttributes{.hidden = true, .system = true});
  GlobalSearchRequest r = Request("key", "C:\\src\\*.c");
  r.pickUpAllFiles = false;
  EXPECT_EQ(Run(r).files, 1u);  // only the hidden one carries one of the four attributes
  EXPECT_EQ(sink.lines, (std::vector<std::string>{"C:\\src\\hidden.c(1): key\r\n"}));
  r.pickUpAllFiles = true;
  EXPECT_EQ(Run(r).files, 1u);  // every file that is not a system file
}

TEST_F(GlobalSearchTest, SubfoldersAreSearchedBreadthFirst) {
  fs.WriteFile("C:\\src\\sub\\deep\\d.c", "key\r\n");
  fs.WriteFile("C:\\src\\sub\\s.c", "key\r\n");
  fs.WriteFile("C:\\src\\t.c", "key\r\n");
  fs.CreateFolder("C:\\src\\z");
  fs.WriteFile("C:\\src\\z\\z.c", "key\r\n");
  GlobalSearchRequest r = Request("key", "C:\\src\\*.c");
  r.subfolders = true;
  EXPECT_EQ(Run(r).files, 4u);
  ASSERT_EQ(sink.lines.size(), 4u);
  EXPECT_EQ(sink.lines[0], "C:\\src\\t.c(1): key\r\n");
  EXPECT_EQ(sink.lines[1], "C:\\src\\sub\\s.c(1): key\r\n");
  EXPECT_EQ(sink.lines[2], "C:\\src\\z\\z.c(1): key\r\n");
  EXPECT_EQ(sink.lines[3], "C:\\src\\sub\\deep\\d.c(1): key\r\n");
}

TEST_F(GlobalSearchTest, LineNumbersRunAcrossBlocks) {
  // 3,000 lines of 11 bytes: the first block is cut after its last CR LF.
  std::string text;
  for (int i = 0; i < 3000; ++i) text += (i == 2799 ? "needle   \r\n" : "xxxxxxxxx\r\n");
  ASSERT_GT(text.size(), kSearchBlockBytes);
  fs.WriteFile("C:\\src\\big.txt", text);
  Run(Request("needle", "C:\\src\\big.txt"));
  EXPECT_EQ(sink.lines, (std::vector<std::string>{"C:\\src\\big.txt(2800): needle   \r\n"}));
}

TEST_F(GlobalSearchTest, BlockCutsKeepDoubleByteCharactersWhole) {
  // No line end at all: the cut falls before a lead byte, never after it.
  std::string block(kSearchBlockBytes, 'a');
  block[kSearchBlockBytes - 1] = '\x82';
  EXPECT_EQ(BlockCut(block), kSearchBlockBytes - 1);
  block[kSearchBlockBytes - 2] = '\x82';  // a whole character at the end
  EXPECT_EQ(BlockCut(block), kSearchBlockBytes);
  block[100] = '\r';
  block[101] = '\n';
  EXPECT_EQ(BlockCut(block), 102u);
}

TEST_F(GlobalSearchTest, EscapedLineEndsCountInTheLineNumbers) {
  fs.WriteFile("C:\\src\\a.txt", "ab\r\ncd\r\nab\r\ncd\r\nx\r\n");
  GlobalSearchRequest r = Request("ab\\ncd", "C:\\src\\a.txt");
  r.escapes = true;
  EXPECT_EQ(Run(r).found, 2u);
  ASSERT_EQ(sink.lines.size(), 2u);
  EXPECT_EQ(sink.lines[0], "C:\\src\\a.txt(1): ab\r\n");
  EXPECT_EQ(sink.lines[1], "C:\\src\\a.txt(3): ab\r\n");
}

TEST_F(GlobalSearchTest, ZeroBytesEndTheTextUnlessNonTextFilesAreSearched) {
  fs.WriteFile("C:\\src\\bin.dat", std::string("key\r\n\0key\r\n", 11));
  GlobalSearchRequest r = Request("key", "C:\\src\\bin.dat");
  EXPECT_EQ(Run(r).found, 1u);
  r.nonText = true;
  sink.lines.clear();
  EXPECT_EQ(Run(r).found, 2u);
  EXPECT_EQ(sink.lines[1], "C:\\src\\bin.dat(2): \xFFkey\r\n");
}

TEST_F(GlobalSearchTest, EucAndJisFilesAreFoundWithDetection) {
  const std::string sjis = "\x93\xfa\x96\x7b\x8c\xea\r\n";  // 日本語
  const std::string needle = "\x96\x7b";                     // 本
  ConvertResult euc = FromInternal(reinterpret_cast<const std::uint8_t*>(sjis.data()), sjis.size(),
                                   CharCodeId::kEuc, LineEndId::kLf);
  ConvertResult jis = FromInternal(reinterpret_cast<const std::uint8_t*>(sjis.data()), sjis.size(),
                                   CharCodeId::kJis, LineEndId::kCrLf);
  ASSERT_EQ(euc.status, ConvertStatus::kOk);
  ASSERT_EQ(jis.status, ConvertStatus::kOk);
  fs.WriteFile("C:\\src\\e.txt", "line one\n" + euc.bytes);
  fs.WriteFile("C:\\src\\j.txt", jis.bytes);
  GlobalSearchRequest r = Request(needle, "C:\\src\\*.txt");
  r.codeDecision = 1;
  EXPECT_EQ(Run(r).found, 0u);
  r.codeDecision = 0;
  EXPECT_EQ(Run(r).found, 2u);
  EXPECT_EQ(sink.lines, (std::vector<std::string>{"C:\\src\\e.txt(2): " + sjis, "C:\\src\\j.txt(1): " + sjis}));
  r.codeDecision = 3;  // EUC asked for: the JIS file's escapes stay as they are
  sink.lines.clear();
  EXPECT_EQ(Run(r).found, 1u);
}

TEST_F(GlobalSearchTest, MultiTextFindsAnyAlternative) {
  fs.WriteFile("C:\\src\\a.txt", "one\r\ntwo\r\n");
  fs.WriteFile("C:\\src\\b.txt", "nothing\r\n");
  GlobalSearchRequest r = Request("two one", "C:\\src\\*.txt");
  r.multiText = true;
  const GlobalSearchOutcome o = Run(r);
  EXPECT_EQ(o.files, 2u);
  EXPECT_EQ(sink.lines, (std::vector<std::string>{"C:\\src\\a.txt(1): one\r\n", "C:\\src\\a.txt(2): two\r\n"}));
}

TEST_F(GlobalSearchTest, SearchFileListsStandInForTheMasks) {
  fs.WriteFile("C:\\src\\a.c", "key\r\n");
  fs.WriteFile("C:\\src\\sub\\b.c", "key\r\n");
  const SearchFileLists lists = {{"mine", {"C:\\src\\a.c", "sub\\*.c"}}};
  GlobalSearchRequest r = Request("key", "::mine");
  r.currentFolder = "C:\\src";
  EXPECT_EQ(Run(r, lists).found, 2u);
  r.maskText = "::Mine";  // names compare exactly
  EXPECT_EQ(Run(r, lists).files, 0u);
}

TEST_F(GlobalSearchTest, StoppingAndUnsearchableTexts) {
  fs.WriteFile("C:\\src\\a.c", "key key\r\n");
  fs.WriteFile("C:\\src\\b.c", "key\r\n");
  sink.stopAfter = 1;
  GlobalSearchOutcome o = Run(Request("key", "C:\\src\\*.c"));
  EXPECT_TRUE(o.aborted);
  EXPECT_EQ(o.found, 1u);
  EXPECT_EQ(o.files, 1u);
  sink.stopAfter = -1;
  o = Run(Request("", "C:\\src\\*.c"));
  EXPECT_TRUE(o.badText);
  EXPECT_EQ(o.files, 0u);
  fs.FailReads("C:\\src\\a.c");  // an unreadable file is skipped, not counted
  EXPECT_EQ(Run(Request("key", "C:\\src\\*.c")).files, 1u);
}

TEST(GlobalSearchReport, CountsInDecimal) {
  EXPECT_EQ(GlobalSearchReportText(12, 4294967295u),
            "検索したファイルの数： 12\n\n見つかった個数        ： 4294967295");
  EXPECT_EQ(GlobalSearchCaption(), "ｸﾞﾛｰﾊﾞﾙ検索");
}

}  // namespace
}  // namespace quelt

#include "cipher/cipher.h"

namespace quelt {
namespace {

TEST_F(GlobalSearchTest, FilesOfTheCipherFolderAreSearchedDeciphered) {
  fs.CreateFolder("C:\\src\\sec");
  std::string cipher;
  ASSERT_TRUE(Encipher("abcdef", "secret foo\r\n", cipher));
  fs.WriteFile("C:\\src\\sec\\a.txt", cipher);
  fs.WriteFile("C:\\src\\b.txt", "plain foo\r\n");
  GlobalSearchRequest r = Request("foo", "C:\\src\\*.txt");
  r.subfolders = true;
  EXPECT_EQ(Run(r).found, 1u);  // without cipher saving the bytes are searched
  r.cipher = CipherConfig{true, "C:\\src\\sec\\", "abcdef"};
  int asked = 0;
  r.askPassword = [&asked] { return ++asked > 0; };
  sink.lines.clear();
  EXPECT_EQ(Run(r).found, 2u);
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(sink.lines.back(), "C:\\src\\sec\\a.txt(1): secret foo\r\n");
  // A refused password or a wrong key searches the bytes as they are.
  r.askPassword = [] { return false; };
  EXPECT_EQ(Run(r).found, 1u);
  r.askPassword = nullptr;
  r.cipher.key = "zzzzzz";
  EXPECT_EQ(Run(r).found, 1u);
}

}  // namespace
}  // namespace quelt
