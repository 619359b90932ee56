#include "view/expand_format.h"

#include <gtest/gtest.h>

#include "base/messages.h"
#include "edit_fixture.h"

namespace quelt {
namespace {

// Tuesday 8 December 2026, 16:41:05.
LocalTime Sample() {
  LocalTime t;
  t.year = 2026;
  t.month = 12;
  t.day = 8;
  t.hour = 16;
  t.minute = 41;
  t.second = 5;
  t.dayOfWeek = 2;
  return t;
}

class ExpandFormatTest : public ::testing::Test {
 protected:
  void TearDown() override { SetEnglishInterface(false); }
  std::string Expand(std::string_view format) {
    return ExpandFormat(format, "C:\\dir\\file.txt", 12, 34, Sample(), "JST");
  }
};

TEST_F(ExpandFormatTest, DocumentVariables) {
  EXPECT_EQ(Expand("$l:$c $n $f $$ $q"), "12:34 file.txt C:\\dir\\file.txt $ q");
  EXPECT_EQ(Expand("end$"), "end");
}

TEST_F(ExpandFormatTest, TimeVariables) {
  EXPECT_EQ(Expand("$Y $y $m $d $H $I $M $S $p"), "2026 26 12 08 16 04 41 05 PM");
  EXPECT_EQ(Expand("$a $A $b $B $w $z"), "Tue Tuesday Dec December 2 JST");
  EXPECT_EQ(Expand("$x $X"), "12/08/26 16:41:05");
  EXPECT_EQ(Expand("$D"), "12/08/26 16:41:05");
  EXPECT_EQ(Expand("$j $U $W"), "342 49 49");
  LocalTime midnight = Sample();
  midnight.hour = 0;
  EXPECT_EQ(ExpandFormat("$I $p", "", 0, 0, midnight), "12 AM");
}

TEST_F(ExpandFormatTest, WeekdayInEitherLanguage) {
  EXPECT_EQ(Expand("$e"), "\x89\xCE");  // 火
  SetEnglishInterface(true);
  EXPECT_EQ(Expand("$e"), "Tue");
}

TEST_F(ExpandFormatTest, DateAndTimeFormats) {
  EXPECT_EQ(Expand(DateInsertionFormat()), "26/12/08");
  EXPECT_EQ(Expand(TimeInsertionFormat()), "16:41:05");
  SetEnglishInterface(true);
  EXPECT_EQ(Expand(DateInsertionFormat()), "12/08/26");
}

TEST_F(ExpandFormatTest, DoubleByteCharactersArePairs) {
  // "$" as a trail byte (0x81 0x24 is not valid, but 0x95 0x24 shows the rule).
  EXPECT_EQ(Expand("\x95\x24" "d"), "\x95\x24" "d");
  EXPECT_EQ(Expand("ab\x82"), "ab");  // a lone lead byte at the end
}

TEST_F(ExpandFormatTest, OutputStopsAt255Bytes) {
  const std::string many(300, 'x');
  EXPECT_EQ(Expand(many).size(), kMaxExpandedFormat);
  // A variable that does not fit ends the output.
  EXPECT_EQ(Expand(std::string(250, 'x') + "$B"), std::string(250, 'x'));
  EXPECT_EQ(Expand(std::string(254, 'x') + "\x82\xA0"), std::string(254, 'x'));
}

TEST_F(ExpandFormatTest, OutOfRangeTimeDoesNotFail) {
  LocalTime bad;
  bad.month = 13;
  bad.dayOfWeek = -4;
  EXPECT_EQ(ExpandFormat("$b $a $e", "", 0, 0, bad), "Dec Sun \x93\xFA");
}

TEST_F(ExpandFormatTest, HelpListHasEveryVariable) {
  EXPECT_EQ(kFormatVariableHelpCount, 27u);
  EXPECT_STREQ(kFormatVariableHelp[0], "$$ Dollar sign");
}

using InsertionTest = test::EditFixture;

TEST_F(InsertionTest, DateTimeAndStrings) {
  EditSession s = Session();
  Load("ab");
  EXPECT_EQ(InsertDate(s, At(1), true, Sample()).status, EditStatus::kNoChange);
  ASSERT_TRUE(InsertDate(s, At(1), false, Sample()).Done());
  EXPECT_EQ(Text(), "a26/12/08b");
  ASSERT_TRUE(InsertTime(s, At(0), false, Sample()).Done());
  EXPECT_EQ(Text(), "16:41:05a26/12/08b");
  StringFormat f;
  f.format = "[$l]";
  f.line = 7;
  ASSERT_TRUE(InsertString(s, At(0), f).Done());
  EXPECT_EQ(Text(), "[7]16:41:05a26/12/08b");
}

TEST_F(InsertionTest, StringAtEveryLineOfASelection) {
  EditSession s = Session();
  Load("ab\r\ncd\r\nef");
  StringFormat f;
  f.format = "$l:";
  f.line = 9;
  const StringPlace places[] = {{0, 1, 1}, {4, 2, 1}, {8, 3, 1}};
  ASSERT_TRUE(InsertStringAtPlaces(s, places, f).Done());
  EXPECT_EQ(Text(), "9:ab\r\n9:cd\r\n9:ef");
  EXPECT_EQ(history.UndoBuffer().Count(), 3);
  ASSERT_TRUE(UndoAll());
  f.expandPerLine = true;
  f.format = "<$l,$c>";
  const StringPlace ends[] = {{2, 1, 3}, {6, 2, 3}};
  ASSERT_TRUE(InsertStringAtPlaces(s, ends, f).Done());
  EXPECT_EQ(Text(), "ab<1,3>\r\ncd<2,3>\r\nef");
}

}  // namespace
}  // namespace quelt
