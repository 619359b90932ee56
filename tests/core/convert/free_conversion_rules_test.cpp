#include "convert/free_conversion_rules.h"

#include <gtest/gtest.h>

namespace quelt {
namespace {

std::string Encoded(const FreeConversionRules& r) {
  std::string out;
  EncodeFreeConversionSection(r, out);
  return out;
}

TEST(FreeConversionSection, RoundTripWithEmptyFields) {
  FreeConversionRules r;
  r.options = kFreeConvNewDocument | kFreeConvEscapeSequences;
  r.rules = {{"\x81\x83\x91\x53\x8A\x70", "x"}, {"", ""}, {"abc", ""}};
  const std::string bytes = Encoded(r);
  std::string_view in = bytes;
  FreeConversionRules back;
  ASSERT_TRUE(DecodeFreeConversionSection(in, back));
  EXPECT_EQ(back, r);
  EXPECT_TRUE(in.empty());
}

TEST(FreeConversionSection, RefusesMalformedBytes) {
  FreeConversionRules r;
  r.rules = {{"ab", "c"}};
  const std::string good = Encoded(r);
  auto decodes = [&](std::size_t at, char value) {
    std::string bytes = good;
    bytes[at] = value;
    std::string_view in = bytes;
    FreeConversionRules back;
    return DecodeFreeConversionSection(in, back);
  };
  EXPECT_FALSE(decodes(0, 11));  // eleven rules
  EXPECT_FALSE(decodes(4, 4));   // an unknown option bit
  EXPECT_FALSE(decodes(8, 3));   // a length that differs from the text's
  EXPECT_FALSE(decodes(14, 'x'));  // the text's zero byte is gone
  for (std::size_t n = 0; n < good.size(); ++n) {
    std::string_view cut = std::string_view(good).substr(0, n);
    FreeConversionRules back;
    EXPECT_FALSE(DecodeFreeConversionSection(cut, back)) << n;
  }
}

TEST(FreeConversionSection, WriterCutsRulesAndTexts) {
  FreeConversionRules r;
  r.options = 0xFF;
  // A two-byte character straddles the limit: it is left out whole.
  r.rules.assign(12, {std::string(255, 'a') + "\x82\xa0", std::string(300, 'b')});
  const std::string bytes = Encoded(r);
  std::string_view in = bytes;
  FreeConversionRules back;
  ASSERT_TRUE(DecodeFreeConversionSection(in, back));
  EXPECT_EQ(back.options, kFreeConvOptionMask);
  ASSERT_EQ(back.rules.size(), kFreeConversionRuleCount);
  EXPECT_EQ(back.rules[0].before, std::string(255, 'a'));
  EXPECT_EQ(back.rules[0].after.size(), kMaxFreeConversionText);
}

}  // namespace
}  // namespace quelt
