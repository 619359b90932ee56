#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <vector>

#include "base/memory_file_system.h"
#include "base/messages.h"
#include "cipher/cipher.h"
#include "fake_host.h"
#include "text/char_code.h"
#include "text/text_store.h"

namespace quelt {
namespace {

TEST(Cipher, EncipheredTextIsTwiceAsLongWithSmallLowNibbles) {
  std::string out;
  ASSERT_TRUE(Encipher("abcdef", std::string("\x00\xFF\r\n\x82\xA0xyz", 9), out));
  ASSERT_EQ(out.size(), 18u);
  for (std::size_t i = 1; i < out.size(); i += 2) EXPECT_LE(static_cast<std::uint8_t>(out[i]) & 0x0F, 9) << i;
  // The first byte: ('\0' + 'a') * 2 = 0xC2, then ('a' & 0xF0) + 0 + 48.
  EXPECT_EQ(static_cast<std::uint8_t>(out[0]), 0xC2);
  EXPECT_EQ(static_cast<std::uint8_t>(out[1]), 0x60 + 48);
  std::string back;
  ASSERT_TRUE(Decipher("abcdef", out, back));
  EXPECT_EQ(back, std::string("\x00\xFF\r\n\x82\xA0xyz", 9));
  EXPECT_FALSE(Encipher("", "abc", out));
  EXPECT_FALSE(Encipher("abcdef", "", out));
}

TEST(Cipher, WrongKeysOddLengthsAndForeignBytesFail) {
  std::string cipher, out = "stale";
  ASSERT_TRUE(Encipher("secret1", "Hello, world. A longer text to find a bad pair.", cipher));
  EXPECT_FALSE(Decipher("Secret2", cipher, out));
  EXPECT_TRUE(out.empty());
  EXPECT_FALSE(Decipher("secret1", cipher.substr(0, cipher.size() - 1), out));
  EXPECT_FALSE(Decipher("secret1", "", out));
  EXPECT_FALSE(Decipher("", cipher, out));
  // Plain text is no enciphered data: 'H' 'e' is 0x548 after the mask,
  // which is even, but 0x548 / 2 - 's' lies past 255.
  EXPECT_FALSE(Decipher("secret1", "Hello, world", out));
}

TEST(Cipher, KeysThatOnlyTheRangeTestWouldMissFailAtTheirFirstPair) {
  // 'S' is 's' - 0x20: the arithmetic alone gives every byte back 0x20
  // higher, but the key's upper bits in the second byte differ.
  std::string cipher, out;
  ASSERT_TRUE(Encipher("s", "abc", cipher));
  EXPECT_FALSE(Decipher("S", cipher, out));
  std::string tampered = cipher;
  tampered[1] = static_cast<char>(tampered[1] ^ 0x10);
  EXPECT_FALSE(Decipher("s", tampered, out));
  ASSERT_TRUE(Decipher("s", cipher, out));
  EXPECT_EQ(out, "abc");
}

TEST(Cipher, RandomTextsAndKeysComeBack) {
  std::mt19937 rng(42);
  const std::string alnum = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  for (int round = 0; round < 300; ++round) {
    std::string key(6 + rng() % 27, ' ');
    for (char& c : key) c = alnum[rng() % alnum.size()];
    std::string plain(1 + rng() % 500, ' ');
    for (char& c : plain) c = static_cast<char>(rng() & 0xFF);
    std::string cipher, back;
    ASSERT_TRUE(Encipher(key, plain, cipher));
    ASSERT_EQ(cipher.size(), 2 * plain.size());
    ASSERT_TRUE(Decipher(key, cipher, back));
    ASSERT_EQ(back, plain);
  }
}

TEST(Cipher, FolderTestIgnoresCaseAndTakesSubfolders) {
  CipherConfig c{true, "C:\\Work\\Cipher\\", "abcdef"};
  EXPECT_TRUE(InCipherFolder(c, "C:\\Work\\Cipher\\a.txt"));
  EXPECT_TRUE(InCipherFolder(c, "c:\\work\\CIPHER\\sub\\deeper\\a.txt"));
  EXPECT_FALSE(InCipherFolder(c, "C:\\Work\\CipherX\\a.txt"));
  EXPECT_FALSE(InCipherFolder(c, "C:\\Work\\a.txt"));
  EXPECT_FALSE(InCipherFolder(c, "D:\\Work\\Cipher\\a.txt"));
  c.folder = "C:\\Work\\Cipher";  // a folder stored without its backslash
  EXPECT_FALSE(InCipherFolder(c, "C:\\Work\\CipherX\\a.txt"));
  EXPECT_TRUE(InCipherFolder(c, "C:\\Work\\Cipher\\a.txt"));
  c.doCipher = false;
  EXPECT_FALSE(InCipherFolder(c, "C:\\Work\\Cipher\\a.txt"));
}

class CipherSaveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(store.Create());
    fs.CreateFolder("C:\\Cipher");
  }
  CipherSaveResult Save(const std::string& path, bool quiet = false) {
    return CipherSave(fs, host, config, store, path, quiet);
  }
  MemoryFileSystem fs;
  test::FakeHost host;
  CipherConfig config{true, "C:\\Cipher\\", "abcdef"};
  TextStore store;
};

