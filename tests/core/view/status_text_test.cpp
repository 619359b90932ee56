#include <gtest/gtest.h>

#include "layout_fixture.h"
#include "view/status_text.h"

namespace quelt::test {
namespace {

TEST(StatusTextTest, EmptyTextShowsTheFirstLineAndColumn) {
  Doc d("");
  CaretStatusTexts t = CaretStatus(*d.layout, CaretPos{}, StatusOptions{});
  EXPECT_EQ(t.line, "00001");
  EXPECT_EQ(t.column1, "001");
  EXPECT_EQ(t.column2, " ");
  EXPECT_EQ(t.charCode, "");
}

TEST(StatusTextTest, ColumnPanesSplitTheDigits) {
  std::string a, b;
  FormatColumnPanes(999, &a, &b);
  EXPECT_EQ(a + "|" + b, "999| ");
  FormatColumnPanes(1000, &a, &b);
  EXPECT_EQ(a + "|" + b, "001|000");
  FormatColumnPanes(12345, &a, &b);
  EXPECT_EQ(a + "|" + b, "012|345");
  EXPECT_EQ(FormatLinePane(123456), "123456");
  EXPECT_EQ(FormatLinePane(42), "00042");
}

TEST(StatusTextTest, LogicalLineCounting) {
  // Lines: "abcde" | "fg" CR LF | "h".
  Doc d("abcdefg\r\nh", Params(5));
  StatusOptions o;
  EXPECT_EQ(CaretStatus(*d.layout, CaretPos{1, 1, 0}, o).line, "00002");
  EXPECT_EQ(CaretStatus(*d.layout, CaretPos{1, 1, 0}, o).column1, "002");
  o.countLogicalLines = true;
  CaretStatusTexts t = CaretStatus(*d.layout, CaretPos{1, 1, 0}, o);
  EXPECT_EQ(t.line, "00001");
  EXPECT_EQ(t.column1, "007");
  EXPECT_EQ(CaretStatus(*d.layout, CaretPos{0, 2, 0}, o).line, "00002");
}

TEST(StatusTextTest, CharacterCodeUnderTheCaret) {
  Doc d(std::string("a") + kA + "\r\nbcdefghijkl", Params(10));
  StatusOptions o;
  o.displayCharCode = true;
  EXPECT_EQ(CaretStatus(*d.layout, CaretPos{0, 0, 0}, o).charCode, "61  ");
  EXPECT_EQ(CaretStatus(*d.layout, CaretPos{1, 0, 0}, o).charCode, "82A0");
  EXPECT_EQ(CaretStatus(*d.layout, CaretPos{3, 0, 0}, o).charCode, "0D0A");
  EXPECT_EQ(CaretStatus(*d.layout, CaretPos{6, 0, 3}, o).charCode, "");   // virtual space
  EXPECT_EQ(CaretStatus(*d.layout, CaretPos{10, 1, 0}, o).charCode, "");  // end of a wrapped line
  EXPECT_EQ(CaretStatus(*d.layout, CaretPos{1, 2, 0}, o).charCode, "");   // end of the text
  o.displayCharCode = false;
  EXPECT_EQ(CaretStatus(*d.layout, CaretPos{0, 0, 0}, o).charCode, "");
}

}  // namespace
}  // namespace quelt::test
