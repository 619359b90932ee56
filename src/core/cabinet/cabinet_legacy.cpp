// The older 16-bit cabinet layout, read and converted to the current model:
//   u16 entry count N, u16 settings offset B,
//   N entries: zero-ended path, placement as eleven 16-bit values, then
//     active flag, flags and three positions as 16-bit values (path + 33),
//   at B: words 0-30 of the format block as signed 16-bit values, the eight
//     byte fields and the 32-byte face name of the font record (102 bytes),
//   u16 keyword count K, K zero-ended keywords.
// Colours are 16-bit codes into the 16-colour table.
#include "cabinet/cabinet_bytes.h"
#include "cabinet/cabinet_file.h"
#include "cabinet/cabinet_read_parts.h"

namespace quelt {
namespace {

using cabinet_bytes::Reader;

constexpr std::size_t kMinOlderSize = 108;   // header, block and keyword count
constexpr std::size_t kOlderBlockBytes = 102;
constexpr int kOlderWideWords = 31;          // words 0-30 stored as 16-bit values

std::uint32_t Widen(std::uint16_t v) { return std::uint32_t(std::int32_t(std::int16_t(v))); }

bool ReadOlderEntry(Reader& r, CabinetDocument& d) {
  std::uint16_t w[16];
  if (!r.Text(d.path)) return false;
  for (std::uint16_t& v : w) {
    if (!r.U16(v)) return false;
  }
  WindowPlacementRecord& p = d.placement;
  p.length = 44;  // the size of the 32-bit record it becomes
  p.flags = w[1];
  p.showCmd = w[2];
  p.minX = std::int16_t(w[3]);
  p.minY = std::int16_t(w[4]);
  p.maxX = std::int16_t(w[5]);
  p.maxY = std::int16_t(w[6]);
  p.left = std::int16_t(w[7]);
  p.top = std::int16_t(w[8]);
  p.right = std::int16_t(w[9]);
  p.bottom = std::int16_t(w[10]);
  d.active = w[11] != 0;
  d.writeProtected = (w[12] & 1) != 0;
  const std::uint8_t kind = std::uint8_t(w[12] >> 8);
  d.openKind = (kind == kOpenText || kind == kOpenBinary) ? kind : kOpenText;
  d.htmlFlag = 0;
  d.position1 = w[13];
  d.position2 = w[14];
  d.position3 = w[15];
  return true;
}

}  // namespace

bool ParseOlderCabinet(std::string_view bytes, bool english, CabinetImage& out) {
  const std::size_t size = bytes.size();
  if (size >= kCabinetBufferSize || size < kMinOlderSize) return false;
  Reader head(bytes);
  std::uint16_t entryCount = 0, settingsAt = 0;
  head.U16(entryCount);
  head.U16(settingsAt);
  if (settingsAt < 4 || std::size_t(settingsAt) + kOlderBlockBytes + 2 > size) return false;
  if (entryCount > kMaxCabinetDocuments) return false;

  Reader r(bytes, settingsAt);
  std::uint16_t raw[kOlderWideWords];
  for (std::uint16_t& v : raw) r.U16(v);
  FormatBlock block{};
  for (int w = 0; w < kOlderWideWords; ++w) block[w] = Widen(raw[w]);
  // Colour codes are unsigned 16-bit values.
  for (int w = kWordMarkLineBack; w <= kWordTagBack; ++w) block[w] = raw[w];
  std::uint8_t fontBytes[8 + kFontFaceBytes];
  r.Bytes(fontBytes, sizeof fontBytes);
  for (int w = kOlderWideWords; w < kFormatWords; ++w) {
    std::uint32_t v = 0;
    for (int b = 0; b < 4; ++b) v |= std::uint32_t(fontBytes[(w - kOlderWideWords) * 4 + b]) << (8 * b);
    block[w] = v;
  }

  // Signed comparisons: a negative 16-bit value is out of every range.
  const std::int32_t lineWidth = std::int16_t(raw[kWordLineWidth]);
  const std::int32_t counting = std::int16_t(raw[kWordLineCounting]);
  const std::int32_t type = std::int16_t(raw[kWordDocumentType]);
  if (lineWidth < 10 || lineWidth > 250 || counting < 0 || counting > 1 || type < 0 || type > 2) {
    return false;
  }
  if (!cabinet_detail::ColourCodesValid(block)) return false;

  std::uint16_t keywordCount = 0;
  r.U16(keywordCount);
  if (keywordCount > kMaxKeywords || keywordCount != raw[kWordKeywordCount]) return false;
  std::vector<std::string> keywords(keywordCount);
  for (std::string& k : keywords) {
    if (!r.Text(k)) return false;
  }

  Reader entries(bytes.substr(0, settingsAt), 4);
  std::vector<CabinetDocument> documents(entryCount);
  for (CabinetDocument& d : documents) {
    if (!ReadOlderEntry(entries, d)) return false;
  }
  if (entries.Pos() != settingsAt) return false;

  CabinetImage image;
  image.layout = CabinetLayout::kOlder;
  image.settings = DefaultSettings(0, english);
  image.settings.block = block;
  cabinet_detail::ConvertColourCodes(image.settings.block);
  cabinet_detail::SanitiseBlock(image.settings.block);
  cabinet_detail::TakeKeywords(keywords, image.settings);
  image.documents = std::move(documents);
  out = std::move(image);
  return true;
}

}  // namespace quelt
