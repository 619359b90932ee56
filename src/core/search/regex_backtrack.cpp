#include "search/regex_backtrack.h"

#include <cstring>
#include <string>

#include "search/scan_range.h"
#include "search/width_fold.h"

namespace quelt {
namespace {

constexpr std::size_t kSetWords = 65536 / 64;
// The memory of failed states is forgotten when it grows this large.
constexpr std::size_t kMaxFailedStates = std::size_t{1} << 20;

bool IsUpper(std::uint16_t c) { return c >= 'A' && c <= 'Z'; }
bool IsLower(std::uint16_t c) { return c >= 'a' && c <= 'z'; }

void AppendCode(std::string& out, std::uint16_t code) {
  if (code > 0xFF) out += static_cast<char>(code >> 8);
  out += static_cast<char>(code & 0xFF);
}

}  // namespace

std::uint16_t BacktrackSearcher::Key(std::uint16_t code) const {
  if (foldWidth_) code = FoldWidth(code);
  if (!matchCase_ && IsUpper(code)) code = static_cast<std::uint16_t>(code | 0x20);
  return code;
}

bool BacktrackSearcher::Matches(const Step& step, std::uint16_t code) const {
  switch (step.kind) {
    case ElementKind::kChar:
      return Key(code) == step.key;
    case ElementKind::kAny:
      return code != kCr && code != kLf;
    case ElementKind::kSet:
      return (sets_[step.set][code >> 6] >> (code & 63)) & 1;
    case ElementKind::kCrLf:
      return false;  // two characters, see MatchOne
  }
  return false;
}

// Marks every code equal to a member after folding: the member's key, its
// other ASCII case and their full-width forms.
void BacktrackSearcher::BuildSet(const CharSet& set, std::vector<std::uint64_t>& bits) const {
  bits.assign(kSetWords, 0);
  auto mark = [&bits](std::uint16_t c) { bits[c >> 6] |= std::uint64_t{1} << (c & 63); };
  for (const auto& [low, high] : set.ranges) {
    for (std::uint32_t v = low; v <= high; ++v) {
      const auto code = static_cast<std::uint16_t>(v);
      mark(code);
      const std::uint16_t key = Key(code);
      std::uint16_t forms[2] = {key, key};
      if (!matchCase_ && IsLower(key)) forms[1] = static_cast<std::uint16_t>(key & 0xDF);
      for (std::uint16_t f : forms) {
        mark(f);
        if (foldWidth_ && f <= 0xFF && UnfoldWidth(static_cast<std::uint8_t>(f)) != 0) {
          mark(UnfoldWidth(static_cast<std::uint8_t>(f)));
        }
      }
    }
  }
  if (set.negated) {
    for (auto& w : bits) w = ~w;
    bits[0] &= ~((std::uint64_t{1} << kCr) | (std::uint64_t{1} << kLf));
  }
}

// The bytes a nonempty match can start with: those of the leading optional
// elements and of the first element that must match.
void BacktrackSearcher::BuildFirstBytes() {
  firstBytes_.fill(false);
  for (const Step& step : steps_) {
    if (step.kind == ElementKind::kCrLf) {
      firstBytes_[kCr] = true;
    } else {
      for (int b = 0; b < 256; ++b) {
        if (firstBytes_[b]) continue;
        const auto code = static_cast<std::uint16_t>(b);
        bool can = Matches(step, code);  // a one-byte character, or a lone lead byte
        for (int t = 0; !can && lead_(static_cast<std::uint8_t>(b)) && t < 256; ++t) {
          can = Matches(step, static_cast<std::uint16_t>(b << 8 | t));
        }
        firstBytes_[b] = can;
      }
    }
    if (step.repeat != Repeat::kStar) break;
  }
  firstByteCount_ = 0;
  for (int b = 0; b < 256; ++b) {
    if (firstBytes_[b]) {
      ++firstByteCount_;
      onlyFirstByte_ = static_cast<std::uint8_t>(b);
    }
  }
}

bool BacktrackSearcher::Prepare(std::string_view text, const SearchOptions& options) {
  never_ = true;
  ParsedPattern parsed;
  if (!ParsePattern(text, options.regex, options.escapes, options.lead, parsed)) return false;
  matchCase_ = options.matchCase;
  foldWidth_ = !options.distinguishWidth;
  lead_ = options.lead;
  anchorStart_ = parsed.anchorStart;
  anchorEnd_ = parsed.anchorEnd;
  steps_.clear();
  int repeats = 0;
  for (const PatternElement& e : parsed.elements) {
    steps_.push_back(Step{e.kind, e.repeat, Key(e.code), e.set});
    if (e.repeat != Repeat::kOne) ++repeats;
  }
  sets_.resize(parsed.sets.size());
  for (std::size_t i = 0; i < parsed.sets.size(); ++i) BuildSet(parsed.sets[i], sets_[i]);
  BuildFirstBytes();
  // Literal leading characters that no folding can change are found like a
  // plain search (which folds ASCII case the same way).
  std::string prefix;
  if (!foldWidth_) {
    for (const PatternElement& e : parsed.elements) {
      if (e.kind != ElementKind::kChar || e.repeat != Repeat::kOne) break;
      AppendCode(prefix, e.code);
    }
  }
  hasPrefix_ = !prefix.empty() && prefix_.Prepare(prefix, matchCase_, false, lead_);
  // Every repetition element must be entered for a match; the eleventh
  // would need an eleventh level.
  never_ = steps_.empty() || repeats > kMaxRepeatLevels;
  // Each element takes at most one double-byte character (or a CR LF); "$"
  // looks at one byte more.
  reach_ = repeats > 0 ? kUnboundedReach : static_cast<std::uint32_t>(2 * steps_.size() + 1);
  return true;
}

std::uint32_t BacktrackSearcher::MatchOne(const Step& step, const Context& c, TextOffset pos) const {
  if (pos >= c.to) return 0;
  const std::uint8_t b = c.bytes[pos];
  if (step.kind == ElementKind::kCrLf) return b == kCr && pos + 1 < c.to && c.bytes[pos + 1] == kLf ? 2 : 0;
  if (lead_(b) && pos + 1 < c.length) {
    if (pos + 2 > c.to) return 0;
    return Matches(step, static_cast<std::uint16_t>(b << 8 | c.bytes[pos + 1])) ? 2 : 0;
  }
  return Matches(step, b) ? 1 : 0;
}

TextOffset BacktrackSearcher::MatchFrom(const Context& c, std::size_t index, TextOffset pos) const {
  for (; index < steps_.size(); ++index) {
    const Step& step = steps_[index];
    if (step.repeat != Repeat::kOne) break;
    const std::uint32_t n = MatchOne(step, c, pos);
    if (n == 0) return kNoMatch;
    pos += n;
  }
  if (index == steps_.size()) {
    if (anchorEnd_ && pos < c.length && c.bytes[pos] != kCr) return kNoMatch;
    return pos;
  }
  // A repetition: every position it can reach, tried from the farthest.
  const Step& step = steps_[index];
  std::vector<TextOffset>& stack = *c.stack;
  const std::size_t base = stack.size();
  if (step.repeat == Repeat::kPlus) {
    const std::uint32_t n = MatchOne(step, c, pos);
    if (n == 0) return kNoMatch;
    pos += n;
  }
  stack.push_back(pos);
  for (std::uint32_t n; (n = MatchOne(step, c, pos)) != 0;) {
    pos += n;
    stack.push_back(pos);
  }
  TextOffset result = kNoMatch;
  for (std::size_t k = stack.size(); k > base && result == kNoMatch;) {
    --k;
    const std::uint64_t state = std::uint64_t{index + 1} << 32 | stack[k];
    if (c.failed->count(state) != 0) continue;
    result = MatchFrom(c, index + 1, stack[k]);
    if (result == kNoMatch) {
      if (c.failed->size() >= kMaxFailedStates) c.failed->clear();
      c.failed->insert(state);
    }
  }
  stack.resize(base);
  return result;
}

TextOffset BacktrackSearcher::NextCandidate(const std::uint8_t* bytes, TextOffset pos, TextOffset limit,
                                          TextOffset to) const {
  if (hasPrefix_) return prefix_.NextCandidate(bytes, pos, limit, to);
  if (anchorStart_) {
    if (pos == 0 || bytes[pos - 1] == kLf) return pos;
    const void* lf = std::memchr(bytes + pos, kLf, limit - pos);
    return lf != nullptr ? static_cast<TextOffset>(static_cast<const std::uint8_t*>(lf) - bytes) + 1 : limit;
  }
  if (firstByteCount_ == 1) {
    const void* at = std::memchr(bytes + pos, onlyFirstByte_, limit - pos);
    return at != nullptr ? static_cast<TextOffset>(static_cast<const std::uint8_t*>(at) - bytes) : limit;
  }
  while (pos < limit && !firstBytes_[bytes[pos]]) ++pos;
  return pos;
}

SearchHit BacktrackSearcher::FindStarting(const std::uint8_t* bytes, std::uint32_t length, TextOffset from,
                                        TextOffset startTo, TextOffset to, bool down, const CancelPoll* poll) const {
  if (never_ || to > length || startTo > to || from >= startTo) return SearchHit{};
  std::vector<TextOffset> stack;
  std::unordered_set<std::uint64_t> failed;
  const Context context{bytes, length, to, &stack, &failed};
  return ScanRange(bytes, from, startTo, down, poll, lead_,
                   [&](TextOffset pos, TextOffset limit, CharBoundaries& boundaries) {
                     while (pos < limit) {
                       const TextOffset at = NextCandidate(bytes, pos, limit, to);
                       if (at >= limit) break;
                       pos = at + 1;
                       if (anchorStart_ && at > 0 && bytes[at - 1] != kLf) continue;
                       if (!boundaries.At(at)) continue;
                       const TextOffset end = MatchFrom(context, 0, at);
                       if (end != kNoMatch && end > at) return SearchHit{true, at, end - at};
                     }
                     return SearchHit{};
                   });
}

}  // namespace quelt
