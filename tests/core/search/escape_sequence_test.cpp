// Escape sequences of the search and replacement texts.
#include "search/escape_sequence.h"

#include <gtest/gtest.h>

#include <string>

namespace quelt {
namespace {

// The decoded text, or "!" when decoding fails.
std::string Decode(std::string_view in, bool full = false) {
  std::string out;
  return DecodeEscapes(in, full, LeadByteTest(), out) ? out : "!";
}

TEST(EscapeSequence, BasicSet) {
  EXPECT_EQ(Decode("a\\tb"), "a\tb");
  EXPECT_EQ(Decode("a\\nb"), "a\r\nb");
  EXPECT_EQ(Decode("\\\\n"), "\\n");
  EXPECT_EQ(Decode("\\q\\"), "\\q\\");
  EXPECT_EQ(Decode("\\x41"), "\\x41");
  EXPECT_EQ(Decode("\\\x83\x5C"), "\\\x83\x5C");
  EXPECT_EQ(Decode(""), "");
}

TEST(EscapeSequence, SecondByteIsNoBackslash) {
  // "ソ" is 0x83 0x5C: "ソt" stays, "ソ\t" has a tab.
  EXPECT_EQ(Decode("\x83\x5Ct"), "\x83\x5Ct");
  EXPECT_EQ(Decode("\x83\x5C\\t"), "\x83\x5C\t");
  EXPECT_EQ(Decode("\x83\x5C\\\\"), "\x83\x5C\\");
  EXPECT_EQ(Decode("\x95\x5Cn"), "\x95\x5Cn");
}

TEST(EscapeSequence, HexBytes) {
  EXPECT_EQ(Decode("\\x41\\x7a", true), "Az");
  EXPECT_EQ(Decode("\\x4", true), "\\x4");
  EXPECT_EQ(Decode("\\xg1", true), "\\xg1");
  EXPECT_EQ(Decode("\\x82\\x60", true), "\x82\x60");
  EXPECT_EQ(Decode("\\x82" "A", true), "\x82" "A");
  EXPECT_EQ(Decode("\\x0d\\x0A", true), "\r\n");
  EXPECT_EQ(Decode("\\x09", true), "\t");
  // A lead byte left alone, a CR LF split.
  EXPECT_EQ(Decode("\\x82", true), "!");
  EXPECT_EQ(Decode("\\x0d", true), "!");
  EXPECT_EQ(Decode("\\x0a", true), "!");
  EXPECT_EQ(Decode("a\\x0dx", true), "!");
  EXPECT_EQ(Decode("\\x82\\n", true), "!");
  EXPECT_EQ(Decode("\\x0d\\n", true), "!");
}

}  // namespace
}  // namespace quelt
