#include "app/settings.h"

#include <gtest/gtest.h>

#include <random>

#include "base/memory_file_system.h"
#include "base/messages.h"

namespace quelt {
namespace {

class SettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    savedEnglish_ = IsEnglishInterface();
    SetEnglishInterface(false);
    fs.CreateFolder("C:\\Quelt");
  }
  void TearDown() override { SetEnglishInterface(savedEnglish_); }

  AppSettings Load(const std::string& text) {
    AppSettings s;
    result = LoadSettings(IniFile(text), paths, fs, s);
    return s;
  }

  AppSettings LoadSettingsFrom(const IniFile& ini) {
    AppSettings s;
    result = LoadSettings(ini, paths, fs, s);
    return s;
  }

  MemoryFileSystem fs;
  AppPaths paths = DeriveAppPaths("C:\\Quelt\\QUELT.EXE");
  SettingsLoadResult result;

 private:
  bool savedEnglish_ = false;
};

TEST_F(SettingsTest, EmptyFileGivesTheDefaults) {
  const AppSettings s = Load("");
  EXPECT_EQ(s.multiInstance, 1);
  EXPECT_EQ(s.recentFileListCount, 4);
  EXPECT_EQ(s.beepSoundType, 48);
  EXPECT_EQ(s.tabBarHeightAdjust, 0);  // not button style
  EXPECT_EQ(s.maxClipLength, 204800);
  EXPECT_EQ(s.subDirBufSize, 60 * 1024);
  EXPECT_EQ(s.rulerCursorColorref, 0x00FF00u);
  EXPECT_EQ(s.lineBackColorref, 0xFFFFFFu);
  EXPECT_EQ(s.netscapeDotExe, "Netscape.exe");
  EXPECT_EQ(s.columnOutString,
            "\x81\x41\x81\x42\x81\x43\x81\x44\x81\x6A\x81\x6E\x81\x70\x81\x76\x81\x78),.]}\xA1\xA3\xA4\xA5\xDE\xDF");
  EXPECT_EQ(s.backupFileFPath, "C:\\Quelt\\Backup\\");
  EXPECT_EQ(s.cipherFPath, "C:\\Quelt\\Cipher\\");
  EXPECT_FALSE(s.windowPos.has_value());
  EXPECT_TRUE(s.tabPosition.empty());
  EXPECT_FALSE(result.tabPositionInvalid);
  EXPECT_EQ(s.htmlMode.tabWidth, 150);
  EXPECT_EQ(s.htmlMode.enterColor, 2);
  EXPECT_EQ(s.htmlMode.measureType, 0);
  // Nothing is created while the folder features are off.
  EXPECT_FALSE(fs.IsFolder("C:\\Quelt\\Backup"));
}

TEST_F(SettingsTest, OutOfRangeReadsAsTheDefault) {
  EXPECT_EQ(Load("[Settings]\nRecentFileListCount=0\n").recentFileListCount, 4);
  EXPECT_EQ(Load("[Settings]\nRecentFileListCount=17\n").recentFileListCount, 4);
  EXPECT_EQ(Load("[Settings]\nRecentFileListCount=16\n").recentFileListCount, 16);
  EXPECT_EQ(Load("[Settings]\nRecentFileListCount=abc\n").recentFileListCount, 4);
  EXPECT_EQ(Load("[Settings]\nMaxClipLength=1023\n").maxClipLength, 204800);
  EXPECT_EQ(Load("[Settings]\nSubDirBufSizeKB=501\n").subDirBufSize, 60 * 1024);
  EXPECT_EQ(Load("[Settings]\nSubDirBufSizeKB=10\n").subDirBufSize, 10 * 1024);
  EXPECT_EQ(Load("[Settings]\nCountOfColorAreaComment=699\n").countOfColorAreaComment, 700);
  EXPECT_EQ(Load("[Settings]\nRulerBackColorref=16777216\n").rulerBackColorref, 0xC0C0C0u);
  EXPECT_EQ(Load("[Settings]\nRulerBackColorref=-1\n").rulerBackColorref, 0xC0C0C0u);
  EXPECT_EQ(Load("[Settings]\nBeepSoundType=-1\n").beepSoundType, -1);
  // The tool bar's edge: 0 top to 3 right.
  EXPECT_EQ(Load("[Settings]\nToolBarPosition=3\n").toolBarPosition, 3);
  EXPECT_EQ(Load("[Settings]\nToolBarPosition=4\n").toolBarPosition, 0);
  EXPECT_EQ(Load("[Settings]\nToolBarPosition=-1\n").toolBarPosition, 0);
}

