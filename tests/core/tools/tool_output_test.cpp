#include <gtest/gtest.h>

#include <random>

#include "tools/tool_output.h"

namespace quelt {
namespace {

TEST(ToolOutput, PiecesNeverSplitCharactersOrCrLf) {
  ToolOutputPieces p;
  EXPECT_EQ(p.Take("ab\x82"), "ab");  // the lead byte waits
  EXPECT_EQ(p.NextReadSize(), kToolOutputPiece - 1);
  EXPECT_EQ(p.Take("\xA0x\r"), "\x82\xA0x");  // and the CR
  EXPECT_EQ(p.Take("\ny"), "\r\ny");
  EXPECT_EQ(p.Take(""), "");
  EXPECT_EQ(p.Take("z\x82"), "z");
  EXPECT_EQ(p.Finish(), "\x82");  // a lead byte at the very end comes out alone
  EXPECT_EQ(p.Finish(), "");
}

TEST(ToolOutput, ASecondByteThatLooksLikeALeadByteIsNotKept) {
  ToolOutputPieces p;
  // 0x81 0x81 is one character; the piece ends on its second byte.
  EXPECT_EQ(p.Take("\x81\x81"), "\x81\x81");
  EXPECT_EQ(p.Take("\x81"), "");
  EXPECT_EQ(p.Take("\x81\x81"), "\x81\x81");
  EXPECT_EQ(p.Finish(), "\x81");
}

TEST(ToolOutput, RandomTextCutAnywhereComesBackWholeInWholePieces) {
  std::mt19937 rng(11);
  const std::string chars[] = {"a", "\r\n", "\x82\xA0", "\x81\x81", "\r", "\n", "\xB1"};
  for (int round = 0; round < 200; ++round) {
    std::string text;
    for (int i = 0; i < 300; ++i) text += chars[rng() % 7];
    ToolOutputPieces p;
    std::string got;
    for (std::size_t at = 0; at < text.size();) {
      const std::size_t n = std::min<std::size_t>(1 + rng() % p.NextReadSize(), text.size() - at);
      const std::string piece = p.Take(std::string_view(text).substr(at, n));
      ASSERT_LE(piece.size(), kToolOutputPiece);
      got += piece;
      // Every piece ends between characters and never between CR and LF.
      ASSERT_EQ(text.compare(0, got.size(), got), 0);
      if (!got.empty() && got.back() == '\r') ASSERT_NE(text[got.size()], '\n');
      if (!got.empty() && got.size() < text.size()) {
        std::size_t i = 0;
        while (i < got.size()) i += (static_cast<unsigned char>(text[i]) == 0x81 || static_cast<unsigned char>(text[i]) == 0x82) ? 2 : 1;
        ASSERT_EQ(i, got.size());
      }
      at += n;
    }
    got += p.Finish();
    ASSERT_EQ(got, text);
  }
}

}  // namespace
}  // namespace quelt
