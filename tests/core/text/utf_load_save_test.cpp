// Opening and saving UTF-8 and UTF-16 files: the byte-for-byte round trip,
// edits, the write protection when a save would lose characters, and no
// size limit of the conversion.
#include <gtest/gtest.h>

#include <string>

#include "base/memory_file_system.h"
#include "fake_host.h"
#include "text/load_save.h"
#include "text/utf16_bytes.h"

namespace quelt {
namespace {

const std::string kTemp = "C:\\quelt\\quelt.TM1";
const std::string kFile = "C:\\docs\\a.txt";
const std::string kOut = "C:\\docs\\b.txt";

using test::Utf16;

class UtfLoadSaveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs.CreateFolder("C:\\quelt");
    fs.CreateFolder("C:\\docs");
  }
  FileContext Ctx() { return FileContext{fs, host, kTemp, false, nullptr, {}}; }
  OpenOutcome Open(const std::string& bytes, CharCodeId forced = CharCodeId::kAuto) {
    fs.WriteFile(kFile, bytes);
    EXPECT_TRUE(store.Create(DocumentKind::kText));
    host.messages.clear();
    host.args.clear();
    return OpenTextFile(Ctx(), kFile, forced, store);
  }
  std::string Save() {
    const SaveOutcome s = SaveTextFile(Ctx(), kOut, store);
    EXPECT_TRUE(s.ok);
    const std::string* written = fs.Content(kOut);
    EXPECT_NE(written, nullptr);
    EXPECT_EQ(*written, s.bytes);
    return written ? *written : std::string();
  }
  CharCodeId Code() const { return static_cast<CharCodeId>(store.CharCode()); }

  MemoryFileSystem fs;
  test::FakeHost host;
  TextStore store;
};

TEST_F(UtfLoadSaveTest, FilesOfCodePageCharactersSaveBackByteForByte) {
  struct Case {
    const char* name;
    std::string file;
    CharCodeId code;
    LineEndId lineEnd;
  };
  const Case cases[] = {
      {"UTF-8 CR LF", "日本語\r\nかな、ｶﾅ\r\n", CharCodeId::kUtf8, LineEndId::kCrLf},
      {"UTF-8 LF, last line open", "一行目\n二行目〜−¢", CharCodeId::kUtf8, LineEndId::kLf},
      // Lone LFs stay in a CR LF document (a lone CR never does, whatever
      // the code).
      {"UTF-8 mixed line ends", "a\nb\r\nc\nあ", CharCodeId::kUtf8, LineEndId::kCrLf},
      {"UTF-8 signature CR", "\xEF\xBB\xBF" "あ\rい\r", CharCodeId::kUtf8Bom, LineEndId::kCr},
      {"UTF-8 signature alone", "\xEF\xBB\xBF", CharCodeId::kUtf8Bom, LineEndId::kCrLf},
      {"UTF-16LE CR LF", Utf16(u"\uFEFF漢字\r\n～\r\n", false), CharCodeId::kUtf16Le, LineEndId::kCrLf},
      {"UTF-16BE LF", Utf16(u"\uFEFFＡ\n‖\n", true), CharCodeId::kUtf16Be, LineEndId::kLf},
      {"UTF-16LE signature alone", "\xFF\xFE", CharCodeId::kUtf16Le, LineEndId::kCrLf},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const OpenOutcome r = Open(c.file);
    ASSERT_TRUE(r.ok);
    EXPECT_TRUE(r.converted);
    EXPECT_EQ(Code(), c.code);
    EXPECT_EQ(static_cast<LineEndId>(store.LineEnd()), c.lineEnd);
    EXPECT_EQ(r.lostChars, 0u);
    EXPECT_FALSE(store.WriteProtect());
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(fs.Content(kTemp), nullptr);  // converted in memory
    EXPECT_EQ(Save(), c.file);
  }
}

TEST_F(UtfLoadSaveTest, AnEditChangesOnlyTheEditedCharacters) {
  ASSERT_TRUE(Open("\xEF\xBB\xBF" "〜あ〜\n−い\n").ok);  // wave dash and minus sign, as other converters write them
  EXPECT_EQ(store.Forms().alternative, (1 << kPairTilde) | (1 << kPairMinus));
  EXPECT_EQ(store.Text(), "\x81\x60\x82\xA0\x81\x60\r\n\x81\x7C\x82\xA2\r\n");
  store.Delete(2, 2);                   // あ
  store.Insert(2, "\x88\x9F\x81\x60");  // 亜 and a tilde typed in: written in the file's form
  EXPECT_EQ(Save(), "\xEF\xBB\xBF" "〜亜〜〜\n−い\n");
}

