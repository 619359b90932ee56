#include "cabinet/cabinet_settings.h"

#include <cstring>

#include "base/sjis.h"

namespace quelt {
namespace {

// Default filter texts in Shift-JIS. The Japanese titles are, in order:
// type 0: ﾃｷｽﾄ(*.txt), その他(*.log;*.ini), HTML(*.html;*.htm), ｷｬﾋﾞﾈｯﾄ(*.cab),
//         すべてのﾌｧｲﾙ(*.*)
// type 1: ｿｰｽ(*.c), ﾍｯﾀﾞ(*.h), ﾘｿｰｽ(*.rc), ｱｾﾝﾌﾞﾗ(*.asm;*.inc), then the
//         cabinet and all-files pairs
// type 2: as type 1 with ｿｰｽ(*.c;*.cpp) and ﾍｯﾀﾞ(*.h;*.hpp)
#define QUELT_CAB_JA "\xB7\xAC\xCB\xDE\xC8\xAF\xC4(*.cab)|*.cab|"
#define QUELT_ALL_JA "\x82\xB7\x82\xD7\x82\xC4\x82\xCC\xCC\xA7\xB2\xD9(*.*)|*.*||"
#define QUELT_TAIL_JA1 "\xD8\xBF\xB0\xBD(*.rc)|*.rc|\xB1\xBE\xDD\xCC\xDE\xD7(*.asm;*.inc)|*.asm;*.inc|"
#define QUELT_TAIL_EN1 "Resource(*.rc)|*.rc|Assembler(*.asm;*.inc)|*.asm;*.inc|"
#define QUELT_CAB_EN "Cabinet(*.cab)|*.cab|All Files(*.*)|*.*||"

constexpr const char* kJapaneseFilters[kDocumentTypes] = {
    "\xC3\xB7\xBD\xC4(*.txt)|*.txt|\x82\xBB\x82\xCC\x91\xBC(*.log;*.ini)|*.log;*.ini|"
    "HTML(*.html;*.htm)|*.html;*.htm|" QUELT_CAB_JA QUELT_ALL_JA,
    "\xBF\xB0\xBD(*.c)|*.c|\xCD\xAF\xC0\xDE(*.h)|*.h|" QUELT_TAIL_JA1 QUELT_CAB_JA QUELT_ALL_JA,
    "\xBF\xB0\xBD(*.c;*.cpp)|*.c;*.cpp|\xCD\xAF\xC0\xDE(*.h;*.hpp)|*.h;*.hpp|" QUELT_TAIL_JA1
        QUELT_CAB_JA QUELT_ALL_JA,
};
constexpr const char* kEnglishFilters[kDocumentTypes] = {
    "Text(*.txt)|*.txt|Others(*.log;*.ini)|*.log;*.ini|HTML(*.html;*.htm)|*.html;*.htm|" QUELT_CAB_EN,
    "Source(*.c)|*.c|Header(*.h)|*.h|" QUELT_TAIL_EN1 QUELT_CAB_EN,
    "Source(*.c;*.cpp)|*.c;*.cpp|Header(*.h;*.hpp)|*.h;*.hpp|" QUELT_TAIL_EN1 QUELT_CAB_EN,
};

#undef QUELT_CAB_JA
#undef QUELT_ALL_JA
#undef QUELT_TAIL_JA1
#undef QUELT_TAIL_EN1
#undef QUELT_CAB_EN

int FoldType(int type) { return (type >= 0 && type < kDocumentTypes) ? type : 0; }

bool HasByte(std::string_view text, char c) { return text.find(c) != std::string_view::npos; }

// The next '|' at or after pos, or npos. '|' (0x7C) is also a valid trail byte
// of a double-byte character, so the search walks characters.
std::size_t FindBar(std::string_view text, std::size_t pos) {
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
  for (std::size_t i = pos; i < text.size(); i += SjisCharSize(bytes, text.size(), i)) {
    if (bytes[i] == '|') return i;
  }
  return std::string_view::npos;
}

bool HasBar(std::string_view text) { return FindBar(text, 0) != std::string_view::npos; }

}  // namespace

int CabinetSettings::DocumentType() const {
  return block[kWordDocumentType] < kDocumentTypes ? int(block[kWordDocumentType]) : 0;
}

FontRecord FontOf(const FormatBlock& block) {
  FontRecord f;
  f.height = std::int32_t(block[26]);
  f.width = std::int32_t(block[27]);
  f.escapement = std::int32_t(block[28]);
  f.orientation = std::int32_t(block[29]);
  f.weight = std::int32_t(block[30]);
  std::uint8_t bytes[8 + kFontFaceBytes];
  for (int w = 31; w < kFormatWords; ++w) {
    for (int b = 0; b < 4; ++b) bytes[(w - 31) * 4 + b] = std::uint8_t(block[w] >> (8 * b));
  }
  f.italic = bytes[0];
  f.underline = bytes[1];
  f.strikeOut = bytes[2];
  f.charSet = bytes[3];
  f.outPrecision = bytes[4];
  f.clipPrecision = bytes[5];
  f.quality = bytes[6];
  f.pitchAndFamily = bytes[7];
  std::memcpy(f.faceName.data(), bytes + 8, kFontFaceBytes);
  return f;
}

void SetFont(FormatBlock& block, const FontRecord& f) {
  block[26] = std::uint32_t(f.height);
  block[27] = std::uint32_t(f.width);
  block[28] = std::uint32_t(f.escapement);
  block[29] = std::uint32_t(f.orientation);
  block[30] = std::uint32_t(f.weight);
  std::uint8_t bytes[8 + kFontFaceBytes] = {f.italic,       f.underline,     f.strikeOut,
                                           f.charSet,      f.outPrecision,  f.clipPrecision,
                                           f.quality,      f.pitchAndFamily};
  std::memcpy(bytes + 8, f.faceName.data(), kFontFaceBytes);
  for (int w = 31; w < kFormatWords; ++w) {
    std::uint32_t v = 0;
    for (int b = 0; b < 4; ++b) v |= std::uint32_t(bytes[(w - 31) * 4 + b]) << (8 * b);
    block[w] = v;
  }
}

FormatBlock DefaultFormatBlock(int type) {
  type = FoldType(type);
  const bool general = type == 0;
  FormatBlock b{};
  b[kWordLineWidth] = general ? 80 : 128;
  b[kWordTabWidth] = 4;
  b[kWordLineCounting] = general ? 0 : 1;
  b[kWordShowLineEnds] = 1;
  b[kWordFreeCursor] = 1;
  b[kWordAutoIndent] = general ? 0 : 1;
  b[kWordSaveLineMarks] = 1;
  b[kWordSaveStringMarks] = 1;
  b[kWordDocumentType] = std::uint32_t(type);
  b[kWordMarkLineBack] = 0x80FF80;
  b[kWordMarkStringBack] = 0xFFFF00;
  b[kWordCKeywordColour] = 0xFF0000;
  b[kWordCppKeywordColour] = 0x0000FF;
  b[kWordKeywordColour] = 0xFF0000;
  b[kWordLineEndColour] = 0xFF0000;
  b[kWordTabColour] = 0xC0C0C0;
  b[kWordCommentColour] = 0x008000;
  b[kWordTextColour] = 0x000000;
  b[kWordTextBack] = 0xFFFFFF;
  b[kWordTagBack] = 0x00FF00;
  return b;
}

std::string_view DefaultFilterText(int type, bool english) {
  type = FoldType(type);
  return english ? kEnglishFilters[type] : kJapaneseFilters[type];
}

FilterList DefaultFilters(int type, bool english) {
  return ParseFilterText(DefaultFilterText(type, english));
}

CabinetSettings DefaultSettings(int type, bool english) {
  CabinetSettings s;
  s.block = DefaultFormatBlock(type);
  for (int t = 0; t < kDocumentTypes; ++t) s.filters[t] = DefaultFilters(t, english);
  return s;
}

FilterList ParseFilterText(std::string_view text) {
  FilterList pairs;
  std::size_t pos = 0;
  auto next = [&](std::string& field) {
    const std::size_t bar = FindBar(text, pos);
    if (bar == std::string_view::npos) return false;
    field.assign(text.substr(pos, bar - pos));
    pos = bar + 1;
    return true;
  };
  while (pos < text.size()) {
    FilterPair p;
    if (!next(p.title) || p.title.empty() || !next(p.pattern)) break;
    pairs.push_back(std::move(p));
  }
  return pairs;
}

std::string BuildFilterString(const FilterList& pairs) {
  std::string out;
  for (const FilterPair& p : pairs) {
    out += p.title;
    out += '|';
    out += p.pattern;
    out += '|';
  }
  out += '|';
  return out;
}

std::size_t SjisCharCount(std::string_view text) {
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
  std::size_t count = 0;
  for (std::size_t i = 0; i < text.size(); i += SjisCharSize(bytes, text.size(), i)) ++count;
  return count;
}

bool IsValidFilterTitle(std::string_view title) {
  return SjisCharCount(title) <= kMaxFilterTitleChars && !HasBar(title) && !HasByte(title, '\0');
}

bool IsValidFilterPattern(std::string_view pattern) {
  const std::size_t n = SjisCharCount(pattern);
  return n >= 1 && n <= kMaxFilterPatternChars && !HasBar(pattern) && !HasByte(pattern, '\0');
}

bool IsValidKeyword(std::string_view keyword) {
  return !keyword.empty() && keyword.size() <= kMaxKeywordBytes && !HasByte(keyword, '\0') &&
         !HasByte(keyword, '\r') && !HasByte(keyword, '\n');
}

const char* DocumentTypeName(int type) {
  static constexpr const char* kNames[kDocumentTypes] = {"一般文書", "Ｃ言語", "Ｃ＋＋言語"};
  return kNames[FoldType(type)];
}

const char* DefaultExtension(int type) {
  static constexpr const char* kExtensions[kDocumentTypes] = {"txt", "c", "cpp"};
  return kExtensions[FoldType(type)];
}

const char* FileDialogExtension(int type, bool htmlDocument) {
  return htmlDocument ? "html" : DefaultExtension(type);
}

}  // namespace quelt
