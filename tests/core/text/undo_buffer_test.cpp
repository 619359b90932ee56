#include "text/undo_buffer.h"

#include <gtest/gtest.h>

#include <string>

#include "fake_host.h"
#include "text/text_store.h"
#include "text/undo_history.h"

namespace quelt {
namespace {

class UndoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(store.Create());
    ASSERT_TRUE(history.Create());
  }
  void Load(const std::string& text) { store.Load(text, DocumentKind::kText); }
  CUndoBuffer& undo() { return history.UndoBuffer(); }
  CUndoBuffer& redo() { return history.RedoBuffer(); }

  TextStore store;
  test::FakeHost host;
  UndoHistory history{store, host};
};

// ---- The buffer's capacities ----

TEST_F(UndoTest, KeepsTheNewest512Records) {
  for (int i = 0; i < 513; ++i) {
    ASSERT_TRUE(history.Insert(static_cast<TextOffset>(i), "a").Done());
  }
  ASSERT_EQ(undo().Count(), kUndoRecordCapacity);
  EXPECT_EQ(undo().At(0).position, 1u);  // the first insertion was dropped
  EXPECT_EQ(undo().Newest().position, 512u);
  for (int i = 0; i < 512; ++i) ASSERT_TRUE(history.Undo(false).Done());
  EXPECT_EQ(store.Text(), "a");
  EXPECT_FALSE(history.CanUndo());
  EXPECT_EQ(redo().Count(), 512);
}

TEST_F(UndoTest, FullTableDropsOldestDataAndLowersOffsets) {
  Load(std::string(600, 'x'));
  ASSERT_TRUE(history.Delete(0, 3).Done());  // the oldest record, with data
  for (int i = 0; i < 511; ++i) ASSERT_TRUE(history.Insert(0, "y").Done());
  ASSERT_EQ(undo().Count(), 512);
  ASSERT_TRUE(history.Delete(0, 2).Done());  // drops the 3-byte deletion
  EXPECT_EQ(undo().At(0).type, UndoType::kInsert);
  EXPECT_EQ(undo().UsedBytes(), 2u);
  EXPECT_EQ(undo().Newest().dataOffset, 0);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(undo().DataOf(511)), 2), "yy");
}

TEST_F(UndoTest, SecondLargeDeletionDropsTheFirst) {
  Load(std::string(20000, 'a') + std::string(20000, 'b'));
  ASSERT_TRUE(history.Delete(20000, 20000).Done());
  ASSERT_TRUE(history.Delete(0, 20000).Done());
  EXPECT_EQ(undo().Count(), 1);
  EXPECT_EQ(undo().UsedBytes(), 20000u);
  EXPECT_EQ(undo().Newest().dataOffset, 0);
  EXPECT_TRUE(host.questions.empty());
  ASSERT_TRUE(history.Undo(false).Done());
  EXPECT_EQ(store.Text(), std::string(20000, 'a'));
  EXPECT_FALSE(history.CanUndo());
}

TEST_F(UndoTest, DeletionFillingTheDataAreaIsRecorded) {
  Load(std::string(kUndoDataCapacity, 'q') + "rest");
  ASSERT_TRUE(history.Delete(0, kUndoDataCapacity).Done());
  EXPECT_TRUE(host.questions.empty());
  EXPECT_EQ(undo().UsedBytes(), kUndoDataCapacity);
  ASSERT_TRUE(history.Undo(false).Done());
  EXPECT_EQ(store.Length(), kUndoDataCapacity + 4);
}

TEST_F(UndoTest, OversizedDeletionAsksOkGoesAheadWithoutHistory) {
  Load(std::string(kUndoDataCapacity + 1, 'q') + "rest");
  ASSERT_TRUE(history.Insert(0, "z").Done());
  host.answers.push_back(Answer::kOk);
  EXPECT_TRUE(history.Delete(0, kUndoDataCapacity + 1).Done());
  ASSERT_EQ(host.questions.size(), 1u);
  EXPECT_EQ(host.questions[0], kMsgUndoBufferOverflow);
  EXPECT_EQ(store.Text(), "qrest");
  EXPECT_FALSE(history.CanUndo());  // the history so far is gone too
}

TEST_F(UndoTest, OversizedDeletionCancelAbandonsTheEdit) {
  Load(std::string(kUndoDataCapacity + 1, 'q'));
  ASSERT_TRUE(history.Insert(0, "z").Done());
  host.answers.push_back(Answer::kCancel);
  EXPECT_EQ(history.Delete(0, kUndoDataCapacity + 1).status, EditStatus::kFailed);
  EXPECT_EQ(store.Length(), kUndoDataCapacity + 2);
  EXPECT_FALSE(history.CanUndo());
}

