#include "html/visual_writer.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "base/memory_file_system.h"
#include "fake_host.h"
#include "html/visual_reader.h"

namespace quelt {
namespace {

const std::string kFile = "C:\\docs\\page.htm";
const std::string kA = "\x88\x9F";     // 亜 in Shift-JIS
const std::string kEucA = "\xB0\xA1";  // 亜 in EUC
const std::string kHead = "<HTML><HEAD><TITLE></TITLE></HEAD><BODY>\r\n";
const std::string kTail = "</BODY></HTML>";

void Append(VisualDocument& doc, const std::string& text, VisualAttr a = {}) {
  doc.text += text;
  doc.attrs.insert(doc.attrs.end(), text.size(), a);
}

void AppendBreak(VisualDocument& doc, LineBreakKind kind, VisualAttr a = {}) {
  a.lineBreak = kind;
  Append(doc, "\r\n", a);
}

VisualAttr Font(VisualDocument& doc, int size, bool bold, bool italic) {
  VisualAttr a;
  a.font = static_cast<std::uint8_t>(doc.FindOrAddFont(size, bold, italic));
  return a;
}

std::string BodyOf(const std::string& html) {
  EXPECT_EQ(html.substr(0, kHead.size()), kHead);
  EXPECT_EQ(html.substr(html.size() - kTail.size()), kTail);
  return html.substr(kHead.size(), html.size() - kHead.size() - kTail.size());
}

TEST(GenerateVisualHtmlTest, AnEmptyDocument) {
  EXPECT_EQ(GenerateVisualHtml(VisualDocument()), kHead + kTail);
}

TEST(GenerateVisualHtmlTest, HeadAndBodySettingsInTheirOrder) {
  VisualDocument doc;
  doc.body.title = "T " + kA;
  doc.body.backgroundImage = "b g.gif";
  doc.body.activeLink = {true, 0x0000FF};
  doc.body.background = {true, 0xFFFFFF};
  doc.body.text = {true, 0};
  doc.body.visitedLink = {true, 0x102030};
  EXPECT_EQ(GenerateVisualHtml(doc),
            "<HTML><HEAD><TITLE>T " + kA +
                "</TITLE></HEAD><BODY BACKGROUND=\"b g.gif\" BGCOLOR=\"#FFFFFF\" TEXT=\"#000000\" "
                "VLINK=\"#302010\" ALINK=\"#FF0000\">\r\n" + kTail);
}

TEST(GenerateVisualHtmlTest, RunTagsOpenInOrderAndCloseInReverse) {
  VisualDocument doc;
  Append(doc, "a");
  VisualAttr all = Font(doc, 5, true, true);
  all.position = kPositionSub;
  all.colour = 0x0080FF;
  all.link = static_cast<std::uint8_t>(doc.AddLink("x.htm"));
  Append(doc, "b" + kA, all);
  VisualAttr sup;
  sup.position = kPositionSuper;
  sup.colour = kVisualBlack;
  Append(doc, "c", sup);
  Append(doc, "d", Font(doc, 3, true, false));
  Append(doc, "e", Font(doc, 7, false, false));
  EXPECT_EQ(BodyOf(GenerateVisualHtml(doc)),
            "a<SUB><B><I><FONT SIZE=5 COLOR=\"#FF8000\"><A HREF=\"x.htm\">b" + kA +
                "</A></FONT></I></B></SUB><SUP><FONT COLOR=\"#000000\">c</FONT></SUP><B>d</B>"
                "<FONT SIZE=7>e</FONT>");
}

TEST(GenerateVisualHtmlTest, SavedAttributesOfFontsAndCodes) {
  VisualDocument doc;
  // The base font is the normal text whatever its own size and weight.
  VisualFont base = doc.BaseFont();
  base.height = 20;
  base.weight = 700;
  doc.SetBaseFont(base);
  EXPECT_EQ(SavedAttrOf(doc, VisualAttr{}), SavedAttr{});
  // Other decoration bits do not hide the position.
  VisualAttr a;
  a.position = WithPosition(0xC8, kPositionSuper);
  EXPECT_EQ(SavedAttrOf(doc, a).position, 1);
  a.position = WithPosition(0xC8, kPositionSub);
  EXPECT_EQ(SavedAttrOf(doc, a).position, 2);
  a.position = 0xC8;
  EXPECT_EQ(SavedAttrOf(doc, a).position, 0);
  // A font of the table at any height maps to its HTML size.
  VisualFont f = doc.FontOfSize(3, false, false);
  f.height = 16;
  a = VisualAttr{};
  a.font = static_cast<std::uint8_t>(doc.FindOrAddFontRecord(f));
  EXPECT_EQ(SavedAttrOf(doc, a).size, 6);
  EXPECT_FALSE(SavedAttrOf(doc, a).bold);
  // An unused entry or an index past the table is the normal text.
  a.font = 100;
  EXPECT_EQ(SavedAttrOf(doc, a), SavedAttr{});
  a.font = 200;
  EXPECT_EQ(SavedAttrOf(doc, a), SavedAttr{});
}

TEST(GenerateVisualHtmlTest, LineBreaksOfBothKinds) {
  VisualDocument doc;
  Append(doc, "a");
  AppendBreak(doc, LineBreakKind::kSource);
  Append(doc, "b");
  AppendBreak(doc, LineBreakKind::kBr);
  Append(doc, "c");
  AppendBreak(doc, LineBreakKind::kNone);
  VisualAttr link;
  link.link = static_cast<std::uint8_t>(doc.AddLink("u"));
  AppendBreak(doc, LineBreakKind::kBr, link);
  EXPECT_EQ(BodyOf(GenerateVisualHtml(doc)), "a\r\nb<BR>c\r\n<A HREF=\"u\"><BR></A>");
}

TEST(GenerateVisualHtmlTest, StraightLinesAtParagraphStartsBecomeRules) {
  VisualDocument doc;
  Append(doc, "ab");
  AppendBreak(doc, LineBreakKind::kSource);
  Append(doc, "cd", Font(doc, 3, true, false));
  AppendBreak(doc, LineBreakKind::kSource);
  doc.figures[0] = {FigureKind::kLine, 1, 1, 0, kFigureNoFill, 4};   // at "cd"
  doc.figures[5] = {FigureKind::kLine, 1, 1, 0, kFigureNoFill, 4};   // the same paragraph
  doc.figures[1] = {FigureKind::kLine, 1, 1, 0, kFigureNoFill, 1};   // inside a paragraph
  doc.figures[2] = {FigureKind::kLine2, 1, 1, 0, kFigureNoFill, 0};  // not a straight line
  doc.figures[3] = {FigureKind::kLine, 1, 1, 0, kFigureNoFill, kFigureNotAnchored};
  doc.figures[4] = {FigureKind::kLine, 1, 1, 0, kFigureNoFill, 8};  // the empty last line
  EXPECT_EQ(BodyOf(GenerateVisualHtml(doc)), "ab\r\n<HR><B>cd</B>\r\n<HR>");
  // A rule inside a run splits it.
  doc.attrs.assign(doc.text.size(), VisualAttr{});
  doc.figures[4] = {};
  EXPECT_EQ(BodyOf(GenerateVisualHtml(doc)), "ab\r\n<HR>cd\r\n");
  doc = VisualDocument();
  doc.figures[0] = {FigureKind::kLine, 1, 1, 0, kFigureNoFill, 0};
  EXPECT_EQ(BodyOf(GenerateVisualHtml(doc)), "<HR>");
}

// ---- Saving files ----

class SaveVisualTest : public ::testing::Test {
 protected:
  void SetUp() override { fs.CreateFolder("C:\\docs"); }
  FileContext Ctx() { return FileContext{fs, host, "", false, nullptr, {}}; }
  MemoryFileSystem fs;
  test::FakeHost host;
  VisualDocument doc;
};

TEST_F(SaveVisualTest, ShiftJisWithCrLfIsWrittenAsGenerated) {
  Append(doc, kA);
  AppendBreak(doc, LineBreakKind::kSource);
  ASSERT_TRUE(SaveVisualDocument(Ctx(), kFile, doc));
  ASSERT_NE(fs.Content(kFile), nullptr);
  EXPECT_EQ(*fs.Content(kFile), GenerateVisualHtml(doc));
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(SaveVisualTest, OtherCodesAreConvertedAndLoadBackTheSame) {
  Append(doc, kA, Font(doc, 3, true, false));
  AppendBreak(doc, LineBreakKind::kSource);
  Append(doc, "x");
  doc.code = CharCodeId::kEuc;
  doc.lineEnd = LineEndId::kLf;
  ASSERT_TRUE(SaveVisualDocument(Ctx(), kFile, doc));
  EXPECT_EQ(*fs.Content(kFile), "<HTML><HEAD><TITLE></TITLE></HEAD><BODY>\n<B>" + kEucA + "</B>\nx" + kTail);
  VisualDocument back;
  fs.CreateFolder("C:\\quelt");
  ASSERT_TRUE(LoadVisualDocument(FileContext{fs, host, "C:\\quelt\\q.TM1", false, nullptr, {}}, kFile, CharCodeId::kAuto, back));
  EXPECT_EQ(back.code, CharCodeId::kEuc);
  EXPECT_EQ(back.lineEnd, LineEndId::kLf);
  EXPECT_EQ(back.text, doc.text);
}

// What the link and page dialogs take comes back from the file unchanged,
// whatever characters it holds.
TEST_F(SaveVisualTest, LinksBackgroundAndTitleComeBackWhateverTheyHold) {
  const std::string hyo = "\x95\x5C", po = "\x83\x7C";  // 表 and ポ: second bytes "\\" and "|"
  const std::string values[] = {"a>b", "say \"hi\"", "x<y", "a&amp;b", "&copy;", "</TITLE>", " a b ",
                                "a.cgi?q=1&r=2", hyo + "\\" + po + "|\"" + hyo, "a\r\nb", "\n", "\t"};
  fs.CreateFolder("C:\\quelt");
  const FileContext load{fs, host, "C:\\quelt\\q.TM1", false, nullptr, {}};
  for (const CharCodeId code : {CharCodeId::kShiftJis, CharCodeId::kEuc}) {
    for (const std::string& value : values) {
      doc = VisualDocument();
      doc.body.title = value;
      doc.body.backgroundImage = value;
      VisualAttr a;
      a.link = static_cast<std::uint8_t>(doc.AddLink(value));
      Append(doc, "t", a);
      Append(doc, "u");
      doc.code = code;
      doc.lineEnd = code == CharCodeId::kEuc ? LineEndId::kLf : LineEndId::kCrLf;
      ASSERT_TRUE(SaveVisualDocument(Ctx(), kFile, doc));
      VisualDocument back;
      VisualOpenNotes notes{true, 1};
      ASSERT_TRUE(LoadVisualDocument(load, kFile, CharCodeId::kAuto, back, &notes)) << value;
      EXPECT_FALSE(notes.noBody);
      EXPECT_EQ(back.body, doc.body) << value;
      EXPECT_EQ(back.text, "tu") << value;
      ASSERT_EQ(back.attrs.size(), 2u);
      EXPECT_EQ(back.LinkText(back.attrs[0].link), value);
      EXPECT_EQ(back.attrs[1].link, 0) << value;
    }
  }
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(SaveVisualTest, AnOversizedPageToConvertIsRefusedAndTheOldFileStays) {
  fs.WriteFile(kFile, "old");
  for (int i = 0; i < 4000; ++i) {
    VisualAttr a;
    a.link = static_cast<std::uint8_t>(1 + i % 2);
    Append(doc, "x", a);
  }
  doc.links[0] = std::string(600, 'p');
  doc.links[1] = std::string(600, 'q');
  ASSERT_GT(GenerateVisualHtml(doc).size(), kMaxConvertBytes);
  doc.code = CharCodeId::kJis;
  EXPECT_FALSE(SaveVisualDocument(Ctx(), kFile, doc));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0], kMsgVisualSaveTooLarge);
  EXPECT_EQ(*fs.Content(kFile), "old");
  // As Shift-JIS with CR LF it is written as it stands.
  doc.code = CharCodeId::kShiftJis;
  EXPECT_TRUE(SaveVisualDocument(Ctx(), kFile, doc));
  EXPECT_GT(fs.Content(kFile)->size(), kMaxConvertBytes);
}

TEST_F(SaveVisualTest, AFileThatCannotBeWrittenKeepsItsOldContent) {
  fs.WriteFile(kFile, "old");
  fs.FailWritesAfter(0);
  Append(doc, "new");
  EXPECT_FALSE(SaveVisualDocument(Ctx(), kFile, doc));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0], kMsgVisualCreateFailed);
  EXPECT_EQ(*fs.Content(kFile), "old");
  fs.FailWritesAfter(-1);
  EXPECT_FALSE(SaveVisualDocument(Ctx(), "C:\\nowhere\\page.htm", doc));
  EXPECT_EQ(host.messages.back(), kMsgVisualCreateFailed);
}

