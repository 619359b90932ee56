// The engine against slow, obviously correct reference searches over random
// Shift-JIS texts: every character start is tried, the pattern is matched
// recursively without a prefilter, and a level is counted per repetition.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "search/regex_pattern.h"
#include "search/search_engine.h"
#include "search/width_fold.h"
#include "search_test_util.h"

namespace quelt {
namespace {

// Pieces of text: ASCII, CR LF, full-width letters, katakana, half-width
// kana, characters with a 0x5C or letter second byte, lead-range runs.
const char* const kPieces[] = {
    "a", "b", "A", "B", "x", "_", "1", "2", "\r\n", " ", "\\", "-", "]", "\t", "t",
    "\x82\x60", "\x82\x61", "\x82\x81",  // Ａ Ｂ ａ
    "\x83\x41", "\x83\x4A", "\x83\x4B",  // ア カ ガ
    "\xB1", "\xB6", "\xDE",              // ｱ ｶ ﾞ
    "\x83\x5C", "\x95\x5C", "\x83\x61",  // ソ 表 a second byte 0x61
    "\x81\x81", "\x82\xA0", "\x81\x40",  // a lead-range pair, あ, the ideographic space
};

const char* const kElements[] = {
    "a", "b", "A", "x", "1", "_", ".", ".", "\\\\", "\\.", "\\[", "\\-", "-", "]",
    "[ab]", "[^a]", "[a-c]", "[0-9]", "[]a]", "[a-]", "[^\x82\xA0]",
    "\x82\x60", "\x82\x81", "\x83\x41", "\xB1", "\xB6", "\xDE", "\x83\x5C", "\\\x83\x5C",
    "\\t", "\\n", "[\\n]", "[\x83\x40-\x83\x96]", "[\xA6-\xDD]", "[\x82\x60-\x82\x79]", "[^\x83\x5C]",
};

class Reference {
 public:
  Reference(const ParsedPattern& p, const SearchOptions& o) : p_(p), o_(o) {}

  SearchHit Find(const std::string& text, TextOffset from, TextOffset to, bool down) const {
    text_ = &text;
    to_ = to;
    SearchHit last;
    for (TextOffset s : Starts(text)) {
      if (s < from || s >= to) continue;
      if (p_.anchorStart && s > 0 && text[s - 1] != '\n') continue;
      const long end = Match(0, s, 0);
      if (end > static_cast<long>(s)) {
        last = SearchHit{true, s, static_cast<std::uint32_t>(end - s)};
        if (down) return last;
      }
    }
    return last;
  }

 private:
  static std::vector<TextOffset> Starts(const std::string& text) {
    std::vector<TextOffset> starts;
    for (std::size_t i = 0; i < text.size();) {
      starts.push_back(static_cast<TextOffset>(i));
      i += IsSjisLeadByte(static_cast<std::uint8_t>(text[i])) && i + 1 < text.size() ? 2 : 1;
    }
    return starts;
  }

  std::uint16_t Key(std::uint16_t c) const {
    if (!o_.distinguishWidth) c = FoldWidth(c);
    if (!o_.matchCase && c >= 'A' && c <= 'Z') c = static_cast<std::uint16_t>(c + 32);
    return c;
  }

  bool InSet(const CharSet& set, std::uint16_t c) const {
    bool in = false;
    for (const auto& [low, high] : set.ranges) {
      for (std::uint32_t v = low; v <= high && !in; ++v) in = Key(static_cast<std::uint16_t>(v)) == Key(c);
    }
    if (set.negated) return !in && c != '\r' && c != '\n';
    return in;
  }

