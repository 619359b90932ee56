#include "cabinet/cabinet_pages.h"

#include "cabinet/cabinet_bytes.h"

namespace quelt {
namespace {

// The recorded values in record order.
std::uint32_t* RecordField(FormatPageValues& v, int i) {
  std::uint32_t* fields[] = {&v.documentType, &v.lineWidth,    &v.tabWidth,         &v.lineCounting,
                             &v.freeCursor,   &v.autoIndent,   &v.showLineEnds,     &v.showTabs,
                             &v.saveLineMarks, &v.saveStringMarks, &v.wordWrap,
                             &v.tabInsertsBlanks, &v.kinsoku};
  return fields[i];
}
constexpr int kRecordFields = 13;

bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

}  // namespace

KeywordPageResult ParseKeywordText(std::string_view text) {
  KeywordPageResult result;
  text = text.substr(0, kKeywordTextReadBytes);
  if (text.size() >= kKeywordTextLimit) {
    result.message = kMsgOverMaxSize;
    return result;
  }
  std::vector<std::string> keywords;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = pos;
    while (end < text.size() && !IsLineEnd(text[end])) ++end;
    const std::string_view line = text.substr(pos, end - pos);
    // CR LF ends a line; a lone CR or LF is taken as a line end too.
    if (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n') ++end;
    pos = end + 1;
    if (line.empty()) continue;
    if (keywords.size() == std::size_t(kMaxKeywords)) {
      result.message = kMsgOverMaxCount;
      return result;
    }
    if (line.size() > std::size_t(kMaxKeywordBytes)) {
      result.message = kMsgOverMaxLength;
      return result;
    }
    keywords.emplace_back(line);
  }
  result.ok = true;
  result.keywords = std::move(keywords);
  return result;
}

std::string KeywordText(const std::vector<std::string>& keywords) {
  std::string text;
  for (const std::string& k : keywords) {
    text += k;
    text += "\r\n";
  }
  return text;
}

FormatPageValues FormatPageFrom(const CabinetSettings& s) {
  const FormatBlock& b = s.block;
  FormatPageValues v;
  v.documentType = b[kWordDocumentType];
  v.lineWidth = b[kWordLineWidth];
  v.tabWidth = b[kWordTabWidth];
  v.lineCounting = b[kWordLineCounting];
  v.freeCursor = b[kWordFreeCursor];
  v.autoIndent = b[kWordAutoIndent];
  v.showLineEnds = b[kWordShowLineEnds];
  v.showTabs = b[kWordShowTabs];
  v.saveLineMarks = b[kWordSaveLineMarks];
  v.saveStringMarks = b[kWordSaveStringMarks];
  v.wordWrap = b[kWordWordWrap];
  v.tabInsertsBlanks = b[kWordTabInsertsBlanks];
  v.kinsoku = s.kinsoku;
  v.lineSpacing = b[kWordLineSpacing];
  v.charSpacing = b[kWordCharSpacing];
  return v;
}

bool ParseTenths(std::string_view text, std::uint32_t& tenths) {
  constexpr std::uint32_t kMaxTenths = 100;  // 10.0 mm
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  std::uint32_t whole = 0, digits = 0, fraction = 0;
  std::size_t i = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, ++digits) {
    whole = whole * 10 + std::uint32_t(text[i] - '0');
    if (whole > kMaxTenths) return false;
  }
  bool hasFraction = false;
  if (i < text.size() && text[i] == '.') {
    ++i;
    if (i < text.size() && text[i] >= '0' && text[i] <= '9') {
      fraction = std::uint32_t(text[i] - '0');
      hasFraction = true;
      ++i;
    }
  }
  if (i != text.size() || (digits == 0 && !hasFraction)) return false;
  const std::uint32_t value = whole * 10 + fraction;
  if (value > kMaxTenths) return false;
  tenths = value;
  return true;
}

