// UTF-8 and UTF-16 <-> the internal form through code page 932.
//
// Decoding maps each Unicode character through one table of 65,536 codes,
// built once from the code page's tables: a character is kept only when the
// code page converts its code back to the same character, so that nothing
// changes on the way back, except the alternative forms of the two-form
// characters, which the tally notes. Everything else (the best-fit
// conversions such as U+00A5 -> '\', characters beyond the code page,
// characters beyond U+FFFF, malformed sequences) becomes the geta mark.
#include "text/unicode_codec.h"

#include <array>
#include <cstring>
#include <memory>

#include "base/cp932.h"
#include "base/sjis.h"
#include "text/convert_buffer.h"

namespace quelt {
namespace {

constexpr std::uint16_t kNoCode = 0xFFFF;
constexpr std::uint16_t kGetaMark = 0x81AC;
constexpr char16_t kUnknownUnit = kCp932DefaultUnit;  // U+30FB, for a byte that is no character

struct PairForms {
  std::uint16_t code;
  char16_t own;
  char16_t alternative;
};

constexpr PairForms kPairs[kPairCount] = {
    {0x8160, u'\uFF5E', u'\u301C'}, {0x8161, u'\u2225', u'\u2016'}, {0x817C, u'\uFF0D', u'\u2212'},
    {0x8191, u'\uFFE0', u'\u00A2'}, {0x8192, u'\uFFE1', u'\u00A3'}, {0x81CA, u'\uFFE2', u'\u00AC'},
    {0x815C, u'\u2015', u'\u2014'},
};

struct Tables {
  std::array<std::uint16_t, 0x10000> toCode;  // unit -> code, kNoCode when not kept
  std::array<char16_t, 0x10000> toUnit;       // code -> unit, 0 when none (codes 0x00-0xFF: single bytes)
  std::array<std::int8_t, 256> pairOfTrail;   // lead 0x81: trail -> pair, -1 when none
};

const Tables& GetTables() {
  static const std::unique_ptr<Tables> tables = [] {
    auto t = std::make_unique<Tables>();
    t->toUnit.fill(0);
    for (unsigned code = 0; code < 0x10000; ++code) {
      char16_t unit = 0;
      if (Cp932ToUnicode(static_cast<std::uint16_t>(code), unit)) t->toUnit[code] = unit;
    }
    for (unsigned u = 0; u < 0x10000; ++u) {
      std::uint16_t code = 0;
      const bool kept = UnicodeToCp932(static_cast<char16_t>(u), code) && t->toUnit[code] == u &&
                        (code != 0 || u == 0);
      t->toCode[u] = kept ? code : kNoCode;
    }
    t->pairOfTrail.fill(-1);
    for (int p = 0; p < kPairCount; ++p) {
      t->toCode[kPairs[p].alternative] = kPairs[p].code;
      t->pairOfTrail[kPairs[p].code & 0xFF] = static_cast<std::int8_t>(p);
    }
    return t;
  }();
  return *tables;
}

inline void PutPair(std::uint16_t code, std::uint8_t*& out) {
  *out++ = static_cast<std::uint8_t>(code >> 8);
  *out++ = static_cast<std::uint8_t>(code & 0xFF);
}

inline void PutGeta(std::uint8_t*& out, UnicodeTally& tally) {
  PutPair(kGetaMark, out);
  ++tally.unmappable;
}

// One character of the Basic Multilingual Plane other than ASCII.
inline void PutUnit(const Tables& t, char32_t u, std::uint8_t*& out, UnicodeTally& tally) {
  const std::uint16_t code = t.toCode[u];
  if (code == kNoCode) {
    PutGeta(out, tally);
  } else if (code < 0x100) {
    *out++ = static_cast<std::uint8_t>(code);
  } else {
    PutPair(code, out);
    if ((code >> 8) == 0x81) {
      const int p = t.pairOfTrail[code & 0xFF];
      if (p >= 0) ++(u == kPairs[p].own ? tally.own[p] : tally.alternative[p]);
    }
  }
}

constexpr std::uint64_t kOnes = 0x0101010101010101ull;
constexpr std::uint64_t kHighs = 0x8080808080808080ull;
inline bool HasByte(std::uint64_t w, std::uint8_t b) {
  const std::uint64_t x = w ^ (kOnes * b);
  return ((x - kOnes) & ~x & kHighs) != 0;
}

// The bytes of a UTF-8 sequence led by c: the length, and the range its
// second byte must lie in. Length 0: c leads nothing.
struct Utf8Lead {
  std::uint8_t length, low, high;
};
constexpr Utf8Lead LeadOf(std::uint8_t c) {
  if (c >= 0xC2 && c <= 0xDF) return {2, 0x80, 0xBF};
  if (c == 0xE0) return {3, 0xA0, 0xBF};
  if (c == 0xED) return {3, 0x80, 0x9F};  // no surrogates
  if (c >= 0xE1 && c <= 0xEF) return {3, 0x80, 0xBF};
  if (c == 0xF0) return {4, 0x90, 0xBF};
  if (c >= 0xF1 && c <= 0xF3) return {4, 0x80, 0xBF};
  if (c == 0xF4) return {4, 0x80, 0x8F};
  return {0, 0, 0};
}

inline void PutLineEndFrom(const std::uint8_t* in, std::size_t n, std::size_t& i, std::uint8_t*& out) {
  *out++ = kCr;
  *out++ = kLf;
  i += (in[i] == kCr && i + 1 < n && in[i + 1] == kLf) ? 2 : 1;
}

std::size_t Utf8ToInternal(const std::uint8_t* in, std::size_t n, std::size_t stop, bool lineEnds,
                           std::uint8_t* out, std::size_t& taken, UnicodeTally& tally) {
  const Tables& t = GetTables();
  std::uint8_t* const start = out;
  std::size_t i = 0;
  while (i < stop) {
    const std::uint8_t c = in[i];
    // The common case of Japanese text first: runs of three-byte sequences
    // of double-byte characters other than the two-form ones.
    if ((c & 0xF0) == 0xE0) {
      const std::uint16_t* const toCode = t.toCode.data();
      std::size_t j = i;
      std::uint8_t* o = out;
      while (j < stop && j + 2 < n) {
        const unsigned lead = in[j], b1 = in[j + 1], b2 = in[j + 2];
        if ((lead & 0xF0) != 0xE0 || ((b1 | b2 << 8) & 0xC0C0) != 0x8080) break;
        const unsigned u = (lead & 0x0F) << 12 | (b1 & 0x3F) << 6 | (b2 & 0x3F);
        if (u < 0x800 || (u >= 0xD800 && u <= 0xDFFF)) break;  // overlong, surrogate
        const unsigned code = toCode[u];
        if (code == kNoCode || code <= 0xFF || (code >> 8) == 0x81) break;
        o[0] = static_cast<std::uint8_t>(code >> 8);
        o[1] = static_cast<std::uint8_t>(code);
        o += 2;
        j += 3;
      }
      if (j != i) {
        out = o;
        i = j;
        continue;
      }
    }
    if (c < 0x80) {
      // ASCII runs, eight bytes at a time.
      bool run = false;
      while (i + 8 <= stop) {
        std::uint64_t w;
        std::memcpy(&w, in + i, 8);
        if ((w & kHighs) != 0 || (lineEnds && (HasByte(w, kCr) || HasByte(w, kLf)))) break;
        std::memcpy(out, &w, 8);
        out += 8;
        i += 8;
        run = true;
      }
      if (run) continue;
      if (lineEnds && (c == kCr || c == kLf)) {
        PutLineEndFrom(in, n, i, out);
      } else {
        *out++ = c;
        ++i;
      }
      continue;
    }
    const Utf8Lead lead = LeadOf(c);
    // The longest valid start of a sequence is one malformed character.
    std::size_t k = 1;
    if (lead.length != 0 && i + 1 < n && in[i + 1] >= lead.low && in[i + 1] <= lead.high) {
      k = 2;
      while (k < lead.length && i + k < n && (in[i + k] & 0xC0) == 0x80) ++k;
    }
    if (k < lead.length || lead.length == 0) {
      PutGeta(out, tally);
    } else if (k == 2) {
      PutUnit(t, static_cast<char32_t>((c & 0x1F) << 6 | (in[i + 1] & 0x3F)), out, tally);
    } else if (k == 3) {
      PutUnit(t, static_cast<char32_t>((c & 0x0F) << 12 | (in[i + 1] & 0x3F) << 6 | (in[i + 2] & 0x3F)), out,
              tally);
    } else {
      PutGeta(out, tally);  // beyond U+FFFF: never in code page 932
    }
    i += k;
  }
  taken = i;
  return static_cast<std::size_t>(out - start);
}

template <bool kBigEndian>
inline char16_t UnitAt(const std::uint8_t* p) {
  return kBigEndian ? static_cast<char16_t>(p[0] << 8 | p[1]) : static_cast<char16_t>(p[1] << 8 | p[0]);
}

template <bool kBigEndian>
std::size_t Utf16ToInternal(const std::uint8_t* in, std::size_t n, std::size_t stop, bool lineEnds,
                            std::uint8_t* out, std::size_t& taken, UnicodeTally& tally) {
  const Tables& t = GetTables();
  std::uint8_t* const start = out;
  std::size_t i = 0;
  while (i < stop) {
    if (i + 1 >= n) {  // an odd byte at the end
      PutGeta(out, tally);
      i = n;
      break;
    }
    const char16_t u = UnitAt<kBigEndian>(in + i);
    if (u < 0x80) {
      if (lineEnds && (u == kCr || u == kLf)) {
        *out++ = kCr;
        *out++ = kLf;
        i += (u == kCr && i + 3 < n && UnitAt<kBigEndian>(in + i + 2) == kLf) ? 4 : 2;
      } else {
        *out++ = static_cast<std::uint8_t>(u);
        i += 2;
      }
    } else if (u >= 0xD800 && u <= 0xDFFF) {
      // A surrogate pair is beyond the code page; a lone surrogate is malformed.
      const bool pair = u <= 0xDBFF && i + 3 < n && UnitAt<kBigEndian>(in + i + 2) >= 0xDC00 &&
                        UnitAt<kBigEndian>(in + i + 2) <= 0xDFFF;
      PutGeta(out, tally);
      i += pair ? 4 : 2;
    } else {
      PutUnit(t, u, out, tally);
      i += 2;
    }
  }
  taken = i;
  return static_cast<std::size_t>(out - start);
}

// ---- Encoding ----

// Walks internal text and hands each piece to the sink: ASCII bytes, line
// ends (CR LF) and the units of all other characters.
template <typename Sink>
void WalkInternal(const std::uint8_t* in, std::size_t n, UnicodeForms forms, Sink& sink) {
  const Tables& t = GetTables();
  std::size_t i = 0;
  while (i < n) {
    const std::uint8_t c = in[i];
    if (c < 0x80) {
      if constexpr (Sink::kAsciiRuns) {
        bool run = false;
        while (i + 8 <= n) {
          std::uint64_t w;
          std::memcpy(&w, in + i, 8);
          if ((w & kHighs) != 0 || HasByte(w, kCr)) break;
          sink.Ascii8(w);
          i += 8;
          run = true;
        }
        if (run) continue;
      }
      if (c == kCr && i + 1 < n && in[i + 1] == kLf) {
        sink.LineEnd();
        i += 2;
      } else {
        sink.Ascii(c);
        ++i;
      }
      continue;
    }
    if constexpr (Sink::kAsciiRuns) {
      // UTF-8: runs of double-byte characters of three-byte sequences other
      // than the two-form ones.
      const char16_t* const toUnit = t.toUnit.data();
      std::size_t j = i;
      std::uint8_t* o = sink.out;
      while (j + 1 < n) {
        const unsigned lead = in[j], trail = in[j + 1];
        if (!IsSjisLeadByte(static_cast<std::uint8_t>(lead)) || lead == 0x81 ||
            !IsSjisTrailByte(static_cast<std::uint8_t>(trail)))
          break;
        const unsigned u = toUnit[lead << 8 | trail];
        if (u < 0x800) break;  // undefined, or a two-byte sequence
        o[0] = static_cast<std::uint8_t>(0xE0 | u >> 12);
        o[1] = static_cast<std::uint8_t>(0x80 | (u >> 6 & 0x3F));
        o[2] = static_cast<std::uint8_t>(0x80 | (u & 0x3F));
        o += 3;
        j += 2;
      }
      if (j != i) {
        sink.out = o;
        i = j;
        continue;
      }
    }
    if (IsSjisLeadByte(c) && i + 1 < n && IsSjisTrailByte(in[i + 1])) {
      const std::uint8_t trail = in[i + 1];
      char16_t u = t.toUnit[static_cast<std::uint16_t>(c << 8 | trail)];
      if (u == 0) {
        u = kUnknownUnit;
      } else if (c == 0x81) {
        const int p = t.pairOfTrail[trail];
        if (p >= 0 && (forms.alternative >> p & 1)) u = kPairs[p].alternative;
      }
      sink.Unit(u);
      i += 2;
      continue;
    }
    const char16_t u = t.toUnit[c];
    sink.Unit(u == 0 ? kUnknownUnit : u);
    ++i;
  }
}

struct Utf8Sink {
  static constexpr bool kAsciiRuns = true;
  std::uint8_t* out;
  std::uint8_t lineEnd[2];
  int lineEndCount;
  void Ascii8(std::uint64_t w) {
    std::memcpy(out, &w, 8);
    out += 8;
  }
  void Ascii(std::uint8_t c) { *out++ = c; }
  void LineEnd() {
    *out++ = lineEnd[0];
    if (lineEndCount == 2) *out++ = lineEnd[1];
  }
  void Unit(char16_t u) {
    if (u < 0x80) {
      *out++ = static_cast<std::uint8_t>(u);
    } else if (u < 0x800) {
      *out++ = static_cast<std::uint8_t>(0xC0 | u >> 6);
      *out++ = static_cast<std::uint8_t>(0x80 | (u & 0x3F));
    } else {
      *out++ = static_cast<std::uint8_t>(0xE0 | u >> 12);
      *out++ = static_cast<std::uint8_t>(0x80 | (u >> 6 & 0x3F));
      *out++ = static_cast<std::uint8_t>(0x80 | (u & 0x3F));
    }
  }
};

template <bool kBigEndian>
struct Utf16Sink {
  static constexpr bool kAsciiRuns = false;
  std::uint8_t* out;
  std::uint8_t lineEnd[2];
  int lineEndCount;
  void Ascii(std::uint8_t c) { Unit(c); }
  void LineEnd() {
    Unit(lineEnd[0]);
    if (lineEndCount == 2) Unit(lineEnd[1]);
  }
  void Unit(char16_t u) {
    if (kBigEndian) {
      *out++ = static_cast<std::uint8_t>(u >> 8);
      *out++ = static_cast<std::uint8_t>(u & 0xFF);
    } else {
      *out++ = static_cast<std::uint8_t>(u & 0xFF);
      *out++ = static_cast<std::uint8_t>(u >> 8);
    }
  }
};

template <typename Sink>
std::size_t Encode(const std::uint8_t* text, std::size_t n, LineEndId lineEnd, UnicodeForms forms,
                   std::uint8_t* out) {
  Sink sink{};
  sink.out = out;
  sink.lineEnd[0] = lineEnd == LineEndId::kLf ? kLf : kCr;
  sink.lineEnd[1] = kLf;
  sink.lineEndCount = (lineEnd == LineEndId::kCr || lineEnd == LineEndId::kLf) ? 1 : 2;
  WalkInternal(text, n, forms, sink);
  return static_cast<std::size_t>(sink.out - out);
}

bool StartsWith(const std::uint8_t* p, std::size_t n, std::string_view prefix) {
  return n >= prefix.size() && std::memcmp(p, prefix.data(), prefix.size()) == 0;
}

}  // namespace

std::string_view SignatureOf(CharCodeId code) {
  switch (code) {
    case CharCodeId::kUtf8Bom:
      return "\xEF\xBB\xBF";
    case CharCodeId::kUtf16Le:
      return "\xFF\xFE";
    case CharCodeId::kUtf16Be:
      return "\xFE\xFF";
    default:
      return {};
  }
}

std::size_t UnicodeToInternal(const std::uint8_t* in, std::size_t n, std::size_t stop, CharCodeId code,
                              bool lineEnds, std::uint8_t* out, std::size_t& taken, UnicodeTally& tally) {
  if (code == CharCodeId::kUtf16Le) return Utf16ToInternal<false>(in, n, stop, lineEnds, out, taken, tally);
  if (code == CharCodeId::kUtf16Be) return Utf16ToInternal<true>(in, n, stop, lineEnds, out, taken, tally);
  return Utf8ToInternal(in, n, stop, lineEnds, out, taken, tally);
}

UnicodeDecoded DecodeUnicode(const std::uint8_t* file, std::size_t n, CharCodeId code, int selector) {
  UnicodeDecoded result;
  if (file == nullptr) n = 0;
  const std::string_view signature = SignatureOf(code);
  if (!signature.empty() && StartsWith(file, n, signature)) {
    file += signature.size();
    n -= signature.size();
  }
  if (!AllocateConverted(result, 2 * n + 2)) return result;
  std::size_t taken = 0;
  const std::size_t written = UnicodeToInternal(file, n, n, code, selector != kSelectorCrLf,
                                                reinterpret_cast<std::uint8_t*>(result.bytes.data()), taken,
                                                result.tally);
  result.bytes.resize(written);
  return result;
}

ConvertResult EncodeUnicode(const std::uint8_t* text, std::size_t n, CharCodeId code, LineEndId lineEnd,
                            UnicodeForms forms) {
  ConvertResult result;
  if (text == nullptr) n = 0;
  const std::string_view signature = SignatureOf(code);
  const bool utf16 = IsUtf16Code(code);
  if (!AllocateConverted(result, signature.size() + (utf16 ? 2 * n : 3 * n))) return result;
  auto* out = reinterpret_cast<std::uint8_t*>(result.bytes.data());
  if (!signature.empty()) std::memcpy(out, signature.data(), signature.size());
  out += signature.size();
  std::size_t written = 0;
  if (code == CharCodeId::kUtf16Le) {
    written = Encode<Utf16Sink<false>>(text, n, lineEnd, forms, out);
  } else if (code == CharCodeId::kUtf16Be) {
    written = Encode<Utf16Sink<true>>(text, n, lineEnd, forms, out);
  } else {
    written = Encode<Utf8Sink>(text, n, lineEnd, forms, out);
  }
  result.bytes.resize(signature.size() + written);
  return result;
}

bool UnicodeOfInternalChar(const std::uint8_t* c, std::size_t k, char32_t& value) {
  if (c == nullptr || k == 0) return false;
  const Tables& t = GetTables();
  char16_t u = 0;
  if (k >= 2 && IsSjisLeadByte(c[0]) && IsSjisTrailByte(c[1])) {
    u = t.toUnit[static_cast<std::uint16_t>(c[0] << 8 | c[1])];
  } else if (k == 1) {
    u = t.toUnit[c[0]];
    if (c[0] == 0) return value = 0, true;
  }
  if (u == 0) return false;
  value = u;
  return true;
}

}  // namespace quelt
