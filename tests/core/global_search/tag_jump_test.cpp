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

TEST(TagJumpLine, TheLineIsTheLastNumberOfTheFilePart) {
  // A folder named like a result line's number.
  EXPECT_EQ(ParseTagJumpLine("C:\\x(1)\\a.txt(5): y"), (TagJumpTarget{"C:\\x(1)\\a.txt", 5}));
  EXPECT_EQ(ParseTagJumpLine("C:\\x(1)\\(2)(30): (4): z(5)"), (TagJumpTarget{"C:\\x(1)\\(2)", 30}));
  // Blanks before the colon, as compilers write it, and no colon at all.
  EXPECT_EQ(ParseTagJumpLine("C:\\src\\a.c(12) : error"), (TagJumpTarget{"C:\\src\\a.c", 12}));
  EXPECT_EQ(ParseTagJumpLine("C:\\x(1)\\a.c(9)"), (TagJumpTarget{"C:\\x(1)\\a.c", 9}));
  // Something else between the number and the colon: the number is the folder's.
  EXPECT_FALSE(ParseTagJumpLine("C:\\x(1)\\a.txt: y"));
  EXPECT_FALSE(ParseTagJumpLine("C:\\x(1)\\a.txt"));
  EXPECT_FALSE(ParseTagJumpLine("C:\\x(1)a: y"));
  // Shift-JIS names: second bytes 0x5C (表 ソ) and a folder "表(2)".
  EXPECT_EQ(ParseTagJumpLine("D:\\\x95\x5C(2)\\\x83\x5C(7): x"), (TagJumpTarget{"D:\\\x95\x5C(2)\\\x83\x5C", 7}));
  EXPECT_EQ(ParseTagJumpLine("D:\\\x97\x5C\x92\xE8\x95\x5C\\m.txt(100000): \x95\x5C"),
            (TagJumpTarget{"D:\\\x97\x5C\x92\xE8\x95\x5C\\m.txt", 100000}));
  // No character of code page 932 has "(", ")" or ":" as its second byte
  // (second bytes are 0x40-0x7E and 0x80-0xFC): those bytes always stand
  // for themselves. Every lead byte before the path's last character.
  for (int lead = 0x81; lead <= 0xFC; ++lead) {
    if (lead > 0x9F && lead < 0xE0) continue;
    const std::string ch{static_cast<char>(lead), '\x40'};
    EXPECT_EQ(ParseTagJumpLine("C:\\a" + ch + "(3): x"), (TagJumpTarget{"C:\\a" + ch, 3})) << lead;
  }
}

TEST(TagJumpLine, TakesEveryLineNumberTheStoreCanHold) {
  EXPECT_EQ(ParseTagJumpLine("C:\\a(100000): x"), (TagJumpTarget{"C:\\a", 100000}));
  EXPECT_EQ(ParseTagJumpLine("C:\\a(0099999): x"), (TagJumpTarget{"C:\\a", 99999}));
  EXPECT_FALSE(ParseTagJumpLine("C:\\a(100001): x"));
  EXPECT_FALSE(ParseTagJumpLine("C:\\a(99999999999999999999): x"));  // no overflow to a small number
  EXPECT_FALSE(ParseTagJumpLine("C:\\a(): x"));
  EXPECT_FALSE(ParseTagJumpLine("C:\\a(1 2): x"));
}

TEST(TagJumpLine, RefusesWhatNamesNoFileAndLine) {
  EXPECT_FALSE(ParseTagJumpLine("\\\\server\\share\\a.c(3): x"));  // no drive
  EXPECT_FALSE(ParseTagJumpLine("src\\a.c(3): x"));
  EXPECT_FALSE(ParseTagJumpLine("C:\\a(0): x"));       // line 0
  EXPECT_FALSE(ParseTagJumpLine("C:\\a(123456): x"));  // more lines than the store holds
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
