#include "text/save_name.h"

#include <gtest/gtest.h>

#include <string>

namespace quelt {
namespace {

std::string Repeat(const std::string& s, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += s;
  return out;
}

const std::string kA = "\x82\xA0";     // "あ"
const std::string kHyou = "\x95\x5C";  // "表": its second byte is a backslash

TEST(ProposeSaveName, PathWinsAndTheTextCabinetAddsTxt) {
  EXPECT_EQ(ProposeSaveName("C:\\a\\b.c", "b.c", 0), "C:\\a\\b.c");
  EXPECT_EQ(ProposeSaveName("", "memo;12345", 0), "memo.txt");
  EXPECT_EQ(ProposeSaveName("", "memo;12345", 1), "memo");
  EXPECT_EQ(ProposeSaveName("", "abcdefghij", 2), "abcdefgh");
  EXPECT_EQ(ProposeSaveName("", "#x", 0), ".txt");
}

TEST(ProposeSaveName, TitleKeepsEightCharactersNotEightBytes) {
  // Eight double-byte characters are sixteen bytes, all kept.
  EXPECT_EQ(ProposeSaveName("", Repeat(kA, 9), 1), Repeat(kA, 8));
  EXPECT_EQ(ProposeSaveName("", "ab" + Repeat(kA, 7), 1), "ab" + Repeat(kA, 6));
  // Half-width katakana are single bytes, one character each.
  EXPECT_EQ(ProposeSaveName("", std::string(10, '\xB1'), 1), std::string(8, '\xB1'));
  // A trail byte '\' is not a stop character.
  EXPECT_EQ(ProposeSaveName("", Repeat(kHyou, 9), 0), Repeat(kHyou, 8) + ".txt");
  // The cut comes first: a stop character after the eighth one does not count.
  EXPECT_EQ(ProposeSaveName("", Repeat(kA, 8) + " x", 1), Repeat(kA, 8));
  EXPECT_EQ(ProposeSaveName("", Repeat(kA, 3) + "%" + kA, 1), Repeat(kA, 3));
  // A lead byte at the very end is one character of its own.
  EXPECT_EQ(ProposeSaveName("", "abc\x82", 1), "abc\x82");
}

}  // namespace
}  // namespace quelt
