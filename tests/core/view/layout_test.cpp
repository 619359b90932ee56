#include <gtest/gtest.h>

#include <random>

#include "layout_fixture.h"

namespace quelt::test {
namespace {

using Lines = std::vector<TextOffset>;

TEST(LayoutWrapTest, ExactlyWrapColumnCharactersAndOneMore) {
  EXPECT_EQ(Doc(Repeat("a", 10) + "\r\n", Params(10)).Starts(), Lines({0}));
  EXPECT_EQ(Doc(Repeat("a", 10) + "\r\nb", Params(10)).Starts(), Lines({0, 12}));
  EXPECT_EQ(Doc(Repeat("a", 11) + "\r\n", Params(10)).Starts(), Lines({0, 10}));
  EXPECT_EQ(Doc(Repeat("a", 25), Params(10)).Starts(), Lines({0, 10, 20}));
}

TEST(LayoutWrapTest, DoubleByteCharacterIsNeverSplit) {
  // "あ" would take columns 9 and 10 of a 10-column line.
  EXPECT_EQ(Doc(Repeat("a", 9) + kA + "b", Params(10)).Starts(), Lines({0, 9}));
  // A hanging "。" there stays: the line is W + 1 columns wide.
  Doc d(Repeat("a", 9) + kMaru + "b", Params(10, false, true));
  EXPECT_EQ(d.Starts(), Lines({0, 11}));
  EXPECT_EQ(d.layout->LineWidth(0), 11);
  // Without kinsoku the "。" moves.
  EXPECT_EQ(Doc(Repeat("a", 9) + kMaru + "b", Params(10)).Starts(), Lines({0, 9}));
}

TEST(LayoutWrapTest, KinsokuHangsOnlyOneCharacter) {
  Doc d(Repeat("a", 10) + kMaru + kMaru + "b", Params(10, false, true));
  EXPECT_EQ(d.Starts(), Lines({0, 12}));
  EXPECT_EQ(d.layout->MaxColumn(), 12);
  EXPECT_EQ(Doc(Repeat("a", 10) + kMaru + "b", Params(10)).Starts(), Lines({0, 10}));
  // One-byte kinsoku characters hang too.
  EXPECT_EQ(Doc(Repeat("a", 10) + ").", Params(10, false, true)).Starts(), Lines({0, 11}));
}

TEST(LayoutWrapTest, KinsokuMatchesWholeCharactersOnly) {
  // 'B' and 'v' are second bytes of "。" and "」" in the kinsoku string.
  EXPECT_EQ(Doc(Repeat("a", 10) + "Bx", Params(10, false, true)).Starts(), Lines({0, 10}));
  EXPECT_EQ(Doc(Repeat("a", 10) + "vx", Params(10, false, true)).Starts(), Lines({0, 10}));
  Doc d("x", Params(10, false, true));
  EXPECT_FALSE(d.layout->CanHang(0));
}

TEST(LayoutWrapTest, WordWrapMovesAWordAndCutsAnOverlongOne) {
  EXPECT_EQ(Doc("aaaa bbbbbbbbb", Params(10, true)).Starts(), Lines({0, 5}));
  EXPECT_EQ(Doc("abcdefghijklmno", Params(10, true)).Starts(), Lines({0, 10}));
  // A space at the wrap column hangs.
  EXPECT_EQ(Doc(Repeat("a", 10) + " bbb", Params(10, true)).Starts(), Lines({0, 11}));
  // A word after a double-byte character breaks after that character.
  EXPECT_EQ(Doc(std::string("aaaa") + kA + "bbbbbbbb", Params(10, true)).Starts(), Lines({0, 6}));
  // Without word wrap the word is cut.
  EXPECT_EQ(Doc("aaaa bbbbbbbbb", Params(10)).Starts(), Lines({0, 10}));
}

TEST(LayoutWrapTest, TabsAreNeverSplit) {
  // A tab from column 9 runs to 12, past the wrap column, and stays.
  Doc d(Repeat("a", 9) + "\tb", Params(10));
  EXPECT_EQ(d.Starts(), Lines({0, 10}));
  EXPECT_EQ(d.layout->LineWidth(0), 12);
  // A tab at the wrap column starts the next line.
  EXPECT_EQ(Doc(Repeat("a", 10) + "\tb", Params(10)).Starts(), Lines({0, 10}));
}

TEST(LayoutWrapTest, LineEndsAndEmptyText) {
  Doc end("abc\r\n");
  EXPECT_EQ(end.Starts(), Lines({0}));
  EXPECT_EQ(end.layout->LineOfOffset(5), 0u);
  EXPECT_TRUE(end.layout->EndsWithCrLf(0));
  Doc two("abc\r\ndef\r\n\r\nx");
  EXPECT_EQ(two.Starts(), Lines({0, 5, 10, 12}));
  EXPECT_EQ(two.Flags(), std::vector<int>({0, 1, 1, 1}));
  Doc wrapped("abcdefghij\r\n", Params(5));
  EXPECT_EQ(wrapped.Starts(), Lines({0, 5}));
  EXPECT_EQ(wrapped.Flags(), std::vector<int>({0, 0}));
  Doc empty("");
  EXPECT_EQ(empty.store.LineCount(), 0u);
  EXPECT_EQ(empty.layout->LineOfOffset(0), 0u);
  EXPECT_EQ(empty.layout->NextDisplayLineStart(0), kNoOffset);
}

TEST(LayoutWrapTest, CharSetCheckTurnsDoubleByteCharactersIntoSingleBytes) {
  LayoutParams p = Params(3);
  EXPECT_EQ(Doc(std::string("aa") + kA + "b", p).Starts(), Lines({0, 2}));
  p.lead = LeadTestForFont(true, 0);  // ANSI font with the check on
  EXPECT_EQ(Doc(std::string("aa") + kA + "b", p).Starts(), Lines({0, 3}));
  EXPECT_TRUE(LeadTestForFont(false, 0).enabled());
  EXPECT_TRUE(LeadTestForFont(true, kShiftJisCharSet).enabled());
}

TEST(LayoutCharTest, CharColumnsAndSizes) {
  Doc d(std::string("a\t") + kA + "\r\nb", Params(10, false, false, 4));
  Layout& l = *d.layout;
  EXPECT_EQ(l.CharColumns(0), 1);
  EXPECT_EQ(l.CharColumns(1), 3);  // tab from column 1 to 4
  EXPECT_EQ(l.CharColumns(2), 2);
  EXPECT_EQ(l.CharColumns(4), 2);  // CR LF
  EXPECT_EQ(l.CharColumns(6), 1);
  EXPECT_EQ(l.CharColumns(7), 0);  // end
  EXPECT_EQ(l.CharSize(4), 2u);
  EXPECT_EQ(l.CharStartBefore(4), 2u);
  EXPECT_EQ(l.CharStartBefore(6), 4u);
}

TEST(LayoutLineTest, LineOfOffsetMatchesALinearScan) {
  std::mt19937 rng(7);
  std::string text;
  while (text.size() < 60000) {
    const int kind = static_cast<int>(rng() % 6);
    text += kind == 0 ? "\r\n" : kind == 1 ? kA : kind == 2 ? "\t" : "x";
  }
  Doc d(text, Params(20, true, true));
  const Lines starts = d.Starts();
  for (TextOffset p = 0; p <= d.store.Length(); p += 1 + rng() % 37) {
    const auto expected = static_cast<std::uint32_t>(
        std::upper_bound(starts.begin(), starts.end(), p) - starts.begin() - 1);
    ASSERT_EQ(d.layout->LineOfOffset(p), expected) << p;
  }
  EXPECT_EQ(d.layout->LineOfOffset(d.store.Length()), starts.size() - 1);
}

TEST(LayoutLineTest, LineOfOffsetSurvivesATableThatBreaksTheBound) {
  const TextOffset starts[] = {0, 1000, 1001, 5000, 9000};
  for (TextOffset p : {0u, 999u, 1000u, 1001u, 4999u, 5000u, 8000u, 9500u}) {
    const auto expected = static_cast<std::uint32_t>(
        std::upper_bound(std::begin(starts), std::end(starts), p) - std::begin(starts) - 1);
    EXPECT_EQ(LineOfOffsetIn(starts, 5, 10000, p, 12), expected) << p;
  }
}

TEST(LayoutLineTest, LastCharactersAndTextEnds) {
  Doc d(std::string("abc\r\n") + Repeat(kA, 6) + "xy", Params(10));
  // Lines: "abc" CR LF | five "あ" | "あxy".
  EXPECT_EQ(d.Starts(), Lines({0, 5, 15}));
  Layout& l = *d.layout;
  EXPECT_EQ(l.LineLastChar(0), 3);
  EXPECT_EQ(l.LineLastChar(1), 13);
  EXPECT_EQ(l.LineLastChar(2), 18);
  EXPECT_EQ(l.LineTextEnd(0), 3u);
  EXPECT_EQ(l.LineTextEnd(1), 15u);
  EXPECT_EQ(l.LineTextEnd(2), 19u);
  EXPECT_EQ(l.LineWidth(1), 10);
  EXPECT_EQ(l.LineStart(3), 19u);
}

TEST(LayoutColumnTest, ColumnsAndOffsets) {
  Doc d(std::string("a\t") + kA + "b\r\nz", Params(20, false, false, 4));
  Layout& l = *d.layout;
  EXPECT_EQ(l.ColumnOfOffset(1), 1);
  EXPECT_EQ(l.ColumnOfOffset(2), 4);
  EXPECT_EQ(l.ColumnOfOffset(4), 6);
  EXPECT_EQ(l.ColumnOfOffset(5), 7);  // the CR
  // Inside the tab or the double-byte character: the offset after it.
  EXPECT_EQ(l.OffsetOfColumn(2, 0, false).offset, 2u);
  EXPECT_EQ(l.OffsetOfColumn(2, 0, false).column, 4);
  EXPECT_EQ(l.OffsetOfColumn(5, 0, false).offset, 4u);
  EXPECT_EQ(l.OffsetOfColumn(4, 0, false).offset, 2u);
  // Past the text: the CR, with its width as the virtual count.
  ColumnHit past = l.OffsetOfColumn(12, 0, false);
  EXPECT_EQ(past.offset, 5u);
  EXPECT_EQ(past.column, 7);
  EXPECT_EQ(past.virtualColumns, 2);
  EXPECT_TRUE(past.pastEnd);
  // Free cursor: virtual columns up to the maximum column.
  ColumnHit free = l.OffsetOfColumn(12, 0, true);
  EXPECT_EQ(free.offset, 5u);
  EXPECT_EQ(free.virtualColumns, 5);
  EXPECT_EQ(l.OffsetOfColumn(99, 0, true).virtualColumns, 13);
  // The end of the text gives no virtual columns without free cursor.
  EXPECT_EQ(l.OffsetOfColumn(5, 1, false).virtualColumns, 0);
  EXPECT_EQ(l.OffsetOfColumn(5, 1, false).offset, 8u);
  // Lines past the table are clamped.
  EXPECT_EQ(l.OffsetOfColumn(0, 9, false).offset, 7u);
}

TEST(LayoutLimitTest, HundredThousandLinesShowTheMessageOnce) {
  Doc d(Repeat("a\r\n", 100001));
  EXPECT_EQ(d.store.LineCount(), kMaxDisplayLines);
  EXPECT_EQ(d.host.messages, std::vector<MessageId>({kMsgTooManyLines}));
  // The rest of the text belongs to the last line.
  EXPECT_EQ(d.layout->LineOfOffset(d.store.Length()), kMaxDisplayLines - 1);
  EXPECT_EQ(d.layout->LineOfOffset(299999), kMaxDisplayLines - 1);
  // Each re-layout that passes the limit says so once.
  RelayoutResult r = d.Insert(0, "b");
  EXPECT_TRUE(r.truncated);
  EXPECT_EQ(d.host.messages.size(), 2u);
  EXPECT_EQ(d.store.LineStart(1), 4u);
  // Removing a line brings the cut-off line back into the table.
  d.Delete(0, 4);
  EXPECT_EQ(d.store.LineCount(), kMaxDisplayLines);
  EXPECT_EQ(d.store.LineStart(kMaxDisplayLines - 1), 299997u);
  EXPECT_EQ(d.layout->NextDisplayLineStart(299997), kNoOffset);
  EXPECT_EQ(d.host.messages.size(), 2u);  // exactly full, nothing cut off
}

TEST(LayoutLimitTest, ExactlyHundredThousandLinesFit) {
  Doc d(Repeat("a\r\n", 100000));
  EXPECT_EQ(d.store.LineCount(), kMaxDisplayLines);
  EXPECT_TRUE(d.host.messages.empty());
}

}  // namespace
}  // namespace quelt::test
