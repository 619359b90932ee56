#include <gtest/gtest.h>

#include "base/memory_file_system.h"
#include "base/messages.h"
#include "base/path.h"

namespace quelt {
namespace {

// "表" is 0x95 0x5C: its trail byte is a backslash.
const std::string kHyou = "\x95\x5C";

TEST(Path, SplitsNeverAtATrailByteBackslash) {
  const std::string path = "C:\\" + kHyou + "\\" + kHyou + ".txt";
  EXPECT_EQ(FolderOf(path), "C:\\" + kHyou + "\\");
  EXPECT_EQ(FileNameOf(path), kHyou + ".txt");
  EXPECT_EQ(FileTitleOf(path), kHyou + ".txt");
  EXPECT_EQ(NameWithoutExtension(path), kHyou);
  EXPECT_EQ(ExtensionOf(path), "txt");
  EXPECT_EQ(FileNameOf("C:\\dir\\" + kHyou), kHyou);
}

TEST(Path, NameWithoutExtensionTakesTheLastDotOfTheNameOnly) {
  EXPECT_EQ(NameWithoutExtension("C:\\q.d\\quelt"), "quelt");
  EXPECT_EQ(NameWithoutExtension("C:\\q\\a.b.cab"), "a.b");
  EXPECT_EQ(NameWithoutExtension("C:\\q\\"), "");
  EXPECT_EQ(FileTitleOf("C:\\q\\"), "");
  EXPECT_EQ(FileTitleOf("work.cab"), "work.cab");
}

TEST(Path, Extensions) {
  EXPECT_EQ(ReplaceExtension("C:\\q\\quelt.exe", "DAT"), "C:\\q\\quelt.DAT");
  EXPECT_EQ(ReplaceExtension("C:\\q.d\\quelt", "INI"), "C:\\q.d\\quelt.INI");
  EXPECT_EQ(ExtensionOf("C:\\q.d\\quelt"), "");
  EXPECT_EQ(JoinPath("C:\\q", "a.txt"), "C:\\q\\a.txt");
  EXPECT_EQ(JoinPath("C:\\q\\", "a.txt"), "C:\\q\\a.txt");
}

TEST(Path, AbsoluteAndCase) {
  EXPECT_TRUE(IsAbsolutePath("c:\\x"));
  EXPECT_TRUE(IsAbsolutePath("\\\\server\\share"));
  EXPECT_FALSE(IsAbsolutePath("\\x"));
  EXPECT_FALSE(IsAbsolutePath("1:\\x"));
  EXPECT_TRUE(EndsWithNoCase("A.HTM", ".htm"));
  // The trail byte 0x41 ('A') of a double-byte character is not folded.
  EXPECT_EQ(FoldCase("\x83\x41" "A"), "\x83\x41" "a");
}

TEST(MemoryFileSystem, FoldersAndFiles) {
  MemoryFileSystem fs;
  EXPECT_FALSE(fs.WriteFile("C:\\a\\b.txt", "x"));  // no folder yet
  ASSERT_TRUE(fs.CreateFolder("C:\\a\\"));
  ASSERT_TRUE(fs.WriteFile("C:\\a\\B.txt", "xyz"));
  std::string s;
  ASSERT_TRUE(fs.ReadFile("c:\\A\\b.TXT", s, 2));
  EXPECT_EQ(s, "xy");
  EXPECT_TRUE(fs.RenameFile("C:\\a\\b.txt", "C:\\a\\c.txt"));
  std::vector<DirEntry> list;
  ASSERT_TRUE(fs.ListFolder("C:\\a", list));
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0].name, "c.txt");
  fs.FailWritesAfter(0);
  EXPECT_FALSE(fs.WriteFile("C:\\a\\c.txt", "new"));
  EXPECT_EQ(*fs.Content("C:\\a\\c.txt"), "xyz");
}

TEST(MemoryFileSystem, NamesWindowsRefusesEndAtOnce) {
  MemoryFileSystem fs;
  // A colon past the drive letter has no parent shorter than itself: the
  // folder walk once went round it for ever.
  EXPECT_FALSE(fs.CreateFolder("C:\\x:"));
  EXPECT_FALSE(fs.CreateFolder("C:\\a\\x:\\b"));
  EXPECT_FALSE(fs.CreateFolder("C:\\a?"));
  EXPECT_FALSE(fs.IsFolder("C:\\a"));
  EXPECT_FALSE(fs.WriteFile("C:\\x:", "x"));
  EXPECT_FALSE(fs.WriteFile("C:\\a*.txt", "x"));
  // A relative path or a bare drive makes what it names and stops.
  EXPECT_TRUE(fs.CreateFolder("rel\\sub"));
  EXPECT_TRUE(fs.IsFolder("rel"));
  EXPECT_TRUE(fs.CreateFolder("C:"));
  EXPECT_TRUE(fs.CreateFolder("C:\\"));
}

TEST(Messages, LanguageAndArguments) {
  EXPECT_EQ(MessageText(kMsgOutOfMemory), "メモリ不足です。");
  SetEnglishInterface(true);
  EXPECT_EQ(MessageText(kMsgSupportLibraryMissing), "Failed to find MUSCRL32.DLL");
  EXPECT_EQ(MessageText(kMsgFrameTitle), "Kav Quelt : %1");
  SetEnglishInterface(false);
  EXPECT_EQ(FormatMessageText(MessageText(kMsgFrameTitle), "a.cab"), "Kav Quelt : a.cab");
}

}  // namespace
}  // namespace quelt
