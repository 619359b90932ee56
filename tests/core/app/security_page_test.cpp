#include <gtest/gtest.h>

#include "app/security_page.h"
#include "base/memory_file_system.h"
#include "base/messages.h"
#include "cipher/cipher_entry.h"
#include "fake_host.h"

namespace quelt {
namespace {

TEST(SecurityPage, FoldersShowWithoutTheirFinalBackslash) {
  EXPECT_EQ(FolderForDisplay("C:\\a\\b\\"), "C:\\a\\b");
  EXPECT_EQ(FolderForDisplay("C:\\"), "C:\\");
  EXPECT_EQ(FolderForDisplay(""), "");
  EXPECT_EQ(FolderForStorage(" C:\\a\\b "), "C:\\a\\b\\");
  EXPECT_EQ(FolderForStorage("C:\\"), "C:\\");
  EXPECT_EQ(FolderForStorage(""), "");
}

TEST(SecurityPage, ApplyChecksTheNumbersFirst) {
  AppSettings s;
  s.autoSaveIntervalSec = 300;
  s.autoSaveWaitSec = 100;
  s.backupFileGenerationCount = 1;
  CipherSecrets stored;
  SecurityPageValues v = SecurityPageValues::FromSettings(s, stored);
  v.interval = "9";
  EXPECT_EQ(v.Apply(s, stored), &SecurityPageValues::interval);
  v.interval = "20";
  v.generationCount = "100";
  EXPECT_EQ(v.Apply(s, stored), &SecurityPageValues::generationCount);
  EXPECT_EQ(s.autoSaveIntervalSec, 300);  // nothing applied
  v.generationCount = "99";
  v.backupFolder = std::string(300, 'a');
  EXPECT_EQ(v.Apply(s, stored), &SecurityPageValues::backupFolder);
  v.backupFolder = "D:\\bak";
  v.backupOnly = true;
  v.secrets.key = "abcdef";
  EXPECT_EQ(v.Apply(s, stored), nullptr);
  EXPECT_EQ(s.autoSaveIntervalSec, 20);
  EXPECT_EQ(s.autoSaveWaitSec, 10);  // within half the interval
  EXPECT_EQ(s.autoSaveOriginalFile, 0);
  EXPECT_EQ(s.backupFileFPath, "D:\\bak\\");
  EXPECT_EQ(s.backupFileGenerationCount, 99);
  EXPECT_EQ(stored.key, "abcdef");
}

TEST(SecurityPage, CheckedOptionsNeedTheirFoldersAndCipherAKey) {
  MemoryFileSystem fs;
  test::FakeHost host;
  fs.CreateFolder("C:\\bak");
  SecurityPageValues v;
  v.makeBackup = true;
  v.backupFolder = "C:\\bak";
  v.makeMirror = false;
  v.mirrorFolder = "";  // not checked: not looked at
  EXPECT_EQ(CheckSecurityFolders(v, fs, host), nullptr);
  v.makeMirror = true;
  EXPECT_EQ(CheckSecurityFolders(v, fs, host), &SecurityPageValues::mirrorFolder);
  v.mirrorFolder = "C:\\new\\mirror";
  host.answers.push_back(Answer::kCancel);
  EXPECT_EQ(CheckSecurityFolders(v, fs, host), &SecurityPageValues::mirrorFolder);
  ASSERT_EQ(host.questions.size(), 1u);
  EXPECT_EQ(host.questions[0], kMsgFolderMissingCreate);
  EXPECT_EQ(host.args.back(), "C:\\new\\mirror");
  host.answers.push_back(Answer::kOk);
  EXPECT_EQ(CheckSecurityFolders(v, fs, host), nullptr);
  EXPECT_TRUE(fs.IsFolder("C:\\new\\mirror"));
  v.doCipher = true;
  v.cipherFolder = "C:\\bak";
  EXPECT_EQ(CheckSecurityFolders(v, fs, host), &SecurityPageValues::cipherFolder);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0], kMsgCipherKeyMissing);
  v.secrets.key = "abcdef";
  EXPECT_EQ(CheckSecurityFolders(v, fs, host), nullptr);
}

TEST(CipherEntry, KeyAndPasswordChecks) {
  // No key yet: the current field is not looked at.
  EXPECT_TRUE(CheckNewKey("", "ignored", "abc123", "abc123").Accepted());
  EXPECT_EQ(CheckNewKey("abc123", "abc12", "xyz789", "xyz789").refused, SecretField::kCurrent);
  EXPECT_EQ(CheckNewKey("", "", "abc-12", "abc-12").refused, SecretField::kNew);
  EXPECT_EQ(CheckNewKey("", "", "abc123", "abc124").refused, SecretField::kRepeat);
  const SecretCheck shortKey = CheckNewKey("", "", "abcde", "abcde");
  EXPECT_EQ(shortKey.refused, SecretField::kNone);
  EXPECT_TRUE(shortKey.keyTooShort);
  EXPECT_FALSE(shortKey.Accepted());
  EXPECT_TRUE(CheckNewKey("abc123", "abc123", "", "").Accepted());  // the key is removed
  EXPECT_EQ(CheckNewKey("", "", std::string(33, 'a'), std::string(33, 'a')).refused, SecretField::kNew);
  // A password has no minimum length.
  EXPECT_TRUE(CheckNewPassword("", "", "a", "a").Accepted());
  EXPECT_EQ(CheckNewPassword("pw", "PW", "", "").refused, SecretField::kCurrent);
  EXPECT_EQ(CheckNewPassword("", "", "\x82\xA0", "\x82\xA0").refused, SecretField::kNew);
}

}  // namespace
}  // namespace quelt
