#include "record/recorder_texts.h"

#include <gtest/gtest.h>

#include "base/messages.h"

namespace quelt {
namespace {

class RecorderTexts : public ::testing::Test {
 protected:
  void TearDown() override { SetEnglishInterface(false); }
};

TEST_F(RecorderTexts, PaneInBothLanguages) {
  EXPECT_EQ(RecordingPaneText(true, false, 0).text, "記録中 0      ");
  EXPECT_EQ(RecordingPaneText(true, true, 5120).text, "記録中 5120      ");  // recording shows over playing
  EXPECT_EQ(RecordingPaneText(false, true, 7).text, "再生中        ");
  EXPECT_TRUE(RecordingPaneText(false, true, 7).enabled);
  const RecordingPane idle = RecordingPaneText(false, false, 7);
  EXPECT_FALSE(idle.enabled);
  EXPECT_EQ(idle.text, "");
  SetEnglishInterface(true);
  EXPECT_EQ(RecordingPaneText(true, false, 12).text, "Rec 12      ");
  EXPECT_EQ(RecordingPaneText(false, true, 12).text, "Playing        ");
}

TEST_F(RecorderTexts, MenuLabelFollowsTheState) {
  EXPECT_EQ(RecordToggleLabel(false), "操作の記録開始");
  EXPECT_EQ(RecordToggleLabel(true), "操作の記録終了");
  SetEnglishInterface(true);
  EXPECT_EQ(RecordToggleLabel(false), "&Start Recording");
  EXPECT_EQ(RecordToggleLabel(true), "&Stop Recording");
}

}  // namespace
}  // namespace quelt