TEST_F(CipherSaveTest, SavesEncipheredOnlyInTheFolder) {
  store.Load("text\r\n", DocumentKind::kText);
  EXPECT_EQ(Save("C:\\Other\\a.txt"), CipherSaveResult::kNotCipher);
  EXPECT_EQ(Save("C:\\Cipher\\a.txt", true), CipherSaveResult::kWritten);
  EXPECT_FALSE(fs.Exists("C:\\Cipher\\a.txt"));  // quiet writes nothing
  EXPECT_EQ(Save("C:\\Cipher\\a.txt"), CipherSaveResult::kWritten);
  std::string plain;
  ASSERT_TRUE(Decipher("abcdef", *fs.Content("C:\\Cipher\\a.txt"), plain));
  EXPECT_EQ(plain, "text\r\n");
}

TEST_F(CipherSaveTest, RefusalsLeaveTheFileAndSayWhy) {
  fs.WriteFile("C:\\Cipher\\a.txt", "old");
  store.Load("", DocumentKind::kText);
  EXPECT_EQ(Save("C:\\Cipher\\a.txt"), CipherSaveResult::kRefused);
  EXPECT_TRUE(host.messages.empty());
  store.Load("x\r\n", DocumentKind::kText);
  store.SetLineEnd(static_cast<int>(LineEndId::kLf));
  EXPECT_EQ(Save("C:\\Cipher\\a.txt", true), CipherSaveResult::kRefused);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(Save("C:\\Cipher\\a.txt"), CipherSaveResult::kRefused);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0], kMsgCipherNeedsSjisCrLf);
  store.SetLineEnd(static_cast<int>(LineEndId::kCrLf));
  config.key.clear();
  EXPECT_EQ(Save("C:\\Cipher\\a.txt"), CipherSaveResult::kRefused);
  EXPECT_EQ(host.beeps, 1);
  EXPECT_EQ(*fs.Content("C:\\Cipher\\a.txt"), "old");
}

TEST_F(CipherSaveTest, SizeLimit) {
  store.Load(std::string(kMaxCipherSaveBytes - 1, 'a'), DocumentKind::kText);
  EXPECT_EQ(Save("C:\\Cipher\\big.txt"), CipherSaveResult::kWritten);
  EXPECT_EQ(fs.Content("C:\\Cipher\\big.txt")->size(), 2 * (kMaxCipherSaveBytes - 1));
  store.Load(std::string(kMaxCipherSaveBytes, 'a'), DocumentKind::kText);
  EXPECT_EQ(Save("C:\\Cipher\\big2.txt"), CipherSaveResult::kRefused);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0], kMsgCipherTooLarge);
  EXPECT_FALSE(fs.Exists("C:\\Cipher\\big2.txt"));
}

