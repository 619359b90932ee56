#include "print/page_layout.h"

#include "base/le_words.h"
#include "cabinet/cabinet_pages.h"
#include "state/section_text.h"

namespace quelt {
namespace {

constexpr std::size_t kTextField = 84;  // the zero-filled field of a header or footer text

constexpr std::int32_t Signed(std::uint32_t v) { return static_cast<std::int32_t>(v); }

void EncodeHeaderFooter(const HeaderFooter& h, std::string& out) {
  AppendLe32(out, h.printed ? 0 : 1);  // stored inverted
  const std::int32_t position = h.position >= kAlignLeft && h.position <= kAlignRight ? h.position : kAlignLeft;
  AppendLe32(out, static_cast<std::uint32_t>(position));
  std::string text = StoredText(h.text, kMaxHeaderFooterText);
  text.resize(kTextField, '\0');
  out += text;
}

void DecodeHeaderFooter(std::string_view& in, HeaderFooter& h, std::int32_t defaultPosition) {
  std::uint32_t notPrinted = 0, position = 0;
  TakeLe32(in, notPrinted);
  TakeLe32(in, position);
  h.printed = notPrinted != 1;
  h.position = position <= kAlignRight ? Signed(position) : defaultPosition;
  h.text = StoredText(in.substr(0, kTextField), kMaxHeaderFooterText);
  in.remove_prefix(kTextField);
}

}  // namespace

FontRecord PageLayout::DefaultPrintFont() {
  FontRecord font;
  font.height = 10;           // points
  font.weight = 400;          // normal
  font.charSet = 128;         // Shift-JIS
  font.pitchAndFamily = 0x31;  // fixed pitch, modern
  return font;
}

void EncodePageLayout(const PageLayout& layout, std::string& out) {
  out += EncodeFontRecord(layout.printFont);
  AppendLe32(out, static_cast<std::uint32_t>(layout.topMargin));
  AppendLe32(out, static_cast<std::uint32_t>(layout.bottomMargin));
  AppendLe32(out, static_cast<std::uint32_t>(layout.leftMargin));
  AppendLe32(out, static_cast<std::uint32_t>(layout.rightMargin));
  AppendLe32(out, layout.printLineNumbers ? 1 : 0);
  AppendLe32(out, static_cast<std::uint32_t>(layout.firstPageNumber));
  AppendLe32(out, static_cast<std::uint32_t>(layout.firstLineNumber));
  EncodeHeaderFooter(layout.header, out);
  EncodeHeaderFooter(layout.footer, out);
  AppendLe32(out, static_cast<std::uint32_t>(layout.lineSpacing));
  AppendLe32(out, static_cast<std::uint32_t>(layout.charSpacing));
}

bool DecodePageLayout(std::string_view bytes, PageLayout& layout) {
  if (bytes.size() < kPageLayoutBytes) return false;
  PageLayout l;
  DecodeFontRecord(bytes.substr(0, kFontRecordBytes), l.printFont);
  // The face name is a zero-ended field: what follows its zero is not kept.
  bool ended = false;
  for (char& c : l.printFont.faceName) {
    if (ended) c = 0;
    ended = ended || c == 0;
  }
  l.printFont.faceName.back() = 0;
  std::string_view in = bytes.substr(kFontRecordBytes, kPageLayoutBytes - kFontRecordBytes);
  std::uint32_t v[7] = {};
  for (std::uint32_t& w : v) TakeLe32(in, w);
  l.topMargin = Signed(v[0]);
  l.bottomMargin = Signed(v[1]);
  l.leftMargin = Signed(v[2]);
  l.rightMargin = Signed(v[3]);
  l.printLineNumbers = v[4] <= 1 ? v[4] == 1 : true;
  l.firstPageNumber = Signed(v[5]);
  l.firstLineNumber = Signed(v[6]);
  DecodeHeaderFooter(in, l.header, kAlignLeft);
  DecodeHeaderFooter(in, l.footer, kAlignCentre);
  std::uint32_t lineSpacing = 0, charSpacing = 0;
  TakeLe32(in, lineSpacing);
  TakeLe32(in, charSpacing);
  l.lineSpacing = Signed(lineSpacing);
  l.charSpacing = Signed(charSpacing);
  layout = l;
  return true;
}

}  // namespace quelt
