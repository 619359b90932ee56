#include "convert/char_classes.h"

#include <vector>

#include "base/sjis.h"

namespace quelt {
namespace {

// "＜半角空白＞" … "＜全角ひらがな＞", in the order of CharClass.
constexpr std::string_view kClassNames[kCharClassCount] = {
    "\x81\x83\x94\xBC\x8A\x70\x8B\xF3\x94\x92\x81\x84",                  // ＜半角空白＞
    "\x81\x83\x94\xBC\x8A\x70\x90\x94\x8E\x9A\x81\x84",                  // ＜半角数字＞
    "\x81\x83\x94\xBC\x8A\x70\x89\x70\x91\xE5\x95\xB6\x8E\x9A\x81\x84",  // ＜半角英大文字＞
    "\x81\x83\x94\xBC\x8A\x70\x89\x70\x8F\xAC\x95\xB6\x8E\x9A\x81\x84",  // ＜半角英小文字＞
    "\x81\x83\x94\xBC\x8A\x70\x89\x70\x8B\x4C\x8D\x86\x81\x84",          // ＜半角英記号＞
    "\x81\x83\x94\xBC\x8A\x70\x83\x4A\x83\x69\x8B\x4C\x8D\x86\x81\x84",  // ＜半角カナ記号＞
    "\x81\x83\x94\xBC\x8A\x70\x83\x4A\x83\x5E\x83\x4A\x83\x69\x81\x84",  // ＜半角カタカナ＞
    "\x81\x83\x91\x53\x8A\x70\x8B\xF3\x94\x92\x81\x84",                  // ＜全角空白＞
    "\x81\x83\x91\x53\x8A\x70\x90\x94\x8E\x9A\x81\x84",                  // ＜全角数字＞
    "\x81\x83\x91\x53\x8A\x70\x89\x70\x91\xE5\x95\xB6\x8E\x9A\x81\x84",  // ＜全角英大文字＞
    "\x81\x83\x91\x53\x8A\x70\x89\x70\x8F\xAC\x95\xB6\x8E\x9A\x81\x84",  // ＜全角英小文字＞
    "\x81\x83\x91\x53\x8A\x70\x89\x70\x8B\x4C\x8D\x86\x81\x84",          // ＜全角英記号＞
    "\x81\x83\x91\x53\x8A\x70\x83\x4A\x83\x69\x8B\x4C\x8D\x86\x81\x84",  // ＜全角カナ記号＞
    "\x81\x83\x91\x53\x8A\x70\x83\x4A\x83\x5E\x83\x4A\x83\x69\x81\x84",  // ＜全角カタカナ＞
    "\x81\x83\x91\x53\x8A\x70\x82\xD0\x82\xE7\x82\xAA\x82\xC8\x81\x84",  // ＜全角ひらがな＞
};

constexpr CharClass kListOrder[kCharClassCount] = {
    CharClass::kFullSpace,      CharClass::kFullHiragana,  CharClass::kFullKatakana,
    CharClass::kFullKanaSymbol, CharClass::kFullLower,     CharClass::kFullUpper,
    CharClass::kFullDigit,      CharClass::kFullSymbol,    CharClass::kHalfSpace,
    CharClass::kHalfKatakana,   CharClass::kHalfKanaSymbol, CharClass::kHalfLower,
    CharClass::kHalfUpper,      CharClass::kHalfDigit,     CharClass::kHalfSymbol,
};

// The half-width symbols and their full-width forms, place by place. The
// backquote, a printable ASCII byte too, closes both lists (｀).
constexpr std::uint16_t kHalfSymbols[] = {0x21, 0x22, 0x23, 0x24, 0x25, 0x26, 0x27, 0x28, 0x29, 0x2A, 0x2B,
                                          0x2C, 0x2D, 0x2E, 0x2F, 0x3B, 0x3A, 0x3C, 0x3D, 0x3E, 0x3F, 0x40,
                                          0x5B, 0x5C, 0x5D, 0x5E, 0x5F, 0x7B, 0x7C, 0x7D, 0x7E, 0x60};
constexpr std::uint16_t kFullSymbols[] = {0x8149, 0x8168, 0x8194, 0x8190, 0x8193, 0x8195, 0x8166, 0x8169,
                                          0x816A, 0x8196, 0x817B, 0x8143, 0x817C, 0x8144, 0x815E, 0x8147,
                                          0x8146, 0x8183, 0x8181, 0x8184, 0x8148, 0x8197, 0x816D, 0x818F,
                                          0x816E, 0x814F, 0x8151, 0x816F, 0x8162, 0x8170, 0x8150, 0x814D};
// ｡｢｣､･ﾞﾟ and 。「」、・゛゜.
constexpr std::uint16_t kHalfKanaSymbols[] = {0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0xDE, 0xDF};
constexpr std::uint16_t kFullKanaSymbols[] = {0x8142, 0x8175, 0x8176, 0x8141, 0x8145, 0x814A, 0x814B};
// The full-width forms of ｦｧｨｩｪｫｬｭｮｯｰｱｲｳｴｵｶ…ﾜﾝ (0xA6-0xDD), place by place:
// ヲァィゥェォャュョッーアイウエオカ…ワン.
constexpr std::uint16_t kHalfKatakanaFull[] = {
    0x8392, 0x8340, 0x8342, 0x8344, 0x8346, 0x8348, 0x8383, 0x8385, 0x8387, 0x8362, 0x815B, 0x8341,
    0x8343, 0x8345, 0x8347, 0x8349, 0x834A, 0x834C, 0x834E, 0x8350, 0x8352, 0x8354, 0x8356, 0x8358,
    0x835A, 0x835C, 0x835E, 0x8360, 0x8363, 0x8365, 0x8367, 0x8369, 0x836A, 0x836B, 0x836C, 0x836D,
    0x836E, 0x8371, 0x8374, 0x8377, 0x837A, 0x837D, 0x837E, 0x8380, 0x8381, 0x8382, 0x8384, 0x8386,
    0x8388, 0x8389, 0x838A, 0x838B, 0x838C, 0x838D, 0x838F, 0x8393};
static_assert(std::size(kHalfSymbols) == std::size(kFullSymbols));
static_assert(std::size(kHalfKatakanaFull) == 0xDD - 0xA6 + 1);

constexpr std::uint8_t kVoicedMark = 0xDE;      // ﾞ
constexpr std::uint8_t kSemiVoicedMark = 0xDF;  // ﾟ
constexpr std::uint8_t kNoClass = 0xFF;

bool TakesVoicedMark(std::uint8_t h) { return (h >= 0xB6 && h <= 0xC4) || (h >= 0xCA && h <= 0xCE) || h == 0xB3; }
bool TakesSemiVoicedMark(std::uint8_t h) { return h >= 0xCA && h <= 0xCE; }

// The lookup tables, built once.
struct Tables {
  std::vector<std::uint16_t> chars[kCharClassCount];
  std::vector<std::uint8_t> classOf = std::vector<std::uint8_t>(0x10000, kNoClass);
  std::vector<std::int16_t> position = std::vector<std::int16_t>(0x10000, -1);
  std::uint16_t fullOf[256] = {};
  std::vector<HalfWidthForm> halfOf = std::vector<HalfWidthForm>(0x10000);