TEST_F(SettingsTest, AutoSaveWaitIsAtMostHalfTheInterval) {
  EXPECT_EQ(Load("[Settings]\nAutoSaveIntervalSec=60\nAutoSaveWaitSec=31\n").autoSaveWaitSec, 5);
  EXPECT_EQ(Load("[Settings]\nAutoSaveIntervalSec=60\nAutoSaveWaitSec=30\n").autoSaveWaitSec, 30);
  EXPECT_EQ(Load("[Settings]\nAutoSaveWaitSec=0\n").autoSaveWaitSec, 5);
  // An interval out of range reads as 300 before the wait is checked.
  EXPECT_EQ(Load("[Settings]\nAutoSaveIntervalSec=5\nAutoSaveWaitSec=100\n").autoSaveWaitSec, 100);
}

TEST_F(SettingsTest, TabBarHeightNeedsButtonStyle) {
  EXPECT_EQ(Load("[Settings]\nTabBarHeightAdjust=7\n").tabBarHeightAdjust, 0);
  EXPECT_EQ(Load("[Settings]\nButtonStyleTabBar=1\nTabBarHeightAdjust=7\n").tabBarHeightAdjust, 7);
  EXPECT_EQ(Load("[Settings]\nButtonStyleTabBar=1\nTabBarHeightAdjust=0\n").tabBarHeightAdjust, 2);
}

TEST_F(SettingsTest, FavouriteFoldersCloseUp) {
  const AppSettings s = Load(
      "[Settings]\nFrequentlyUsedDirectory1=\nFrequentlyUsedDirectory2=C:\\two\n"
      "FrequentlyUsedDirectory4=C:\\four\n");
  EXPECT_EQ(s.frequentlyUsedDirectory[0], "C:\\two");
  EXPECT_EQ(s.frequentlyUsedDirectory[1], "C:\\four");
  EXPECT_EQ(s.frequentlyUsedDirectory[2], "");
  EXPECT_EQ(s.frequentlyUsedDirectory[3], "");
}

TEST_F(SettingsTest, WindowPosNeedsExactlyTenNumbers) {
  EXPECT_TRUE(Load("[Settings]\nWindowPos=2,1,-1,-1,-4,-4,10,20,800,600\n").windowPos.has_value());
  EXPECT_FALSE(Load("[Settings]\nWindowPos=2,1,-1,-1,-4,-4,10,20,800\n").windowPos.has_value());
  EXPECT_FALSE(Load("[Settings]\nWindowPos=2,1,-1,-1,-4,-4,10,20,800,600,1\n").windowPos.has_value());
  WindowPlacement p;
  EXPECT_FALSE(ParseWindowPos("", p));
  EXPECT_FALSE(ParseWindowPos("2,1,-1,-1,-4,-4,10,20,800,600x", p));
  EXPECT_FALSE(ParseWindowPos("-2,1,-1,-1,-4,-4,10,20,800,600", p));
  EXPECT_FALSE(ParseWindowPos("2,1,,-1,-4,-4,10,20,800,600", p));
  EXPECT_FALSE(ParseWindowPos("2,1,-1,-1,-4,-4,10,20,800,2147483648", p));
  ASSERT_TRUE(ParseWindowPos(" 2, 3,-1,-2,-4,-5,10,20,800,600", p));
  EXPECT_EQ(p.flags, 2u);
  EXPECT_EQ(p.showCmd, 3u);
  EXPECT_EQ(p.minY, -2);
  EXPECT_EQ(p.maxY, -5);
  EXPECT_EQ(p.bottom, 600);
  EXPECT_EQ(FormatWindowPos(p), "2,3,-1,-2,-4,-5,10,20,800,600");
  p.flags = 0xFFFFFFFFu;
  p.left = INT_MIN;
  WindowPlacement back;
  ASSERT_TRUE(ParseWindowPos(FormatWindowPos(p), back));
  EXPECT_EQ(back, p);
}

