// Line extraction ("行の抽出"): the chosen logical lines of a source text,
// handed line by line to a sink (the window appends them to a new
// document). The source is never changed.
//
// The execution step runs step 1, step 2 or both (see extract_steps.h);
// with both, a step whose list is empty passes every line through. When
// "ｾﾊﾟﾚｰﾀを付加" is on and the last step that ran extracts, each block is
// preceded by the separator text followed by "   n/m\r\n" (block n of m).
// The lines keep their CR LF; a last line without one comes as it is, which
// joins nothing since it is always the last line given.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/sjis.h"
#include "extract/extract_settings.h"
#include "extract/extract_steps.h"

namespace quelt {

class ExtractSink {
 public:
  virtual ~ExtractSink() = default;
  // One line of the result: a separator line or a source line. False stops
  // the run; the lines given so far stay.
  virtual bool OnLine(std::string_view line) = 0;
  // Asked now and then while the lines are searched; false stops the run.
  virtual bool KeepGoing() { return true; }
};

enum class ExtractResult {
  kDone,            // every chosen line was given to the sink
  kStopped,         // the sink stopped the run
  kMissingEntries,  // the chosen step has no entries: a simple beep, no document
  kOutOfMemory,     // the line table or the working lists could not be had (59399)
  kNoLines,         // an empty source: nothing happens
};

struct ExtractOutcome {
  ExtractResult result = ExtractResult::kDone;
  ExtractStepCounts step1;  // ran is false for a step that did not run
  ExtractStepCounts step2;
  std::uint32_t lines = 0;  // source lines given (separators not counted)
};

// Whether the settings' lists allow the chosen execution step to run: step
// 1 needs a step-1 entry, step 2 a start entry, both steps one of either.
bool HasExtractEntries(const ExtractSettings& settings);

// The separator line before block `number` (from 1) of `blocks`.
std::string ExtractSeparatorLine(std::string_view separator, std::uint32_t number, std::uint32_t blocks);

// text: Shift-JIS with CR LF line ends; lead: the source document's
// lead-byte test.
ExtractOutcome RunLineExtraction(std::string_view text, const ExtractSettings& settings, LeadByteTest lead,
                                 ExtractSink& sink);

}  // namespace quelt
