// The characters of a pattern's text sorted into classes: two characters are
// in one class when every test of the pattern (each literal character after
// folding, ".", each set, and the CR, LF and line-end tests the automaton
// needs) answers the same for both. The automaton then steps over a class
// number instead of a character code.
//
// A character is one byte, or a lead byte and the byte after it (whatever
// that byte is) when the lead byte is not the last of the text.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "base/sjis.h"
#include "search/regex_pattern.h"

namespace quelt {

// The test of one character; an index into CharClasses' tests.
using CharTest = std::uint16_t;

class CharClasses {
 public:
  // The tests every pattern has.
  static constexpr CharTest kIsCr = 0;     // the one-byte character CR
  static constexpr CharTest kIsLf = 1;     // the one-byte character LF
  static constexpr CharTest kEndsLf = 2;   // a character whose last byte is LF
  static constexpr CharTest kFirstElementTest = 3;

  // Builds the tests of the elements (one per distinct literal key, "." and
  // each set) and the classes.
  void Build(const ParsedPattern& pattern, bool matchCase, bool foldWidth, LeadByteTest lead);

  // The test of element i of the pattern (a CR LF element has two: kIsCr
  // then kIsLf).
  CharTest TestOf(std::size_t element) const { return elementTests_[element]; }

  bool Passes(CharTest test, std::uint16_t cls) const { return passes_[test * count_ + cls] != 0; }
  std::uint16_t Count() const { return count_; }

  // The class of the one-byte character b.
  std::uint16_t Single(std::uint8_t b) const { return single_[b]; }
  // The class of the double-byte character lead, trail.
  std::uint16_t Double(std::uint8_t lead, std::uint8_t trail) const { return flat_[rowBase_[lead] + trail]; }

  // The class of the character starting with b when next is the byte after
  // it: of b alone unless b is a lead byte (the caller knows next exists).
  std::uint16_t Pair(std::uint8_t b, std::uint8_t next) const { return flat_[pairBase_[b] + next]; }

  // Whether a character starting with byte b can pass test t.
  bool FirstByteCanPass(CharTest t, std::uint8_t b) const;

  LeadByteTest Lead() const { return lead_; }

  // The folded comparison key of a character code.
  std::uint16_t Key(std::uint16_t code) const;

 private:
  bool Evaluate(CharTest test, std::uint16_t code) const;
  void BuildSet(const CharSet& set, std::vector<std::uint64_t>& bits) const;

  struct Test {
    ElementKind kind;
    std::uint16_t key;  // kChar: the folded key; kSet: the set's index
  };

  bool matchCase_ = false;
  bool foldWidth_ = false;
  LeadByteTest lead_;
  std::vector<Test> tests_;
  std::vector<std::vector<std::uint64_t>> sets_;  // one bit per code
  std::vector<CharTest> elementTests_;
  std::uint16_t count_ = 0;
  std::vector<std::uint8_t> passes_;  // test * count_ + class
  std::array<std::uint16_t, 256> single_{};
  std::array<std::uint8_t, 256> rowOf_{};
  std::vector<std::array<std::uint16_t, 256>> rows_;
  std::vector<std::vector<std::uint16_t>> rowClasses_;
  std::vector<std::uint16_t> flat_;  // the rows one after another
  std::array<std::uint32_t, 256> rowBase_{};
  // Per byte: its trail row when it is a lead byte, else a row that is its
  // own class throughout.
  std::array<std::uint32_t, 256> pairBase_{};  // the distinct classes of each row
};

}  // namespace quelt
