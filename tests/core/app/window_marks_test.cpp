#include "app/window_marks.h"

#include <gtest/gtest.h>

#include <set>

namespace quelt {
namespace {

TEST(WindowMarks, ToggleAddsAndRemovesThePrefix) {
  WindowMarks marks;
  std::string title = "a.txt";
  EXPECT_EQ(marks.Toggle(1, title), MarkResult::kDone);
  EXPECT_EQ(title, "* a.txt");
  EXPECT_TRUE(marks.IsMarked(1));
  EXPECT_EQ(marks.Toggle(1, title), MarkResult::kDone);
  EXPECT_EQ(title, "a.txt");
  EXPECT_FALSE(marks.IsMarked(1));
  // A title that already starts with the prefix keeps a single one.
  std::string starred = "* b.txt";
  marks.Toggle(2, starred);
  EXPECT_EQ(starred, "* b.txt");
}

TEST(WindowMarks, EleventhMarkAndLongTitleBeep) {
  WindowMarks marks;
  for (WindowId w = 1; w <= kMaxWindowMarks; ++w) {
    std::string t = "t";
    ASSERT_EQ(marks.Toggle(w, t), MarkResult::kDone);
  }
  std::string t = "eleven";
  EXPECT_EQ(marks.Toggle(11, t), MarkResult::kBeep);
  EXPECT_EQ(t, "eleven");
  WindowMarks other;
  std::string longTitle(kMaxMarkedTitle + 1, 'x');
  EXPECT_EQ(other.Toggle(1, longTitle), MarkResult::kBeep);
  std::string edge(kMaxMarkedTitle, 'x');
  EXPECT_EQ(other.Toggle(1, edge), MarkResult::kDone);
}

TEST(WindowMarks, NextAndPreviousWrapAround) {
  WindowMarks marks;
  for (WindowId w : {10, 20, 30}) {
    std::string t = "t";
    marks.Toggle(w, t);
  }
  auto open = [](WindowId) { return true; };
  WindowId w = 0;
  int beeps = 0;
  // The last marked window is current; Next wraps to the first.
  ASSERT_TRUE(marks.Step(true, open, w, beeps));
  EXPECT_EQ(w, 10u);
  ASSERT_TRUE(marks.Step(true, open, w, beeps));
  EXPECT_EQ(w, 20u);
  ASSERT_TRUE(marks.Step(false, open, w, beeps));
  EXPECT_EQ(w, 10u);
  ASSERT_TRUE(marks.Step(false, open, w, beeps));
  EXPECT_EQ(w, 30u);
  EXPECT_EQ(beeps, 0);
}

TEST(WindowMarks, ClosedWindowsAreSkippedWithABeep) {
  WindowMarks marks;
  for (WindowId w : {1, 2, 3}) {
    std::string t = "t";
    marks.Toggle(w, t);
  }
  std::set<WindowId> open{1, 3};
  WindowId w = 0;
  int beeps = 0;
  ASSERT_TRUE(marks.Step(true, [&](WindowId x) { return open.count(x) > 0; }, w, beeps));
  EXPECT_EQ(w, 1u);
  ASSERT_TRUE(marks.Step(true, [&](WindowId x) { return open.count(x) > 0; }, w, beeps));
  EXPECT_EQ(w, 3u);
  EXPECT_EQ(beeps, 1);
  EXPECT_EQ(marks.Count(), 2u);
  open.clear();
  EXPECT_FALSE(marks.Step(true, [&](WindowId x) { return open.count(x) > 0; }, w, beeps));
  EXPECT_EQ(beeps, 2);
  EXPECT_EQ(marks.Count(), 0u);
}

// A closed window met on the way is dropped and the step goes on from its
// place: past the last mark it wraps to the first, before the first to the last.
TEST(WindowMarks, StepPastAClosedLastOrFirstMarkWraps) {
  const auto markAll = [](WindowMarks& marks) {
    for (WindowId w : {1, 2, 3}) {
      std::string t = "t";
      marks.Toggle(w, t);
    }
  };
  std::set<WindowId> open{1, 2, 3};
  const auto isOpen = [&](WindowId x) { return open.count(x) > 0; };
  WindowId w = 0;
  int beeps = 0;

  WindowMarks forward;
  markAll(forward);
  ASSERT_TRUE(forward.Step(true, isOpen, w, beeps));  // 1
  ASSERT_TRUE(forward.Step(true, isOpen, w, beeps));  // 2
  open.erase(3);
  ASSERT_TRUE(forward.Step(true, isOpen, w, beeps));
  EXPECT_EQ(w, 1u);
  EXPECT_EQ(beeps, 1);
  EXPECT_EQ(forward.Count(), 2u);
  ASSERT_TRUE(forward.Step(true, isOpen, w, beeps));
  EXPECT_EQ(w, 2u);

  open = {1, 2, 3};
  WindowMarks backward;
  markAll(backward);
  ASSERT_TRUE(backward.Step(true, isOpen, w, beeps));  // 1, the first
  open.erase(3);
  ASSERT_TRUE(backward.Step(false, isOpen, w, beeps));
  EXPECT_EQ(w, 2u);
  EXPECT_EQ(beeps, 1);
  ASSERT_TRUE(backward.Step(false, isOpen, w, beeps));
  EXPECT_EQ(w, 1u);

  // A closed window in the middle: forward lands on the one after it,
  // backward on the one before it.
  open = {1, 2, 3};
  WindowMarks middle;
  markAll(middle);
  ASSERT_TRUE(middle.Step(true, isOpen, w, beeps));  // 1
  open.erase(2);
  ASSERT_TRUE(middle.Step(true, isOpen, w, beeps));
  EXPECT_EQ(w, 3u);
  open = {1, 3, 4};
  std::string t = "t";
  middle.Toggle(4, t);  // marks 1 3 4, current 4
  open.erase(3);
  ASSERT_TRUE(middle.Step(false, isOpen, w, beeps));
  EXPECT_EQ(w, 1u);
  EXPECT_EQ(beeps, 1);
}

TEST(WindowMarks, RemovingKeepsTheCurrentIndexInRange) {
  WindowMarks marks;
  for (WindowId w : {1, 2, 3}) {
    std::string t = "t";
    marks.Toggle(w, t);
  }
  EXPECT_EQ(marks.Current(), 2);
  marks.Remove(3);
  EXPECT_EQ(marks.Current(), 1);
  marks.Remove(1);
  EXPECT_EQ(marks.Current(), 0);
  EXPECT_EQ(marks.Clear().size(), 1u);
  EXPECT_EQ(marks.Current(), -1);
}

}  // namespace
}  // namespace quelt