TEST_F(UndoTest, OversizedOverwriteWithOkRecordsNeitherHalf) {
  Load(std::string(kUndoDataCapacity + 1, 'q'));
  host.answers.push_back(Answer::kOk);
  ASSERT_TRUE(history.Overwrite(0, kUndoDataCapacity + 1, "new").Done());
  EXPECT_EQ(store.Text(), "new");
  // A lone insertion half would undo into a text that never existed.
  EXPECT_FALSE(history.CanUndo());
  host.answers.push_back(Answer::kOk);
  Load(std::string(kUndoDataCapacity + 1, 'q'));
  ASSERT_TRUE(history.Replace(0, kUndoDataCapacity + 1, "new").Done());
  EXPECT_FALSE(history.CanUndo());
}

TEST_F(UndoTest, UnknownTypeIsAcceptedWithoutARecord) {
  EXPECT_EQ(undo().Record(static_cast<UndoType>(9), 0, 5, store, host), RecordResult::kRecorded);
  EXPECT_TRUE(undo().Empty());
}

// ---- Undo and redo ----

TEST_F(UndoTest, InsertUndoRedo) {
  Load("abc");
  EditOutcome e = history.Insert(1, "XY");
  ASSERT_TRUE(e.Done());
  EXPECT_EQ(e.caret, 3u);
  EditOutcome u = history.Undo(false);
  ASSERT_TRUE(u.Done());
  EXPECT_EQ(store.Text(), "abc");
  EXPECT_EQ(u.caret, 1u);
  EXPECT_EQ(u.change.from, 1u);
  EXPECT_EQ(u.change.removed, 2u);
  EXPECT_EQ(u.change.inserted, 0u);
  ASSERT_TRUE(history.Redo(false).Done());
  EXPECT_EQ(store.Text(), "aXYbc");
  EXPECT_FALSE(history.CanRedo());
  ASSERT_TRUE(history.Undo(false).Done());
  EXPECT_EQ(store.Text(), "abc");
}

TEST_F(UndoTest, OverwriteUndoneAndRedoneInOneStep) {
  Load("a\x82\xA0" "b");  // a, a double-byte character, b
  ASSERT_TRUE(history.Overwrite(1, 2, "Z").Done());
  EXPECT_EQ(store.Text(), "aZb");
  ASSERT_EQ(undo().Count(), 2);
  EXPECT_EQ(undo().At(0).type, UndoType::kOverwriteRemoved);
  EXPECT_EQ(undo().At(1).type, UndoType::kOverwriteInserted);

  EditOutcome u = history.Undo(false);
  ASSERT_TRUE(u.Done());
  EXPECT_EQ(store.Text(), "a\x82\xA0" "b");
  EXPECT_FALSE(history.CanUndo());
  EXPECT_EQ(u.caret, 3u);
  EXPECT_EQ(u.change.from, 1u);
  EXPECT_EQ(u.change.removed, 1u);
  EXPECT_EQ(u.change.inserted, 2u);
  ASSERT_EQ(redo().Count(), 2);
  EXPECT_EQ(redo().At(0).type, UndoType::kOverwriteRemoved);
  EXPECT_EQ(redo().At(1).type, UndoType::kOverwriteInserted);

  ASSERT_TRUE(history.Redo(false).Done());
  EXPECT_EQ(store.Text(), "aZb");
  EXPECT_FALSE(history.CanRedo());
  EXPECT_EQ(undo().Count(), 2);
  ASSERT_TRUE(history.Undo(false).Done());
  EXPECT_EQ(store.Text(), "a\x82\xA0" "b");
}

TEST_F(UndoTest, RewriteUndoneInOneStepAndRedoneAsOverwrite) {
  Load("line1\r\nline2\r\n");
  ASSERT_TRUE(history.Rewrite(0, 14, "L1\r\nL2\r\n").Done());
  ASSERT_TRUE(history.Undo(false).Done());
  EXPECT_EQ(store.Text(), "line1\r\nline2\r\n");
  ASSERT_TRUE(history.Redo(false).Done());
  EXPECT_EQ(store.Text(), "L1\r\nL2\r\n");
  EXPECT_EQ(undo().At(0).type, UndoType::kOverwriteRemoved);
}

TEST_F(UndoTest, ReplaceIsTwoSteps) {
  Load("hello");
  ASSERT_TRUE(history.Replace(0, 5, "HELLO!").Done());
  ASSERT_TRUE(history.Undo(false).Done());
  EXPECT_EQ(store.Text(), "");
  ASSERT_TRUE(history.Undo(false).Done());
  EXPECT_EQ(store.Text(), "hello");
}

TEST_F(UndoTest, NewEditEmptiesRedo) {
  ASSERT_TRUE(history.Insert(0, "ab").Done());
  ASSERT_TRUE(history.Undo(false).Done());
  EXPECT_TRUE(history.CanRedo());
  ASSERT_TRUE(history.Insert(0, "c").Done());
  EXPECT_FALSE(history.CanRedo());
  EXPECT_EQ(history.Redo(false).status, EditStatus::kNoChange);
  EXPECT_EQ(store.Text(), "c");
}