TEST_F(CipherSaveTest, OpeningDeciphersAfterThePassword) {
  std::string cipher;
  ASSERT_TRUE(Encipher("abcdef", "plain\r\n", cipher));
  fs.WriteFile("C:\\Cipher\\a.txt", cipher);
  int asked = 0;
  auto yes = [&asked] { ++asked; return true; };
  auto open = [&](const char* path, const std::function<bool()>& ask) {
    return DecipherForOpening(fs, host, config, path, "C:\\t2", ask);
  };
  EXPECT_EQ(open("C:\\Cipher\\a.txt", yes), CipherOpen::kDeciphered);
  EXPECT_EQ(*fs.Content("C:\\t2"), "plain\r\n");
  EXPECT_EQ(asked, 1);
  fs.RemoveFile("C:\\t2");
  // A refused password, a wrong key (beep) and a file outside the folder.
  EXPECT_EQ(open("C:\\Cipher\\a.txt", [] { return false; }), CipherOpen::kPasswordRefused);
  EXPECT_FALSE(fs.Exists("C:\\t2"));
  config.key = "zzzzzz";
  EXPECT_EQ(open("C:\\Cipher\\a.txt", yes), CipherOpen::kWrongKey);
  EXPECT_EQ(host.beeps, 1);
  EXPECT_EQ(asked, 1);  // a wrong key never asks for the password
  fs.WriteFile("C:\\b.txt", cipher);
  EXPECT_EQ(open("C:\\b.txt", yes), CipherOpen::kNotCipher);
  // A plain file put into the folder is no cipher file; nor is one too
  // large to decipher.
  fs.WriteFile("C:\\Cipher\\plain.txt", "just text\r\n");
  EXPECT_EQ(open("C:\\Cipher\\plain.txt", yes), CipherOpen::kNotCipher);
  EXPECT_EQ(host.beeps, 2);
  fs.WriteFile("C:\\Cipher\\huge.txt", std::string(kMaxCipherFileBytes + 2, '0'));
  EXPECT_EQ(open("C:\\Cipher\\huge.txt", yes), CipherOpen::kNotCipher);
  EXPECT_FALSE(fs.Exists("C:\\t2"));
}

// A key that differs from the right one only within a group of 16 codes
// passes every test of the pairs and deciphers into shifted bytes.
TEST_F(CipherSaveTest, KeyOfTheSameGroupIsDoubtfulWhereTheTextShowsIt) {
  const std::string texts[] = {"line one\r\nline two\r\n", "\x93\xfa\x96\x7b\r\n\x8c\xea\x82\xcc\r\n",
                               "a b c d e f g h i j k l"};
  for (const std::string& text : texts) {
    std::string cipher;
    ASSERT_TRUE(Encipher("abcdef", text, cipher));
    EXPECT_TRUE(LooksEnciphered(cipher));
    std::string plain;
    EXPECT_TRUE(Decipher("abcdgg", cipher, plain));  // passes: same group
    EXPECT_TRUE(ReadsAsSavedText(text));
    EXPECT_FALSE(ReadsAsSavedText(plain)) << text;
    fs.WriteFile("C:\\Cipher\\a.txt", cipher);
    config.key = "abcdgg";
    EXPECT_EQ(DecipherForOpening(fs, host, config, "C:\\Cipher\\a.txt", "C:\\t", nullptr), CipherOpen::kDoubtful);
    // A binary document's bytes can be anything: deciphered as they come.
    EXPECT_EQ(DecipherForOpening(fs, host, config, "C:\\Cipher\\a.txt", "C:\\t", nullptr, false),
              CipherOpen::kDeciphered);
    config.key = "abcdef";
    EXPECT_EQ(DecipherForOpening(fs, host, config, "C:\\Cipher\\a.txt", "C:\\t", nullptr), CipherOpen::kDeciphered);
  }
}

TEST(Cipher, SavedTextShapeAndEncipheredShape) {
  for (const char* good : {"", "a\tb\x1b[m\f\r\n", "\x81\x5c\xe0\x40\xfc\xfc", "\xb1\xb2"}) {
    EXPECT_TRUE(ReadsAsSavedText(good)) << good;
  }
  for (std::string bad : {std::string("a\0b", 3), std::string("a\rb"), std::string("a\nb"), std::string("a\r"),
                          std::string("\x81"), std::string("\x81\x3f"), std::string("\x81\x7f"), std::string("a\x7f"),
                          std::string("\x01"), std::string("\xfd"), std::string("\x80")}) {
    EXPECT_FALSE(ReadsAsSavedText(bad)) << bad;
  }
  EXPECT_FALSE(LooksEnciphered(""));
  EXPECT_FALSE(LooksEnciphered("abc"));
  EXPECT_FALSE(LooksEnciphered("just text\r\n"));
  std::string cipher;
  ASSERT_TRUE(Encipher("09AOPZaopz", std::string(256, '\xff') + std::string(40, '\0'), cipher));
  EXPECT_TRUE(LooksEnciphered(cipher));
}

}  // namespace
}  // namespace quelt