  // Bytes of one element at pos, 0 when it does not match.
  int One(const PatternElement& e, TextOffset pos) const {
    const std::string& t = *text_;
    if (pos >= to_) return 0;
    if (e.kind == ElementKind::kCrLf) return pos + 1 < to_ && t[pos] == '\r' && t[pos + 1] == '\n' ? 2 : 0;
    const auto b = static_cast<std::uint8_t>(t[pos]);
    int n = 1;
    std::uint16_t c = b;
    if (IsSjisLeadByte(b) && pos + 1 < t.size()) {
      n = 2;
      c = static_cast<std::uint16_t>(b << 8 | static_cast<std::uint8_t>(t[pos + 1]));
    }
    if (pos + n > to_) return 0;
    bool ok = false;
    if (e.kind == ElementKind::kChar) ok = Key(c) == Key(e.code);
    if (e.kind == ElementKind::kAny) ok = c != '\r' && c != '\n';
    if (e.kind == ElementKind::kSet) ok = InSet(p_.sets[e.set], c);
    return ok ? n : 0;
  }

  long Match(std::size_t i, TextOffset pos, int levels) const {
    if (i == p_.elements.size()) {
      if (p_.anchorEnd && pos < text_->size() && (*text_)[pos] != '\r') return -1;
      return pos;
    }
    const PatternElement& e = p_.elements[i];
    if (e.repeat == Repeat::kOne) {
      const int n = One(e, pos);
      return n > 0 ? Match(i + 1, pos + n, levels) : -1;
    }
    if (levels == 10) return -1;
    std::vector<TextOffset> ends{pos};
    for (int n; (n = One(e, ends.back())) > 0;) ends.push_back(ends.back() + n);
    const std::size_t least = e.repeat == Repeat::kPlus ? 1 : 0;
    for (std::size_t k = ends.size(); k-- > least;) {
      const long r = Match(i + 1, ends[k], levels + 1);
      if (r >= 0) return r;
    }
    return -1;
  }

