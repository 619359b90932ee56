#include <gtest/gtest.h>

#include "base/memory_file_system.h"
#include "global_search/file_pick.h"
#include "global_search/global_search.h"
#include "global_search/mask_text.h"
#include "global_search/result_line.h"
#include "global_search_test_util.h"

namespace quelt {
namespace {

using Masks = std::vector<std::string>;

TEST(MaskText, JoiningToTheFolderAndTheLimitOf260Bytes) {
  EXPECT_EQ(JoinMaskText("*.c *.h", "C:\\src"), "C:\\src\\*.c *.h");
  EXPECT_EQ(JoinMaskText("\\*.c", "C:\\src\\"), "C:\\src\\*.c");
  EXPECT_EQ(JoinMaskText("D:\\x\\*.c", "C:\\src"), "D:\\x\\*.c");
  EXPECT_EQ(JoinMaskText("\"D:\\my src\\*.c\"", "C:\\src"), "\"D:\\my src\\*.c\"");
  EXPECT_EQ(JoinMaskText("\"my src\\*.c\"", "C:\\a"), "\"C:\\a\\my src\\*.c\"");
  EXPECT_EQ(JoinMaskText("\\\\server\\share\\*.c", "C:\\a"), "\\\\server\\share\\*.c");
  EXPECT_EQ(JoinMaskText("::list", "C:\\a"), "::list");
  EXPECT_EQ(JoinMaskText("", "C:\\a"), std::nullopt);
  const std::string folder = "C:\\" + std::string(250, 'f');  // 253 bytes
  EXPECT_EQ(JoinMaskText("*.txt", folder)->size(), 259u);
  EXPECT_EQ(JoinMaskText("*.text", folder)->size(), 260u);
  EXPECT_EQ(JoinMaskText("*.texts", folder), std::nullopt);
  EXPECT_EQ(JoinMaskText("C:\\" + std::string(258, 'm'), "C:\\"), std::nullopt);  // 261 before joining
}

TEST(MaskText, SplittingQuotesAndLimits) {
  EXPECT_EQ(SplitMasks("C:\\src\\*.c *.h"), (Masks{"C:\\src\\*.c", "C:\\src\\*.h"}));
  EXPECT_EQ(SplitMasks("C:\\src\\*.c \\*.h D:\\*.h"), (Masks{"C:\\src\\*.c", "C:\\src\\*.h", "D:\\*.h"}));
  EXPECT_EQ(SplitMasks("\"C:\\my src\\*.c\"   \"a \"\"b\"\".h\""),
            (Masks{"C:\\my src\\*.c", "C:\\my src\\a \"b\".h"}));
  EXPECT_EQ(SplitMasks("\"\" C:\\a"), (Masks{"C:\\a"}));
  // A trail byte 0x5C is no folder separator.
  EXPECT_EQ(SplitMasks("C:\\\x95\\\\*.c *.h"), (Masks{"C:\\\x95\\\\*.c", "C:\\\x95\\\\*.h"}));
  const std::string longMask = "C:\\" + std::string(253, 'x');  // 256 bytes: ignored
  EXPECT_EQ(SplitMasks(longMask + " C:\\b"), (Masks{"C:\\b"}));
  EXPECT_EQ(SplitMasks("C:\\" + std::string(252, 'x')).size(), 1u);
  std::string eleven;
  for (int i = 0; i < 11; ++i) eleven += "C:\\" + std::to_string(i) + " ";
  EXPECT_EQ(SplitMasks(eleven).size(), kMaxMasks);
}

TEST(MaskText, Wildcards) {
  EXPECT_TRUE(MatchesWildcard("Main.C", "*.c"));
  EXPECT_FALSE(MatchesWildcard("main.cpp", "*.c"));
  EXPECT_TRUE(MatchesWildcard("main.cpp", "*.c*"));
  EXPECT_TRUE(MatchesWildcard("README", "*.*"));
  EXPECT_TRUE(MatchesWildcard("a.b.c", "*.c"));
  EXPECT_TRUE(MatchesWildcard("abc", "a?c"));
  EXPECT_FALSE(MatchesWildcard("ac", "a?c"));
  EXPECT_TRUE(MatchesWildcard("a\x93\xfa" "c", "a?c"));  // one double-byte character
  EXPECT_FALSE(MatchesWildcard("a\x93\xfa" "c", "a??c"));
  EXPECT_TRUE(MatchesWildcard("\x82\x60.txt", "\x82\x60*"));  // full-width letters are compared as they are
  EXPECT_FALSE(MatchesWildcard("\x82\x81.txt", "\x82\x60*"));
  EXPECT_TRUE(MatchesWildcard("aXbXc", "a*b*c"));
  EXPECT_FALSE(MatchesWildcard("aXbXd", "a*b*c"));
}

TEST(ResultLine, TextFromTheLineOrFromTheMatchPastByte239) {
  auto line = [](const std::string& text, std::uint32_t start, std::uint32_t length) {
    return FormatResultLine("C:\\a.txt", 7, reinterpret_cast<const std::uint8_t*>(text.data()),
                            static_cast<std::uint32_t>(text.size()), 0, start, start + length);
  };
  const std::string text = std::string(236, '.') + "key" + "tail\r\nnext";
  EXPECT_EQ(line(text, 236, 3), "C:\\a.txt(7): " + std::string(236, '.') + "keytail\r\n");  // ends at 239
  const std::string later = std::string(237, '.') + "key" + "tail\r\nnext";
  EXPECT_EQ(line(later, 237, 3), "C:\\a.txt(7): keytail\r\n");  // ends at 240
}

TEST(ResultLine, PathAndTextKeepWithin499BytesWithoutSplittingCharacters) {
  const std::string path = "C:\\" + std::string(95, 'p');  // 98 bytes: 401 left for the text
  std::string text = std::string(400, 'a') + "\x93\xfa" + "zz\r\n";
  std::string out = FormatResultLine(path, 1, reinterpret_cast<const std::uint8_t*>(text.data()),
                                     static_cast<std::uint32_t>(text.size()), 0, 0, 1);
  EXPECT_EQ(out, path + "(1): " + std::string(400, 'a') + "\r\n");
  text = std::string(399, 'a') + "\x93\xfa" + "zz\r\n";
  out = FormatResultLine(path, 1, reinterpret_cast<const std::uint8_t*>(text.data()),
                         static_cast<std::uint32_t>(text.size()), 0, 0, 1);
  EXPECT_EQ(out, path + "(1): " + std::string(399, 'a') + "\x93\xfa\r\n");
  const std::string longPath(600, 'q');
  out = FormatResultLine(longPath, 1, reinterpret_cast<const std::uint8_t*>(text.data()),
                         static_cast<std::uint32_t>(text.size()), 0, 0, 1);
  EXPECT_EQ(out, longPath + "(1): \r\n");
}

TEST(Subfolders, CollectionFailsWhenLessThan261BytesWouldRemain) {
  MemoryFileSystem fs;
  // Each entry "C:\r\NNN...N" plus its zero byte takes 100 bytes.
  for (int i = 0; i < 99; ++i) {
    std::string name = std::to_string(100 + i);
    fs.CreateFolder("C:\\r\\" + name + std::string(91, 'n'));
  }
  std::vector<std::string> folders;
  ASSERT_TRUE(CollectSubfolders(fs, "C:\\r", 10240, folders));
  ASSERT_EQ(folders.size(), 99u);
  EXPECT_EQ(folders[0].size() + 1, 100u);
  // 99 entries use 9,900 bytes: 340 remain. "C:\r\zz" takes 8 more, the
  // folder below it 81: 251 would remain.
  fs.CreateFolder("C:\\r\\zz\\" + std::string(72, 'y'));
  EXPECT_FALSE(CollectSubfolders(fs, "C:\\r", 10240, folders));
  EXPECT_TRUE(folders.empty());

  // Through the search: the subfolders' files are not searched at all.
  fs.WriteFile("C:\\r\\top.txt", "key\r\n");
  fs.WriteFile("C:\\r\\zz\\low.txt", "key\r\n");
  test::RecordingSink sink;
  GlobalSearchRequest r = test::Request("key", "C:\\r\\*.txt");
  r.subfolders = true;
  r.subDirBufKB = 10;
  EXPECT_EQ(RunGlobalSearch(fs, r, {}, sink).files, 1u);
  r.subDirBufKB = 11;
  EXPECT_EQ(RunGlobalSearch(fs, r, {}, sink).files, 2u);
}

TEST(Subfolders, OneMoreByteOfRoomSucceeds) {
  MemoryFileSystem fs;
  // One entry "C:\x" + name, filling the 10,240-byte buffer to leave exactly 261.
  const std::size_t entry = 10240 - 261;  // with its zero byte
  fs.CreateFolder("C:\\x\\" + std::string(entry - 1 - 5, 'a'));
  std::vector<std::string> folders;
  EXPECT_TRUE(CollectSubfolders(fs, "C:\\x", 10240, folders));
  MemoryFileSystem fs2;
  fs2.CreateFolder("C:\\x\\" + std::string(entry - 5, 'a'));
  EXPECT_FALSE(CollectSubfolders(fs2, "C:\\x", 10240, folders));
}

}  // namespace
}  // namespace quelt
