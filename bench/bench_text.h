// Random Shift-JIS text for the benchmarks: hiragana, katakana, kanji,
// ideographic commas and ASCII words in the proportions of ordinary Japanese
// prose with some program text in it.
#pragma once

#include <iterator>
#include <random>
#include <span>
#include <string>

namespace quelt::bench {

// Appends one character (or a word between spaces); kanaShare is the
// percentage of hiragana, and each later class follows in fixed shares.
inline void AppendJapanese(std::string& t, std::mt19937& rng, std::span<const char* const> words,
                           unsigned kanaShare) {
  const unsigned r = rng() % 100;
  if (r < kanaShare) {  // hiragana
    t += '\x82';
    t += static_cast<char>(0x9F + rng() % 83);
  } else if (r < kanaShare + 15) {  // katakana
    t += '\x83';
    t += static_cast<char>(0x40 + rng() % 0x3F);
  } else if (r < kanaShare + 40) {  // kanji
    t += static_cast<char>(0x88 + rng() % 0x18);
    const unsigned trail = 0x40 + rng() % 0xBC;
    t += static_cast<char>(trail >= 0x7F ? trail + 1 : trail);
  } else if (r < kanaShare + 45) {
    t += "\x81\x41";  // 、
  } else {
    t += ' ';
    t += words[rng() % words.size()];
    t += ' ';
  }
}

}  // namespace quelt::bench
