#include "app/command_line.h"

#include <gtest/gtest.h>

#include "app/app_paths.h"
#include "base/messages.h"

namespace quelt {
namespace {

class EnglishInterface {
 public:
  explicit EnglishInterface(bool english) : saved_(IsEnglishInterface()) { SetEnglishInterface(english); }
  ~EnglishInterface() { SetEnglishInterface(saved_); }

 private:
  bool saved_;
};

TEST(CommandLine, LineAndColumnBeforeAFile) {
  const CommandLine cl = ParseCommandLine("/L=10 -c5 C:\\docs\\a.txt");
  EXPECT_EQ(cl.line, 10);
  EXPECT_EQ(cl.column, 5);
  EXPECT_EQ(cl.fileList, "C:\\docs\\a.txt");
  const CommandLine lineOnly = ParseCommandLine("-l10 a.txt");
  EXPECT_EQ(lineOnly.line, 10);
  EXPECT_EQ(lineOnly.column, 0);
}

TEST(CommandLine, OptionsAndTheirOddForms) {
  const CommandLine cl = ParseCommandLine("  /Qsilent /Z=what /Lx /C99999999999 ");
  EXPECT_TRUE(cl.quiet);
  EXPECT_EQ(cl.line, 0);
  EXPECT_EQ(cl.column, 0);
  EXPECT_TRUE(cl.fileList.empty());
  EXPECT_TRUE(ParseCommandLine("-q").quiet);
  EXPECT_EQ(ParseCommandLine("/ / -").fileList, "");
}

TEST(CommandLine, QuotedCabinetWithBlanks) {
  const CommandLine cl = ParseCommandLine("/A=\"C:\\My Cabinets\\work one.cab\" /L3 x.txt");
  EXPECT_EQ(cl.cabinetPath, "C:\\My Cabinets\\work one.cab");
  EXPECT_EQ(cl.line, 3);
  EXPECT_EQ(cl.fileList, "x.txt");
  EXPECT_EQ(ParseCommandLine("-aC:\\w.cab").cabinetPath, "C:\\w.cab");
  // A quote that is never closed runs to the end.
  EXPECT_EQ(ParseCommandLine("/A\"C:\\a b.cab").cabinetPath, "C:\\a b.cab");
}

TEST(CommandLine, OverlongValuesAreIgnored) {
  const std::string longPath = "C:\\" + std::string(257, 'x') + ".cab";  // 264 characters
  EXPECT_EQ(ParseCommandLine("/A\"" + longPath + "\" /L4").cabinetPath, "");
  EXPECT_EQ(ParseCommandLine("/A\"" + longPath + "\" /L4").line, 4);
  const std::string path255 = std::string(255, 'y');
  EXPECT_EQ(ParseCommandLine("/A" + path255).cabinetPath, path255);
  EXPECT_EQ(ParseCommandLine("/A" + path255 + "y").cabinetPath, "");
  EXPECT_EQ(ParseCommandLine(std::string(256, 'f')).fileList, "");
  EXPECT_EQ(ParseCommandLine(std::string(255, 'f')).fileList, std::string(255, 'f'));
}

TEST(CommandLine, SecondByteIsNeverADelimiter) {
  // 0x95 0x5C has a backslash as its second byte; a lead byte followed by a
  // blank keeps the blank as its second byte.
  const std::string sjisName = "C:\\\x95\x5C\x81\x40\x83\x41.cab";
  const CommandLine cl = ParseCommandLine("/A" + sjisName + " /Q");
  EXPECT_EQ(cl.cabinetPath, sjisName);
  EXPECT_TRUE(cl.quiet);
  EXPECT_EQ(ParseCommandLine("/AC:\\\x82 x.cab /L2").cabinetPath, "C:\\\x82 x.cab");
  // An option letter that is a double-byte character skips the item whole.
  EXPECT_EQ(ParseCommandLine("/\x81\x51 /L7").line, 7);
}

TEST(CommandLine, FileListDropsTheOpeningQuote) {
  EXPECT_EQ(ParseCommandLine("\"C:\\My Docs\\a b.txt\"").fileList, "C:\\My Docs\\a b.txt");
  EXPECT_EQ(ParseCommandLine("\"C:\\My Docs\\a b.txt").fileList, "C:\\My Docs\\a b.txt");
  // Several quoted names keep their quotes for the split.
  EXPECT_EQ(ParseCommandLine("\"C:\\a b\" \"D:\\c d\"").fileList, "\"C:\\a b\" \"D:\\c d\"");
  // Options after the first file belong to the file list.
  EXPECT_EQ(ParseCommandLine("a.txt /L5").fileList, "a.txt /L5");
}

TEST(FileList, OneAbsolutePathWithABlankIsOneFile) {
  const auto fromPlain = SplitFileList(ParseCommandLine("C:\\My Documents\\memo.txt").fileList);
  const auto fromQuoted = SplitFileList(ParseCommandLine("\"C:\\My Documents\\memo.txt\"").fileList);
  EXPECT_EQ(fromPlain, std::vector<std::string>{"C:\\My Documents\\memo.txt"});
  EXPECT_EQ(fromQuoted, fromPlain);
}

TEST(FileList, TwoAbsolutePathsAreTwoFiles) {
  EXPECT_EQ(SplitFileList("C:\\a.txt \\\\server\\share\\b.txt"),
            (std::vector<std::string>{"C:\\a.txt", "\\\\server\\share\\b.txt"}));
  EXPECT_EQ(SplitFileList(ParseCommandLine("\"C:\\a b.txt\"  \"D:\\c d.txt\"").fileList),
            (std::vector<std::string>{"C:\\a b.txt", "D:\\c d.txt"}));
}

TEST(FileList, RelativeNamesMakeOneName) {
  EXPECT_EQ(SplitFileList("memo one.txt"), std::vector<std::string>{"memo one.txt"});
  EXPECT_EQ(SplitFileList("C:\\a.txt b.txt"), std::vector<std::string>{"C:\\a.txt b.txt"});
  EXPECT_TRUE(SplitFileList("").empty());
  EXPECT_TRUE(SplitFileList("  \"\" ").empty());
}

TEST(FileList, AtMostTwentyNames) {
  std::string text;
  for (int i = 1; i <= 21; ++i) text += "C:\\f" + std::to_string(i) + ".txt ";
  const auto names = SplitFileList(text);
  ASSERT_EQ(names.size(), 20u);
  EXPECT_EQ(names.front(), "C:\\f1.txt");
  EXPECT_EQ(names.back(), "C:\\f20.txt");
}

TEST(FileList, DoubleByteNamesAreNotSplitInside) {
  // 0x82 0x20 is not a valid character, but a lead byte followed by a blank
  // byte must still keep the pair together.
  const std::string a = "C:\\\x82\xA0.txt";
  const std::string b = "D:\\\x95\x5C.txt";
  EXPECT_EQ(SplitFileList(a + " " + b), (std::vector<std::string>{a, b}));
  EXPECT_EQ(SplitFileList("C:\\\x82 x.txt"), std::vector<std::string>{"C:\\\x82 x.txt"});
}

TEST(OpenChoice, HtmlNameTest) {
  EXPECT_TRUE(IsHtmlName("a.htm"));
  EXPECT_TRUE(IsHtmlName("C:\\PAGE.HTM"));
  EXPECT_TRUE(IsHtmlName("x.Html"));
  EXPECT_FALSE(IsHtmlName(".htm"));
  EXPECT_FALSE(IsHtmlName("a.htmx"));
  EXPECT_FALSE(IsHtmlName("a.txt"));
}

TEST(OpenChoice, FromTheKeys) {
  EnglishInterface japanese(false);
  const OpenChoice text{kOpenKindText, false};
  const OpenChoice textHtml{kOpenKindText, true};
  const OpenChoice binary{kOpenKindBinary, false};
  const OpenChoice visual{kOpenKindHtmlVisual, false};
  // Upper-case .HTM: HTML flag with no key, plain text with Shift.
  EXPECT_EQ(ChooseDocumentKind("C:\\INDEX.HTM", false, false, true), textHtml);
  EXPECT_EQ(ChooseDocumentKind("C:\\INDEX.HTM", false, true, true), text);
  EXPECT_EQ(ChooseDocumentKind("C:\\a.txt", false, true, true), textHtml);
  EXPECT_EQ(ChooseDocumentKind("C:\\a.txt", false, false, false), text);
  EXPECT_EQ(ChooseDocumentKind("C:\\a.txt", true, false, true), binary);
  // Ctrl where it is not allowed counts as no key.
  EXPECT_EQ(ChooseDocumentKind("C:\\a.htm", true, false, false), textHtml);
  EXPECT_EQ(ChooseDocumentKind("C:\\a.txt", true, true, false), visual);
}

TEST(OpenChoice, CtrlShiftIsJapaneseOnly) {
  EnglishInterface english(true);
  EXPECT_EQ(ChooseDocumentKind("C:\\a.htm", true, true, true), (OpenChoice{kOpenKindText, true}));
  EXPECT_EQ(ChooseDocumentKind("C:\\a.txt", true, true, true), (OpenChoice{kOpenKindText, false}));
}

TEST(Dde, OpenCommandBothWays) {
  const std::string path = "C:\\My Docs\\\x95\x5C.txt";
  const std::string command = BuildDdeOpenCommand(path);
  EXPECT_EQ(command, "[open(\"" + path + "\")]");
  std::string back;
  ASSERT_TRUE(ParseDdeOpenCommand(command, back));
  EXPECT_EQ(back, path);
  EXPECT_FALSE(ParseDdeOpenCommand("[print(\"C:\\a.txt\")]", back));
  EXPECT_FALSE(ParseDdeOpenCommand("[open(\"\")]", back));
  EXPECT_FALSE(ParseDdeOpenCommand("[open(", back));
  EXPECT_FALSE(ParseDdeOpenCommand(BuildDdeOpenCommand(std::string(300, 'x')), back));
  ASSERT_TRUE(ParseDdeOpenCommand("[open(\"C:\\cut", back));
  EXPECT_EQ(back, "C:\\cut");
}

TEST(FrameTitle, CabinetTitleOrABlank) {
  // The file title keeps the extension; only the folder goes.
  EXPECT_EQ(FrameTitleText("C:\\Cabs\\work.cab"), "Kav Quelt : work.cab");
  EXPECT_EQ(FrameTitleText("C:\\Cabs.d\\work"), "Kav Quelt : work");
  EXPECT_EQ(FrameTitleText("C:\\Cabs\\\x95\x5C.cab"), "Kav Quelt : \x95\x5C.cab");
  EXPECT_EQ(FrameTitleText(""), "Kav Quelt :  ");
  EXPECT_EQ(FrameTitleText("C:\\Cabs\\"), "Kav Quelt :  ");
}

TEST(AppPaths, DerivedFromTheExecutable) {
  const AppPaths p = DeriveAppPaths("C:\\Tools\\Quelt\\QUELT.EXE");
  EXPECT_EQ(p.exeFolder, "C:\\Tools\\Quelt\\");
  EXPECT_EQ(p.settingsFile, "C:\\Tools\\Quelt\\QUELT.INI");
  EXPECT_EQ(p.stateFile, "C:\\Tools\\Quelt\\QUELT.DAT");
  EXPECT_EQ(p.tempFile, "C:\\Tools\\Quelt\\QUELT.TM1");
  EXPECT_EQ(p.dataFile, "C:\\Tools\\Quelt\\QUELT.LST");
  EXPECT_EQ(p.keyFile, "C:\\Tools\\Quelt\\QUELT.key");
  EXPECT_EQ(p.backupFolder, "C:\\Tools\\Quelt\\Backup\\");
  EXPECT_EQ(p.mirrorFolder, "C:\\Tools\\Quelt\\Mirror\\");
  EXPECT_EQ(p.cipherFolder, "C:\\Tools\\Quelt\\Cipher\\");
  EXPECT_EQ(p.defaultCabinet, "C:\\Tools\\Quelt\\quelt.cab");
  EXPECT_EQ(InstanceMutexName(p), "QUELT11");
}

TEST(AppPaths, LongExecutablePaths) {
  const std::string folder = "C:\\" + std::string(236, 'd') + "\\";  // 240 characters
  const AppPaths at250 = DeriveAppPaths(folder + "quelt1.exe");
  EXPECT_EQ(at250.exePath.size(), 250u);
  EXPECT_EQ(at250.defaultCabinet, folder + "quelt.cab");
  const AppPaths at251 = DeriveAppPaths(folder + "quelt12.exe");
  EXPECT_TRUE(at251.defaultCabinet.empty());
  EXPECT_EQ(at251.stateFile, folder + "quelt12.DAT");
  const AppPaths at260 = DeriveAppPaths(folder + std::string(16, 'q') + ".exe");
  EXPECT_TRUE(at260.stateFile.empty());
  EXPECT_TRUE(at260.settingsFile.empty());
  EXPECT_TRUE(DeriveAppPaths("").backupFolder.empty());
  EXPECT_TRUE(InstanceMutexName(at260).empty());
}

}  // namespace
}  // namespace quelt
