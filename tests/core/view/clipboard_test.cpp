#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "edit_fixture.h"
#include "view/clip_history.h"
#include "view/clipboard_text.h"

namespace quelt {
namespace {

using namespace std::string_literals;

TEST(CleanIncomingText, Rules) {
  EXPECT_EQ(CleanIncomingText("a\0b"s), "a b");
  EXPECT_EQ(CleanIncomingText("a\rb"), "ab");
  EXPECT_EQ(CleanIncomingText("a\r\nb"), "a\r\nb");
  EXPECT_EQ(CleanIncomingText("a\nb"), "a\nb");
  EXPECT_EQ(CleanIncomingText("\x82\rx"), "\x82 x");    // CR as a trail byte
  EXPECT_EQ(CleanIncomingText("\x82\0x"s), "\x82 x");   // zero as a trail byte
  EXPECT_EQ(CleanIncomingText("\x95\x5C\r"), "\x95\x5C");  // trailing CR dropped
  EXPECT_EQ(CleanIncomingText("ab\x82"), "ab");         // trailing lead byte dropped
  EXPECT_EQ(CleanIncomingText("\x82\r\n"), "\x82 \n");  // the pair takes the CR
  // With the lead-byte test off every byte is one character.
  EXPECT_EQ(CleanIncomingText("\x82\r\n", LeadByteTest(false)), "\x82\r\n");
}

TEST(CleanIncomingText, InsertStringCountIsOneLessForALoneCr) {
  const std::string given = "line\rnext";
  EXPECT_EQ(CleanIncomingText(given).size(), given.size() - 1);
}

TEST(CleanIncomingText, RandomBytesNeverLeaveALoneCrOrZero) {
  std::mt19937 rng(7);
  for (int run = 0; run < 2000; ++run) {
    std::string in(rng() % 40, '\0');
    for (char& c : in) c = static_cast<char>(rng() % 4 == 0 ? "\r\n\0\x82"[rng() % 4] : rng());
    const std::string out = CleanIncomingText(in);
    for (std::size_t i = 0; i < out.size(); ++i) {
      const auto c = static_cast<std::uint8_t>(out[i]);
      ASSERT_NE(c, 0) << run;
      if (IsSjisLeadByte(c)) {
        ASSERT_LT(i + 1, out.size()) << run;
        ASSERT_NE(out[i + 1], '\r') << run;
        ++i;
      } else if (c == '\r') {
        ASSERT_LT(i + 1, out.size()) << run;
        ASSERT_EQ(out[i + 1], '\n') << run;
        ++i;
      }
    }
  }
}

using ClipTextTest = test::EditFixture;

TEST_F(ClipTextTest, CopiedTexts) {
  Load("abcd\r\nefgh\r\nij");
  EXPECT_EQ(SelectionText(store, {2, 8}), "cd\r\nef");
  const std::vector<TextRange> box = {{1, 3}, {7, 9}, {13, 14}};
  EXPECT_EQ(BoxText(store, box), "bc\r\nfg\r\nj\r\n");
  EXPECT_EQ(AppendedClipText("old\0junk"s, "new"), "oldnew");
  EXPECT_EQ(TextUpToZero("x\0y"s), "x");
}

class ClipHistoryTest : public ::testing::Test {
 protected:
  void SetUp() override { history.Configure(true, 204800); }
  ClipHistory history;
};

TEST_F(ClipHistoryTest, OffKeepsNothing) {
  history.Configure(false, 204800);
  history.Add("a");
  EXPECT_EQ(history.Count(), 0);
  EXPECT_EQ(history.Current(), nullptr);
  EXPECT_EQ(history.Next(), nullptr);
  EXPECT_EQ(history.Previous(), nullptr);
}

TEST_F(ClipHistoryTest, TheThirtyFirstEntryOverwritesTheOldest) {
  for (int i = 0; i < 31; ++i) history.Add("t" + std::to_string(i));
  EXPECT_EQ(history.Count(), kClipHistorySize);
  EXPECT_EQ(history.Entry(0), "t30");
  EXPECT_EQ(history.Entry(1), "t1");
  EXPECT_EQ(history.CurrentIndex(), 0);
  EXPECT_EQ(history.WriteIndex(), 1);
  EXPECT_EQ(*history.Current(), "t30");
  // Next walks to older entries: from slot 0 to the last slot.
  EXPECT_EQ(*history.Next(), "t29");
  EXPECT_EQ(*history.Previous(), "t30");
  EXPECT_EQ(*history.Previous(), "t1");
}

TEST_F(ClipHistoryTest, NextFromTheNewestGoesToTheOneBefore) {
  history.Add("first");
  history.Add("second");
  history.Add("third");
  EXPECT_EQ(*history.Next(), "second");
  EXPECT_EQ(*history.Next(), "first");
  EXPECT_EQ(*history.Next(), "third");  // wraps to the last slot
  EXPECT_EQ(*history.Previous(), "first");  // after the last slot comes 0
  EXPECT_EQ(*history.Choose(1), "second");
  EXPECT_EQ(*history.Current(), "second");
  EXPECT_EQ(history.Choose(3), nullptr);
}

TEST_F(ClipHistoryTest, LengthLimitAndItsFallback) {
  history.Configure(true, 1024);
  history.Add(std::string(1025, 'x'));
  EXPECT_EQ(history.Count(), 0);
  history.Add(std::string(1024, 'x'));
  EXPECT_EQ(history.Count(), 1);
  EXPECT_EQ(EffectiveMaxClipLength(1023), kDefaultMaxClipLength);
  EXPECT_EQ(EffectiveMaxClipLength(786433), kDefaultMaxClipLength);
  EXPECT_EQ(EffectiveMaxClipLength(786432), 786432);
}

TEST_F(ClipHistoryTest, PassingOneMebibyteClearsTheHistory) {
  history.Configure(true, kMaxMaxClipLength);
  history.Add("small");
  history.Add(std::string(524288, 'a'));
  history.Add(std::string(524288 - 5, 'b'));  // exactly 1 MiB in all: kept
  EXPECT_EQ(history.Count(), 3);
  EXPECT_EQ(history.TotalBytes(), kClipHistoryTotalLimit);
  history.Add("c");  // one byte more: cleared first
  EXPECT_EQ(history.Count(), 1);
  EXPECT_EQ(history.Entry(0), "c");
  EXPECT_EQ(history.CurrentIndex(), 0);
}

}  // namespace
}  // namespace quelt
