// UTF-8 and UTF-16 pages in the visual mode: which pages read as UTF, what
// the save writes back, and the pages a save would damage.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/memory_file_system.h"
#include "fake_host.h"
#include "html/visual_reader.h"
#include "html/visual_writer.h"
#include "text/utf16_bytes.h"

namespace quelt {
namespace {

const std::string kTemp = "C:\\quelt\\quelt.TM1";
const std::string kFile = "C:\\docs\\page.htm";
const std::string kSjisDesu = "\x82\xC5\x82\xB7";  // です

class VisualUnicodeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs.CreateFolder("C:\\quelt");
    fs.CreateFolder("C:\\docs");
  }
  FileContext Ctx() { return FileContext{fs, host, kTemp, false, nullptr, {}}; }
  bool Load(const std::string& bytes, CharCodeId forced = CharCodeId::kAuto) {
    fs.WriteFile(kFile, bytes);
    host.messages.clear();
    host.args.clear();
    notes = VisualOpenNotes{};
    return LoadVisualDocument(Ctx(), kFile, forced, doc, &notes);
  }
  std::string SaveBack() {
    EXPECT_TRUE(SaveVisualDocument(Ctx(), kFile, doc));
    return *fs.Content(kFile);
  }

  MemoryFileSystem fs;
  test::FakeHost host;
  VisualDocument doc;
  VisualOpenNotes notes;
};

// A UTF-8 line ending in です before a closing tag: read as Shift-JIS, the
// last byte of す took the "<" of "</TITLE>" and the title was gone.
TEST_F(VisualUnicodeTest, UtfPagesReadWithTheirTitleAndSaveBackInTheirCode) {
  const std::string body = "<B>です</B>\nです";
  struct Case {
    const char* name;
    std::string file;
    CharCodeId forced, code;
  };
  const Case cases[] = {
      {"UTF-8", "<HTML><HEAD><TITLE>です</TITLE></HEAD><BODY>\n" + body, CharCodeId::kAuto, CharCodeId::kUtf8},
      {"UTF-8 signature", "\xEF\xBB\xBF<TITLE>です</TITLE><BODY>\n" + body, CharCodeId::kAuto,
       CharCodeId::kUtf8Bom},
      {"UTF-16LE", test::Utf16(u"\uFEFF<TITLE>です</TITLE><BODY>\n<B>です</B>\nです", false), CharCodeId::kAuto,
       CharCodeId::kUtf16Le},
      {"UTF-16BE forced, no signature", test::Utf16(u"<TITLE>です</TITLE><BODY>\n<B>です</B>\nです", true),
       CharCodeId::kUtf16Be, CharCodeId::kUtf16Be},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(Load(c.file, c.forced));
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(doc.code, c.code);
    EXPECT_EQ(doc.lineEnd, LineEndId::kLf);
    EXPECT_EQ(doc.body.title, kSjisDesu);
    EXPECT_EQ(doc.text, kSjisDesu + "\r\n" + kSjisDesu);
    EXPECT_TRUE(SavedAttrOf(doc, doc.attrs[0]).bold);
    // The save writes the code back, with a declaration of it in the head,
    // and reads back to the same document.
    const VisualDocument before = doc;
    const std::string saved = SaveBack();
    ASSERT_TRUE(Load(saved));
    EXPECT_EQ(doc.code, c.code);
    EXPECT_EQ(doc.text, before.text);
    EXPECT_EQ(doc.body.title, before.body.title);
    EXPECT_NE(saved.find(c.code == CharCodeId::kUtf16Le || c.code == CharCodeId::kUtf16Be
                             ? test::Utf16(u"charset=UTF-16", c.code == CharCodeId::kUtf16Be)
                             : std::string("charset=UTF-8")),
              std::string::npos);
  }
  // A Shift-JIS page gets no declaration; a code the user forces wins.
  ASSERT_TRUE(Load("<BODY>" + kSjisDesu + "\r\n"));
  EXPECT_EQ(GenerateVisualHtml(doc).find("charset"), std::string::npos);
  ASSERT_TRUE(Load("<BODY>です", CharCodeId::kShiftJis));
  EXPECT_EQ(doc.code, CharCodeId::kShiftJis);
  EXPECT_EQ(doc.text.size(), 6u);
}

// Detection looks at the first 4,096 bytes only; a page whose head there is
// ASCII reads as UTF-8 when a tag declares it and all of it is UTF-8.
TEST_F(VisualUnicodeTest, ADeclaredCharsetDecidesWhereDetectionCannot) {
  const std::string head = "<HTML><HEAD><META http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">"
                           "<TITLE>t</TITLE></HEAD><BODY>\r\n";
  const std::string ascii(5000, 'a');
  ASSERT_TRUE(Load(head + ascii + "です\r\n"));
  EXPECT_EQ(doc.code, CharCodeId::kUtf8);
  EXPECT_EQ(doc.text, ascii + kSjisDesu + "\r\n");
  for (const std::string& other : {std::string("<meta charset = 'UTF8'>"), std::string("<META CHARSET=Utf-8>")}) {
    ASSERT_TRUE(Load(other + "<BODY>\r\n" + ascii));
    EXPECT_EQ(doc.code, CharCodeId::kUtf8) << other;
  }
  // Not a declaration: one that is wrong about the bytes, one in the text,
  // another charset, and any declaration when the user chose the code.
  ASSERT_TRUE(Load(head + ascii + kSjisDesu + "\r\n"));
  EXPECT_EQ(doc.code, CharCodeId::kShiftJis);
  EXPECT_EQ(doc.text, ascii + kSjisDesu + "\r\n");
  ASSERT_TRUE(Load("<BODY>\r\ncharset=utf-8 " + ascii));
  EXPECT_EQ(doc.code, CharCodeId::kShiftJis);
  ASSERT_TRUE(Load("<META charset=Shift_JIS><BODY>\r\n" + ascii));
  EXPECT_EQ(doc.code, CharCodeId::kShiftJis);
  ASSERT_TRUE(Load(head + ascii, CharCodeId::kShiftJis));
  EXPECT_EQ(doc.code, CharCodeId::kShiftJis);
}

// A page with a character code page 932 cannot hold opens with the count,
// for write protection; the two-form characters are written back in the
// form they came in.
TEST_F(VisualUnicodeTest, LostCharactersAreToldAndTwoFormCharactersKeepTheirForm) {
  ASSERT_TRUE(Load("<BODY>\n😀é〜\n"));
  EXPECT_EQ(notes.lostChars, 2u);
  EXPECT_EQ(doc.lostChars, 2u);
  EXPECT_FALSE(notes.noBody);
  EXPECT_EQ(host.messages, std::vector<MessageId>{kMsgUnicodeCharsLost});
  EXPECT_EQ(host.args[0], "2");
  ASSERT_TRUE(Load("<BODY>\n〜∥−¢\n"));
  EXPECT_EQ(notes.lostChars, 0u);
  EXPECT_TRUE(host.messages.empty());
  const std::string saved = SaveBack();
  EXPECT_NE(saved.find("〜∥−¢\n</BODY>"), std::string::npos) << saved;
  // Both forms of one pair in a page: the form written loses the other.
  ASSERT_TRUE(Load("<BODY>〜～"));
  EXPECT_EQ(notes.lostChars, 1u);
}

}  // namespace
}  // namespace quelt
