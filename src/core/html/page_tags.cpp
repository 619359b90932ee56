#include "html/page_tags.h"

#include "base/path.h"

namespace quelt {
namespace {

std::string Colour(ColourRef c) { return FormatHtmlColor(c, true, true); }

void AddColour(OpenTag& tag, std::string_view name, const PageColour& c) {
  if (c.apply) tag.Bare(name, Colour(c.colour));
}

TagPair Simple(std::string_view name, bool closed = true) {
  return {SimpleTag(name), closed ? CloseTag(name) : std::string()};
}

TagPair ListPair(std::string_view name) {
  return {SimpleTag(name) + std::string(kCrLf), CloseTag(name)};
}

}  // namespace

TagPair BuildPageTag(const PageTagSettings& s) {
  std::string open = "<HTML>\r\n<HEAD>\r\n<TITLE>";
  open += s.title;
  open += "</TITLE>\r\n</HEAD>\r\n";
  OpenTag body("BODY");
  if (!s.backgroundImage.empty()) body.Text("BACKGROUND", s.backgroundImage);
  AddColour(body, "BGCOLOR", s.background);
  AddColour(body, "TEXT", s.text);
  AddColour(body, "LINK", s.link);
  AddColour(body, "VLINK", s.visitedLink);
  AddColour(body, "ALINK", s.activeLink);
  open += body.Str();
  open += kCrLf;
  return {open, "\r\n</BODY>\r\n</HTML>\r\n"};
}

TagPair BuildCharTag(const CharTagSettings& s) {
  TagPair p;
  const int size = HtmlFontSize(s.points);
  const bool font = size != kDefaultHtmlFontSize || s.colour != 0;
  if (s.superscript) p.opening += "<SUP>";
  if (s.subscript) p.opening += "<SUB>";
  if (s.bold) p.opening += "<B>";
  if (s.italic) p.opening += "<I>";
  if (font) {
    OpenTag tag("FONT");
    if (size != kDefaultHtmlFontSize) tag.Number("SIZE", size);
    if (s.colour != 0) tag.Bare("COLOR", Colour(s.colour));
    p.opening += tag.Str();
    p.closing += "</FONT>";
  }
  if (s.italic) p.closing += "</I>";
  if (s.bold) p.closing += "</B>";
  if (s.subscript) p.closing += "</SUB>";
  if (s.superscript) p.closing += "</SUP>";
  return p;
}

TagPair BuildLinkTag(const HtmlTagSettings& s) {
  return {OpenTag("A").Text("HREF", s.linkUrl).Str(), "</A>"};
}

TagPair BuildAnchorTag(const HtmlTagSettings& s) {
  return {OpenTag("A").Text("NAME", s.anchorName).Str(), "</A>"};
}

TagPair BuildImageTag(const HtmlTagSettings& s) {
  static constexpr const char* kAlign[] = {nullptr, "top", "center", "bottom", "left", "right"};
  OpenTag tag("IMG");
  tag.Text("SRC", s.imageFile);
  if (!s.imageAlt.empty()) tag.Text("ALT", s.imageAlt);
  if (s.imageAlign > 0 && s.imageAlign <= kImageAlignRight) tag.Text("ALIGN", kAlign[s.imageAlign]);
  if (s.widthGiven) tag.Number("WIDTH", s.width);
  if (s.heightGiven) tag.Number("HEIGHT", s.height);
  if (s.hspace != 0) tag.Number("HSPACE", s.hspace);
  if (s.vspace != 0) tag.Number("VSPACE", s.vspace);
  if (s.border) tag.Number("BORDER", 1);
  return {tag.Str(), {}};
}

TagPair BuildHeadingTag(const HtmlTagSettings& s) {
  const int level = s.headingLevel >= 0 && s.headingLevel <= 5 ? s.headingLevel + 1 : 1;
  const std::string name = "H" + std::to_string(level);
  return Simple(name);
}

std::optional<TagPair> FixedTagPair(CommandId id) {
  switch (id) {
    case kCmdTagBlink: return Simple("BLINK");
    case kCmdTagCentre: return Simple("CENTER");
    case kCmdTagParagraph: return Simple("P");
    case kCmdTagPre: return Simple("PRE");
    case kCmdTagNoBreak: return Simple("NOBR");
    case kCmdTagClear: return Simple("BR CLEAR", false);
    case kCmdTagBreak: return Simple("BR", false);
    case kCmdTagRule: return Simple("HR", false);
    case kCmdTagBulletList: return ListPair("UL");
    case kCmdTagNumberList: return ListPair("OL");
    case kCmdTagDefinitionList: return ListPair("DL");
    default: return std::nullopt;
  }
}

bool ShowsLinkText(bool streamSelection, std::uint32_t selectionBytes) {
  return streamSelection && selectionBytes > 0 && selectionBytes <= kMaxShownLinkText;
}

std::string BrowsedName(std::string_view path, bool ctrlDown) {
  return ctrlDown ? std::string(path) : FileNameOf(path);
}

}  // namespace quelt
