// Names of codes and line ends, detection, and the code of one character.
// The buffer conversions live in code_conversion.cpp.
#include "text/char_code.h"

#include <cstdio>

#include "base/sjis.h"
#include "text/jis_mapping.h"

namespace quelt {
namespace {

const char* Pick(int id, const char* const* names, int count) {
  return (id >= 0 && id < count) ? names[id] : "";
}

constexpr const char* kCodeListNames[] = {"自動", "ｼﾌﾄJIS", "JIS", "EUC"};
constexpr const char* kLineEndListNames[] = {"自動", "CRLF", "CR", "LF"};
constexpr const char* kCodeStatusNames[] = {"", "SJIS", "JIS", "EUC"};
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

const char* CharCodeListName(CharCodeId id) { return Pick(static_cast<int>(id), kCodeListNames, 4); }
const char* LineEndListName(LineEndId id) { return Pick(static_cast<int>(id), kLineEndListNames, 4); }
const char* CharCodeStatusName(CharCodeId id) {
  return Pick(static_cast<int>(id), kCodeStatusNames, 4);
}
const char* LineEndStatusName(LineEndId id) {
  return Pick(static_cast<int>(id), kLineEndStatusNames, 4);
}
const char* CharCodeShortName(CharCodeId id) { return CharCodeStatusName(id); }
const char* LineEndShortName(LineEndId id) {
  return Pick(static_cast<int>(id), kLineEndShortNames, 4);
}

Detection Detect(const std::uint8_t* sample, std::size_t n, bool crlfEqualSjis) {
  Detection d;
  if (sample == nullptr || n <= 1) return d;
  if (n > kDetectSampleBytes) n = kDetectSampleBytes;
  d.selector = DetectLineEnd(sample, n);
  if (LooksLikeJis(sample, n)) {
    d.code = CharCodeId::kJis;
  } else if (crlfEqualSjis && d.selector == kSelectorCrLf) {
    d.code = CharCodeId::kShiftJis;
  } else if (LooksLikeEuc(sample, n)) {
    d.code = CharCodeId::kEuc;
  }
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