// ---- Round trip ----

TEST(VisualRoundTripTest, SourceAndBrBreaksComeBackAsTheyWere) {
  VisualDocument doc;
  Append(doc, "a");
  AppendBreak(doc, LineBreakKind::kSource);
  Append(doc, "b");
  AppendBreak(doc, LineBreakKind::kBr);
  const std::string html = GenerateVisualHtml(doc);
  EXPECT_EQ(BodyOf(html), "a\r\nb<BR>");
  VisualDocument back;
  ParseVisualHtml(html, back);
  EXPECT_EQ(back.text, doc.text);
  EXPECT_EQ(back.attrs, doc.attrs);
}

TEST(VisualRoundTripTest, BlackLoadsAsBlackAndSavesAsZeros) {
  VisualDocument doc;
  ParseVisualHtml("<BODY><FONT COLOR=#000000>k</FONT>", doc);
  ASSERT_EQ(doc.attrs.at(0).colour, kVisualBlack);
  EXPECT_EQ(BodyOf(GenerateVisualHtml(doc)), "<FONT COLOR=\"#000000\">k</FONT>");
}

// Random documents that loading can give: text without "<", two-byte
// characters, line breaks of both kinds that carry nothing but a link.
VisualDocument RandomDocument(std::mt19937& rng) {
  auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
  VisualDocument doc;
  for (int i = pick(81); i > 0; --i) doc.body.title += static_cast<char>(' ' + 1 + pick(27));
  if (pick(2)) doc.body.backgroundImage = "img " + std::to_string(pick(100)) + ".gif";
  for (BodyColour* c : {&doc.body.background, &doc.body.text, &doc.body.link, &doc.body.visitedLink,
                        &doc.body.activeLink})
    if (pick(2)) *c = {true, static_cast<ColourRef>(rng() & 0xFFFFFF)};
  int links = 0;
  for (int runs = pick(40); runs > 0; --runs) {
    VisualAttr a = Font(doc, 1 + pick(7), pick(3) == 0, pick(3) == 0);
    const int colour = pick(4);
    a.colour = colour == 0 ? 0 : colour == 1 ? kVisualBlack : static_cast<ColourRef>(1 + rng() % 0xFFFFFF);
    const int position = pick(4);
    a.position = position == 1 ? kPositionSuper : position == 2 ? kPositionSub : kPositionNormal;
    if (pick(3) == 0 && links < 8) {
      a.link = static_cast<std::uint8_t>(doc.AddLink("page " + std::to_string(pick(1000)) + ".htm#" + kA));
      ++links;
    }
    for (int chars = 1 + pick(12); chars > 0; --chars) {
      const int kind = pick(10);
      if (kind == 0 || kind == 1) {
        VisualAttr br;
        br.link = a.link;
        AppendBreak(doc, kind == 0 ? LineBreakKind::kSource : LineBreakKind::kBr, br);
      } else if (kind <= 3) {
        const char lead = static_cast<char>(pick(2) ? 0x81 + pick(31) : 0xE0 + pick(29));
        const char trail = static_cast<char>(pick(2) ? 0x40 + pick(63) : 0x80 + pick(125));
        Append(doc, std::string{lead, trail}, a);
      } else if (kind == 4) {
        Append(doc, std::string(1, static_cast<char>(0xA1 + pick(63))), a);
      } else {
        char c = static_cast<char>(' ' + pick(95));
        if (c == '<') c = '>';
        Append(doc, std::string(1, c), a);
      }
    }
  }
  return doc;
}

