#include "html/visual_format.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace quelt {
namespace {

constexpr std::int32_t kWeightNormal = 400;
constexpr std::int32_t kWeightBold = 700;

bool ChangesFont(const CharacterChange& c) {
  return c.face || c.points || c.htmlSize || c.bold || c.italic;
}

VisualFont ChangedFont(VisualFont font, const CharacterChange& c) {
  if (c.face) {
    font.faceName.fill(0);
    const std::size_t n = std::min(c.face->size(), font.faceName.size() - 1);
    std::memcpy(font.faceName.data(), c.face->data(), n);
  }
  if (c.points) {
    font.height = std::max(1, *c.points);
  } else if (c.htmlSize) {
    font.height = HtmlFontPoints(*c.htmlSize);
  }
  if (c.bold) font.weight = *c.bold ? kWeightBold : kWeightNormal;
  if (c.italic) font.italic = *c.italic ? 1 : 0;
  return font;
}

std::int8_t Steps(int value, int limit) { return static_cast<std::int8_t>(std::clamp(value, -limit, limit)); }

// Every attribute but the font.
void ChangeAttrs(VisualAttr& a, const CharacterChange& c) {
  if (c.colour) a.colour = *c.colour;
  if (c.underline) a.underline = *c.underline;
  if (c.underlineColour) a.underlineColour = *c.underlineColour;
  if (c.shading) a.shading = *c.shading;
  if (c.shadingColour) a.shadingColour = *c.shadingColour;
  if (c.charSpacing) a.charSpacing = Steps(*c.charSpacing, kMaxSpacingSteps);
  if (c.lineSpacing) a.lineSpacing = Steps(*c.lineSpacing, kMaxSpacingSteps);
  if (c.raise) a.raise = *c.raise;
  if (c.raiseOffset) a.raiseOffset = Steps(*c.raiseOffset, kMaxRaiseSteps);
  const int kind = PositionKind(a.position);
  if (c.superscript && *c.superscript) {
    a.position = WithPosition(a.position, kPositionSuper);
  } else if (c.subscript && *c.subscript) {
    a.position = WithPosition(a.position, kPositionSub);
  } else if ((c.superscript && kind == 1) || (c.subscript && kind == 2)) {
    a.position = WithPosition(a.position, kPositionNormal);
  }
}

bool LinkUsed(const VisualDocument& doc, int index) {
  return std::any_of(doc.attrs.begin(), doc.attrs.end(), [index](const VisualAttr& a) { return a.link == index; });
}

}  // namespace

bool ApplyCharacterChange(VisualEditor& editor, std::size_t start, std::size_t end, const CharacterChange& c) {
  VisualDocument& doc = editor.Doc();
  end = std::min(end, doc.text.size());
  if (start >= end) return false;
  editor.Begin({start, end});
  // The bytes change in place one after another, so a byte already moved
  // to a new font keeps that font in use while the table makes room.
  std::array<int, kVisualFontCount> mapped;
  mapped.fill(-1);
  std::vector<VisualAttr> attrs(doc.attrs.begin() + static_cast<std::ptrdiff_t>(start),
                                doc.attrs.begin() + static_cast<std::ptrdiff_t>(end));
  const std::vector<VisualAttr> before = attrs;
  for (std::size_t i = 0; i < attrs.size(); ++i) {
    VisualAttr& a = attrs[i];
    if (ChangesFont(c)) {
      const int old = before[i].font;
      if (mapped[old] < 0) {
        const int index = doc.FindOrAddFontEditing(ChangedFont(doc.fonts[old], c), editor.GetHost());
        if (index < 0) {
          std::copy(before.begin(), before.end(), doc.attrs.begin() + static_cast<std::ptrdiff_t>(start));
          editor.Cancel();
          return false;
        }
        mapped[old] = index;
      }
      a.font = static_cast<std::uint8_t>(mapped[old]);
      doc.attrs[start + i].font = a.font;
    }
    ChangeAttrs(a, c);
  }
  // The bytes were changed in place for the table's sake; record the
  // change against the attributes as they were.
  std::copy(before.begin(), before.end(), doc.attrs.begin() + static_cast<std::ptrdiff_t>(start));
  const std::string text = doc.text.substr(start, end - start);
  editor.Replace(start, end, text, attrs);
  return editor.Commit();
}

VisualAttr AttrsOfRange(const VisualEditor& editor, std::size_t start, std::size_t end) {
  const VisualDocument& doc = editor.Doc();
  if (start < end && start < doc.attrs.size()) return doc.attrs[start];
  return editor.AttrsForInsert(start);
}

LinkRange LinkRangeOf(const VisualDocument& doc, VisualSelection sel) {
  const std::size_t size = doc.text.size();
  if (!sel.Empty()) return {std::min(sel.Start(), size), std::min(sel.End(), size)};
  std::size_t at = std::min(sel.caret, size);
  // The caret's link: the byte after it, or before it at a link's end.
  if (at < size && doc.attrs[at].link == 0 && at > 0) --at;
  if (at >= size || doc.attrs[at].link == 0) return {sel.caret, sel.caret};
  const std::uint8_t link = doc.attrs[at].link;
  std::size_t s = at, e = at;
  while (s > 0 && doc.attrs[s - 1].link == link) --s;
  while (e < size && doc.attrs[e].link == link) ++e;
  return {s, e};
}

std::optional<std::string> LinkForDialog(VisualEditor& editor, LinkRange range) {
  const VisualDocument& doc = editor.Doc();
  if (range.end - range.start >= kMaxLinkSelection) {
    editor.GetHost().ShowMessage(kMsgVisualSelectionTooLong);
    return std::nullopt;
  }
  if (range.Empty()) return std::string();
  const std::uint8_t link = doc.attrs[range.start].link;
  for (std::size_t i = range.start; i < range.end; ++i)
    if (doc.attrs[i].link != link) return std::string();
  return doc.LinkText(link);
}

int FindOrAddLink(VisualDocument& doc, const std::string& destination) {
  for (int i = 0; i < kVisualLinkCount; ++i)
    if (doc.links[i] == destination) return i + 1;
  int index = doc.AddLink(destination);
  if (index != 0) return index;
  for (int i = 1; i <= kVisualLinkCount; ++i)
    if (!LinkUsed(doc, i)) doc.links[i - 1].clear();
  return doc.AddLink(destination);
}

bool SetLink(VisualEditor& editor, LinkRange range, const std::string& destination) {
  VisualDocument& doc = editor.Doc();
  range.end = std::min(range.end, doc.text.size());
  if (range.start >= range.end) return false;
  if (range.end - range.start >= kMaxLinkSelection) {
    editor.GetHost().ShowMessage(kMsgVisualSelectionTooLong);
    return false;
  }
  editor.Begin({range.start, range.end});
  int index = 0;
  if (!destination.empty()) {
    index = FindOrAddLink(doc, destination);
    if (index == 0) {
      editor.Cancel();
      editor.GetHost().DefaultBeep();
      return false;
    }
  }
  std::vector<VisualAttr> attrs(doc.attrs.begin() + static_cast<std::ptrdiff_t>(range.start),
                                doc.attrs.begin() + static_cast<std::ptrdiff_t>(range.end));
  for (VisualAttr& a : attrs) a.link = static_cast<std::uint8_t>(index);
  const std::string text = doc.text.substr(range.start, range.end - range.start);
  editor.Replace(range.start, range.end, text, attrs);
  return editor.Commit();
}

}  // namespace quelt
