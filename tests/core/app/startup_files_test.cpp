#include "app/startup_files.h"

#include <gtest/gtest.h>

namespace quelt {
namespace {

// The windows a cabinet reopened keep their stored placement: nothing is
// maximised over them unless command-line files are opened as well.
TEST(StartupFiles, MaximiseOnlyWhatThisStepOpened) {
  EXPECT_FALSE(PlanStartupFiles(true, 0, false).maximise);
  EXPECT_FALSE(PlanStartupFiles(true, 0, false).createUntitled);
  EXPECT_TRUE(PlanStartupFiles(true, 2, false).maximise);
  EXPECT_FALSE(PlanStartupFiles(true, 2, false).createUntitled);
  // Without a cabinet: the files, or else an untitled document.
  EXPECT_TRUE(PlanStartupFiles(false, 1, false).maximise);
  EXPECT_FALSE(PlanStartupFiles(false, 1, false).createUntitled);
  EXPECT_TRUE(PlanStartupFiles(false, 0, false).createUntitled);
  EXPECT_TRUE(PlanStartupFiles(false, 0, false).maximise);
  // "InvokeWithoutUntitled": nothing to open, nothing to maximise.
  EXPECT_FALSE(PlanStartupFiles(false, 0, true).createUntitled);
  EXPECT_FALSE(PlanStartupFiles(false, 0, true).maximise);
}

}  // namespace
}  // namespace quelt
