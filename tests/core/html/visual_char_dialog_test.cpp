#include "html/visual_char_dialog.h"

#include <gtest/gtest.h>

namespace quelt {
namespace {

TEST(VisualCharDialog, TheValuesShowTheFontAndTheByteAttributes) {
  VisualDocument doc;
  VisualAttr a;
  a.font = static_cast<std::uint8_t>(doc.FindOrAddFont(5, true, true));
  a.colour = kVisualBlack;
  a.position = kPositionSub;
  a.charSpacing = -3;
  const VisualCharValues v = CharValuesOf(doc, a);
  EXPECT_EQ(15, v.points);
  EXPECT_TRUE(v.bold);
  EXPECT_TRUE(v.italic);
  EXPECT_EQ(kVisualBlack, v.colour);
  EXPECT_TRUE(v.subscript);
  EXPECT_FALSE(v.superscript);
  EXPECT_EQ(-3, v.charSpacing);
}

TEST(VisualCharDialog, OnlyWhatChangedIsApplied) {
  VisualCharValues shown;
  VisualCharValues chosen = shown;
  CharacterChange c = CharChangeBetween(shown, chosen);
  EXPECT_FALSE(c.points || c.bold || c.colour || c.face || c.underline || c.superscript || c.subscript);
  chosen.bold = true;
  chosen.underline = UnderlineKind::kDouble;
  c = CharChangeBetween(shown, chosen);
  ASSERT_TRUE(c.bold);
  EXPECT_TRUE(*c.bold);
  EXPECT_EQ(UnderlineKind::kDouble, c.underline);
  EXPECT_FALSE(c.italic);
  EXPECT_FALSE(c.points);
}

TEST(VisualCharDialog, SuperscriptWinsOverSubscriptAndTurnsItOff) {
  VisualCharValues shown;
  shown.subscript = true;
  VisualCharValues chosen = shown;
  chosen.superscript = true;
  const CharacterChange c = CharChangeBetween(shown, chosen);
  ASSERT_TRUE(c.superscript && c.subscript);
  EXPECT_TRUE(*c.superscript);
  EXPECT_FALSE(*c.subscript);
}

}  // namespace
}  // namespace quelt
