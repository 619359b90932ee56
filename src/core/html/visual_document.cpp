#include "html/visual_document.h"

namespace quelt {

namespace {

constexpr std::int32_t kWeightNormal = 400;
constexpr std::int32_t kWeightBold = 700;

bool IsFree(const VisualFont& font) { return font == VisualFont{}; }

}  // namespace

VisualDocument::VisualDocument() {
  VisualFont base;
  base.height = HtmlFontPoints(kDefaultHtmlFontSize);
  base.weight = kWeightNormal;
  base.charSet = 128;  // SHIFTJIS_CHARSET
  fonts[0] = base;
}

void VisualDocument::Clear() {
  const VisualFont base = fonts[0];
  *this = VisualDocument();
  fonts[0] = base;
}

void VisualDocument::SetBaseFont(const VisualFont& font) { fonts[0] = font; }

VisualFont VisualDocument::FontOfSize(int size, bool bold, bool italic) const {
  VisualFont font = fonts[0];
  font.height = HtmlFontPoints(size);
  font.weight = bold ? kWeightBold : kWeightNormal;
  font.italic = italic ? 1 : 0;
  return font;
}

int VisualDocument::FindOrAddFont(int size, bool bold, bool italic) {
  if (size == kDefaultHtmlFontSize && !bold && !italic) return 0;
  const int index = FindOrAddFontRecord(FontOfSize(size, bold, italic));
  return index < 0 ? 0 : index;
}

int VisualDocument::FindOrAddFontRecord(const VisualFont& font) {
  for (int i = 0; i < kVisualFontCount; ++i)
    if (fonts[i] == font) return i;
  for (int i = 1; i < kVisualFontCount; ++i) {
    if (IsFree(fonts[i])) {
      fonts[i] = font;
      return i;
    }
  }
  return -1;
}

void VisualDocument::DropUnusedFonts() {
  std::array<bool, kVisualFontCount> used{};
  used[0] = true;
  for (const VisualAttr& a : attrs) used[a.font] = true;
  for (int i = 1; i < kVisualFontCount; ++i)
    if (!used[i]) fonts[i] = VisualFont{};
}

int VisualDocument::FindOrAddFontEditing(const VisualFont& font, Host& host) {
  int index = FindOrAddFontRecord(font);
  if (index >= 0) return index;
  DropUnusedFonts();
  index = FindOrAddFontRecord(font);
  if (index < 0) host.ShowMessage(kMsgVisualTooManyFonts);
  return index;
}

int VisualDocument::AddLink(const std::string& href) {
  for (int i = 0; i < kVisualLinkCount; ++i) {
    if (links[i].empty()) {
      links[i] = href;
      return i + 1;
    }
  }
  return 0;
}

const std::string& VisualDocument::LinkText(int index) const {
  static const std::string kNone;
  if (index < 1 || index > kVisualLinkCount) return kNone;
  return links[index - 1];
}

bool VisualDocument::CheckRoom(std::size_t newSize, Host& host) {
  if (newSize + 2 < kVisualTextLimit) return true;
  host.ShowMessage(kMsgVisualTooManyChars);
  return false;
}

int VisualDocument::FigureCount() const {
  int n = 0;
  for (const VisualFigure& f : figures)
    if (f.kind != FigureKind::kFree) ++n;
  return n;
}

bool VisualDocument::CheckFigureRoom(int count, Host& host) const {
  if (FigureCount() + count <= kVisualFigureCount) return true;
  host.ShowMessage(kMsgVisualTooManyFigures);
  return false;
}

std::size_t ParagraphStart(const std::string& text, std::size_t offset) {
  if (offset > text.size()) offset = text.size();
  while (offset > 0) {
    if (offset >= 2 && text[offset - 2] == '\r' && text[offset - 1] == '\n') break;
    --offset;
  }
  return offset;
}

}  // namespace quelt
