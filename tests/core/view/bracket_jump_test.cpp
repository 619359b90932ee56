// Bracket matching and the jump command's line number.
#include <gtest/gtest.h>

#include <string>

#include "layout_fixture.h"
#include "view/bracket_match.h"
#include "view/jump_target.h"

namespace quelt {
namespace {

std::optional<TextOffset> Match(const std::string& s, TextOffset p) {
  return MatchBracket(reinterpret_cast<const std::uint8_t*>(s.data()), static_cast<std::uint32_t>(s.size()), p,
                      LeadByteTest());
}

TEST(BracketMatch, NestingOfTheSamePair) {
  const std::string s = "f(a[(b)]c)<x>";
  EXPECT_EQ(Match(s, 1), 9u);
  EXPECT_EQ(Match(s, 9), 1u);
  EXPECT_EQ(Match(s, 3), 7u);
  EXPECT_EQ(Match(s, 10), 12u);
  EXPECT_FALSE(Match(s, 0));        // no bracket
  EXPECT_FALSE(Match("(()", 0));    // unmatched
  EXPECT_FALSE(Match("x", 5));      // past the end
  // Other pairs do not count: "(]" inside is ignored.
  EXPECT_EQ(Match("([)", 0), 2u);
}

TEST(BracketMatch, SecondBytesAreNeverBrackets) {
  // 0x83 0x5B ("セ") has "[" as its second byte, 0x81 0x7D ("±") "}".
  const std::string s = "(\x83\x5B)";
  EXPECT_EQ(Match(s, 0), 3u);
  EXPECT_EQ(Match(s, 3), 0u);
  const std::string t = "{\x81\x7D}";
  EXPECT_EQ(Match(t, 3), 0u);
  EXPECT_EQ(Match(t, 0), 3u);
  // A run of lead-range bytes: 0x88 0x9F is one character, the "]" stands alone.
  const std::string u = "[\x88\x9F]";
  EXPECT_EQ(Match(u, 3), 0u);
}

TEST(JumpNumber, DecimalAndHexadecimal) {
  EXPECT_EQ(ParseJumpNumber(" 12 ", false), 12u);
  EXPECT_FALSE(ParseJumpNumber("", false));
  EXPECT_FALSE(ParseJumpNumber("0x10", false));
  EXPECT_EQ(ParseJumpNumber("0x1f", true), 31u);
  EXPECT_FALSE(ParseJumpNumber("12a", false));
  EXPECT_FALSE(ParseJumpNumber("99999999999", false));
}

TEST(JumpTarget, DisplayLinesAndLogicalLines) {
  // A wrap width of 4: "abcdefgh" takes two display lines.
  test::Doc doc("abcdefgh\r\nxy\r\nz", test::Params(4));
  ASSERT_GE(doc.store.LineCount(), 4u);
  EXPECT_EQ(JumpTargetLine(doc.store, 1, false), 0u);
  EXPECT_EQ(JumpTargetLine(doc.store, 2, false), 1u);
  EXPECT_FALSE(JumpTargetLine(doc.store, 0, false));
  EXPECT_FALSE(JumpTargetLine(doc.store, doc.store.LineCount() + 1, false));
  // Logical line 2 ("xy") begins after both display lines of the first.
  const std::uint32_t xy = *JumpTargetLine(doc.store, 2, true);
  EXPECT_EQ(doc.store.LineStart(xy), 10u);
  EXPECT_EQ(doc.store.LineStart(*JumpTargetLine(doc.store, 3, true)), 14u);
  EXPECT_FALSE(JumpTargetLine(doc.store, 4, true));
}

}  // namespace
}  // namespace quelt
