#include "print/page_layout_fields.h"

#include <gtest/gtest.h>

namespace quelt {
namespace {

TEST(PageLayoutFields, MillimetresWithOneDecimal) {
  EXPECT_EQ(FormatMillimetres(100), "10");
  EXPECT_EQ(FormatMillimetres(125), "12.5");
  EXPECT_EQ(FormatMillimetres(0), "0");
  EXPECT_EQ(ParseMillimetres("12.5", 5000), 125);
  EXPECT_EQ(ParseMillimetres(" 7 ", 5000), 70);
  EXPECT_EQ(ParseMillimetres(".5", 5000), 5);
  EXPECT_EQ(ParseMillimetres("500", 5000), 5000);
  for (const char* bad : {"", ".", "7.", "7.55", "-1", "500.1", "1e3", "99999999999999999999"}) {
    EXPECT_FALSE(ParseMillimetres(bad, 5000)) << bad;
  }
  EXPECT_EQ(ParseFieldNumber("0", 0, 9999), 0);
  EXPECT_FALSE(ParseFieldNumber("10000", 0, 9999));
  EXPECT_FALSE(ParseFieldNumber("1 2", 0, 9999));
}

TEST(PageLayoutFields, TheFirstRefusedFieldLeavesTheRecordAlone) {
  PageLayout layout;
  PageLayoutTexts t = PageLayoutToTexts(layout);
  EXPECT_EQ(t.topMargin, "10");
  EXPECT_EQ(t.leftMargin, "5");
  EXPECT_EQ(t.footerText, "- &p -");
  t.rightMargin = "2.5";
  t.firstLineNumber = "100";
  t.headerText = "&f";
  ASSERT_EQ(ApplyPageLayoutTexts(t, layout), PageLayoutField::kNone);
  EXPECT_EQ(layout.rightMargin, 25);
  EXPECT_EQ(layout.firstLineNumber, 100);
  EXPECT_EQ(layout.header.text, "&f");
  const PageLayout kept = layout;
  t.charSpacing = "x";
  t.firstPageNumber = "-1";
  EXPECT_EQ(ApplyPageLayoutTexts(t, layout), PageLayoutField::kCharSpacing);
  t.charSpacing = "0";
  EXPECT_EQ(ApplyPageLayoutTexts(t, layout), PageLayoutField::kFirstPageNumber);
  t.firstPageNumber = "1";
  t.footerText = std::string(81, 'a');
  EXPECT_EQ(ApplyPageLayoutTexts(t, layout), PageLayoutField::kFooterText);
  EXPECT_EQ(layout, kept);
  t.footerText = std::string(80, 'a');
  EXPECT_EQ(ApplyPageLayoutTexts(t, layout), PageLayoutField::kNone);
}

}  // namespace
}  // namespace quelt
