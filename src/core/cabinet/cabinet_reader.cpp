#include "cabinet/cabinet_bytes.h"
#include "cabinet/cabinet_file.h"
#include "cabinet/cabinet_read_parts.h"

namespace quelt {
namespace {

using cabinet_bytes::Reader;

constexpr std::size_t kMinCurrentSize = 176;  // header, block and keyword count
constexpr std::size_t kBlockBytes = 4 * kFormatWords;

// Reads one filter list. False when it is cut short; the list is then left
// as it was. Surplus pairs above ten and pairs the filter page would refuse
// are passed over, so the fields after the list are still found.
bool ReadFilterList(Reader& r, FilterList& list) {
  std::uint32_t count = 0;
  if (!r.U32(count)) return false;
  FilterList read;
  for (std::uint32_t i = 0; i < count; ++i) {
    FilterPair p;
    if (!r.Text(p.title) || !r.Text(p.pattern)) return false;
    if (read.size() < std::size_t(kMaxFilterPairs) && IsValidFilterTitle(p.title) &&
        IsValidFilterPattern(p.pattern)) {
      read.push_back(std::move(p));
    }
  }
  list = std::move(read);
  return true;
}

// The file list: a count above 200, a path over 260 characters or a path
// cut short ends the list and everything after it. False in those cases.
bool ReadFileList(Reader& r, std::vector<std::string>& files) {
  std::uint32_t count = 0;
  if (!r.U32(count) || count > std::uint32_t(kMaxCabinetFiles)) return false;
  files.clear();
  for (std::uint32_t i = 0; i < count; ++i) {
    std::string path;
    if (!r.Text(path) || SjisCharCount(path) > std::size_t(kMaxCabinetPathChars)) return false;
    if (!path.empty()) files.push_back(std::move(path));
  }
  return true;
}

// The optional fields after the keywords; each missing field keeps its
// default, and so does everything after it.
void ReadTail(Reader& r, CabinetSettings& s) {
  if (!r.U32(s.kinsoku)) return;
  for (FilterList& list : s.filters) {
    if (!ReadFilterList(r, list)) return;
  }
  if (!r.U32(s.keywordWholeWord) || !r.U32(s.keywordCaseSensitive)) return;
  if (!r.U32(s.cursorLineColour) || !r.U32(s.htmlTagColour)) return;
  if (!ReadFileList(r, s.files)) return;
  r.U32(s.urlColour);
}

bool ReadEntry(Reader& r, CabinetDocument& d) {
  std::uint32_t w[16];
  if (!r.Text(d.path)) return false;
  for (std::uint32_t& v : w) {
    if (!r.U32(v)) return false;
  }
  WindowPlacementRecord& p = d.placement;
  p.length = w[0];
  p.flags = w[1];
  p.showCmd = w[2];
  p.minX = std::int32_t(w[3]);
  p.minY = std::int32_t(w[4]);
  p.maxX = std::int32_t(w[5]);
  p.maxY = std::int32_t(w[6]);
  p.left = std::int32_t(w[7]);
  p.top = std::int32_t(w[8]);
  p.right = std::int32_t(w[9]);
  p.bottom = std::int32_t(w[10]);
  d.active = w[11] != 0;
  d.writeProtected = (w[12] & 1) != 0;
  const std::uint8_t kind = std::uint8_t(w[12] >> 8);
  d.openKind = (kind == kOpenText || kind == kOpenBinary) ? kind : kOpenText;
  d.htmlFlag = std::uint8_t(w[12] >> 16);
  d.position1 = w[13];
  d.position2 = w[14];
  d.position3 = w[15];
  return true;
}

}  // namespace

bool ParseCurrentCabinet(std::string_view bytes, bool english, CabinetImage& out) {
  const std::size_t size = bytes.size();
  if (size >= kCabinetBufferSize || size < kMinCurrentSize) return false;
  Reader head(bytes);
  std::uint32_t first = 0, settingsAt = 0;
  head.U32(first);
  head.U32(settingsAt);
  const std::uint32_t version = first >> 24;
  const std::uint32_t entryCount = first & 0xFFFFFF;
  if (version > 1) return false;
  if (settingsAt < 8 || std::uint64_t(settingsAt) + kBlockBytes + 4 > size) return false;
  if (entryCount > std::uint32_t(kMaxCabinetDocuments)) return false;

  Reader r(bytes, settingsAt);
  FormatBlock block{};
  for (std::uint32_t& w : block) r.U32(w);
  if (block[kWordLineWidth] < 10 || block[kWordLineWidth] > 250) return false;
  if (block[kWordLineCounting] > 1 || block[kWordDocumentType] > 2) return false;
  if (version == 0 && !cabinet_detail::ColourCodesValid(block)) return false;

  std::uint32_t keywordCount = 0;
  r.U32(keywordCount);
  if (keywordCount > std::uint32_t(kMaxKeywords) || keywordCount != block[kWordKeywordCount]) {
    return false;
  }
  std::vector<std::string> keywords(keywordCount);
  for (std::string& k : keywords) {
    if (!r.Text(k)) return false;
  }

  // The entries lie between the header and the settings, ending exactly there.
  Reader entries(bytes.substr(0, settingsAt), 8);
  std::vector<CabinetDocument> documents(entryCount);
  for (CabinetDocument& d : documents) {
    if (!ReadEntry(entries, d)) return false;
  }
  if (entries.Pos() != settingsAt) return false;

  CabinetImage image;
  image.layout = version == 0 ? CabinetLayout::kVersion0 : CabinetLayout::kCurrent;
  image.settings = DefaultSettings(0, english);
  image.settings.block = block;
  if (version == 0) cabinet_detail::ConvertColourCodes(image.settings.block);
  cabinet_detail::SanitiseBlock(image.settings.block);
  cabinet_detail::TakeKeywords(keywords, image.settings);
  ReadTail(r, image.settings);
  image.documents = std::move(documents);
  out = std::move(image);
  return true;
}

bool ParseCabinet(std::string_view bytes, bool english, CabinetImage& out) {
  return ParseCurrentCabinet(bytes, english, out) || ParseOlderCabinet(bytes, english, out);
}

std::uint32_t ColourFromCode(std::uint32_t code) {
  static constexpr std::uint32_t kTable[16] = {
      0x000000, 0xFF0000, 0xFFFF00, 0x00FF00, 0xFF00FF, 0x0000FF, 0x00FFFF, 0xFFFFFF,
      0x800000, 0x808000, 0x008000, 0x800080, 0x000080, 0x008080, 0x808080, 0xC0C0C0};
  std::uint32_t index = code & 0x7FFF;
  if (index == 0 || index > 16) index = 1;
  return kTable[index - 1] | ((code & 0x8000) ? kColourUseFlag : 0);
}

namespace cabinet_detail {

bool IsFlaggedCode(std::uint32_t code) {
  // A code is 16 bits wide; anything above them is not a code.
  const std::uint32_t index = code & 0x7FFF;
  return code <= 0xFFFF && (code & 0x8000) != 0 && index >= 1 && index <= 16;
}

bool IsPlainCode(std::uint32_t code) { return code >= 1 && code <= 16; }

bool ColourCodesValid(const FormatBlock& block) {
  if (!IsFlaggedCode(block[kWordMarkLineBack]) || !IsFlaggedCode(block[kWordMarkStringBack]) ||
      !IsFlaggedCode(block[kWordTagBack])) {
    return false;
  }
  for (int w = kWordCKeywordColour; w <= kWordTextBack; ++w) {
    if (!IsPlainCode(block[w])) return false;
  }
  return true;
}

void ConvertColourCodes(FormatBlock& block) {
  for (int w = kWordMarkLineBack; w <= kWordTagBack; ++w) {
    block[w] = ColourFromCode(block[w] & 0xFFFF);
  }
}

void SanitiseBlock(FormatBlock& block) {
  const FormatBlock defaults = DefaultFormatBlock(int(block[kWordDocumentType]));
  auto clamp = [&](int word, std::uint32_t low, std::uint32_t high) {
    if (block[word] < low || block[word] > high) block[word] = defaults[word];
  };
  clamp(kWordTabWidth, 2, 20);
  clamp(kWordLineSpacing, 0, 100);
  clamp(kWordCharSpacing, 0, 100);
  for (int w = kWordShowLineEnds; w <= kWordSaveStringMarks; ++w) clamp(w, 0, 1);
  clamp(kWordWordWrap, 0, 1);
}

void TakeKeywords(const std::vector<std::string>& read, CabinetSettings& settings) {
  settings.keywords.clear();
  for (const std::string& k : read) {
    if (IsValidKeyword(k)) settings.keywords.push_back(k);
  }
  settings.block[kWordKeywordCount] = std::uint32_t(settings.keywords.size());
}

}  // namespace cabinet_detail
}  // namespace quelt