TEST_F(UndoTest, RefusedWhenEditingIsNotAllowed) {
  ASSERT_TRUE(history.Insert(0, "ab").Done());
  store.SetWriteProtect(true);
  EXPECT_EQ(history.Undo(false).status, EditStatus::kBeeped);
  EXPECT_EQ(host.beeps, 1);
  EXPECT_EQ(store.Text(), "ab");
  store.SetWriteProtect(false);
  EXPECT_EQ(history.Undo(true).status, EditStatus::kBeeped);  // browse mode without permit
  store.SetOverwritePermit(true);
  EXPECT_TRUE(history.Undo(true).Done());
  // Nothing to undo: no beep.
  EXPECT_EQ(history.Undo(false).status, EditStatus::kNoChange);
  EXPECT_EQ(host.beeps, 2);
}

TEST_F(UndoTest, UndoIntoFullRedoAsksButStillUndoes) {
  Load(std::string(kUndoDataCapacity + 10, 'w'));
  history.UndoBuffer().Clear();
  // An insertion larger than a whole data area: undoing it cannot be
  // redone, but it is undone whatever the answer.
  ASSERT_TRUE(history.Insert(0, std::string(kUndoDataCapacity + 1, 'n')).Done());
  ASSERT_TRUE(history.Undo(false).Done());
  EXPECT_EQ(host.questions.size(), 1u);
  EXPECT_EQ(store.Text(), std::string(kUndoDataCapacity + 10, 'w'));
  EXPECT_FALSE(history.CanRedo());
}

TEST_F(UndoTest, OverwriteWhoseFirstHalfWasDroppedEndsTheHistory) {
  Load("abcdef");
  ASSERT_TRUE(history.Overwrite(0, 1, "X").Done());
  for (int i = 0; i < 511; ++i) ASSERT_TRUE(history.Insert(6, "y").Done());
  // The next record drops the first half: the second half is now the oldest.
  ASSERT_EQ(undo().At(0).type, UndoType::kOverwriteInserted);
  for (int i = 0; i < 511; ++i) ASSERT_TRUE(history.Undo(false).Done());
  EXPECT_EQ(store.Text(), "Xbcdef");
  EXPECT_EQ(history.Undo(false).status, EditStatus::kNoChange);
  EXPECT_FALSE(history.CanUndo());
  EXPECT_EQ(store.Text(), "Xbcdef");
}

TEST_F(UndoTest, LoneFirstHalfRestoresItsBytes) {
  Load("abc");
  ASSERT_EQ(undo().Record(UndoType::kOverwriteRemoved, 1, 1, store, host), RecordResult::kRecorded);
  store.Delete(1, 1);
  ASSERT_TRUE(history.Undo(false).Done());
  EXPECT_EQ(store.Text(), "abc");
}

TEST_F(UndoTest, StaleRecordBeyondTheTextIsDropped) {
  Load("abc");
  ASSERT_EQ(undo().Record(UndoType::kInsert, 2, 5, store, host), RecordResult::kRecorded);
  EXPECT_EQ(history.Undo(false).status, EditStatus::kNoChange);
  EXPECT_EQ(store.Text(), "abc");
  EXPECT_FALSE(history.CanUndo());
}

TEST_F(UndoTest, InsertOverTheTextLimitChangesNothing) {
  Load("abc");
  EXPECT_EQ(history.Insert(0, std::string(kMaxTextSize, 'x')).status, EditStatus::kFailed);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0], kMsgTooManyChars);
  EXPECT_EQ(store.Text(), "abc");
  EXPECT_FALSE(history.CanUndo());
}

TEST(TextChangeTest, MergesEditsInLaterCoordinates) {
  TextChange c;
  c.Merge(5, 3, 3);  // [5,8) rewritten
  c.Merge(20, 0, 2);  // insertion after it
  EXPECT_EQ(c.from, 5u);
  EXPECT_EQ(c.inserted, 17u);
  EXPECT_EQ(c.removed, 15u);
  TextChange d;
  d.Merge(5, 3, 3);
  d.Merge(0, 2, 0);  // deletion before it
  EXPECT_EQ(d.from, 0u);
  EXPECT_EQ(d.inserted, 6u);
  EXPECT_EQ(d.removed, 8u);
  TextChange e;
  e.Merge(4, 0, 10);
  e.Merge(6, 2, 0);  // inside the inserted text
  EXPECT_EQ(e.from, 4u);
  EXPECT_EQ(e.inserted, 8u);
  EXPECT_EQ(e.removed, 0u);
}

}  // namespace
}  // namespace quelt