TEST_F(SettingsTest, TabPositionsBothWays) {
  std::vector<int> positions;
  ASSERT_TRUE(ParseTabPositions("5,9,17,", positions));
  EXPECT_EQ(positions, (std::vector<int>{4, 8, 16}));
  EXPECT_EQ(FormatTabPositions(positions), "5,9,17,");
  ASSERT_TRUE(ParseTabPositions(" 5, 9 ,17", positions));
  EXPECT_EQ(positions.size(), 3u);
  ASSERT_TRUE(ParseTabPositions("", positions));
  EXPECT_TRUE(positions.empty());
  for (const char* bad : {"5,,9,", ",", "a,", "0,", "9,5,", "5,5,", "5;9,", "10000,", "-1,"}) {
    positions = {1};
    EXPECT_FALSE(ParseTabPositions(bad, positions)) << bad;
    EXPECT_TRUE(positions.empty()) << bad;
  }
}

TEST_F(SettingsTest, TabPositionTextStopsNear95Characters) {
  std::vector<int> positions;
  for (int column = 1000; column < 1100; ++column) positions.push_back(column);  // "1001," = 5 characters
  const std::string text = FormatTabPositions(positions);
  EXPECT_EQ(text.size(), 95u);  // 19 positions: the text reached 95 after them
  std::vector<int> back;
  ASSERT_TRUE(ParseTabPositions(text, back));
  EXPECT_EQ(back, std::vector<int>(positions.begin(), positions.begin() + 19));
}

TEST_F(SettingsTest, UnreadableTabPositionIsReported) {
  const AppSettings s = Load("[Settings]\nTabPosition=8,x,\n");
  EXPECT_TRUE(result.tabPositionInvalid);
  EXPECT_TRUE(s.tabPosition.empty());
  EXPECT_EQ(Load("[Settings]\nTabPosition=9,17,\n").tabPosition, (std::vector<int>{8, 16}));
  EXPECT_FALSE(result.tabPositionInvalid);
}

TEST_F(SettingsTest, UserLineCommentIsChecked) {
  EXPECT_EQ(Load("[Settings]\nUserLineComment=#\n").userLineComment, "#");
  // A double-byte comment needs the double-byte aware search.
  EXPECT_EQ(Load("[Settings]\nUserLineComment=\x81\x9B\n").userLineComment, "");
  EXPECT_EQ(Load("[Settings]\nULCommentFullMode=1\nUserLineComment=\x81\x9B\n").userLineComment, "\x81\x9B");
  EXPECT_EQ(Load("[Settings]\nULCommentFullMode=1\nUserLineComment=#\x81\n").userLineComment, "");
  EXPECT_EQ(Load("[Settings]\nUserLineComment=a\tb\n").userLineComment, "");
  EXPECT_TRUE(IsValidUserLineComment("\xB1", 0));  // half-width kana
  EXPECT_FALSE(IsValidUserLineComment("\xFF", 1));
}

