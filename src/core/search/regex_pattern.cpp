#include "search/regex_pattern.h"

namespace quelt {
namespace {

constexpr std::uint16_t kTab = 0x09;

class Reader {
 public:
  Reader(std::string_view text, LeadByteTest lead) : text_(text), lead_(lead) {}
  bool done() const { return pos_ >= text_.size(); }
  std::size_t pos() const { return pos_; }
  std::uint8_t peek() const { return static_cast<std::uint8_t>(text_[pos_]); }
  // Size of the character at the current position.
  std::size_t size() const { return lead_(peek()) && pos_ + 1 < text_.size() ? 2 : 1; }
  bool last() const { return pos_ + size() == text_.size(); }
  // A one-byte character c at the current position.
  bool at(char c) const { return !done() && size() == 1 && text_[pos_] == c; }
  std::uint16_t take() {
    const std::size_t n = size();
    std::uint16_t code = peek();
    if (n == 2) code = static_cast<std::uint16_t>(code << 8 | static_cast<std::uint8_t>(text_[pos_ + 1]));
    pos_ += n;
    return code;
  }

 private:
  std::string_view text_;
  LeadByteTest lead_;
  std::size_t pos_ = 0;
};

// One member of a set after its opening; appends the codes it stands for.
// False at a lone trailing backslash.
bool TakeSetMember(Reader& r, bool escapes, std::vector<std::uint16_t>& codes) {
  if (!r.at('\\')) {
    codes.push_back(r.take());
    return true;
  }
  r.take();
  if (r.done()) return false;
  const bool one = r.size() == 1;
  const std::uint16_t c = r.take();
  if (escapes && one && c == 't') {
    codes.push_back(kTab);
  } else if (escapes && one && c == 'n') {
    codes.push_back(kCr);
    codes.push_back(kLf);
  } else {
    codes.push_back(c);
  }
  return true;
}

bool ParseSet(Reader& r, bool escapes, CharSet& set) {
  if (r.at('^')) {
    r.take();
    set.negated = true;
  }
  bool first = true;
  while (!r.done()) {
    if (r.at(']') && !first) {
      r.take();
      return true;
    }
    first = false;
    std::vector<std::uint16_t> codes;
    if (!TakeSetMember(r, escapes, codes)) return false;
    // A range: a single character, "-", and something other than the end.
    if (codes.size() == 1 && r.at('-')) {
      Reader ahead = r;
      ahead.take();
      if (!ahead.done() && !ahead.at(']')) {
        std::vector<std::uint16_t> high;
        if (!TakeSetMember(ahead, escapes, high)) return false;
        if (high.size() == 1) {
          if (high[0] < codes[0]) return false;
          set.ranges.emplace_back(codes[0], high[0]);
          r = ahead;
          continue;
        }
      }
    }
    for (std::uint16_t c : codes) set.ranges.emplace_back(c, c);
  }
  return false;  // unclosed
}

void AddChar(ParsedPattern& out, std::uint16_t code) {
  PatternElement e;
  e.code = code;
  out.elements.push_back(e);
}

}  // namespace

bool ParsePattern(std::string_view pattern, bool regex, bool escapes, LeadByteTest lead, ParsedPattern& out) {
  out = ParsedPattern{};
  if (pattern.empty()) return false;
  Reader r(pattern, lead);
  if (!regex) {
    while (!r.done()) AddChar(out, r.take());
    return true;
  }
  if (pattern.size() > kMaxPatternBytes) return false;
  if (r.at('^')) {
    r.take();
    out.anchorStart = true;
  }
  while (!r.done()) {
    if (r.at('$') && r.last()) {
      r.take();
      out.anchorEnd = true;
      break;
    }
    if ((r.at('*') || r.at('+')) && !out.elements.empty() && out.elements.back().repeat == Repeat::kOne) {
      out.elements.back().repeat = r.take() == '*' ? Repeat::kStar : Repeat::kPlus;
      continue;
    }
    if (r.at('.')) {
      r.take();
      out.elements.push_back(PatternElement{ElementKind::kAny});
      continue;
    }
    if (r.at('[')) {
      r.take();
      CharSet set;
      if (!ParseSet(r, escapes, set)) return false;
      PatternElement e{ElementKind::kSet};
      e.set = static_cast<std::uint16_t>(out.sets.size());
      out.sets.push_back(std::move(set));
      out.elements.push_back(e);
      continue;
    }
    if (r.at('\\')) {
      r.take();
      if (r.done()) return false;
      const bool one = r.size() == 1;
      const std::uint16_t c = r.take();
      if (escapes && one && c == 'n') {
        out.elements.push_back(PatternElement{ElementKind::kCrLf});
      } else {
        AddChar(out, escapes && one && c == 't' ? kTab : c);
      }
      continue;
    }
    AddChar(out, r.take());
  }
  return true;
}

}  // namespace quelt
