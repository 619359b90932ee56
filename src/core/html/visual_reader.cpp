#include "html/visual_reader.h"

#include <vector>

#include "html/visual_html_refs.h"
#include "html/visual_html_scan.h"
#include "text/unicode_codec.h"

namespace quelt {
namespace {

constexpr std::string_view kEndTitleText = "</TITLE>";
constexpr std::string_view kEndHeadText = "</HEAD>";
constexpr std::string_view kBareBodyText = "<BODY>";

// The character attributes while the page is read.
struct ReadState {
  int size = kDefaultHtmlFontSize;
  bool bold = false, italic = false;
  ColourRef colour = 0;
  bool superscript = false, subscript = false;
  int link = 0;
};

// The first pass: the attributes every byte of the page stands in, and the
// page settings. Title text and tags take the state after them.
class AttributePass {
 public:
  AttributePass(std::string_view page, VisualDocument& doc) : page_(page), doc_(doc), attrs_(page.size()) {}

  std::vector<VisualAttr> Run() {
    std::size_t i = 0;
    while (i < page_.size()) {
      const TagMatch m = MatchVisualTag(page_, i);
      std::size_t next = m.end;
      if (m.tag == VisualTag::kNone) {
        next = i + VisualCharSize(page_, i);
      } else if (m.tag == VisualTag::kTitle) {
        next = ReadTitle(m.end);
      } else {
        Apply(m);
      }
      Fill(i, next);
      i = next;
    }
    return std::move(attrs_);
  }

 private:
  std::string_view AttributesOf(const TagMatch& m) const {
    return page_.substr(m.attrs, m.attrsEnd - m.attrs);
  }

  // Just after the title's closing tag; the title is taken when, its
  // references read, it is short enough. Without a closing tag there is no
  // title.
  std::size_t ReadTitle(std::size_t from) {
    const std::size_t close = FindNoCase(page_, from, kEndTitleText);
    if (close == std::string_view::npos) return from;
    std::string title = DecodeHtmlReferences(page_.substr(from, close - from));
    if (title.size() <= kMaxVisualTitleBytes) doc_.body.title = std::move(title);
    return close + kEndTitleText.size();
  }

  void ReadBodyColour(std::string_view tag, std::string_view name, BodyColour& out) {
    const std::optional<std::string> value = FindHtmlAttribute(tag, name);
    if (!value) return;
    const std::optional<ColourRef> colour = ParseHtmlColour(*value);
    if (!colour) return;
    out.set = true;
    out.colour = *colour;
  }

  void Apply(const TagMatch& m) {
    switch (m.tag) {
      case VisualTag::kBody: {
        const std::string_view tag = AttributesOf(m);
        if (auto image = FindHtmlAttribute(tag, "BACKGROUND")) doc_.body.backgroundImage = *image;
        ReadBodyColour(tag, "BGCOLOR", doc_.body.background);
        ReadBodyColour(tag, "TEXT", doc_.body.text);
        ReadBodyColour(tag, "LINK", doc_.body.link);
        ReadBodyColour(tag, "VLINK", doc_.body.visitedLink);
        ReadBodyColour(tag, "ALINK", doc_.body.activeLink);
        break;
      }
      case VisualTag::kFont: {
        const std::string_view tag = AttributesOf(m);
        if (auto size = FindHtmlAttribute(tag, "SIZE")) {
          const long n = ParseHtmlNumber(*size);
          state_.size = (n >= 1 && n <= 7) ? static_cast<int>(n) : kDefaultHtmlFontSize;
        }
        if (auto value = FindHtmlAttribute(tag, "COLOR")) {
          const std::optional<ColourRef> colour = ParseHtmlColour(*value);
          state_.colour = (colour && *colour != 0) ? *colour : kVisualBlack;
        }
        break;
      }
      case VisualTag::kA: {
        const std::optional<std::string> href = FindHtmlAttribute(AttributesOf(m), "HREF");
        if (href && !href->empty()) state_.link = doc_.AddLink(*href);
        break;
      }
      case VisualTag::kB: state_.bold = true; break;
      case VisualTag::kI: state_.italic = true; break;
      case VisualTag::kSup: state_.superscript = true; break;
      case VisualTag::kSub: state_.subscript = true; break;
      case VisualTag::kEndB: state_.bold = false; break;
      case VisualTag::kEndI: state_.italic = false; break;
      case VisualTag::kEndSup: state_.superscript = false; break;
      case VisualTag::kEndSub: state_.subscript = false; break;
      case VisualTag::kEndFont:
        state_.size = kDefaultHtmlFontSize;
        state_.colour = 0;
        break;
      case VisualTag::kEndA: state_.link = 0; break;
      default: break;  // HTML, HEAD, BR and the other closing tags
    }
  }

