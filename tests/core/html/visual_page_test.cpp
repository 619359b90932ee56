#include "html/visual_page.h"

#include <gtest/gtest.h>

namespace quelt {
namespace {

TEST(VisualPage, TheSheetShowsTheBodyAndKeepsColoursNotSet) {
  BodySettings body;
  body.title = "t";
  body.text = {true, 0x0000FF};
  PageTagSettings last;
  last.background = {true, 0x123456};
  last.lastPage = 1;
  const PageTagSettings sheet = PageSheetOfBody(body, last);
  EXPECT_EQ("t", sheet.title);
  EXPECT_TRUE(sheet.text.apply);
  EXPECT_EQ(0x0000FFu, sheet.text.colour);
  // Not set in the document: unticked, the colour chosen last kept.
  EXPECT_FALSE(sheet.background.apply);
  EXPECT_EQ(0x123456u, sheet.background.colour);
  EXPECT_EQ(1, sheet.lastPage);
  const BodySettings back = BodyOfPageSheet(sheet);
  EXPECT_EQ(body, back);
}

TEST(VisualPage, ALongTitleIsCutAtACharacterBoundary) {
  PageTagSettings sheet;
  sheet.title = std::string(79, 'a') + "\x82\xa0" + "b";  // a two-byte character across byte 80
  EXPECT_EQ(std::string(79, 'a'), BodyOfPageSheet(sheet).title);
  sheet.title = std::string(78, 'a') + "\x82\xa0" + "b";
  EXPECT_EQ(80u, BodyOfPageSheet(sheet).title.size());
}

}  // namespace
}  // namespace quelt