struct SavedByte {
  SavedAttr attr;
  std::string href;
  bool br = false;
  bool operator==(const SavedByte&) const = default;
};

std::vector<SavedByte> SavedView(const VisualDocument& doc) {
  std::vector<SavedByte> view;
  for (const VisualAttr& a : doc.attrs) {
    SavedByte b{SavedAttrOf(doc, a), doc.LinkText(a.link), a.lineBreak == LineBreakKind::kBr};
    b.attr.link = 0;  // compared by its text
    view.push_back(b);
  }
  return view;
}

TEST(VisualRoundTripTest, RandomDocumentsComeBackWithTheirSavedAttributes) {
  for (unsigned seed = 1; seed <= 400; ++seed) {
    std::mt19937 rng(seed);
    const VisualDocument doc = RandomDocument(rng);
    const std::string html = GenerateVisualHtml(doc);
    VisualDocument back;
    ParseVisualHtml(html, back);
    ASSERT_EQ(back.text, doc.text) << "seed " << seed;
    ASSERT_EQ(back.body, doc.body) << "seed " << seed;
    ASSERT_TRUE(SavedView(back) == SavedView(doc)) << "seed " << seed;
    ASSERT_EQ(GenerateVisualHtml(back), html) << "seed " << seed;
  }
}

}  // namespace
}  // namespace quelt
