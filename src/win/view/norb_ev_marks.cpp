// Line marks and string marks in the edit window: the commands 32768-32775.
// The document keeps the marks and decides every rule (marks/doc_marks);
// this file passes the caret and the selection and redraws what changed.

#include "app/command_ids.h"
#include "view/edit_context.h"
#include "cabinet/cabinet_settings.h"
#include "marks/doc_marks.h"
#include "text/text_store.h"
#include "view/norb_doc.h"
#include "view/norb_ev.h"
#include "view/text_lines.h"

namespace quelt::win {

void CNorbEV::MarksChanged(bool lineMarks) {
  const FormatBlock& block = context_.CurrentCabinet().block;
  // With the cabinet saving them, marks are part of what a save writes.
  if (block[lineMarks ? kWordSaveLineMarks : kWordSaveStringMarks]) doc_.SetModified(true);
  doc_.UpdateAllViews(owner_, kHintMarksChanged);
}

void CNorbEV::ToggleLineMark() {
  const std::uint32_t line = caret_.pos.line;
  const TextOffset start = layout_->LineStart(line);
  const bool begins = line == 0 || doc_.Store().LineFlag(line) != 0;
  const MarkOutcome outcome =
      doc_.Marks().ToggleLineMark(start, begins, doc_.Store().Length() == 0, selection_.active);
  if (outcome == MarkOutcome::kBeep) {
    host_.Beep();
    return;
  }
  if (outcome == MarkOutcome::kNothing) return;
  InvalidateLines(line, line);
  MarksChanged(true);
}

void CNorbEV::GoToLineMark(bool forward) {
  const std::optional<TextOffset> target =
      doc_.Marks().LineMarkTarget(layout_->LineStart(caret_.pos.line), forward);
  if (!target) {
    host_.Beep();
    return;
  }
  CancelSelection();
  SetCaretOffset(*target);
}

void CNorbEV::ResetLineMarks() {
  const bool selected = selection_.active;
  const std::vector<TextOffset> lines = doc_.Marks().ClearLineMarks();
  if (lines.empty()) return;
  if (selected) {
    InvalidateRect(hwnd_, nullptr, FALSE);
  } else {
    for (TextOffset start : lines) {
      const std::uint32_t line = layout_->LineOfOffset(start);
      InvalidateLines(line, line);
    }
  }
  MarksChanged(true);
}

void CNorbEV::ToggleStringMark() {
  TextOffset from = 0, to = 0;
  const bool stream = SelectionRange(from, to);
  if (!stream) {
    from = CaretOffset();
    to = from + CharSizeAt(doc_.Store(), from);
  }
  const MarkOutcome outcome = doc_.Marks().ToggleStringMark(doc_.Store(), from, to, stream, HasBoxSelection());
  if (outcome == MarkOutcome::kBeep) {
    host_.Beep();
    return;
  }
  if (outcome == MarkOutcome::kNothing) return;
  if (outcome == MarkOutcome::kAdded) {
    CancelSelection();
    InvalidateLines(layout_->LineOfOffset(from), layout_->LineOfOffset(to));
  } else {
    // The removed mark may reach past the range on other lines.
    InvalidateRect(hwnd_, nullptr, FALSE);
  }
  MarksChanged(false);
}

void CNorbEV::GoToStringMark(bool forward) {
  const std::optional<TextOffset> target = doc_.Marks().StringMarkTarget(CaretOffset(), forward);
  if (!target) {
    host_.Beep();
    return;
  }
  CancelSelection();
  SetCaretOffset(*target);
}

void CNorbEV::ResetStringMarks() {
  const bool selected = selection_.active;
  const std::vector<StringMark> marks = doc_.Marks().ClearStringMarks();
  if (marks.empty()) return;
  if (selected) {
    InvalidateRect(hwnd_, nullptr, FALSE);
  } else {
    for (const StringMark& mark : marks) {
      InvalidateLines(layout_->LineOfOffset(mark.offset), layout_->LineOfOffset(mark.offset + mark.length));
    }
  }
  MarksChanged(false);
}

bool CNorbEV::OnMarkCommand(UINT id) {
  switch (id) {
    case kCmdLineMarkToggle: ToggleLineMark(); return true;
    case kCmdLineMarkNext: GoToLineMark(true); return true;
    case kCmdLineMarkPrev: GoToLineMark(false); return true;
    case kCmdLineMarkClearAll: ResetLineMarks(); return true;
    case kCmdStringMarkToggle: ToggleStringMark(); return true;
    case kCmdStringMarkNext: GoToStringMark(true); return true;
    case kCmdStringMarkPrev: GoToStringMark(false); return true;
    case kCmdStringMarkClearAll: ResetStringMarks(); return true;
    default: return false;
  }
}

}  // namespace quelt::win
