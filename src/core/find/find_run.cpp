#include "find/find_run.h"

#include <algorithm>

#include "search/escape_sequence.h"

namespace quelt {
namespace {

std::uint32_t CharSize(const SearchText& t, TextOffset p) {
  if (p >= t.length) return 0;
  return static_cast<std::uint32_t>(SjisCharSize(t.bytes, t.length, p, t.lead));
}

bool Inside(TextRange scope, TextOffset p) { return p >= scope.start && p <= scope.end; }

}  // namespace

bool PrepareSearcher(Searcher& searcher, std::string_view raw, const FindFlags& flags,
                     const FindSettings& settings, LeadByteTest lead) {
  // A regular expression over 80 bytes finds nothing; a plain text is cut.
  std::string text = flags.regex ? std::string(raw) : CutSearchText(raw);
  if (text.empty()) return false;
  SearchOptions options;
  options.matchCase = flags.matchCase;
  options.wholeWord = settings.wholeWord;
  options.regex = flags.regex;
  options.distinguishWidth = flags.distinguishWidth;
  options.multiText = settings.multiText;
  options.lead = lead;
  if (flags.regex) {
    options.escapes = settings.escapes;
  } else if (settings.escapes) {
    std::string decoded;
    if (!DecodeEscapes(text, settings.fullEscapes, lead, decoded)) return false;
    text = std::move(decoded);
  }
  return searcher.Prepare(text, options);
}

bool PrepareReplacement(std::string_view raw, const FindSettings& settings, LeadByteTest lead, std::string& out) {
  out = CutSearchText(raw);
  if (!settings.escapes) return true;
  std::string decoded;
  if (!DecodeEscapes(out, settings.fullEscapes, lead, decoded)) return false;
  out = std::move(decoded);
  return true;
}

TextOffset FindStartPoint(const SearchText& text, const FindPass& pass) {
  if (pass.lastHit) {
    if (pass.down) return pass.lastHit->start + std::max<std::uint32_t>(CharSize(text, pass.lastHit->start), 1);
    return pass.lastHit->start;
  }
  TextOffset start = pass.caret;
  if (pass.caretInVirtualSpace && start < text.length) {
    // After the line end (CR LF counts as one); a wrapped line has none, its
    // caret already stands on the next line's first character.
    if (text.bytes[start] == kCr && start + 1 < text.length && text.bytes[start + 1] == kLf) {
      start += 2;
    } else if (text.bytes[start] == kCr || text.bytes[start] == kLf) {
      ++start;
    }
  }
  return start;
}

SearchHit FindInScope(const Searcher& searcher, const SearchText& text, const FindPass& pass,
                      const CancelPoll* poll) {
  const TextRange scope{std::min(pass.scope.start, text.length), std::min(pass.scope.end, text.length)};
  TextOffset start = FindStartPoint(text, pass);
  if (!Inside(scope, start)) start = scope.start;
  // A poll that stopped the first pass stops the wrapped one too.
  bool stopped = false;
  CancelPoll watched;
  const CancelPoll* asked = nullptr;
  if (poll != nullptr && *poll) {
    watched = [&] { return stopped = stopped || (*poll)(); };
    asked = &watched;
  }
  // Upwards every start before the start point is tried, and a match may
  // run past it to the end of the scope.
  SearchHit hit = pass.down ? searcher.Find(text.bytes, text.length, start, scope.end, true, asked)
                            : searcher.FindStarting(text.bytes, text.length, scope.start, start, scope.end, false, asked);
  if (!hit.found && pass.wrap && !stopped) {
    hit = searcher.Find(text.bytes, text.length, scope.start, scope.end, pass.down, asked);
  }
  return stopped ? SearchHit{} : hit;
}

bool RangeIsHit(const Searcher& searcher, const SearchText& text, TextRange range) {
  if (range.end > text.length || range.Length() == 0) return false;
  const SearchHit hit = searcher.Find(text.bytes, text.length, range.start, range.end, true);
  return hit.found && hit.start == range.start && hit.length == range.Length();
}

ReplaceAllPlan PlanReplaceAll(const Searcher& searcher, const SearchText& text, TextRange scope,
                              std::string_view replacement, const CancelPoll* poll) {
  ReplaceAllPlan plan;
  const TextOffset end = std::min(scope.end, text.length);
  TextOffset at = std::min(scope.start, end);
  TextOffset copied = 0;  // text before this offset is in the plan already
  bool stopped = false;
  // The poll answers true once; the answer ends the search for good.
  CancelPoll stopping;
  if (poll) {
    stopping = [&] {
      if (!stopped && (*poll)()) stopped = true;
      return stopped;
    };
  }
  // Many short searches poll as one long one: every kCancelPollInterval bytes.
  std::uint32_t walked = 0;
  while (at < end) {
    const SearchHit hit = searcher.Find(text.bytes, text.length, at, end, true, poll ? &stopping : nullptr);
    if (!hit.found) break;
    if (plan.count == 0) {
      plan.from = hit.start;
      copied = hit.start;
    }
    plan.inserted.append(reinterpret_cast<const char*>(text.bytes) + copied, hit.start - copied);
    plan.inserted.append(replacement);
    copied = hit.start + hit.length;
    ++plan.count;
    walked += copied - at;
    at = copied;
    if (poll && walked >= kCancelPollInterval) {
      walked = 0;
      if (stopping()) break;
    }
  }
  plan.cancelled = stopped;
  if (plan.count > 0) plan.removed = copied - plan.from;
  return plan;
}

std::uint32_t TopLineForHit(std::uint32_t top, std::uint32_t rows, std::uint32_t hitLine, std::uint32_t maxTop) {
  rows = std::max<std::uint32_t>(rows, 1);
  if (hitLine >= top && hitLine < top + rows) return top;
  const std::uint32_t half = rows / 2;
  return std::min(hitLine > half ? hitLine - half : 0u, maxTop);
}

std::optional<TextRange> DialogScope(const SearchText& text, std::optional<TextRange> selection) {
  if (!selection || selection->Length() == 0) return std::nullopt;
  const TextRange s{selection->start, std::min(selection->end, text.length)};
  if (s.Length() > 80) return s;
  for (TextOffset p = s.start; p < s.end; ++p) {
    if (text.bytes[p] == kCr || text.bytes[p] == kLf) return s;
  }
  return std::nullopt;
}

}  // namespace quelt
