// A deterministic automaton built lazily from a program: each state is the
// ordered list of the program's consume instructions that are alive at a
// position, and a state's step over a character class is computed the first
// time it is needed and kept in a table. The table is bounded: when it is
// full it is emptied and refilled as the scan goes on, so a step costs at
// most one pass over the program and the time stays linear in the text.
//
// Two kinds:
//   first wins  the ways of the list in priority order (greedy repetitions
//               first, earlier starts before later ones); a match drops every
//               way after it, so the last match the scan meets is the one a
//               backtracking matcher would return for the leftmost start
//   any         the list as a set; a state tells that some match ends here
// A match reached without consuming a character (a zero-length one) is never
// a match. An injecting state starts the program anew after each character
// (after each passing the inject test, when there is one), which makes the
// scan find matches at every start; a first-wins match stops the injecting.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "search/byte_scan.h"
#include "search/regex_classes.h"
#include "search/regex_program.h"

namespace quelt {

class LazyDfa {
 public:
  static constexpr CharTest kNoTest = 0xFFFF;
  static constexpr std::uint8_t kMatch = 1;   // a match ends at this state's position
  static constexpr std::uint8_t kMarker = 2;  // a match ends here if a CR follows (or the text ends)
  static constexpr std::uint8_t kDead = 4;    // no way is left and none starts
  // First wins: the match or marker comes from the ways of the origin, the
  // start the scan began or began anew at (see Initial).
  static constexpr std::uint8_t kFromOrigin = 8;

  struct Config {
    bool firstWins = true;
    // First wins: the match holds only before a CR or at the text's end; it is
    // kept as a marker in the list and decided by the next character.
    bool conditionalMatch = false;
    CharTest injectTest = kNoTest;
  };

  void Init(const Program* program, const CharClasses* classes, const Config& config);
  // False after the owner was copied or moved: Init again.
  bool BoundTo(const Program* program) const { return program_ == program; }

  // The states the scans start from, with the program's start or without it,
  // injecting or not. Their ids stay the same when the table is emptied.
  // Their ways are the origin's; a first-wins step that leaves nothing but
  // a start made after it leads to Initial(true, true) again, so a scan
  // that meets that id knows the origin moved there.
  static std::int32_t Initial(bool threads, bool injecting) { return (threads ? 1 : 0) + (injecting ? 2 : 0); }
  static constexpr std::int32_t kLastInitial = 3;

  std::int32_t Next(std::int32_t state, std::uint16_t cls) {
    const std::int32_t e = table_[(static_cast<std::size_t>(state) << shift_) + cls];
    if (e >= 0) return e >> shift_;
    return e == kUnknown ? Compute(state, cls) : -(e + 2);
  }

  // A state a scan must look at itself: one with a flag, or an initial one.
  bool Special(std::int32_t state) const { return flags_[state] != 0 || state <= kLastInitial; }

  // Steps from state over the characters at p while the states are not
  // special and p + 2 < bound (so every character, and the byte after a
  // lead byte, lies before bound). classify(at, step) gives the class of
  // the character at `at` and its size; boundary(from, x) the character
  // boundary at or before x (from <= x, from a boundary). A state that
  // keeps stepping to itself and is left only by characters starting with
  // a few bytes is passed over to the next of those bytes at once. Returns
  // the state reached.
  template <class Classify, class Boundary>
  std::int32_t Run(std::int32_t state, const std::uint8_t* bytes, std::uint32_t& p, std::uint32_t bound,
                   Classify classify, Boundary boundary) {
    if (Special(state)) return state;
    std::int32_t at = state << shift_;
    int same = 0;
    while (p + 2 < bound) {
      unsigned step;
      const std::uint16_t cls = classify(bytes + p, step);
      const std::int32_t e = table_[static_cast<std::size_t>(at) + cls];
      p += step;
      if (e >= 0) {
        if (e != at) {
          at = e;
          same = 0;
        } else if (++same == kSameBeforeSkip) {
          same = 0;
          if (const ByteScanner* leave = Leaving(at >> shift_)) {
            const std::uint32_t x = leave->Next(bytes, p, bound - 2);
            p = boundary(p, x);
          }
        }
        continue;
      }
      const std::int32_t next = e == kUnknown ? Compute(at >> shift_, cls) : -(e + 2);
      if (Special(next)) return next;
      at = next << shift_;
      same = 0;
    }
    return at >> shift_;
  }

  std::uint8_t Flags(std::int32_t state) const { return flags_[state]; }
  // The same state with the injecting stopped.
  std::int32_t WithoutInjecting(std::int32_t state);

 private:
  struct State {
    std::vector<std::uint16_t> ways;
    std::int16_t marker = -1;  // index in ways of a conditional match
    std::uint16_t origin = 0;  // the first ways, those that come from the origin
    bool fromOrigin = false;   // the match or marker is the origin's
    bool initial = false;      // one of Initial's: no computed state equals it
    bool injecting = false;
    bool match = false;
  };

  std::int32_t Compute(std::int32_t state, std::uint16_t cls);
  // Adds the consume instructions reachable from pc to ways_, in priority
  // order. True when a first-wins match cut the list.
  bool Follow(std::uint16_t pc, bool consumed);
  std::int32_t Intern(const State& s);
  void Reset();
  // The bytes that start the characters leading out of a state that steps
  // to itself on every other character, when they are few; else null.
  const ByteScanner* Leaving(std::int32_t state);
  static constexpr int kSameBeforeSkip = 8;

  // A table entry: a plain state's id shifted (its row), kUnknown, or
  // -(2 + id) for a special state.
  static constexpr std::int32_t kUnknown = -1;

  const Program* program_ = nullptr;
  const CharClasses* classes_ = nullptr;
  Config config_;
  std::uint16_t classCount_ = 0;
  int shift_ = 0;  // a row of the table is 1 << shift_ entries
  std::vector<State> states_;
  std::vector<std::uint8_t> flags_;
  std::vector<std::int32_t> table_;
  std::unordered_map<std::string, std::int32_t> index_;
  // Scratch of Compute.
  State building_;
  std::vector<std::uint32_t> visited_;
  std::uint32_t stamp_ = 0;
  std::vector<std::uint16_t> stack_;
  std::string key_;
  // Per state: 0 not looked at, 1 leaving_[leavingIndex_[state]], -1 none.
  std::vector<std::int8_t> leavingKnown_;
  std::vector<std::uint32_t> leavingIndex_;
  std::vector<ByteScanner> leaving_;

};

}  // namespace quelt
