#include "view/edit_ops.h"

#include <algorithm>

#include "text/text_store.h"
#include "view/clipboard_text.h"

namespace quelt {

bool EditSession::Allowed() {
  if (Store().EditAllowed(options_.viewMode)) return true;
  GetHost().Beep();
  return false;
}

LeadByteTest EditSession::Lead() { return Store().Lead(); }

namespace {

EditResult Result(const EditOutcome& outcome) { return EditResult::Of(outcome); }

bool HasLineEnd(std::string_view text) { return text.find("\r\n") != std::string_view::npos; }

// Blanks that fill the caret's virtual space up to its column.
std::string VirtualFill(EditSession& s, const CaretPlace& caret) {
  if (caret.virtualColumns <= 0) return {};
  const EditOptions& o = s.Options();
  return Blanks(caret.column - caret.virtualColumns, caret.column, o.tabWidth, o.tabTypesBlanks);
}

// The leading spaces and tabs of the line holding p, up to p: what a new
// line starts with under auto indent.
std::string Indentation(const TextStore& store, TextOffset p) {
  const TextOffset start = LogicalLineStart(store, p);
  const std::string head = ReadText(store, start, p - start);
  const std::size_t n = head.find_first_not_of(" \t");
  return head.substr(0, n == std::string::npos ? head.size() : n);
}

// Bytes of the characters from p that cover `width` columns from `column`;
// a character partly covered counts whole. Line ends are never covered.
std::uint32_t CoveredBytes(const TextStore& store, TextOffset p, int column, int width,
                           int tabWidth, LeadByteTest lead) {
  const TextOffset start = p;
  int covered = 0;
  while (covered < width && p < store.Length()) {
    const std::uint8_t c = ReadByte(store, p);
    if (c == kCr) break;
    const int w = CharColumns(c, column, tabWidth, lead);
    p += CharSizeAt(store, p);
    covered += w;
    column += w;
  }
  return p - start;
}

}  // namespace

EditResult TypeText(EditSession& s, const CaretPlace& caret, std::string_view text, bool overwrite) {
  if (text.empty()) return {};
  if (!s.Allowed()) return EditResult::Refused();
  TextStore& store = s.Store();
  const EditOptions& o = s.Options();
  const TextOffset at = std::min(caret.offset, store.Length());
  std::string typed(text);
  if (typed == "\t" && o.tabTypesBlanks) {
    const int tab = std::max(o.tabWidth, 1);
    typed.assign(static_cast<std::size_t>(tab - caret.column % tab), ' ');
  }
  const bool newLine = HasLineEnd(typed);
  if (overwrite && typed == "\r\n" && !caret.lastDisplayLine && at < store.Length()) {
    EditResult r;
    r.moveToNextLine = true;
    r.caret = at;
    return r;
  }
  const std::string fill = VirtualFill(s, caret);
  if (overwrite && fill.empty() && !newLine) {
    const int width = ColumnAfter(typed, caret.column, o.tabWidth, s.Lead()) - caret.column;
    const std::uint32_t covered =
        CoveredBytes(store, at, caret.column, width, o.tabWidth, s.Lead());
    if (covered > 0) return Result(s.History().Overwrite(at, covered, typed));
  }
  std::string all = fill + typed;
  if (newLine && o.autoIndent) all += Indentation(store, at);
  return Result(s.History().Insert(at, all));
}

EditResult DeleteAtCaret(EditSession& s, TextOffset caret, int count) {
  TextStore& store = s.Store();
  if (store.Length() == 0) {
    s.GetHost().Beep();
    return EditResult::Refused();
  }
  if (!s.Allowed()) return EditResult::Refused();
  if (caret >= store.Length()) return {};
  TextOffset end = caret + CharSizeAt(store, caret);
  // A count of bytes, widened so no character (nor CR LF) is split.
  while (count > 1 && end - caret < static_cast<std::uint32_t>(count) && end < store.Length()) {
    end += CharSizeAt(store, end);
  }
  return Result(s.History().Delete(caret, end - caret));
}

EditResult DeleteBeforeCaret(EditSession& s, TextOffset caret) {
  TextStore& store = s.Store();
  caret = std::min(caret, store.Length());
  if (caret == 0) return {};
  if (!s.Allowed()) return EditResult::Refused();
  const TextOffset start = store.CharStartBefore(caret);
  return Result(s.History().Delete(start, caret - start));
}

EditResult DeleteRange(EditSession& s, TextRange range) {
  if (range.Length() == 0) return {};
  if (!s.Allowed()) return EditResult::Refused();
  return Result(s.History().Delete(range.start, range.Length()));
}

EditResult DeleteBox(EditSession& s, std::span<const TextRange> lines) {
  if (lines.empty()) return {};
  if (!s.Allowed()) return EditResult::Refused();
  EditResult r;
  // From the bottom up, so the ranges above stay where they were.
  for (std::size_t i = lines.size(); i-- > 0;) {
    const EditOutcome one = s.History().Delete(lines[i].start, lines[i].Length());
    if (one.status == EditStatus::kFailed) {
      if (!r.Done()) r.status = EditStatus::kFailed;
      break;
    }
    if (!one.Done()) continue;
    r.status = EditStatus::kDone;
    r.change.Merge(one.change);
  }
  r.caret = lines.front().start;
  return r;
}

EditResult Paste(EditSession& s, const CaretPlace& caret, std::string_view clip, bool asSelection) {
  if (!s.Allowed()) return EditResult::Refused();
  const std::string text = CleanIncomingText(TextUpToZero(clip), s.Lead());
  if (text.empty()) return {};
  const std::string fill = VirtualFill(s, caret);
  const TextOffset at = std::min(caret.offset, s.Store().Length());
  EditResult r = Result(s.History().Insert(at, fill + text));
  if (r.Done() && asSelection) {
    r.hasSelection = true;
    r.selection = {static_cast<TextOffset>(at + fill.size()), r.caret};
  }
  return r;
}

bool SelectAllRange(const TextStore& store, TextRange& range) {
  if (store.Length() == 0) return false;
  range = {0, store.Length()};
  return true;
}

}  // namespace quelt
