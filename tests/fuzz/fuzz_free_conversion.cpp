// The free conversion's rules come from the dialog, the state file and
// operation files, its source from any document. The input is read twice:
// as the recorded data of the command, which must encode back to itself,
// and as rules and a source: the first byte holds the options, then up to
// twenty zero-ended fields (before and after of ten rows), the rest is the
// source. The walk must end on a character boundary of the source, never
// pass the output buffer, and, when it finishes, have walked all of it.
#include <string>
#include <vector>

#include "convert/free_conversion.h"
#include "convert/free_conversion_edit.h"
#include "fuzz_check.h"

namespace quelt {
namespace {

void CheckRecord(std::string_view data) {
  FreeConversionRules rules;
  if (!DecodeFreeConversionRecord(data, rules)) return;
  FUZZ_CHECK(rules.rules.size() <= kFreeConversionRuleCount);
  FUZZ_CHECK(EncodeFreeConversionRecord(rules) == data);
}

// Whether p starts a character (or a CR LF pair) of s.
bool Boundary(std::string_view s, std::size_t p, LeadByteTest lead) {
  std::size_t i = 0;
  while (i < p) {
    const auto c = static_cast<std::uint8_t>(s[i]);
    if (i + 1 < s.size() && (lead(c) || (c == kCr && s[i + 1] == '\n'))) {
      i += 2;
    } else {
      ++i;
    }
  }
  return i == p;
}

}  // namespace
}  // namespace quelt

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quelt;
  const std::string_view input = fuzz::AsText(data, size);
  CheckRecord(input);
  if (size < 1) return 0;
  const std::uint8_t flags = data[0];
  std::string_view rest = input.substr(1);
  FreeConversionRules rules;
  rules.options = flags & kFreeConvOptionMask;
  const bool fullEscapes = flags & 4;
  const LeadByteTest lead(!(flags & 8));
  // Class names are short and rare in random bytes: bit 4 turns a field
  // that starts with '#' into the name of the class its next byte picks.
  const bool classNames = flags & 16;
  std::vector<std::string> fields;
  while (fields.size() < 2 * kFreeConversionRuleCount) {
    const std::size_t end = rest.find('\0');
    if (end == std::string_view::npos) break;
    std::string field(rest.substr(0, end));
    if (classNames && field.size() >= 2 && field[0] == '#') {
      const auto order = CharClassListOrder();
      field = std::string(CharClassName(order[static_cast<std::uint8_t>(field[1]) % order.size()]));
    }
    fields.push_back(std::move(field));
    rest.remove_prefix(end + 1);
  }
  for (std::size_t i = 0; i + 1 < fields.size(); i += 2) rules.rules.push_back({fields[i], fields[i + 1]});

  FreeConverter converter;
  if (!converter.Prepare(rules, fullEscapes, lead)) {
    // Only escape sequences can make a rule unusable.
    FUZZ_CHECK(rules.options & kFreeConvEscapeSequences);
    return 0;
  }
  const FreeConverter::Result r = converter.Convert(rest);
  FUZZ_CHECK(r.status == FreeConversionStatus::kDone || r.status == FreeConversionStatus::kOutputFull);
  FUZZ_CHECK(r.text.size() <= kFreeConversionBufferSize);
  FUZZ_CHECK(r.converted <= rest.size());
  FUZZ_CHECK(Boundary(rest, r.converted, lead));
  if (r.status == FreeConversionStatus::kDone) FUZZ_CHECK(r.converted == rest.size());
  // Without rules the text is copied.
  if (rules.rules.empty()) FUZZ_CHECK(r.text == rest.substr(0, r.converted));
  return 0;
}
