// The search rules of a text window: start point, scope, wrapping, the
// selection as a hit, replace all as one rebuilt range and its undo.
#include <gtest/gtest.h>

#include <string>

#include "fake_host.h"
#include "find/find_run.h"
#include "text/text_store.h"
#include "text/undo_history.h"

namespace quelt {
namespace {

SearchText Over(const std::string& s) {
  SearchText t;
  t.bytes = reinterpret_cast<const std::uint8_t*>(s.data());
  t.length = static_cast<std::uint32_t>(s.size());
  return t;
}

Searcher Plain(const std::string& text, FindSettings settings = {}, FindFlags flags = {}) {
  Searcher s;
  EXPECT_TRUE(PrepareSearcher(s, text, flags, settings, LeadByteTest()));
  return s;
}

FindPass Pass(std::uint32_t length, TextOffset caret, bool down, bool wrap = true) {
  FindPass p;
  p.scope = TextRange{0, length};
  p.caret = caret;
  p.down = down;
  p.wrap = wrap;
  return p;
}

TEST(FindRun, UpFromTheStartWrapsToTheLastHit) {
  const std::string text = "ab ab ab";
  const SearchHit hit = FindInScope(Plain("ab"), Over(text), Pass(8, 0, false));
  ASSERT_TRUE(hit.found);
  EXPECT_EQ(hit.start, 6u);
  // Without wrapping nothing lies before the start.
  EXPECT_FALSE(FindInScope(Plain("ab"), Over(text), Pass(8, 0, false, false)).found);
}

// A stopped search ends there: no wrapped pass, no hit, whatever the
// pattern path; a poll that never stops changes nothing.
TEST(FindRun, AStoppedSearchDoesNotWrap) {
  std::string text = "x.*y";
  text += std::string(100000, 'a');
  FindFlags regex;
  regex.regex = true;
  for (const FindFlags& flags : {FindFlags{}, regex}) {
    const Searcher s = Plain("x.*y", {}, flags);
    int polls = 0;
    const CancelPoll stop = [&] { return ++polls >= 2; };
    // From the middle down: the hit lies before the start point, past the wrap.
    EXPECT_FALSE(FindInScope(s, Over(text), Pass(static_cast<std::uint32_t>(text.size()), 50000, true), &stop).found);
    EXPECT_EQ(polls, 2);
    const CancelPoll keepOn = [] { return false; };
    const SearchHit hit = FindInScope(s, Over(text), Pass(static_cast<std::uint32_t>(text.size()), 50000, true), &keepOn);
    EXPECT_TRUE(hit.found);
    EXPECT_EQ(hit.start, 0u);
  }
}

TEST(FindRun, ASelectedHitMovesTheStartPoint) {
  const std::string text = "aaaa";
  FindPass down = Pass(4, 2, true);
  down.lastHit = TextRange{0, 2};
  // Down: the character after the hit's first character, so overlapping hits are found.
  EXPECT_EQ(FindInScope(Plain("aa"), Over(text), down).start, 1u);
  FindPass up = Pass(4, 4, false);
  up.lastHit = TextRange{2, 4};
  // Up: the starts before the hit's start, not before the caret behind it;
  // like downwards, the hit found may overlap the selected one.
  EXPECT_EQ(FindInScope(Plain("aa"), Over(text), up).start, 1u);
}

TEST(FindRun, UpFindsAMatchThatStartsBeforeTheCaretAndRunsPastIt) {
  FindFlags regex;
  regex.regex = true;
  FindFlags folded;
  folded.distinguishWidth = false;
  FindSettings multi;
  multi.multiText = true;
  FindSettings word;
  word.wholeWord = true;
  struct Case {
    const char* name;
    Searcher searcher;
  };
  Case cases[] = {{"plain", Plain("foobar")},
                  {"regex", Plain("fo+bar", {}, regex)},
                  {"width-folded", Plain("\x82\x86oobar", {}, folded)},  // a full-width f
                  {"several strings", Plain("zz foobar", multi)},
                  {"whole word", Plain("foobar", word)}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string one = " foobar";
    for (TextOffset caret = 2; caret <= 7; ++caret) {
      const SearchHit hit = FindInScope(c.searcher, Over(one), Pass(7, caret, false, false));
      ASSERT_TRUE(hit.found) << caret;
      EXPECT_EQ(hit.start, 1u);
      EXPECT_EQ(hit.length, 6u);
    }
    EXPECT_FALSE(FindInScope(c.searcher, Over(one), Pass(7, 1, false, false)).found);
    // With wrapping, the hit around the caret comes before the one below it.
    const std::string two = "foobar foobar";
    EXPECT_EQ(FindInScope(c.searcher, Over(two), Pass(13, 3, false)).start, 0u);
    EXPECT_EQ(FindInScope(c.searcher, Over(two), Pass(13, 9, false)).start, 7u);
    // A match may run past the caret but not past the scope.
    FindPass scoped = Pass(13, 9, false, false);
    scoped.scope = TextRange{0, 12};
    EXPECT_EQ(FindInScope(c.searcher, Over(two), scoped).start, 0u);
  }
}

TEST(FindRun, VirtualSpaceStartsAfterTheLineEnd) {
  const std::string text = "x\r\nx";
  FindPass p = Pass(4, 1, true, false);
  p.caretInVirtualSpace = true;
  EXPECT_EQ(FindStartPoint(Over(text), p), 3u);
  EXPECT_EQ(FindInScope(Plain("x"), Over(text), p).start, 3u);
}

TEST(FindRun, VirtualSpaceOnAWrappedLineSkipsNothing) {
  // The caret of a wrapped line's virtual space stands on the next line's
  // first character: a hit there is found.
  const std::string text = "abcdxy";
  FindPass p = Pass(6, 4, true, false);
  p.caretInVirtualSpace = true;
  EXPECT_EQ(FindInScope(Plain("xy"), Over(text), p).start, 4u);
}

TEST(FindRun, ARegularExpressionOverEightyBytesFindsNothing) {
  FindFlags flags;
  flags.regex = true;
  Searcher s;
  EXPECT_TRUE(PrepareSearcher(s, std::string(80, 'a'), flags, {}, LeadByteTest()));
  EXPECT_FALSE(PrepareSearcher(s, std::string(81, 'a'), flags, {}, LeadByteTest()));
}

TEST(FindRun, TheScopeBoundsTheSearchAndItsWrap) {
  const std::string text = "ab ab ab ab";
  FindPass p = Pass(11, 9, true);
  p.scope = TextRange{3, 8};
  // The caret lies outside the scope: the search starts at the scope's start.
  EXPECT_EQ(FindInScope(Plain("ab"), Over(text), p).start, 3u);
  p.caret = 5;
  EXPECT_EQ(FindInScope(Plain("ab"), Over(text), p).start, 6u);
  // From 7 the hit at 9 lies outside the scope; wrapping finds the first one.
  p.caret = 7;
  EXPECT_EQ(FindInScope(Plain("ab"), Over(text), p).start, 3u);
  p.wrap = false;
  EXPECT_FALSE(FindInScope(Plain("ab"), Over(text), p).found);
}

TEST(FindRun, DialogScopeNeedsALongOrMultiLineSelection) {
  const std::string shortLine(80, 'a');
  EXPECT_FALSE(DialogScope(Over(shortLine), TextRange{0, 80}));
  const std::string longLine(81, 'a');
  EXPECT_EQ(DialogScope(Over(longLine), TextRange{0, 81}), (TextRange{0, 81}));
  const std::string lines = "ab\r\ncd";
  EXPECT_EQ(DialogScope(Over(lines), TextRange{1, 5}), (TextRange{1, 5}));
  EXPECT_FALSE(DialogScope(Over(lines), std::nullopt));
}

TEST(FindRun, SearchTextIsCutToEightyBytes) {
  const std::string text = std::string(80, 'a') + "b";
  const std::string hay = std::string(80, 'a') + "c";
  Searcher s;
  ASSERT_TRUE(PrepareSearcher(s, text, {}, {}, LeadByteTest()));
  // The 81st byte is dropped, so the text without it is found.
  EXPECT_TRUE(s.Find(reinterpret_cast<const std::uint8_t*>(hay.data()), 81, 0, 81, true).found);
  EXPECT_FALSE(PrepareSearcher(s, "", {}, {}, LeadByteTest()));
}

TEST(FindRun, EscapesDecodeTheTextAndTheReplacement) {
  FindSettings settings;
  settings.escapes = true;
  const std::string text = "a\tb\r\nc";
  Searcher s;
  ASSERT_TRUE(PrepareSearcher(s, "b\\n", {}, settings, LeadByteTest()));
  const SearchHit hit = s.Find(reinterpret_cast<const std::uint8_t*>(text.data()), 6, 0, 6, true);
  ASSERT_TRUE(hit.found);
  EXPECT_EQ(hit.start, 2u);
  EXPECT_EQ(hit.length, 3u);
  std::string out;
  ASSERT_TRUE(PrepareReplacement("x\\ty", settings, LeadByteTest(), out));
  EXPECT_EQ(out, "x\ty");
  settings.escapes = false;
  ASSERT_TRUE(PrepareReplacement("x\\ty", settings, LeadByteTest(), out));
  EXPECT_EQ(out, "x\\ty");
}

TEST(FindRun, RangeIsHitOnlyForAWholeMatch) {
  const std::string text = "abcabc";
  const Searcher s = Plain("bc");
  EXPECT_TRUE(RangeIsHit(s, Over(text), TextRange{1, 3}));
  EXPECT_FALSE(RangeIsHit(s, Over(text), TextRange{0, 3}));
  EXPECT_FALSE(RangeIsHit(s, Over(text), TextRange{1, 2}));
}

TEST(FindRun, ReplaceAllRebuildsOneRangeAndUndoesInOneStep) {
  TextStore store;
  ASSERT_TRUE(store.Create());
  store.Load("x foo y foo z foo!", DocumentKind::kText);
  test::FakeHost host;
  UndoHistory history(store, host);
  ASSERT_TRUE(history.Create());
  const std::string before = store.Text();
  const ReplaceAllPlan plan = PlanReplaceAll(Plain("foo"), Over(before), TextRange{0, 18}, "barbaz");
  EXPECT_EQ(plan.count, 3u);
  EXPECT_EQ(plan.from, 2u);
  EXPECT_EQ(plan.removed, 15u);
  ASSERT_TRUE(history.Rewrite(plan.from, plan.removed, plan.inserted).Done());
  EXPECT_EQ(store.Text(), "x barbaz y barbaz z barbaz!");
  ASSERT_TRUE(history.Undo(false).Done());
  EXPECT_EQ(store.Text(), before);
  EXPECT_FALSE(history.CanUndo());
}

TEST(FindRun, ReplaceAllStaysInTheScopeAndStopsWhenAsked) {
  const std::string text = "aXaXaXaX";
  EXPECT_EQ(PlanReplaceAll(Plain("a"), Over(text), TextRange{2, 6}, "b").count, 2u);
  // A replacement holding the search text is not searched again.
  EXPECT_EQ(PlanReplaceAll(Plain("a"), Over(text), TextRange{0, 8}, "aa").count, 4u);
  std::string big;
  for (int i = 0; i < 5000; ++i) big += "ab";
  int polls = 0;
  const CancelPoll stop = [&] { return ++polls >= 1; };
  const ReplaceAllPlan plan = PlanReplaceAll(Plain("a"), Over(big), TextRange{0, 10000}, "c", &stop);
  EXPECT_TRUE(plan.cancelled);
  EXPECT_LT(plan.count, 5000u);
  // What was replaced before the stop is a consistent prefix.
  EXPECT_EQ(plan.removed, plan.inserted.size());
}

TEST(FindRun, TopLineForHitKeepsAVisibleLineAndCentresAnother) {
  EXPECT_EQ(TopLineForHit(10, 20, 15, 100), 10u);
  EXPECT_EQ(TopLineForHit(10, 20, 40, 100), 30u);
  EXPECT_EQ(TopLineForHit(10, 20, 3, 100), 0u);
  EXPECT_EQ(TopLineForHit(0, 20, 200, 100), 100u);
}

}  // namespace
}  // namespace quelt

namespace quelt {
namespace {

TEST(FindRun, UndoAfterReplaceThenReplaceAll) {
  TextStore store;
  ASSERT_TRUE(store.Create());
  store.Load("alpha foo beta\r\nFOO gamma foo\r\n(x [y] z)\r\nlast foo\r\n", DocumentKind::kText);
  test::FakeHost host;
  UndoHistory history(store, host);
  ASSERT_TRUE(history.Create());
  ASSERT_TRUE(history.Replace(6, 3, "bar").Done());
  const std::string afterOne = store.Text();
  FindFlags flags;
  flags.matchCase = true;
  const ReplaceAllPlan plan = PlanReplaceAll(Plain("foo", {}, flags), Over(afterOne), TextRange{0, 52}, "bar");
  ASSERT_EQ(plan.count, 2u);
  ASSERT_TRUE(history.Rewrite(plan.from, plan.removed, plan.inserted).Done());
  EXPECT_EQ(store.Text(), "alpha bar beta\r\nFOO gamma bar\r\n(x [y] z)\r\nlast bar\r\n");
  ASSERT_TRUE(history.Undo(false).Done());
  EXPECT_EQ(store.Text(), afterOne);
}

}  // namespace
}  // namespace quelt
