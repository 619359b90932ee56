#include "view/layout_params.h"

#include <algorithm>

#include "app/settings.h"
#include "cabinet/cabinet_settings.h"

namespace quelt {

KinsokuSet::KinsokuSet(std::string_view sjis) {
  for (std::size_t i = 0; i < sjis.size();) {
    const auto c = static_cast<std::uint8_t>(sjis[i]);
    if (IsSjisLeadByte(c) && i + 1 < sjis.size()) {
      const auto t = static_cast<std::uint8_t>(sjis[i + 1]);
      pairs_.push_back(static_cast<std::uint16_t>(c << 8 | t));
      i += 2;
    } else {
      singles_[c >> 6] |= std::uint64_t{1} << (c & 63);
      ++i;
    }
  }
  std::sort(pairs_.begin(), pairs_.end());
  pairs_.erase(std::unique(pairs_.begin(), pairs_.end()), pairs_.end());
}

bool KinsokuSet::ContainsPair(std::uint8_t lead, std::uint8_t trail) const {
  const auto code = static_cast<std::uint16_t>(lead << 8 | trail);
  return std::binary_search(pairs_.begin(), pairs_.end(), code);
}

void LayoutParams::Normalize() {
  wrapColumn = std::clamp(wrapColumn, kMinWrapColumn, kMaxWrapColumn);
  tabWidth = std::clamp(tabWidth, kMinTabWidth, kMaxTabWidth);
}

LeadByteTest LeadTestForFont(bool enableCharSetCheck, int fontCharSet) {
  return LeadByteTest(!enableCharSetCheck || fontCharSet == kShiftJisCharSet);
}

namespace {
int Word(const FormatBlock& block, FormatWord w) {
  const std::uint32_t v = block[w];
  return v > 0x7FFFFFFFu ? 0 : static_cast<int>(v);
}
}  // namespace

LayoutParams MakeLayoutParams(const CabinetSettings& cabinet, const AppSettings& app,
                              int documentLineWidth, int fontCharSet) {
  LayoutParams p;
  const FormatBlock& b = cabinet.block;
  p.wrapColumn = documentLineWidth > 0 ? documentLineWidth : Word(b, kWordLineWidth);
  p.tabWidth = Word(b, kWordTabWidth);
  p.countLogicalLines = b[kWordLineCounting] != 0;
  p.lineSpacing = Word(b, kWordLineSpacing);
  p.charSpacing = Word(b, kWordCharSpacing);
  p.freeCursor = b[kWordFreeCursor] != 0;
  p.wordWrap = b[kWordWordWrap] != 0;
  p.kinsoku = cabinet.kinsoku != 0;
  p.kinsokuChars = KinsokuSet(app.columnOutString);
  p.lead = LeadTestForFont(app.enableCharSetCheck != 0, fontCharSet);
  p.Normalize();
  return p;
}

}  // namespace quelt
