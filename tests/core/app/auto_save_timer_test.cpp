#include "app/auto_save_timer.h"

#include <gtest/gtest.h>

namespace quelt {
namespace {

constexpr AutoSaveConfig kOn{true, 300, 3};
constexpr AutoSaveConfig kOff{false, 300, 3};

TEST(AutoSaveTimerTest, APassRunsAfterTheQuietSecondsAndInputStartsTheCountAgain) {
  AutoSaveTimer t;
  EXPECT_TRUE(t.Start(kOn).startInterval);
  EXPECT_FALSE(t.Start(kOff).startInterval);
  EXPECT_TRUE(t.OnIntervalTick(kOn).startWait);
  // A second interval tick while waiting starts nothing new.
  EXPECT_FALSE(t.OnIntervalTick(kOn).startWait);
  EXPECT_FALSE(t.OnWaitTick(kOn).savePass);
  EXPECT_FALSE(t.OnWaitTick(kOn).savePass);
  t.OnInput();
  EXPECT_FALSE(t.OnWaitTick(kOn).savePass);
  EXPECT_FALSE(t.OnWaitTick(kOn).savePass);
  const AutoSaveActions a = t.OnWaitTick(kOn);
  EXPECT_TRUE(a.savePass);
  EXPECT_TRUE(a.stopWait);
  EXPECT_FALSE(t.Waiting());
  // The next interval tick starts a new wait.
  EXPECT_TRUE(t.OnIntervalTick(kOn).startWait);
}

TEST(AutoSaveTimerTest, SwitchingOffStopsBothTimersAndNoPassRuns) {
  AutoSaveTimer t;
  t.OnIntervalTick(kOn);
  EXPECT_TRUE(t.OnIntervalTick(kOff).stopInterval);
  const AutoSaveActions w = t.OnWaitTick(kOff);
  EXPECT_FALSE(w.savePass);
  EXPECT_TRUE(w.stopWait);
  const AutoSaveActions a = t.Apply(kOn, kOff);
  EXPECT_TRUE(a.stopInterval);
  EXPECT_TRUE(a.stopWait);
}

TEST(AutoSaveTimerTest, NewSettingsRestartTheIntervalOnlyWhenItChanged) {
  AutoSaveTimer t;
  EXPECT_TRUE(t.Apply(kOff, kOn).startInterval);
  EXPECT_FALSE(t.Apply(kOn, kOn).startInterval);
  t.OnIntervalTick(kOn);
  const AutoSaveConfig longer{true, 600, 3};
  const AutoSaveActions a = t.Apply(kOn, longer);
  EXPECT_TRUE(a.startInterval);
  EXPECT_TRUE(a.stopWait);
  EXPECT_FALSE(t.Waiting());
  // A wait of one second: the first tick saves.
  t.OnIntervalTick({true, 600, 1});
  EXPECT_TRUE(t.OnWaitTick({true, 600, 1}).savePass);
}

}  // namespace
}  // namespace quelt

#include "text/auto_save_rule.h"

namespace quelt {
namespace {

TEST(AutoSaveRuleTest, OnlyModifiedNamedWritableDocumentsAreSaved) {
  const AutoSaveOptions on{true, false, true, false};
  const AutoSaveDocState ready{false, false, false, true};
  EXPECT_EQ(AutoSaveStep::kSaveFile, AutoSaveStepFor(ready, on));
  AutoSaveDocState d = ready;
  d.writeProtected = true;
  EXPECT_EQ(AutoSaveStep::kSkip, AutoSaveStepFor(d, on));
  d = ready;
  d.empty = true;
  EXPECT_EQ(AutoSaveStep::kSkip, AutoSaveStepFor(d, on));
  d = ready;
  d.untitled = true;
  EXPECT_EQ(AutoSaveStep::kSkip, AutoSaveStepFor(d, on));
  d = ready;
  d.modified = false;
  EXPECT_EQ(AutoSaveStep::kSkip, AutoSaveStepFor(d, on));
  EXPECT_EQ(AutoSaveStep::kSkip, AutoSaveStepFor(ready, {true, true, true, false}));
  EXPECT_EQ(AutoSaveStep::kSkip, AutoSaveStepFor(ready, {false, false, true, false}));
}

TEST(AutoSaveRuleTest, WithoutTheOriginalFileOnlyABackupIsWrittenAndOnlyWhenBackupsAreOn) {
  const AutoSaveDocState ready{false, false, false, true};
  EXPECT_EQ(AutoSaveStep::kBackupOnly, AutoSaveStepFor(ready, {true, false, false, true}));
  EXPECT_EQ(AutoSaveStep::kSkip, AutoSaveStepFor(ready, {true, false, false, false}));
}

TEST(AutoSaveRuleTest, AutoSaveCancelForFDLeavesDriveAAlone) {
  AutoSaveDocState floppy{false, false, false, true, IsOnFloppyDrive("A:\\memo.txt")};
  EXPECT_TRUE(floppy.onFloppyDrive);
  EXPECT_TRUE(IsOnFloppyDrive("a:"));
  EXPECT_FALSE(IsOnFloppyDrive("C:\\a:\\x"));
  EXPECT_FALSE(IsOnFloppyDrive("B:\\memo.txt"));
  EXPECT_EQ(AutoSaveStep::kSkip, AutoSaveStepFor(floppy, {true, false, true, false, true}));
  EXPECT_EQ(AutoSaveStep::kSaveFile, AutoSaveStepFor(floppy, {true, false, true, false, false}));
}

}  // namespace
}  // namespace quelt
