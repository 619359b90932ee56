// Names of codes and line ends, detection, and the code of one character.
// The buffer conversions live in code_conversion.cpp.
#include "text/char_code.h"

#include <cstdio>

#include "base/sjis.h"
#include "text/jis_mapping.h"
#include "text/unicode_codec.h"

namespace quelt {
namespace {

const char* Pick(int id, const char* const* names, int count) {
  return (id >= 0 && id < count) ? names[id] : "";
}

constexpr int kCodeCount = static_cast<int>(kLastCharCode) + 1;
constexpr const char* kCodeListNames[] = {"自動", "ｼﾌﾄJIS", "JIS", "EUC", "UTF-8", "UTF-8 (BOM)", "UTF-16LE", "UTF-16BE"};
constexpr const char* kLineEndListNames[] = {"自動", "CRLF", "CR", "LF"};
constexpr const char* kCodeStatusNames[] = {"", "SJIS", "JIS", "EUC", "UTF8", "U8BM", "U16L", "U16B"};
constexpr const char* kCodeShortNames[] = {"", "SJIS", "JIS", "EUC", "UTF-8", "UTF-8 (BOM)", "UTF-16LE", "UTF-16BE"};
static_assert(sizeof kCodeListNames / sizeof *kCodeListNames == kCodeCount);
static_assert(sizeof kCodeStatusNames / sizeof *kCodeStatusNames == kCodeCount);
static_assert(sizeof kCodeShortNames / sizeof *kCodeShortNames == kCodeCount);
constexpr const char* kLineEndStatusNames[] = {"", "CRLF", " CR", " LF"};
constexpr const char* kLineEndShortNames[] = {"", "CRLF", "CR", "LF"};

// The line end of a sample: the first CR LF decides at once; otherwise the
// last lone CR or LF seen; with neither, CR LF.
int DetectLineEnd(const std::uint8_t* s, std::size_t n) {
  int selector = -1;
  for (std::size_t i = 0; i < n; ++i) {
    if (s[i] == kCr) {
      if (i + 1 < n && s[i + 1] == kLf) return kSelectorCrLf;
      selector = kSelectorCr;
    } else if (s[i] == kLf) {
      selector = kSelectorLf;
    }
  }
  return selector < 0 ? kSelectorCrLf : selector;
}

// The line end of a UTF-16 sample, by the rule above over 2-byte units.
int DetectLineEnd16(const std::uint8_t* s, std::size_t n, bool bigEndian) {
  auto unit = [&](std::size_t i) {
    return bigEndian ? (s[i] << 8 | s[i + 1]) : (s[i + 1] << 8 | s[i]);
  };
  int selector = -1;
  for (std::size_t i = 0; i + 1 < n; i += 2) {
    const int u = unit(i);
    if (u == kCr) {
      if (i + 3 < n && unit(i + 2) == kLf) return kSelectorCrLf;
      selector = kSelectorCr;
    } else if (u == kLf) {
      selector = kSelectorLf;
    }
  }
  return selector < 0 ? kSelectorCrLf : selector;
}

// UTF-8 when the sample has no ESC, is valid UTF-8 (no overlong form, no
// surrogate, nothing beyond U+10FFFF; a sequence cut by the end of a full
// sample counts as valid) and holds at least one multi-byte sequence.
bool LooksLikeUtf8(const std::uint8_t* s, std::size_t n) {
  bool multiByte = false;
  for (std::size_t i = 0; i < n;) {
    const std::uint8_t c = s[i];
    if (c < 0x80) {
      if (c == kEsc) return false;
      ++i;
      continue;
    }
    std::size_t length = 0;
    std::uint8_t low = 0x80, high = 0xBF;
    if (c >= 0xC2 && c <= 0xDF) {
      length = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
      length = 3;
      if (c == 0xE0) low = 0xA0;
      if (c == 0xED) high = 0x9F;
    } else if (c >= 0xF0 && c <= 0xF4) {
      length = 4;
      if (c == 0xF0) low = 0x90;
      if (c == 0xF4) high = 0x8F;
    } else {
      return false;
    }
    for (std::size_t k = 1; k < length; ++k) {
      if (i + k >= n) return n >= kDetectSampleBytes;  // cut by the edge: valid, and multi-byte
      const std::uint8_t b = s[i + k];
      if (k == 1 ? (b < low || b > high) : (b & 0xC0) != 0x80) return false;
    }
    multiByte = true;
    i += length;
  }
  return multiByte;
}

// JIS when the first ESC of the sample starts ESC $ B or ESC $ @. Later
// escapes are not looked at.
bool LooksLikeJis(const std::uint8_t* s, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) {
    if (s[i] != kEsc) continue;
    return i + 2 < n && s[i + 1] == '$' && (s[i + 2] == 'B' || s[i + 2] == '@');
  }
  return false;
}

// EUC when the sample has 8-bit bytes and none of them is one that EUC never
// uses (0x80-0x8D, 0x90-0x9F) but Shift-JIS lead bytes do.
bool LooksLikeEuc(const std::uint8_t* s, std::size_t n) {
  bool highSeen = false;
  for (std::size_t i = 0; i < n; ++i) {
    const std::uint8_t c = s[i];
    if (c < 0x80) continue;
    if (c <= 0x8D || (c >= 0x90 && c <= 0x9F)) return false;
    highSeen = true;
  }
  return highSeen;
}

}  // namespace

