#include "convert/free_conversion_edit.h"

#include <algorithm>

#include "base/messages.h"
#include "text/text_store.h"
#include "view/text_lines.h"

namespace quelt {

FreeConversionOutcome ApplyFreeConversion(EditSession& s, const TextRange* selection,
                                          const FreeConversionRules& rules, bool fullEscapes) {
  FreeConversionOutcome o;
  o.toNewDocument = (rules.options & kFreeConvNewDocument) != 0;
  FreeConverter converter;
  if (!converter.Prepare(rules, fullEscapes, s.Lead())) {
    s.GetHost().Beep();
    o.status = FreeConversionStatus::kBadEscape;
    return o;
  }
  if (!o.toNewDocument && !s.Allowed()) return o;
  const TextStore& store = s.Store();
  TextRange range{0, store.Length()};
  if (selection) range = {std::min(selection->start, store.Length()), std::min(selection->end, store.Length())};
  if (range.Length() > kFreeConversionSourceLimit) {
    s.GetHost().ShowMessage(kMsgSourceTooLarge);
    o.status = FreeConversionStatus::kSourceTooLarge;
    return o;
  }
  if (range.Length() == 0) {
    s.GetHost().Beep();
    return o;
  }
  const std::string source = ReadText(store, range);
  FreeConverter::Result run = converter.Convert(source);
  if (o.toNewDocument) {
    o.newDocument = std::move(run.text);
    o.status = run.status;
    return o;
  }
  if (run.status == FreeConversionStatus::kOutputFull) run.text.append(source, run.converted);
  o.edit = ReplaceSelection(s, range, source, run.text);
  // A replacement the document turned down has told the user why.
  o.status = o.edit.status == EditStatus::kDone || o.edit.status == EditStatus::kNoChange
                 ? run.status
                 : FreeConversionStatus::kRefused;
  return o;
}

std::string EncodeFreeConversionRecord(const FreeConversionRules& rules) {
  std::string out;
  EncodeFreeConversionSection(rules, out);
  return out;
}

bool DecodeFreeConversionRecord(std::string_view data, FreeConversionRules& rules) {
  FreeConversionRules decoded;
  if (!DecodeFreeConversionSection(data, decoded) || !data.empty()) return false;
  rules = std::move(decoded);
  return true;
}

}  // namespace quelt
