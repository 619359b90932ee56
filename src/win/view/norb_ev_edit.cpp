// Editing in the edit window: typed characters, Enter, Tab, Backspace and
// Delete, undo and redo, and the line commands. The engine's edit
// operations make each change through the document's undo history; the
// window lays the text out again, places the caret and the selection, and
// tells the other views of the document.
#include <algorithm>
#include <vector>

#include "framework/clipboard_state.h"
#include "view/edit_context.h"
#include "app/command_ids.h"
#include "view/convert_ops.h"
#include "view/edit_command_rules.h"
#include "base/clock.h"
#include "cabinet/cabinet_settings.h"
#include "framework/win_text.h"
#include "res/resource.h"
#include "view/edit_dialogs.h"
#include "view/edit_modes.h"
#include "view/edit_ops.h"
#include "view/norb_doc.h"
#include "view/norb_ev.h"
#include "view/norb_view.h"
#include "global_search/tag_jumps.h"
#include "record/operation_recorder.h"
#include "framework/local_time.h"
#include "record/recorded_commands.h"
#include "view/selection_ranges.h"

namespace quelt::win {

EditOptions CNorbEV::MakeEditOptions() const {
  const AppSettings& settings = context_.settings;
  const FormatBlock& block = context_.CurrentCabinet().block;
  EditOptions o;
  o.tabWidth = layout_->Params().tabWidth;
  o.tabTypesBlanks = block[kWordTabInsertsBlanks] != 0 || GlobalEditModes().tabToSpace;
  o.autoIndent = block[kWordAutoIndent] != 0;
  o.viewMode = settings.viewMode != 0;
  o.moveFromLineTop = settings.moveFromLineTop != 0;
  o.padSpaceForMoving = settings.padSpaceForMoving != 0;
  o.wrapColumn = layout_->Params().wrapColumn;
  return o;
}

CaretPlace CNorbEV::Place() {
  CaretPlace place;
  place.offset = CaretOffset();
  place.column = caret_.pos.column;
  place.virtualColumns = FreeCursor() ? caret_.pos.virtualColumns : 0;
  place.lastDisplayLine = caret_.pos.line + 1 >= layout_->LineCount();
  return place;
}

void CNorbEV::ApplyChange(const TextChange& change) {
  if (!change.any) return;
  const RelayoutResult r = layout_->RelayoutReplaced(change.from, change.removed, change.inserted);
  doc_.SetModified(true);
  UpdateScrollRanges();
  topLine_ = std::min(topLine_, MaxTopLine());
  // A comment that opened or closed changes colours down to the window's
  // end, as a change of the line count moves every line below.
  if (doc_.TakeCommentDelimitersChanged() || r.LineCountChanged()) {
    InvalidateLines(std::min(r.firstLine, caret_.pos.line), topLine_ + metrics_.visibleRows + 1);
  } else {
    InvalidateLines(r.firstLine, std::max(r.firstLine, r.changedEnd));
  }
  doc_.UpdateAllViews(owner_, kHintTextEdited);
  NotifyObserver(true);
}

bool CNorbEV::AppendText(std::string_view text) {
  TextStore& store = doc_.Store();
  const TextOffset at = store.Length();
  const Capacity c = store.Insert(at, text);
  if (c == Capacity::kOutOfMemory || c == Capacity::kOverLimit) {
    host_.ShowMessage(kMsgOutOfMemory);
    return false;
  }
  TextChange change;
  change.from = at;
  change.inserted = store.Length() - at;
  change.any = change.inserted > 0;
  ApplyChange(change);
  return true;
}

void CNorbEV::FinishEdit(const EditOutcome& outcome, const TextRange* selection, bool moveToNextLine) {
  if (moveToNextLine) {
    // Enter in overwrite mode changes nothing: it only goes to the start of
    // the next display line.
    CancelSelection();
    CaretKeyPress(CaretKey::kDown, false);
    CaretKeyPress(CaretKey::kHome, false);
    return;
  }
  if (!outcome.Done()) return;
  ApplyChange(outcome.change);
  CancelSelection();
  if (selection && selection->Length() > 0) {
    SetSelection(selection->start, selection->end);
  } else {
    SetCaretOffset(outcome.caret);
  }
}

void CNorbEV::Finish(const EditResult& r) {
  FinishEdit(r, r.hasSelection ? &r.selection : nullptr, r.moveToNextLine);
}

BoxRect CNorbEV::SelectionBox() const {
  BoxRect box;
  box.leftColumn = std::min(selection_.anchorColumn, selection_.caretColumn);
  box.rightColumn = std::max(selection_.anchorColumn, selection_.caretColumn);
  box.firstLine = std::min(selection_.anchorLine, selection_.caretLine);
  box.lastLine = std::max(selection_.anchorLine, selection_.caretLine);
  if (layout_->LineCount() > 0) box.lastLine = std::min(box.lastLine, layout_->LineCount() - 1);
  return box;
}

std::vector<TextRange> CNorbEV::BoxLines() {
  std::vector<TextRange> lines;
  if (!HasBoxSelection() || layout_->LineCount() == 0) return lines;
  const BoxRect box = SelectionBox();
  for (std::uint32_t line = box.firstLine; line <= box.lastLine; ++line) {
    const OffsetRange r = BoxLineRange(*layout_, box, line);
    lines.push_back(TextRange{r.start, std::max(r.start, r.end)});
  }
  return lines;
}

bool CNorbEV::DeleteSelection(EditSession& session) {
  if (!selection_.active) return false;
  if (selection_.box) {
    const std::vector<TextRange> lines = BoxLines();
    Finish(DeleteBox(session, lines));
    return true;
  }
  TextOffset from = 0, to = 0;
  if (!SelectionRange(from, to)) {
    CancelSelection();
    return false;
  }
  Finish(DeleteRange(session, TextRange{from, to}));
  return true;
}

void CNorbEV::ApplyInputPlan(EditSession& session, const InputPlan& plan) {
  if (plan.deleteSelection) DeleteSelection(session);
  if (plan.cancelSelection) CancelSelection();
}

void CNorbEV::TypeBytes(const std::string& bytes) {
  if (bytes.empty()) return;
  recorder_.Record(kOpTypedText, 0, bytes);
  InsertTyped(bytes);
}

void CNorbEV::InsertTyped(const std::string& bytes) {
  EditSession session(doc_.History(), MakeEditOptions());
  if (!session.Allowed()) return;
  const InputPlan plan = PlanInput(InputSource::kTyped, selection_.active,
                                   settings_.deleteSelectionAtInput != 0,
                                   !GlobalEditModes().insert);
  ApplyInputPlan(session, plan);
  Finish(TypeText(session, Place(), bytes, plan.overwrite));
}

void CNorbEV::OnChar(wchar_t ch) {
  if (autoScrollDirection_ != 0 || panning_) return;
  switch (ch) {
    case L'\b':
      recorder_.Record(kOpTypedText, 0, "\b");
      Backspace();
      return;
    case L'\r':
      TypeBytes("\r\n");
      return;
    case L'\t':
      recorder_.Record(kOpTypedText, 0, "\t");
      TabKey(ShiftHeld());
      return;
    default:
      break;
  }
  if (ch < 0x20 || ch == 0x7F) return;  // other control characters are commands
  if (ch >= 0xD800 && ch <= 0xDFFF) {
    // Characters outside the basic plane have no Shift-JIS form.
    host_.Beep();
    return;
  }
  TypeBytes(WideToSjis(std::wstring_view(&ch, 1)));
}

void CNorbEV::Backspace() {
  EditSession session(doc_.History(), MakeEditOptions());
  if (!DeleteSelection(session)) Finish(DeleteBeforeCaret(session, CaretOffset()));
}

void CNorbEV::TabKey(bool shift) {
  // Tab with a selection indents its lines, Shift+Tab unindents them.
  TextOffset from = 0, to = 0;
  if (SelectionRange(from, to)) {
    OnEditCommand(shift ? kCmdUnindent : kCmdIndent);
  } else {
    InsertTyped("\t");
  }
}

void CNorbEV::RecordCommand(UINT id) {
  // The free conversion records itself with its rules as a dialog command.
  if (id != kCmdJump && id != kCmdFreeConversion && FindRecordedCommand(id) >= 0) recorder_.Record(kOpViewCommand, id);
}

bool CNorbEV::RunCommand(UINT id) {
  if (id == kCmdTagJumpCurrent || id == kCmdTagJumpNext || id == kCmdTagJumpPrev || id == kCmdTagWindow) {
    RecordCommand(id);
    if (id == kCmdTagWindow) {
      tags_.ShowTagWindow();
    } else {
      tags_.Jump(id, dynamic_cast<CNorbView*>(owner_) ? this : nullptr);
    }
    return true;
  }
  if (OnTagCommand(id)) return true;  // they record themselves where they are recorded
  // Only what this window carried out is recorded as its command.
  if (!OnEditCommand(id)) return false;
  RecordCommand(id);
  return true;
}

void CNorbEV::DeleteSelectedText() {
  EditSession session(doc_.History(), MakeEditOptions());
  if (session.Allowed()) DeleteSelection(session);
}

void CNorbEV::DeleteKey(bool shift) {
  if (shift && selection_.active) {
    RunCommand(kCmdEditCut);
    return;
  }
  recorder_.Record(kOpDelete, 1);
  EditSession session(doc_.History(), MakeEditOptions());
  if (!DeleteSelection(session)) Finish(DeleteAtCaret(session, CaretOffset()));
}

void CNorbEV::UndoRedo(bool redo) {
  UndoHistory& history = doc_.History();
  const bool viewMode = settings_.viewMode != 0;
  CancelSelection();
  const EditOutcome outcome = redo ? history.Redo(viewMode) : history.Undo(viewMode);
  FinishEdit(outcome, nullptr, false);
}

bool CNorbEV::OnEditCommand(UINT id) {
  if (OnSearchCommand(id) || OnMarkCommand(id)) return true;
  EditSession session(doc_.History(), MakeEditOptions());
  TextOffset from = 0, to = 0;
  const bool stream = SelectionRange(from, to);
  const TextRange selection{from, to};
  if (IsSelectionConversionCommand(id)) {
    ConversionCommand(id);
    return true;
  }
  switch (id) {
    case kCmdEditUndo: UndoRedo(false); return true;
    case kCmdEditRedo: UndoRedo(true); return true;
    case kCmdSelectAll: SelectAll(); return true;
    case kCmdEditCopy:
    case kCmdEditCut:
    case kCmdEditPaste:
    case kCmdAppendCopy:
    case kCmdAppendCut:
    case kCmdPasteSelected:
      return OnClipboardCommand(id);
    case kCmdIndent:
      if (stream) Finish(IndentBlock(session, selection)); else host_.Beep();
      return true;
    case kCmdUnindent:
      if (stream) Finish(UnindentBlock(session, selection)); else host_.Beep();
      return true;
    case kCmdAlignLeft:
    case kCmdAlignCentre:
    case kCmdAlignRight: {
      const AlignMode mode = id == kCmdAlignLeft ? AlignMode::kLeft
                             : id == kCmdAlignCentre ? AlignMode::kCentre : AlignMode::kRight;
      Finish(AlignLine(session, mode, CaretOffset(), stream ? &selection : nullptr, HasBoxSelection()));
      return true;
    }
    case kCmdTabToSpace:
    case kCmdSpaceToTab: {
      if (!stream) {
        host_.Beep();
        return true;
      }
      // Wrapped display lines inside the selection start their columns anew.
      std::vector<TextOffset> rows;
      const std::uint32_t l1 = layout_->LineOfOffset(from), l2 = layout_->LineOfOffset(to);
      for (std::uint32_t line = l1 + 1; line <= l2 && line < layout_->LineCount(); ++line) {
        if (!doc_.Store().LineFlag(line)) rows.push_back(layout_->LineStart(line));
      }
      const int startColumn = layout_->ColumnOfOffset(from);
      Finish(id == kCmdTabToSpace ? TabsToSpaces(session, selection, startColumn, rows)
                                  : SpacesToTabs(session, selection, startColumn, rows));
      return true;
    }
    case kCmdPasteFromHistory:
    case kCmdPasteHistoryCurrent:
    case kCmdPasteHistoryNext:
    case kCmdPasteHistoryPrev:
      PasteFromHistory(id);
      return true;
    case kCmdFreeConversion:
      FreeConversionCommand();
      return true;
    case kCmdInsertString:
      InsertStringCommand();
      return true;
    case kCmdInsertDate:
      Finish(InsertDate(session, Place(), selection_.active, LocalNow()));
      return true;
    case kCmdInsertTime:
      Finish(InsertTime(session, Place(), selection_.active, LocalNow()));
      return true;
    default:
      return false;
  }
}

void CNorbEV::PasteFromHistory(UINT id) {
  ClipHistory& clips = context_.clips;
  if (clips.Count() == 0 || !clips.HasCurrent()) return;
  const std::string* text = nullptr;
  switch (id) {
    case kCmdPasteHistoryCurrent: text = clips.Current(); break;
    case kCmdPasteHistoryNext: text = clips.Next(); break;
    case kCmdPasteHistoryPrev: text = clips.Previous(); break;
    default: {
      int index = 0;
      if (!ChooseClipHistoryEntry(context_.owner.MainHwnd(), clips, index)) return;
      text = clips.Choose(index);
      break;
    }
  }
  if (text) PasteText(*text, false);
}

void CNorbEV::InsertStringCommand() {
  AppSettings& settings = settings_;
  std::string format = settings.insertionString;
  int position = settings.insertionPosition;
  if (!AskInsertString(context_.owner.MainHwnd(), format, position)) return;
  settings.insertionString = format;
  settings.insertionPosition = position;
  EditSession session(doc_.History(), MakeEditOptions());
  if (!session.Allowed()) return;
  StringFormat f;
  f.format = format;
  f.path = doc_.PathName();
  f.now = LocalNow();
  f.expandPerLine = settings.valiableInsertion != 0;
  TextOffset from = 0, to = 0;
  if (position != kInsertAtCaret && SelectionRange(from, to)) {
    // At the start, or before the line end, of every display line of the
    // selection, with each line's own numbers.
    std::vector<StringPlace> places;
    const std::uint32_t l1 = layout_->LineOfOffset(from), l2 = layout_->LineOfOffset(to > from ? to - 1 : to);
    for (std::uint32_t line = l1; line <= l2 && line < layout_->LineCount(); ++line) {
      StringPlace place;
      if (position == kInsertAtLineStart) {
        place.offset = layout_->LineStart(line);
      } else {
        if (!layout_->EndsWithCrLf(line)) continue;
        place.offset = layout_->LineTextEnd(line);
      }
      place.line = static_cast<int>(line) + 1;
      place.column = layout_->ColumnInLine(line, place.offset) + 1;
      places.push_back(place);
    }
    f.line = static_cast<int>(caret_.pos.line) + 1;
    f.column = caret_.pos.column + 1;
    Finish(InsertStringAtPlaces(session, places, f));
    return;
  }
  CancelSelection();
  if (position == kInsertAtLineStart) CaretKeyPress(CaretKey::kHome, false);
  if (position == kInsertAtLineEnd) CaretKeyPress(CaretKey::kEnd, false);
  f.line = static_cast<int>(caret_.pos.line) + 1;
  f.column = caret_.pos.column + 1;
  Finish(InsertString(session, Place(), f));
}

bool CNorbEV::OnUpdateEditCommand(UINT id, CommandState& state) {
  if (OnUpdateTagCommand(id, state)) return true;
  switch (id) {
    case kCmdEditFind: case kCmdEditReplace: case kCmdFindNext: case kCmdFindBoxEnter: case kCmdFindPrev:
    case kCmdJump: case kCmdMatchBracket:
    case kCmdLineMarkToggle: case kCmdLineMarkNext: case kCmdLineMarkPrev: case kCmdLineMarkClearAll:
    case kCmdStringMarkToggle: case kCmdStringMarkNext: case kCmdStringMarkPrev: case kCmdStringMarkClearAll:
      state.enabled = true;
      return true;
    default:
      break;
  }
  TextOffset from = 0, to = 0;
  EditCommandContext c;
  c.editable = doc_.Store().EditAllowed(context_.settings.viewMode != 0);
  c.hasSelection = selection_.active;
  c.streamSelection = SelectionRange(from, to);
  c.textEmpty = doc_.Store().Length() == 0;
  c.canUndo = doc_.History().CanUndo();
  c.canRedo = doc_.History().CanRedo();
  c.clipboardHasText = EditCommandReadsClipboard(static_cast<CommandId>(id)) && ClipboardHasText();
  c.clipHistoryHasCurrent = context_.clips.HasCurrent();
  bool known = false;
  const bool enabled = EditCommandEnabled(id, c, known);
  if (known) state.enabled = enabled;
  return known;
}

}  // namespace quelt::win