const char* CharCodeListName(CharCodeId id) { return Pick(static_cast<int>(id), kCodeListNames, kCodeCount); }
const char* LineEndListName(LineEndId id) { return Pick(static_cast<int>(id), kLineEndListNames, 4); }
const char* CharCodeStatusName(CharCodeId id) {
  return Pick(static_cast<int>(id), kCodeStatusNames, kCodeCount);
}
const char* LineEndStatusName(LineEndId id) {
  return Pick(static_cast<int>(id), kLineEndStatusNames, 4);
}
const char* CharCodeShortName(CharCodeId id) { return Pick(static_cast<int>(id), kCodeShortNames, kCodeCount); }
const char* LineEndShortName(LineEndId id) {
  return Pick(static_cast<int>(id), kLineEndShortNames, 4);
}

Detection Detect(const std::uint8_t* sample, std::size_t n, bool crlfEqualSjis) {
  Detection d;
  if (sample == nullptr || n <= 1) return d;
  if (n > kDetectSampleBytes) n = kDetectSampleBytes;
  for (CharCodeId code : {CharCodeId::kUtf8Bom, CharCodeId::kUtf16Le, CharCodeId::kUtf16Be}) {
    const std::string_view signature = SignatureOf(code);
    if (n < signature.size() || std::string_view(reinterpret_cast<const char*>(sample), signature.size()) != signature)
      continue;
    d.code = code;
    const std::size_t rest = n - signature.size();
    d.selector = IsUtf16Code(code) ? DetectLineEnd16(sample + signature.size(), rest, code == CharCodeId::kUtf16Be)
                                   : DetectLineEnd(sample + signature.size(), rest);
    return d;
  }
  d.selector = DetectLineEnd(sample, n);
  if (LooksLikeUtf8(sample, n)) {
    d.code = CharCodeId::kUtf8;
  } else if (LooksLikeJis(sample, n)) {
    d.code = CharCodeId::kJis;
  } else if (crlfEqualSjis && d.selector == kSelectorCrLf) {
    d.code = CharCodeId::kShiftJis;
  } else if (LooksLikeEuc(sample, n)) {
    d.code = CharCodeId::kEuc;
  }
  return d;
}

