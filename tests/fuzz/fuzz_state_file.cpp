// The state file: any bytes go to the reader, and each section's decoder
// reads them on its own. Whatever is accepted must be within the records'
// capacities and must write back to bytes that read as the same data.
#include <string>

#include "fuzz_check.h"
#include "state/section_text.h"
#include "state/state_file.h"

namespace quelt {
namespace {

// Seals by a plain copy behind a tag, so that mutated sealed blocks reach
// the checks of what was unsealed.
class CopySealer : public SecretSealer {
 public:
  bool Seal(std::string_view plain, std::string& sealed) const override {
    sealed = "ok";
    sealed += plain;
    return true;
  }
  bool Unseal(std::string_view sealed, std::string& plain) const override {
    if (sealed.substr(0, 2) != "ok") return false;
    plain = sealed.substr(2);
    return true;
  }
};
const CopySealer kSealer;

void CheckTexts(const std::vector<std::string>& list, std::size_t limit) {
  FUZZ_CHECK(list.size() <= kMaxHistoryEntries);
  for (const std::string& s : list) FUZZ_CHECK(s.size() <= limit && s.find('\0') == std::string::npos);
}

void CheckSound(const StateFileData& d) {
  CheckTexts(d.searchHistory, kMaxSearchHistoryText);
  CheckTexts(d.secondHistory, kMaxSearchHistoryText);
  CheckTexts(d.maskHistory, kMaxMaskHistoryText);
  FUZZ_CHECK((d.searchOptions & ~kSearchOptionMask) == 0);
  FUZZ_CHECK(d.tools.runHistory.size() <= kMaxProgramRuns);
  FUZZ_CHECK(d.tools.tools.size() <= kMaxUserTools);
  for (const UserTool& t : d.tools.tools) FUZZ_CHECK(t.kind >= kToolProgram && t.kind <= kToolSeparator);
  FUZZ_CHECK(d.popupMenu.size() <= kMaxPopupMenuItems);
  for (std::int32_t item : d.popupMenu.items()) FUZZ_CHECK(PopupMenuItems::IsValidItem(item));
  FUZZ_CHECK(IsValidCipherKey(d.cipher.key) && IsValidPassword(d.cipher.password));
  FUZZ_CHECK(d.freeConversion.rules.size() <= kFreeConversionRuleCount);
  for (const ExtendedMenu& m : d.extendedMenus) FUZZ_CHECK(m.items.size() <= kMaxExtendedMenuItems);
}

void CheckFile(std::string_view bytes) {
  StateFileData d;
  if (!ParseStateFile(bytes, d, &kSealer)) {
    FUZZ_CHECK(d == StateFileData{});
    return;
  }
  CheckSound(d);
  std::string again;
  FUZZ_CHECK(BuildStateFile(d, again, &kSealer) == StateBuild::kWhole);
  FUZZ_CHECK(again.size() < kStateFileBufferSize);
  StateFileData back;
  FUZZ_CHECK(ParseStateFile(again, back, &kSealer));
  FUZZ_CHECK(back == d);
}

// One section's decoder on the bytes: what it takes must be a prefix, and
// what it read must write back to bytes that read the same.
template <typename Record, typename Decode, typename Encode>
void CheckSection(std::string_view bytes, Decode decode, Encode encode, const Record& defaults = Record{}) {
  std::string_view in = bytes;
  Record r;
  if (!decode(in, r)) {
    FUZZ_CHECK(r == defaults);
    return;
  }
  FUZZ_CHECK(in.size() <= bytes.size() && in.data() == bytes.data() + (bytes.size() - in.size()));
  std::string again;
  encode(r, again);
  std::string_view in2 = again;
  Record back;
  FUZZ_CHECK(decode(in2, back));
  FUZZ_CHECK(in2.empty());
  FUZZ_CHECK(back == r);
}

void CheckSections(std::string_view bytes) {
  CheckSection<ToolsSection>(bytes, DecodeToolsSection, EncodeToolsSection);
  CheckSection<ExtractSettings>(bytes, DecodeExtractSection, EncodeExtractSection);
  CheckSection<CustomColours>(bytes, DecodeCustomColoursSection, EncodeCustomColoursSection,
                              DefaultCustomColours());
  CheckSection<FreeConversionRules>(bytes, DecodeFreeConversionSection, EncodeFreeConversionSection);
  CheckSection<CipherSecrets>(
      bytes, [](std::string_view& in, CipherSecrets& s) { return DecodeCipherSection(in, s, &kSealer); },
      [](const CipherSecrets& s, std::string& out) { EncodeCipherSection(s, out, &kSealer); });
  CheckSection<ExtendedMenus>(bytes, DecodeExtendedMenusSection, EncodeExtendedMenusSection);
  {
    std::string_view in = bytes;
    PopupMenuItems m;
    if (DecodePopupMenuSection(in, m)) {
      std::string again;
      EncodePopupMenuSection(m, again);
      std::string_view in2 = again;
      PopupMenuItems back(std::vector<std::int32_t>{});
      FUZZ_CHECK(DecodePopupMenuSection(in2, back) && in2.empty() && back == m);
    } else {
      FUZZ_CHECK(m == PopupMenuItems{});
    }
  }
  PageLayout layout;
  if (DecodePageLayout(bytes, layout)) {
    std::string again;
    EncodePageLayout(layout, again);
    PageLayout back;
    FUZZ_CHECK(DecodePageLayout(again, back) && back == layout);
  }
}

}  // namespace
}  // namespace quelt

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes = quelt::fuzz::AsText(data, size);
  quelt::CheckFile(bytes);
  // The same bytes with the right length in the first word, so that mutated
  // files get past the first check.
  if (size >= 4) {
    std::string fixed(bytes);
    for (int i = 0; i < 4; ++i) fixed[i] = static_cast<char>((size >> (8 * i)) & 0xFF);
    quelt::CheckFile(fixed);
  }
  quelt::CheckSections(bytes);
  return 0;
}
