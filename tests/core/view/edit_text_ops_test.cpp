#include <gtest/gtest.h>

#include <vector>

#include "edit_fixture.h"
#include "view/edit_ops.h"
#include "view/text_lines.h"

namespace quelt {
namespace {

using test::EditFixture;

const std::string kWide = "\x81\x40";  // full-width space

class LinesTest : public EditFixture {
 protected:
  void SetUp() override {
    EditFixture::SetUp();
    options.tabWidth = 4;
  }
};

TEST_F(LinesTest, LogicalLineBounds) {
  Load("ab\r\ncd\nef\r\n");
  EXPECT_EQ(LogicalLineStart(store, 0), 0u);
  EXPECT_EQ(LogicalLineStart(store, 4), 4u);
  EXPECT_EQ(LogicalLineStart(store, 9), 4u);  // a lone LF does not end a line
  EXPECT_EQ(LogicalLineEnd(store, 4), 9u);
  EXPECT_EQ(NextLogicalLine(store, 4), 11u);
  EXPECT_EQ(LogicalLineStart(store, 11), 11u);
  EXPECT_EQ(LogicalLineEnd(store, 11), 11u);
  // Lines longer than the search step.
  Load(std::string(10000, 'x') + "\r\n" + std::string(9000, 'y'));
  EXPECT_EQ(LogicalLineStart(store, 18000), 10002u);
  EXPECT_EQ(LogicalLineEnd(store, 5), 10000u);
}

TEST_F(LinesTest, BlanksUseTabsWhereAStopIsCrossed) {
  EXPECT_EQ(Blanks(1, 10, 4, false), "\t\t  ");
  EXPECT_EQ(Blanks(3, 4, 4, false), "\t");
  EXPECT_EQ(Blanks(1, 3, 4, false), "  ");
  EXPECT_EQ(Blanks(1, 10, 4, true), std::string(9, ' '));
  EXPECT_EQ(Blanks(5, 5, 4, false), "");
}

TEST_F(LinesTest, IndentEveryTouchedLine) {
  Load("a\r\nb\r\nc\r\nd");
  EditSession s = Session();
  // From inside line a through the line end of b: lines a and b.
  EditResult r = IndentBlock(s, {1, 6});
  ASSERT_TRUE(r.Done());
  EXPECT_EQ(Text(), "\ta\r\n\tb\r\nc\r\nd");
  ASSERT_TRUE(r.hasSelection);
  EXPECT_EQ(r.selection, (TextRange{0, 8}));
  EXPECT_EQ(history.UndoBuffer().Count(), 2);  // one insertion per line
  options.tabTypesBlanks = true;
  EditSession blanks = Session();
  ASSERT_TRUE(IndentBlock(blanks, {9, 12}).Done());  // lines c and d
  EXPECT_EQ(Text(), "\ta\r\n\tb\r\n    c\r\n    d");
  ASSERT_TRUE(UndoAll());
  EXPECT_EQ(Text(), "a\r\nb\r\nc\r\nd");
}

TEST_F(LinesTest, UnindentRemovesBelowOneTabWidth) {
  Load("      a\r\n  \tb\r\n" + kWide + kWide + kWide + "c\r\nd");
  EditSession s = Session();
  EditResult r = UnindentBlock(s, {0, static_cast<TextOffset>(Text().size())});
  ASSERT_TRUE(r.Done());
  EXPECT_EQ(Text(), "  a\r\nb\r\n" + kWide + "c\r\nd");
  EXPECT_EQ(history.UndoBuffer().Count(), 3);  // d had nothing to remove
  ASSERT_TRUE(UndoAll());
  EXPECT_EQ(Text(), "      a\r\n  \tb\r\n" + kWide + kWide + kWide + "c\r\nd");
}

TEST_F(LinesTest, LeftAlignmentRemovesLeadingBlanks) {
  Load(" \t" + kWide + "abc  \r\nx");
  EditSession s = Session();
  ASSERT_TRUE(AlignLine(s, AlignMode::kLeft, 2, nullptr).Done());
  EXPECT_EQ(Text(), "abc  \r\nx");
}

TEST_F(LinesTest, CentreAndRightAlignWithinTheWrapColumn) {
  options.wrapColumn = 10;
  EditSession s = Session();
  Load("  abcd\r\nz");
  ASSERT_TRUE(AlignLine(s, AlignMode::kCentre, 0, nullptr).Done());
  EXPECT_EQ(Text(), "   abcd\r\nz");  // (10 - 4) / 2 = 3, no stop crossed
  Load("ab\r\nz");
  ASSERT_TRUE(AlignLine(s, AlignMode::kRight, 0, nullptr).Done());
  EXPECT_EQ(Text(), "\t\tab\r\nz");  // 8 columns: two tabs
  ASSERT_TRUE(UndoAll());
  EXPECT_EQ(Text(), "ab\r\nz");
  options.padSpaceForMoving = true;
  EditSession spaces = Session();
  ASSERT_TRUE(AlignLine(spaces, AlignMode::kRight, 0, nullptr).Done());
  EXPECT_EQ(Text(), "        ab\r\nz");
}

TEST_F(LinesTest, AlignmentBeepsOnAWrappedLineAndNeedsRoom) {
  options.wrapColumn = 10;
  EditSession s = Session();
  Load("  abcdefghijk");
  EditResult r = AlignLine(s, AlignMode::kRight, 0, nullptr);
  EXPECT_EQ(host.beeps, 1);
  EXPECT_EQ(Text(), "abcdefghijk");  // the left alignment stays
  EXPECT_TRUE(r.Done());
  Load("abcdefghi");  // one free column: too little to centre
  EXPECT_EQ(AlignLine(s, AlignMode::kCentre, 0, nullptr).status, EditStatus::kNoChange);
  ASSERT_TRUE(AlignLine(s, AlignMode::kRight, 0, nullptr).Done());
  EXPECT_EQ(Text(), " abcdefghi");
}

TEST_F(LinesTest, AlignmentKeepsTabbedLinesWithinTheWrapColumn) {
  options.wrapColumn = 10;
  EditSession s = Session();
  Load("a\tb");  // 5 columns at column 0, wider when shifted
  ASSERT_TRUE(AlignLine(s, AlignMode::kRight, 0, nullptr).Done());
  EXPECT_LE(ColumnAfter(Text(), 0, 4, LeadByteTest()), 10);
}

TEST_F(LinesTest, AlignmentAtTheCaretWithoutMoveFromLineTop) {
  options.wrapColumn = 12;
  options.moveFromLineTop = false;
  options.padSpaceForMoving = true;
  EditSession s = Session();
  Load("ab cd\r\n");
  ASSERT_TRUE(AlignLine(s, AlignMode::kRight, 3, nullptr).Done());
  EXPECT_EQ(Text(), "ab        cd\r\n");
  EXPECT_EQ(AlignLine(s, AlignMode::kRight, 12, nullptr).status, EditStatus::kBeeped);  // on the CR
}

TEST_F(LinesTest, AlignmentOfASelectionAlignsEveryLine) {
  options.wrapColumn = 8;
  options.padSpaceForMoving = true;
  EditSession s = Session();
  Load("ab\r\n  abcd\r\n\r\nxyz");
  const TextRange sel{1, 14};  // the first three lines; the empty one stays empty
  EditResult r = AlignLine(s, AlignMode::kRight, 0, &sel);
  ASSERT_TRUE(r.Done());
  EXPECT_EQ(Text(), "      ab\r\n    abcd\r\n\r\nxyz");
  ASSERT_TRUE(r.hasSelection);
  EXPECT_EQ(r.selection.start, 0u);
  ASSERT_TRUE(UndoAll());
  EXPECT_EQ(Text(), "ab\r\n  abcd\r\n\r\nxyz");
}

TEST_F(LinesTest, TabsToSpacesByColumn) {
  Load("a\tb\r\n\tc" "\x82\xA0\td");
  EditSession s = Session();
  EditResult r = TabsToSpaces(s, {0, static_cast<TextOffset>(Text().size())}, 0);
  ASSERT_TRUE(r.Done());
  EXPECT_EQ(Text(), "a   b\r\n    c\x82\xA0 d");
  EXPECT_EQ(r.selection, (TextRange{0, static_cast<TextOffset>(Text().size())}));
  EXPECT_EQ(history.UndoBuffer().Count(), 2);  // a deletion and an insertion
  ASSERT_TRUE(history.Undo(false).Done());
  ASSERT_TRUE(history.Undo(false).Done());
  EXPECT_EQ(Text(), "a\tb\r\n\tc\x82\xA0\td");
  EXPECT_EQ(TabsToSpaces(s, {0, 1}, 0).status, EditStatus::kNoChange);
}

TEST_F(LinesTest, TabsToSpacesRestartsColumnsAtWrappedRows) {
  Load("abcdef\tg");
  EditSession s = Session();
  const TextOffset rows[] = {5};  // the display line wraps before "f"
  ASSERT_TRUE(TabsToSpaces(s, {2, 8}, 2, rows).Done());
  EXPECT_EQ(Text(), "abcdef   g");
}

TEST_F(LinesTest, SpacesToTabsReplacesOnlyLongRuns) {
  Load("ab      c  d\r\n    e");
  EditSession s = Session();
  ASSERT_TRUE(SpacesToTabs(s, {0, static_cast<TextOffset>(Text().size())}, 0).Done());
  EXPECT_EQ(Text(), "ab\t\tc  d\r\n\te");
  EXPECT_EQ(SpacesToTabs(s, {0, 3}, 0).status, EditStatus::kNoChange);
}

}  // namespace
}  // namespace quelt
