// Writing a visual document back as HTML: the head with the title, the
// BODY tag with the page settings and the text cut into runs of equal
// character attributes, each run wrapped in the few tags the visual mode
// reads back.
#pragma once

#include <string>

#include "html/visual_document.h"
#include "text/load_save.h"

namespace quelt {

// The attributes of one byte that saving keeps.
struct SavedAttr {
  int size = 0;  // 1..7; 0 = the normal size 3
  bool bold = false, italic = false;
  ColourRef colour = 0;
  int position = 0;  // 0 normal, 1 superscript, 2 subscript
  int link = 0;      // link index
  bool operator==(const SavedAttr&) const = default;
};

// What saving keeps of byte attribute a of doc. The base font (index 0) is
// the page's normal text: no size, not bold, not italic.
SavedAttr SavedAttrOf(const VisualDocument& doc, const VisualAttr& a);

// The whole page in the internal form (Shift-JIS, CR LF). The title, the
// background image name and the link destinations are written with
// character references where their characters would end or break them
// (see EncodeHtmlValue), so that reading gives them back as they were. The
// head of a UTF-8 or UTF-16 page declares its charset in a META tag.
std::string GenerateVisualHtml(const VisualDocument& doc);

// Generates the page and writes it to path in the document's code and line
// end (Shift-JIS with CR LF as generated; a UTF page with the forms of its
// two-form characters). A page that needs converting to JIS or EUC and is
// over kMaxConvertBytes is refused; the old file stays as it was on
// any failure. Failures show their message and give false. The caller
// marks the document unchanged after a successful save.
bool SaveVisualDocument(const FileContext& ctx, const std::string& path, VisualDocument& doc);

}  // namespace quelt
