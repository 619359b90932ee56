#include "tools/extended_menus.h"

#include <gtest/gtest.h>

#include "base/le_words.h"

namespace quelt {
namespace {

std::string Encoded(const ExtendedMenus& m) {
  std::string out;
  EncodeExtendedMenusSection(m, out);
  return out;
}

TEST(ExtendedMenusSection, DefaultsAreTwentyEmptyMenus) {
  const std::string bytes = Encoded(ExtendedMenus{});
  EXPECT_EQ(bytes.size(), 4u + 20 * 9);
  std::string_view in = bytes;
  std::uint32_t count = 0;
  TakeLe32(in, count);
  EXPECT_EQ(count, 20u);
}

TEST(ExtendedMenusSection, RoundTripAndFewerMenusKeepTheRestDefault) {
  ExtendedMenus m{};
  m[0] = {"Tools", 3, {{32851, 'A'}, {kMenuSeparator, 0}, {57634, 0}}};
  m[19] = {"Z", 100, {}};
  const std::string bytes = Encoded(m);
  std::string_view in = bytes;
  ExtendedMenus back{};
  ASSERT_TRUE(DecodeExtendedMenusSection(in, back));
  EXPECT_EQ(back, m);
  EXPECT_TRUE(in.empty());

  std::string one;
  AppendLe32(one, 1);
  one += std::string("T\0", 2);
  AppendLe32(one, 0);
  AppendLe32(one, 0);
  in = one;
  ASSERT_TRUE(DecodeExtendedMenusSection(in, back));
  EXPECT_EQ(back[0].title, "T");
  EXPECT_EQ(back[1], ExtendedMenu{});
}

TEST(ExtendedMenusSection, RefusesMalformedItems) {
  auto decodes = [](const ExtendedMenu& first, std::size_t patchAt, char patch) {
    ExtendedMenus m{};
    m[0] = first;
    std::string bytes = Encoded(m);
    bytes[patchAt] = patch;
    std::string_view in = bytes;
    ExtendedMenus back{};
    return DecodeExtendedMenusSection(in, back);
  };
  const ExtendedMenu menu{"", 0, {{57634, 'C'}}};
  // count 4, title 1, delay 4, item count 4, then the item: id 4, key 1.
  EXPECT_TRUE(decodes(menu, 17, 'D'));
  EXPECT_FALSE(decodes(menu, 17, ' '));     // not a visible character
  EXPECT_FALSE(decodes(menu, 15, '\x01'));  // the id's third byte makes it > 65535
  EXPECT_FALSE(decodes(menu, 5, 101));      // delay over 100
  EXPECT_FALSE(decodes(menu, 0, 21));       // 21 menus
  EXPECT_FALSE(decodes({"", 0, {{kMenuSeparator, 0}}}, 17, 'K'));  // a separator with a key
}

TEST(ExtendedMenusSection, WriterDropsInvalidValues) {
  ExtendedMenus m{};
  m[2].delay = 500;
  m[2].items.assign(25, {57634, '\x7F'});
  m[2].items[0] = {kMenuSeparator, 'Q'};
  m[2].items[1] = {70000, 'a'};
  const std::string bytes = Encoded(m);
  std::string_view in = bytes;
  ExtendedMenus back{};
  ASSERT_TRUE(DecodeExtendedMenusSection(in, back));
  EXPECT_EQ(back[2].delay, 0);
  ASSERT_EQ(back[2].items.size(), kMaxExtendedMenuItems);
  EXPECT_EQ(back[2].items[0], (ExtendedMenuItem{kMenuSeparator, 0}));
  EXPECT_EQ(back[2].items[1], (ExtendedMenuItem{57634, 0}));
}

}  // namespace
}  // namespace quelt
