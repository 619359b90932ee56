// Regular expressions: the syntax and its malformed forms, characters read
// whole, the zero-length rule, the ten levels of repetition, anchors, sets
// over double-byte codes, and the folding of widths and case.
#include <gtest/gtest.h>

#include <string>

#include "search/regex_pattern.h"
#include "search/search_engine.h"
#include "search_test_util.h"

namespace quelt {
namespace {

using testing::FindIn;
using testing::RegexOptions;
using testing::StartOf;

// "start:length" of a regex hit, or "-".
std::string Hit(std::string_view text, std::string_view pattern, SearchOptions o = RegexOptions(), bool down = true,
                TextOffset from = 0, TextOffset to = testing::kToEnd) {
  const SearchHit hit = FindIn(text, pattern, o, down, from, to);
  return hit.found ? std::to_string(hit.start) + ":" + std::to_string(hit.length) : "-";
}

SearchOptions Folding(bool matchCase = false) { return RegexOptions(matchCase, false); }

TEST(RegexSyntax, MalformedPatterns) {
  Searcher s;
  EXPECT_FALSE(s.Prepare("", RegexOptions()));
  EXPECT_FALSE(s.Prepare("[abc", RegexOptions()));
  EXPECT_FALSE(s.Prepare("[]", RegexOptions()));
  EXPECT_FALSE(s.Prepare("[^]", RegexOptions()));
  EXPECT_FALSE(s.Prepare("abc\\", RegexOptions()));
  EXPECT_FALSE(s.Prepare("[a\\", RegexOptions()));
  EXPECT_FALSE(s.Prepare("[z-a]", RegexOptions()));
  EXPECT_FALSE(s.Prepare(std::string(81, 'a'), RegexOptions()));
  EXPECT_TRUE(s.Prepare(std::string(80, 'a'), RegexOptions()));
  // A backslash quoting "ソ" is no lone backslash, nor is the 0x5C inside it.
  EXPECT_TRUE(s.Prepare("\\\x83\x5C", RegexOptions()));
  EXPECT_TRUE(s.Prepare("a\x83\x5C", RegexOptions()));
}

TEST(RegexSyntax, LiteralsAndQuoting) {
  EXPECT_EQ(Hit("foobar foo12bar", "foo[0-9]+bar"), "7:8");
  EXPECT_EQ(Hit("a.c abc", "a\\.c"), "0:3");
  EXPECT_EQ(Hit("x[a]", "\\[a\\]"), "1:3");
  EXPECT_EQ(Hit("a\\b", "a\\\\b"), "0:3");
  EXPECT_EQ(Hit("ab a^b a$b", "a^b"), "3:3");
  EXPECT_EQ(Hit("ab a$b", "a$b"), "3:3");
  EXPECT_EQ(Hit("**", "*"), "0:1");   // nothing to repeat
  EXPECT_EQ(Hit("a**", "a**"), "0:2");  // a repeated element is not repeated again
  // "ソ" (0x83 0x5C) then "+": the 0x5C is no backslash quoting the "+".
  EXPECT_EQ(Hit("\x83\x5C\x83\x5C+", "\x83\x5C+"), "0:4");
  EXPECT_EQ(Hit("x\x83\x5C", "\\\x83\x5C"), "1:2");
  EXPECT_EQ(Hit("\x83\x5C" "a", "\x83\x5C" "a"), "0:3");
}

TEST(RegexSyntax, EscapesWhenSwitchedOn) {
  SearchOptions o = RegexOptions();
  EXPECT_EQ(Hit("a\tb atb", "a\\tb", o), "4:3");
  o.escapes = true;
  EXPECT_EQ(Hit("atb a\tb", "a\\tb", o), "4:3");
  EXPECT_EQ(Hit("a\r\nb", "a\\nb", o), "0:4");
  EXPECT_EQ(Hit("a\r\n\r\nb", "a\\n+b", o), "0:6");
  EXPECT_EQ(Hit("a\nb", "a\\nb", o), "-");
  EXPECT_EQ(Hit("a\r\nb", "a[\\n]+b", o), "0:4");
  EXPECT_EQ(Hit("a\tb", "a[\\t]b", o), "0:3");
  EXPECT_EQ(Hit("a\\b", "a\\\\b", o), "0:3");
}

TEST(RegexMatch, DotAndSetsKeepToOneLine) {
  EXPECT_EQ(Hit("a\r\nb", "a.b"), "-");
  EXPECT_EQ(Hit("a\r\nb", "a.*"), "0:1");
  EXPECT_EQ(Hit("a\x82\xA0" "b", "a.b"), "0:4");
  EXPECT_EQ(Hit("a\r\nb", "[^a]"), "3:1");
  EXPECT_EQ(Hit("\r\n", "[^a]"), "-");
  EXPECT_EQ(Hit("\r\n", "[\r]"), "0:1");
  // A lead byte at the very end of the text is one character.
  EXPECT_EQ(Hit("a\x82", "a."), "0:2");
}

TEST(RegexMatch, SetsOfDoubleByteCodes) {
  // あ-ん is 0x82A0-0x82F1.
  EXPECT_EQ(Hit("abc\x82\xA0\x82\xA2\x82\xA4" "d", "[\x82\xA0-\x82\xF1]+"), "3:6");
  EXPECT_EQ(Hit("\x82\xA0\x83\x41", "[^\x82\xA0-\x82\xF1]"), "2:2");
  // Codes compare as lead << 8 | trail: 0x7A ("z") < 0x8140 < 0x8260.
  EXPECT_EQ(Hit("\x81\x40", "[z-\x82\x60]"), "0:2");
  EXPECT_EQ(Hit("\x83\x40", "[z-\x82\x60]"), "-");
  // The second byte of a double-byte character is never a member alone.
  EXPECT_EQ(Hit("\x82\x61", "[a-z]"), "-");
  EXPECT_EQ(Hit("x]", "[]a]"), "1:1");
  EXPECT_EQ(Hit("x]", "[^]x]"), "-");
  EXPECT_EQ(Hit("x-", "[a-]"), "1:1");
  EXPECT_EQ(Hit("x-", "[-a]"), "1:1");
  EXPECT_EQ(Hit("b", "[a-c]"), "0:1");
  EXPECT_EQ(Hit("x\x83\x5C", "[\x83\x5C]"), "1:2");
  EXPECT_EQ(Hit("\\", "[\x83\x5C]"), "-");
}

TEST(RegexMatch, ZeroLengthMatchesCountAsNone) {
  EXPECT_EQ(Hit("bbb", "a*"), "-");
  EXPECT_EQ(Hit("baa", "a*"), "1:2");
  EXPECT_EQ(Hit("baa", "a+"), "1:2");
  EXPECT_EQ(Hit("bbb", "x*y*"), "-");
  EXPECT_EQ(Hit("xax", "x*", RegexOptions(), false), "2:1");
  EXPECT_EQ(Hit("aab", "a*ab"), "0:3");  // backtracking gives back a character
  EXPECT_EQ(Hit("a\x82\xA0\x82\xA0" "b", "a.*b"), "0:6");
  EXPECT_EQ(Hit("ab", "^"), "-");
  EXPECT_EQ(Hit("ab", "$"), "-");
}

TEST(RegexMatch, TenLevelsOfRepetition) {
  std::string ten;
  for (int i = 0; i < 10; ++i) ten += "a*";
  EXPECT_EQ(Hit("aaa", ten), "0:3");
  EXPECT_EQ(Hit("aaa", ten + "a*"), "-");
  EXPECT_EQ(Hit("aaa", ten + "a"), "0:3");
  EXPECT_EQ(Hit("b", "b" + ten + "a+"), "-");
}

TEST(RegexMatch, FailedStatesAreNotRetried) {
  // Nine repetitions over a long run with no "b": exponential without the
  // memory of failed states.
  std::string nine;
  for (int i = 0; i < 9; ++i) nine += "a*";
  const std::string run(400, 'a');
  EXPECT_EQ(Hit(run, nine + "b"), "-");
  EXPECT_EQ(Hit(run + "b", nine + "b"), "0:401");
  EXPECT_EQ(Hit(run + "\r\n" + run, ".*.*.*x"), "-");
}

TEST(RegexMatch, Anchors) {
  EXPECT_EQ(Hit("xab\r\nab", "^ab"), "5:2");
  EXPECT_EQ(Hit("ab\r\nab", "^ab", RegexOptions(), false), "4:2");
  EXPECT_EQ(Hit("ab\r\nab x ab", "ab$"), "0:2");
  EXPECT_EQ(Hit("ab\r\nab x ab", "ab$", RegexOptions(), false), "9:2");
  EXPECT_EQ(Hit("ab", "^ab$"), "0:2");
  // The byte before and after the range decides.
  EXPECT_EQ(Hit("x\r\nab", "^ab", RegexOptions(), true, 3, 5), "3:2");
  EXPECT_EQ(Hit("xab", "^ab", RegexOptions(), true, 1, 3), "-");
  EXPECT_EQ(Hit("abc", "ab$", RegexOptions(), true, 0, 2), "-");
  EXPECT_EQ(Hit("ab\r\n", "ab$", RegexOptions(), true, 0, 2), "0:2");
  // Repetitions stop at the range end.
  EXPECT_EQ(Hit("aaaa", "a+", RegexOptions(), true, 0, 2), "0:2");
  EXPECT_EQ(Hit("a\x82\xA0", "a.", RegexOptions(), true, 0, 1), "-");
}

TEST(RegexMatch, DirectionsAndCase) {
  EXPECT_EQ(Hit("a1 a2 a3", "a[0-9]", RegexOptions(), false), "6:2");
  EXPECT_EQ(Hit("a1 a2 a3", "a[0-9]", RegexOptions(), false, 0, 5), "3:2");
  EXPECT_EQ(Hit("xABC", "abc"), "1:3");
  EXPECT_EQ(Hit("xABC", "abc", RegexOptions(true)), "-");
  EXPECT_EQ(Hit("xB", "[a-c]"), "1:1");
  EXPECT_EQ(Hit("xB", "[a-c]", RegexOptions(true)), "-");
  // Only ASCII case folds: ａ and Ａ differ while widths are distinguished.
  EXPECT_EQ(Hit("\x82\x60", "\x82\x81"), "-");
  EXPECT_EQ(Hit("\x82\x61", "A"), "-");
}

TEST(RegexWidth, FoldsFullWidthAndKatakana) {
  // ＡＢＣ, ｱﾙﾌｧ / アルファ, ｶﾞ / ガ.
  const std::string fullAbc = "\x82\x60\x82\x61\x82\x62";
  const std::string halfAlpha = "\xB1\xD9\xCC\xA7";
  const std::string fullAlpha = "\x83\x41\x83\x8B\x83\x74\x83\x40";
  EXPECT_EQ(Hit("x" + fullAbc, "ABC", Folding()), "1:6");
  EXPECT_EQ(Hit("x" + fullAbc, "abc", Folding()), "1:6");
  EXPECT_EQ(Hit("x" + fullAbc, "abc", Folding(true)), "-");
  EXPECT_EQ(Hit("xABC", fullAbc, Folding(true)), "1:3");
  EXPECT_EQ(Hit(fullAlpha, halfAlpha, Folding()), "0:8");
  EXPECT_EQ(Hit(halfAlpha, fullAlpha, Folding()), "0:4");
  EXPECT_EQ(Hit("\xB6\xDE", "\x83\x4B", Folding()), "-");
  EXPECT_EQ(Hit("\x83\x4B", "\xB6\xDE", Folding()), "-");
  EXPECT_EQ(Hit("x\x81\x40y", "x y", Folding()), "0:4");
  EXPECT_EQ(Hit("\x81\x8F", "\\\\", Folding()), "0:2");  // ￥ and the backslash
  EXPECT_EQ(Hit("\x81\x5F", "\\\\", Folding()), "-");
  EXPECT_EQ(Hit(fullAbc, "ABC"), "-");
  // Sets and ranges fold both ways.
  EXPECT_EQ(Hit("\x82\x61", "[a-c]", Folding()), "0:2");
  EXPECT_EQ(Hit("b", "[\x82\x60-\x82\x62]", Folding()), "0:1");
  EXPECT_EQ(Hit("B", "[\x82\x81-\x82\x83]", Folding()), "0:1");
  EXPECT_EQ(Hit("\xB1", "[\x83\x40-\x83\x96]", Folding()), "0:1");
  EXPECT_EQ(Hit("\x83\x41", "[^\xB1]", Folding()), "-");
  // With regex off the whole text is literal.
  SearchOptions literal = Folding();
  literal.regex = false;
  EXPECT_EQ(Hit("ab" + fullAbc + "*", "abc*", literal), "2:7");
  EXPECT_EQ(Hit("^a", "^a", literal), "0:2");
}

TEST(RegexSyntax, ParsedElements) {
  ParsedPattern p;
  ASSERT_TRUE(ParsePattern("^a.[b-d]*\\$+$", true, false, LeadByteTest(), p));
  EXPECT_TRUE(p.anchorStart);
  EXPECT_TRUE(p.anchorEnd);
  ASSERT_EQ(p.elements.size(), 4u);
  EXPECT_EQ(p.elements[2].kind, ElementKind::kSet);
  EXPECT_EQ(p.elements[2].repeat, Repeat::kStar);
  EXPECT_EQ(p.elements[3].code, '$');
  EXPECT_EQ(p.elements[3].repeat, Repeat::kPlus);
  ASSERT_EQ(p.sets[0].ranges.size(), 1u);
  EXPECT_EQ(p.sets[0].ranges[0], std::make_pair(std::uint16_t{'b'}, std::uint16_t{'d'}));
}

}  // namespace
}  // namespace quelt
