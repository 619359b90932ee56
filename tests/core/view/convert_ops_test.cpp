#include <gtest/gtest.h>

#include <vector>

#include "base/cp932.h"
#include "base/messages.h"
#include "edit_fixture.h"
#include "view/convert_ops.h"

namespace quelt {
namespace {

using test::EditFixture;

std::string S(std::u16string_view text) { return Utf16ToSjis(text); }

class ConvertOpsTest : public EditFixture {
 protected:
  TextRange All() const { return {0, static_cast<TextOffset>(Text().size())}; }
};

TEST(ConvertCommands, WhichCommandsConvertTheSelection) {
  EXPECT_EQ(CharConversionOfCommand(kCmdKatakanaToHiragana), CharConversion::kKatakanaToHiragana);
  EXPECT_EQ(CharConversionOfCommand(kCmdSplitLines), std::nullopt);
  EXPECT_TRUE(IsSelectionConversionCommand(kCmdJoinLines));
  EXPECT_TRUE(IsSelectionConversionCommand(kCmdInvertCase));
  EXPECT_FALSE(IsSelectionConversionCommand(kCmdFreeConversion));
}

TEST_F(ConvertOpsTest, ConversionIsOneUndoStepAndSelectsTheResult) {
  Load("x " + S(u"ｶﾞｷﾞ") + " y");
  EditSession s = Session();
  const EditResult r = ConvertSelection(s, {2, 6}, CharConversion::kHalfToFull);
  ASSERT_TRUE(r.Done());
  EXPECT_EQ(Text(), "x " + S(u"ガギ") + " y");
  ASSERT_TRUE(r.hasSelection);
  EXPECT_EQ(r.selection, (TextRange{2, 6}));
  EXPECT_EQ(r.change.from, 2u);
  ASSERT_TRUE(history.Undo(false).Done());
  EXPECT_EQ(Text(), "x " + S(u"ｶﾞｷﾞ") + " y");
  EXPECT_FALSE(history.CanUndo());
  ASSERT_TRUE(history.Redo(false).Done());
  EXPECT_EQ(Text(), "x " + S(u"ガギ") + " y");
  EXPECT_FALSE(history.CanRedo());
}

TEST_F(ConvertOpsTest, GrowingAndShrinkingSelections) {
  Load("ab\r\ncd");
  EditSession s = Session();
  EditResult r = ConvertSelection(s, All(), CharConversion::kHalfToFull);
  ASSERT_TRUE(r.Done());
  EXPECT_EQ(Text(), S(u"ａｂ\r\nｃｄ"));
  EXPECT_EQ(r.selection, All());
  r = ConvertSelection(s, All(), CharConversion::kFullToHalf);
  ASSERT_TRUE(r.Done());
  EXPECT_EQ(Text(), "ab\r\ncd");
  EXPECT_EQ(r.selection, All());
}

TEST_F(ConvertOpsTest, NothingToConvertKeepsTheSelectionAndTheHistory) {
  Load(S(u"漢字"));
  EditSession s = Session();
  const EditResult r = ConvertSelection(s, All(), CharConversion::kUpperCase);
  EXPECT_EQ(r.status, EditStatus::kNoChange);
  EXPECT_EQ(r.selection, All());
  EXPECT_FALSE(history.CanUndo());
  EXPECT_EQ(ConvertSelection(s, {1, 1}, CharConversion::kUpperCase).status, EditStatus::kNoChange);
}

TEST_F(ConvertOpsTest, ReadOnlyDocumentsRefuse) {
  Load("abc");
  store.SetWriteProtect(true);
  EditSession s = Session();
  EXPECT_EQ(ConvertSelection(s, All(), CharConversion::kUpperCase).status, EditStatus::kBeeped);
  EXPECT_EQ(JoinLinesTightly(s, All()).status, EditStatus::kBeeped);
  EXPECT_EQ(host.beeps, 2);
  EXPECT_EQ(Text(), "abc");
}

TEST_F(ConvertOpsTest, SplitMakesWrappedLinesHard) {
  // Three display lines: "abcd" wraps, "efgh" wraps, "ij" ends with CR LF.
  Load("abcdefghij\r\nk");
  EditSession s = Session();
  const std::vector<DisplayLineEnd> lines = {{4, false, true, 4}, {8, false, true, 4}, {10, true, false, 2}};
  const EditResult r = SplitLines(s, {0, 12}, lines);
  ASSERT_TRUE(r.Done());
  EXPECT_EQ(Text(), "abcd\r\nefgh\r\nij\r\nk");
  EXPECT_EQ(r.selection, (TextRange{0, 16}));
  EXPECT_EQ(history.UndoBuffer().Count(), 2);  // one insertion per line
  ASSERT_TRUE(UndoAll());
  EXPECT_EQ(Text(), "abcdefghij\r\nk");
  // Nothing wraps: nothing to do.
  EXPECT_EQ(SplitLines(s, {0, 12}, std::vector<DisplayLineEnd>{{10, true, false, 10}}).status, EditStatus::kNoChange);
}

TEST_F(ConvertOpsTest, JoinKeepsAShortLinesEnd) {
  options.wrapColumn = 6;
  // "abcde" fills the width (its CR at column 5), "xy" is short.
  Load("abcde\r\nfghij\r\nxy\r\nz");
  EditSession s = Session();
  const std::vector<DisplayLineEnd> lines = {{5, true, false, 5}, {12, true, false, 5}, {16, true, false, 2}};
  const EditResult r = JoinLines(s, {0, 18}, lines);
  ASSERT_TRUE(r.Done());
  EXPECT_EQ(Text(), "abcdefghijxy\r\nz");
  EXPECT_EQ(r.selection, (TextRange{0, 14}));
  EXPECT_EQ(history.UndoBuffer().Count(), 2);  // one deletion per line
  ASSERT_TRUE(UndoAll());
  EXPECT_EQ(Text(), "abcde\r\nfghij\r\nxy\r\nz");
}

TEST_F(ConvertOpsTest, TightJoinRemovesEveryLineEndUpToItsLimit) {
  Load("a\r\nb\nc\r\nd");
  EditSession s = Session();
  const EditResult r = JoinLinesTightly(s, All());
  ASSERT_TRUE(r.Done());
  EXPECT_EQ(Text(), "abcd");
  EXPECT_EQ(r.selection, (TextRange{0, 4}));
  ASSERT_TRUE(history.Undo(false).Done());
  EXPECT_EQ(Text(), "a\r\nb\nc\r\nd");

  Load(std::string(kMaxTightJoinBytes, 'a') + "\r\n");
  EXPECT_EQ(JoinLinesTightly(s, {0, kMaxTightJoinBytes + 1}).status, EditStatus::kFailed);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0], kMsgSelectionTooLarge);
  EXPECT_EQ(JoinLinesTightly(s, {2, kMaxTightJoinBytes + 2}).status, EditStatus::kDone);
  EXPECT_EQ(Text(), std::string(kMaxTightJoinBytes, 'a'));
}

}  // namespace
}  // namespace quelt
