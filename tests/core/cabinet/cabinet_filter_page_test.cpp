#include <gtest/gtest.h>

#include "cabinet/cabinet_filter_page.h"
#include "cabinet/cabinet_pages.h"

namespace quelt {
namespace {

std::array<FilterList, kDocumentTypes> Defaults() {
  return DefaultSettings(0, true).filters;
}

TEST(FilterPage, NewAppendsUpToTenThenRefuses) {
  FilterPageModel m(Defaults(), 0, true);
  ASSERT_EQ(m.List().size(), 5u);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(m.New(), FilterAction::kDone);
  EXPECT_EQ(m.List().size(), 10u);
  EXPECT_EQ(m.Selected(), 9);
  EXPECT_EQ(m.List()[9], (FilterPair{"New(*.*)", "*.*"}));
  EXPECT_EQ(m.New(), FilterAction::kFull);
  EXPECT_EQ(m.List().size(), 10u);
}

TEST(FilterPage, ABadSelectedPairRefusesEveryOtherAction) {
  FilterPageModel m(Defaults(), 0, true);
  m.SetPattern("");
  EXPECT_EQ(m.New(), FilterAction::kRefused);
  EXPECT_EQ(m.LastCheck(), FilterCheck::kBadPattern);
  EXPECT_EQ(m.Select(2), FilterAction::kRefused);
  EXPECT_EQ(m.MoveDown(), FilterAction::kRefused);
  EXPECT_EQ(m.ChooseType(1), FilterAction::kRefused);
  EXPECT_EQ(m.Type(), 0);
  m.SetPattern("*.a|b");
  EXPECT_EQ(m.Select(1), FilterAction::kRefused);
  m.SetPattern(std::string(41, 'p'));
  EXPECT_EQ(m.Select(1), FilterAction::kRefused);
  m.SetPattern(std::string(40, 'p'));
  m.SetTitle(std::string(41, 't'));
  EXPECT_EQ(m.Select(1), FilterAction::kRefused);
  EXPECT_EQ(m.LastCheck(), FilterCheck::kBadTitle);
  m.SetTitle("");  // an empty title is allowed
  EXPECT_EQ(m.Select(1), FilterAction::kDone);
  // Forty double-byte characters are forty characters.
  std::string wide;
  for (int i = 0; i < 40; ++i) wide += "\x82\xA0";
  m.SetTitle(wide);
  EXPECT_EQ(m.Select(0), FilterAction::kDone);
}

TEST(FilterPage, MovesDeletesAndRestores) {
  FilterPageModel m(Defaults(), 1, true);
  const FilterList before = m.List();
  EXPECT_EQ(m.MoveUp(), FilterAction::kNothing);
  EXPECT_EQ(m.MoveDown(), FilterAction::kDone);
  EXPECT_EQ(m.Selected(), 1);
  EXPECT_EQ(m.List()[1], before[0]);
  EXPECT_EQ(m.List()[0], before[1]);
  EXPECT_EQ(m.Select(int(before.size()) - 1), FilterAction::kDone);
  EXPECT_EQ(m.MoveDown(), FilterAction::kNothing);
  // Deleting the last pair selects the new last one; a bad pair may go.
  m.SetPattern("");
  EXPECT_EQ(m.Delete(), FilterAction::kDone);
  EXPECT_EQ(m.Selected(), int(before.size()) - 2);
  while (!m.List().empty()) m.Delete();
  EXPECT_EQ(m.Selected(), -1);
  EXPECT_EQ(m.Delete(), FilterAction::kNothing);
  EXPECT_EQ(m.LastCheck(), FilterCheck::kEmptyList);
  // An empty list does not stop other actions.
  EXPECT_EQ(m.ChooseType(2), FilterAction::kDone);
  EXPECT_EQ(m.ChooseType(1), FilterAction::kDone);
  EXPECT_EQ(m.RestoreDefaults(), FilterAction::kDone);
  EXPECT_EQ(m.List(), DefaultFilters(1, true));
  // The other types' lists were never touched.
  EXPECT_EQ(m.Lists()[0], DefaultFilters(0, true));
}

TEST(FilterPage, OversizedListsAreCutToTen) {
  auto lists = Defaults();
  lists[2].assign(12, FilterPair{"t", "*.t"});
  FilterPageModel m(lists, 2, false);
  EXPECT_EQ(m.List().size(), 10u);
  EXPECT_EQ(FilterPageModel(lists, 7, false).Type(), 0);
}

TEST(SpacingField, TenthsOfAMillimetre) {
  std::uint32_t t = 77;
  EXPECT_TRUE(ParseTenths("0.0", t));
  EXPECT_EQ(t, 0u);
  EXPECT_TRUE(ParseTenths(" 1.5 ", t));
  EXPECT_EQ(t, 15u);
  EXPECT_TRUE(ParseTenths("3", t));
  EXPECT_EQ(t, 30u);
  EXPECT_TRUE(ParseTenths(".5", t));
  EXPECT_EQ(t, 5u);
  EXPECT_TRUE(ParseTenths("10.0", t));
  EXPECT_EQ(t, 100u);
  t = 77;
  for (const char* bad : {"", ".", "10.1", "11", "1.25", "-1", "1,5", "abc", "99999999999"}) {
    EXPECT_FALSE(ParseTenths(bad, t)) << bad;
    EXPECT_EQ(t, 77u);
  }
  EXPECT_EQ(FormatTenths(0), "0.0");
  EXPECT_EQ(FormatTenths(15), "1.5");
  EXPECT_EQ(FormatTenths(100), "10.0");
}

}  // namespace
}  // namespace quelt

namespace quelt {
namespace {

TEST(FontCommand, RecordIsTheSixtyBytesOfTheBlock) {
  FontRecord f;
  f.height = 12;
  f.weight = 700;
  f.charSet = 128;
  f.pitchAndFamily = 49;
  const char face[] = "\x82\x6c\x82\x72 Gothic";
  std::copy(face, face + sizeof face, f.faceName.begin());
  const std::string data = EncodeFontRecord(f);
  ASSERT_EQ(data.size(), 60u);
  EXPECT_EQ(data.substr(0, 4), std::string("\x0C\0\0\0", 4));
  EXPECT_EQ(static_cast<unsigned char>(data[23]), 128u);  // character set, fourth byte field
  FontRecord back;
  ASSERT_TRUE(DecodeFontRecord(data, back));
  EXPECT_EQ(back, f);
  FontRecord untouched;
  untouched.height = 9;
  EXPECT_FALSE(DecodeFontRecord(data.substr(0, 59), untouched));
  EXPECT_EQ(untouched.height, 9);
}

TEST(FontCommand, SizesAboveOneHundredPixelsAreLimited) {
  bool limited = true;
  EXPECT_EQ(LimitFontPoints(12, 96, limited), 12);
  EXPECT_FALSE(limited);
  EXPECT_EQ(LimitFontPoints(75, 96, limited), 75);  // exactly 100 pixels
  EXPECT_FALSE(limited);
  EXPECT_EQ(LimitFontPoints(76, 96, limited), 75);
  EXPECT_TRUE(limited);
  EXPECT_EQ(LimitFontPoints(72, 120, limited), 60);
  EXPECT_TRUE(limited);
  EXPECT_EQ(LimitFontPoints(500, 0, limited), 500);  // no resolution known
  EXPECT_FALSE(limited);
}

}  // namespace
}  // namespace quelt