std::string FormatTenths(std::uint32_t tenths) {
  return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

bool FormatPageValid(const FormatPageValues& v) {
  const std::uint32_t flags[] = {v.lineCounting, v.freeCursor,    v.autoIndent,      v.showLineEnds,
                                 v.showTabs,     v.saveLineMarks, v.saveStringMarks, v.wordWrap,
                                 v.tabInsertsBlanks};
  for (std::uint32_t f : flags) {
    if (f > 1) return false;
  }
  return v.documentType < std::uint32_t(kDocumentTypes) && v.lineWidth >= 10 && v.lineWidth <= 250 &&
         v.tabWidth >= 2 && v.tabWidth <= 20 && v.lineSpacing <= 100 && v.charSpacing <= 100;
}

FormatChange ApplyFormatPage(const FormatPageValues& v, CabinetSettings& s) {
  const FormatPageValues old = FormatPageFrom(s);
  FormatChange change;
  change.relayout = old.lineWidth != v.lineWidth || old.tabWidth != v.tabWidth ||
                    old.kinsoku != v.kinsoku || old.wordWrap != v.wordWrap ||
                    old.documentType != v.documentType || old.lineSpacing != v.lineSpacing ||
                    old.charSpacing != v.charSpacing;
  change.refreshLineBar = old.lineCounting != v.lineCounting;
  FormatBlock& b = s.block;
  b[kWordDocumentType] = v.documentType;
  b[kWordLineWidth] = v.lineWidth;
  b[kWordTabWidth] = v.tabWidth;
  b[kWordLineCounting] = v.lineCounting;
  b[kWordFreeCursor] = v.freeCursor;
  b[kWordAutoIndent] = v.autoIndent;
  b[kWordShowLineEnds] = v.showLineEnds;
  b[kWordShowTabs] = v.showTabs;
  b[kWordSaveLineMarks] = v.saveLineMarks;
  b[kWordSaveStringMarks] = v.saveStringMarks;
  b[kWordWordWrap] = v.wordWrap;
  b[kWordTabInsertsBlanks] = v.tabInsertsBlanks;
  b[kWordLineSpacing] = v.lineSpacing;
  b[kWordCharSpacing] = v.charSpacing;
  s.kinsoku = v.kinsoku;
  return change;
}

std::string EncodeFormatRecord(const FormatPageValues& values) {
  FormatPageValues v = values;
  std::string out;
  cabinet_bytes::Writer w(out);
  for (int i = 0; i < kRecordFields; ++i) w.U32(*RecordField(v, i));
  return out;
}

bool DecodeFormatRecord(std::string_view data, FormatPageValues& values) {
  if (data.size() < kFormatRecordMinBytes) return false;
  FormatPageValues v = values;
  cabinet_bytes::Reader r(data);
  for (int i = 0; i < kRecordFields; ++i) {
    if (!r.U32(*RecordField(v, i))) break;
  }
  if (!FormatPageValid(v)) return false;
  values = v;
  return true;
}

std::string EncodeFontRecord(const FontRecord& font) {
  FormatBlock block{};
  SetFont(block, font);
  std::string out;
  cabinet_bytes::Writer w(out);
  for (int i = kWordFont; i < kFormatWords; ++i) w.U32(block[i]);
  return out;
}

bool DecodeFontRecord(std::string_view data, FontRecord& font) {
  if (data.size() < std::size_t(kFontRecordBytes)) return false;
  FormatBlock block{};
  cabinet_bytes::Reader r(data);
  for (int i = kWordFont; i < kFormatWords; ++i) r.U32(block[i]);
  font = FontOf(block);
  return true;
}

int LimitFontPoints(int points, int dpi, bool& limited) {
  limited = false;
  if (dpi <= 0) return points;
  // Pixels as the font chooser rounds them: points * dpi / 72, rounded.
  const long long pixels = (static_cast<long long>(points) * dpi + 36) / 72;
  if (pixels <= kMaxFontPixels) return points;
  limited = true;
  return static_cast<int>(static_cast<long long>(kMaxFontPixels) * 72 / dpi);
}

}  // namespace quelt