TEST_F(SettingsTest, FoldersFallBackWhileTheirFeatureIsOn) {
  fs.CreateFolder("D:\\Keep");
  AppSettings s = Load(
      "[Settings]\nMakeBackupFile=1\nBackupFileFPath=Z:\\gone\\\nMakeMirrorFile=1\nMirrorFileFPath=D:\\Keep\n"
      "DoCipher=0\nCipherFPath=Z:\\absent\\\n");
  EXPECT_EQ(s.backupFileFPath, "C:\\Quelt\\Backup\\");
  EXPECT_TRUE(fs.IsFolder("C:\\Quelt\\Backup"));
  EXPECT_EQ(s.mirrorFileFPath, "D:\\Keep");
  EXPECT_FALSE(fs.IsFolder("C:\\Quelt\\Mirror"));
  EXPECT_EQ(s.cipherFPath, "Z:\\absent\\");  // cipher saving is off: kept as written
  EXPECT_FALSE(fs.IsFolder("C:\\Quelt\\Cipher"));
  // An empty key with the feature on gives the default folder, created.
  s = Load("[Settings]\nDoCipher=1\n");
  EXPECT_EQ(s.cipherFPath, "C:\\Quelt\\Cipher\\");
  EXPECT_TRUE(fs.IsFolder("C:\\Quelt\\Cipher"));
}

TEST_F(SettingsTest, EnglishInterfaceRules) {
  SetEnglishInterface(true);
  const AppSettings s = Load(
      "[Settings]\nGlobalFindCodeDecision=3\nColumnOutString=abc\n"
      "[HtmlMode]\nMeasureType=7\nDefaultFontNo=4\nDlgFontNo=5\n");
  EXPECT_EQ(s.globalFindCodeDecision, 1);
  EXPECT_EQ(s.columnOutString, "abc");
  EXPECT_EQ(s.htmlMode.measureType, 1);
  EXPECT_EQ(s.htmlMode.defaultFontNo, 4);
  EXPECT_EQ(s.htmlMode.dlgFontNo, 4);  // 5 is out of range: the English default
  EXPECT_EQ(s.htmlMode.wordWrap, 1);

  IniFile ini("[Settings]\nColumnOutString=abc\n");
  AppSettings changed = s;
  changed.columnOutString = "xyz";
  SaveSettings(changed, ini);
  EXPECT_EQ(ini.GetString("Settings", "ColumnOutString"), "abc");
  EXPECT_EQ(ini.GetInt("Settings", "GlobalFindCodeDecision", 0), 1);
  IniFile fresh;
  SaveSettings(changed, fresh);
  EXPECT_FALSE(fresh.HasKey("Settings", "ColumnOutString"));

  const AppSettings defaults = Load("");
  EXPECT_EQ(defaults.htmlMode.measureType, 1);
  EXPECT_EQ(defaults.htmlMode.defaultFontNo, 4);
  EXPECT_EQ(Load("[HtmlMode]\nMeasureType=0\n").htmlMode.measureType, 0);
}

TEST_F(SettingsTest, JapaneseInterfaceHtmlModeRules) {
  EXPECT_EQ(Load("[Settings]\nGlobalFindCodeDecision=3\n").globalFindCodeDecision, 3);
  EXPECT_EQ(Load("[HtmlMode]\nMeasureType=7\n").htmlMode.measureType, 0);
  EXPECT_EQ(Load("[HtmlMode]\nMeasureType=1\n").htmlMode.measureType, 1);
  EXPECT_EQ(Load("[HtmlMode]\nDefaultFontNo=4\n").htmlMode.defaultFontNo, 0);
  EXPECT_EQ(Load("[HtmlMode]\nDefaultFontNo=3\n").htmlMode.defaultFontNo, 3);
  EXPECT_EQ(Load("[HtmlMode]\nTabWidth=0\n").htmlMode.tabWidth, 150);
  EXPECT_EQ(Load("[HtmlMode]\nTabWidth=300\n").htmlMode.tabWidth, 150);
  EXPECT_EQ(Load("[HtmlMode]\nTabWidth=8\n").htmlMode.tabWidth, 80);
  EXPECT_EQ(Load("[HtmlMode]\nTabColor=17\n").htmlMode.tabColor, 16);
  EXPECT_EQ(Load("[HtmlMode]\nTabColor=0\n").htmlMode.tabColor, 16);
}

