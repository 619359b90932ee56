#include "global_search/file_search.h"

#include "base/path.h"
#include "base/sjis.h"
#include "global_search/file_blocks.h"
#include "global_search/result_line.h"

namespace quelt {
namespace {

// The whole-file test reads files up to the largest text the editor holds.
constexpr std::uint64_t kWholeFileTestBytes = 10485760;

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
  if (!blocks.Open(fs_, path, request_.codeDecision, request_.crlfEqualSjis)) return true;
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
  std::uint32_t counted = 0;    // CR LF pairs before this position are in lines
  std::uint32_t lineStart = 0;  // the start of the line holding `counted`
  auto countTo = [&](std::uint32_t target) {
    // A pair counts when its LF lies before target.
    while (counted + 1 < target) {
      if (b[counted] == kCr && b[counted + 1] == kLf) {
        ++lines;
        counted += 2;
        lineStart = counted;
      } else {
        ++counted;
      }
    }
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