TEST_F(UtfLoadSaveTest, CharactersASaveWouldLoseOpenTheFileWriteProtected) {
  struct Case {
    const char* name;
    std::string file;
    std::uint64_t lost;
    bool both;
    std::string text;
    CharCodeId forced = CharCodeId::kAuto;
  };
  const Case cases[] = {
      {"beyond code page 932", "é😀a", 2, false, "\x81\xAC\x81\xAC" "a"},
      // Invalid UTF-8 is never detected as UTF-8: only a forced code reads it so.
      {"malformed", "a\xE3\x81\x80\x80", 2, false, "a\x81\xAC\x81\xAC", CharCodeId::kUtf8},
      {"both forms of a pair", "〜～〜", 1, true, "\x81\x60\x81\x60\x81\x60"},
      {"UTF-16 lone surrogate", Utf16(u"\uFEFF\xD800" "a", false), 1, false, "\x81\xAC" "a"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const OpenOutcome r = Open(c.file, c.forced);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.lostChars, c.lost);
    EXPECT_EQ(r.bothForms, c.both);
    EXPECT_EQ(store.Text(), c.text);
    EXPECT_TRUE(store.WriteProtect());
    EXPECT_TRUE(r.writeProtected);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0], kMsgUnicodeCharsLost);
    EXPECT_EQ(host.args[0], std::to_string(c.lost));
  }
  EXPECT_NE(MessageText(kMsgUnicodeCharsLost).find("%1"), std::string::npos);
}

TEST_F(UtfLoadSaveTest, ForcedCodesAndNewDocuments) {
  // Forced UTF-8 on a file with the signature keeps it; forced UTF-16 on a
  // file without one adds it on the save.
  ASSERT_TRUE(Open("\xEF\xBB\xBF" "a\n", CharCodeId::kUtf8).ok);
  EXPECT_EQ(Code(), CharCodeId::kUtf8Bom);
  EXPECT_EQ(Save(), "\xEF\xBB\xBF" "a\n");
  ASSERT_TRUE(Open(Utf16(u"a\r\n", true), CharCodeId::kUtf16Be).ok);
  EXPECT_EQ(store.Text(), "a\r\n");
  EXPECT_EQ(static_cast<LineEndId>(store.LineEnd()), LineEndId::kCrLf);
  EXPECT_EQ(Save(), Utf16(u"\uFEFFa\r\n", true));
  // A Shift-JIS file forced to EUC still goes the old way; a new store is
  // Shift-JIS with CR LF.
  TextStore fresh;
  ASSERT_TRUE(fresh.Create(DocumentKind::kText));
  EXPECT_EQ(fresh.CharCode(), static_cast<int>(CharCodeId::kShiftJis));
  EXPECT_EQ(fresh.LineEnd(), static_cast<int>(LineEndId::kCrLf));
  EXPECT_EQ(fresh.Forms(), UnicodeForms{});
}

TEST_F(UtfLoadSaveTest, LargeFilesConvertWithoutTheTwoMegabyteLimit) {
  std::string big;
  while (big.size() <= 3 * kMaxConvertBytes / 2) big += "大きなファイルの一行〜\n";
  const OpenOutcome r = Open(big);
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(Code(), CharCodeId::kUtf8);
  EXPECT_TRUE(host.messages.empty());
  const std::string saved = Save();
  EXPECT_TRUE(saved == big);
}

struct ChosenName : SaveAsDialog {
  bool Run(const SaveAsRequest&, SaveAsChoice& choice) override {
    choice = {path, code, LineEndId::kAuto};
    return true;
  }
  std::string path;
  CharCodeId code = CharCodeId::kAuto;
};

// Save As of a file a save would change: the count is told again, the
// file it came from is never written (from the dialog, by another spelling
// of its name, or by a given path), and another name takes the text as it
// shows, after which nothing is lost any more.
TEST_F(UtfLoadSaveTest, SaveAsTellsTheLostCharactersAndNeverWritesOverTheirFile) {
  const std::string original = "é日本\n";
  ASSERT_EQ(Open(original).lostChars, 1u);
  ChosenName dialog;
  auto save = [&](const std::string* path) {
    host.messages.clear();
    host.args.clear();
    return DoSave(fs, host, store, path, {kFile, "a.txt", 0}, dialog,
                  [&](const std::string& p) { return SaveTextFile(Ctx(), p, store); });
  };
  for (const std::string over : {kFile, std::string("c:\\DOCS\\A.TXT")}) {
    dialog.path = over;
    dialog.code = CharCodeId::kShiftJis;
    EXPECT_FALSE(save(nullptr).ok);
    EXPECT_EQ(host.messages, (std::vector<MessageId>{kMsgUnicodeSaveAsLoses, kMsgUnicodeNotOverOriginal}));
    EXPECT_EQ(host.args[0], "1");
    EXPECT_EQ(Code(), CharCodeId::kUtf8);  // the refused choice is not kept
  }
  EXPECT_FALSE(save(&kFile).ok);
  EXPECT_EQ(*fs.Content(kFile), original);

  dialog.path = kOut;
  dialog.code = CharCodeId::kAuto;
  ASSERT_TRUE(save(nullptr).ok);
  EXPECT_EQ(host.messages, (std::vector<MessageId>{kMsgUnicodeSaveAsLoses}));
  EXPECT_EQ(*fs.Content(kOut), "〓日本\n");
  EXPECT_EQ(store.LostChars(), 0u);
  dialog.path = kFile;
  ASSERT_TRUE(save(nullptr).ok);  // now the text holds nothing to lose
  EXPECT_TRUE(host.messages.empty());
}

}  // namespace
}  // namespace quelt
