// The automaton (and, for a literal text with widths folded, the folded plain
// search) against the backtracking reference: a short pattern with any
// options over a short text (short, so the reference stays fast), searched
// down and up over a range and with a start point inside it. Any difference
// in found, start or length is a failure.
//
// Input: flags, the pattern's length, three range bytes, the pattern, the text.
#include <algorithm>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "search/regex_backtrack.h"
#include "search/regex_search.h"
#include "search/search_engine.h"

namespace {

using namespace quelt;

std::vector<TextOffset> Boundaries(const std::vector<std::uint8_t>& t, LeadByteTest lead) {
  std::vector<TextOffset> b;
  for (std::size_t i = 0; i < t.size();) {
    b.push_back(static_cast<TextOffset>(i));
    i += lead(t[i]) && i + 1 < t.size() ? 2 : 1;
  }
  b.push_back(static_cast<TextOffset>(t.size()));
  return b;
}

void Same(const SearchHit& got, const SearchHit& want) {
  FUZZ_CHECK(got.found == want.found);
  if (want.found) FUZZ_CHECK(got.start == want.start && got.length == want.length);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 5) return 0;
  const std::uint8_t flags = data[0];
  const std::size_t patternLength = std::min<std::size_t>(data[1] % 24, size - 5);
  SearchOptions o;
  o.matchCase = flags & 1;
  o.regex = !(flags & 2);
  o.distinguishWidth = !(flags & 4);
  o.escapes = flags & 8;
  o.lead = LeadByteTest(!(flags & 16));
  const std::string pattern(reinterpret_cast<const char*>(data) + 5, patternLength);
  const std::vector<std::uint8_t> text(data + 5 + patternLength, data + std::min<std::size_t>(size, 5 + patternLength + 200));
  const auto length = static_cast<std::uint32_t>(text.size());
  PatternSearcher automaton;
  BacktrackSearcher oracle;
  const bool ok = oracle.Prepare(pattern, o);
  FUZZ_CHECK(automaton.Prepare(pattern, o) == ok);
  if (!ok) return 0;
  FUZZ_CHECK(automaton.Reach() == oracle.Reach());
  const std::vector<TextOffset> b = Boundaries(text, o.lead);
  TextOffset from = b[data[2] % b.size()], to = b[data[3] % b.size()];
  if (from > to) std::swap(from, to);
  const TextOffset point = std::clamp(b[data[4] % b.size()], from, to);
  Searcher folded;
  const bool foldedPath = !o.regex && !o.distinguishWidth;
  if (foldedPath) FUZZ_CHECK(folded.Prepare(pattern, o));
  for (bool down : {true, false}) {
    const SearchHit want = oracle.FindStarting(text.data(), length, from, point, to, down, nullptr);
    if (foldedPath) Same(folded.FindStarting(text.data(), length, from, point, to, down), want);
    Same(automaton.Find(text.data(), length, from, to, down, nullptr),
         oracle.Find(text.data(), length, from, to, down, nullptr));
    Same(automaton.FindStarting(text.data(), length, from, point, to, down, nullptr),
         oracle.FindStarting(text.data(), length, from, point, to, down, nullptr));
    Same(automaton.Find(text.data(), length, 0, length, down, nullptr),
         oracle.Find(text.data(), length, 0, length, down, nullptr));
  }
  return 0;
}
