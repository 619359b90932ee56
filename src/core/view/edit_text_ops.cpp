// Operations on whole lines and ranges: indent, unindent, alignment and the
// tab and space conversions.
#include <algorithm>
#include <vector>

#include "text/text_store.h"
#include "view/edit_ops.h"

namespace quelt {
namespace {

// Start offsets of the logical lines a selection touches, from the line of
// its start through the line of its last character.
std::vector<TextOffset> TouchedLines(const TextStore& store, TextRange sel) {
  std::vector<TextOffset> lines;
  const TextOffset last = sel.end > sel.start ? sel.end - 1 : sel.start;
  TextOffset p = LogicalLineStart(store, sel.start);
  for (;;) {
    lines.push_back(p);
    const TextOffset next = NextLogicalLine(store, p);
    if (next > last || next >= store.Length()) break;
    p = next;
  }
  return lines;
}

// Adds one edit of a multi-edit operation; false when the operation must stop.
bool Add(EditResult& r, const EditOutcome& one) {
  if (one.storageGrown) r.storageGrown = true;
  if (one.status == EditStatus::kFailed) {
    if (!r.Done()) r.status = EditStatus::kFailed;
    return false;
  }
  if (one.Done()) {
    r.status = EditStatus::kDone;
    r.change.Merge(one.change);
  }
  return true;
}

std::int64_t Delta(const EditResult& r) {
  return r.change.any ? std::int64_t{r.change.inserted} - r.change.removed : 0;
}

// Selects the whole lines from `first` through the line starting at `last`
// (both offsets taken before the edits, which all lay before the end).
void SelectLines(EditResult& r, const TextStore& store, TextOffset first,
                 TextOffset lastEndBefore) {
  r.hasSelection = true;
  r.selection = {first, static_cast<TextOffset>(
                            std::min<std::int64_t>(lastEndBefore + Delta(r), store.Length()))};
  r.caret = r.selection.end;
}

// Bytes of leading blanks that unindent removes from a line.
std::uint32_t UnindentBytes(std::string_view head, int tabWidth) {
  int removed = 0;
  std::size_t i = 0;
  while (i < head.size() && removed < tabWidth) {
    const auto c = static_cast<std::uint8_t>(head[i]);
    if (c == ' ') {
      removed += 1;
      i += 1;
    } else if (c == '\t') {
      removed += tabWidth - removed % tabWidth;
      i += 1;
    } else if (c == kWideSpaceLead && i + 1 < head.size() &&
               static_cast<std::uint8_t>(head[i + 1]) == kWideSpaceTrail) {
      removed += 2;
      i += 2;
    } else {
      break;
    }
  }
  return static_cast<std::uint32_t>(i);
}

// Walks a range's characters keeping the column, which starts again at 0
// after a line end and at each row start.
class ColumnWalk {
 public:
  ColumnWalk(TextOffset base, int startColumn, std::span<const TextOffset> rowStarts)
      : base_(base), column_(startColumn), rows_(rowStarts.begin(), rowStarts.end()) {
    std::sort(rows_.begin(), rows_.end());
  }
  // Call at every character start i (relative to the range).
  void At(std::size_t i) {
    while (next_ < rows_.size() && rows_[next_] < base_ + i) ++next_;
    if (next_ < rows_.size() && rows_[next_] == base_ + i) column_ = 0;
  }
  bool RowStartsAt(std::size_t i) const {
    return std::binary_search(rows_.begin(), rows_.end(), static_cast<TextOffset>(base_ + i));
  }
  int& Column() { return column_; }

