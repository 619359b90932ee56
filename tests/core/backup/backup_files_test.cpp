#include <gtest/gtest.h>

#include "backup/backup_files.h"
#include "base/memory_file_system.h"
#include "cipher/cipher.h"
#include "fake_host.h"
#include "text/char_code.h"
#include "text/text_store.h"

namespace quelt {
namespace {

class BackupFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs.CreateFolder("C:\\doc");
    options.makeBackup = true;
    options.backupFolder = "C:\\bak\\";
    options.mirrorFolder = "C:\\mir\\";
  }
  // One save of memo.txt with text: its backup and mirror copies.
  void Save(const std::string& text) {
    WriteSaveCopies(fs, host, options, cursor, text, "C:\\doc\\memo.txt");
  }
  std::string At(const std::string& path) const {
    const std::string* c = fs.Content(path);
    return c ? *c : "<none>";
  }

  MemoryFileSystem fs;
  test::FakeHost host;
  BackupOptions options;
  int cursor = kNoBackupYet;
};

TEST_F(BackupFilesTest, OneGenerationIsAlwaysNumberOne) {
  Save("a");
  Save("b");
  EXPECT_EQ(At("C:\\bak\\memo.$01"), "b");
  EXPECT_FALSE(fs.Exists("C:\\bak\\memo.$02"));
  EXPECT_EQ(host.beeps, 0);
}

TEST_F(BackupFilesTest, GenerationsWrapAtTheCount) {
  options.generationCount = 3;
  for (const char* t : {"1", "2", "3", "4"}) Save(t);
  EXPECT_EQ(At("C:\\bak\\memo.$01"), "4");
  EXPECT_EQ(At("C:\\bak\\memo.$02"), "2");
  EXPECT_EQ(At("C:\\bak\\memo.$03"), "3");
  EXPECT_EQ(cursor, 1);
}

TEST_F(BackupFilesTest, ReopenedDocumentsGoOnAfterTheNewestGeneration) {
  options.generationCount = 3;
  fs.CreateFolder("C:\\bak");
  fs.WriteFile("C:\\bak\\memo.$01", "old1");
  fs.WriteFile("C:\\bak\\memo.$02", "old2");
  fs.SetModified("C:\\bak\\memo.$01", {2026, 5, 2, 10, 0, 0});
  fs.SetModified("C:\\bak\\memo.$02", {2026, 5, 1, 10, 0, 0});
  int c = kNoBackupYet;
  EXPECT_EQ(BackupName(fs, options, c, "C:\\doc\\memo.txt"), "C:\\bak\\memo.$02");
  EXPECT_EQ(BackupName(fs, options, c, "C:\\doc\\memo.txt"), "C:\\bak\\memo.$03");
  EXPECT_EQ(BackupName(fs, options, c, "C:\\doc\\memo.txt"), "C:\\bak\\memo.$01");

  // Equal times keep the lower number; the newest being the last one
  // starts over at 01; times before 1970-01-01 01:00 do not count.
  fs.SetModified("C:\\bak\\memo.$02", {2026, 5, 2, 10, 0, 0});
  c = kNoBackupYet;
  EXPECT_EQ(BackupName(fs, options, c, "C:\\doc\\memo.txt"), "C:\\bak\\memo.$02");
  fs.WriteFile("C:\\bak\\memo.$03", "old3");
  fs.SetModified("C:\\bak\\memo.$03", {2026, 6, 1, 0, 0, 0});
  c = kNoBackupYet;
  EXPECT_EQ(BackupName(fs, options, c, "C:\\doc\\memo.txt"), "C:\\bak\\memo.$01");
  fs.SetModified("C:\\bak\\memo.$03", {1970, 1, 1, 1, 0, 0});
  c = kNoBackupYet;
  EXPECT_EQ(BackupName(fs, options, c, "C:\\doc\\memo.txt"), "C:\\bak\\memo.$02");
}

TEST_F(BackupFilesTest, NoPathNoCountOrEmptySaveWriteNothing) {
  int c = kNoBackupYet;
  EXPECT_EQ(BackupName(fs, options, c, ""), "");
  options.generationCount = 0;
  EXPECT_EQ(BackupName(fs, options, c, "C:\\doc\\memo.txt"), "");
  options.generationCount = 1;
  options.makeMirror = true;
  Save("");
  EXPECT_FALSE(fs.Exists("C:\\bak\\memo.$01"));
  EXPECT_FALSE(fs.Exists("C:\\mir\\doc\\memo.txt"));
  EXPECT_EQ(MirrorName(options, ""), "");
}

TEST_F(BackupFilesTest, NamesKeepEverythingBeforeTheLastDot) {
  int c = kNoBackupYet;
  EXPECT_EQ(BackupName(fs, options, c, "C:\\doc\\a.b.txt"), "C:\\bak\\a.b.$01");
  EXPECT_EQ(BackupName(fs, options, c, "C:\\doc\\README"), "C:\\bak\\README.$01");
  EXPECT_EQ(BackupName(fs, options, c, "C:\\doc\\.profile"), "C:\\bak\\.profile.$01");
}

