#include "global_search/file_search.h"

#include <algorithm>

#include "base/path.h"
#include "base/sjis.h"
#include "global_search/file_blocks.h"
#include "global_search/result_line.h"
#include "search/scan_range.h"

namespace quelt {
namespace {

// The whole-file test reads files up to the largest text the editor holds.
constexpr std::uint64_t kWholeFileTestBytes = 10485760;
// Before a cut inside a line, the starts this near the cut wait for the
// next block: the result line's text (at most 499 bytes) must lie in the
// block as well as the match.
constexpr std::uint32_t kResultTail = kResultPathAndText + 1;
// A pattern whose repetitions can run on is given the whole line while it
// is shorter than this; in a longer line a match is taken as the bytes this
// far on allow.
constexpr std::uint32_t kLongestReach = 1048576;
// The sink is asked once every this many polls of the searcher (32 KB).
constexpr std::uint32_t kPollsPerKeepGoing = 16;

// The CR LF pairs whose LF lies in p[0..n); p[-1] is read. Counted in runs
// of at most 255 bytes into a byte-wide sum, which the compiler vectorises.
std::uint32_t CountCrLf(const std::uint8_t* p, std::size_t n) {
  std::uint32_t pairs = 0;
  while (n > 0) {
    const std::size_t run = n < 255 ? n : 255;
    std::uint8_t sum = 0;
    const std::uint8_t* before = p - 1;
    for (std::size_t i = 0; i < run; ++i) {
      sum = static_cast<std::uint8_t>(sum + ((p[i] == kLf) & (before[i] == kCr)));
    }
    pairs += sum;
    p += run;
    n -= run;
  }
  return pairs;
}

}  // namespace

FileSearch::FileSearch(FileSystem& fs, const GlobalSearchRequest& request, const Searcher& searcher,
                       GlobalSearchSink& sink, GlobalSearchOutcome& outcome)
    : fs_(fs),
      request_(request),
      searcher_(searcher),
      sink_(sink),
      outcome_(outcome),
      stepByLength_(!request.regex && request.distinguishWidth && !request.multiText),
      wholeFileTest_(!request.regex && request.distinguishWidth && request.multiText) {}

bool FileSearch::Search(const std::string& path) {
  FileBlocks blocks;
  if (!blocks.Open(fs_, path, request_.codeDecision, request_.crlfEqualSjis, &request_.cipher, &request_.askPassword))
    return true;
  ++outcome_.files;
  const std::string name = FileNameOf(path);
  std::uint32_t foundHere = 0;
  bool possible = true;
  if (wholeFileTest_) {
    std::string whole;
    if (blocks.Whole(whole, kWholeFileTestBytes)) {
      const auto* b = reinterpret_cast<const std::uint8_t*>(whole.data());
      const auto n = static_cast<std::uint32_t>(whole.size());
      possible = searcher_.Find(b, n, 0, n, true).found;
    }
  }
  std::string block;
  std::uint32_t keep = 0;
  Position at;
  while (possible && blocks.Next(block, keep)) {
    // Without non-text files the text ends at a zero byte; with them every
    // zero byte is searched as 0xFF. The carried bytes were looked at already.
    bool last = blocks.AtEnd();
    if (!request_.nonText) {
      const std::size_t zero = block.find('\0', keep);
      if (zero != std::string::npos) {
        block.resize(zero);
        last = true;
      }
    } else {
      for (std::size_t i = keep; i < block.size(); ++i) {
        if (block[i] == '\0') block[i] = static_cast<char>(0xFF);
      }
    }
    if (!SearchBlock(path, name, block, keep, last, at, foundHere)) return false;
    if (last) break;
  }
  if (foundHere == 0 && !sink_.KeepGoing(name, outcome_.found)) {
    outcome_.aborted = true;
    return false;
  }
  return true;
}

bool FileSearch::SearchBlock(const std::string& path, const std::string& name, const std::string& block,
                             std::uint32_t& keep, bool last, Position& at, std::uint32_t& foundHere) {
  const auto* b = reinterpret_cast<const std::uint8_t*>(block.data());
  const auto n = static_cast<std::uint32_t>(block.size());
  // A CR LF pair counts once its LF lies before the position counted to.
  // Pairs are counted only up to each match (and the block's end), with a
  // loop the compiler can vectorise; the line start is then found backwards.
  // The carried bytes hold no line end: they are counted already.
  std::uint32_t counted = keep > 0 ? keep : 1;  // LFs before this position have been looked at
  auto countTo = [&](std::uint32_t target) {
    if (target <= counted) return;
    const std::uint32_t pairs = CountCrLf(b + counted, target - counted);
    if (pairs != 0) {
      at.lines += pairs;
      std::uint32_t j = target - 1;
      while (!(b[j] == kLf && b[j - 1] == kCr)) --j;
      at.lineStart = j + 1;
      at.lineBefore = 0;
    }
    counted = target;
  };
  // A block cut inside its line: a match starting near the cut could run
  // past it, and its result text too; those starts wait for the next block.
  const bool inLine = !last && !(n >= 2 && b[n - 2] == kCr && b[n - 1] == kLf);
  std::uint32_t startTo = n;
  if (inLine) {
    const std::uint32_t reach = std::min(std::max(searcher_.Reach(), kResultTail), kLongestReach);
    startTo = n > reach ? n - reach : 0;
  }
  // A long scan inside the block asks the sink too, every few polls of the
  // searcher (each kCancelPollInterval bytes), so a search that runs long in
  // one file can be stopped.
  bool stopped = false;
  std::uint32_t polls = 0;
  const CancelPoll poll = [&] {
    if (++polls % kPollsPerKeepGoing != 0) return false;
    return stopped = stopped || !sink_.KeepGoing(name, outcome_.found);
  };
  std::uint32_t pos = at.from;
  while (pos < startTo) {
    const SearchHit hit = searcher_.FindStarting(b, n, pos, startTo, n, true, &poll);
    if (stopped) {
      outcome_.aborted = true;
      return false;
    }
    if (!hit.found || hit.length == 0) {
      pos = startTo;
      break;
    }
    countTo(hit.start);
    const std::uint32_t end = hit.start + hit.length;
    const std::string line =
        FormatResultLine(path, at.lines + 1, b, n, at.lineStart, hit.start, end, at.lineBefore);
    if (outcome_.found == 0) sink_.OnFirstResult();
    sink_.OnResult(line);
    ++outcome_.found;
    ++foundHere;
    if (!sink_.KeepGoing(name, outcome_.found)) {
      outcome_.aborted = true;
      return false;
    }
    pos = stepByLength_ ? end : hit.start + static_cast<std::uint32_t>(SjisCharSize(b, n, hit.start));
  }
  countTo(n);
  if (!inLine) {
    // The next block begins a line.
    keep = 0;
    at.from = 0;
    at.lineStart = 0;
    at.lineBefore = 0;
    return true;
  }
  // The next start to try, on a character boundary; the carry begins at the
  // line's start when a result line could still show it, else one
  // character before that start (for whole words and anchors).
  std::uint32_t next = std::max(pos, at.from);
  if (next < n && !CharBoundaries(b, 0, LeadByteTest()).At(next)) ++next;
  std::uint32_t carry = at.lineStart;
  if (at.lineBefore != 0 || next - at.lineStart > kResultLineLead + 1) {
    carry = next >= 2 && EndsDoubleByte(b, next, LeadByteTest()) ? next - 2 : next - 1;
  }
  at.lineBefore += carry - at.lineStart;
  at.lineStart = 0;
  at.from = next - carry;
  keep = n - carry;
  return true;
}

}  // namespace quelt