  const ParsedPattern& p_;
  SearchOptions o_;
  mutable const std::string* text_ = nullptr;
  mutable TextOffset to_ = 0;
};

std::string RandomText(std::mt19937& rng) {
  std::string text;
  const int pieces = static_cast<int>(rng() % 24);
  for (int i = 0; i < pieces; ++i) text += kPieces[rng() % std::size(kPieces)];
  if (rng() % 10 == 0) text += '\x82';  // a lone lead byte at the end
  return text;
}

std::string RandomPattern(std::mt19937& rng) {
  std::string p;
  if (rng() % 6 == 0) p += '^';
  const int elements = 1 + static_cast<int>(rng() % (rng() % 8 == 0 ? 12 : 4));
  for (int i = 0; i < elements; ++i) {
    p += kElements[rng() % std::size(kElements)];
    const unsigned r = rng() % 6;
    if (r == 0) p += '*';
    if (r == 1) p += '+';
  }
  if (rng() % 6 == 0) p += '$';
  return p;
}

TextOffset RandomBoundary(std::mt19937& rng, const std::string& text) {
  std::vector<TextOffset> starts;
  for (std::size_t i = 0; i < text.size();) {
    starts.push_back(static_cast<TextOffset>(i));
    i += IsSjisLeadByte(static_cast<std::uint8_t>(text[i])) && i + 1 < text.size() ? 2 : 1;
  }
  starts.push_back(static_cast<TextOffset>(text.size()));
  return starts[rng() % starts.size()];
}

TEST(RegexRandom, MatchesTheReference) {
  std::mt19937 rng(20240611);
  int hits = 0;
  for (int round = 0; round < 10000; ++round) {
    // Now and then a literal text searched with widths folded.
    const bool literal = rng() % 5 == 0;
    const std::string pattern = literal ? RandomText(rng) : RandomPattern(rng);
    SearchOptions o = testing::RegexOptions(rng() % 2 == 0, literal || rng() % 2 == 0);
    o.regex = !literal;
    o.distinguishWidth = !literal && o.distinguishWidth;
    o.escapes = rng() % 2 == 0;
    ParsedPattern parsed;
    Searcher searcher;
    const bool ok = ParsePattern(pattern, o.regex, o.escapes, o.lead, parsed);
    ASSERT_EQ(searcher.Prepare(pattern, o), ok) << pattern;
    if (!ok) continue;
    const Reference reference(parsed, o);
    for (int t = 0; t < 4; ++t) {
      const std::string text = RandomText(rng);
      const testing::ExactText buffer(text);
      TextOffset from = RandomBoundary(rng, text);
      TextOffset to = RandomBoundary(rng, text);
      if (rng() % 3 == 0) from = 0, to = static_cast<TextOffset>(text.size());
      if (from > to) std::swap(from, to);
      for (bool down : {true, false}) {
        const SearchHit want = reference.Find(text, from, to, down);
        const SearchHit got = searcher.Find(buffer.data(), buffer.size(), from, to, down);
        hits += want.found;
        ASSERT_EQ(got.found, want.found) << "pattern " << pattern << " text " << ::testing::PrintToString(text)
                                         << " [" << from << "," << to << ") down " << down << " case "
                                         << o.matchCase << " width " << o.distinguishWidth;
        if (want.found) {
          ASSERT_EQ(got.start, want.start) << pattern << " " << ::testing::PrintToString(text);
          ASSERT_EQ(got.length, want.length) << pattern << " " << ::testing::PrintToString(text);
        }
      }
    }
  }
  EXPECT_GT(hits, 5000);
}

// The plain search against a byte-by-byte comparison at every character.
TEST(SearchPlainRandom, MatchesTheReference) {
  std::mt19937 rng(7);
  for (int round = 0; round < 3000; ++round) {
    std::string needle;
    const int pieces = 1 + static_cast<int>(rng() % 3);
    for (int i = 0; i < pieces; ++i) needle += kPieces[rng() % std::size(kPieces)];
    SearchOptions o;
    o.matchCase = rng() % 2 == 0;
    o.wholeWord = rng() % 2 == 0;
    Searcher searcher;
    ASSERT_TRUE(searcher.Prepare(needle, o));
    bool word = false, other = false;
    for (char c : needle) {
      const bool letter = (c | 0x20) >= 'a' && (c | 0x20) <= 'z';
      word = word || letter;
      other = other || !(letter || c == '_' || c == '\'');
    }
    const bool wholeWord = o.wholeWord && word && !other;
    const std::string text = RandomText(rng);
    const testing::ExactText buffer(text);
    auto isWord = [](char c) { return ((c | 0x20) >= 'a' && (c | 0x20) <= 'z') || c == '_'; };
    std::vector<TextOffset> starts;
    std::vector<bool> trail(text.size(), false);
    for (std::size_t i = 0; i < text.size();) {
      starts.push_back(static_cast<TextOffset>(i));
      const bool two = IsSjisLeadByte(static_cast<std::uint8_t>(text[i])) && i + 1 < text.size();
      if (two) trail[i + 1] = true;
      i += two ? 2 : 1;
    }
    for (bool down : {true, false}) {
      SearchHit want;
      for (TextOffset s : starts) {
        if (s + needle.size() > text.size()) break;
        bool same = true;
        for (std::size_t j = 0; j < needle.size() && same; ++j) {
          char a = text[s + j], b = needle[j];
          if (!o.matchCase && !trail[s + j] && isWord(a) && isWord(b)) a |= 0x20, b |= 0x20;
          same = a == b;
        }
        const std::size_t e = s + needle.size();
        if (same && e < text.size() && trail[e]) same = false;
        if (same && wholeWord) {
          if (s > 0 && !trail[s - 1] && isWord(text[s - 1])) same = false;
          if (e < text.size() && isWord(text[e])) same = false;
        }
        if (same) {
          want = SearchHit{true, s, static_cast<std::uint32_t>(needle.size())};
          if (down) break;
        }
      }
      const SearchHit got = searcher.Find(buffer.data(), buffer.size(), 0, buffer.size(), down);
      ASSERT_EQ(got.found, want.found) << ::testing::PrintToString(needle) << " in "
                                       << ::testing::PrintToString(text) << " down " << down;
      if (want.found) ASSERT_EQ(got.start, want.start) << ::testing::PrintToString(needle);
    }
  }
}

}  // namespace
}  // namespace quelt