TEST_F(SettingsTest, SaveWritesEveryKeyButTheReadOnlyOnes) {
  IniFile ini(
      "; kept\n[Settings]\nBeepSoundType=16\nUnknownKey=stays\nEnableCharSetCheck=0\n"
      "[HtmlMode]\nHScrollUnit=50\n[Private]\nx=1\n");
  AppSettings s = LoadSettingsFrom(ini);
  s.recentFileListCount = 9;
  s.tabPosition = {3, 7};
  s.subDirBufSize = 100 * 1024;
  s.htmlMode.tabWidth = 80;
  s.windowPos = WindowPlacement{2, 1, -1, -1, -4, -4, 10, 20, 800, 600};
  s.frequentlyUsedDirectory[0] = "C:\\fav";
  s.toolBarPosition = 2;
  SaveSettings(s, ini);

  EXPECT_EQ(ini.GetString("Settings", "UnknownKey"), "stays");
  EXPECT_EQ(ini.GetString("Private", "x"), "1");
  EXPECT_EQ(ini.Serialize().substr(0, 8), "; kept\r\n");
  EXPECT_EQ(ini.GetInt("Settings", "BeepSoundType", 0), 16);  // untouched
  EXPECT_EQ(ini.GetInt("HtmlMode", "HScrollUnit", 0), 50);
  EXPECT_FALSE(ini.HasKey("Settings", "NetscapeDotExe"));
  EXPECT_FALSE(ini.HasKey("Settings", "SpotConversionIME"));
  EXPECT_FALSE(ini.HasKey("HtmlMode", "DlgFontPoint"));
  EXPECT_EQ(ini.GetInt("Settings", "RecentFileListCount", 0), 9);
  EXPECT_EQ(ini.GetString("Settings", "TabPosition"), "4,8,");
  EXPECT_EQ(ini.GetInt("Settings", "SubDirBufSizeKB", 0), 100);
  EXPECT_EQ(ini.GetInt("HtmlMode", "TabWidth", 0), 8);
  EXPECT_EQ(ini.GetString("Settings", "WindowPos"), "2,1,-1,-1,-4,-4,10,20,800,600");
  EXPECT_EQ(ini.GetString("Settings", "FrequentlyUsedDirectory1"), "C:\\fav");
  EXPECT_TRUE(ini.HasKey("Settings", "ColumnOutString"));

  // What was written reads back the same.
  const AppSettings back = LoadSettingsFrom(IniFile(ini.Serialize()));
  EXPECT_EQ(back.recentFileListCount, 9);
  EXPECT_EQ(back.tabPosition, s.tabPosition);
  EXPECT_EQ(back.subDirBufSize, s.subDirBufSize);
  EXPECT_EQ(back.htmlMode.tabWidth, 80);
  EXPECT_EQ(back.windowPos, s.windowPos);
  EXPECT_EQ(back.columnOutString, s.columnOutString);
  EXPECT_EQ(back.beepSoundType, 16);
  EXPECT_EQ(back.toolBarPosition, 2);
}

TEST(RecentFiles, ReadAndWriteN) {
  IniFile ini("[Recent File List]\nFile1=C:\\a.txt\nFile2=\nFile3=C:\\c.txt\nFile9=C:\\z.txt\n");
  EXPECT_EQ(ReadRecentFiles(ini, 4), (std::vector<std::string>{"C:\\a.txt", "C:\\c.txt"}));
  WriteRecentFiles(ini, {"C:\\n1.txt", "", "C:\\n2.txt", "C:\\n3.txt"}, 2);
  EXPECT_EQ(ini.GetString("Recent File List", "File1"), "C:\\n1.txt");
  EXPECT_EQ(ini.GetString("Recent File List", "File2"), "C:\\n2.txt");
  EXPECT_FALSE(ini.HasKey("Recent File List", "File3"));
  EXPECT_FALSE(ini.HasKey("Recent File List", "File9"));
  EXPECT_EQ(ReadRecentFiles(ini, 99).size(), 2u);
}