  void Add(CharClass c, std::uint16_t code) {
    auto& list = chars[static_cast<int>(c)];
    classOf[code] = static_cast<std::uint8_t>(c);
    position[code] = static_cast<std::int16_t>(list.size());
    list.push_back(code);
  }
  void Pair(std::uint8_t half, std::uint16_t full, std::uint8_t mark = 0) {
    if (mark == 0) fullOf[half] = full;
    HalfWidthForm& h = halfOf[full];
    if (h.size != 0) return;  // the first pairing wins
    h.bytes[0] = half;
    h.bytes[1] = mark;
    h.size = mark ? 2 : 1;
  }

  Tables() {
    Add(CharClass::kHalfSpace, 0x20);
    for (std::uint16_t c = '0'; c <= '9'; ++c) Add(CharClass::kHalfDigit, c);
    for (std::uint16_t c = 'A'; c <= 'Z'; ++c) Add(CharClass::kHalfUpper, c);
    for (std::uint16_t c = 'a'; c <= 'z'; ++c) Add(CharClass::kHalfLower, c);
    for (std::uint16_t c : kHalfSymbols) Add(CharClass::kHalfSymbol, c);
    for (std::uint16_t c : kHalfKanaSymbols) Add(CharClass::kHalfKanaSymbol, c);
    for (std::uint16_t c = 0xA6; c <= 0xDD; ++c) Add(CharClass::kHalfKatakana, c);
    Add(CharClass::kFullSpace, 0x8140);
    for (std::uint16_t c = 0x824F; c <= 0x8258; ++c) Add(CharClass::kFullDigit, c);
    for (std::uint16_t c = 0x8260; c <= 0x8279; ++c) Add(CharClass::kFullUpper, c);
    for (std::uint16_t c = 0x8281; c <= 0x829A; ++c) Add(CharClass::kFullLower, c);
    for (std::uint16_t c : kFullSymbols) Add(CharClass::kFullSymbol, c);
    for (std::uint16_t c : kFullKanaSymbols) Add(CharClass::kFullKanaSymbol, c);
    for (std::uint16_t c = 0x8340; c <= 0x8394; ++c) {
      if (c != 0x837F) Add(CharClass::kFullKatakana, c);
    }
    for (std::uint16_t c = 0x829F; c <= 0x82F1; ++c) Add(CharClass::kFullHiragana, c);

    Pair(0x20, 0x8140);
    for (int i = 0; i < 10; ++i) Pair(static_cast<std::uint8_t>('0' + i), static_cast<std::uint16_t>(0x824F + i));
    for (int i = 0; i < 26; ++i) {
      Pair(static_cast<std::uint8_t>('A' + i), static_cast<std::uint16_t>(0x8260 + i));
      Pair(static_cast<std::uint8_t>('a' + i), static_cast<std::uint16_t>(0x8281 + i));
    }
    for (std::size_t i = 0; i < std::size(kHalfSymbols); ++i) {
      Pair(static_cast<std::uint8_t>(kHalfSymbols[i]), kFullSymbols[i]);
    }
    for (std::size_t i = 0; i < std::size(kHalfKanaSymbols); ++i) {
      Pair(static_cast<std::uint8_t>(kHalfKanaSymbols[i]), kFullKanaSymbols[i]);
    }
    for (std::uint8_t h = 0xA6; h <= 0xDD; ++h) {
      const std::uint16_t full = kHalfKatakanaFull[h - 0xA6];
      Pair(h, full);
      if (h == 0xB3) {
        Pair(h, 0x8394, kVoicedMark);  // ｳﾞ ヴ
      } else {
        if (TakesVoicedMark(h)) Pair(h, static_cast<std::uint16_t>(full + 1), kVoicedMark);
        if (TakesSemiVoicedMark(h)) Pair(h, static_cast<std::uint16_t>(full + 2), kSemiVoicedMark);
      }
    }
  }
};

const Tables& T() {
  static const Tables tables;
  return tables;
}

}  // namespace

std::uint16_t CharCodeAt(std::string_view text, std::size_t i, std::size_t& size) {
  const auto c = static_cast<std::uint8_t>(text[i]);
  if (IsSjisLeadByte(c) && i + 1 < text.size()) {
    size = 2;
    return static_cast<std::uint16_t>(c << 8 | static_cast<std::uint8_t>(text[i + 1]));
  }
  size = 1;
  return c;
}

void AppendCharCode(std::string& out, std::uint16_t code) {
  if (code > 0xFF) out += static_cast<char>(code >> 8);
  out += static_cast<char>(code & 0xFF);
}

std::string_view CharClassName(CharClass c) { return kClassNames[static_cast<int>(c)]; }

std::optional<CharClass> CharClassByName(std::string_view name) {
  for (std::size_t i = 0; i < kCharClassCount; ++i) {
    if (kClassNames[i] == name) return static_cast<CharClass>(i);
  }
  return std::nullopt;
}

std::span<const CharClass> CharClassListOrder() { return kListOrder; }

std::span<const std::uint16_t> ClassCharacters(CharClass c) { return T().chars[static_cast<int>(c)]; }

std::optional<CharClass> ClassOfCode(std::uint16_t code) {
  const std::uint8_t c = T().classOf[code];
  if (c == kNoClass) return std::nullopt;
  return static_cast<CharClass>(c);
}

int PositionInClass(CharClass c, std::uint16_t code) {
  const Tables& t = T();
  return t.classOf[code] == static_cast<std::uint8_t>(c) ? t.position[code] : -1;
}

std::uint16_t FullWidthOf(std::uint8_t half) { return T().fullOf[half]; }

std::uint16_t VoicedFullWidthOf(std::uint8_t half, std::uint8_t mark) {
  if (mark == kVoicedMark && half == 0xB3) return 0x8394;
  if ((mark == kVoicedMark && TakesVoicedMark(half)) || (mark == kSemiVoicedMark && TakesSemiVoicedMark(half))) {
    return static_cast<std::uint16_t>(T().fullOf[half] + (mark == kVoicedMark ? 1 : 2));
  }
  return 0;
}

HalfWidthForm HalfWidthOf(std::uint16_t full) { return T().halfOf[full]; }

std::uint16_t KatakanaOf(std::uint16_t hiragana) {
  if (hiragana < 0x829F || hiragana > 0x82F1) return 0;
  unsigned trail = (hiragana & 0xFF) - 0x5F;
  if (trail >= 0x7F) ++trail;  // 0x7F is no second byte
  return static_cast<std::uint16_t>(0x8300 | trail);
}

std::uint16_t HiraganaOf(std::uint16_t katakana) {
  if (katakana < 0x8340 || katakana > 0x8393 || katakana == 0x837F) return 0;
  unsigned trail = katakana & 0xFF;
  if (trail > 0x7F) --trail;
  return static_cast<std::uint16_t>(0x8200 | (trail + 0x5F));
}

std::string ClassCounterpart(CharClass from, CharClass to, std::uint16_t code) {
  std::string out;
  if (PositionInClass(from, code) < 0) return out;
  if (from == to) {
    AppendCharCode(out, code);
    return out;
  }
  auto halfForm = [&out](std::uint16_t full) {
    const HalfWidthForm h = HalfWidthOf(full);
    if (h.size > 0 && h.bytes[0] >= 0xA6 && h.bytes[0] <= 0xDD) out.assign(reinterpret_cast<const char*>(h.bytes), h.size);
  };
  using C = CharClass;
  if (from == C::kHalfKatakana && (to == C::kFullKatakana || to == C::kFullHiragana)) {
    std::uint16_t full = FullWidthOf(static_cast<std::uint8_t>(code));
    if (to == C::kFullHiragana) full = HiraganaOf(full);
    if (full) AppendCharCode(out, full);
    return out;
  }
  if (to == C::kHalfKatakana && (from == C::kFullKatakana || from == C::kFullHiragana)) {
    halfForm(from == C::kFullHiragana ? KatakanaOf(code) : code);
    return out;
  }
  const std::span<const std::uint16_t> target = ClassCharacters(to);
  const auto place = static_cast<std::size_t>(PositionInClass(from, code));
  if (place < target.size()) AppendCharCode(out, target[place]);
  return out;
}

}  // namespace quelt
