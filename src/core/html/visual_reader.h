// Reading an HTML page into a visual document. Only a small set of tags
// is understood (bold, italic, font size and colour, superscript,
// subscript, links, line breaks and the BODY tag's page settings); every
// other tag stays in the visual text as the characters it is written with,
// so that saving writes it back unchanged.
#pragma once

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

// Reads the file at path into doc. With a work file in ctx the file's code
// (forcedCode 1-3 overrides the detected one) and line end are detected and
// the file is converted into the internal form, and doc keeps them for
// saving; otherwise it is read as Shift-JIS with CR LF. The page read must
// be at most kMaxVisualFileBytes bytes long. Failures show their message
// and give false with doc as it was.
//
// A page that holds more than blanks but has no BODY tag loads as an empty
// document that saving would write over the page: its message is shown and
// *noBody set, and the caller opens the document write-protected.
bool LoadVisualDocument(const FileContext& ctx, const std::string& path, CharCodeId forcedCode,
                        VisualDocument& doc, bool* noBody = nullptr);

}  // namespace quelt
