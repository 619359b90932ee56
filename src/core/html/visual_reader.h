// Reading an HTML page into a visual document. Only a small set of tags
// is understood (bold, italic, font size and colour, superscript,
// subscript, links, line breaks and the BODY tag's page settings); every
// other tag stays in the visual text as the characters it is written with,
// so that saving writes it back unchanged.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "html/visual_document.h"
#include "text/load_save.h"

namespace quelt {

// Parses page (internal form: Shift-JIS, CR LF) into doc. The bytes are
// cleaned first (see CleanVisualHtml). The document is cleared (its base
// font stays); its code and line end are Shift-JIS and CR LF. A page
// without a BODY tag gives an empty text and false.
bool ParseVisualHtml(std::string_view page, VisualDocument& doc);

// What an open found that makes the caller open the page write-protected.
struct VisualOpenNotes {
  // The page holds more than blanks but has no BODY tag: it loads as an
  // empty document that saving would write over the page.
  bool noBody = false;
  // The characters of a UTF-8 or UTF-16 page that a save cannot give back
  // (see UnicodeTally::Lost); doc.lostChars holds the same.
  std::uint64_t lostChars = 0;
};

// Reads the file at path into doc. With a work file in ctx the file's code
// (a document code in forcedCode overrides the detected one) and line end
// are detected and the file is converted into the internal form, and doc
// keeps them, and the forms of a UTF page's two-form characters, for
// saving; otherwise it is read as Shift-JIS with CR LF. A page detected as
// another code that declares charset=utf-8 in a tag and is UTF-8
// throughout reads as UTF-8. The page read must be at most
// kMaxVisualFileBytes bytes long. Failures show their message and give
// false with doc as it was. A page without a body, or with characters a
// save would lose, loads with its message (kMsgVisualNoBody,
// kMsgUnicodeCharsLost with the count) and its note set.
bool LoadVisualDocument(const FileContext& ctx, const std::string& path, CharCodeId forcedCode,
                        VisualDocument& doc, VisualOpenNotes* notes = nullptr);

}  // namespace quelt
