#include "base/cp932.h"

#include <algorithm>
#include <array>
#include <memory>

#include "base/cp932_table.h"
#include "base/sjis.h"

namespace quelt {
namespace {

using namespace cp932_table;

constexpr std::uint16_t kNoCode = 0xFFFF;  // no lead byte is 0xFF

std::size_t LeadIndex(std::uint8_t lead) { return lead <= 0x9F ? lead - 0x81u : lead - 0xE0u + 31u; }

bool IsNecSelected(std::uint16_t code) { return code >= 0xED00 && code <= 0xEEFF; }

// The code of every unit, built once from the tables: the first code in byte
// order wins, except that the NEC-selected rows give way to any other code.
const std::array<std::uint16_t, 0x10000>& ToCp932() {
  static const auto table = [] {
    auto t = std::make_unique<std::array<std::uint16_t, 0x10000>>();
    t->fill(kNoCode);
    for (unsigned b = 0; b < 256; ++b) {
      const std::uint16_t u = kSingleByte[b];
      if (u != kUndefinedSingle && (*t)[u] == kNoCode) (*t)[u] = static_cast<std::uint16_t>(b);
    }
    for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
      if (!IsSjisLeadByte(static_cast<std::uint8_t>(lead))) continue;
      for (unsigned trail = kTrailMin; trail <= kTrailMax; ++trail) {
        const std::uint16_t u = kDoubleByte[LeadIndex(static_cast<std::uint8_t>(lead)) * kTrailCount + trail - kTrailMin];
        if (u == 0) continue;
        const auto code = static_cast<std::uint16_t>(lead << 8 | trail);
        std::uint16_t& slot = (*t)[u];
        if (slot == kNoCode || (IsNecSelected(slot) && !IsNecSelected(code))) slot = code;
      }
    }
    for (std::size_t i = 0; i < kToCp932ExtraCount; ++i) {
      (*t)[kToCp932Extra[i] >> 16] = static_cast<std::uint16_t>(kToCp932Extra[i] & 0xFFFF);
    }
    return t;
  }();
  return *table;
}

bool IsHighSurrogate(char16_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool IsLowSurrogate(char16_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

}  // namespace

bool Cp932ToUnicode(std::uint16_t code, char16_t& unit) {
  if (code <= 0xFF) {
    if (kSingleByte[code] == kUndefinedSingle) return false;
    unit = static_cast<char16_t>(kSingleByte[code]);
    return true;
  }
  const auto lead = static_cast<std::uint8_t>(code >> 8);
  const auto trail = static_cast<std::uint8_t>(code & 0xFF);
  if (!IsSjisLeadByte(lead) || trail < kTrailMin || trail > kTrailMax) return false;
  const std::uint16_t u = kDoubleByte[LeadIndex(lead) * kTrailCount + trail - kTrailMin];
  if (u == 0) return false;
  unit = static_cast<char16_t>(u);
  return true;
}

bool UnicodeToCp932(char16_t unit, std::uint16_t& code) {
  const std::uint16_t c = ToCp932()[unit];
  if (c == kNoCode) return false;
  code = c;
  return true;
}

std::u16string SjisToUtf16(std::string_view sjis) {
  std::u16string out;
  out.reserve(sjis.size());
  for (std::size_t i = 0; i < sjis.size(); ++i) {
    const auto c = static_cast<std::uint8_t>(sjis[i]);
    std::uint16_t code = c;
    if (IsSjisLeadByte(c) && i + 1 < sjis.size() && IsSjisTrailByte(static_cast<std::uint8_t>(sjis[i + 1]))) {
      code = static_cast<std::uint16_t>(c << 8 | static_cast<std::uint8_t>(sjis[++i]));
    }
    char16_t unit = kCp932DefaultUnit;
    Cp932ToUnicode(code, unit);
    out += unit;
  }
  return out;
}

std::string Utf16ToSjis(std::u16string_view utf16) {
  std::string out;
  out.reserve(utf16.size() * 2);
  for (std::size_t i = 0; i < utf16.size(); ++i) {
    std::uint16_t code = 0;
    if (!UnicodeToCp932(utf16[i], code)) {
      if (IsHighSurrogate(utf16[i]) && i + 1 < utf16.size() && IsLowSurrogate(utf16[i + 1])) ++i;
      out += kCp932DefaultChar;
    } else if (code > 0xFF) {
      out += static_cast<char>(code >> 8);
      out += static_cast<char>(code & 0xFF);
    } else {
      out += static_cast<char>(code);
    }
  }
  return out;
}

}  // namespace quelt
