#include "view/edit_ops.h"

#include <gtest/gtest.h>

#include <vector>

#include "edit_fixture.h"
#include "view/typed_chars.h"

namespace quelt {
namespace {

using test::EditFixture;

// "あ" (0x82 0xA0) and "表" (0x95 0x5C, whose trail byte is a backslash).
const std::string kA = "\x82\xA0";
const std::string kHyou = "\x95\x5C";

using TypingTest = EditFixture;

TEST_F(TypingTest, DoubleByteCharacterTypedAsOneRecord) {
  EditSession s = Session();
  PendingLeadByte pending;
  Load("xy");
  std::string typed = pending.Feed(0x82);
  EXPECT_TRUE(typed.empty());
  EXPECT_TRUE(pending.Waiting());
  typed = pending.Feed(0xA0);
  EXPECT_EQ(typed, kA);
  EditResult r = TypeText(s, At(1), typed, false);
  ASSERT_TRUE(r.Done());
  EXPECT_EQ(Text(), "x" + kA + "y");
  EXPECT_EQ(r.caret, 3u);
  EXPECT_EQ(history.UndoBuffer().Count(), 1);
  ASSERT_TRUE(history.Undo(false).Done());
  EXPECT_EQ(Text(), "xy");
}

TEST_F(TypingTest, TypedTextRules) {
  EXPECT_EQ(TypedText("a", 5), "aa");  // at most two
  EXPECT_EQ(TypedText("\t", 2), "\t");
  EXPECT_EQ(TypedText("\r", 1), "\r\n");
  EXPECT_EQ(TypedText("\x01", 1), "");
  EXPECT_EQ(TypedText("\x1B", 1), "");
  EXPECT_EQ(TypedText(kA, 1), kA);
}

TEST_F(TypingTest, OverwriteRemovesAPartlyCoveredDoubleByteCharacterWhole) {
  Load("a" + kA + "b\r\nz");
  EditSession s = Session();
  EditResult r = TypeText(s, At(1), "X", true);
  ASSERT_TRUE(r.Done());
  EXPECT_EQ(Text(), "aXb\r\nz");
  ASSERT_EQ(history.UndoBuffer().Count(), 2);
  EXPECT_EQ(history.UndoBuffer().At(0).type, UndoType::kOverwriteRemoved);
  EXPECT_EQ(history.UndoBuffer().At(1).type, UndoType::kOverwriteInserted);
  ASSERT_TRUE(history.Undo(false).Done());
  EXPECT_EQ(Text(), "a" + kA + "b\r\nz");
  EXPECT_FALSE(history.CanUndo());
  ASSERT_TRUE(history.Redo(false).Done());
  EXPECT_EQ(Text(), "aXb\r\nz");
}

TEST_F(TypingTest, OverwriteWithDoubleByteCoversTwoColumns) {
  Load("abc");
  EditSession s = Session();
  ASSERT_TRUE(TypeText(s, At(0), kA, true).Done());
  EXPECT_EQ(Text(), kA + "c");
  // Over a single letter followed by a double-byte character: both go.
  Load("a" + kHyou + "z");
  ASSERT_TRUE(TypeText(s, At(0), kA, true).Done());
  EXPECT_EQ(Text(), kA + "z");
}

TEST_F(TypingTest, OverwriteNeverCoversALineEnd) {
  Load("a\r\nb");
  EditSession s = Session();
  ASSERT_TRUE(TypeText(s, At(1), "XY", true).Done());  // on the CR: inserted
  EXPECT_EQ(Text(), "aXY\r\nb");
  EXPECT_EQ(history.UndoBuffer().Newest().type, UndoType::kInsert);
  ASSERT_TRUE(TypeText(s, At(2), "QRS", true).Done());  // covers Y only
  EXPECT_EQ(Text(), "aXQRS\r\nb");
  ASSERT_TRUE(TypeText(s, At(Text().size()), "!", true).Done());  // at the end
  EXPECT_EQ(Text(), "aXQRS\r\nb!");
}

TEST_F(TypingTest, OverwriteEnterMovesUnlessOnTheLastLine) {
  Load("ab\r\ncd");
  EditSession s = Session();
  EditResult r = TypeText(s, At(1), "\r\n", true);
  EXPECT_EQ(r.status, EditStatus::kNoChange);
  EXPECT_TRUE(r.moveToNextLine);
  CaretPlace last = At(5, 1);
  last.lastDisplayLine = true;
  ASSERT_TRUE(TypeText(s, last, "\r\n", true).Done());
  EXPECT_EQ(Text(), "ab\r\nc\r\nd");
}

TEST_F(TypingTest, VirtualSpaceIsFilledAsPartOfTheInsertion) {
  Load("ab\r\nx");
  options.tabWidth = 4;
  EditSession s = Session();
  CaretPlace c = At(2, 10);  // eight columns past the line end at column 2
  c.virtualColumns = 8;
  ASSERT_TRUE(TypeText(s, c, "Z", false).Done());
  EXPECT_EQ(Text(), "ab\t\t  Z\r\nx");  // tabs at the stops 4 and 8, then spaces
  EXPECT_EQ(history.UndoBuffer().Count(), 1);
  options.tabTypesBlanks = true;
  EditSession blanks = Session();
  Load("ab");
  ASSERT_TRUE(TypeText(blanks, c, "Z", true).Done());
  EXPECT_EQ(Text(), "ab        Z");
}

TEST_F(TypingTest, TabTypesSpacesToTheNextStop) {
  Load("abc");
  options.tabWidth = 4;
  options.tabTypesBlanks = true;
  EditSession s = Session();
  ASSERT_TRUE(TypeText(s, At(1), "\t", false).Done());
  EXPECT_EQ(Text(), "a   bc");
}

TEST_F(TypingTest, AutoIndentCopiesTheIndentationBeforeTheCaret) {
  Load("\t  abc\r\nz");
  options.autoIndent = true;
  EditSession s = Session();
  EditResult r = TypeText(s, At(6), "\r\n", false);
  ASSERT_TRUE(r.Done());
  EXPECT_EQ(Text(), "\t  abc\r\n\t  \r\nz");
  EXPECT_EQ(r.caret, 11u);
  EXPECT_EQ(history.UndoBuffer().Count(), 1);
  // Inside the indentation only the part before the caret is repeated.
  Load("    x");
  ASSERT_TRUE(TypeText(s, At(2), "\r\n", false).Done());
  EXPECT_EQ(Text(), "  \r\n    x");
}

TEST_F(TypingTest, RefusedOnAReadOnlyDocument) {
  Load("abc");
  store.SetWriteProtect(true);
  EditSession s = Session();
  EXPECT_EQ(TypeText(s, At(0), "x", false).status, EditStatus::kBeeped);
  EXPECT_EQ(Paste(s, At(0), "x", false).status, EditStatus::kBeeped);
  EXPECT_EQ(DeleteAtCaret(s, 0).status, EditStatus::kBeeped);
  EXPECT_EQ(host.beeps, 3);
  EXPECT_EQ(Text(), "abc");
}

TEST_F(TypingTest, TypingAfterUndoEmptiesRedo) {
  EditSession s = Session();
  ASSERT_TRUE(TypeText(s, At(0), "a", false).Done());
  ASSERT_TRUE(history.Undo(false).Done());
  EXPECT_TRUE(history.CanRedo());
  ASSERT_TRUE(TypeText(s, At(0), "b", false).Done());
  EXPECT_FALSE(history.CanRedo());
}

using DeleteTest = EditFixture;

TEST_F(DeleteTest, DeletesWholeCharacters) {
  Load("a" + kA + "\r\nb");
  EditSession s = Session();
  ASSERT_TRUE(DeleteAtCaret(s, 1).Done());
  EXPECT_EQ(Text(), "a\r\nb");
  ASSERT_TRUE(DeleteAtCaret(s, 1).Done());  // CR LF is one character
  EXPECT_EQ(Text(), "ab");
  EXPECT_EQ(DeleteAtCaret(s, 2).status, EditStatus::kNoChange);  // at the end
  ASSERT_TRUE(UndoAll());
  EXPECT_EQ(Text(), "a" + kA + "\r\nb");
}

TEST_F(DeleteTest, CountIsWidenedToWholeCharacters) {
  Load("a" + kA + "bc\r\nd");
  EditSession s = Session();
  ASSERT_TRUE(DeleteAtCaret(s, 0, 2).Done());  // would split the double-byte character
  EXPECT_EQ(Text(), "bc\r\nd");
  ASSERT_TRUE(DeleteAtCaret(s, 1, 2).Done());  // would split CR LF
  EXPECT_EQ(Text(), "bd");
  ASSERT_TRUE(DeleteAtCaret(s, 1, 40).Done());  // not past the end
  EXPECT_EQ(Text(), "b");
}

TEST_F(DeleteTest, EmptyTextBeeps) {
  EditSession s = Session();
  EXPECT_EQ(DeleteAtCaret(s, 0).status, EditStatus::kBeeped);
  EXPECT_EQ(host.beeps, 1);
}

TEST_F(DeleteTest, BackspaceTakesTheCharacterBefore) {
  Load("x\r\n" + kHyou + "y");
  EditSession s = Session();
  ASSERT_TRUE(DeleteBeforeCaret(s, 5).Done());
  EXPECT_EQ(Text(), "x\r\ny");
  ASSERT_TRUE(DeleteBeforeCaret(s, 3).Done());
  EXPECT_EQ(Text(), "xy");
  EXPECT_EQ(DeleteBeforeCaret(s, 0).status, EditStatus::kNoChange);
}

TEST_F(DeleteTest, BoxDeletesEachLineAndUndoesLineByLine) {
  Load("abcd\r\nefgh\r\nijkl");
  EditSession s = Session();
  const std::vector<TextRange> box = {{1, 3}, {7, 9}, {13, 15}};
  EditResult r = DeleteBox(s, box);
  ASSERT_TRUE(r.Done());
  EXPECT_EQ(Text(), "ad\r\neh\r\nil");
  EXPECT_EQ(r.caret, 1u);
  EXPECT_EQ(r.change.from, 1u);
  EXPECT_EQ(r.change.removed, 14u);
  EXPECT_EQ(r.change.inserted, 8u);
  EXPECT_EQ(history.UndoBuffer().Count(), 3);
  ASSERT_TRUE(UndoAll());
  EXPECT_EQ(Text(), "abcd\r\nefgh\r\nijkl");
}

using PasteTest = EditFixture;

TEST_F(PasteTest, BareCrIsDroppedBareLfKept) {
  Load("[]");
  EditSession s = Session();
  EditResult r = Paste(s, At(1), "a\rb", false);
  ASSERT_TRUE(r.Done());
  EXPECT_EQ(Text(), "[ab]");
  EXPECT_EQ(r.change.inserted, 2u);
  ASSERT_TRUE(Paste(s, At(3), "c\nd", false).Done());
  EXPECT_EQ(Text(), "[abc\nd]");
  ASSERT_TRUE(Paste(s, At(0), "1\r\n2", false).Done());
  EXPECT_EQ(Text(), "1\r\n2[abc\nd]");
}

TEST_F(PasteTest, AsSelectionSelectsThePastedText) {
  Load("ab");
  EditSession s = Session();
  CaretPlace c = At(2, 4);
  c.virtualColumns = 2;
  EditResult r = Paste(s, c, std::string("xyz\0tail", 8), true);
  ASSERT_TRUE(r.Done());
  EXPECT_EQ(Text(), "ab  xyz");
  ASSERT_TRUE(r.hasSelection);
  EXPECT_EQ(r.selection, (TextRange{4, 7}));
  EXPECT_EQ(history.UndoBuffer().Count(), 1);
}

TEST_F(PasteTest, NothingToPaste) {
  EditSession s = Session();
  EXPECT_EQ(Paste(s, At(0), "", false).status, EditStatus::kNoChange);
  EXPECT_EQ(Paste(s, At(0), "\r", false).status, EditStatus::kNoChange);
  EXPECT_FALSE(history.CanUndo());
}

TEST_F(PasteTest, SelectAll) {
  TextRange all;
  EXPECT_FALSE(SelectAllRange(store, all));
  Load("abc");
  ASSERT_TRUE(SelectAllRange(store, all));
  EXPECT_EQ(all, (TextRange{0, 3}));
}

}  // namespace
}  // namespace quelt
