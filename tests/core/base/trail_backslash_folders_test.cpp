// Folders whose last character has the trail byte 0x5C ('\'), run through
// every place that cuts or joins a path: such a folder must never lose that
// byte, nor be taken to end in a separator.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/app_paths.h"
#include "app/security_page.h"
#include "backup/backup_files.h"
#include "base/memory_file_system.h"
#include "base/path.h"
#include "base/write_temp_name.h"
#include "cipher/cipher.h"
#include "fake_host.h"
#include "global_search/global_search.h"
#include "global_search/mask_text.h"
#include "global_search/tag_jump.h"
#include "marks/attribute_file.h"
#include "marks/doc_marks.h"
#include "record/operation_file_io.h"
#include "text/text_store.h"
#include "tools/tool_launch.h"
#include "tools/tool_parameters.h"

namespace quelt {
namespace {

// 予定表 (97 5C 92 E8 95 5C), ソ (83 5C), 予 (97 5C) and 機能 (8B 40 94 5C):
// each ends in a character whose second byte is 0x5C.
const std::vector<std::string> kFolders = {
    "D:\\\x97\x5C\x92\xE8\x95\x5C",
    "D:\\\x83\x5C",
    "D:\\work\\\x97\x5C",
    "D:\\\x8B\x40\x94\x5C",
};
// 表 alone, as a file or subfolder name.
const std::string kHyou = "\x95\x5C";

std::string In(const std::string& folder, const std::string& name) { return folder + "\\" + name; }

TEST(TrailBackslashFolders, PathHelpers) {
  for (const std::string& f : kFolders) {
    SCOPED_TRACE(f);
    EXPECT_FALSE(EndsWithSeparator(f));
    EXPECT_TRUE(EndsWithSeparator(f + "\\"));
    EXPECT_EQ(WithTrailingSeparator(f), f + "\\");
    EXPECT_EQ(WithTrailingSeparator(f + "\\"), f + "\\");
    EXPECT_EQ(WithoutTrailingSeparator(f), f);
    EXPECT_EQ(WithoutTrailingSeparator(f + "\\\\"), f);
    EXPECT_EQ(JoinPath(f, "a.txt"), In(f, "a.txt"));
    EXPECT_EQ(FolderOf(In(f, kHyou)), f + "\\");
    EXPECT_EQ(FileNameOf(In(f, kHyou)), kHyou);
  }
  EXPECT_EQ(WithoutTrailingSeparator("C:\\"), "C:\\");
  EXPECT_EQ(WithoutTrailingSeparator("\\"), "\\");
  EXPECT_EQ(WithTrailingSeparator(""), "");
  EXPECT_FALSE(EndsWithSeparator(""));
  EXPECT_FALSE(HasFolderPart(kHyou + ".mac"));
  EXPECT_TRUE(HasFolderPart("C:x.mac"));
  EXPECT_TRUE(HasFolderPart("a\\" + kHyou));
}

TEST(TrailBackslashFolders, SecurityPageKeepsTheLastCharacter) {
  for (const std::string& f : kFolders) {
    SCOPED_TRACE(f);
    EXPECT_EQ(FolderForStorage(f), f + "\\");
    EXPECT_EQ(FolderForStorage(" " + f + "\t"), f + "\\");
    EXPECT_EQ(FolderForDisplay(f + "\\"), f);
    EXPECT_EQ(FolderForDisplay(f), f);
    // Opening the page and pressing OK stores every folder as it was.
    AppSettings s;
    s.autoSaveIntervalSec = 300;
    s.backupFileGenerationCount = 1;
    s.backupFileFPath = s.mirrorFileFPath = s.cipherFPath = f + "\\";
    CipherSecrets secrets;
    const SecurityPageValues v = SecurityPageValues::FromSettings(s, secrets);
    ASSERT_EQ(v.Apply(s, secrets), nullptr);
    EXPECT_EQ(s.backupFileFPath, f + "\\");
    EXPECT_EQ(s.mirrorFileFPath, f + "\\");
    EXPECT_EQ(s.cipherFPath, f + "\\");
  }
  EXPECT_EQ(FolderForDisplay("C:\\"), "C:\\");
}

TEST(TrailBackslashFolders, BackupAndMirrorCopiesGoIntoTheFolder) {
  for (const std::string& f : kFolders) {
    SCOPED_TRACE(f);
    MemoryFileSystem fs;
    test::FakeHost host;
    // Stored with its separator and, as an older settings file may hold
    // it, without.
    for (const std::string& stored : {f + "\\", f}) {
      BackupOptions o;
      o.makeBackup = o.makeMirror = true;
      o.backupFolder = o.mirrorFolder = stored;
      int cursor = kNoBackupYet;
      EXPECT_EQ(BackupName(fs, o, cursor, In(f, "memo.txt")), In(f, "memo.$01"));
      EXPECT_EQ(MirrorName(o, "C:\\" + kHyou + "\\doc.txt"), In(f, kHyou + "\\doc.txt"));
      o.simpleMirror = true;
      EXPECT_EQ(MirrorName(o, In(f, "doc.txt")), In(f, "doc.txt"));
    }
    BackupOptions o;
    o.makeBackup = o.makeMirror = true;
    o.backupFolder = f + "\\bak\\";
    o.mirrorFolder = f + "\\";
    int cursor = kNoBackupYet;
    WriteSaveCopies(fs, host, o, cursor, "bytes", In(f, kHyou + ".txt"));
    ASSERT_NE(fs.Content(In(f, "bak\\" + kHyou + ".$01")), nullptr);
    // The mirror copy's folder below the mirror folder is made with its levels.
    const std::string mirror = In(f, In(f.substr(3), kHyou + ".txt"));
    ASSERT_NE(fs.Content(mirror), nullptr);
    EXPECT_EQ(*fs.Content(mirror), "bytes");
    EXPECT_EQ(host.beeps, 0);
  }
}

TEST(TrailBackslashFolders, CipherFolderTakesOnlyItsOwnFiles) {
  for (const std::string& f : kFolders) {
    SCOPED_TRACE(f);
    for (const std::string& stored : {f + "\\", f}) {
      CipherConfig c;
      c.doCipher = true;
      c.folder = stored;
      EXPECT_TRUE(InCipherFolder(c, In(f, "a.txt")));
      EXPECT_TRUE(InCipherFolder(c, In(f, "sub\\a.txt")));
      EXPECT_TRUE(InCipherFolder(c, FoldCase(In(f, "A.TXT"))));
      EXPECT_FALSE(InCipherFolder(c, In(f + "X", "a.txt")));
      EXPECT_FALSE(InCipherFolder(c, f + "doc.txt"));
    }
  }
}

TEST(TrailBackslashFolders, AttributeFilesLieBesideTheText) {
  for (const std::string& f : kFolders) {
    SCOPED_TRACE(f);
    EXPECT_EQ(AttributeFilePath(In(f, "memo.txt")), In(f, "memo.ATR"));
    EXPECT_EQ(AttributeFilePath(In(f, "README")), In(f, "README.ATR"));
    EXPECT_EQ(AttributeFilePath(In(f, kHyou)), In(f, kHyou + ".ATR"));
    MemoryFileSystem fs;
    test::FakeHost host;
    ASSERT_TRUE(fs.CreateFolder(f));
    TextStore store;
    ASSERT_TRUE(store.Create());
    store.Load("aa\r\nbb", DocumentKind::kText);
    DocMarks marks;
    marks.SetMarks({-2}, {});
    ASSERT_TRUE(WriteAttributeFile(marks, store, In(f, "memo.txt"), fs, host, true, true));
    EXPECT_TRUE(fs.Exists(In(f, "memo.ATR")));
    AttributeMarks out;
    ASSERT_TRUE(ReadAttributeFile(In(f, "memo.txt"), fs, host, store, out));
    EXPECT_EQ(out.lines, (std::vector<std::int32_t>{-2}));
  }
}

TEST(TrailBackslashFolders, StateAndTemporaryNames) {
  for (const std::string& f : kFolders) {
    SCOPED_TRACE(f);
    const AppPaths p = DeriveAppPaths(In(f, "quelt.exe"));
    EXPECT_EQ(p.exeFolder, f + "\\");
    EXPECT_EQ(p.stateFile, In(f, "quelt.DAT"));
    EXPECT_EQ(p.tempFile, In(f, "quelt.TM1"));
    EXPECT_EQ(p.dataFile, In(f, "quelt.LST"));
    EXPECT_EQ(p.backupFolder, In(f, "Backup\\"));
    EXPECT_EQ(p.defaultCabinet, In(f, "quelt.cab"));
    // The program in a folder named 表 itself.
    EXPECT_EQ(DeriveAppPaths(In(f, kHyou + ".exe")).stateFile, In(f, kHyou + ".DAT"));
    EXPECT_EQ(FolderOf(WriteTempName(In(f, kHyou), 1, 0)), f + "\\");
  }
}

class NoStop : public GlobalSearchSink {
 public:
  void OnResult(std::string_view line) override { lines.emplace_back(line); }
  bool KeepGoing(std::string_view, std::uint32_t) override { return true; }
  std::vector<std::string> lines;
};

TEST(TrailBackslashFolders, GlobalSearchMasksAndResultLines) {
  for (const std::string& f : kFolders) {
    SCOPED_TRACE(f);
    EXPECT_EQ(JoinMaskText("*.txt", f), In(f, "*.txt"));
    EXPECT_EQ(JoinMaskText("\"*.txt\"", f), "\"" + In(f, "*.txt") + "\"");
    EXPECT_EQ(SplitMasks(In(f, "*.txt") + " *.c"), (std::vector<std::string>{In(f, "*.txt"), In(f, "*.c")}));

    MemoryFileSystem fs;
    ASSERT_TRUE(fs.CreateFolder(In(f, kHyou)));
    ASSERT_TRUE(fs.WriteFile(In(f, "a.txt"), "foo\r\n"));
    ASSERT_TRUE(fs.WriteFile(In(f, kHyou + "\\b.txt"), "x\r\nfoo\r\n"));
    // A sibling folder whose name only starts the same way is not searched.
    ASSERT_TRUE(fs.CreateFolder(f + "X"));
    ASSERT_TRUE(fs.WriteFile(In(f + "X", "c.txt"), "foo\r\n"));
    GlobalSearchRequest r;
    r.text = "foo";
    r.maskText = *JoinMaskText("*.txt", f);
    r.subfolders = true;
    NoStop sink;
    const GlobalSearchOutcome o = RunGlobalSearch(fs, r, {}, sink);
    EXPECT_EQ(o.files, 2u);
    ASSERT_EQ(sink.lines.size(), 2u);
    EXPECT_EQ(sink.lines[0], In(f, "a.txt") + "(1): foo\r\n");
    EXPECT_EQ(sink.lines[1], In(f, kHyou + "\\b.txt") + "(2): foo\r\n");

    // The tag jump reads each result line back to its file and line.
    const std::optional<TagJumpTarget> t = ParseTagJumpLine(sink.lines[1]);
    ASSERT_TRUE(t);
    EXPECT_EQ(t->path, In(f, kHyou + "\\b.txt"));
    EXPECT_EQ(t->line, 2u);
  }
}

TEST(TrailBackslashFolders, UserToolVariablesAndOperationFiles) {
  for (const std::string& f : kFolders) {
    SCOPED_TRACE(f);
    const ToolDocument doc{In(f, kHyou + ".txt"), 3, 4};
    EXPECT_EQ(ExpandParameters("$n|$f|$l", &doc, LocalTime{}, ""), kHyou + ".txt|" + In(f, kHyou + ".txt") + "|3");
    ProgramRun run;
    run.command = In(f, "tool.exe");
    EXPECT_EQ(PlanToolLaunch(run, "", "").startFolder, f + "\\");
    run.command = "\"" + In(f, "my tool.exe") + "\"";
    EXPECT_EQ(PlanToolLaunch(run, "", "").startFolder, f + "\\");
    EXPECT_EQ(ExplorerRun(f).command, In(f, "explorer.exe"));
    // A bare name whose last character ends in 0x5C is an operation file
    // beside the program; a path in such a folder is played as it is.
    EXPECT_EQ(OperationPlayPath(f + "\\", kHyou + ".mac"), In(f, kHyou + ".mac"));
    EXPECT_EQ(OperationPlayPath("C:\\q\\", In(f, "x.mac")), In(f, "x.mac"));
  }
}

TEST(TrailBackslashFolders, MemoryFileSystemKeepsThemApart) {
  for (const std::string& f : kFolders) {
    SCOPED_TRACE(f);
    MemoryFileSystem fs;
    ASSERT_TRUE(fs.CreateFolder(f + "\\"));
    EXPECT_TRUE(fs.IsFolder(f));
    // The folder without its last character was never made.
    EXPECT_FALSE(fs.IsFolder(f.substr(0, f.size() - 1)));
    std::vector<DirEntry> list;
    ASSERT_TRUE(fs.ListFolder(FolderOf(f), list));
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].name, FileNameOf(f));
    ASSERT_TRUE(fs.WriteFile(In(f, "a.txt"), "x"));
    ASSERT_TRUE(fs.ListFolder(f, list));
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].name, "a.txt");
  }
}

}  // namespace
}  // namespace quelt
