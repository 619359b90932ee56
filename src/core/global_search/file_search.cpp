#include "global_search/file_search.h"

#include "base/path.h"
#include "base/sjis.h"
#include "global_search/file_blocks.h"
#include "global_search/result_line.h"

namespace quelt {
namespace {

// The whole-file test reads files up to the largest text the editor holds.
constexpr std::uint64_t kWholeFileTestBytes = 10485760;

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
  std::uint32_t lines = 0;
  while (possible && blocks.Next(block)) {
    // Without non-text files the text ends at a zero byte; with them every
    // zero byte is searched as 0xFF.
    bool last = false;
    if (!request_.nonText) {
      const std::size_t zero = block.find('\0');
      if (zero != std::string::npos) {
        block.resize(zero);
        last = true;
      }
    } else {
      for (char& c : block) {
        if (c == '\0') c = static_cast<char>(0xFF);
      }
    }
    if (!SearchBlock(path, name, block, lines, foundHere)) return false;
    if (last) break;
  }
  if (foundHere == 0 && !sink_.KeepGoing(name, outcome_.found)) {
    outcome_.aborted = true;
    return false;
  }
  return true;
}

bool FileSearch::SearchBlock(const std::string& path, const std::string& name, std::string& block,
                             std::uint32_t& lines, std::uint32_t& foundHere) {
  const auto* b = reinterpret_cast<const std::uint8_t*>(block.data());
  const auto n = static_cast<std::uint32_t>(block.size());
  // A CR LF pair counts once its LF lies before the position counted to.
  // Pairs are counted only up to each match (and the block's end), with a
  // loop the compiler can vectorise; the line start is then found backwards.
  std::uint32_t counted = 1;    // LFs before this position have been looked at
  std::uint32_t lineStart = 0;  // the start of the line holding the position counted to
  auto countTo = [&](std::uint32_t target) {
    if (target <= counted) return;
    const std::uint32_t pairs = CountCrLf(b + counted, target - counted);
    if (pairs != 0) {
      lines += pairs;
      std::uint32_t j = target - 1;
      while (!(b[j] == kLf && b[j - 1] == kCr)) --j;
      lineStart = j + 1;
    }
    counted = target;
  };
  std::uint32_t pos = 0;
  while (pos < n) {
    const SearchHit hit = searcher_.Find(b, n, pos, n, true);
    if (!hit.found || hit.length == 0) break;
    countTo(hit.start);
    const std::uint32_t end = hit.start + hit.length;
    const std::string line = FormatResultLine(path, lines + 1, b, n, lineStart, hit.start, end);
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
  // The block's last line end: a pair not yet passed, or a CR at its very end.
  if (n > 0 && b[n - 1] == kCr) ++lines;
  return true;
}

}  // namespace quelt
