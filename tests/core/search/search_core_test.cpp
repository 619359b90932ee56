// The plain search: directions and ranges, case folding of one-byte letters
// only, character boundaries, whole words, the cancel poll, the engine's
// choice of path and the cut of long texts.
#include <gtest/gtest.h>

#include <string>

#include "search/search_engine.h"
#include "search_test_util.h"

namespace quelt {
namespace {

using testing::ExactText;
using testing::FindIn;
using testing::Options;
using testing::StartOf;

TEST(SearchPlain, DirectionsAndRanges) {
  EXPECT_EQ(StartOf(FindIn("abcabc", "abc", Options())), 0);
  EXPECT_EQ(StartOf(FindIn("abcabc", "abc", Options(), false)), 3);
  // The last match lying wholly inside the range, from both ends.
  EXPECT_EQ(StartOf(FindIn("abcabc", "abc", Options(), false, 0, 5)), 0);
  EXPECT_EQ(StartOf(FindIn("abcabc", "abc", Options(), true, 1, 6)), 3);
  EXPECT_EQ(StartOf(FindIn("abcabc", "abc", Options(), false, 1, 5)), -1);
  EXPECT_EQ(StartOf(FindIn("abcd", "abc", Options(), true, 0, 2)), -1);
  // Overlapping matches: up finds the one starting last.
  EXPECT_EQ(StartOf(FindIn("aaaa", "aa", Options(), false)), 2);
  EXPECT_EQ(StartOf(FindIn("abc", "abcd", Options())), -1);
  EXPECT_EQ(FindIn("xyABC", "abc", Options()).length, 3u);
}

TEST(SearchPlain, CaseFoldsOnlyOneByteLetters) {
  EXPECT_EQ(StartOf(FindIn("xAbC", "aBc", Options())), 1);
  EXPECT_EQ(StartOf(FindIn("xAbC", "aBc", Options(true))), -1);
  // 0x82 0x61 is "Ｂ": its second byte is no "a" in either case mode.
  EXPECT_EQ(StartOf(FindIn("\x82\x61", "a", Options())), -1);
  EXPECT_EQ(StartOf(FindIn("\x82\x61", "A", Options())), -1);
  EXPECT_EQ(StartOf(FindIn("\x82\x61" "a", "A", Options())), 2);
  // The second byte of a pattern character is compared exactly.
  EXPECT_EQ(StartOf(FindIn("\x82\x41", "\x82\x61", Options())), -1);
  EXPECT_EQ(StartOf(FindIn("@`", "`", Options())), 1);
}

TEST(SearchPlain, MatchesStartAndEndOnCharacters) {
  // "ソ" is 0x83 0x5C: no backslash inside it.
  EXPECT_EQ(StartOf(FindIn("\x83\x5C", "\\", Options())), -1);
  EXPECT_EQ(StartOf(FindIn("\x83\x5C\\", "\\", Options())), 2);
  // A run of lead-range bytes pairs up from the range start.
  EXPECT_EQ(StartOf(FindIn("\x81\x81\x81\x81", "\x81\x81", Options(), false)), 2);
  EXPECT_EQ(StartOf(FindIn("\x81\x81" "A", "\x81" "A", Options())), -1);
  EXPECT_EQ(StartOf(FindIn("x\x81\x81\x81" "A", "\x81" "A", Options())), 3);
  EXPECT_EQ(StartOf(FindIn("\x81\x81\x81" "A", "\x81" "A", Options(), true, 2, 4)), 2);
  // A text ending in a lone lead byte only matches a lone lead at the end.
  EXPECT_EQ(StartOf(FindIn("a\x82", "a\x82", Options())), 0);
  EXPECT_EQ(StartOf(FindIn("a\x82\x60", "a\x82", Options())), -1);
  EXPECT_EQ(StartOf(FindIn("ab\x82", "\x82", Options())), 2);
  // Without the lead-byte test every byte is a character.
  SearchOptions single = Options(true);
  single.lead = LeadByteTest(false);
  EXPECT_EQ(StartOf(FindIn("\x82\x61", "a", single)), 1);
}

TEST(SearchPlain, WholeWord) {
  SearchOptions o = Options();
  o.wholeWord = true;
  EXPECT_EQ(StartOf(FindIn("xa_by", "a_b", o)), -1);
  EXPECT_EQ(StartOf(FindIn("1a_b2", "a_b", o)), 1);
  EXPECT_EQ(StartOf(FindIn("a_b", "a_b", o)), 0);
  EXPECT_EQ(StartOf(FindIn("_a_b a_b", "a_b", o)), 5);
  EXPECT_EQ(StartOf(FindIn("don't", "don't", o)), 0);
  EXPECT_EQ(StartOf(FindIn("'''", "'", o)), 0);  // no letter: matched anywhere
  // The second byte of "チ" (0x83 0x60) before the word is no letter.
  EXPECT_EQ(StartOf(FindIn("\x83\x60" "abc", "`abc", o)), -1);
  EXPECT_EQ(StartOf(FindIn("\x83\x61" "abc", "abc", o)), 2);
  EXPECT_EQ(StartOf(FindIn("\x81\x83\x61" "abc", "abc", o)), -1);
  EXPECT_EQ(StartOf(FindIn("abc\x82\xA0", "abc", o)), 0);
  // Texts of other characters are matched anywhere.
  EXPECT_EQ(StartOf(FindIn("xa-by", "a-b", o)), 1);
  EXPECT_EQ(StartOf(FindIn("xa1y", "a1", o)), 1);
  // The neighbours outside the range still count.
  EXPECT_EQ(StartOf(FindIn("xabc", "abc", o, true, 1, 4)), -1);
  EXPECT_EQ(StartOf(FindIn("abcx", "abc", o, true, 0, 3)), -1);
  EXPECT_EQ(StartOf(FindIn("abc abc", "abc", o, false)), 4);
}

TEST(SearchPlain, CancelPollStopsALongScan) {
  std::string text(200000, 'x');
  text += "needle";
  const ExactText buffer(text);
  Searcher searcher;
  ASSERT_TRUE(searcher.Prepare("needle", Options()));
  int calls = 0;
  const CancelPoll keepOn = [&calls] { return ++calls < 0; };
  EXPECT_TRUE(searcher.Find(buffer.data(), buffer.size(), 0, buffer.size(), true, &keepOn).found);
  EXPECT_NEAR(calls, 100, 2);
  calls = 0;
  const CancelPoll stop = [&calls] { return ++calls == 3; };
  EXPECT_FALSE(searcher.Find(buffer.data(), buffer.size(), 0, buffer.size(), true, &stop).found);
  EXPECT_EQ(calls, 3);
  calls = 0;
  EXPECT_FALSE(searcher.Find(buffer.data(), buffer.size(), 0, buffer.size(), false, &stop).found);
  // The other paths poll as well.
  SearchOptions regex = testing::RegexOptions();
  ASSERT_TRUE(searcher.Prepare("ne+dle", regex));
  calls = 0;
  EXPECT_FALSE(searcher.Find(buffer.data(), buffer.size(), 0, buffer.size(), true, &stop).found);
  SearchOptions multi = Options();
  multi.multiText = true;
  ASSERT_TRUE(searcher.Prepare("needle pin", multi));
  calls = 0;
  EXPECT_FALSE(searcher.Find(buffer.data(), buffer.size(), 0, buffer.size(), true, &stop).found);
}

TEST(SearchEngine, ChoosesThePath) {
  Searcher searcher;
  EXPECT_FALSE(searcher.Prepare("", Options()));
  SearchOptions literal = Options();
  literal.distinguishWidth = false;  // the pattern search, every character literal
  EXPECT_EQ(StartOf(FindIn("abc a.c", "a.c", literal)), 4);
  EXPECT_EQ(StartOf(FindIn("x[", "[", literal)), 1);
  EXPECT_EQ(StartOf(FindIn("abc a.c", "a.c", Options())), 4);
  // Multi-text is a plain-search setting only.
  SearchOptions multiRegex = testing::RegexOptions();
  multiRegex.multiText = true;
  EXPECT_EQ(StartOf(FindIn("xb", "a b", multiRegex)), -1);
  // A failed Prepare leaves nothing to find.
  ASSERT_TRUE(searcher.Prepare("a", Options()));
  EXPECT_FALSE(searcher.Prepare("[a", testing::RegexOptions()));
  const ExactText buffer("a");
  EXPECT_FALSE(searcher.Find(buffer.data(), buffer.size(), 0, 1, true).found);
}

TEST(SearchEngine, CutSearchText) {
  EXPECT_EQ(CutSearchText(std::string(90, 'a')).size(), 80u);
  EXPECT_EQ(CutSearchText(std::string(79, 'a') + "\x82\xA0").size(), 79u);
  EXPECT_EQ(CutSearchText(std::string(78, 'a') + "\x82\xA0" "b").size(), 80u);
  EXPECT_EQ(CutSearchText(std::string(79, 'a') + "\x82").size(), 80u);
  EXPECT_EQ(CutSearchText("\x83\x5C" "b"), "\x83\x5C" "b");
}

}  // namespace
}  // namespace quelt
