#include "search/regex_classes.h"

#include <algorithm>
#include <map>

#include "search/width_fold.h"

namespace quelt {
namespace {

constexpr std::size_t kSetWords = 65536 / 64;

bool IsUpper(std::uint16_t c) { return c >= 'A' && c <= 'Z'; }
bool IsLower(std::uint16_t c) { return c >= 'a' && c <= 'z'; }

}  // namespace

std::uint16_t CharClasses::Key(std::uint16_t code) const {
  if (foldWidth_) code = FoldWidth(code);
  if (!matchCase_ && IsUpper(code)) code = static_cast<std::uint16_t>(code | 0x20);
  return code;
}

// Marks every code equal to a member after folding: the member's key, its
// other ASCII case and their full-width forms.
void CharClasses::BuildSet(const CharSet& set, std::vector<std::uint64_t>& bits) const {
  bits.assign(kSetWords, 0);
  auto mark = [&bits](std::uint16_t c) { bits[c >> 6] |= std::uint64_t{1} << (c & 63); };
  for (const auto& [low, high] : set.ranges) {
    for (std::uint32_t v = low; v <= high; ++v) {
      const auto code = static_cast<std::uint16_t>(v);
      mark(code);
      const std::uint16_t key = Key(code);
      std::uint16_t forms[2] = {key, key};
      if (!matchCase_ && IsLower(key)) forms[1] = static_cast<std::uint16_t>(key & 0xDF);
      for (std::uint16_t f : forms) {
        mark(f);
        if (foldWidth_ && f <= 0xFF && UnfoldWidth(static_cast<std::uint8_t>(f)) != 0) {
          mark(UnfoldWidth(static_cast<std::uint8_t>(f)));
        }
      }
    }
  }
  if (set.negated) {
    for (auto& w : bits) w = ~w;
    bits[0] &= ~((std::uint64_t{1} << kCr) | (std::uint64_t{1} << kLf));
  }
}

bool CharClasses::Evaluate(CharTest test, std::uint16_t code) const {
  switch (test) {
    case kIsCr:
      return code == kCr;
    case kIsLf:
      return code == kLf;
    case kEndsLf:
      return (code & 0xFF) == kLf;
    default:
      break;
  }
  const Test& t = tests_[test - kFirstElementTest];
  switch (t.kind) {
    case ElementKind::kChar:
      return Key(code) == t.key;
    case ElementKind::kAny:
      return code != kCr && code != kLf;
    case ElementKind::kSet:
      return (sets_[t.key][code >> 6] >> (code & 63)) & 1;
    case ElementKind::kCrLf:
      break;
  }
  return false;
}

void CharClasses::Build(const ParsedPattern& pattern, bool matchCase, bool foldWidth, LeadByteTest lead) {
  matchCase_ = matchCase;
  foldWidth_ = foldWidth;
  lead_ = lead;
  tests_.clear();
  elementTests_.clear();
  sets_.resize(pattern.sets.size());
  for (std::size_t i = 0; i < pattern.sets.size(); ++i) BuildSet(pattern.sets[i], sets_[i]);
  // One test per distinct literal key, one for ".", one per set.
  std::map<std::pair<int, std::uint16_t>, CharTest> known;
  for (const PatternElement& e : pattern.elements) {
    if (e.kind == ElementKind::kCrLf) {
      elementTests_.push_back(kIsCr);
      continue;
    }
    const std::uint16_t key = e.kind == ElementKind::kChar ? Key(e.code) : e.kind == ElementKind::kSet ? e.set : 0;
    const auto [it, added] = known.try_emplace({static_cast<int>(e.kind), key},
                                               static_cast<CharTest>(kFirstElementTest + tests_.size()));
    if (added) tests_.push_back(Test{e.kind, key});
    elementTests_.push_back(it->second);
  }
  const std::size_t testCount = kFirstElementTest + tests_.size();

  // Every character code the text can hold: the 256 one-byte ones, then the
  // double-byte ones of each lead byte.
  std::array<int, 256> leadIndex;
  leadIndex.fill(-1);
  std::vector<std::uint8_t> leads;
  for (int b = 0; b < 256; ++b) {
    if (lead(static_cast<std::uint8_t>(b))) {
      leadIndex[b] = static_cast<int>(leads.size());
      leads.push_back(static_cast<std::uint8_t>(b));
    }
  }
  const std::size_t codes = 256 + leads.size() * 256;
  auto indexOf = [&leadIndex](std::uint32_t code) -> long {
    if (code < 256) return static_cast<long>(code);
    const int l = leadIndex[code >> 8];
    return l < 0 ? -1 : 256 + l * 256L + static_cast<long>(code & 0xFF);
  };
  auto codeAt = [&leads](std::size_t i) {
    return static_cast<std::uint16_t>(i < 256 ? i : leads[(i - 256) >> 8] << 8 | (i & 0xFF));
  };
  // Refinement: each test splits every class in two. A test's codes on one
  // side (the smaller one where it is known) are enough to split.
  std::vector<std::uint16_t> cls(codes, 0);
  std::uint32_t count = 1;
  std::vector<std::uint32_t> moved;
  std::vector<std::uint32_t> seenAt(codes, 0);
  std::uint32_t stamp = 0;
  auto split = [&](auto&& forEachCode) {
    ++stamp;
    moved.assign(count, 0xFFFFFFFFu);
    forEachCode([&](std::uint32_t code) {
      const long i = indexOf(code);
      if (i < 0 || seenAt[i] == stamp) return;
      seenAt[i] = stamp;
      std::uint32_t& to = moved[cls[i]];
      if (to == 0xFFFFFFFFu) to = count++;
      cls[i] = static_cast<std::uint16_t>(to);
    });
  };
  split([](auto mark) { mark(kCr); });
  split([](auto mark) { mark(kLf); });
  split([&leads](auto mark) {
    mark(kLf);
    for (std::uint8_t l : leads) mark(static_cast<std::uint32_t>(l) << 8 | kLf);
  });
  for (const Test& t : tests_) {
    switch (t.kind) {
      case ElementKind::kChar:
        split([&](auto mark) {
          // The codes whose key is t.key: its cases and their wide forms,
          // and any wide code folding to them.
          for (std::uint32_t c = 0; c < 256; ++c) {
            if (Key(static_cast<std::uint16_t>(c)) == t.key) mark(c);
          }
          if (t.key > 0xFF) mark(t.key);
          if (foldWidth_) {
            for (std::uint32_t c = 0x8100; c <= 0x83FF; ++c) {
              if (Key(static_cast<std::uint16_t>(c)) == t.key) mark(c);
            }
          }
        });
        break;
      case ElementKind::kAny:
        break;  // the CR and LF splits made it
      case ElementKind::kSet: {
        const auto& bits = sets_[t.key];
        // Split by the smaller side (a negated set by the codes it leaves out).
        std::size_t members = 0;
        for (std::uint64_t w : bits) members += static_cast<std::size_t>(__builtin_popcountll(w));
        const bool flip = members > 65536 / 2;
        split([&](auto mark) {
          for (std::uint32_t w = 0; w < kSetWords; ++w) {
            std::uint64_t word = flip ? ~bits[w] : bits[w];
            while (word != 0) {
              const int bit = __builtin_ctzll(word);
              word &= word - 1;
              mark(w * 64 + static_cast<std::uint32_t>(bit));
            }
          }
        });
        break;
      }
      case ElementKind::kCrLf:
        break;
    }
  }
  // Classes left empty by the splits are dropped.
  std::vector<int> renumber(count, -1);
  std::vector<std::size_t> representative;
  for (std::size_t i = 0; i < codes; ++i) {
    if (renumber[cls[i]] < 0) {
      renumber[cls[i]] = static_cast<int>(representative.size());
      representative.push_back(i);
    }
    cls[i] = static_cast<std::uint16_t>(renumber[cls[i]]);
  }
  count_ = static_cast<std::uint16_t>(representative.size());
  passes_.assign(testCount * count_, 0);
  for (std::size_t c = 0; c < count_; ++c) {
    for (std::size_t t = 0; t < testCount; ++t) {
      passes_[t * count_ + c] = Evaluate(static_cast<CharTest>(t), codeAt(representative[c])) ? 1 : 0;
    }
  }
  for (int b = 0; b < 256; ++b) single_[b] = cls[b];
  // Rows of trail classes, one per distinct row.
  rows_.clear();
  rowClasses_.clear();
  rowOf_.fill(0);
  std::map<std::array<std::uint16_t, 256>, std::uint8_t> rowIndex;
  for (std::size_t l = 0; l < leads.size(); ++l) {
    std::array<std::uint16_t, 256> row;
    for (int t = 0; t < 256; ++t) row[t] = cls[256 + l * 256 + t];
    const auto [it, added] = rowIndex.try_emplace(row, static_cast<std::uint8_t>(rows_.size()));
    if (added) {
      rows_.push_back(row);
      std::vector<std::uint16_t> distinct(row.begin(), row.end());
      std::sort(distinct.begin(), distinct.end());
      distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
      rowClasses_.push_back(std::move(distinct));
    }
    rowOf_[leads[l]] = it->second;
  }
  if (rows_.empty()) {
    rows_.emplace_back();
    rowClasses_.emplace_back();
  }
  flat_.clear();
  for (const auto& row : rows_) flat_.insert(flat_.end(), row.begin(), row.end());
  for (int b = 0; b < 256; ++b) rowBase_[b] = static_cast<std::uint32_t>(rowOf_[b]) * 256;
  std::map<std::uint16_t, std::uint32_t> constantRow;
  for (int b = 0; b < 256; ++b) {
    if (lead(static_cast<std::uint8_t>(b))) {
      pairBase_[b] = rowBase_[b];
      continue;
    }
    const auto [it, added] = constantRow.try_emplace(single_[b], static_cast<std::uint32_t>(flat_.size()));
    if (added) flat_.insert(flat_.end(), 256, single_[b]);
    pairBase_[b] = it->second;
  }
}

bool CharClasses::FirstByteCanPass(CharTest t, std::uint8_t b) const {
  if (Passes(t, single_[b])) return true;
  if (!lead_(b)) return false;
  for (std::uint16_t c : rowClasses_[rowOf_[b]]) {
    if (Passes(t, c)) return true;
  }
  return false;
}

}  // namespace quelt
