// HTML pages read in the visual mode: any bytes, parsed directly or loaded
// as a file in any code. Checked: the document's invariants (one attribute
// per byte, every CR with its LF and a line-break kind, link and font
// indexes inside their tables, the title's length); and that what loads,
// written back as HTML and read again, has a body and gives the same text,
// the same page settings and the same saved attributes for every byte.
// Three losses of the format itself are left out of the last check: text
// that joined round a removed tag into a tag of its own (a BODY or TITLE
// tag so made changes the page settings too); a named anchor kept as text
// takes the next "</A>" even when it is one the writer closes a link with
// (and one without its ">" takes every tag after it), and a link table that
// fills up drops links.
#include <string>
#include <vector>

#include "base/memory_file_system.h"
#include "fuzz_check.h"
#include "html/visual_html_scan.h"
#include "html/visual_reader.h"
#include "html/visual_writer.h"

namespace quelt {
namespace {

class QuietHost : public Host {
 public:
  void Beep() override {}
  void ShowMessage(MessageId, const std::string&) override {}
  Answer Ask(MessageId, Question, const std::string&) override { return Answer::kCancel; }
};

void CheckInvariants(const VisualDocument& doc) {
  FUZZ_CHECK(doc.text.size() == doc.attrs.size());
  FUZZ_CHECK(doc.body.title.size() <= kMaxVisualTitleBytes);
  for (std::size_t i = 0; i < doc.text.size(); ++i) {
    const VisualAttr& a = doc.attrs[i];
    FUZZ_CHECK(a.link <= kVisualLinkCount);
    FUZZ_CHECK(a.link == 0 || !doc.LinkText(a.link).empty());
    FUZZ_CHECK(a.font < kVisualFontCount);
    FUZZ_CHECK(a.font == 0 || !(doc.fonts[a.font] == VisualFont{}));
    FUZZ_CHECK(a.colour <= kVisualBlack);
    if (doc.text[i] == '\r') {
      FUZZ_CHECK(i + 1 < doc.text.size() && doc.text[i + 1] == '\n');
      FUZZ_CHECK(a.lineBreak != LineBreakKind::kNone);
      FUZZ_CHECK(doc.attrs[i + 1] == a);
    }
  }
}

bool HasLinks(const VisualDocument& doc) {
  for (const VisualAttr& a : doc.attrs)
    if (a.link != 0) return true;
  return false;
}

// A named anchor kept as text takes the next "</A>" with it, and one
// without its ">" runs to the end of the page: the tags the writer puts
// after it become part of it.
bool NamedAnchorTakesWriterTags(const VisualDocument& doc) {
  std::size_t last = std::string::npos;
  for (std::size_t at = FindNoCase(doc.text, 0, "<A"); at != std::string::npos; at = FindNoCase(doc.text, at + 1, "<A"))
    if (IsNamedAnchor(doc.text, at)) last = at;
  if (last == std::string::npos) return false;
  return HasLinks(doc) || MatchVisualTag(doc.text, last).attrsEnd == doc.text.size();
}

// True when the bytes [from, to) do not all save alike: the writer puts
// tags between them.
bool SplitBySaving(const VisualDocument& doc, std::size_t from, std::size_t to) {
  for (std::size_t k = from + 1; k < to; ++k)
    if (!(SavedAttrOf(doc, doc.attrs[k]) == SavedAttrOf(doc, doc.attrs[from]))) return true;
  return false;
}

// Text that reads as a tag other than a named anchor without an address
// and its "</A>", or as one of those two that the writer splits. It stands
// in the visual text when a removed tag joined the text around it ("<a" +
// "</A>" + " " gives "<a "; the line breaks of text so joined save as
// plain text), or when the first reading skipped a head or title the
// second does not see; reading it again takes it for the tag.
bool TextReadsAsTags(const VisualDocument& doc) {
  bool named = false;
  std::size_t i = 0;
  while (i < doc.text.size()) {
    const TagMatch m = MatchVisualTag(doc.text, i);
    if (m.tag == VisualTag::kNone) {
      i += VisualCharSize(doc.text, i);
      continue;
    }
    if (SplitBySaving(doc, i, m.end)) return true;
    if (m.tag == VisualTag::kA && IsNamedAnchor(doc.text, i)) {
      // One with an address opens a link when it is read again.
      const auto href = FindHtmlAttribute(std::string_view(doc.text).substr(m.attrs, m.attrsEnd - m.attrs), "HREF");
      if (href && !href->empty()) return true;
      named = true;
    } else if (m.tag == VisualTag::kEndA && named) {
      named = false;
    } else {
      return true;
    }
    i = m.end;
  }
  return false;
}

bool LinkTableFull(const VisualDocument& doc) { return !doc.links.back().empty(); }

// Text that joined into a BODY or TITLE tag sets the page settings when it
// is read again.
bool TextReadsAsPageTags(const VisualDocument& doc) {
  for (std::size_t i = 0; i < doc.text.size(); i += VisualCharSize(doc.text, i)) {
    const VisualTag tag = MatchVisualTag(doc.text, i).tag;
    if (tag == VisualTag::kBody || tag == VisualTag::kTitle) return true;
  }
  return false;
}

void CheckRoundTrip(const VisualDocument& doc) {
  const std::string html = GenerateVisualHtml(doc);
  VisualDocument back;
  FUZZ_CHECK(ParseVisualHtml(html, back));
  CheckInvariants(back);
  if (!TextReadsAsPageTags(doc)) FUZZ_CHECK(back.body == doc.body);
  if (NamedAnchorTakesWriterTags(doc) || TextReadsAsTags(doc)) return;
  FUZZ_CHECK(back.text == doc.text);
  const bool compareLinks = !LinkTableFull(doc) && !LinkTableFull(back);
  for (std::size_t i = 0; i < doc.attrs.size(); ++i) {
    SavedAttr a = SavedAttrOf(doc, doc.attrs[i]);
    SavedAttr b = SavedAttrOf(back, back.attrs[i]);
    if (compareLinks) FUZZ_CHECK(doc.LinkText(a.link) == back.LinkText(b.link));
    a.link = b.link = 0;
    FUZZ_CHECK(a == b);
    FUZZ_CHECK(doc.attrs[i].lineBreak == back.attrs[i].lineBreak);
  }
}

}  // namespace
}  // namespace quelt

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quelt;
  if (size < 2 || size > 12288) return 0;
  const std::string_view page = fuzz::AsText(data + 2, size - 2);
  VisualDocument doc;
  if (data[0] % 2 == 0) {
    if (!ParseVisualHtml(page, doc)) FUZZ_CHECK(doc.text.empty());
  } else {
    MemoryFileSystem fs;
    QuietHost host;
    fs.CreateFolder("C:\\q");
    fs.WriteFile("C:\\q\\page.htm", std::string(page));
    const FileContext ctx{fs, host, data[0] % 4 == 1 ? "C:\\q\\q.TM1" : "", false, nullptr, {}};
    const auto forced = static_cast<CharCodeId>(data[1] % (static_cast<int>(kLastCharCode) + 1));
    VisualOpenNotes notes;
    const bool loaded = LoadVisualDocument(ctx, "C:\\q\\page.htm", forced, doc, &notes);
    if (!loaded) {
      FUZZ_CHECK(doc.text.empty() && doc.attrs.empty() && !notes.noBody && notes.lostChars == 0);
      return 0;
    }
    if (notes.noBody) FUZZ_CHECK(doc.text.empty());
    FUZZ_CHECK(notes.lostChars == doc.lostChars);
  }
  CheckInvariants(doc);
  CheckRoundTrip(doc);
  return 0;
}
