#include <gtest/gtest.h>

#include "colour_test_support.h"
#include "fake_host.h"
#include "view/colour_scan.h"
#include "view/line_comment_memo.h"

#include <random>

namespace quelt {
namespace {

using test::ColourDoc;
using test::TestOptions;

const std::string kHyou = "\x95\x5C";  // trail byte '\'

ColourOptions UserComment(std::string mark, bool fullMode) {
  ColourOptions o = TestOptions(0);
  o.userLineComment = std::move(mark);
  o.ulCommentFullMode = fullMode;
  return o;
}

ColourOptions AreaOn(int type = 1) {
  ColourOptions o = TestOptions(type);
  o.colorAreaComment = true;
  return o;
}

// A C document with its delimiter tables.
struct CDoc : ColourDoc {
  explicit CDoc(const std::string& text, std::uint32_t width = 0) : ColourDoc(text, width) {
    EXPECT_TRUE(tables.Create());
    tables.RebuildCommentTables(store, host);
  }
  std::string Colour(const ColourOptions& o = AreaOn()) { return ColourDoc::Colour(o, &tables); }
  std::string Lines(std::uint32_t top, std::uint32_t bottom, const ColourOptions& o = AreaOn()) {
    return ColourLines(o, top, bottom, &tables);
  }
  test::FakeHost host;
  AreaCommentTables tables;
};

TEST(ColourUserComment, FirstMarkOfEachLogicalLineThroughItsLineEnd) {
  ColourDoc doc("a ;b\r\nc;d;e\r\nf");
  EXPECT_EQ(doc.Colour(UserComment(";", false)), "..MMMM.MMMMMM.");
  EXPECT_EQ(doc.Colour(UserComment("", false)), "..............");
  // Only general text has a user line comment.
  ColourOptions c = UserComment(";", false);
  c.documentType = 1;
  EXPECT_EQ(doc.Colour(c), "..............");
}

TEST(ColourUserComment, FullModeNeverStartsOnATrailByte) {
  ColourDoc doc(kHyou + "x\\y");
  EXPECT_EQ(doc.Colour(UserComment("\\", true)), "...MM");
  // The plain byte search finds the trail byte; the comment then takes the
  // whole character instead of splitting it.
  EXPECT_EQ(doc.Colour(UserComment("\\", false)), "MMMMM");
}

TEST(ColourUserComment, ALineWrappedAboveTheTopStillColours) {
  ColourDoc doc("ab;cdefgh\r\nxy", 3);
  ASSERT_EQ(doc.store.LineCount(), 4u);
  EXPECT_EQ(doc.ColourLines(UserComment(";", true), 1, 3), "MMMMMMMM..");
}

TEST(ColourCComments, LineCommentInCAndCpp) {
  CDoc doc("int a; // x int\r\nb");
  EXPECT_EQ(doc.Colour(TestOptions(1)), "CCC....MMMMMMMMMM.");
  EXPECT_EQ(doc.Colour(TestOptions(2)), "CCC....MMMMMMMMMM.");
  EXPECT_EQ(doc.Colour(TestOptions(0)), "..................");
}

TEST(ColourCComments, AreaCommentAcrossLines) {
  CDoc doc("a /* b\r\nc */ d");
  EXPECT_EQ(doc.Colour(), "..MMMMMMMMMM..");
  // Off: no area comments.
  EXPECT_EQ(doc.Colour(TestOptions(1)), "..............");
}

TEST(ColourCComments, SlashSlashBeforeSlashStarOpensNothing) {
  CDoc doc("a // /* b\r\nc */ d");
  EXPECT_EQ(doc.Colour(), "..MMMMMMMMM......");
  CDoc joined("//* x\r\ny */");
  EXPECT_EQ(joined.Colour(), "MMMMMMM....");
}

TEST(ColourCComments, SlashSlashBeforeStarSlashClosesNothing) {
  CDoc doc("/* a\r\n// */ b\r\nc */ d");
  EXPECT_EQ(doc.Colour(), "MMMMMMMMMMMMMMMMMMM..");
}

TEST(ColourCComments, SlashStarSlashDoesNotCloseItself) {
  CDoc doc("/*/ x */ y /**/z");
  EXPECT_EQ(doc.Colour(), "MMMMMMMM...MMMM.");
}

TEST(ColourCComments, UnclosedRunsToTheEndOfTheRange) {
  CDoc doc("x /* a\r\nb");
  EXPECT_EQ(doc.Colour(), "..MMMMMMM");
}

TEST(ColourCComments, ACommentOpenedAboveTheTopLine) {
  CDoc doc("/* a\r\nb\r\nc */ d\r\nint");
  EXPECT_EQ(doc.Lines(1, 3), "MMMMMMM....CCC");
}

TEST(ColourCComments, CommentsOverwriteKeywordsButNotMarks) {
  CDoc doc("/* int */ int");
  const MarkedString marks[] = {{3, "int"}};
  EXPECT_EQ(doc.ColourDoc::Colour(AreaOn(), &doc.tables, marks), "MMMBBBMMM.CCC");
}

// Whether "//" stands on p's logical line before p, by a walk back from p.
bool LineCommentBefore(const std::string& text, TextOffset p) {
  for (TextOffset k = p; k-- > 0;) {
    if (text[k] == '\n' && k > 0 && text[k - 1] == '\r') return false;
    if (text[k] == '/' && k + 1 < text.size() && text[k + 1] == '/') return true;
  }
  return false;
}

TEST(ColourCComments, LineCommentMemoAgreesWithTheFullScan) {
  std::mt19937 rng(5);
  const std::string pieces[] = {"/", "*", "a", "\r\n", "//", "\x95\x5C"};
  for (int round = 0; round < 50; ++round) {
    std::string text;
    for (int i = 0; i < 80; ++i) text += pieces[rng() % 6];
    ColourDoc doc(text);
    LineCommentMemo memo;
    for (TextOffset p = static_cast<TextOffset>(rng() % 4); p <= text.size(); p += 1 + rng() % 5) {
      const TextOffset start = LineCommentMemo::LogicalLineStart(doc.store, p);
      ASSERT_EQ(memo.FirstBefore(doc.store, start, p) != LineCommentMemo::kNone, LineCommentBefore(text, p))
          << text << " at " << p;
    }
  }
}

TEST(ColourCComments, ManyCommentsOnOneLongLine) {
  // A minified file: one logical line, wrapped, with 600 comments.
  std::string text;
  for (int i = 0; i < 600; ++i) text += "x=1;/* c */";
  text += "// end";
  CDoc doc(text, 100);
  const std::uint32_t last = doc.store.LineCount() - 1;
  const std::string picture = doc.Lines(last - 1, last);
  // The bottom two rows end in "... x=1;/* c */// end".
  ASSERT_GE(picture.size(), 13u);
  EXPECT_EQ(picture.substr(picture.size() - 17), "....MMMMMMMMMMMMM");
}

}  // namespace
}  // namespace quelt
