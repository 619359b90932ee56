#include "html/tag_commands.h"

#include <gtest/gtest.h>

#include "html/form_tags.h"
#include "html/page_tags.h"
#include "html/table_tags.h"

namespace quelt {
namespace {

TEST(TagCommandsTest, EveryMenuCommandBuildsFromItsOwnSettings) {
  TagSettings s;
  s.html.imageFile = "i.gif";
  s.html.headingLevel = 2;
  s.table.cell.noWrap = true;
  s.html.form.selectName = "sel";
  s.frame.target = "t";
  EXPECT_EQ(TagPairOfCommand(kCmdTagImage, s), BuildImageTag(s.html));
  EXPECT_EQ(TagPairOfCommand(kCmdTagHeading, s)->opening, "<H3>");
  EXPECT_EQ(TagPairOfCommand(kCmdTableHeader, s)->opening, "<TH NOWRAP>");
  EXPECT_EQ(TagPairOfCommand(kCmdTableData, s)->opening, "<TD NOWRAP>");
  EXPECT_EQ(TagPairOfCommand(kCmdFormSelect, s), BuildFormSelectTag(s.html.form));
  EXPECT_EQ(TagPairOfCommand(kCmdFrameTarget, s)->opening, "<BASE TARGET=\"t\">");
  EXPECT_EQ(TagPairOfCommand(kCmdTagParagraph, s), FixedTagPair(kCmdTagParagraph));
  EXPECT_EQ(TagPairOfCommand(kCmdTableWizard, s), BuildTableWizardTag(s.table.wizard));
  // Each tag command of the menus with a pair of its own gives one.
  const CommandId all[] = {32926, 32911, 32912, 32934, 32927, 32950, 32935, 32913, 32937, 32914,
                           32936, 32939, 32940, 32941, 32915, 32916, 32938, 32928, 32929, 32930,
                           32931, 32932, 32933, 32942, 32943, 32944, 32945, 32946, 32947, 32948,
                           32949, 32954, 32955, 32956, 32957};
  for (CommandId id : all) EXPECT_TRUE(TagPairOfCommand(id, s)) << id;
  EXPECT_FALSE(TagPairOfCommand(kCmdInsertTag, s));
  EXPECT_FALSE(TagPairOfCommand(kCmdTagRepeat, s));
  EXPECT_FALSE(TagPairOfCommand(kCmdTagErase, s));
}

TEST(TagCommandsTest, ListsAndTheSelectionBoxPutItemsOnLines) {
  EXPECT_EQ(LineItemsOfCommand(kCmdTagBulletList)->itemA, "<LI>");
  EXPECT_TRUE(LineItemsOfCommand(kCmdTagNumberList)->itemB.empty());
  EXPECT_EQ(LineItemsOfCommand(kCmdTagDefinitionList)->itemA, "<DT>");
  EXPECT_EQ(LineItemsOfCommand(kCmdTagDefinitionList)->itemB, "<DD>");
  EXPECT_EQ(LineItemsOfCommand(kCmdFormSelect)->itemA, "<OPTION>");
  EXPECT_FALSE(LineItemsOfCommand(kCmdTagCentre));
  EXPECT_FALSE(LineItemsOfCommand(kCmdTagImage));
}

}  // namespace
}  // namespace quelt
