#include "html/visual_clip.h"

#include <random>

#include "html/visual_format.h"
#include "visual_fixture.h"

namespace quelt::test {
namespace {

class VisualClipTest : public ::testing::Test {
 protected:
  // "ab" bold and linked, a BR line break, a red two-byte character.
  void SetUp() override {
    source = PlainDoc("xab\r\n\x82\xa0y");
    const auto bold = static_cast<std::uint8_t>(source.FindOrAddFont(5, true, false));
    const auto link = static_cast<std::uint8_t>(source.AddLink("a.html"));
    for (int i = 1; i <= 2; ++i) {
      source.attrs[i].font = bold;
      source.attrs[i].link = link;
    }
    source.attrs[5].colour = source.attrs[6].colour = 0xFF;
    source.attrs[5].underline = source.attrs[6].underline = UnderlineKind::kDashed;
    source.attrs[5].lineSpacing = source.attrs[6].lineSpacing = -3;
  }
  VisualDocument source;
  VisualDocument doc;
  FakeHost host;
  VisualEditor editor{doc, host};
};

TEST_F(VisualClipTest, AClipCarriesOnlyTheFontsAndLinksItUses) {
  const VisualClip clip = MakeVisualClip(source, 1, 7);
  EXPECT_EQ(clip.text, "ab\r\n\x82\xa0");
  ASSERT_EQ(clip.fonts.size(), 2u);
  EXPECT_EQ(clip.fonts[0].weight, 700);
  EXPECT_EQ(clip.links, (std::vector<std::string>{"a.html"}));
  EXPECT_EQ(clip.attrs[0].font, 0);
  EXPECT_EQ(clip.attrs[0].link, 1);
  EXPECT_EQ(clip.attrs[2].font, 1);
  EXPECT_EQ(clip.attrs[2].lineBreak, LineBreakKind::kBr);
}

TEST_F(VisualClipTest, EncodingAndDecodingGiveTheSameClip) {
  const VisualClip clip = MakeVisualClip(source, 0, source.text.size());
  const std::string bytes = EncodeVisualClip(clip);
  VisualClip back;
  ASSERT_TRUE(DecodeVisualClip(bytes, back));
  EXPECT_EQ(back, clip);
  VisualClip empty;
  ASSERT_TRUE(DecodeVisualClip(EncodeVisualClip(empty), back));
  EXPECT_EQ(back, empty);
}

TEST_F(VisualClipTest, DecodingRefusesDamagedClips) {
  const std::string bytes = EncodeVisualClip(MakeVisualClip(source, 0, source.text.size()));
  VisualClip out;
  for (std::size_t n = 0; n < bytes.size(); ++n) EXPECT_FALSE(DecodeVisualClip(bytes.substr(0, n), out)) << n;
  EXPECT_FALSE(DecodeVisualClip(bytes + "x", out));
  std::string wrongMagic = bytes;
  wrongMagic[3] = 2;
  EXPECT_FALSE(DecodeVisualClip(wrongMagic, out));
  // A font index past the clip's fonts (the first byte's font field).
  const std::size_t firstAttr = 8 + source.text.size();
  std::string badFont = bytes;
  badFont[firstAttr] = 9;
  EXPECT_FALSE(DecodeVisualClip(badFont, out));
  // A line-break kind on a byte that is no line break.
  std::string badBreak = bytes;
  badBreak[firstAttr + 7] = 1;
  EXPECT_FALSE(DecodeVisualClip(badBreak, out));
  // Text with a lone CR.
  std::string badText = bytes;
  badText[8] = '\r';
  EXPECT_FALSE(DecodeVisualClip(badText, out));
  // A length over the text limit.
  std::string huge = bytes;
  huge[4] = huge[5] = huge[6] = static_cast<char>(0xFF);
  EXPECT_FALSE(DecodeVisualClip(huge, out));
  // Random bytes after the mark.
  std::mt19937 rng(7);
  for (int i = 0; i < 2000; ++i) {
    std::string junk = "QVC\x01";
    const std::size_t n = rng() % 200;
    for (std::size_t k = 0; k < n; ++k) junk += static_cast<char>(rng());
    DecodeVisualClip(junk, out);
  }
}

TEST_F(VisualClipTest, PastingMapsFontsAndLinksIntoTheDocumentsTables) {
  doc = PlainDoc("12");
  doc.links[0] = "other.html";
  const VisualClip clip = MakeVisualClip(source, 1, 7);
  const VisualEditResult r = PasteVisualClip(editor, {1, 1}, clip);
  ASSERT_TRUE(r.done);
  EXPECT_EQ(r.caret, 7u);
  EXPECT_EQ(doc.text, "1ab\r\n\x82\xa0" "2");
  EXPECT_EQ(doc.fonts[doc.attrs[1].font], source.fonts[source.attrs[1].font]);
  EXPECT_EQ(doc.LinkText(doc.attrs[1].link), "a.html");
  EXPECT_EQ(doc.attrs[1].link, 2);
  EXPECT_EQ(doc.attrs[3].font, 0);
  EXPECT_EQ(doc.attrs[5].colour, 0xFFu);
  EXPECT_EQ(doc.attrs[5].lineSpacing, -3);
  // Pasting again reuses the entries.
  PasteVisualClip(editor, {0, 0}, clip);
  EXPECT_EQ(doc.attrs[0].link, 2);
  EXPECT_TRUE(doc.links[2].empty());
  editor.Undo();
  editor.Undo();
  EXPECT_EQ(doc.text, "12");
  EXPECT_TRUE(doc.links[1].empty());
  EXPECT_EQ(doc.fonts[1], VisualFont{});
}

TEST_F(VisualClipTest, APasteThatDoesNotFitChangesNothing) {
  const VisualClip clip = MakeVisualClip(source, 0, source.text.size());
  doc = PlainDoc(std::string(kMaxVisualTextBytes - 3, 'a'));
  VisualDocument before = doc;
  EXPECT_FALSE(PasteVisualClip(editor, {0, 0}, clip).done);
  EXPECT_EQ(host.messages, (std::vector<MessageId>{kMsgVisualTooManyChars}));
  EXPECT_EQ(doc, before);
  // Fonts: a table full of used fonts.
  doc = PlainDoc(std::string(kVisualFontCount, 'a'));
  for (int i = 1; i < kVisualFontCount; ++i) {
    doc.fonts[i] = doc.BaseFont();
    doc.fonts[i].height = 200 + i;
    doc.attrs[i].font = static_cast<std::uint8_t>(i);
  }
  before = doc;
  EXPECT_FALSE(PasteVisualClip(editor, {0, 0}, clip).done);
  EXPECT_EQ(host.messages.back(), kMsgVisualTooManyFonts);
  EXPECT_EQ(doc, before);
  // Replacing the bytes that use a font frees it for the clip.
  EXPECT_TRUE(PasteVisualClip(editor, {1, 2}, clip).done);
  // Links: a table full of used links beeps.
  doc = PlainDoc(std::string(kVisualLinkCount, 'a'));
  for (int i = 0; i < kVisualLinkCount; ++i) {
    doc.links[i] = "l" + std::to_string(i);
    doc.attrs[i].link = static_cast<std::uint8_t>(i + 1);
  }
  before = doc;
  EXPECT_FALSE(PasteVisualClip(editor, {0, 0}, clip).done);
  EXPECT_EQ(host.beeps, 1);
  EXPECT_EQ(doc, before);
}

TEST_F(VisualClipTest, FreeCursorBlanksPadAPastedClip) {
  doc = PlainDoc("a");
  const VisualEditResult r = PasteVisualClip(editor, {1, 1}, MakeVisualClip(source, 0, 1), 2);
  EXPECT_EQ(doc.text, "a  x");
  EXPECT_EQ(r.caret, 4u);
}

}  // namespace
}  // namespace quelt::test