// Whatever a user puts into the file, loading never fails and every value
// stays inside its range.
TEST_F(SettingsTest, RandomFilesLoadInsideTheRanges) {
  std::mt19937 rng(99);
  const char* keys[] = {"RecentFileListCount", "AutoSaveWaitSec", "AutoSaveIntervalSec", "TabBarHeightAdjust",
                        "ButtonStyleTabBar", "TabPosition", "WindowPos", "UserLineComment", "ULCommentFullMode",
                        "MakeBackupFile", "BackupFileFPath", "SubDirBufSizeKB", "TabWidth", "MeasureType",
                        "RulerBackColorref", "FrequentlyUsedDirectory2", "GlobalFindCodeDecision"};
  const char* values[] = {"0", "1", "-1", "17", "99999999999", "5,9,", "2,1,-1,-1,-4,-4,10,20,800,600",
                          "\x81", "\"", "abc", "", "8,x,", "Z:\\nowhere"};
  for (int round = 0; round < 500; ++round) {
    SetEnglishInterface(rng() % 2);
    std::string text;
    for (int line = 0; line < 30; ++line) {
      switch (rng() % 4) {
        case 0: text += (rng() % 2) ? "[Settings]\n" : "[HtmlMode]\n"; break;
        case 1:
          text += std::string(keys[rng() % std::size(keys)]) + "=" + values[rng() % std::size(values)] + "\n";
          break;
        default:
          for (int i = rng() % 40; i > 0; --i) text += static_cast<char>(rng() % 256);
          text += (rng() % 2) ? "\r\n" : "\r";
          break;
      }
    }
    const AppSettings s = Load(text);
    EXPECT_GE(s.recentFileListCount, 1);
    EXPECT_LE(s.recentFileListCount, 16);
    EXPECT_GE(s.autoSaveWaitSec, 1);
    EXPECT_LE(s.autoSaveWaitSec, s.autoSaveIntervalSec / 2);
    EXPECT_TRUE(s.tabBarHeightAdjust == 0 || (s.buttonStyleTabBar == 1 && s.tabBarHeightAdjust <= 10));
    EXPECT_GE(s.subDirBufSize, 10 * 1024);
    EXPECT_LE(s.subDirBufSize, 500 * 1024);
    EXPECT_LE(s.rulerBackColorref, 0xFFFFFFu);
    EXPECT_GE(s.htmlMode.tabWidth, 10);
    EXPECT_LE(s.htmlMode.tabWidth, 2990);
    EXPECT_TRUE(s.htmlMode.measureType == 0 || s.htmlMode.measureType == 1);
    EXPECT_LE(s.tabPosition.size(), kMaxTabPositions);
    EXPECT_TRUE(IsValidUserLineComment(s.userLineComment, s.uLCommentFullMode));
    if (IsEnglishInterface()) EXPECT_EQ(s.globalFindCodeDecision, 1);
    bool seenEmpty = false;
    for (const std::string& folder : s.frequentlyUsedDirectory) {
      if (folder.empty()) seenEmpty = true;
      else EXPECT_FALSE(seenEmpty);
    }
    if (s.makeBackupFile) EXPECT_TRUE(fs.IsFolder(s.backupFileFPath));
    IniFile out(text);
    SaveSettings(s, out);
    const AppSettings again = Load(out.Serialize());
    EXPECT_EQ(again.recentFileListCount, s.recentFileListCount);
    EXPECT_EQ(again.tabPosition, s.tabPosition);
  }
}

}  // namespace
}  // namespace quelt
