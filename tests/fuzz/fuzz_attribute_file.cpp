// Attribute files: any bytes, and the same bytes behind the header, are
// parsed against a small text. Marks that are accepted must be ones the
// drawing code can trust, and must write back to a file that reads as the
// same marks. The first run also parses every truncation of the largest
// file.
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "marks/attribute_file.h"

namespace quelt {
namespace {

// 200 bytes: short lines of "x" ending in CR LF, and a lone CR at 7.
std::string MakeText() {
  std::string t;
  while (t.size() < 200) t += std::string(t.size() % 20 == 0 ? 10 : 18, 'x') + "\r\n";
  t.resize(200);
  t[7] = '\r';
  return t;
}

const std::string& Text() {
  static const std::string text = MakeText();
  return text;
}

AttributeText View() {
  return {static_cast<std::uint32_t>(Text().size()),
          [](TextOffset p) { return static_cast<std::uint8_t>(Text()[p]); }};
}

void CheckSound(const AttributeMarks& m) {
  const std::string& text = Text();
  FUZZ_CHECK(m.lines.size() <= kMaxLineMarks);
  FUZZ_CHECK(m.strings.size() <= kMaxStringMarks);
  for (std::size_t i = 0; i < m.lines.size(); ++i) {
    const std::int32_t v = m.lines[i];
    FUZZ_CHECK(v == kFirstLineMark || (v >= 0 && std::size_t(v) < text.size() && text[std::size_t(v)] == '\r'));
    if (i > 0) FUZZ_CHECK(m.lines[i - 1] < v);
  }
  for (std::size_t i = 0; i < m.strings.size(); ++i) {
    const StringMark& s = m.strings[i];
    FUZZ_CHECK(s.length >= 1 && s.length <= kMaxMarkText);
    FUZZ_CHECK(s.text.size() == s.length);
    FUZZ_CHECK(s.text.find('\0') == std::string::npos);
    FUZZ_CHECK(s.offset < text.size() && s.offset + s.length <= text.size());
    if (i > 0) FUZZ_CHECK(m.strings[i - 1].offset <= s.offset);
  }
}

void Check(std::string_view bytes) {
  AttributeMarks out;
  const AttributeParse r = ParseAttributeFile(bytes, View(), out);
  if (r != AttributeParse::kMarks) {
    FUZZ_CHECK(out.lines.empty() && out.strings.empty());
    if (bytes.size() < kAttributeHeaderSize || bytes.substr(0, kAttributeHeaderSize) != kAttributeHeader)
      FUZZ_CHECK(r == AttributeParse::kIgnored);
    return;
  }
  CheckSound(out);
  const std::string again = BuildAttributeFile(out.lines, out.strings);
  FUZZ_CHECK(again.size() <= kMaxAttributeFileSize);
  FUZZ_CHECK(again.size() <= bytes.size());
  AttributeMarks back;
  FUZZ_CHECK(ParseAttributeFile(again, View(), back) == AttributeParse::kMarks);
  FUZZ_CHECK(back.lines == out.lines && back.strings == out.strings);
}

// Every piece of the largest file shorter than the whole is refused.
void CheckTruncations() {
  std::vector<std::int32_t> lines{kFirstLineMark};
  for (std::size_t i = 0; i < Text().size() && lines.size() < kMaxLineMarks; ++i)
    if (Text()[i] == '\r') lines.push_back(static_cast<std::int32_t>(i));
  std::vector<StringMark> strings;
  for (TextOffset p = 0; p < kMaxStringMarks; ++p)
    strings.push_back({p, kMaxMarkText, Text().substr(p, kMaxMarkText)});
  const std::string file = BuildAttributeFile(lines, strings);
  Check(file);
  for (std::size_t n = 0; n < file.size(); ++n) {
    AttributeMarks out;
    FUZZ_CHECK(ParseAttributeFile(std::string_view(file).substr(0, n), View(), out) != AttributeParse::kMarks);
  }
}

}  // namespace
}  // namespace quelt

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool truncationsChecked = (quelt::CheckTruncations(), true);
  (void)truncationsChecked;
  const std::string_view bytes = quelt::fuzz::AsText(data, size);
  quelt::Check(bytes);
  quelt::Check(std::string(quelt::kAttributeHeader) + std::string(bytes));
  return 0;
}