  VisualAttr Current() {
    if (!fontKnown_ || state_.size != fontSize_ || state_.bold != fontBold_ || state_.italic != fontItalic_) {
      font_ = doc_.FindOrAddFont(state_.size, state_.bold, state_.italic);
      fontSize_ = state_.size;
      fontBold_ = state_.bold;
      fontItalic_ = state_.italic;
      fontKnown_ = true;
    }
    VisualAttr a;
    a.font = static_cast<std::uint8_t>(font_);
    a.link = static_cast<std::uint8_t>(state_.link);
    a.colour = state_.colour;
    const std::uint8_t position =
        state_.superscript ? kPositionSuper : state_.subscript ? kPositionSub : kPositionNormal;
    a.position = WithPosition(0, position);
    return a;
  }

  void Fill(std::size_t from, std::size_t to) {
    const VisualAttr a = Current();
    for (std::size_t k = from; k < to; ++k) attrs_[k] = a;
  }

  std::string_view page_;
  VisualDocument& doc_;
  std::vector<VisualAttr> attrs_;
  ReadState state_;
  bool fontKnown_ = false;
  int font_ = 0, fontSize_ = 0;
  bool fontBold_ = false, fontItalic_ = false;
};

// Where the body's text starts: after the first BODY tag (with attributes,
// or the bare "<BODY>") that the reading meets, and a CR LF right after it.
// npos when the page has no body.
std::size_t BodyStart(std::string_view page) {
  std::size_t i = 0;
  while (i < page.size()) {
    const TagMatch m = MatchVisualTag(page, i);
    std::size_t start = std::string_view::npos;
    if (m.tag == VisualTag::kBody) {
      start = m.end;
    } else if (m.tag == VisualTag::kNone && StartsWithNoCase(page, i, kBareBodyText)) {
      start = i + kBareBodyText.size();
    }
    if (start != std::string_view::npos) {
      if (page.substr(start, 2) == "\r\n") start += 2;
      return start;
    }
    if (m.tag == VisualTag::kTitle) {
      const std::size_t close = FindNoCase(page, m.end, kEndTitleText);
      i = close == std::string_view::npos ? m.end : close + kEndTitleText.size();
    } else if (m.tag != VisualTag::kNone) {
      i = m.end;
    } else {
      i += VisualCharSize(page, i);
    }
  }
  return std::string_view::npos;
}

// Just after the closing text of a skipped element, or from when it has none.
std::size_t SkipTo(std::string_view page, std::size_t from, std::string_view closing) {
  const std::size_t close = FindNoCase(page, from, closing);
  return close == std::string_view::npos ? from : close + closing.size();
}

// The second pass: the visual text of the body with the attributes of the
// first. False when the page has no body.
bool TextPass(std::string_view page, const std::vector<VisualAttr>& attrs, VisualDocument& doc) {
  std::size_t i = BodyStart(page);
  if (i == std::string_view::npos) return false;
  // A line break has no character attributes but the link it stands in.
  auto lineBreak = [&](std::size_t at, LineBreakKind kind) {
    VisualAttr a;
    a.link = attrs[at].link;
    a.lineBreak = kind;
    doc.text += "\r\n";
    doc.attrs.push_back(a);
    doc.attrs.push_back(a);
  };
  // Text of the body: every CR LF in it is a line break of the source. In
  // a tag kept as text it keeps the tag's attributes, so that the tag is
  // written back in one piece.
  auto copy = [&](std::size_t from, std::size_t to, bool tag) {
    while (from < to) {
      const std::size_t k = VisualCharSize(page, from);
      if (page[from] == '\r' && k == 2) {
        if (tag) {
          VisualAttr a = attrs[from];
          a.lineBreak = LineBreakKind::kSource;
          doc.text += "\r\n";
          doc.attrs.insert(doc.attrs.end(), 2, a);
        } else {
          lineBreak(from, LineBreakKind::kSource);
        }
      } else {
        doc.text.append(page.substr(from, k));
        doc.attrs.insert(doc.attrs.end(), attrs.begin() + from, attrs.begin() + from + k);
      }
      from += k;
    }
  };
  bool keepEndAnchor = false;  // an "<A NAME" tag keeps the next "</A>" too
  while (i < page.size()) {
    const TagMatch m = MatchVisualTag(page, i);
    switch (m.tag) {
      case VisualTag::kNone: {
        const std::size_t k = VisualCharSize(page, i);
        copy(i, i + k, false);
        i += k;
        break;
      }
      case VisualTag::kHead: i = SkipTo(page, m.end, kEndHeadText); break;
      case VisualTag::kTitle: i = SkipTo(page, m.end, kEndTitleText); break;
      case VisualTag::kBr:
        lineBreak(i, LineBreakKind::kBr);
        i = m.end;
        break;
      case VisualTag::kA:
        if (IsNamedAnchor(page, i)) {
          copy(i, m.end, true);
          keepEndAnchor = true;
        }
        i = m.end;
        break;
      case VisualTag::kEndA:
        if (keepEndAnchor) {
          copy(i, m.end, true);
          keepEndAnchor = false;
        }
        i = m.end;
        break;
      default: i = m.end; break;
    }
  }
  return true;
}

bool ParseCleaned(std::string_view page, VisualDocument& doc) {
  doc.Clear();
  const std::vector<VisualAttr> attrs = AttributePass(page, doc).Run();
  return TextPass(page, attrs, doc);
}

const std::uint8_t* Bytes(const std::string& s) { return reinterpret_cast<const std::uint8_t*>(s.data()); }

// A page that the code detection did not take for UTF-8 (its first bytes
// are ASCII, say) but that declares charset=utf-8 in a tag and is UTF-8
// throughout is read, and saved, as UTF-8. A code the user chose wins.
bool DeclaresUtf8(const std::string& raw, const Detection& d, CharCodeId forcedCode) {
  if (IsDocumentCode(forcedCode) || IsUnicodeCode(d.code)) return false;
  const std::string_view page(raw);
  for (std::size_t at = FindNoCase(page, 0, "charset"); at != std::string_view::npos;
       at = FindNoCase(page, at + 1, "charset")) {
    std::size_t i = at + 7;
    while (i < page.size() && page[i] == ' ') ++i;
    if (i >= page.size() || page[i] != '=') continue;
    ++i;
    while (i < page.size() && (page[i] == ' ' || page[i] == '"' || page[i] == '\'')) ++i;
    const bool utf8 = StartsWithNoCase(page, i, "utf-8") || StartsWithNoCase(page, i, "utf8");
    const std::size_t tagStart = page.rfind('<', at), tagEnd = page.rfind('>', at);
    const bool inTag = tagStart != std::string_view::npos && (tagEnd == std::string_view::npos || tagEnd < tagStart);
    if (utf8 && inTag) return IsWellFormedUtf8(Bytes(raw), raw.size());
  }
  return false;
}

bool HoldsText(std::string_view page) {
  for (char c : page)
    if (c != ' ' && c != '\t' && c != '\r' && c != '\n') return true;
  return false;
}

}  // namespace

bool ParseVisualHtml(std::string_view page, VisualDocument& doc) {
  std::string cleaned(page);
  CleanVisualHtml(cleaned);
  return ParseCleaned(cleaned, doc);
}

bool LoadVisualDocument(const FileContext& ctx, const std::string& path, CharCodeId forcedCode,
                        VisualDocument& doc, VisualOpenNotes* notes) {
  if (notes) *notes = VisualOpenNotes{};
  // Every code but Shift-JIS with CR LF is read whole and converted, up to
  // the size of a conversion; a larger file is read as it stands and then
  // refused by its size. One byte over a limit is enough to know it.
  std::string raw;
  const std::uint64_t readLimit = ctx.tempFile.empty() ? kMaxVisualFileBytes + 1 : kMaxConvertBytes + 1;
  if (!ctx.fs.ReadFile(path, raw, readLimit)) {
    ctx.host.ShowMessage(kMsgOpenFailed, path);
    return false;
  }
  Detection d;
  if (!ctx.tempFile.empty()) {
    d = DetectForced(Bytes(raw), raw.size(), forcedCode, ctx.crlfEqualSjis);
    if (DeclaresUtf8(raw, d, forcedCode)) d.code = CharCodeId::kUtf8;
  }
  std::string page;
  UnicodeTally tally;
  bool converted = false;
  const bool plain = d.code == CharCodeId::kShiftJis && d.selector == kSelectorCrLf;
  if (!plain && raw.size() <= kMaxConvertBytes) {
    ConvertResult result;
    if (IsUnicodeCode(d.code)) {
      UnicodeDecoded decoded = DecodeUnicode(Bytes(raw), raw.size(), d.code, d.selector);
      result = ConvertResult{decoded.status, std::move(decoded.bytes)};
      tally = decoded.tally;
    } else {
      result = ToInternal(Bytes(raw), raw.size(), d.code, d.selector);
    }
    if (result.status == ConvertStatus::kOutOfMemory) {
      ctx.host.ShowMessage(kMsgOutOfMemory);
      return false;
    }
    converted = result.status == ConvertStatus::kOk;
    if (converted) page = std::move(result.bytes);
  }
  if (!converted) {
    page = std::move(raw);
    d = Detection{};
  }
  if (page.size() > kMaxVisualFileBytes) {
    ctx.host.ShowMessage(kMsgVisualFileTooLarge);
    return false;
  }
  CleanVisualHtml(page);
  if (!VisualDocument::CheckRoom(page.size() + 10, ctx.host)) return false;
  VisualDocument loaded;
  loaded.SetBaseFont(doc.BaseFont());
  const bool body = ParseCleaned(page, loaded);
  loaded.code = d.code;
  loaded.lineEnd = d.lineEnd();
  loaded.forms = tally.Forms();
  loaded.lostChars = tally.Lost();
  doc = std::move(loaded);
  if (doc.lostChars != 0) {
    ctx.host.ShowMessage(kMsgUnicodeCharsLost, std::to_string(doc.lostChars));
    if (notes) notes->lostChars = doc.lostChars;
  }
  if (!body && HoldsText(page)) {
    ctx.host.ShowMessage(kMsgVisualNoBody);
    if (notes) notes->noBody = true;
  }
  return true;
}

}  // namespace quelt
