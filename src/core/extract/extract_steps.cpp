#include "extract/extract_steps.h"

#include <algorithm>

namespace quelt {
namespace {

// Marks of the walked lines.
constexpr std::uint8_t kOutside = 0;
constexpr std::uint8_t kInside = 1;
constexpr std::uint8_t kFirst = 2;  // a block's first line

const ExtractEntry* EntryOf(const std::vector<std::int8_t>& table, std::uint32_t line,
                            const std::vector<ExtractEntry>& entries) {
  const std::int8_t e = table[line];
  return e >= 0 && static_cast<std::size_t>(e) < entries.size() ? &entries[static_cast<std::size_t>(e)] : nullptr;
}

void Mark(std::vector<std::uint8_t>& marks, std::size_t from, std::size_t to) {
  std::fill(marks.begin() + static_cast<std::ptrdiff_t>(from), marks.begin() + static_cast<std::ptrdiff_t>(to), kInside);
}

// The kept lines and the counts, by the step's process.
StepResult Finish(const std::vector<std::uint32_t>& input, const std::vector<std::uint8_t>& marks,
                  std::int32_t process) {
  const bool extract = process == kProcessExtract;
  StepResult r;
  std::uint32_t inside = 0, blocks = 0, gaps = 0;
  for (std::size_t k = 0; k < marks.size(); ++k) {
    if (marks[k] != kOutside) ++inside;
    if (marks[k] == kFirst) ++blocks;
    if (marks[k] == kOutside && (k == 0 || marks[k - 1] != kOutside)) ++gaps;
  }
  const auto total = static_cast<std::uint32_t>(input.size());
  const std::uint32_t kept = extract ? inside : total - inside;
  r.lines.reserve(kept);
  r.blockStart.reserve(kept);
  for (std::size_t k = 0; k < marks.size(); ++k) {
    if ((marks[k] != kOutside) != extract) continue;
    r.lines.push_back(input[k]);
    r.blockStart.push_back(extract && marks[k] == kFirst ? 1 : 0);
  }
  r.blocks = extract ? blocks : 0;
  ExtractStepCounts& c = r.counts;
  c.ran = true;
  c.sourceLines = total;
  c.extractedLines = extract ? inside : total - inside;
  c.deletedLines = total - c.extractedLines;
  c.extractedBlocks = extract ? blocks : gaps;
  c.deletedBlocks = extract ? gaps : blocks;
  return r;
}

}  // namespace

StepResult RunStep1(const std::vector<std::uint32_t>& input, const std::vector<std::int8_t>& match,
                    const std::vector<ExtractEntry>& entries, std::int32_t process) {
  const auto count = static_cast<std::int64_t>(input.size());
  std::vector<std::uint8_t> marks(input.size(), kOutside);
  std::int64_t i = 0;
  std::int64_t free = 0;  // lines before this one lie in a block or were passed by one
  while (i < count) {
    const ExtractEntry* e = EntryOf(match, input[static_cast<std::size_t>(i)], entries);
    if (e == nullptr) {
      ++i;
      continue;
    }
    const std::int64_t end = i + e->position + e->lineCount;
    const std::int64_t from = std::max(i + e->position, free);
    const std::int64_t to = std::min(end, count);
    if (from < to) {
      Mark(marks, static_cast<std::size_t>(from), static_cast<std::size_t>(to));
      marks[static_cast<std::size_t>(from)] = kFirst;
      free = to;
    }
    i = std::max(i + 1, end);
  }
  return Finish(input, marks, process);
}

StepResult RunStep2(const std::vector<std::uint32_t>& input, const std::vector<std::int8_t>& start,
                    const std::vector<std::int8_t>& end, const std::vector<ExtractEntry>& startEntries,
                    const std::vector<ExtractEntry>& endEntries, std::int32_t process) {
  const std::size_t count = input.size();
  std::vector<std::uint8_t> marks(count, kOutside);
  std::size_t j = 0;
  std::size_t taken = 0;  // just after the last line taken
  while (j < count) {
    const ExtractEntry* opening = EntryOf(start, input[j], startEntries);
    if (opening == nullptr) {
      ++j;
      continue;
    }
    const std::int64_t p = opening->position;
    std::size_t first = 0, k = 0;
    if (p <= 0) {
      first = j - std::min<std::size_t>(static_cast<std::size_t>(-p), j - taken);
      Mark(marks, first, j + 1);
      k = j + 1;
    } else {
      if (static_cast<std::size_t>(p) >= count - j) break;  // the block would start past the end
      first = j + static_cast<std::size_t>(p);
      k = first;
    }
    const ExtractEntry* closing = nullptr;
    while (k < count && closing == nullptr) {
      marks[k] = kInside;
      closing = EntryOf(end, input[k], endEntries);
      ++k;
    }
    std::size_t last = k;  // the block is [first, last)
    if (closing != nullptr && closing->position < 0) {
      const std::size_t drop = std::min<std::size_t>(static_cast<std::size_t>(-static_cast<std::int64_t>(closing->position)),
                                                     last - first);
      std::fill(marks.begin() + static_cast<std::ptrdiff_t>(last - drop), marks.begin() + static_cast<std::ptrdiff_t>(last),
                kOutside);
      last -= drop;
    } else if (closing != nullptr && closing->position > 0) {
      const std::size_t more = std::min<std::size_t>(static_cast<std::size_t>(closing->position), count - k);
      Mark(marks, k, k + more);
      k += more;
      last = k;
    }
    if (last > first) {
      marks[first] = kFirst;
      taken = last;
    }
    j = k;
  }
  return Finish(input, marks, process);
}

}  // namespace quelt
