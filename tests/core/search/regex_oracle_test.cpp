// The automaton (and the folded plain search) against the backtracking
// matcher they replaced, on random
// patterns and texts with the bytes that trip a Shift-JIS matcher (second
// bytes 0x5C and letters, lone CR and LF, a lead byte before CR or LF, a lone
// lead byte at the end), every option, ranges cut anywhere and upward
// searches that may run past their start point; and the times that must stay
// linear on long lines.
#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <string>
#include <vector>

#include "search/regex_backtrack.h"
#include "search/regex_search.h"
#include "search/search_engine.h"
#include "search_test_util.h"

namespace quelt {
namespace {

const char* const kPieces[] = {
    "a", "b", "A", "B", "x", "_", "1", "\r\n", "\r", "\n", " ", "\\", "-", "\t",
    "\x82\x60", "\x82\x81", "\x83\x41", "\x83\x4B", "\xB1", "\xB6", "\xDE",
    "\x83\x5C", "\x83\x61", "\x81\x81", "\x82\xA0", "\x81\x40", "\x82\x0D", "\x82\x0A",
};

const char* const kElements[] = {
    "a", "b", "A", "x", "1", ".", ".", "\\\\", "\\.", "-", "[ab]", "[^a]", "[a-c]", "[^\x82\xA0]",
    "\x82\x60", "\x82\x81", "\x83\x41", "\xB1", "\x83\x5C", "\\t", "\\n", "[\\n]", "\r", "\n",
    "[\x83\x40-\x83\x96]", "[\xA6-\xDD]", "[^\r]", "[\x81\x40-\xFC\xFC]", "[^\\n]",
};

std::string RandomText(std::mt19937& rng, int most) {
  std::string text;
  const int pieces = static_cast<int>(rng() % most);
  for (int i = 0; i < pieces; ++i) text += kPieces[rng() % std::size(kPieces)];
  if (rng() % 8 == 0) text += '\x82';
  return text;
}

std::string RandomPattern(std::mt19937& rng) {
  if (rng() % 6 == 0) return RandomText(rng, 5);  // literal characters only, often with a lone lead
  std::string p;
  if (rng() % 5 == 0) p += '^';
  const int elements = 1 + static_cast<int>(rng() % (rng() % 8 == 0 ? 12 : 5));
  for (int i = 0; i < elements; ++i) {
    p += kElements[rng() % std::size(kElements)];
    const unsigned r = rng() % 5;
    if (r == 0) p += '*';
    if (r == 1) p += '+';
  }
  if (rng() % 5 == 0) p += '$';
  return p;
}

std::vector<TextOffset> Boundaries(const std::string& text, LeadByteTest lead) {
  std::vector<TextOffset> b;
  for (std::size_t i = 0; i < text.size();) {
    b.push_back(static_cast<TextOffset>(i));
    i += lead(static_cast<std::uint8_t>(text[i])) && i + 1 < text.size() ? 2 : 1;
  }
  b.push_back(static_cast<TextOffset>(text.size()));
  return b;
}

std::string Describe(const std::string& pattern, const SearchOptions& o, const std::string& text, TextOffset from,
                     TextOffset startTo, TextOffset to, bool down) {
  return "pattern " + ::testing::PrintToString(pattern) + " text " + ::testing::PrintToString(text) + " [" +
         std::to_string(from) + "," + std::to_string(startTo) + "," + std::to_string(to) + ") down " +
         std::to_string(down) + " regex " + std::to_string(o.regex) + " case " + std::to_string(o.matchCase) +
         " width " + std::to_string(o.distinguishWidth) + " escapes " + std::to_string(o.escapes) + " lead " +
         std::to_string(o.lead.enabled());
}

// Every start and end in one text: both engines must give the same hit.
template <class Automaton>
void CompareOn(const Automaton& automaton, const BacktrackSearcher& oracle, const std::string& pattern,
               const SearchOptions& o, const std::string& text, std::mt19937& rng, int& hits) {
  const testing::ExactText buffer(text);
  const std::vector<TextOffset> bounds = Boundaries(text, o.lead);
  for (int round = 0; round < 6; ++round) {
    TextOffset from = bounds[rng() % bounds.size()], to = bounds[rng() % bounds.size()];
    if (round == 0) from = 0, to = buffer.size();
    if (from > to) std::swap(from, to);
    TextOffset startTo = to;
    if (round % 2 == 1) startTo = std::max(from, bounds[rng() % bounds.size()]);
    if (startTo > to) startTo = to;
    for (bool down : {true, false}) {
      const SearchHit want = oracle.FindStarting(buffer.data(), buffer.size(), from, startTo, to, down, nullptr);
      const SearchHit got = automaton.FindStarting(buffer.data(), buffer.size(), from, startTo, to, down, nullptr);
      hits += want.found ? 1 : 0;
      ASSERT_EQ(got.found, want.found) << Describe(pattern, o, text, from, startTo, to, down);
      if (!want.found) continue;
      ASSERT_EQ(got.start, want.start) << Describe(pattern, o, text, from, startTo, to, down);
      ASSERT_EQ(got.length, want.length) << Describe(pattern, o, text, from, startTo, to, down);
    }
  }
}

TEST(RegexOracle, AutomatonMatchesBacktracking) {
  std::mt19937 rng(1234);
  int hits = 0;
  for (int round = 0; round < 4000; ++round) {
    const std::string pattern = RandomPattern(rng);
    SearchOptions o;
    o.regex = rng() % 4 != 0;
    o.matchCase = rng() % 2 == 0;
    o.distinguishWidth = rng() % 3 != 0;
    o.escapes = rng() % 2 == 0;
    o.lead = LeadByteTest(rng() % 10 != 0);
    PatternSearcher automaton;
    BacktrackSearcher oracle;
    const bool ok = oracle.Prepare(pattern, o);
    ASSERT_EQ(automaton.Prepare(pattern, o), ok) << pattern;
    if (!ok) continue;
    ASSERT_EQ(automaton.Reach(), oracle.Reach()) << pattern;
    // A literal text with widths folded has a path of its own.
    Searcher folded;
    const bool foldedPath = !o.regex && !o.distinguishWidth;
    if (foldedPath) ASSERT_TRUE(folded.Prepare(pattern, o));
    for (int t = 0; t < 3; ++t) {
      const std::string text = RandomText(rng, t == 2 ? 60 : 16);
      CompareOn(automaton, oracle, pattern, o, text, rng, hits);
      if (foldedPath) CompareOn(folded, oracle, pattern, o, text, rng, hits);
      if (::testing::Test::HasFatalFailure()) return;
    }
  }
  EXPECT_GT(hits, 8000);
}

// A pattern whose automaton has more states than its table holds, over
// texts that reach thousands of them: the table is emptied mid-scan (several
// times over these texts) and the answers stay the same.
TEST(RegexOracle, StatesBeyondTheTable) {
  std::mt19937 rng(99);
  const char* pattern = "[ab]*a[ab][ab][ab][ab][ab][ab][ab][ab][ab][ab][ab][ab]b";
  PatternSearcher automaton;
  BacktrackSearcher oracle;
  ASSERT_TRUE(automaton.Prepare(pattern, testing::RegexOptions()));
  ASSERT_TRUE(oracle.Prepare(pattern, testing::RegexOptions()));
  for (int round = 0; round < 12; ++round) {
    std::string text;
    for (int i = 0; i < 1500; ++i) text += "ab"[rng() % 2];
    const testing::ExactText buffer(text);
    for (TextOffset from = 0; from < buffer.size(); from += 397) {
      for (bool down : {true, false}) {
        const SearchHit want = oracle.Find(buffer.data(), buffer.size(), from, buffer.size(), down, nullptr);
        const SearchHit got = automaton.Find(buffer.data(), buffer.size(), from, buffer.size(), down, nullptr);
        ASSERT_EQ(got.found, want.found) << text << " from " << from;
        ASSERT_EQ(got.start, want.start) << text << " from " << from;
        ASSERT_EQ(got.length, want.length) << text << " from " << from;
      }
    }
  }
}

// Texts of many lines, where the forward scan skips to literals and line
// starts and passes over runs of characters that keep its state: the hits,
// one Find after another as the editor's find next makes them, are those
// of the reference.
TEST(RegexOracle, SkipsOverLongTexts) {
  std::mt19937 rng(77);
  const char* const patterns[] = {".*bar", "a.*b$", "[^x]*y", "b[a-z]*r", "^.*\x82\xA0", "x*a*b*c",
                                  ".*\x83\x5C.", "[0-9]+", "ba+r", "\x82\x60+b", ".ar", "r$"};
  for (int round = 0; round < 6; ++round) {
    std::string text;
    for (int line = 0; line < 60; ++line) {
      const int pieces = static_cast<int>(rng() % 60);
      for (int i = 0; i < pieces; ++i) {
        const unsigned r = rng() % 10;
        text += r < 2 ? "bar" : r < 4 ? "\x82\xA0" : kPieces[rng() % std::size(kPieces)];
      }
      text += "\r\n";
    }
    const testing::ExactText buffer(text);
    for (const char* pattern : patterns) {
      for (bool matchCase : {true, false}) {
        PatternSearcher automaton;
        BacktrackSearcher oracle;
        ASSERT_TRUE(automaton.Prepare(pattern, testing::RegexOptions(matchCase)));
        ASSERT_TRUE(oracle.Prepare(pattern, testing::RegexOptions(matchCase)));
        for (bool down : {true, false}) {
          TextOffset from = 0, to = buffer.size();
          for (int k = 0; k < 400 && from < to; ++k) {
            const SearchHit want = oracle.Find(buffer.data(), buffer.size(), from, to, down, nullptr);
            const SearchHit got = automaton.Find(buffer.data(), buffer.size(), from, to, down, nullptr);
            ASSERT_EQ(got.found, want.found) << pattern << " [" << from << "," << to << ") down " << down;
            if (!want.found) break;
            ASSERT_EQ(got.start, want.start) << pattern << " [" << from << "," << to << ") down " << down;
            ASSERT_EQ(got.length, want.length) << pattern << " at " << want.start;
            if (down) {
              from = want.start + want.length;
            } else {
              to = want.start;
            }
          }
        }
      }
    }
  }
}

double Seconds(const std::string& text, const char* pattern, bool down, SearchHit& hit) {
  PatternSearcher s;
  EXPECT_TRUE(s.Prepare(pattern, testing::RegexOptions(true)));
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
  const auto n = static_cast<std::uint32_t>(text.size());
  const auto t0 = std::chrono::steady_clock::now();
  hit = s.Find(bytes, n, 0, n, down, nullptr);
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

// Patterns that take a backtracking matcher quadratic time on one long line
// take this one a single pass (the bound is loose for sanitized builds).
TEST(RegexOracle, LongLinesTakeLinearTime) {
  const std::string line(100000, 'a');
  SearchHit hit;
  for (const char* pattern : {"a*b", ".*b", "a*a*b", "x.*a$", "[^b]*a*b"}) {
    for (bool down : {true, false}) {
      EXPECT_LT(Seconds(line, pattern, down, hit), 0.5) << pattern << " down " << down;
      EXPECT_FALSE(hit.found) << pattern;
    }
  }
  EXPECT_LT(Seconds(line + "b", "a*a*b", true, hit), 0.5);
  EXPECT_EQ(hit.length, 100001u);
  EXPECT_LT(Seconds(line + "b", ".*b", false, hit), 0.5);
  EXPECT_EQ(hit.start, 100000u);  // the last start of a match
  EXPECT_LT(Seconds(line + "\r\n" + line, ".*.*.*$", true, hit), 0.5);
  EXPECT_EQ(hit.start, 0u);
  EXPECT_EQ(hit.length, 100000u);
  EXPECT_LT(Seconds(line + "\r\n" + line, "x*.*.*$", false, hit), 0.5);
  EXPECT_EQ(hit.start, 200001u);
}

// A scan over a long line with nothing to skip asks the poll as it goes.
TEST(RegexOracle, LongScansAskThePoll) {
  const std::string run(200000, 'a');
  for (const char* pattern : {".*b", "a*a*b", "[a-z]+b", "ab"}) {
    for (bool down : {true, false}) {
      // The one match lies at the far end of the scan.
      const testing::ExactText buffer(down ? run + "b" : "b" + run);
      PatternSearcher s;
      ASSERT_TRUE(s.Prepare(pattern, testing::RegexOptions()));
      int calls = 0;
      const CancelPoll stop = [&calls] { return ++calls == 3; };
      EXPECT_FALSE(s.Find(buffer.data(), buffer.size(), 0, buffer.size(), down, &stop).found) << pattern;
      EXPECT_EQ(calls, 3) << pattern;
    }
  }
}

}  // namespace
}  // namespace quelt