#include "text/load_save.h"

namespace quelt {
namespace {

TEST_F(CipherSaveTest, DocumentsOfTheFolderOpenAndSaveThroughTheCipher) {
  std::string cipher;
  ASSERT_TRUE(Encipher("abcdef", "memo\r\n", cipher));
  fs.WriteFile("C:\\Cipher\\m.txt", cipher);
  FileContext ctx{fs, host, "C:\\q.TM1"};
  ctx.cipher = &config;
  ctx.askPassword = [] { return true; };
  ASSERT_TRUE(OpenTextFile(ctx, "C:\\Cipher\\m.txt", CharCodeId::kAuto, store).ok);
  EXPECT_EQ(store.Text(), "memo\r\n");
  EXPECT_TRUE(store.OpenedFromCipher());
  EXPECT_FALSE(fs.Exists("C:\\q.TM1"));  // the plain text does not stay on disk

  store.Load("changed\r\n", DocumentKind::kText);
  const SaveOutcome saved = SaveTextFile(ctx, "C:\\Cipher\\m.txt", store);
  ASSERT_TRUE(saved.ok);
  EXPECT_TRUE(saved.enciphered);
  EXPECT_TRUE(saved.bytes.empty());  // nothing for a backup or mirror copy
  EXPECT_TRUE(store.OpenedFromCipher());
  std::string plain;
  ASSERT_TRUE(Decipher("abcdef", *fs.Content("C:\\Cipher\\m.txt"), plain));
  EXPECT_EQ(plain, "changed\r\n");

  // A plain save elsewhere clears the flag.
  ASSERT_TRUE(SaveTextFile(ctx, "C:\\plain.txt", store).ok);
  EXPECT_FALSE(store.OpenedFromCipher());
  EXPECT_FALSE(store.WriteProtect());
  EXPECT_TRUE(host.messages.empty());
}

// Whatever did not surely decipher opens write-protected with its message:
// the enciphered bytes for a wrong key or a refused password, the shifted
// text for a doubtful key. A file that surely deciphered does not.
TEST_F(CipherSaveTest, UnsureOpensAreWriteProtectedWithTheirReason) {
  std::string cipher;
  ASSERT_TRUE(Encipher("abcdef", "memo\r\nmore\r\n", cipher));
  fs.WriteFile("C:\\Cipher\\m.txt", cipher);
  FileContext ctx{fs, host, "C:\\q.TM1"};
  ctx.cipher = &config;
  bool password = true;
  ctx.askPassword = [&password] { return password; };
  struct Case {
    const char* key;
    bool password;
    MessageId message;
    bool rawBytes;
  };
  for (const Case& c : {Case{"zzzzzz", true, kMsgCipherKeyWrong, true},
                        Case{"abcdef", false, kMsgCipherPasswordRefused, true},
                        Case{"abcdgg", true, kMsgCipherKeyDoubtful, false}, Case{"abcdef", true, kMsgNone, false}}) {
    config.key = c.key;
    password = c.password;
    host.messages.clear();
    store.SetWriteProtect(false);
    const OpenOutcome r = OpenTextFile(ctx, "C:\\Cipher\\m.txt", CharCodeId::kAuto, store);
    ASSERT_TRUE(r.ok) << c.key;
    EXPECT_EQ(store.WriteProtect(), c.message != kMsgNone) << c.key;
    EXPECT_EQ(r.writeProtected, c.message != kMsgNone) << c.key;
    EXPECT_EQ(host.messages, c.message == kMsgNone ? std::vector<MessageId>{} : std::vector<MessageId>{c.message});
    if (c.rawBytes) EXPECT_EQ(store.Text().substr(0, 6), cipher.substr(0, 6)) << c.key;
    EXPECT_EQ(store.Text() == "memo\r\nmore\r\n", c.message == kMsgNone) << c.key;
    EXPECT_FALSE(store.EditAllowed(false) && c.message != kMsgNone);
    EXPECT_FALSE(fs.Exists("C:\\q.TM1"));
  }
  EXPECT_EQ(*fs.Content("C:\\Cipher\\m.txt"), cipher);
}

}  // namespace
}  // namespace quelt
