#include "html/visual_writer.h"

#include <algorithm>
#include <vector>

#include "base/sjis.h"
#include "html/visual_html_refs.h"
#include "text/unicode_codec.h"

namespace quelt {
namespace {

constexpr std::int32_t kNormalWeight = 400;

// The paragraph starts (0..size) that carry a straight line: "<HR>" is
// written before them.
std::vector<bool> RuleStarts(const VisualDocument& doc) {
  const std::string& text = doc.text;
  std::vector<bool> starts(text.size() + 1, false);
  for (const VisualFigure& f : doc.figures) {
    if (f.kind != FigureKind::kLine || f.anchor < 0) continue;
    const auto at = static_cast<std::size_t>(f.anchor);
    if (at > text.size()) continue;
    if (at == 0 || (at >= 2 && text[at - 2] == '\r' && text[at - 1] == '\n')) starts[at] = true;
  }
  return starts;
}

// The bytes one step of the text takes: a CR LF, a two-byte character or
// one byte.
std::size_t UnitSize(const std::string& text, std::size_t i) {
  if (i + 1 >= text.size()) return 1;
  const auto c = static_cast<std::uint8_t>(text[i]);
  if (c == kCr && text[i + 1] == '\n') return 2;
  return IsSjisLeadByte(c) ? 2 : 1;
}

void AppendBodyColour(std::string& out, const char* name, const BodyColour& c) {
  if (!c.set) return;
  out += ' ';
  out += name;
  out += '=';
  out += FormatHtmlColor(c.colour, true, true);
}

std::string BodyOpening(const BodySettings& body) {
  std::string out = "<BODY";
  if (!body.backgroundImage.empty()) out += " BACKGROUND=\"" + EncodeHtmlValue(body.backgroundImage) + "\"";
  AppendBodyColour(out, "BGCOLOR", body.background);
  AppendBodyColour(out, "TEXT", body.text);
  AppendBodyColour(out, "LINK", body.link);
  AppendBodyColour(out, "VLINK", body.visitedLink);
  AppendBodyColour(out, "ALINK", body.activeLink);
  out += ">";
  out += kCrLf;
  return out;
}

void OpenRun(std::string& out, const SavedAttr& s, const std::string& href) {
  if (s.position == 2) out += "<SUB>";
  if (s.position == 1) out += "<SUP>";
  if (s.bold) out += "<B>";
  if (s.italic) out += "<I>";
  if (s.size != 0 || s.colour != 0) {
    out += "<FONT";
    if (s.size != 0) out += " SIZE=" + std::to_string(s.size);
    if (s.colour != 0) out += " COLOR=" + FormatHtmlColor(s.colour, true, true);
    out += ">";
  }
  if (!href.empty()) out += "<A HREF=\"" + EncodeHtmlValue(href) + "\">";
}

void CloseRun(std::string& out, const SavedAttr& s, const std::string& href) {
  if (!href.empty()) out += "</A>";
  if (s.size != 0 || s.colour != 0) out += "</FONT>";
  if (s.italic) out += "</I>";
  if (s.bold) out += "</B>";
  if (s.position == 1) out += "</SUP>";
  if (s.position == 2) out += "</SUB>";
}

void AppendRunText(std::string& out, const VisualDocument& doc, std::size_t from, std::size_t to) {
  std::size_t i = from;
  while (i < to) {
    const std::size_t k = UnitSize(doc.text, i);
    if (k == 2 && doc.text[i] == '\r') {
      out += doc.attrs[i].lineBreak == LineBreakKind::kBr ? std::string_view("<BR>") : kCrLf;
    } else {
      out.append(doc.text, i, k);
    }
    i += k;
  }
}

}  // namespace

SavedAttr SavedAttrOf(const VisualDocument& doc, const VisualAttr& a) {
  SavedAttr s;
  if (a.font != 0 && a.font < kVisualFontCount && !(doc.fonts[a.font] == VisualFont{})) {
    const VisualFont& f = doc.fonts[a.font];
    const int size = HtmlFontSize(f.height);
    s.size = size == kDefaultHtmlFontSize ? 0 : size;
    s.bold = f.weight != kNormalWeight;
    s.italic = f.italic != 0;
  }
  s.colour = a.colour;
  const int kind = (a.position & ~kDecorationMask) >> 4;
  s.position = (kind == 1 || kind == 2) ? kind : 0;
  s.link = a.link <= kVisualLinkCount ? a.link : 0;
  return s;
}

std::string GenerateVisualHtml(const VisualDocument& doc) {
  std::string out = "<HTML><HEAD><TITLE>" + EncodeHtmlValue(doc.body.title) + "</TITLE>";
  // The reading skips the head, so a UTF page gets its declaration back
  // here: without it a browser reads a page without a signature in the
  // code of its own locale.
  if (IsUnicodeCode(doc.code)) {
    out += IsUtf16Code(doc.code) ? "<META http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-16\">"
                                 : "<META http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\">";
  }
  out += "</HEAD>" + BodyOpening(doc.body);
  const std::vector<bool> rules = RuleStarts(doc);
  const std::string& text = doc.text;
  const std::size_t n = std::min(text.size(), doc.attrs.size());
  std::size_t i = 0;
  while (i < n) {
    const SavedAttr s = SavedAttrOf(doc, doc.attrs[i]);
    std::size_t j = i + UnitSize(text, i);
    while (j < n && !rules[j] && SavedAttrOf(doc, doc.attrs[j]) == s) j += UnitSize(text, j);
    j = std::min(j, n);
    if (rules[i]) out += "<HR>";
    const std::string& href = doc.LinkText(s.link);
    OpenRun(out, s, href);
    AppendRunText(out, doc, i, j);
    CloseRun(out, s, href);
    i = j;
  }
  if (rules[n]) out += "<HR>";
  out += "</BODY></HTML>";
  return out;
}

bool SaveVisualDocument(const FileContext& ctx, const std::string& path, VisualDocument& doc) {
  std::string html = GenerateVisualHtml(doc);
  if (IsUnicodeCode(doc.code)) {
    ConvertResult converted =
        EncodeUnicode(reinterpret_cast<const std::uint8_t*>(html.data()), html.size(), doc.code, doc.lineEnd, doc.forms);
    if (converted.status != ConvertStatus::kOk) {
      ctx.host.ShowMessage(kMsgOutOfMemory);
      return false;
    }
    html = std::move(converted.bytes);
  } else if (!(doc.code == CharCodeId::kShiftJis && doc.lineEnd == LineEndId::kCrLf)) {
    // Checked before the file is touched, so a refusal keeps the old file.
    if (html.size() > kMaxConvertBytes) {
      ctx.host.ShowMessage(kMsgVisualSaveTooLarge);
      return false;
    }
    ConvertResult converted =
        FromInternal(reinterpret_cast<const std::uint8_t*>(html.data()), html.size(), doc.code, doc.lineEnd);
    if (converted.status != ConvertStatus::kOk) {
      ctx.host.ShowMessage(converted.status == ConvertStatus::kTooLarge ? kMsgVisualSaveTooLarge : kMsgOutOfMemory);
      return false;
    }
    html = std::move(converted.bytes);
  }
  if (!ctx.fs.WriteFile(path, html)) {
    ctx.host.ShowMessage(kMsgVisualCreateFailed);
    return false;
  }
  return true;
}

}  // namespace quelt
