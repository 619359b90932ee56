// Whole-buffer conversions between the file codes (Shift-JIS, JIS, EUC with
// CR LF, CR or LF) and the internal form (Shift-JIS with CR LF). The Unicode
// codes are handed to unicode_codec.cpp.
//
// Every routine writes into a buffer sized for its worst case and trims it
// afterwards, so the inner loops need no bounds checks on the output.
#include <cstring>

#include "base/sjis.h"
#include "text/char_code.h"
#include "text/convert_buffer.h"
#include "text/jis_mapping.h"
#include "text/unicode_codec.h"

namespace quelt {
namespace {

constexpr std::uint8_t kSingleShift2 = 0x8E;  // EUC: a half-width katakana byte follows
constexpr std::uint8_t kEucOffset = 0x80;     // EUC byte = JIS byte + 0x80
constexpr std::uint8_t kSingleShift3 = 0x8F;  // EUC: a JIS X 0212 pair follows
// The geta mark, written for a character the internal form cannot hold.
constexpr std::uint16_t kGetaMark = 0x81AC;

inline bool IsLineEndByte(std::uint8_t c) { return c == kCr || c == kLf; }

// ESC $ B or ESC $ @ (start of a two-byte run) at in[i].
inline bool IsKanjiIn(const std::uint8_t* in, std::size_t n, std::size_t i) {
  return i + 2 < n && in[i] == kEsc && in[i + 1] == '$' && (in[i + 2] == 'B' || in[i + 2] == '@');
}
// ESC ( B or ESC ( J (end of a two-byte run) at in[i].
inline bool IsKanjiOut(const std::uint8_t* in, std::size_t n, std::size_t i) {
  return i + 2 < n && in[i] == kEsc && in[i + 1] == '(' && (in[i + 2] == 'B' || in[i + 2] == 'J');
}

// Writes CR LF for the line end at in[i] (CR LF, lone CR or lone LF) and
// returns how many input bytes it took.
inline std::size_t PutLineEnd(const std::uint8_t* in, std::size_t n, std::size_t i, std::uint8_t*& out) {
  *out++ = kCr;
  *out++ = kLf;
  return (in[i] == kCr && i + 1 < n && in[i + 1] == kLf) ? 2 : 1;
}

inline void PutPair(std::uint16_t code, std::uint8_t*& out) {
  *out++ = static_cast<std::uint8_t>(code >> 8);
  *out++ = static_cast<std::uint8_t>(code & 0xFF);
}

// The routines into the internal form convert the positions before `stop`
// (at most n); a decision at a position looks at no more than the three
// bytes after it, so with stop <= n - 3 every decision is the one the whole
// buffer would give. They return the bytes written and leave in `taken` how
// many input bytes they used.

// Output at most 2n bytes.
std::size_t SjisToInternal(const std::uint8_t* in, std::size_t n, std::size_t stop, bool lineEnds,
                           std::uint8_t* out, std::size_t& taken) {
  std::uint8_t* const start = out;
  std::size_t i = 0;
  for (; i < stop;) {
    const std::uint8_t c = in[i];
    if (lineEnds && IsLineEndByte(c)) {
      i += PutLineEnd(in, n, i, out);
    } else {
      *out++ = c;
      ++i;
    }
  }
  taken = i;
  return static_cast<std::size_t>(out - start);
}

// Output at most 2n bytes. Outside a kanji run only ESC $ B and ESC $ @ are
// escapes; ESC ( B and ESC ( J there are ordinary bytes and stay in the text,
// so they are written back unchanged. Inside a run a repeated ESC $ B / $ @ is
// skipped rather than read as a pair, and a pair never swallows a line end or
// the escape that follows a stray single byte: one bad byte would otherwise
// garble the rest of the run, or of the file.
// `kanji` carries the mode from one piece of a file to the next.
std::size_t JisToInternal(const std::uint8_t* in, std::size_t n, std::size_t stop, bool lineEnds, bool& kanji,
                          std::uint8_t* out, std::size_t& taken) {
  std::uint8_t* const start = out;
  std::size_t i = 0;
  for (; i < stop;) {
    const std::uint8_t c = in[i];
    if (lineEnds && IsLineEndByte(c)) {
      i += PutLineEnd(in, n, i, out);
      continue;
    }
    if (c == kEsc) {
      if (IsKanjiIn(in, n, i)) {
        kanji = true;
        i += 3;
        continue;
      }
      if (kanji && IsKanjiOut(in, n, i)) {
        kanji = false;
        i += 3;
        continue;
      }
    }
    if (kanji && !IsLineEndByte(c) && i + 1 < n && !IsLineEndByte(in[i + 1]) &&
        !IsKanjiIn(in, n, i + 1) && !IsKanjiOut(in, n, i + 1)) {
      PutPair(JisToSjis(c, in[i + 1]), out);
      i += 2;
      continue;
    }
    *out++ = c;
    ++i;
  }
  taken = i;
  return static_cast<std::size_t>(out - start);
}

// Output at most 2n bytes. A lead byte followed by a line end is dropped
// rather than taking the line end into a pair.
std::size_t EucToInternal(const std::uint8_t* in, std::size_t n, std::size_t stop, bool lineEnds,
                          std::uint8_t* out, std::size_t& taken) {
  std::uint8_t* const start = out;
  std::size_t i = 0;
  for (; i < stop;) {
    const std::uint8_t c = in[i];
    if (c < 0x80) {
      if (lineEnds && IsLineEndByte(c)) {
        i += PutLineEnd(in, n, i, out);
      } else {
        *out++ = c;
        ++i;
      }
      continue;
    }
    if (i + 1 >= n) {  // a lone first byte at the end is dropped
      i = n;
      break;
    }
    const std::uint8_t next = in[i + 1];
    if (IsLineEndByte(next)) {
      ++i;
      continue;
    }
    if (c == kSingleShift2) {
      *out++ = next;
      i += 2;
    } else if (c == kSingleShift3 && i + 2 < n && next >= 0xA1 && next != 0xFF && in[i + 2] >= 0xA1 &&
               in[i + 2] != 0xFF) {
      // A JIS X 0212 character has no Shift-JIS form; it must not become
      // the JIS X 0208 character its last two bytes would name.
      PutPair(kGetaMark, out);
      i += 3;
    } else if (c <= 0xA0 || c == 0xFF) {
      ++i;
    } else {
      PutPair(JisToSjis(static_cast<std::uint8_t>(c - kEucOffset), static_cast<std::uint8_t>(next - kEucOffset)),
              out);
      i += 2;
    }
  }
  taken = i;
  return static_cast<std::size_t>(out - start);
}

// The line-end bytes written for an internal CR LF.
struct LineEndBytes {
  std::uint8_t bytes[2];
  int count;
};

LineEndBytes LineEndBytesOf(LineEndId id) {
  if (id == LineEndId::kCr) return {{kCr, 0}, 1};
  if (id == LineEndId::kLf) return {{kLf, 0}, 1};
  return {{kCr, kLf}, 2};
}

inline void PutLineEndBytes(const LineEndBytes& le, std::uint8_t*& out) {
  *out++ = le.bytes[0];
  if (le.count == 2) *out++ = le.bytes[1];
}

// Output at most n bytes.
std::size_t InternalToSjis(const std::uint8_t* in, std::size_t n, LineEndId lineEnd, std::uint8_t* out) {
  std::uint8_t* const start = out;
  const LineEndBytes le = LineEndBytesOf(lineEnd);
  for (std::size_t i = 0; i < n;) {
    if (in[i] == kCr && i + 1 < n && in[i + 1] == kLf) {
      PutLineEndBytes(le, out);
      i += 2;
    } else {
      *out++ = in[i++];
    }
  }
  return static_cast<std::size_t>(out - start);
}

// Output at most 3n + 3 bytes. Half-width katakana stays 8-bit, without an
// escape. A lead byte at the very end has no pair and is copied.
std::size_t InternalToJis(const std::uint8_t* in, std::size_t n, LineEndId lineEnd, std::uint8_t* out) {
  std::uint8_t* const start = out;
  const LineEndBytes le = LineEndBytesOf(lineEnd);
  bool kanji = false;
  for (std::size_t i = 0; i < n;) {
    const std::uint8_t c = in[i];
    if (IsSjisLeadByte(c) && i + 1 < n) {
      if (!kanji) {
        *out++ = kEsc;
        *out++ = '$';
        *out++ = 'B';
        kanji = true;
      }
      PutPair(SjisToFileJis(c, in[i + 1]), out);
      i += 2;
      continue;
    }
    if (kanji) {
      *out++ = kEsc;
      *out++ = '(';
      *out++ = 'B';
      kanji = false;
    }
    if (c == kCr && i + 1 < n && in[i + 1] == kLf) {
      PutLineEndBytes(le, out);
      i += 2;
    } else {
      *out++ = c;
      ++i;
    }
  }
  if (kanji) {
    *out++ = kEsc;
    *out++ = '(';
    *out++ = 'B';
  }
  return static_cast<std::size_t>(out - start);
}

// Output at most 2n bytes. An unmapped character is written as its zero JIS
// value plus 0x80 (0x80 0x80), which no EUC reader takes for a character.
std::size_t InternalToEuc(const std::uint8_t* in, std::size_t n, LineEndId lineEnd, std::uint8_t* out) {
  std::uint8_t* const start = out;
  const LineEndBytes le = LineEndBytesOf(lineEnd);
  for (std::size_t i = 0; i < n;) {
    const std::uint8_t c = in[i];
    if (IsSjisLeadByte(c) && i + 1 < n) {
      const std::uint16_t j = SjisToFileJis(c, in[i + 1]);
      *out++ = static_cast<std::uint8_t>((j >> 8) + kEucOffset);
      *out++ = static_cast<std::uint8_t>((j & 0xFF) + kEucOffset);
      i += 2;
    } else if (IsHalfKana(c)) {
      *out++ = kSingleShift2;
      *out++ = c;
      ++i;
    } else if (c == kCr && i + 1 < n && in[i + 1] == kLf) {
      PutLineEndBytes(le, out);
      i += 2;
    } else {
      *out++ = c;
      ++i;
    }
  }
  return static_cast<std::size_t>(out - start);
}

template <typename Routine>
ConvertResult Run(std::size_t n, std::size_t bound, Routine routine) {
  ConvertResult result;
  if (n > kMaxConvertBytes) {
    result.status = ConvertStatus::kTooLarge;
    return result;
  }
  if (!AllocateConverted(result, bound)) return result;
  const std::size_t written = routine(reinterpret_cast<std::uint8_t*>(result.bytes.data()));
  result.bytes.resize(written);
  return result;
}

}  // namespace

ConvertResult ToInternal(const std::uint8_t* buffer, std::size_t n, CharCodeId code, int selector) {
  if (buffer == nullptr) n = 0;
  if (IsUnicodeCode(code)) {
    UnicodeDecoded decoded = DecodeUnicode(buffer, n, code, selector);
    return ConvertResult{decoded.status, std::move(decoded.bytes)};
  }
  const bool lineEnds = selector != kSelectorCrLf;
  bool kanji = false;
  std::size_t taken = 0;
  return Run(n, 2 * n, [&](std::uint8_t* out) {
    switch (code) {
      case CharCodeId::kJis:
        return JisToInternal(buffer, n, n, lineEnds, kanji, out, taken);
      case CharCodeId::kEuc:
        return EucToInternal(buffer, n, n, lineEnds, out, taken);
      default:
        return SjisToInternal(buffer, n, n, lineEnds, out, taken);
    }
  });
}

std::size_t InternalStream::Convert(const std::uint8_t* in, std::size_t n, bool last, std::string& out) {
  if (in == nullptr) n = 0;
  // Three bytes of look-ahead stay for the next piece unless this is the last.
  const std::size_t stop = last ? n : (n > 3 ? n - 3 : 0);
  if (stop == 0 && !last) return 0;
  std::size_t skipped = 0;
  if (!started_ && IsUnicodeCode(code_)) {
    // The signature is looked for once enough bytes are there to skip it.
    if (!last && n < 6) return 0;
    started_ = true;
    const std::string_view signature = SignatureOf(code_);
    if (!signature.empty() && n >= signature.size() && std::memcmp(in, signature.data(), signature.size()) == 0) {
      skipped = signature.size();
    }
  }
  const std::size_t before = out.size();
  out.resize(before + 2 * n + 2);
  auto* to = reinterpret_cast<std::uint8_t*>(out.data()) + before;
  const bool lineEnds = selector_ != kSelectorCrLf;
  std::size_t taken = 0, written = 0;
  switch (code_) {
    case CharCodeId::kUtf8:
    case CharCodeId::kUtf8Bom:
    case CharCodeId::kUtf16Le:
    case CharCodeId::kUtf16Be:
      written = UnicodeToInternal(in + skipped, n - skipped, stop - skipped, code_, lineEnds, to, taken, tally_);
      taken += skipped;
      break;
    case CharCodeId::kJis:
      written = JisToInternal(in, n, stop, lineEnds, kanji_, to, taken);
      break;
    case CharCodeId::kEuc:
      written = EucToInternal(in, n, stop, lineEnds, to, taken);
      break;
    default:
      written = SjisToInternal(in, n, stop, lineEnds, to, taken);
      break;
  }
  out.resize(before + written);
  return taken;
}

ConvertResult FromInternal(const std::uint8_t* text, std::size_t n, CharCodeId code, LineEndId lineEnd) {
  if (text == nullptr) n = 0;
  if (IsUnicodeCode(code)) return EncodeUnicode(text, n, code, lineEnd, UnicodeForms{});
  const std::size_t bound = code == CharCodeId::kJis ? 3 * n + 3 : code == CharCodeId::kEuc ? 2 * n : n;
  return Run(n, bound, [&](std::uint8_t* out) {
    switch (code) {
      case CharCodeId::kJis:
        return InternalToJis(text, n, lineEnd, out);
      case CharCodeId::kEuc:
        return InternalToEuc(text, n, lineEnd, out);
      default:
        return InternalToSjis(text, n, lineEnd, out);
    }
  });
}

}  // namespace quelt
