#include "probe_width.h"

#include <mbctype.h>
#include <mbstring.h>

#include <cstdio>

#include "search/width_fold.h"

namespace probe {

int CheckWidthFold() {
  if (_setmbcp(932) != 0) {
    std::printf("code page 932 unavailable\n");
    return 2;
  }
  // The platform also folds hiragana and the katakana without a one-byte
  // form (ガ to ｶ, dropping the sound mark); the editor keeps those, so that
  // a search for ｶ never finds ガ. Any other difference is a fault.
  int differences = 0, kept = 0, folded = 0;
  for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
    if (lead >= 0xA0 && lead < 0xE0) continue;
    for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
      if (trail == 0x7F) continue;
      const unsigned code = lead << 8 | trail;
      const unsigned platform = _mbctombb(code);
      const unsigned ours = quelt::FoldWidth(static_cast<std::uint16_t>(code));
      if (ours != code) ++folded;
      if (platform == ours) continue;
      const bool kana = (code >= 0x829F && code <= 0x82F1) || (code >= 0x8340 && code <= 0x8396);
      if (kana && ours == code) {
        ++kept;
        continue;
      }
      ++differences;
      std::printf("%04X platform %04X ours %04X\n", code, platform, ours);
    }
  }
  std::printf("folded %d kept %d differences %d\n", folded, kept, differences);
  return differences == 0 ? 0 : 1;
}

}  // namespace probe
