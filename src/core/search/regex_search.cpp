#include "search/regex_search.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "search/scan_range.h"

namespace quelt {
namespace {

constexpr TextOffset kNone = 0xFFFFFFFFu;

void AppendCode(std::string& out, std::uint16_t code) {
  if (code > 0xFF) out += static_cast<char>(code >> 8);
  out += static_cast<char>(code & 0xFF);
}

bool IsLiteral(const PatternElement& e) { return e.kind == ElementKind::kChar && e.repeat == Repeat::kOne; }

}  // namespace

// What one Find scans: the text, its limits and the cancel poll, asked each
// time a scan has passed another kCancelPollInterval bytes.
struct PatternSearcher::Scan {
  const std::uint8_t* bytes;
  std::uint32_t length;
  TextOffset to;
  const CancelPoll* poll;
  bool cancelled = false;

  bool Poll() {
    if (!cancelled && poll != nullptr && *poll && (*poll)()) cancelled = true;
    return cancelled;
  }
};

bool PatternSearcher::Prepare(std::string_view text, const SearchOptions& options) {
  never_ = true;
  ParsedPattern parsed;
  if (!ParsePattern(text, options.regex, options.escapes, options.lead, parsed)) return false;
  lead_ = options.lead;
  anchorStart_ = parsed.anchorStart;
  anchorEnd_ = parsed.anchorEnd;
  int repeats = 0;
  for (const PatternElement& e : parsed.elements) repeats += e.repeat != Repeat::kOne ? 1 : 0;
  // Every repetition element takes a level of the backtracking the rules
  // are written for, and an eleventh level fails: such a pattern never
  // matches.
  never_ = parsed.elements.empty() || repeats > kMaxRepeatLevels;
  // Each element takes at most one double-byte character (or a CR LF); "$"
  // looks at one byte more.
  reach_ = repeats > 0 ? kUnboundedReach : static_cast<std::uint32_t>(2 * parsed.elements.size() + 1);
  if (never_) return true;
  classes_.Build(parsed, options.matchCase, !options.distinguishWidth, lead_);
  forward_ = CompilePattern(parsed, classes_, false);
  reverse_ = CompilePattern(parsed, classes_, true);
  forwardDfa_.Init(&forward_, &classes_,
                   LazyDfa::Config{true, anchorEnd_, anchorStart_ ? CharClasses::kEndsLf : LazyDfa::kNoTest});
  reverseDfa_.Init(&reverse_, &classes_,
                   LazyDfa::Config{false, false, anchorEnd_ ? CharClasses::kIsCr : LazyDfa::kNoTest});
  // Literals compare bytes only while widths are distinguished.
  const bool literals = options.distinguishWidth;
  skip_ = Skip::kNone;
  // The bytes a match can start with: those of the leading optional
  // elements and of the first element that must match.
  std::array<bool, 256> first{};
  for (std::size_t i = 0; i < parsed.elements.size(); ++i) {
    const CharTest t = classes_.TestOf(i);
    for (int b = 0; b < 256; ++b) first[b] = first[b] || classes_.FirstByteCanPass(t, static_cast<std::uint8_t>(b));
    if (parsed.elements[i].repeat != Repeat::kStar) break;
  }
  lineFirst_ = first;
  if (anchorStart_) {
    skip_ = Skip::kLines;
    return true;
  }
  if (literals && IsLiteral(parsed.elements[0])) {
    std::string prefix;
    for (const PatternElement& e : parsed.elements) {
      if (!IsLiteral(e)) break;
      AppendCode(prefix, e.code);
    }
    if (literal_.Prepare(prefix, options.matchCase, false, lead_)) skip_ = Skip::kPrefix;
    return true;
  }
  if (literals) ChooseSkip(parsed, options.matchCase);
  if (skip_ != Skip::kNone) return true;
  int count = 0;
  for (bool b : first) count += b ? 1 : 0;
  if (count < 256) {
    firstBytes_.Build(first);
    skip_ = Skip::kFirstBytes;
  }
  return true;
}

// A literal the pattern must contain, not at its start: the longest run of
// literal characters. Usable when what stands before it is bounded in
// length, or cannot take a CR or LF (so a match starts on the literal's line).
void PatternSearcher::ChooseSkip(const ParsedPattern& parsed, bool matchCase) {
  const auto& elements = parsed.elements;
  std::size_t bestStart = 0, bestLength = 0;
  for (std::size_t i = 0; i < elements.size();) {
    std::size_t j = i;
    while (j < elements.size() && IsLiteral(elements[j])) ++j;
    if (j - i > bestLength) bestStart = i, bestLength = j - i;
    i = j == i ? i + 1 : j;
  }
  if (bestLength == 0) return;
  bool bounded = true, inLine = true;
  for (std::size_t i = 0; i < bestStart; ++i) {
    const PatternElement& e = elements[i];
    if (e.repeat != Repeat::kOne) bounded = false;
    if (e.kind == ElementKind::kCrLf) {
      inLine = false;
      continue;
    }
    const CharTest t = classes_.TestOf(i);
    if (classes_.Passes(t, classes_.Single(kCr)) || classes_.Passes(t, classes_.Single(kLf))) inLine = false;
  }
  if (!bounded && !inLine) return;
  std::string text;
  for (std::size_t i = bestStart; i < bestStart + bestLength; ++i) AppendCode(text, elements[i].code);
  if (!literal_.Prepare(text, matchCase, false, lead_)) return;
  maxBefore_ = bounded ? static_cast<std::uint32_t>(2 * bestStart) : kUnboundedReach;
  skip_ = Skip::kInner;
}

std::uint16_t PatternSearcher::ClassAt(const Scan& scan, TextOffset p, TextOffset& next) const {
  const std::uint8_t b = scan.bytes[p];
  if (lead_(b) && p + 1 < scan.length) {
    next = p + 2;
    return classes_.Double(b, scan.bytes[p + 1]);
  }
  next = p + 1;
  return classes_.Single(b);
}

// From p, where the forward automaton holds only the fresh start: the
// position to go on from (a character boundary, p itself when nothing can
// be skipped), or kNone when no match can start before the scan's end. One
// call looks at no more than kCancelPollInterval bytes, so the poll is asked
// as often as when stepping.
TextOffset PatternSearcher::SkipTo(Scan& scan, TextOffset p) const {
  const std::uint8_t* bytes = scan.bytes;
  const TextOffset window = scan.to - p > kCancelPollInterval ? p + kCancelPollInterval : scan.to;
  // The boundary at or before x (p <= x): a position inside a character
  // moves back to its lead byte.
  auto boundaryAt = [&](TextOffset x) {
    if (x == p || !lead_.enabled()) return x;
    CharBoundaries boundaries(bytes, p, lead_);
    return boundaries.At(x) ? x : x - 1;
  };
  // Where to go on when the window holds no candidate.
  auto past = [&](TextOffset keep) { return window == scan.to ? kNone : boundaryAt(window - keep); };
  switch (skip_) {
    case Skip::kNone:
      return p;
    case Skip::kLines: {
      // The next line start whose first byte can start a match.
      for (TextOffset at = p; at < window;) {
        const void* lf = std::memchr(bytes + at, kLf, window - at);
        if (lf == nullptr) break;
        at = static_cast<TextOffset>(static_cast<const std::uint8_t*>(lf) - bytes) + 1;
        if (at >= scan.to || lineFirst_[bytes[at]]) return at;
      }
      return past(0);
    }
    case Skip::kPrefix: {
      const TextOffset q = literal_.NextCandidate(bytes, p, window, scan.to);
      return q < window ? boundaryAt(q) : past(0);
    }
    case Skip::kInner: {
      TextOffset q = literal_.NextCandidate(bytes, p, window, scan.to);
      if (q >= window) {
        // A literal can start at window at the earliest.
        if (window == scan.to) return kNone;
        q = window;
      }
      if (maxBefore_ != kUnboundedReach) return q - p > maxBefore_ ? boundaryAt(q - maxBefore_) : p;
      // After the last CR or LF before the literal that is a character of
      // its own (the byte before it is no lead byte).
      // (Only LF is looked for: stopping short at a lone CR is safe.)
      for (TextOffset r = q; r > p;) {
        --r;
        if (bytes[r] == kLf && (r == p || !lead_(bytes[r - 1]))) return r + 1;
      }
      return p;
    }
    case Skip::kFirstBytes: {
      const TextOffset x = firstBytes_.Next(bytes, p, window);
      return x < window ? boundaryAt(x) : past(0);
    }
  }
  return p;
}

// The end of the leftmost match starting in [from, startTo), or kNone; its
// start too (origin) when the automaton knows it, else kNone there.
TextOffset PatternSearcher::ForwardEnd(Scan& scan, TextOffset from, TextOffset startTo, TextOffset& origin) const {
  const std::uint8_t* bytes = scan.bytes;
  const TextOffset to = scan.to;
  LazyDfa& dfa = forwardDfa_;
  const bool lineStart = !anchorStart_ || from == 0 || bytes[from - 1] == kLf;
  std::int32_t s = LazyDfa::Initial(lineStart, true);
  const std::int32_t fresh = LazyDfa::Initial(!anchorStart_, true);
  TextOffset p = from;
  TextOffset end = kNone;
  TextOffset originAt = from;
  TextOffset noSkipBefore = skip_ == Skip::kNone ? to : 0;
  TextOffset nextPoll = from + kCancelPollInterval;
  bool injecting = true;
  origin = kNone;
  auto matchHere = [&](std::uint8_t f) {
    end = p;
    origin = (f & LazyDfa::kFromOrigin) ? originAt : kNone;
  };
  while (true) {
    // Ordinary states over characters wholly before the range's end and
    // startTo: a table step each.
    const TextOffset bound = std::min(injecting ? startTo : to, nextPoll);
    if (s == LazyDfa::kLastInitial && p < noSkipBefore && p + 2 < bound) {
      // The fresh start where nothing is skipped: one step on.
      originAt = p;
      TextOffset next;
      s = dfa.Next(s, ClassAt(scan, p, next));
      p = next;
    }
    s = dfa.Run(s, bytes, p, bound, [this](const std::uint8_t* at, unsigned& step) {
      const std::uint8_t b = at[0];
      // The lead-byte ranges 0x81-0x9F and 0xE0-0xFC are 0xA1-0xDC after
      // flipping bit 5.
      const bool two = lead_.enabled() && static_cast<std::uint8_t>((b ^ 0x20) - 0xA1) < 0x3C;
      step = two ? 2 : 1;
      return classes_.Pair(b, at[1]);
    }, [this, bytes](TextOffset from, TextOffset x) {
      if (x == from || !lead_.enabled()) return x;
      CharBoundaries boundaries(bytes, from, lead_);
      return boundaries.At(x) ? x : x - 1;
    });
    if (p >= nextPoll) {
      if (scan.Poll()) return kNone;
      nextPoll = p + kCancelPollInterval;
    }
    if (s == LazyDfa::kLastInitial) originAt = p;
    const std::uint8_t f = dfa.Flags(s);
    if (f & LazyDfa::kMatch) matchHere(f);
    if (f & LazyDfa::kDead) break;
    if (p >= to) break;
    if (s == fresh && injecting && p >= noSkipBefore) {
      const TextOffset t = SkipTo(scan, p);
      if (t == kNone || t >= startTo) break;
      if (t > p) {
        p = t;
        s = LazyDfa::Initial(!anchorStart_ || bytes[p - 1] == kLf, true);
        continue;
      }
      // Nothing to skip here: step on until a later literal can help.
      noSkipBefore = p + 1;
      if (skip_ == Skip::kInner) {
        const TextOffset window = to - p > kCancelPollInterval ? p + kCancelPollInterval : to;
        const TextOffset q = literal_.NextCandidate(bytes, p, window, to);
        noSkipBefore = q < window ? q + 1 : window;
      }
    }
    TextOffset next;
    const std::uint16_t cls = ClassAt(scan, p, next);
    if (next > to) break;  // a double-byte character across the range's end
    if (injecting && next >= startTo) {
      // No match may start after this character.
      s = dfa.WithoutInjecting(s);
      injecting = false;
    }
    if ((f & LazyDfa::kMarker) && classes_.Passes(CharClasses::kIsCr, cls)) matchHere(f);
    s = dfa.Next(s, cls);
    p = next;
  }
  const std::uint8_t f = dfa.Flags(s);
  if ((f & LazyDfa::kMarker) && (p == scan.length || bytes[p] == kCr)) matchHere(f);
  return end;
}

// The end of the match starting at start (one is known to exist).
TextOffset PatternSearcher::ForwardFrom(Scan& scan, TextOffset start) const {
  LazyDfa& dfa = forwardDfa_;
  std::int32_t s = LazyDfa::Initial(true, false);
  TextOffset p = start;
  TextOffset end = kNone;
  TextOffset nextPoll = start + kCancelPollInterval;
  while (true) {
    const std::uint8_t f = dfa.Flags(s);
    if (f & LazyDfa::kMatch) end = p;
    if ((f & LazyDfa::kDead) || p >= scan.to) break;
    TextOffset next;
    const std::uint16_t cls = ClassAt(scan, p, next);
    if (next > scan.to) break;
    if ((f & LazyDfa::kMarker) && classes_.Passes(CharClasses::kIsCr, cls)) end = p;
    s = dfa.Next(s, cls);
    p = next;
    if (p >= nextPoll) {
      if (scan.Poll()) return kNone;
      nextPoll = p + kCancelPollInterval;
    }
  }
  if ((dfa.Flags(s) & LazyDfa::kMarker) && (p == scan.length || scan.bytes[p] == kCr)) end = p;
  return end;
}

template <typename AtMatch>
bool PatternSearcher::ScanBack(Scan& scan, TextOffset from, TextOffset p, std::int32_t s, AtMatch atMatch) const {
  LazyDfa& dfa = reverseDfa_;
  CharsBefore chars(scan.bytes, from, lead_);
  TextOffset nextPoll = p - from > kCancelPollInterval ? p - kCancelPollInterval : from;
  while (true) {
    while (p > nextPoll && dfa.Flags(s) == 0) {
      const TextOffset q = chars.Start(p);
      s = dfa.Next(s, p - q == 2 ? classes_.Double(scan.bytes[q], scan.bytes[q + 1]) : classes_.Single(scan.bytes[q]));
      p = q;
    }
    const std::uint8_t f = dfa.Flags(s);
    if ((f & LazyDfa::kMatch) && (!anchorStart_ || p == 0 || scan.bytes[p - 1] == kLf) && atMatch(p)) return true;
    if ((f & LazyDfa::kDead) || p <= from) return true;
    if (p <= nextPoll) {
      if (scan.Poll()) return false;
      nextPoll = p - from > kCancelPollInterval ? p - kCancelPollInterval : from;
    }
    const TextOffset q = chars.Start(p);
    TextOffset next;
    s = dfa.Next(s, ClassAt(scan, q, next));
    p = q;
  }
}

// The first start at or after from of a match ending at end: the last
// place the backward scan meets.
TextOffset PatternSearcher::StartBefore(Scan& scan, TextOffset end, TextOffset from) const {
  TextOffset start = kNone;
  const bool whole = ScanBack(scan, from, end, LazyDfa::Initial(true, false), [&start](TextOffset p) {
    start = p;
    return false;
  });
  return whole ? start : kNone;
}

// The last start in [from, startTo) of a match ending at or before the
// scan's end, or kNone.
TextOffset PatternSearcher::LastStart(Scan& scan, TextOffset from, TextOffset startTo) const {
  const bool lineEnd = !anchorEnd_ || scan.to == scan.length || scan.bytes[scan.to] == kCr;
  TextOffset found = kNone;
  ScanBack(scan, from, scan.to, LazyDfa::Initial(lineEnd, true), [&found, startTo](TextOffset p) {
    if (p >= startTo) return false;
    found = p;
    return true;
  });
  return found;
}

SearchHit PatternSearcher::FindStarting(const std::uint8_t* bytes, std::uint32_t length, TextOffset from,
                                        TextOffset startTo, TextOffset to, bool down, const CancelPoll* poll) const {
  if (never_ || to > length || startTo > to || from >= startTo) return SearchHit{};
  if (!forwardDfa_.BoundTo(&forward_) || !reverseDfa_.BoundTo(&reverse_)) {
    forwardDfa_.Init(&forward_, &classes_,
                     LazyDfa::Config{true, anchorEnd_, anchorStart_ ? CharClasses::kEndsLf : LazyDfa::kNoTest});
    reverseDfa_.Init(&reverse_, &classes_,
                     LazyDfa::Config{false, false, anchorEnd_ ? CharClasses::kIsCr : LazyDfa::kNoTest});
  }
  Scan scan{bytes, length, to, poll};
  TextOffset start = kNone, end = kNone;
  if (down) {
    TextOffset origin = kNone;
    end = ForwardEnd(scan, from, startTo, origin);
    if (end != kNone) start = origin != kNone ? origin : StartBefore(scan, end, from);
  } else {
    start = LastStart(scan, from, startTo);
    if (start != kNone) end = ForwardFrom(scan, start);
  }
  if (scan.cancelled || start == kNone || end == kNone || end <= start) return SearchHit{};
  return SearchHit{true, start, end - start};
}

}  // namespace quelt
