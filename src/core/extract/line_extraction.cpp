#include "extract/line_extraction.h"

#include <new>
#include <numeric>
#include <vector>

#include "extract/extract_lines.h"
#include "extract/line_matcher.h"

namespace quelt {
namespace {

// Which steps run: with both chosen, a step without entries passes every
// line through instead of finding nothing.
struct StepPlan {
  bool step1 = false;
  bool step2 = false;
};

StepPlan PlanSteps(const ExtractSettings& s) {
  StepPlan plan;
  plan.step1 = s.step == kExtractStep1 || (s.step == kExtractBothSteps && !s.step1Entries.empty());
  plan.step2 = s.step == kExtractStep2 || (s.step == kExtractBothSteps && !s.startEntries.empty());
  return plan;
}

// The selection of both steps; false when the sink stopped the search.
bool Select(std::string_view text, const ExtractLines& lines, const ExtractSettings& s, LeadByteTest lead,
            ExtractSink& sink, ExtractOutcome& out, StepResult& result) {
  const StepPlan plan = PlanSteps(s);
  const SearchOptions options = ExtractSearchOptions(s, lead);
  const CancelPoll poll = [&sink] { return !sink.KeepGoing(); };
  result.lines.resize(lines.Count());
  std::iota(result.lines.begin(), result.lines.end(), 0u);
  result.blockStart.assign(lines.Count(), 0);
  std::vector<std::int8_t> match;
  if (plan.step1) {
    if (!MatchLines(text, lines, s.step1Entries, options, &poll, match)) return false;
    result = RunStep1(result.lines, match, s.step1Entries, s.step1Process);
    out.step1 = result.counts;
  }
  if (plan.step2) {
    std::vector<std::int8_t> end;
    if (!MatchLines(text, lines, s.startEntries, options, &poll, match) ||
        !MatchLines(text, lines, s.endEntries, options, &poll, end))
      return false;
    result = RunStep2(result.lines, match, end, s.startEntries, s.endEntries, s.step2Process);
    out.step2 = result.counts;
  }
  return true;
}

}  // namespace

bool HasExtractEntries(const ExtractSettings& s) {
  switch (s.step) {
    case kExtractStep1:
      return !s.step1Entries.empty();
    case kExtractStep2:
      return !s.startEntries.empty();
    case kExtractBothSteps:
      return !s.step1Entries.empty() || !s.startEntries.empty();
    default:
      return false;
  }
}

std::string ExtractSeparatorLine(std::string_view separator, std::uint32_t number, std::uint32_t blocks) {
  std::string line(separator);
  line += "   ";
  line += std::to_string(number);
  line += '/';
  line += std::to_string(blocks);
  line += "\r\n";
  return line;
}

ExtractOutcome RunLineExtraction(std::string_view text, const ExtractSettings& settings, LeadByteTest lead,
                                 ExtractSink& sink) {
  ExtractOutcome out;
  if (!HasExtractEntries(settings)) {
    out.result = ExtractResult::kMissingEntries;
    return out;
  }
  try {
    const ExtractLines lines(text);
    if (lines.Count() == 0) {
      out.result = ExtractResult::kNoLines;
      return out;
    }
    StepResult result;
    if (!Select(text, lines, settings, lead, sink, out, result)) {
      out.result = ExtractResult::kStopped;
      return out;
    }
    const StepPlan plan = PlanSteps(settings);
    const std::int32_t lastProcess = plan.step2 ? settings.step2Process : settings.step1Process;
    const bool separators = settings.addSeparator && lastProcess == kProcessExtract;
    std::uint32_t block = 0;
    for (std::size_t k = 0; k < result.lines.size(); ++k) {
      if (separators && result.blockStart[k] != 0 &&
          !sink.OnLine(ExtractSeparatorLine(settings.separator, ++block, result.blocks))) {
        out.result = ExtractResult::kStopped;
        return out;
      }
      const std::uint32_t line = result.lines[k];
      if (!sink.OnLine(text.substr(lines.Start(line), lines.End(line) - lines.Start(line)))) {
        out.result = ExtractResult::kStopped;
        return out;
      }
      ++out.lines;
    }
  } catch (const std::bad_alloc&) {
    out = ExtractOutcome{};
    out.result = ExtractResult::kOutOfMemory;
  }
  return out;
}

}  // namespace quelt