 private:
  TextOffset base_;
  int column_;
  std::vector<TextOffset> rows_;
  std::size_t next_ = 0;
};

}  // namespace

EditResult ReplaceSelection(EditSession& s, TextRange sel, const std::string& before,
                            const std::string& after, ReplaceUndo undo) {
  EditResult r;
  if (after == before) return r;
  const auto n = static_cast<std::uint32_t>(before.size());
  Add(r, undo == ReplaceUndo::kOneStep ? s.History().Rewrite(sel.start, n, after)
                                       : s.History().Replace(sel.start, n, after));
  if (r.Done()) {
    r.hasSelection = true;
    r.selection = {sel.start, static_cast<TextOffset>(sel.start + after.size())};
    r.caret = r.selection.end;
  }
  return r;
}

EditResult IndentBlock(EditSession& s, TextRange sel) {
  TextStore& store = s.Store();
  if (sel.Length() == 0 || store.Length() == 0) return {};
  if (!s.Allowed()) return EditResult::Refused();
  const EditOptions& o = s.Options();
  const std::string indent = o.tabTypesBlanks ? std::string(static_cast<std::size_t>(std::max(o.tabWidth, 1)), ' ') : "\t";
  const std::vector<TextOffset> lines = TouchedLines(store, sel);
  const TextOffset lastEnd = NextLogicalLine(store, lines.back());
  EditResult r;
  for (std::size_t i = lines.size(); i-- > 0;) {
    if (!Add(r, s.History().Insert(lines[i], indent))) break;
  }
  SelectLines(r, store, lines.front(), lastEnd);
  return r;
}

EditResult UnindentBlock(EditSession& s, TextRange sel) {
  TextStore& store = s.Store();
  if (sel.Length() == 0 || store.Length() == 0) return {};
  if (!s.Allowed()) return EditResult::Refused();
  const int tab = std::max(s.Options().tabWidth, 1);
  const std::vector<TextOffset> lines = TouchedLines(store, sel);
  const TextOffset lastEnd = NextLogicalLine(store, lines.back());
  EditResult r;
  for (std::size_t i = lines.size(); i-- > 0;) {
    const std::string head = ReadText(store, lines[i], static_cast<std::uint32_t>(2 * tab + 2));
    const std::uint32_t n = UnindentBytes(head, tab);
    if (n > 0 && !Add(r, s.History().Delete(lines[i], n))) break;
  }
  SelectLines(r, store, lines.front(), lastEnd);
  return r;
}

EditResult AlignLine(EditSession& s, AlignMode mode, TextOffset caret, const TextRange* selection,
                     bool boxSelection) {
  TextStore& store = s.Store();
  if (boxSelection) {
    // A box has no lines of its own to align.
    s.GetHost().Beep();
    return EditResult::Refused();
  }
  if (!s.Allowed()) return EditResult::Refused();
  const EditOptions& o = s.Options();
  const LeadByteTest lead = s.Lead();
  const bool spacesOnly = o.padSpaceForMoving || o.tabTypesBlanks;
  const bool hasSel = selection != nullptr && selection->Length() > 0;
  const std::vector<TextOffset> lines =
      hasSel ? TouchedLines(store, *selection) : std::vector<TextOffset>{LogicalLineStart(store, caret)};
  const TextOffset lastEnd = NextLogicalLine(store, lines.back());
  const int wrap = o.wrapColumn;
  EditResult r;
  bool beeped = false;
  auto beep = [&] {
    if (!beeped) s.GetHost().Beep();
    beeped = true;
  };
  // Blanks of `pad` columns placed at `column` in front of `rest`, reduced
  // until the line fits (tabs in the text may widen when shifted).
  auto padFor = [&](int pad, int column, std::string_view rest) {
    while (pad > 0 && ColumnAfter(rest, column + pad, o.tabWidth, lead) > wrap) --pad;
    return Blanks(column, column + pad, o.tabWidth, spacesOnly);
  };
  const int need = mode == AlignMode::kCentre ? 2 : 1;

  for (std::size_t i = lines.size(); i-- > 0;) {
    const TextOffset start = lines[i];
    const TextOffset end = LogicalLineEnd(store, start);
    std::string line = ReadText(store, start, end - start);
    if (mode != AlignMode::kLeft && !o.moveFromLineTop && !hasSel) {
      // The padding goes in at the caret, which must stand on text.
      if (caret < start || caret >= end) {
        beep();
        continue;
      }
      const int width = ColumnAfter(line, 0, o.tabWidth, lead);
      if (width > wrap) {
        beep();
        continue;
      }
      const int free = wrap - width;
      if (free < need) continue;
      const std::string_view before(line.data(), caret - start);
      const int column = ColumnAfter(before, 0, o.tabWidth, lead);
      const std::string pad = padFor(mode == AlignMode::kCentre ? free / 2 : free, column,
                                     std::string_view(line).substr(caret - start));
      if (pad.empty()) continue;
      if (Add(r, s.History().Insert(caret, pad))) r.caret = static_cast<TextOffset>(caret + pad.size());
      continue;
    }
    const std::size_t blanks = LeadingBlanks(line);
    if (blanks > 0) {
      if (!Add(r, s.History().Delete(start, static_cast<std::uint32_t>(blanks)))) break;
      line.erase(0, blanks);
    }
    r.caret = start;
    if (mode == AlignMode::kLeft || line.empty()) continue;
    const int width = ColumnAfter(line, 0, o.tabWidth, lead);
    if (width > wrap) {  // the line still wraps
      beep();
      continue;
    }
    const int free = wrap - width;
    if (free < need) continue;
    const std::string pad = padFor(mode == AlignMode::kCentre ? free / 2 : free, 0, line);
    if (pad.empty()) continue;
    if (!Add(r, s.History().Insert(start, pad))) break;
    r.caret = static_cast<TextOffset>(start + pad.size());
  }
  if (hasSel) {
    SelectLines(r, store, lines.front(), lastEnd);
  }
  if (!r.Done() && beeped && r.status != EditStatus::kFailed) r.status = EditStatus::kBeeped;
  return r;
}

EditResult TabsToSpaces(EditSession& s, TextRange sel, int startColumn,
                        std::span<const TextOffset> rowStarts) {
  TextStore& store = s.Store();
  if (sel.Length() == 0) return {};
  if (!s.Allowed()) return EditResult::Refused();
  const int tab = std::max(s.Options().tabWidth, 1);
  const LeadByteTest lead = s.Lead();
  const std::string text = ReadText(store, sel);
  std::string out;
  out.reserve(text.size() + 64);
  ColumnWalk walk(sel.start, startColumn, rowStarts);
  int& column = walk.Column();
  for (std::size_t i = 0; i < text.size();) {
    walk.At(i);
    const auto c = static_cast<std::uint8_t>(text[i]);
    if (c == kCr && i + 1 < text.size() && text[i + 1] == '\n') {
      out += "\r\n";
      i += 2;
      column = 0;
    } else if (c == '\t') {
      const int n = tab - column % tab;
      out.append(static_cast<std::size_t>(n), ' ');
      column += n;
      ++i;
    } else if (lead(c) && i + 1 < text.size()) {
      out += text.substr(i, 2);
      column += 2;
      i += 2;
    } else {
      out += static_cast<char>(c);
      column += 1;
      ++i;
    }
  }
  return ReplaceSelection(s, sel, text, out, ReplaceUndo::kTwoSteps);
}

EditResult SpacesToTabs(EditSession& s, TextRange sel, int startColumn,
                        std::span<const TextOffset> rowStarts) {
  TextStore& store = s.Store();
  if (sel.Length() == 0) return {};
  if (!s.Allowed()) return EditResult::Refused();
  const int tab = std::max(s.Options().tabWidth, 1);
  const LeadByteTest lead = s.Lead();
  const std::string text = ReadText(store, sel);
  std::string out;
  out.reserve(text.size());
  ColumnWalk walk(sel.start, startColumn, rowStarts);
  int& column = walk.Column();
  for (std::size_t i = 0; i < text.size();) {
    walk.At(i);
    const auto c = static_cast<std::uint8_t>(text[i]);
    if (c == ' ') {
      // A run of spaces, ending where a display row ends.
      std::size_t j = i + 1;
      while (j < text.size() && text[j] == ' ' && !walk.RowStartsAt(j)) ++j;
      const int run = static_cast<int>(j - i);
      if (run >= tab) {
        out += Blanks(column, column + run, tab, false);
      } else {
        out.append(static_cast<std::size_t>(run), ' ');
      }
      column += run;
      i = j;
    } else if (c == kCr && i + 1 < text.size() && text[i + 1] == '\n') {
      out += "\r\n";
      i += 2;
      column = 0;
    } else if (lead(c) && i + 1 < text.size()) {
      out += text.substr(i, 2);
      column += 2;
      i += 2;
    } else {
      column += CharColumns(c, column, tab, lead);
      out += static_cast<char>(c);
      ++i;
    }
  }
  return ReplaceSelection(s, sel, text, out, ReplaceUndo::kTwoSteps);
}

}  // namespace quelt
