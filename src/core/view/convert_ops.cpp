#include "view/convert_ops.h"

#include <new>

#include "base/messages.h"
#include "text/text_store.h"
#include "view/text_lines.h"

namespace quelt {
namespace {

EditResult OutOfMemory(EditSession& s) {
  s.GetHost().ShowMessage(kMsgOutOfMemory);
  EditResult r;
  r.status = EditStatus::kFailed;
  return r;
}

void Add(EditResult& r, const EditOutcome& o) {
  if (o.status == EditStatus::kDone) {
    r.status = EditStatus::kDone;
    r.change.Merge(o.change);
    r.storageGrown = r.storageGrown || o.storageGrown;
  } else if (r.status != EditStatus::kDone) {
    r.status = o.status;
  }
}

EditResult Covering(EditResult r, TextOffset start, TextOffset end) {
  if (r.Done()) {
    r.hasSelection = end > start;
    r.selection = {start, end};
    r.caret = end;
  }
  return r;
}

}  // namespace

std::optional<CharConversion> CharConversionOfCommand(CommandId id) {
  switch (id) {
    case kCmdInvertCase: return CharConversion::kInvertCase;
    case kCmdUpperCase: return CharConversion::kUpperCase;
    case kCmdLowerCase: return CharConversion::kLowerCase;
    case kCmdCapitalize: return CharConversion::kCapitalize;
    case kCmdHalfToFull: return CharConversion::kHalfToFull;
    case kCmdFullToHalf: return CharConversion::kFullToHalf;
    case kCmdHiraganaToKatakana: return CharConversion::kHiraganaToKatakana;
    case kCmdKatakanaToHiragana: return CharConversion::kKatakanaToHiragana;
    default: return std::nullopt;
  }
}

bool IsSelectionConversionCommand(CommandId id) {
  return CharConversionOfCommand(id).has_value() || id == kCmdSplitLines || id == kCmdJoinLines;
}

EditResult ConvertSelection(EditSession& s, TextRange sel, CharConversion kind) {
  if (sel.Length() == 0) return {};
  if (!s.Allowed()) return EditResult::Refused();
  try {
    const std::string text = ReadText(s.Store(), sel);
    std::string out;
    out.reserve(ConversionBufferSize(kind, text.size()));
    ConvertChars(kind, text, out);
    EditResult r = ReplaceSelection(s, sel, text, out);
    if (r.status == EditStatus::kNoChange) {
      // Nothing to convert: the selection stays as it was.
      r.hasSelection = true;
      r.selection = sel;
      r.caret = sel.end;
    }
    return r;
  } catch (const std::bad_alloc&) {
    return OutOfMemory(s);
  }
}

EditResult SplitLines(EditSession& s, TextRange covered, std::span<const DisplayLineEnd> lines) {
  bool any = false;
  for (const DisplayLineEnd& line : lines) any = any || line.wraps;
  if (!any) return {};
  if (!s.Allowed()) return EditResult::Refused();
  EditResult r;
  TextOffset shift = 0;  // bytes inserted before the current line so far
  for (const DisplayLineEnd& line : lines) {
    if (!line.wraps) continue;
    const EditOutcome o = s.History().Insert(line.end + shift, "\r\n");
    Add(r, o);
    if (!o.Done()) break;
    shift += 2;
  }
  return Covering(r, covered.start, covered.end + shift);
}

EditResult JoinLines(EditSession& s, TextRange covered, std::span<const DisplayLineEnd> lines) {
  const int fullColumn = s.Options().wrapColumn - 1;
  bool any = false;
  for (const DisplayLineEnd& line : lines) any = any || (line.crLf && line.endColumn >= fullColumn);
  if (!any) return {};
  if (!s.Allowed()) return EditResult::Refused();
  EditResult r;
  TextOffset removed = 0;  // bytes removed before the current line so far
  for (const DisplayLineEnd& line : lines) {
    if (!line.crLf || line.endColumn < fullColumn) continue;
    const EditOutcome o = s.History().Delete(line.end - removed, 2);
    Add(r, o);
    if (!o.Done()) break;
    removed += 2;
  }
  return Covering(r, covered.start, covered.end - removed);
}

EditResult JoinLinesTightly(EditSession& s, TextRange sel) {
  if (sel.Length() == 0) return {};
  if (sel.Length() > kMaxTightJoinBytes) {
    s.GetHost().ShowMessage(kMsgSelectionTooLarge);
    EditResult r;
    r.status = EditStatus::kFailed;
    return r;
  }
  if (!s.Allowed()) return EditResult::Refused();
  const std::string text = ReadText(s.Store(), sel);
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    if (c != '\r' && c != '\n') out += c;
  }
  return ReplaceSelection(s, sel, text, out);
}

}  // namespace quelt