TEST_F(BackupFilesTest, MirrorNamesWithAndWithoutSimpleMirror) {
  options.makeMirror = true;
  EXPECT_EQ(MirrorName(options, "C:\\doc\\a.txt"), "C:\\mir\\doc\\a.txt");
  EXPECT_EQ(MirrorName(options, "\\\\server\\share\\a.txt"), "C:\\mir\\server\\share\\a.txt");
  options.simpleMirror = true;
  EXPECT_EQ(MirrorName(options, "C:\\doc\\a.txt"), "C:\\mir\\a.txt");
  options.makeMirror = false;
  EXPECT_EQ(MirrorName(options, "C:\\doc\\a.txt"), "");
}

TEST_F(BackupFilesTest, BackupThenMirrorWithMissingFoldersCreated) {
  options.makeMirror = true;
  options.backupFolder = "C:\\deep\\er\\bak\\";
  Save("text");
  EXPECT_EQ(At("C:\\deep\\er\\bak\\memo.$01"), "text");
  EXPECT_EQ(At("C:\\mir\\doc\\memo.txt"), "text");
  EXPECT_EQ(host.beeps, 0);
}

TEST_F(BackupFilesTest, FailuresOnlyBeep) {
  options.makeMirror = true;
  fs.FailWritesAfter(0);
  Save("text");
  EXPECT_EQ(host.beeps, 2);  // the backup and the mirror
  fs.FailWritesAfter(-1);
  // A file where the backup folder should be.
  fs.WriteFile("C:\\file", "x");
  options.backupFolder = "C:\\file\\bak\\";
  options.makeMirror = false;
  Save("text");
  EXPECT_EQ(host.beeps, 3);
}

}  // namespace
}  // namespace quelt

namespace quelt {
namespace {

TEST(BackupOnly, WritesWhatASaveWouldWriteExceptInTheCipherFolder) {
  MemoryFileSystem fs;
  test::FakeHost host;
  TextStore store;
  ASSERT_TRUE(store.Create());
  store.Load("a\r\nb", DocumentKind::kText);
  store.SetLineEnd(static_cast<int>(LineEndId::kLf));
  BackupOptions options;
  options.makeBackup = true;
  options.backupFolder = "C:\\bak\\";
  options.generationCount = 2;
  CipherConfig cipher{true, "C:\\Cipher\\", "abcdef"};
  WriteBackupOnly(fs, host, options, cipher, store, "C:\\doc\\m.txt");
  ASSERT_NE(fs.Content("C:\\bak\\m.$01"), nullptr);
  EXPECT_EQ(*fs.Content("C:\\bak\\m.$01"), "a\nb");  // converted as the save would
  EXPECT_EQ(store.BackupGeneration(), 1);
  WriteBackupOnly(fs, host, options, cipher, store, "C:\\Cipher\\m.txt");
  EXPECT_FALSE(fs.Exists("C:\\bak\\m.$02"));
  EXPECT_FALSE(fs.Exists("C:\\doc\\m.txt"));  // the document's file is never written
  options.makeBackup = false;
  WriteBackupOnly(fs, host, options, cipher, store, "C:\\doc\\m.txt");
  EXPECT_FALSE(fs.Exists("C:\\bak\\m.$02"));
  EXPECT_EQ(host.beeps, 0);
}

TEST(BackupOnly, UnicodeDocumentsKeepTheirFormsAndHaveNoSizeLimit) {
  MemoryFileSystem fs;
  test::FakeHost host;
  TextStore store;
  ASSERT_TRUE(store.Create());
  std::string text = "\x81\x60";  // the tilde of code page 932, which came as WAVE DASH
  std::string expected = "\xEF\xBB\xBF\xE3\x80\x9C";
  while (text.size() <= kMaxConvertBytes) {
    text += "a\r\n";
    expected += "a\n";
  }
  store.Load(text, DocumentKind::kText);
  store.SetCharCode(static_cast<int>(CharCodeId::kUtf8Bom));
  store.SetLineEnd(static_cast<int>(LineEndId::kLf));
  store.SetForms(UnicodeForms{1 << kPairTilde, 0});
  BackupOptions options;
  options.makeBackup = true;
  options.backupFolder = "C:\\bak\\";
  CipherConfig cipher{false, "", ""};
  WriteBackupOnly(fs, host, options, cipher, store, "C:\\doc\\m.txt");
  EXPECT_TRUE(host.messages.empty());
  ASSERT_NE(fs.Content("C:\\bak\\m.$01"), nullptr);
  EXPECT_TRUE(*fs.Content("C:\\bak\\m.$01") == expected);
}

}  // namespace
}  // namespace quelt
