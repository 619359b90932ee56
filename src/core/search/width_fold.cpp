#include "search/width_fold.h"

#include <array>

namespace quelt {
namespace {

struct Pair {
  std::uint8_t narrow;
  std::uint16_t wide;
};

// Symbols and punctuation that do not sit in a contiguous run.
constexpr Pair kSymbols[] = {
    {' ', 0x8140},  {'!', 0x8149},  {'"', 0x8168},  {'#', 0x8194},  {'$', 0x8190},  {'%', 0x8193},
    {'&', 0x8195},  {'\'', 0x8166}, {'(', 0x8169},  {')', 0x816A},  {'*', 0x8196},  {'+', 0x817B},
    {',', 0x8143},  {'-', 0x817C},  {'.', 0x8144},  {'/', 0x815E},  {':', 0x8146},  {';', 0x8147},
    {'<', 0x8183},  {'=', 0x8181},  {'>', 0x8184},  {'?', 0x8148},  {'@', 0x8197},  {'[', 0x816D},
    {'\\', 0x818F}, {']', 0x816E},  {'^', 0x814F},  {'_', 0x8151},  {'`', 0x8165},  {'{', 0x816F},
    {'|', 0x8162},  {'}', 0x8170},  {'~', 0x8150},  {0xA1, 0x8142}, {0xA2, 0x8175}, {0xA3, 0x8176},
    {0xA4, 0x8141}, {0xA5, 0x8145}, {0xDE, 0x814A}, {0xDF, 0x814B},
};

// The katakana of the half-width forms 0xA6-0xDD, in their order.
constexpr std::uint16_t kKatakana[0xDE - 0xA6] = {
    0x8392,                                          // ヲ
    0x8340, 0x8342, 0x8344, 0x8346, 0x8348,          // ァィゥェォ
    0x8383, 0x8385, 0x8387,                          // ャュョ
    0x8362,                                          // ッ
    0x815B,                                          // ー
    0x8341, 0x8343, 0x8345, 0x8347, 0x8349,          // アイウエオ
    0x834A, 0x834C, 0x834E, 0x8350, 0x8352,          // カキクケコ
    0x8354, 0x8356, 0x8358, 0x835A, 0x835C,          // サシスセソ
    0x835E, 0x8360, 0x8363, 0x8365, 0x8367,          // タチツテト
    0x8369, 0x836A, 0x836B, 0x836C, 0x836D,          // ナニヌネノ
    0x836E, 0x8371, 0x8374, 0x8377, 0x837A,          // ハヒフヘホ
    0x837D, 0x837E, 0x8380, 0x8381, 0x8382,          // マミムメモ
    0x8384, 0x8386, 0x8388,                          // ヤユヨ
    0x8389, 0x838A, 0x838B, 0x838C, 0x838D,          // ラリルレロ
    0x838F, 0x8393,                                  // ワン
};

// Every folding code lies in 0x8140-0x83FF.
constexpr std::uint16_t kFirstWide = 0x8100;
constexpr std::uint16_t kLastWide = 0x83FF;

struct Tables {
  std::array<std::uint16_t, 256> unfold{};
  std::array<std::uint8_t, kLastWide - kFirstWide + 1> fold{};
};

constexpr Tables MakeTables() {
  Tables t;
  auto add = [&t](std::uint8_t narrow, std::uint16_t wide) {
    t.unfold[narrow] = wide;
    t.fold[wide - kFirstWide] = narrow;
  };
  for (int i = 0; i < 26; ++i) {
    add(static_cast<std::uint8_t>('A' + i), static_cast<std::uint16_t>(0x8260 + i));
    add(static_cast<std::uint8_t>('a' + i), static_cast<std::uint16_t>(0x8281 + i));
  }
  for (int i = 0; i < 10; ++i) add(static_cast<std::uint8_t>('0' + i), static_cast<std::uint16_t>(0x824F + i));
  for (const Pair& p : kSymbols) add(p.narrow, p.wide);
  for (int i = 0; i < 0xDE - 0xA6; ++i) add(static_cast<std::uint8_t>(0xA6 + i), kKatakana[i]);
  return t;
}

constexpr Tables kTables = MakeTables();

}  // namespace

std::uint16_t FoldWidth(std::uint16_t code) {
  if (code < kFirstWide || code > kLastWide) return code;
  const std::uint8_t narrow = kTables.fold[code - kFirstWide];
  return narrow != 0 ? narrow : code;
}

std::uint16_t UnfoldWidth(std::uint8_t byte) { return kTables.unfold[byte]; }

}  // namespace quelt
