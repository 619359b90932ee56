// The page command of the visual view: the page sheet of the tag mode edits
// the document's BODY settings.
#pragma once

#include "html/tag_settings.h"
#include "html/visual_document.h"

namespace quelt {

// The sheet's values for a document: its settings over the sheet's last
// values (a colour that is not set keeps the colour last chosen there).
PageTagSettings PageSheetOfBody(const BodySettings& body, PageTagSettings last);
// The settings the sheet's values give; a title over 80 bytes is cut at a
// character boundary.
BodySettings BodyOfPageSheet(const PageTagSettings& sheet);

}  // namespace quelt
