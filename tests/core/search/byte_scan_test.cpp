// The word-at-a-time byte scan against a byte-by-byte one: sets of one to
// four values (high bytes and NUL among them), ASCII ranges at the edges of
// what the word arithmetic allows, and sets that fall back to the table.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "search/byte_scan.h"

namespace quelt {
namespace {

TEST(ByteScan, FindsTheFirstMemberExactly) {
  std::mt19937 rng(5);
  const std::vector<std::vector<int>> sets = {
      {'a'}, {0}, {0xFF}, {'w', 'W', 0x97, 'v'}, {0x80, 0x7F},
      {'0', '1', '2', '3', '4', '5', '6', '7', '8', '9'},
      {1, 2, 3, 4, 5}, {0x70, 0x71, 0x72, 0x73, 0x74, 0x75, 0x76, 0x77, 0x78, 0x79, 0x7A, 0x7B, 0x7C, 0x7D, 0x7E, 0x7F},
      {0x7E, 0x7F, 0x80, 0x81, 0x82}, {'a', 'c', 'e', 'g', 'i'}, {},
  };
  for (const auto& members : sets) {
    std::array<bool, 256> set{};
    for (int m : members) set[m] = true;
    ByteScanner scanner;
    scanner.Build(set);
    for (int round = 0; round < 300; ++round) {
      std::vector<std::uint8_t> text(rng() % 80);
      for (auto& b : text) {
        // Mostly bytes next to the members, which is where word tricks err.
        b = members.empty() || rng() % 3 == 0 ? static_cast<std::uint8_t>(rng())
                                              : static_cast<std::uint8_t>(members[rng() % members.size()] + rng() % 3 - 1);
      }
      const auto n = static_cast<TextOffset>(text.size());
      const TextOffset from = n == 0 ? 0 : static_cast<TextOffset>(rng() % (n + 1));
      TextOffset want = from;
      while (want < n && !set[text[want]]) ++want;
      ASSERT_EQ(scanner.Next(text.data(), from, n), want) << "set of " << members.size() << " round " << round;
    }
  }
}

}  // namespace
}  // namespace quelt
