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

#include <algorithm>
#include <array>
#include <bit>
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
  // The quick paths. plainCode: unit -> double-byte code of a character of
  // a three-byte sequence that is no two-form character, 0 otherwise.
  // utf8Of: code (a single byte, or lead << 8 | trail) -> its UTF-8 bytes,
  // first byte lowest, and their count in the top byte; 0 for CR, undefined
  // codes, the two-form characters and byte pairs that are no character.
  std::array<std::uint16_t, 0x10000> plainCode;
  std::array<std::uint32_t, 0x10000> utf8Of;
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
    t->plainCode.fill(0);
    for (unsigned u = 0x800; u < 0x10000; ++u) {
      const std::uint16_t code = t->toCode[u];
      if (code != kNoCode && code > 0xFF && !((code >> 8) == 0x81 && t->pairOfTrail[code & 0xFF] >= 0))
        t->plainCode[u] = code;
    }
    t->utf8Of.fill(0);
    for (unsigned code = 0; code < 0x10000; ++code) {
      const bool pair = code > 0xFF;
      if (pair ? !(IsSjisLeadByte(static_cast<std::uint8_t>(code >> 8)) &&
                   IsSjisTrailByte(static_cast<std::uint8_t>(code & 0xFF)))
               : (IsSjisLeadByte(static_cast<std::uint8_t>(code)) || code == kCr))
        continue;
      if (pair && (code >> 8) == 0x81 && t->pairOfTrail[code & 0xFF] >= 0) continue;
      const unsigned u = t->toUnit[code];
      if (u == 0 && code != 0) continue;
      if (u < 0x80) {
        t->utf8Of[code] = 1u << 24 | u;
      } else if (u < 0x800) {
        t->utf8Of[code] = 2u << 24 | (0x80 | (u & 0x3F)) << 8 | (0xC0 | u >> 6);
      } else {
        t->utf8Of[code] = 3u << 24 | (0x80 | (u & 0x3F)) << 16 | (0x80 | (u >> 6 & 0x3F)) << 8 | (0xE0 | u >> 12);
      }
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

// How many of the eight bytes at p, from the first, are ASCII other than
// CR (and LF when lf is set); w gets the eight bytes, which the caller
// copies whole. The runs of program text go a word at a time so.
inline unsigned AsciiRun(const std::uint8_t* p, bool lf, std::uint64_t& w) {
  std::memcpy(&w, p, 8);
  // A byte's high bit marks it; the lowest mark is exact (the borrows of
  // the subtraction run only above a byte that matches).
  const auto marks = [&w](std::uint8_t b) {
    const std::uint64_t x = w ^ (kOnes * b);
    return (x - kOnes) & ~x & kHighs;
  };
  const std::uint64_t stops = (w & kHighs) | marks(kCr) | (lf ? marks(kLf) : 0);
  if (stops == 0) return 8;
  if constexpr (std::endian::native == std::endian::little) {
    return static_cast<unsigned>(std::countr_zero(stops)) / 8;
  } else {
    return 0;
  }
}

// 1 for a Shift-JIS lead byte (0x81-0x9F, 0xE0-0xFC), else 0: XOR 0x20
// moves both ranges next to each other, to 0xA1-0xDC.
inline unsigned LeadBit(unsigned c) { return ((c ^ 0x20u) - 0xA1u) < 0x3Cu; }

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

// A three-byte sequence led by c at in[0..3): the character, or 0 when the
// bytes are no such sequence (an overlong form or a surrogate included).
inline char32_t ThreeByteUnit(std::uint8_t c, const std::uint8_t* in) {
  const unsigned b1 = in[1], b2 = in[2];
  if (((b1 | b2 << 8) & 0xC0C0) != 0x8080) return 0;
  const unsigned u = (c & 0x0Fu) << 12 | (b1 & 0x3Fu) << 6 | (b2 & 0x3Fu);
  if (u < 0x800 || (u >= 0xD800 && u <= 0xDFFF)) return 0;
  return u;
}

std::size_t Utf8ToInternal(const std::uint8_t* in, std::size_t n, std::size_t stop, bool lineEnds,
                           std::uint8_t* out, std::size_t& taken, UnicodeTally& tally) {
  const Tables& t = GetTables();
  std::uint8_t* const start = out;
  std::size_t i = 0;
  const std::uint16_t* const plainCode = t.plainCode.data();
  const std::size_t quickEnd = n >= 2 ? std::min(stop, n - 2) : 0;
  while (i < stop) {
    // The common characters of Japanese text: ASCII bytes, line ends, and
    // three-byte sequences of plain double-byte characters.
    while (i < quickEnd) {
      const unsigned c = in[i];
      if (c < 0x80) {
        std::uint64_t w;
        if (i + 8 <= stop) {
          const unsigned run = AsciiRun(in + i, lineEnds, w);
          if (run != 0) {
            std::memcpy(out, &w, 8);
            out += run;
            i += run;
            continue;
          }
        }
        if (c <= kCr && lineEnds && (c == kCr || c == kLf)) {
          out[0] = kCr;
          out[1] = kLf;
          out += 2;
          i += (c == kCr && in[i + 1] == kLf) ? 2 : 1;
          continue;
        }
        *out++ = static_cast<std::uint8_t>(c);
        ++i;
        continue;
      }
      const unsigned b1 = in[i + 1], b2 = in[i + 2];
      const unsigned code = plainCode[(c & 0x0Fu) << 12 | (b1 & 0x3Fu) << 6 | (b2 & 0x3Fu)];
      if ((c & 0xF0) != 0xE0 || ((b1 | b2 << 8) & 0xC0C0) != 0x8080 || code == 0) break;
      out[0] = static_cast<std::uint8_t>(code >> 8);
      out[1] = static_cast<std::uint8_t>(code);
      out += 2;
      i += 3;
    }
    if (i >= stop) break;
    const std::uint8_t c = in[i];
    if (c < 0x80) {
      if (c <= kCr && lineEnds && (c == kCr || c == kLf)) {
        PutLineEndFrom(in, n, i, out);
      } else {
        *out++ = c;
        ++i;
      }
      continue;
    }
    // The common case of Japanese text: a three-byte sequence.
    if ((c & 0xF0) == 0xE0 && i + 2 < n) {
      const char32_t u = ThreeByteUnit(c, in + i);
      if (u != 0) {
        PutUnit(t, u, out, tally);
        i += 3;
        continue;
      }
    }
    const Utf8Lead lead = LeadOf(c);
    // The longest valid start of a sequence is one malformed character.
    std::size_t k = 1;
    if (lead.length != 0 && i + 1 < n && in[i + 1] >= lead.low && in[i + 1] <= lead.high) {
      k = 2;
      while (k < lead.length && i + k < n && (in[i + k] & 0xC0) == 0x80) ++k;
    }
    if (k < lead.length || lead.length == 0 || k == 4) {
      PutGeta(out, tally);  // malformed, or beyond U+FFFF: never in code page 932
    } else if (k == 2) {
      PutUnit(t, static_cast<char32_t>((c & 0x1F) << 6 | (in[i + 1] & 0x3F)), out, tally);
    } else {
      PutUnit(t, ThreeByteUnit(c, in + i), out, tally);
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
    if constexpr (Sink::kQuick) {
      // UTF-8: every character but CR, the two-form ones and bytes that are
      // no character, through the table of finished bytes; CR LF writes the
      // line end's bytes.
      const std::uint32_t* const utf8Of = t.utf8Of.data();
      std::uint32_t lineEndV = 0;  // the line end's bytes, first lowest, and their count on top
      std::memcpy(&lineEndV, sink.lineEnd, 2);
      lineEndV = (lineEndV & 0xFFFF) | static_cast<std::uint32_t>(sink.lineEndCount) << 24;
      std::uint8_t* o = sink.out;
      // Two characters a step: whether the second starts one byte or two
      // after the first is chosen among values computed side by side, so
      // that each step waits for one byte load rather than two.
      while (i + 3 < n) {
        std::uint64_t w;
        if (i + 8 <= n) {
          const unsigned run = AsciiRun(in + i, false, w);
          if (run != 0) {
            std::memcpy(o, &w, 8);
            o += run;
            i += run;
            continue;
          }
        }
        const unsigned c0 = in[i], c1 = in[i + 1], c2 = in[i + 2], c3 = in[i + 3];
        const unsigned l0 = LeadBit(c0), l1 = LeadBit(c1), l2 = LeadBit(c2);
        const unsigned m0 = 0u - l0;
        const unsigned d0 = (c2 & m0) | (c1 & ~m0), d1 = (c3 & m0) | (c2 & ~m0), ld = (l2 & m0) | (l1 & ~m0);
        const std::uint32_t v0 = utf8Of[(c0 << (8 * l0)) | (c1 & m0)];
        const std::uint32_t v1 = utf8Of[(d0 << (8 * ld)) | (d1 & (0u - ld))];
        if (v0 == 0) {
          if (c0 != kCr || c1 != kLf) break;
          std::memcpy(o, &lineEndV, 2);
          o += lineEndV >> 24;
          i += 2;
          continue;
        }
        o[0] = static_cast<std::uint8_t>(v0);
        o[1] = static_cast<std::uint8_t>(v0 >> 8);
        o[2] = static_cast<std::uint8_t>(v0 >> 16);
        o += v0 >> 24;
        if (v1 == 0) {  // the next step starts at the second character
          i += 1 + l0;
          continue;
        }
        o[0] = static_cast<std::uint8_t>(v1);
        o[1] = static_cast<std::uint8_t>(v1 >> 8);
        o[2] = static_cast<std::uint8_t>(v1 >> 16);
        o += v1 >> 24;
        i += 2 + l0 + ld;
      }
      while (i + 1 < n) {
        // In integer arithmetic, so that no branch guesses the class of
        // the character.
        const unsigned c = in[i], next = in[i + 1];
        const unsigned lead = LeadBit(c);
        const std::uint32_t v = utf8Of[(c << (8 * lead)) | (next & (0u - lead))];
        if (v == 0) break;
        o[0] = static_cast<std::uint8_t>(v);
        o[1] = static_cast<std::uint8_t>(v >> 8);
        o[2] = static_cast<std::uint8_t>(v >> 16);
        o += v >> 24;
        i += 1 + lead;
      }
      sink.out = o;
      if (i >= n) break;
    }
    const std::uint8_t c = in[i];
    if (c < 0x80) {
      if (c == kCr && i + 1 < n && in[i + 1] == kLf) {
        sink.LineEnd();
        i += 2;
      } else {
        sink.Ascii(c);
        ++i;
      }
      continue;
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
  static constexpr bool kQuick = true;
  std::uint8_t* out;
  std::uint8_t lineEnd[2];
  int lineEndCount;
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
  static constexpr bool kQuick = false;
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

bool IsWellFormedUtf8(const std::uint8_t* in, std::size_t n) {
  for (std::size_t i = 0; i < n;) {
    const std::uint8_t c = in[i];
    if (c < 0x80) {
      ++i;
      continue;
    }
    const Utf8Lead lead = LeadOf(c);
    if (lead.length == 0 || i + lead.length > n || in[i + 1] < lead.low || in[i + 1] > lead.high) return false;
    for (std::size_t k = 2; k < lead.length; ++k)
      if ((in[i + k] & 0xC0) != 0x80) return false;
    i += lead.length;
  }
  return true;
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
