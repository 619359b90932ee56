// The two walks of line extraction over a list of lines. Each walk marks
// the blocks it takes; the process of the step then keeps the lines inside
// blocks ("抽出") or the others ("削除").
//
// Step 1: a line holding one of the step-1 strings (the first matching entry
// wins) with position p and line count c takes the block of the c lines that
// start p lines after it, [i + p, i + p + c): with p < 0 the lines before the
// match, never reaching back into an earlier block (so fewer when fewer are
// free) and leaving the matching line outside when c < |p| + 1; with p > 0
// the matching line and the p - 1 lines after it stay outside. The walk goes
// on after the block, so blocks never overlap.
//
// Step 2: outside a block a line holding a start string opens one; its
// position p moves the block's first line back over up to |p| lines not yet
// taken, or (p > 0) forward to the p-th line after it (no block past the
// end). Every line of the block is taken up to and including the first line
// holding an end string, looked for from the line after the start line (a
// start string inside the block changes nothing); the end entry's position
// q then drops the last |q| taken lines of the block (q < 0, never more than
// the block took) or takes q more lines (q > 0). A block without an end line
// runs to the end of the list.
#pragma once

#include <cstdint>
#include <vector>

#include "extract/extract_settings.h"

namespace quelt {

// The counts one step shows in the information dialog.
struct ExtractStepCounts {
  bool ran = false;
  std::uint32_t sourceLines = 0;      // "元の行数": the lines the step walked
  std::uint32_t deletedLines = 0;     // "削除行数"
  std::uint32_t extractedLines = 0;   // "抽出行数"
  // The blocks the step took count under its process; the runs of lines
  // that lie between them under the other one.
  std::uint32_t deletedBlocks = 0;    // "削除ﾌﾞﾛｯｸ数"
  std::uint32_t extractedBlocks = 0;  // "抽出ﾌﾞﾛｯｸ数"
  bool operator==(const ExtractStepCounts&) const = default;
};

// What a step leaves: the kept lines (indexes into the text's lines, in
// order) and, when the step extracts, where each block starts among them.
struct StepResult {
  std::vector<std::uint32_t> lines;
  std::vector<std::uint8_t> blockStart;  // one per kept line: 1 on a block's first line
  std::uint32_t blocks = 0;
  ExtractStepCounts counts;
};

// input: the lines the step walks (indexes into match tables indexed by
// line). match, start, end: per line, the first matching entry or
// kNoEntry. Throw std::bad_alloc when the lists cannot be had.
StepResult RunStep1(const std::vector<std::uint32_t>& input, const std::vector<std::int8_t>& match,
                    const std::vector<ExtractEntry>& entries, std::int32_t process);
StepResult RunStep2(const std::vector<std::uint32_t>& input, const std::vector<std::int8_t>& start,
                    const std::vector<std::int8_t>& end, const std::vector<ExtractEntry>& startEntries,
                    const std::vector<ExtractEntry>& endEntries, std::int32_t process);

}  // namespace quelt
