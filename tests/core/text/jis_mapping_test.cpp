// The pair mapping checked on its own and by round trips of every JIS X 0208
// code through the JIS and EUC conversions.
#include "text/jis_mapping.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/sjis.h"
#include "text/char_code.h"

namespace quelt {
namespace {

const std::uint8_t* U(const std::string& s) { return reinterpret_cast<const std::uint8_t*>(s.data()); }

std::string Pair(std::uint16_t code) {
  return std::string{static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
}

TEST(JisMapping, KnownPairs) {
  EXPECT_EQ(JisToSjis(0x21, 0x21), 0x8140);  // ideographic space
  EXPECT_EQ(JisToSjis(0x21, 0x5F), 0x817E);  // last cell before the 0x7F gap
  EXPECT_EQ(JisToSjis(0x21, 0x60), 0x8180);
  EXPECT_EQ(JisToSjis(0x22, 0x21), 0x819F);
  EXPECT_EQ(JisToSjis(0x30, 0x21), 0x889F);  // 亜
  EXPECT_EQ(JisToSjis(0x5E, 0x7E), 0x9FFC);
  EXPECT_EQ(JisToSjis(0x5F, 0x21), 0xE040);
  EXPECT_EQ(JisToSjis(0x7E, 0x7E), 0xEFFC);
  EXPECT_EQ(SjisToJis(0x88, 0x9F), 0x3021);
  EXPECT_EQ(SjisToJis(0x81, 0x80), 0x2160);
  EXPECT_EQ(SjisToJis(0xEF, 0xFC), 0x7E7E);
}

TEST(JisMapping, UnmappedPairsAreZero) {
  EXPECT_EQ(JisToSjis(0x20, 0x21), 0);
  EXPECT_EQ(JisToSjis(0x21, 0x7F), 0);
  EXPECT_EQ(JisToSjis(0x7F, 0x21), 0);
  EXPECT_EQ(JisToSjis(0xB0, 0xA1), 0);
  EXPECT_EQ(SjisToJis(0x88, 0x7F), 0);  // 0x7F is no trail byte
  EXPECT_EQ(SjisToJis(0x88, 0x3F), 0);
  EXPECT_EQ(SjisToJis(0x88, 0xFD), 0);
  EXPECT_EQ(SjisToJis(0xF0, 0x40), 0);  // user-defined area: beyond row 94
  EXPECT_EQ(SjisToJis(0xFC, 0x4B), 0);
  EXPECT_EQ(SjisToJis(0x41, 0x41), 0);
  EXPECT_EQ(SjisToJis(0xA0, 0x40), 0);
}

// Every Shift-JIS lead and trail byte: a pair maps exactly when the trail
// byte is valid and the lead byte lies below 0xF0, and then maps back.
TEST(JisMapping, EveryShiftJisPairIsExactlyInvertible) {
  int mapped = 0;
  for (int s1 = 0; s1 < 256; ++s1) {
    for (int s2 = 0; s2 < 256; ++s2) {
      const std::uint16_t j = SjisToJis(static_cast<std::uint8_t>(s1), static_cast<std::uint8_t>(s2));
      const bool expected = IsSjisLeadByte(static_cast<std::uint8_t>(s1)) && s1 < 0xF0 &&
                            IsSjisTrailByte(static_cast<std::uint8_t>(s2));
      ASSERT_EQ(j != 0, expected) << std::hex << s1 << " " << s2;
      if (j == 0) continue;
      ++mapped;
      ASSERT_TRUE(IsJisByte(j >> 8) && IsJisByte(j & 0xFF));
      ASSERT_EQ(JisToSjis(j >> 8, j & 0xFF), s1 << 8 | s2);
    }
  }
  EXPECT_EQ(mapped, 94 * 94);
}

// All 8,836 JIS X 0208 codes, assigned or not, out to JIS and EUC and back.
TEST(JisMapping, EveryJisPairRoundTripsThroughJisAndEuc) {
  std::string internal, expectedJis = "\x1B$B", expectedEuc;
  for (int j1 = kJisByteMin; j1 <= kJisByteMax; ++j1) {
    for (int j2 = kJisByteMin; j2 <= kJisByteMax; ++j2) {
      const std::uint16_t s = JisToSjis(j1, j2);
      ASSERT_NE(s, 0);
      ASSERT_TRUE(IsSjisLeadByte(s >> 8) && IsSjisTrailByte(s & 0xFF));
      ASSERT_EQ(SjisToJis(s >> 8, s & 0xFF), j1 << 8 | j2);
      internal += Pair(s);
      expectedJis += Pair(static_cast<std::uint16_t>(j1 << 8 | j2));
      expectedEuc += Pair(static_cast<std::uint16_t>((j1 | 0x80) << 8 | (j2 | 0x80)));
    }
  }
  expectedJis += "\x1B(B";
  const ConvertResult jis = FromInternal(U(internal), internal.size(), CharCodeId::kJis, LineEndId::kCrLf);
  ASSERT_EQ(jis.bytes, expectedJis);
  const ConvertResult euc = FromInternal(U(internal), internal.size(), CharCodeId::kEuc, LineEndId::kCrLf);
  ASSERT_EQ(euc.bytes, expectedEuc);
  EXPECT_EQ(ToInternal(U(jis.bytes), jis.bytes.size(), CharCodeId::kJis, kSelectorLf).bytes, internal);
  EXPECT_EQ(ToInternal(U(euc.bytes), euc.bytes.size(), CharCodeId::kEuc, kSelectorLf).bytes, internal);
  EXPECT_EQ(Detect(U(jis.bytes), jis.bytes.size(), false).code, CharCodeId::kJis);
  EXPECT_EQ(Detect(U(euc.bytes), euc.bytes.size(), false).code, CharCodeId::kEuc);
}

}  // namespace
}  // namespace quelt
