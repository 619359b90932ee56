// Several alternatives: the split with its quoting and limits, the order in
// which alternatives are tried, both directions.
#include "search/multi_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "search_test_util.h"

namespace quelt {
namespace {

using testing::FindIn;
using testing::StartOf;
using List = std::vector<std::string>;

SearchOptions Multi(bool matchCase = false) {
  SearchOptions o;
  o.multiText = true;
  o.matchCase = matchCase;
  return o;
}

TEST(MultiTextSplit, SpacesAndQuotes) {
  EXPECT_EQ(SplitAlternatives("\"a b\" c \"\"x"), (List{"a b", "c", "\"x"}));
  EXPECT_EQ(SplitAlternatives("  a   b  "), (List{"a", "b"}));
  EXPECT_EQ(SplitAlternatives("\"\""), (List{"\""}));
  EXPECT_EQ(SplitAlternatives("\"a \"\"b\"\" c\""), (List{"a \"b\" c"}));
  EXPECT_EQ(SplitAlternatives("a\"b c\"d e"), (List{"ab cd", "e"}));
  EXPECT_EQ(SplitAlternatives("\" \""), (List{" "}));
  EXPECT_EQ(SplitAlternatives("\""), List{});
  EXPECT_EQ(SplitAlternatives(""), List{});
  // A double-byte character is taken whole; the ideographic space splits nothing.
  EXPECT_EQ(SplitAlternatives("\x81\x40x \x83\x5C"), (List{"\x81\x40x", "\x83\x5C"}));
}

TEST(MultiTextSplit, Limits) {
  std::string text;
  for (int i = 0; i < 25; ++i) text += "w" + std::to_string(i) + " ";
  const List list = SplitAlternatives(text);
  ASSERT_EQ(list.size(), 20u);
  EXPECT_EQ(list.back(), "w19");
  // An alternative of 256 bytes ends the list; 255 bytes are kept.
  EXPECT_EQ(SplitAlternatives("a " + std::string(256, 'b') + " c"), (List{"a"}));
  EXPECT_EQ(SplitAlternatives("a " + std::string(255, 'b') + " c").size(), 3u);
  EXPECT_EQ(SplitAlternatives("a \"" + std::string(300, ' ') + "\" c"), (List{"a"}));
}

TEST(MultiTextSearch, OrderAndDirections) {
  // The earliest position wins; at one position the first in the list.
  EXPECT_EQ(StartOf(FindIn("xabc", "bc abc", Multi())), 1);
  EXPECT_EQ(FindIn("abc", "ab abc", Multi()).length, 2u);
  EXPECT_EQ(FindIn("abc", "abc ab", Multi()).length, 3u);
  EXPECT_EQ(StartOf(FindIn("cat dog cat", "dog cat", Multi(), false)), 8);
  EXPECT_EQ(StartOf(FindIn("cat dog cat", "dog cat", Multi(), false, 0, 10)), 4);
  EXPECT_EQ(StartOf(FindIn("a b", "\"a b\"", Multi())), 0);
  // An alternative that does not fit before the range end gives way to the next.
  EXPECT_EQ(FindIn("abc", "abc ab", Multi(), true, 0, 2).length, 2u);
}

TEST(MultiTextSearch, CaseAndCharacters) {
  EXPECT_EQ(StartOf(FindIn("xDOG", "cat dog", Multi())), 1);
  EXPECT_EQ(StartOf(FindIn("xDOG", "cat dog", Multi(true))), -1);
  EXPECT_EQ(StartOf(FindIn("\x82\x61", "a b", Multi())), -1);
  EXPECT_EQ(StartOf(FindIn("\x83\x5C\\", "\\ x", Multi())), 2);
  EXPECT_EQ(StartOf(FindIn("x\x82\x60", "\x82", Multi())), -1);
  EXPECT_EQ(StartOf(FindIn("x\x82", "\x82", Multi())), 1);
  EXPECT_FALSE(FindIn("abc", "\"\" ", Multi()).found);
  Searcher s;
  EXPECT_FALSE(s.Prepare("   ", Multi()));
}

}  // namespace
}  // namespace quelt
