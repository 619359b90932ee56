#include "app/ini_file.h"

#include <gtest/gtest.h>

#include <random>

#include "base/memory_file_system.h"

namespace quelt {
namespace {

TEST(ProfileInt, FollowsTheProfileReadRules) {
  EXPECT_EQ(ParseProfileInt("42", 7), 42);
  EXPECT_EQ(ParseProfileInt("  \t-13", 7), -13);
  EXPECT_EQ(ParseProfileInt("+8", 7), 8);
  EXPECT_EQ(ParseProfileInt("12abc", 7), 12);
  EXPECT_EQ(ParseProfileInt("0x10", 7), 0);
  EXPECT_EQ(ParseProfileInt("abc", 7), 7);
  EXPECT_EQ(ParseProfileInt("", 7), 7);
  EXPECT_EQ(ParseProfileInt("-", 7), 7);
  EXPECT_EQ(ParseProfileInt("2147483647", 7), 2147483647);
  EXPECT_EQ(ParseProfileInt("-2147483648", 7), INT_MIN);
  EXPECT_EQ(ParseProfileInt("2147483648", 7), 7);
  EXPECT_EQ(ParseProfileInt("99999999999999999999999", 7), 7);
}

TEST(IniFile, ReadsSectionsAndKeysWithoutRegardToCase) {
  const IniFile ini("[Settings]\r\nMultiInstance=0\r\n  Name = a value  \r\n[Other]\r\nMultiInstance=5\r\n");
  EXPECT_EQ(ini.GetInt("settings", "MULTIINSTANCE", 1), 0);
  EXPECT_EQ(ini.GetString("Settings", "name"), "a value");
  EXPECT_EQ(ini.GetInt("Other", "MultiInstance", 1), 5);
  EXPECT_EQ(ini.GetInt("Missing", "MultiInstance", 1), 1);
  EXPECT_FALSE(ini.HasKey("Settings", "Other"));
}

TEST(IniFile, AcceptsEveryLineEnd) {
  const IniFile ini("[A]\nx=1\ry=2\r\nz=3");
  EXPECT_EQ(ini.GetInt("A", "x", 0), 1);
  EXPECT_EQ(ini.GetInt("A", "y", 0), 2);
  EXPECT_EQ(ini.GetInt("A", "z", 0), 3);
}

TEST(IniFile, FirstOccurrenceWins) {
  const IniFile ini("[A]\nk=first\nK=second\n[a]\nk=third\nonly=here\n");
  EXPECT_EQ(ini.GetString("A", "k"), "first");
  // A second section of the same name is not looked at.
  EXPECT_FALSE(ini.HasKey("A", "only"));
}

TEST(IniFile, OddLinesAreKeptButNotEntries) {
  const IniFile ini("junk before\n[A\nnoequals\n;k=comment\n=novalue\n[B]\nk=1\n");
  EXPECT_FALSE(ini.HasSection("A"));
  EXPECT_FALSE(ini.HasKey("B", "noequals"));
  EXPECT_EQ(ini.GetInt("B", "k", 0), 1);
  EXPECT_EQ(ini.Serialize(), "junk before\r\n[A\r\nnoequals\r\n;k=comment\r\n=novalue\r\n[B]\r\nk=1\r\n");
}

TEST(IniFile, EnclosingQuotesAreDropped) {
  const IniFile ini("[A]\na=\"quoted value\"\nb='x'\nc=\"unbalanced\nd=\"\n");
  EXPECT_EQ(ini.GetString("A", "a"), "quoted value");
  EXPECT_EQ(ini.GetString("A", "b"), "x");
  EXPECT_EQ(ini.GetString("A", "c"), "\"unbalanced");
  EXPECT_EQ(ini.GetString("A", "d"), "\"");
}

TEST(IniFile, ShiftJisSectionNamesAndValues) {
  // ']' (0x5D) and '\\' (0x5C) are possible second bytes of double-byte
  // characters: the header is not cut inside a character.
  const std::string text = "[\x83\x5D\x83\x41]\nk=\x95\x5C\n";
  const IniFile ini(text);
  EXPECT_TRUE(ini.HasSection("\x83\x5D\x83\x41"));
  EXPECT_EQ(ini.GetString("\x83\x5D\x83\x41", "k"), "\x95\x5C");
}

TEST(IniFile, NulBytesEndNamesAndValues) {
  constexpr char kText[] = "[A]\nk=ab\0cd\nz\0q=1\n";
  const IniFile ini(std::string(kText, sizeof kText - 1));
  EXPECT_EQ(ini.GetString("A", "k"), "ab");
  EXPECT_EQ(ini.GetInt("A", "z", 0), 1);
}

TEST(IniFile, SetKeepsOrderAndUnknownContent) {
  IniFile ini("; my notes\r\n[Settings]\r\nUnknown=keep me\r\nMultiInstance = 1\r\n\r\n[Mine]\r\nx=y\r\n");
  ini.SetInt("Settings", "MultiInstance", 1);  // unchanged value: line kept as it was
  ini.SetInt("SETTINGS", "DisableSplash", 1);
  ini.SetString("New", "Key", "v");
  EXPECT_EQ(ini.Serialize(),
            "; my notes\r\n[Settings]\r\nUnknown=keep me\r\nMultiInstance = 1\r\nDisableSplash=1\r\n\r\n"
            "[Mine]\r\nx=y\r\n\r\n[New]\r\nKey=v\r\n");
  ini.SetInt("Settings", "multiinstance", 0);
  EXPECT_EQ(ini.GetInt("Settings", "MultiInstance", 1), 0);
  EXPECT_NE(ini.Serialize().find("MultiInstance=0\r\n"), std::string::npos);
}

TEST(IniFile, ValuesStayOnOneLine) {
  IniFile ini;
  ini.SetString("A", "k", "line one\r\n[Evil]\r\nx=1");
  const IniFile again(ini.Serialize());
  EXPECT_EQ(again.GetString("A", "k"), "line one");
  EXPECT_FALSE(again.HasSection("Evil"));
}

TEST(IniFile, RemoveKeyAndSection) {
  IniFile ini("[A]\nk=1\nk=2\nj=3\n[B]\nx=1\n");
  EXPECT_TRUE(ini.RemoveKey("a", "K"));
  EXPECT_FALSE(ini.HasKey("A", "k"));
  EXPECT_EQ(ini.GetInt("A", "j", 0), 3);
  EXPECT_FALSE(ini.RemoveKey("A", "k"));
  EXPECT_TRUE(ini.RemoveSection("B"));
  EXPECT_EQ(ini.Serialize(), "[A]\r\nj=3\r\n");
}

TEST(IniFile, LoadAndSaveThroughTheFileSystem) {
  MemoryFileSystem fs;
  IniFile ini;
  EXPECT_FALSE(LoadIniFile(fs, "C:\\Q\\QUELT.INI", ini));
  ini.SetString("A", "k", "v");
  fs.CreateFolder("C:\\Q");
  ASSERT_TRUE(SaveIniFile(fs, "C:\\Q\\QUELT.INI", ini));
  IniFile back;
  ASSERT_TRUE(LoadIniFile(fs, "c:\\q\\quelt.ini", back));
  EXPECT_EQ(back.GetString("A", "k"), "v");
  EXPECT_FALSE(SaveIniFile(fs, "", ini));
}

// The bytes of a UTF-16LE file with its byte-order mark, as Notepad saves
// "Unicode" text.
std::string Utf16File(const std::u16string& text) {
  std::string bytes = "\xFF\xFE";
  for (char16_t u : text) {
    bytes += static_cast<char>(u & 0xFF);
    bytes += static_cast<char>(u >> 8);
  }
  return bytes;
}

TEST(IniFile, Utf16FileIsReadAsShiftJisAndWrittenBackAsUtf16) {
  MemoryFileSystem fs;
  fs.CreateFolder("C:\\Q");
  const std::string path = "C:\\Q\\QUELT.INI";
  // "表示" and the half-width "ｷｬﾋﾞﾈｯﾄ" have Shift-JIS codes; the emoji (a
  // surrogate pair) and "한" have none and read as '?'.
  ASSERT_TRUE(fs.WriteFile(path, Utf16File(u"[Settings]\r\nMultiInstance=0\r\nName=表示\r\n"
                                           u"Kana=ｷｬﾋﾞﾈｯﾄ\r\nOdd=a\U0001F600b한\r\n")));
  IniFile ini;
  ASSERT_TRUE(LoadIniFile(fs, path, ini));
  EXPECT_EQ(ini.Encoding(), IniEncoding::kUtf16Le);
  EXPECT_EQ(ini.GetInt("Settings", "MultiInstance", 1), 0);
  EXPECT_EQ(ini.GetString("Settings", "Name"), "\x95\x5C\x8E\xA6");
  EXPECT_EQ(ini.GetString("Settings", "Kana"), "\xB7\xAC\xCB\xDE\xC8\xAF\xC4");
  EXPECT_EQ(ini.GetString("Settings", "Odd"), "a?b?");

  ini.SetInt("Settings", "MultiInstance", 1);
  ini.SetString("Settings", "Path", "C:\\\x95\x5C");
  ASSERT_TRUE(SaveIniFile(fs, path, ini));
  EXPECT_EQ(*fs.Content(path), Utf16File(u"[Settings]\r\nMultiInstance=1\r\nName=表示\r\n"
                                         u"Kana=ｷｬﾋﾞﾈｯﾄ\r\nOdd=a?b?\r\nPath=C:\\表\r\n"));
}

TEST(IniFile, OnlyAByteOrderMarkMakesAFileUtf16) {
  MemoryFileSystem fs;
  fs.CreateFolder("C:\\Q");
  const std::string path = "C:\\Q\\QUELT.INI";
  // Shift-JIS text keeps its form, whatever bytes it holds.
  ASSERT_TRUE(fs.WriteFile(path, "[A]\r\nk=\xFF\xFE\r\n"));
  IniFile ini;
  ASSERT_TRUE(LoadIniFile(fs, path, ini));
  EXPECT_EQ(ini.Encoding(), IniEncoding::kShiftJis);
  ASSERT_TRUE(SaveIniFile(fs, path, ini));
  EXPECT_EQ(*fs.Content(path), "[A]\r\nk=\xFF\xFE\r\n");
  // A mark alone is an empty UTF-16 file; an odd last byte is dropped.
  ASSERT_TRUE(fs.WriteFile(path, "\xFF\xFE"));
  ASSERT_TRUE(LoadIniFile(fs, path, ini));
  EXPECT_EQ(ini.Encoding(), IniEncoding::kUtf16Le);
  EXPECT_FALSE(ini.HasSection("A"));
  ASSERT_TRUE(fs.WriteFile(path, Utf16File(u"[A]\nk=v") + "x"));
  ASSERT_TRUE(LoadIniFile(fs, path, ini));
  EXPECT_EQ(ini.GetString("A", "k"), "v");
  // A file that cannot be read leaves an empty Shift-JIS model.
  EXPECT_FALSE(LoadIniFile(fs, "C:\\Q\\NONE.INI", ini));
  EXPECT_EQ(ini.Encoding(), IniEncoding::kShiftJis);
}

TEST(IniFile, VeryLongLinesSurvive) {
  const std::string longValue(200000, 'x');
  IniFile ini("[A]\nk=" + longValue + "\n");
  EXPECT_EQ(ini.GetString("A", "k").size(), longValue.size());
  EXPECT_EQ(IniFile(ini.Serialize()).GetString("A", "k"), longValue);
}

// Random bytes never crash the parser, and a parsed file reads back the same
// after being written out and parsed again.
TEST(IniFile, RandomBytesRoundTrip) {
  std::mt19937 rng(1234);
  const char alphabet[] = "[]=;\r\n \t\"'kKaA1-\x81\x5D\x83\x00\xFF";
  for (int round = 0; round < 2000; ++round) {
    std::string text(rng() % 300, '\0');
    for (char& c : text) {
      c = (rng() % 2) ? static_cast<char>(rng() % 256) : alphabet[rng() % (sizeof alphabet - 1)];
    }
    IniFile ini(text);
    const std::string once = ini.Serialize();
    IniFile again(once);
    EXPECT_EQ(again.Serialize(), once);
    for (const char* section : {"A", "a", "K", ""}) {
      EXPECT_EQ(ini.GetString(section, "k", "?"), again.GetString(section, "k", "?"));
      ini.GetInt(section, "A", 0);
    }
    ini.SetString("A", "k", "v");
    EXPECT_EQ(IniFile(ini.Serialize()).GetString("A", "k"), "v");
  }
}

}  // namespace
}  // namespace quelt
