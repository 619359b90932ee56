// The free conversion as the edit window carries it out: the source is the
// stream selection, or the whole text without one; the result replaces it
// in one undo step and is left selected, or becomes the text of a new
// document ("新規文書へ出力"), which leaves the source alone and so needs no
// permission to change it.
#pragma once

#include <string>
#include <string_view>

#include "convert/free_conversion.h"
#include "view/edit_ops.h"

namespace quelt {

struct FreeConversionOutcome {
  // kRefused and kBadEscape have beeped, kSourceTooLarge has shown
  // "変換元のサイズが大き過ぎます。"; nothing changed then. kOutputFull: the
  // result is in place, and the caller shows that message once the window
  // shows the result.
  FreeConversionStatus status = FreeConversionStatus::kRefused;
  bool toNewDocument = false;
  EditResult edit;          // the replacement in the document
  std::string newDocument;  // the text of the new document
};

// When the output fills up before the source ends, the converted start
// replaces the source followed by the rest of the source unconverted, so no
// text is lost; a new document gets the converted start alone.
FreeConversionOutcome ApplyFreeConversion(EditSession& s, const TextRange* selection,
                                          const FreeConversionRules& rules, bool fullEscapes);

// The recorded data of the command: the rule set laid out as the state
// file's section keeps it.
std::string EncodeFreeConversionRecord(const FreeConversionRules& rules);
// False for data that is not exactly one such section (also for bytes left
// over after it).
bool DecodeFreeConversionRecord(std::string_view data, FreeConversionRules& rules);

}  // namespace quelt
