#include "html/visual_edit.h"

#include <algorithm>

#include "base/sjis.h"

namespace quelt {
namespace {

std::size_t ClampTo(std::size_t offset, const VisualDocument& doc) { return std::min(offset, doc.text.size()); }

}  // namespace

std::string CleanVisualText(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 8);
  const std::size_t n = bytes.size();
  for (std::size_t i = 0; i < n; ++i) {
    const auto c = static_cast<std::uint8_t>(bytes[i]);
    if (c == 0) {
      out += ' ';
    } else if (c == kCr) {
      out += "\r\n";
      if (i + 1 < n && static_cast<std::uint8_t>(bytes[i + 1]) == kLf) ++i;
    } else if (c == kLf) {
      out += "\r\n";
    } else if (IsSjisLeadByte(c)) {
      const std::uint8_t t = i + 1 < n ? static_cast<std::uint8_t>(bytes[i + 1]) : std::uint8_t{0};
      if (i + 1 < n && IsSjisTrailByte(t)) {
        out += static_cast<char>(c);
        out += static_cast<char>(t);
        ++i;
      } else {
        out += ' ';  // the byte after it, if any, is taken on its own
      }
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

std::vector<VisualAttr> AttrsOfText(std::string_view bytes, VisualAttr attr, LineBreakKind breaks) {
  attr.lineBreak = LineBreakKind::kNone;
  std::vector<VisualAttr> attrs(bytes.size(), attr);
  for (std::size_t i = 0; i + 1 < bytes.size(); ++i) {
    if (IsLineBreakAt(bytes, i)) {
      attrs[i].lineBreak = attrs[i + 1].lineBreak = breaks;
      ++i;
    } else if (IsSjisLeadByte(static_cast<std::uint8_t>(bytes[i]))) {
      ++i;
    }
  }
  return attrs;
}

VisualAttr VisualEditor::AttrsForInsert(std::size_t offset) const {
  offset = ClampTo(offset, doc_);
  VisualAttr a;
  if (offset > 0) {
    a = doc_.attrs[offset - 1];
  } else if (!doc_.attrs.empty()) {
    a = doc_.attrs[0];
  }
  a.lineBreak = LineBreakKind::kNone;
  // Text only joins a link it stands inside, not one it stands beside.
  const bool insideLink = offset > 0 && offset < doc_.attrs.size() && doc_.attrs[offset].link == a.link;
  if (!insideLink) a.link = 0;
  return a;
}

VisualEditResult VisualEditor::ReplaceWith(VisualSelection sel, std::string_view bytes, LineBreakKind breaks,
                                           int padBlanks) {
  const std::size_t start = ClampTo(sel.Start(), doc_);
  const std::size_t end = ClampTo(sel.End(), doc_);
  // Blanks pad only a caret beyond the line's end, never a selection.
  const std::size_t pad = start == end && padBlanks > 0 ? static_cast<std::size_t>(padBlanks) : 0;
  std::string text(pad, ' ');
  text += bytes;
  if (text.empty() && start == end) return {false, start};
  if (!VisualDocument::CheckRoom(doc_.text.size() - (end - start) + text.size(), host_)) return {false, start};
  const std::vector<VisualAttr> attrs = AttrsOfText(text, AttrsForInsert(start), breaks);
  Begin(sel);
  Replace(start, end, text, attrs);
  Commit();
  return {true, start + text.size()};
}

VisualEditResult VisualEditor::InsertText(VisualSelection sel, std::string_view bytes, int padBlanks) {
  const std::string cleaned = CleanVisualText(bytes);
  if (cleaned.empty()) return {false, ClampTo(sel.caret, doc_)};
  return ReplaceWith(sel, cleaned, LineBreakKind::kBr, padBlanks);
}

VisualEditResult VisualEditor::InsertLineBreak(VisualSelection sel, int padBlanks) {
  // Blanks before a line break would only trail the line: none.
  (void)padBlanks;
  return ReplaceWith(sel, "\r\n", LineBreakKind::kBr, 0);
}

VisualEditResult VisualEditor::DeleteSelection(VisualSelection sel) {
  const std::size_t start = ClampTo(sel.Start(), doc_);
  const std::size_t end = ClampTo(sel.End(), doc_);
  if (start == end) return {false, start};
  Begin(sel);
  Replace(start, end, {}, {});
  Commit();
  return {true, start};
}

VisualEditResult VisualEditor::Delete(VisualSelection sel) {
  if (!sel.Empty()) return DeleteSelection(sel);
  const std::size_t at = ClampTo(sel.caret, doc_);
  return DeleteSelection({at, NextCharOffset(doc_.text, at)});
}

VisualEditResult VisualEditor::Backspace(VisualSelection sel) {
  if (!sel.Empty()) return DeleteSelection(sel);
  const std::size_t at = ClampTo(sel.caret, doc_);
  return DeleteSelection({at, PreviousCharOffset(doc_.text, at)});
}

VisualEditResult VisualEditor::InsertRawTag(CommandId id, VisualSelection sel, int padBlanks) {
  const char* name = nullptr;
  bool list = false;
  switch (id) {
    case kCmdTagCentre: name = "CENTER"; break;
    case kCmdTagPre: name = "PRE"; break;
    case kCmdTagBulletList: name = "UL"; list = true; break;
    case kCmdTagNumberList: name = "OL"; list = true; break;
    default: return {false, ClampTo(sel.caret, doc_)};
  }
  std::string opening = std::string("<") + name + ">";
  const std::string closing = std::string("</") + name + ">";
  if (list) opening += "\r\n";
  const std::size_t start = ClampTo(sel.Start(), doc_);
  const std::size_t end = ClampTo(sel.End(), doc_);
  if (start == end) return ReplaceWith(sel, opening + closing, LineBreakKind::kSource, padBlanks);

  // The items go on the selection's lines; a selection that ends with its
  // line break does not reach into the next line.
  const std::string_view text = doc_.text;
  const std::size_t itemsEnd = end - start >= 2 && IsLineBreakAt(text, end - 2) ? end - 2 : end;
  std::vector<std::size_t> lineStarts;
  if (list) {
    lineStarts.push_back(start);
    for (std::size_t i = start; i < itemsEnd; i += VisualCharBytes(text, i))
      if (IsLineBreakAt(text, i) && i + 2 <= itemsEnd) lineStarts.push_back(i + 2);
    if (lineStarts.size() > kMaxVisualListLines) {
      host_.DefaultBeep();
      return {false, ClampTo(sel.caret, doc_)};
    }
  }
  static constexpr std::string_view kItem = "<LI>";
  const std::size_t added = opening.size() + closing.size() + lineStarts.size() * kItem.size();
  if (!VisualDocument::CheckRoom(doc_.text.size() + added, host_)) return {false, ClampTo(sel.caret, doc_)};

  std::string out = opening;
  std::vector<VisualAttr> attrs = AttrsOfText(opening, AttrsForInsert(start), LineBreakKind::kSource);
  std::size_t next = 0;
  for (std::size_t i = start; i < end; ++i) {
    if (next < lineStarts.size() && lineStarts[next] == i) {
      VisualAttr a = doc_.attrs[i];
      a.lineBreak = LineBreakKind::kNone;
      out += kItem;
      attrs.insert(attrs.end(), kItem.size(), a);
      ++next;
    }
    out += text[i];
    attrs.push_back(doc_.attrs[i]);
  }
  const std::vector<VisualAttr> closeAttrs = AttrsOfText(closing, AttrsForInsert(end), LineBreakKind::kSource);
  out += closing;
  attrs.insert(attrs.end(), closeAttrs.begin(), closeAttrs.end());
  Begin(sel);
  Replace(start, end, out, attrs);
  Commit();
  return {true, start + out.size()};
}

}  // namespace quelt
