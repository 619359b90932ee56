#include "keys/key_binding.h"

#include <gtest/gtest.h>

#include <set>


namespace quelt {
namespace {

TEST(KeyBinding, KeyListHasFortyNineKeysWithoutF1) {
  const auto keys = BindableKeys();
  ASSERT_EQ(keys.size(), 49u);
  EXPECT_EQ(keys.front().name, "A");
  EXPECT_EQ(keys[26].name, "0");
  EXPECT_EQ(keys[36].name, "F2");
  EXPECT_EQ(keys[36].code, 113u);
  EXPECT_EQ(keys[46].name, "F12");
  EXPECT_EQ(keys[47].code, 45u);
  EXPECT_EQ(keys[48].code, 46u);
  std::set<std::uint32_t> codes;
  for (const BindableKey& k : keys) codes.insert(k.code);
  EXPECT_EQ(codes.size(), 49u);
  EXPECT_FALSE(IsBindableKey(112));  // F1
  EXPECT_FALSE(IsBindableKey('a'));
}

TEST(KeyBinding, KeyFromTextNeedsAnExactEntry) {
  EXPECT_EQ(KeyFromText("Q"), std::optional<std::uint32_t>('Q'));
  EXPECT_EQ(KeyFromText("F10"), std::optional<std::uint32_t>(121));
  EXPECT_EQ(KeyFromText("Delete"), std::optional<std::uint32_t>(46));
  EXPECT_FALSE(KeyFromText(""));
  EXPECT_FALSE(KeyFromText("q"));
  EXPECT_FALSE(KeyFromText("F1"));
  EXPECT_FALSE(KeyFromText("F13"));
  EXPECT_FALSE(KeyFromText(" A"));
  EXPECT_FALSE(KeyFromText(std::string_view("Insert\0x", 8)));
}

TEST(KeyBinding, KeyTextsAsMenusShowThem) {
  EXPECT_EQ(KeyText('A', kModNone), "A");
  EXPECT_EQ(KeyText('7', kModCtrl), "Ctrl+7");
  EXPECT_EQ(KeyText(114, kModShift), "Shift+F3");
  EXPECT_EQ(KeyText(123, kModCtrlShift), "Ctrl+Shift+F12");
  EXPECT_EQ(KeyText(kVkInsert, kModCtrl), "Ctrl+Insert");
  EXPECT_EQ(KeyText(kVkDelete, kModShift), "Shift+Delete");
  EXPECT_EQ(KeyText(0x141, kModCtrl), "Ctrl+");  // only a file can hold such a key
}

TEST(KeyBinding, ModifierRules) {
  EXPECT_TRUE(IsAllowedCombination(113, kModNone));
  EXPECT_TRUE(IsAllowedCombination(123, kModNone));
  EXPECT_FALSE(IsAllowedCombination('A', kModNone));
  EXPECT_FALSE(IsAllowedCombination('5', kModNone));
  EXPECT_FALSE(IsAllowedCombination(kVkDelete, kModNone));
  EXPECT_FALSE(IsAllowedCombination('Z', kModShift));
  EXPECT_FALSE(IsAllowedCombination('9', kModShift));
  EXPECT_TRUE(IsAllowedCombination(kVkInsert, kModShift));
  EXPECT_TRUE(IsAllowedCombination(116, kModShift));
  EXPECT_TRUE(IsAllowedCombination('Z', kModCtrl));
  EXPECT_TRUE(IsAllowedCombination('9', kModCtrlShift));
  EXPECT_FALSE(IsAllowedCombination(112, kModCtrl));
  EXPECT_EQ(ModifiersOf(true, true), kModCtrlShift);
  EXPECT_EQ(ModifiersOf(false, true), kModShift);
}

TEST(KeyBinding, OperationNamesCompareAsFileNames) {
  EXPECT_TRUE(SameOperationFile("edit.macx", "EDIT.MACX.mac"));
  EXPECT_TRUE(SameOperationFile("Edit", "edit.Mac"));
  EXPECT_FALSE(SameOperationFile("edit", "edit2"));
}

}  // namespace
}  // namespace quelt
