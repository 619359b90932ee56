// A pattern compiled to the instructions of a nondeterministic automaton:
// "consume one character that passes a test", "split" (try the first way,
// then the second) and "match". A repetition is greedy: its split prefers
// one more round. The reversed program reads the pattern from its end, for
// the scans that walk the text backwards.
#pragma once

#include <cstdint>
#include <vector>

#include "search/regex_classes.h"
#include "search/regex_pattern.h"

namespace quelt {

enum class Op : std::uint8_t { kConsume, kSplit, kMatch };

struct Instruction {
  Op op = Op::kMatch;
  CharTest test = 0;     // kConsume
  std::uint16_t x = 0;   // kConsume: the next instruction; kSplit: the preferred way
  std::uint16_t y = 0;   // kSplit: the other way
};

struct Program {
  std::vector<Instruction> code;
  std::uint16_t start = 0;
};

Program CompilePattern(const ParsedPattern& pattern, const CharClasses& classes, bool reversed);

}  // namespace quelt
