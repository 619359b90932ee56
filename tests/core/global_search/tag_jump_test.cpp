#include "global_search/tag_jump.h"

#include <gtest/gtest.h>

#include "text/text_store.h"

namespace quelt {
namespace {

TEST(TagJumpLine, ReadsTheResultLinesOfTheGlobalSearch) {
  EXPECT_EQ(ParseTagJumpLine("C:\\src\\a.c(12): int a;"), (TagJumpTarget{"C:\\src\\a.c", 12}));
  EXPECT_EQ(ParseTagJumpLine("C:\\a(99999):"), (TagJumpTarget{"C:\\a", 99999}));
  // A Shift-JIS name whose second byte is a backslash.
  EXPECT_EQ(ParseTagJumpLine("D:\\\x83\x5C.txt(3): x"), (TagJumpTarget{"D:\\\x83\x5C.txt", 3}));
  // A folder with parentheses of its own.
  EXPECT_EQ(ParseTagJumpLine("C:\\Program Files (x86)\\b.h(7): y"),
            (TagJumpTarget{"C:\\Program Files (x86)\\b.h", 7}));
}

TEST(TagJumpLine, RefusesWhatNamesNoFileAndLine) {
  EXPECT_FALSE(ParseTagJumpLine("\\\\server\\share\\a.c(3): x"));  // no drive
  EXPECT_FALSE(ParseTagJumpLine("src\\a.c(3): x"));
  EXPECT_FALSE(ParseTagJumpLine("C:\\a(0): x"));       // line 0
  EXPECT_FALSE(ParseTagJumpLine("C:\\a(123456): x"));  // six digits
  EXPECT_FALSE(ParseTagJumpLine("C:\\a(12"));          // no ")"
  EXPECT_FALSE(ParseTagJumpLine("C:\\(1)"));           // a path of 3 bytes
  EXPECT_FALSE(ParseTagJumpLine("C:\\ab("));
  EXPECT_FALSE(ParseTagJumpLine("C:\\a(1"));          // 6 bytes
  EXPECT_TRUE(ParseTagJumpLine("C:\\a(1)"));          // 7 bytes
  // The path may be 259 bytes, not 260.
  const std::string longest = "C:\\" + std::string(256, 'a');
  EXPECT_TRUE(ParseTagJumpLine(longest + "(5): x"));
  EXPECT_FALSE(ParseTagJumpLine(longest + "a(5): x"));
}

class TagStepTest : public ::testing::Test {
 protected:
  void Load(const std::string& text) {
    ASSERT_TRUE(store.Create());
    store.Load(text, DocumentKind::kText);
  }
  TextStore store;
};

TEST_F(TagStepTest, NextBeepsOnceAtTheLastLineThenWrapsToTheFirst) {
  Load("C:\\a(1): x\r\nC:\\b(2): y\r\n");  // the empty line after the last CR LF is no line
  bool wrap = false;
  const TextOffset second = 12;
  EXPECT_EQ(StepTagLine(store, 0, true, wrap), std::optional<TextOffset>(second));
  EXPECT_EQ(TagLineAt(store, second), "C:\\b(2): y");
  EXPECT_FALSE(StepTagLine(store, second, true, wrap));
  EXPECT_TRUE(wrap);
  EXPECT_EQ(StepTagLine(store, second + 3, true, wrap), std::optional<TextOffset>(0));
}

TEST_F(TagStepTest, PreviousWrapsToTheLastLine) {
  Load("C:\\a(1): x\r\nC:\\b(2): y");
  bool wrap = false;
  EXPECT_FALSE(StepTagLine(store, 3, false, wrap));
  EXPECT_EQ(StepTagLine(store, 3, false, wrap), std::optional<TextOffset>(12));
  wrap = false;
  EXPECT_EQ(StepTagLine(store, 14, false, wrap), std::optional<TextOffset>(0));
  EXPECT_FALSE(wrap);
}

TEST_F(TagStepTest, LineTextStopsAt270Bytes) {
  Load(std::string(300, 'x') + "\r\nz");
  EXPECT_EQ(TagLineAt(store, 5).size(), kTagLineBytes);
  EXPECT_EQ(TagLineAt(store, 303), "z");
}

}  // namespace
}  // namespace quelt
