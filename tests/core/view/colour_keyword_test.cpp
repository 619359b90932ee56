#include <gtest/gtest.h>

#include "colour_test_support.h"
#include "view/word_tables.h"

namespace quelt {
namespace {

using test::ColourDoc;
using test::TestOptions;

// "表" is 0x95 0x5C (trail byte '\'), "ア" 0x83 0x41 (trail byte 'A'),
// "＠" 0x81 0x97, the full-width space 0x81 0x40 (trail byte '@').
const std::string kHyou = "\x95\x5C";
const std::string kA = "\x83\x41";
const std::string kWideSpace = "\x81\x40";

ColourOptions WithKeywords(std::vector<std::string> words, bool caseSensitive = true, bool wholeWord = true) {
  ColourOptions o = TestOptions();
  o.keywords = std::move(words);
  o.keywordCaseSensitive = caseSensitive;
  o.keywordWholeWord = wholeWord;
  return o;
}

TEST(ColourTables, SizesAndOrder) {
  EXPECT_EQ(CKeywords().size(), 81u);
  EXPECT_EQ(CKeywords().front(), "__asm");
  EXPECT_EQ(CKeywords().back(), "_saveregs");
  EXPECT_EQ(CppKeywords().size(), 15u);
  EXPECT_EQ(CppKeywords().back(), "__virtual_inheritance");
  ASSERT_EQ(HtmlFragments().size(), 364u);
  EXPECT_EQ(HtmlFragments()[7], "<BODY ");
  EXPECT_EQ(HtmlFragments()[181], "<BASE ");
  // The lower half repeats the upper half in lower case.
  for (std::size_t i = 0; i < kHtmlUpperCount; ++i) {
    std::string lower(HtmlFragments()[i]);
    for (char& ch : lower) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    EXPECT_EQ(HtmlFragments()[kHtmlUpperCount + i], lower);
  }
  EXPECT_TRUE(IsCKeyword("#define"));
  EXPECT_FALSE(IsCKeyword("define"));
  EXPECT_TRUE(IsCppKeyword("this"));
}

TEST(ColourUserKeywords, WholeWordUsesLettersAndDigitsOnly) {
  ColourDoc doc("int print int2 _int_ (int)");
  EXPECT_EQ(doc.Colour(WithKeywords({"int"})), "KKK.............KKK...KKK.");
  // Without whole-word matching every occurrence is coloured.
  EXPECT_EQ(doc.Colour(WithKeywords({"int"}, true, false)), "KKK...KKK.KKK...KKK...KKK.");
}

TEST(ColourUserKeywords, CaseRule) {
  ColourDoc doc("Int INT int");
  EXPECT_EQ(doc.Colour(WithKeywords({"int"})), "........KKK");
  EXPECT_EQ(doc.Colour(WithKeywords({"int"}, false)), "KKK.KKK.KKK");
}

TEST(ColourUserKeywords, SearchResumesAfterAnOccurrence) {
  // "aa" in "aaa": one occurrence at 0, not whole; the next search starts at
  // 2 and finds nothing, so the whole-word one later is the only colour.
  ColourDoc doc("aaa aa");
  EXPECT_EQ(doc.Colour(WithKeywords({"aa"})), "....KK");
  EXPECT_EQ(doc.Colour(WithKeywords({"aa"}, true, false)), "KK..KK");
}

TEST(ColourUserKeywords, DoubleByteKeywordIgnoresWholeWord) {
  ColourDoc doc("x" + kHyou + "y");
  EXPECT_EQ(doc.Colour(WithKeywords({kHyou})), ".KK.");
}

TEST(ColourUserKeywords, TrailBytesThatLookLikeAsciiNeverMatch) {
  // "\" and "A" as trail bytes, in both case modes.
  ColourDoc doc(kHyou + "\\" + kA + "a");
  EXPECT_EQ(doc.Colour(WithKeywords({"\\"}, true, false)), "..K...");
  EXPECT_EQ(doc.Colour(WithKeywords({"a"}, false, false)), ".....K");
  // A trail byte before a word is a separator, not a letter.
  ColourDoc kana(kA + "int");
  EXPECT_EQ(kana.Colour(WithKeywords({"int"})), "..KKK");
  // Case folding never touches a trail byte: "ア" (83 41) is not "・a".
  ColourDoc fold("\x83\x61");
  EXPECT_EQ(fold.Colour(WithKeywords({kA}, false)), "..");
}

TEST(ColourUserKeywords, AKeywordEndingInALeadByteNeverSplitsACharacter) {
  ColourDoc doc(kA);
  EXPECT_EQ(doc.Colour(WithKeywords({"\x83"}, true, false)), "..");
}

TEST(ColourUserKeywords, WholeWordLooksPastTheEdgesOfTheRange) {
  // "print" wrapped after "pr": the visible second line starts with "int",
  // which is not a word of its own.
  ColourDoc doc("print", 2);
  ASSERT_EQ(doc.store.LineCount(), 3u);
  EXPECT_EQ(doc.ColourLines(WithKeywords({"int"}), 1, 2), "...");
  ColourDoc word("x int", 2);
  EXPECT_EQ(word.ColourLines(WithKeywords({"int"}), 1, 2), "KKK");
}

TEST(ColourHtml, UpperAndLowerHalves) {
  ColourOptions o = TestOptions();
  o.htmlDocument = true;
  ColourDoc doc("<BODY bgcolor=x><body><Body>");
  o.colorLowerHtmlTag = true;
  EXPECT_EQ(doc.Colour(o), "HHHHHHHHHHHHHH..HHHHHH......");
  o.colorLowerHtmlTag = false;
  EXPECT_EQ(doc.Colour(o), "HHHHHH......................");
  o.htmlDocument = false;
  EXPECT_EQ(doc.Colour(o), "............................");
}

TEST(ColourCKeywords, ByDocumentType) {
  ColourDoc doc("class int x;");
  EXPECT_EQ(doc.Colour(TestOptions(0)), "............");
  EXPECT_EQ(doc.Colour(TestOptions(1)), "......CCC...");
  EXPECT_EQ(doc.Colour(TestOptions(2)), "PPPPP.CCC...");
}

TEST(ColourCKeywords, WholeCWordsOnly) {
  // Underscore belongs to a C word: "_int_" and "my_int" are identifiers.
  ColourDoc doc("print int2 _int_ my_int int;");
  EXPECT_EQ(doc.Colour(TestOptions(1)), "........................CCC.");
  ColourDoc under("__asm ___asm _far");
  EXPECT_EQ(under.Colour(TestOptions(1)), "CCCCC........CCCC");
}

TEST(ColourCKeywords, Directives) {
  ColourDoc doc("#define X\r\n#ifdef Y\r\n# define\r\na#if");
  EXPECT_EQ(doc.Colour(TestOptions(1)), "CCCCCCC....CCCCCC................CC");
}

// A byte's colour never depends on which lines are repainted: a "#" that
// ends a display line is part of the directive on the next one.
TEST(ColourCKeywords, ADirectiveSplitByAWrapColoursTheSameOnEveryRepaint) {
  ColourDoc doc("ab #define", 4);
  ASSERT_EQ(doc.store.LineCount(), 3u);
  const std::string whole = doc.Colour(TestOptions(1));
  EXPECT_EQ(whole, "...CCCCCCC");
  EXPECT_EQ(doc.ColourLines(TestOptions(1), 0, 0), whole.substr(0, 4));
  EXPECT_EQ(doc.ColourLines(TestOptions(1), 1, 1), whole.substr(4, 4));
  EXPECT_EQ(doc.ColourLines(TestOptions(1), 2, 2), whole.substr(8));
}

TEST(ColourCKeywords, AWordCutByTheBottomLineKeepsItsColour) {
  // "int" wrapped after "in": the visible "in" is still part of "int" ...
  ColourDoc doc("a int", 4);
  EXPECT_EQ(doc.ColourLines(TestOptions(1), 0, 0), "..CC");
  // ... and a word longer than the look-ahead is left alone.
  ColourDoc longWord("a int" + std::string(40, 'x'), 4);
  EXPECT_EQ(longWord.ColourLines(TestOptions(1), 0, 0), "....");
}

TEST(ColourMarkedStrings, ShownOnlyWhileTheTextIsUnchanged) {
  ColourDoc doc("abc int def");
  const MarkedString marks[] = {{4, "int"}, {8, "xyz"}};
  EXPECT_EQ(doc.Colour(TestOptions(1), nullptr, marks), "....BBB....");
}

TEST(ColourMarkedStrings, StayVisibleInsideComments) {
  ColourDoc doc("x // abc");
  const MarkedString marks[] = {{5, "ab"}};
  EXPECT_EQ(doc.Colour(TestOptions(1), nullptr, marks), "..MMMBBM");
}

}  // namespace
}  // namespace quelt
