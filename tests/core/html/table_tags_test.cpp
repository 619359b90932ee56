#include "html/table_tags.h"

#include <gtest/gtest.h>

namespace quelt {
namespace {

TEST(TableWizardTest, TwoByTwoWithBorderAndTitle) {
  TableWizardSettings s;
  s.rows = s.columns = 2;
  s.title = "T";
  s.Cell(1, 1).text = "a";
  s.Cell(1, 2).text = "b";
  s.Cell(2, 1).text = "c";
  s.Cell(2, 2).text = "d";
  EXPECT_EQ(BuildTableWizardTag(s),
            (TagPair{"\r\n<TABLE BORDER><CAPTION>T</CAPTION>\r\n<TR>\r\n<TD>a</TD><TD>b</TD>\r\n"
                     "<TR>\r\n<TD>c</TD><TD>d</TD>\r\n</TABLE>\r\n",
                     ""}));
}

TEST(TableWizardTest, DefaultsAndCellAlignmentsWithoutBorderOrTitle) {
  EXPECT_EQ(BuildTableWizardTag(TableWizardSettings{}).opening,
            "\r\n<TABLE BORDER>\r\n<TR>\r\n<TD></TD>\r\n</TABLE>\r\n");
  TableWizardSettings s;
  s.border = false;
  s.columns = 3;
  s.Cell(1, 1) = {"x", 1, 0};
  s.Cell(1, 2) = {"", 0, 3};
  s.Cell(1, 3) = {"z", 3, 2};
  s.Cell(2, 1).text = "not shown: one row only";
  EXPECT_EQ(BuildTableWizardTag(s).opening,
            "\r\n<TABLE>\r\n<TR>\r\n<TD ALIGN=\"left\">x</TD><TD VALIGN=\"bottom\"></TD>"
            "<TD ALIGN=\"right\" VALIGN=\"middle\">z</TD>\r\n</TABLE>\r\n");
}

TEST(TableWizardTest, AttributePageRefusesSizesOutsideOneToEight) {
  EXPECT_TRUE(TableSizeValid(1, 1));
  EXPECT_TRUE(TableSizeValid(8, 8));
  EXPECT_FALSE(TableSizeValid(9, 1));
  EXPECT_FALSE(TableSizeValid(1, 9));
  EXPECT_FALSE(TableSizeValid(0, 4));
}

TEST(TableWizardTest, PlaceDialogChecksRowThenThePagesColumns) {
  TableWizardSettings s;
  CellPlace place{9, 2, 2, 1};
  EXPECT_EQ(PlaceCellAlignment(s, 0, place), CellPlaceResult::kRowReset);
  EXPECT_EQ(place.row, 1);
  place = {3, 5, 2, 1};
  EXPECT_EQ(PlaceCellAlignment(s, 0, place), CellPlaceResult::kColumnReset);
  EXPECT_EQ(place.column, 1);
  place = {3, 4, 2, 1};
  EXPECT_EQ(PlaceCellAlignment(s, 1, place), CellPlaceResult::kColumnReset);
  EXPECT_EQ(place.column, 5);
  EXPECT_EQ(s, TableWizardSettings{});  // nothing stored so far
  place = {8, 8, 2, 3};
  EXPECT_EQ(PlaceCellAlignment(s, 1, place), CellPlaceResult::kStored);
  EXPECT_EQ(s.Cell(8, 8).hAlign, 2);
  EXPECT_EQ(s.Cell(8, 8).vAlign, 3);
  EXPECT_STREQ(TableHAlignLabel(2), "中央");
  EXPECT_STREQ(TableVAlignLabel(1), "上");
}

TEST(TableAreaTest, StandardBorderIsTheBareFlagAndNumberZeroRemovesIt) {
  TableAreaSettings s;
  EXPECT_EQ(BuildTableAreaTag(s), (TagPair{"\r\n<TABLE BORDER>\r\n", "\r\n</TABLE>\r\n"}));
  s.borderIndex = 1;  // the number 0
  EXPECT_EQ(BuildTableAreaTag(s).opening, "\r\n<TABLE>\r\n");
  s.borderIndex = 4;  // the number 3
  EXPECT_EQ(BuildTableAreaTag(s).opening, "\r\n<TABLE BORDER=3>\r\n");
}

TEST(TableAreaTest, EveryAttributeInOrder) {
  TableAreaSettings s;
  s.borderIndex = 101;  // 100
  s.paddingIndex = 1;   // 0 is written: only 標準 is left out
  s.spacingIndex = 3;
  s.widthIndex = 101;
  s.background = true;
  EXPECT_EQ(BuildTableAreaTag(s).opening,
            "\r\n<TABLE BORDER=100 CELLPADDING=0 CELLSPACING=2 WIDTH=100% BGCOLOR=\"#C0C0C0\">\r\n");
}

TEST(TableCellTest, HeaderWithRowSpanTwoAndWidthFifty) {
  TableCellSettings s;
  s.rowSpanIndex = 3;
  s.widthIndex = 51;
  EXPECT_EQ(BuildTableCellTag(s, true), (TagPair{"<TH ROWSPAN=2 WIDTH=50%>", "</TH>"}));
  EXPECT_EQ(BuildTableCellTag(TableCellSettings{}, false), (TagPair{"<TD>", "</TD>"}));
}

TEST(TableCellTest, EveryAttributeInOrder) {
  TableCellSettings s;
  s.hAlign = 1;
  s.vAlign = 2;
  s.rowSpanIndex = 2;
  s.columnSpanIndex = 5;
  s.widthIndex = 11;
  s.background = true;
  s.colour = 0x0080FF;
  s.noWrap = true;
  EXPECT_EQ(BuildTableCellTag(s, false).opening,
            "<TD ALIGN=\"left\" VALIGN=\"middle\" ROWSPAN=1 COLSPAN=4 WIDTH=10% BGCOLOR=\"#FF8000\" "
            "NOWRAP>");
}

TEST(TableCaptionAndRowTest, PositionsAndAlignments) {
  TableCaptionSettings c;
  c.title = "kept, not written";
  EXPECT_EQ(BuildTableCaptionTag(c), (TagPair{"<CAPTION>", "</CAPTION>"}));
  c.position = 1;
  EXPECT_EQ(BuildTableCaptionTag(c).opening, "<CAPTION ALIGN=\"top\">");
  c.position = 2;
  EXPECT_EQ(BuildTableCaptionTag(c).opening, "<CAPTION ALIGN=\"bottom\">");
  TableRowSettings r;
  EXPECT_EQ(BuildTableRowTag(r), (TagPair{"<TR>", ""}));
  r.hAlign = 2;
  r.vAlign = 1;
  EXPECT_EQ(BuildTableRowTag(r).opening, "<TR ALIGN=\"center\" VALIGN=\"top\">");
}

TEST(NumberListTest, StandardThenZeroToHundred) {
  EXPECT_EQ(NumberListLabel(0), "標準");
  EXPECT_EQ(NumberListLabel(1), "0");
  EXPECT_EQ(NumberListLabel(101), "100");
  EXPECT_FALSE(NumberOfListIndex(0));
  EXPECT_EQ(*NumberOfListIndex(1), 0);
  EXPECT_FALSE(NumberOfListIndex(kNumberListCount));
}

}  // namespace
}  // namespace quelt
