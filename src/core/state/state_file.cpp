#include "state/state_file.h"

#include <array>

#include "base/le_words.h"
#include "state/section_text.h"

namespace quelt {
namespace {

constexpr std::size_t kPageLayoutAt = 4;
constexpr std::size_t kCountsAt = kPageLayoutAt + kPageLayoutBytes;  // 284
constexpr std::size_t kHistoryLists = 3;
constexpr std::array<std::size_t, kHistoryLists> kHistoryLimits = {kMaxSearchHistoryText, kMaxSearchHistoryText,
                                                                   kMaxMaskHistoryText};
// Bit 1 of the option word is stored inverted.
constexpr std::uint32_t kInvertedOptionBits = kSearchDistinguishWidth;

std::array<std::vector<std::string>*, kHistoryLists> Lists(StateFileData& d) {
  return {&d.searchHistory, &d.secondHistory, &d.maskHistory};
}

std::uint32_t Word(std::string_view bytes, std::size_t at) {
  std::string_view w = bytes.substr(at, 4);
  std::uint32_t v = 0;
  TakeLe32(w, v);
  return v;
}

// The file without its length word filled in.
std::string Assemble(StateFileData& d, const SecretSealer* sealer) {
  std::string out;
  AppendLe32(out, 0);
  EncodePageLayout(d.pageLayout, out);
  for (auto* list : Lists(d)) AppendLe32(out, static_cast<std::uint32_t>(list->size()));
  AppendLe32(out, (d.searchOptions & kSearchOptionMask) ^ kInvertedOptionBits);
  AppendLe32(out, d.searchSubfolders ? 1 : 0);
  AppendLe32(out, d.findFurtherOption ? 1 : 0);
  out.append(kStateReservedSize, '\0');
  const auto lists = Lists(d);
  for (std::size_t i = 0; i < kHistoryLists; ++i) {
    for (const std::string& entry : *lists[i]) AppendText(out, entry, kHistoryLimits[i]);
  }
  EncodeToolsSection(d.tools, out);
  EncodeExtractSection(d.extract, out);
  EncodeCustomColoursSection(d.customColours, out);
  EncodeFreeConversionSection(d.freeConversion, out);
  EncodePopupMenuSection(d.popupMenu, out);
  EncodeCipherSection(d.cipher, out, sealer);
  EncodeExtendedMenusSection(d.extendedMenus, out);
  return out;
}

// Leaves out the oldest entry of the first list that has one, in the order
// program-execution history, masks, second list, search strings. False
// when every one is empty.
bool DropOldestEntry(StateFileData& d) {
  if (!d.tools.runHistory.empty()) {
    d.tools.runHistory.pop_back();
    return true;
  }
  for (auto* list : {&d.maskHistory, &d.secondHistory, &d.searchHistory}) {
    if (!list->empty()) {
      list->pop_back();
      return true;
    }
  }
  return false;
}

bool ParseSections(std::string_view rest, StateFileData& d, const SecretSealer* sealer) {
  // Each section is read only while data remains; a file of an older version
  // ends early. Bytes after the last section are a later version's: ignored.
  if (rest.empty()) return true;
  if (!DecodeToolsSection(rest, d.tools)) return false;
  if (rest.empty()) return true;
  if (!DecodeExtractSection(rest, d.extract)) return false;
  if (rest.empty()) return true;
  if (!DecodeCustomColoursSection(rest, d.customColours)) return false;
  if (rest.empty()) return true;
  if (!DecodeFreeConversionSection(rest, d.freeConversion)) return false;
  if (rest.empty()) return true;
  if (!DecodePopupMenuSection(rest, d.popupMenu)) return false;
  if (rest.empty()) return true;
  if (!DecodeCipherSection(rest, d.cipher, sealer)) return false;
  if (rest.empty()) return true;
  return DecodeExtendedMenusSection(rest, d.extendedMenus);
}

bool Parse(std::string_view bytes, StateFileData& d, const SecretSealer* sealer) {
  if (bytes.size() < kStateHeaderSize || bytes.size() >= kStateFileBufferSize) return false;
  if (Word(bytes, 0) != bytes.size()) return false;
  DecodePageLayout(bytes.substr(kPageLayoutAt), d.pageLayout);
  std::array<std::uint32_t, kHistoryLists> counts{};
  for (std::size_t i = 0; i < kHistoryLists; ++i) {
    counts[i] = Word(bytes, kCountsAt + 4 * i);
    if (counts[i] > kMaxHistoryEntries) return false;
  }
  d.searchOptions = (Word(bytes, 296) & kSearchOptionMask) ^ kInvertedOptionBits;
  d.searchSubfolders = Word(bytes, 300) != 0;
  d.findFurtherOption = Word(bytes, 304) != 0;
  std::string_view rest = bytes.substr(kStateHeaderSize);
  const auto lists = Lists(d);
  for (std::size_t i = 0; i < kHistoryLists; ++i) {
    lists[i]->resize(counts[i]);
    for (std::string& entry : *lists[i]) {
      if (!TakeText(rest, kHistoryLimits[i], entry)) return false;
    }
  }
  return ParseSections(rest, d, sealer);
}

}  // namespace

bool ParseStateFile(std::string_view bytes, StateFileData& out, const SecretSealer* sealer) {
  StateFileData d;
  const bool ok = Parse(bytes, d, sealer);
  out = ok ? std::move(d) : StateFileData{};
  return ok;
}

StateBuild BuildStateFile(const StateFileData& data, std::string& out, const SecretSealer* sealer) {
  StateFileData d = data;
  for (auto* list : Lists(d)) {
    if (list->size() > kMaxHistoryEntries) list->resize(kMaxHistoryEntries);
  }
  if (d.tools.runHistory.size() > kMaxProgramRuns) d.tools.runHistory.resize(kMaxProgramRuns);
  StateBuild result = StateBuild::kWhole;
  // With every history empty the longest file is about 55,000 bytes, so the
  // loop always ends with a file that fits.
  out = Assemble(d, sealer);
  while (out.size() >= kStateFileBufferSize && DropOldestEntry(d)) {
    result = StateBuild::kTrimmed;
    out = Assemble(d, sealer);
  }
  const auto length = static_cast<std::uint32_t>(out.size());
  for (int i = 0; i < 4; ++i) out[i] = static_cast<char>((length >> (8 * i)) & 0xFF);
  return result;
}

}  // namespace quelt
