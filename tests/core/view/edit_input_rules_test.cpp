// What input does with a selection, which edit commands are enabled, and
// moving a selection by drag within its window.
#include <gtest/gtest.h>

#include "edit_fixture.h"
#include "view/edit_command_rules.h"

namespace quelt::test {
namespace {

TEST(InputPlan, TypedAndPastedInputReplaceTheSelection) {
  // With "DeleteSelectionAtInput" the typed text takes the selection's
  // place; it is inserted even in overwrite mode ("abcdef", "bc" selected,
  // X typed: "aXdef", not "aXef").
  InputPlan typed = PlanInput(InputSource::kTyped, true, true, true);
  EXPECT_TRUE(typed.deleteSelection);
  EXPECT_FALSE(typed.overwrite);
  // Without a selection overwrite mode overwrites.
  EXPECT_TRUE(PlanInput(InputSource::kTyped, false, true, true).overwrite);
  // Without the setting the selection is only cancelled, for paste too.
  InputPlan keep = PlanInput(InputSource::kPasted, true, false, false);
  EXPECT_FALSE(keep.deleteSelection);
  EXPECT_TRUE(keep.cancelSelection);
  EXPECT_TRUE(PlanInput(InputSource::kPasted, true, true, true).deleteSelection);
  EXPECT_FALSE(PlanInput(InputSource::kPasted, false, true, true).overwrite);
  // A drop goes where the pointer put the caret and never deletes.
  InputPlan drop = PlanInput(InputSource::kDropped, true, true, false);
  EXPECT_FALSE(drop.deleteSelection);
  EXPECT_TRUE(drop.cancelSelection);
}

TEST(InputPlan, DropsMoveUnlessCtrlIsHeld) {
  EXPECT_EQ(ChooseDropEffect(false, true, true), DropEffect::kMove);
  EXPECT_EQ(ChooseDropEffect(true, true, true), DropEffect::kCopy);
  // A source that only offers a copy (most programs' read-only text).
  EXPECT_EQ(ChooseDropEffect(false, true, false), DropEffect::kCopy);
  EXPECT_EQ(ChooseDropEffect(true, false, true), DropEffect::kMove);
  EXPECT_EQ(ChooseDropEffect(false, false, false), DropEffect::kNone);
}

TEST_F(EditFixture, TypingOverASelectionInOverwriteModeInsertsAfterDeleting) {
  Load("abcdef");
  EditSession s = Session();
  const InputPlan plan = PlanInput(InputSource::kTyped, true, true, true);
  ASSERT_TRUE(plan.deleteSelection);
  ASSERT_TRUE(DeleteRange(s, TextRange{1, 3}).Done());
  ASSERT_TRUE(TypeText(s, At(1), "X", plan.overwrite).Done());
  EXPECT_EQ(Text(), "aXdef");
}

TEST(EditCommandState, UndoAndRedoFollowTheirBuffers) {
  EditCommandContext c;
  c.editable = false;  // browse mode or write protection
  c.canUndo = true;
  bool known = false;
  EXPECT_TRUE(EditCommandEnabled(kCmdEditUndo, c, known));
  EXPECT_TRUE(known);
  EXPECT_FALSE(EditCommandEnabled(kCmdEditRedo, c, known));
  c.canRedo = true;
  EXPECT_TRUE(EditCommandEnabled(kCmdEditRedo, c, known));
  // Commands that change the text stay greyed on a protected document.
  c.hasSelection = c.streamSelection = true;
  c.clipboardHasText = true;
  EXPECT_FALSE(EditCommandEnabled(kCmdEditCut, c, known));
  EXPECT_FALSE(EditCommandEnabled(kCmdEditPaste, c, known));
  EXPECT_TRUE(EditCommandEnabled(kCmdEditCopy, c, known));
  EXPECT_FALSE(EditCommandEnabled(kCmdFileOpen, c, known));
  EXPECT_FALSE(known);
}

TEST_F(EditFixture, ARefusedUndoBeeps) {
  Load("abc");
  EditSession s = Session();
  ASSERT_TRUE(TypeText(s, At(3), "d", false).Done());
  store.SetWriteProtect(true);
  EXPECT_FALSE(history.Undo(false).Done());
  EXPECT_EQ(host.beeps, 1);
  EXPECT_EQ(Text(), "abcd");
}

TEST_F(EditFixture, AlignmentRefusesABoxSelection) {
  Load("  abc\r\n");
  EditSession s = Session();
  EXPECT_EQ(AlignLine(s, AlignMode::kLeft, 2, nullptr, true).status, EditStatus::kBeeped);
  EXPECT_EQ(host.beeps, 1);
  EXPECT_EQ(Text(), "  abc\r\n");
}

TEST_F(EditFixture, MovingASelectionIsOneUndoStep) {
  Load("ABCDEF\r\nxyz");
  EditSession s = Session();
  // "BC" after "E", forwards.
  EditResult r = MoveText(s, TextRange{1, 3}, 5);
  ASSERT_TRUE(r.Done());
  EXPECT_EQ(Text(), "ADEBCF\r\nxyz");
  EXPECT_TRUE(r.hasSelection);
  EXPECT_EQ(r.selection.start, 3u);
  EXPECT_EQ(r.selection.end, 5u);
  EXPECT_EQ(r.caret, 5u);
  ASSERT_TRUE(history.Undo(false).Done());
  EXPECT_EQ(Text(), "ABCDEF\r\nxyz");
  EXPECT_FALSE(history.CanUndo());
  // Backwards across a line end, with a double-byte character.
  Load("ab\r\n\x82\xA0z");
  r = MoveText(s, TextRange{4, 6}, 1);
  ASSERT_TRUE(r.Done());
  EXPECT_EQ(Text(), "a\x82\xA0" "b\r\nz");
  EXPECT_EQ(r.selection.start, 1u);
  EXPECT_EQ(r.selection.end, 3u);
  // Onto itself or its edges: nothing happens.
  Load("ABCDEF");
  EXPECT_FALSE(MoveText(s, TextRange{1, 3}, 2).Done());
  EXPECT_FALSE(MoveText(s, TextRange{1, 3}, 3).Done());
  EXPECT_FALSE(MoveText(s, TextRange{1, 3}, 1).Done());
  EXPECT_EQ(Text(), "ABCDEF");
  // A protected document refuses with a beep.
  store.SetWriteProtect(true);
  EXPECT_EQ(MoveText(s, TextRange{0, 1}, 4).status, EditStatus::kBeeped);
  EXPECT_EQ(Text(), "ABCDEF");
}

}  // namespace
}  // namespace quelt::test