Detection DetectForced(const std::uint8_t* sample, std::size_t n, CharCodeId forced, bool crlfEqualSjis) {
  Detection d = Detect(sample, n, crlfEqualSjis);
  if (!IsDocumentCode(forced) || forced == d.code) return d;
  if (forced == CharCodeId::kUtf8 && d.code == CharCodeId::kUtf8Bom) return d;
  if (sample == nullptr) n = 0;
  if (n > kDetectSampleBytes) n = kDetectSampleBytes;
  const std::string_view signature = SignatureOf(forced);
  std::size_t skip = 0;
  if (!signature.empty() && n >= signature.size() &&
      std::string_view(reinterpret_cast<const char*>(sample), signature.size()) == signature) {
    skip = signature.size();
  }
  if (IsUtf16Code(forced)) {
    d.selector = DetectLineEnd16(sample + skip, n - skip, forced == CharCodeId::kUtf16Be);
  } else if (IsUtf16Code(d.code)) {
    d.selector = n > 1 ? DetectLineEnd(sample, n) : kSelectorCrLf;
  }
  d.code = forced;
  return d;
}

FileCode CharToFileCode(const std::uint8_t* c, std::size_t k, CharCodeId code, LineEndId lineEnd,
                        bool displayAlwaysShiftJis) {
  FileCode out;
  if (c == nullptr || k == 0) return out;
  if (k > 2) k = 2;
  out.bytes[0] = c[0];
  if (k == 2) out.bytes[1] = c[1];
  out.count = static_cast<int>(k);
  if (code == CharCodeId::kAuto) code = CharCodeId::kShiftJis;
  if (lineEnd == LineEndId::kAuto) lineEnd = LineEndId::kCrLf;
  if (displayAlwaysShiftJis || (code == CharCodeId::kShiftJis && lineEnd == LineEndId::kCrLf)) {
    return out;
  }
  const bool crLf = k == 2 && c[0] == kCr && c[1] == kLf;
  if (IsUnicodeCode(code) && !crLf) {
    // The character's Unicode value (its own form); bytes that are no
    // character stay as they are.
    char32_t value = 0;
    if (UnicodeOfInternalChar(c, k, value) && value >= 0x80) {
      out.bytes[0] = static_cast<std::uint8_t>(value >> 8);
      out.bytes[1] = static_cast<std::uint8_t>(value & 0xFF);
      out.count = 2;
    }
    return out;
  }
  if (k == 2 && c[0] == kCr && c[1] == kLf) {
    if (lineEnd == LineEndId::kCr || lineEnd == LineEndId::kLf) {
      out.bytes[0] = lineEnd == LineEndId::kCr ? kCr : kLf;
      out.bytes[1] = 0;
      out.count = 1;
    }
    return out;
  }
  if (code == CharCodeId::kJis) {
    if (k == 2 && IsSjisLeadByte(c[0])) {
      const std::uint16_t j = SjisToFileJis(c[0], c[1]);
      out.bytes[0] = static_cast<std::uint8_t>(j >> 8);
      out.bytes[1] = static_cast<std::uint8_t>(j & 0xFF);
    }
  } else if (code == CharCodeId::kEuc) {
    if (k == 2 && IsSjisLeadByte(c[0])) {
      const std::uint16_t j = SjisToFileJis(c[0], c[1]);
      out.bytes[0] = static_cast<std::uint8_t>((j >> 8) + 0x80);
      out.bytes[1] = static_cast<std::uint8_t>((j & 0xFF) + 0x80);
    } else if (k == 1 && IsHalfKana(c[0])) {
      out.bytes[0] = 0x8E;
      out.bytes[1] = c[0];
      out.count = 2;
    }
  }
  return out;
}

std::string FormatFileCode(const FileCode& fileCode) {
  char text[8];
  if (fileCode.count == 2) {
    std::snprintf(text, sizeof text, "%.4X", static_cast<unsigned>(fileCode.bytes[0] << 8 | fileCode.bytes[1]));
  } else if (fileCode.count == 1) {
    std::snprintf(text, sizeof text, "%.2X  ", static_cast<unsigned>(fileCode.bytes[0]));
  } else {
    text[0] = '\0';
  }
  return text;
}

}  // namespace quelt
