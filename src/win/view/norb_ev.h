// `CNorbEV`: the edit window of a text document. It lays the text out into
// the document's display-line table (through the engine's Layout), paints
// it on a fixed cell grid with the colouring passes, keeps the caret, the
// stream or box selection and the scroll position, and turns keys, mouse and
// wheel into caret moves and scrolling.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/handles.h"
#include "find/find_record.h"
#include "find/find_run.h"
#include "framework/command.h"
#include "framework/text_window.h"
#include "record/playback_target.h"
#include "text/undo_history.h"
#include "view/caret_moves.h"
#include "view/layout.h"
#include "view/text_lines.h"

namespace quelt {
struct CellArray;
class ColourScheme;
struct GridMetrics;
struct ViewExtent;
struct EditOptions;
struct CaretPlace;
struct EditResult;
class EditSession;
struct InputPlan;
struct AppSettings;
class Host;
struct BoxRect;
class PopupMenuItems;
class OperationRecorder;
enum class TagSelection;
}  // namespace quelt

namespace quelt::win {

class CNorbDoc;
class View;
class EvDropTarget;
class FindService;
class TagJumps;
struct EditContext;

// The hint an edit window sends the other views of its document after it
// changed the text and laid it out again.
constexpr int kHintTextEdited = 1;
// ... after it changed the document's marks: the others redraw.
constexpr int kHintMarksChanged = 2;

// The clipboard as Shift-JIS text: CF_UNICODETEXT and CF_TEXT are written,
// CF_UNICODETEXT is preferred when reading.
// kOutOfMemory when the blocks cannot be allocated ("メモリ不足です。"),
// kNotOpened when another program holds the clipboard.
enum class ClipboardWrite { kDone, kOutOfMemory, kNotOpened };
ClipboardWrite SetClipboardSjis(HWND owner, const std::string& sjis);
bool GetClipboardSjis(HWND owner, std::string& sjis);
// The text of a global block, up to its first zero: UTF-16 (wide) converted
// with code page 932, or Shift-JIS bytes.
bool SjisFromGlobal(HGLOBAL block, bool wide, std::string& sjis);
// A movable global block holding a copy of the bytes; null when it cannot
// be had.
HGLOBAL CopyToGlobal(const void* data, std::size_t bytes);

// Timers of the edit window.
constexpr UINT_PTR kDragScrollTimer = 1;  // 50 ms while a drag is outside the text
constexpr UINT_PTR kAutoScrollTimer = 3;  // automatic and pan scrolling
constexpr UINT_PTR kDropScrollTimer = 4;  // delay before scrolling under an OLE drag
constexpr UINT kDragScrollMs = 50;

// The selection: a stream between two offsets, or a box between two cells.
struct EvSelection {
  bool active = false;
  bool box = false;
  TextOffset anchor = 0, caret = 0;       // stream: the anchor and the moving end
  int anchorColumn = 0, caretColumn = 0;  // box corners
  std::uint32_t anchorLine = 0, caretLine = 0;
  bool operator==(const EvSelection&) const = default;
};

// Pixel geometry of the window, recomputed on every layout refresh and size.
struct EvMetrics {
  int charWidth = 8;    // average character width plus character spacing
  int lineHeight = 16;  // font height plus line spacing
  int fontHeight = 16;
  int leftMargin = 0;
  int topMargin = 0;
  int clientWidth = 0;
  int clientHeight = 0;
  int visibleRows = 0;
  int visibleColumns = 0;
};

// Told when the edit window's caret, scroll position or layout may have
// changed (textChanged: its text too); the rulers follow it.
class EvObserver {
 public:
  virtual void EvChanged(bool textChanged) = 0;

 protected:
  ~EvObserver() = default;
};

class CNorbEV : public TextWindow, public PlaybackTarget {
 public:
  static constexpr const wchar_t* kWindowClass = L"QueltNorbEV";
  // owner: the view that holds the window, named in update hints.
  CNorbEV(CNorbDoc& doc, View* owner);
  ~CNorbEV();
  CNorbEV(const CNorbEV&) = delete;
  CNorbEV& operator=(const CNorbEV&) = delete;

  static bool RegisterClass(HINSTANCE instance);
  bool Create(HWND parent);
  HWND Hwnd() const override { return hwnd_; }
  CNorbDoc& Doc() { return doc_; }
  Document& OwnerDocument() override;
  TextStore& Store() override;
  Layout& TextLayout() override { return *layout_; }

  // Re-reads the cabinet's format, colours and font; with full, lays the
  // whole text out again. The caret and top line keep their text offsets.
  void RefreshLayout(bool full);
  // After an edit by another window on the same document.
  void OnTextChanged();

  // ---- Caret ----
  // The single place that moves the caret.
  void SetCaret(const CaretPos& pos, bool recreate = false, bool noScroll = false);
  const Caret& CaretState() const { return caret_; }
  int CaretColumn() const override { return caret_.pos.column; }
  std::uint32_t CaretLine() const override { return caret_.pos.line; }
  int DesiredColumn() const { return caret_.desiredColumn; }
  bool FreeCursor() const;
  TextOffset CaretOffset() override { return quelt::CaretOffset(*layout_, caret_.pos); }
  // Puts the caret on the character at p; the desired column follows.
  void SetCaretOffset(TextOffset p, bool noScroll = false) override;
  // Moves the caret to a 0-based line and column as the jump does: false
  // (nothing moved) for a line past the end; a column past the line's text
  // becomes 0.
  bool JumpTo(std::uint32_t line, int column) override;
  // The cabinet's positions of a reopened document: ignored when the top
  // line lies beyond the end.
  void RestorePositions(std::uint32_t topLine, std::uint32_t caretLine, std::uint32_t caretColumn);
  // Performs a caret key as the keyboard does (also used by automation).
  void CaretKeyPress(CaretKey key, bool shift, bool autoRepeat = false);
  void HideSystemCaret();
  void ShowSystemCaret();

  // ---- Selection ----
  bool HasSelection() const { return selection_.active; }
  bool HasBoxSelection() const override { return selection_.active && selection_.box; }
  // The cells of the box selection, its last line clamped to the text.
  BoxRect SelectionBox() const;
  // Whether a client point lies on a selected character (or box cell).
  bool PointInSelection(int x, int y);
  // The stream selection [from, to); false when there is none.
  bool SelectionRange(TextOffset& from, TextOffset& to) const override;
  void SetSelection(TextOffset anchor, TextOffset caret) override;
  const EvSelection& Selection() const { return selection_; }
  // Selects whole display lines from anchorLine to line (the line ruler's
  // selection); the view does not scroll for it.
  void SelectWholeLines(std::uint32_t anchorLine, std::uint32_t line);
  void CancelSelection(bool redraw = true);
  void SelectAll();

  // ---- Editing (norb_ev_edit.cpp, norb_ev_clipboard.cpp) ----
  // Undo, redo, the clipboard and the line commands; false when id is not
  // an editing command.
  bool OnEditCommand(UINT id);
  bool OnUpdateEditCommand(UINT id, CommandState& state);
  // Types bytes at the caret as the keyboard does (automation too); the
  // text is recorded as typed text.
  void TypeBytes(const std::string& bytes);
  // A command that arrived by menu, tool bar or key: recorded when it can
  // be played back, then carried out.
  bool RunCommand(UINT id);
  // Records a command of the table of recordable commands (not the jump,
  // which records the number typed, nor the free conversion, which records
  // its rules).
  void RecordCommand(UINT id);

  // ---- Playback of recorded operations (norb_ev_playback.cpp) ----
  // A navigation key with the recorded Shift and Ctrl (modifier bits 1, 2).
  void PlayKey(UINT vk, std::uint32_t modifiers) override;
  // Typed text as recorded: Backspace and Tab act as their keys.
  void TypeRecordedText(std::string_view text) override;
  // The Delete key, count times.
  void PlayDelete(std::uint32_t count) override;
  void PlayViewCommand(UINT id) override;
  void PlaybackEnded() override;
  // Deletes the selection, if any (automation `DeleteString`).
  void DeleteSelectedText();
  void PasteText(const std::string& clip, bool asSelection) override;
  // Appends text at the end without an undo record (the result lines of
  // the global search); the caret stays where it is.
  bool AppendText(std::string_view text) override;

  // ---- OLE drop target (norb_ev_drop.cpp) ----
  bool DropAllowed();
  // Inserts dropped text at the caret the pointer placed (a move within the
  // same document rewrites it in one step); the effect that was carried out.
  DWORD DropText(const std::string& text, bool move);
  // The pointer of a drag hovers at a screen point: the caret follows it.
  void DragHover(int screenX, int screenY);
  void DragEnded();

  // ---- Search, jump and brackets (norb_ev_search.cpp) ----
  // The find, replace, find-box, jump and bracket commands; false for others.
  bool OnSearchCommand(UINT id);
  // One notification of the find or replace dialog (or one played back).
  void OnFindReplaceMessage(const FindRequest& request) override;
  bool FindNext(const std::string& text, bool down, bool matchCase);
  bool ReplaceAndFindNext(const std::string& text, const std::string& replacement, bool down, bool matchCase);
  void ReplaceAll(const std::string& text, const std::string& replacement, bool matchCase);
  // Searches for the tool bar's find box text.
  void FindBoxNext(bool down);
  // Searches for a find-box text (1 to 80 bytes) with the last options.
  void FindBoxSearch(const std::string& text, bool down) override;
  void OpenFindDialog(bool findOnly);

  // ---- Marks (norb_ev_marks.cpp) ----
  // The line and string mark commands; false for others.
  bool OnMarkCommand(UINT id);

  const EvMetrics& Metrics() const { return metrics_; }
  std::uint32_t TopLine() const { return topLine_; }
  int FirstColumn() const { return firstColumn_; }
  // Scrolls by whole lines, the caret staying where it is.
  void ScrollLines(std::int64_t lines);
  void SetObserver(EvObserver* observer) { observer_ = observer; }

 private:
  static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);

  // Font, metrics and scrolling (norb_ev.cpp).
  void MakeFont();
  void ComputeMetrics();
  void UpdateScrollRanges();
  void ApplyScrollInfo(int bar, const SCROLLINFO& si, SCROLLINFO& applied);
  void ScrollTo(std::uint32_t topLine, int firstColumn);
  void EnsureCaretVisible(int column, std::uint32_t line, CaretKey key);
  void PlaceSystemCaret(bool recreate);
  // Puts the input method's composition window at pt (client coordinates).
  void PlaceCompositionWindow(POINT pt);
  void OnSize(int width, int height);
  void OnScrollBar(int bar, int code);
  std::uint32_t MaxTopLine() const;
  GridMetrics Grid() const;
  ViewExtent Extent() const;

  // Painting (norb_ev_paint.cpp).
  void RebuildColourScheme();
  void OnPaint();
  void PaintRange(HDC dc, TextOffset from, TextOffset to);
  void PaintSelection(HDC dc);
  void DrawCaretUnderline(HDC dc, std::uint32_t line, bool draw);
  void InvalidateLines(std::uint32_t first, std::uint32_t last);
  void InvalidateSelectionChange(const EvSelection& before);
  POINT CellPoint(int column, std::uint32_t line) const;
  // The cell under a client point; the line is clamped to the text's lines.
  void CellAt(int x, int y, int& column, std::uint32_t& line) const;

  // Search (norb_ev_search.cpp).
  SearchText CurrentSearchText();
  std::optional<TextRange> LastHitSelected() const;
  TextRange FindScopeRange();
  bool PrepareFind(Searcher& searcher, const std::string& text, bool matchCase);
  // The cancel poll of a long search: a click in the find or replace dialog
  // or an Escape press asks "中止しますか？" under title; true for Yes.
  bool AskToStop(const std::wstring& title, HWND frame);
  void ShowHit(const SearchHit& hit);
  void JumpToLine();
  void MatchBracketCommand();

  // Marks (norb_ev_marks.cpp).
  void MarksChanged(bool lineMarks);
  void ToggleLineMark();
  void GoToLineMark(bool forward);
  void ResetLineMarks();
  void ToggleStringMark();
  void GoToStringMark(bool forward);
  void ResetStringMarks();
  // Whether display line `line` begins a marked logical line.
  bool LineMarked(std::uint32_t line) const;

  // Keys and mouse (norb_ev_input.cpp).
  void OnKeyDown(UINT vk, LPARAM lp);
  void OnLButtonDown(int x, int y, WPARAM keys);
  void OnMouseMove(int x, int y, WPARAM keys);
  void OnLButtonUp(int x, int y);
  // The cursor shape over the text, margins, selection and links.
  bool OnSetCursor();
  void OnLButtonDblClk(int x, int y, WPARAM keys);
  // The right button, Shift+F10 or the menu key: the popup menu, at the
  // pointer or (from the keyboard) at the caret.
  void OnContextMenu(LPARAM screenPoint);
  void OnMouseWheel(int delta);
  void OnMButtonDown(int x, int y);
  void OnTimer(UINT_PTR id);
  void StopAutoScroll();
  void DragTo(int column, std::uint32_t line);
  void ExtendTo(const CaretPos& pos);
  CaretMoveContext MoveContext(bool freeCursor, bool autoRepeat) const;

  // Editing (norb_ev_edit.cpp, norb_ev_clipboard.cpp).
  EditOptions MakeEditOptions() const;
  CaretPlace Place();
  void OnChar(wchar_t ch);
  // Inserts typed bytes without recording them.
  void InsertTyped(const std::string& bytes);
  void Backspace();
  void TabKey(bool shift);
  bool ShiftHeld() const;
  bool CtrlHeld() const;
  void DeleteKey(bool shift);
  void UndoRedo(bool redo);
  // Lays out a change, marks the document modified and tells the others.
  void ApplyChange(const TextChange& change);
  void FinishEdit(const EditOutcome& outcome, const TextRange* selection, bool moveToNextLine);
  void Finish(const EditResult& r);
  bool DeleteSelection(EditSession& session);
  // Deletes or cancels the selection as typed, pasted or dropped input asks.
  void ApplyInputPlan(EditSession& session, const InputPlan& plan);
  // The box selection's byte range on each of its display lines.
  std::vector<TextRange> BoxLines();
  std::string SelectedText();
  bool OnClipboardCommand(UINT id);
  void PasteFromHistory(UINT id);
  void InsertStringCommand();
  // The character conversions, split and join lines (norb_ev_convert.cpp).
  void ConversionCommand(UINT id);
  // The free conversion dialog and its run (norb_ev_free_conversion.cpp).
  void FreeConversionCommand();
  // The HTML tag commands (norb_ev_tags.cpp); false for other ids.
  bool OnTagCommand(UINT id);
  bool OnUpdateTagCommand(UINT id, CommandState& state);
  void TagFormCommand();
  TagSelection TagSelectionKind() const;
  // Hands the window to a tag operation and takes its caret and selection.
  template <typename Run>
  void RunTagEdit(Run run);
  void RegisterDropTarget();
  void RevokeDropTarget();
  void OnDropScrollTimer();

  void NotifyObserver(bool textChanged = false) {
    if (observer_) observer_->EvChanged(textChanged);
  }

  CNorbDoc& doc_;
  View* owner_;
  const EditContext& context_;
  EvObserver* observer_ = nullptr;
  HWND hwnd_ = nullptr;
  std::unique_ptr<Layout> layout_;
  FontHandle font_;
  EvMetrics metrics_;
  int fontCharSet_ = 128;
  std::uint32_t topLine_ = 0;
  int firstColumn_ = 0;
  bool vScrollEnabled_ = false;
  SCROLLINFO appliedV_{}, appliedH_{};  // what the bars were last given
  bool hScrollEnabled_ = false;
  Caret caret_;
  EvSelection selection_;
  // The process-wide settings record and the user's host, for the life of
  // the window.
  AppSettings& settings_;
  Host& host_;
  FindService& find_;
  OperationRecorder& recorder_;
  TagJumps& tags_;
  const PopupMenuItems& popupItems_;
  // While a recorded navigation key plays: its Shift and Ctrl, else -1.
  int playbackModifiers_ = -1;
  // The selection a search made.
  std::optional<TextRange> lastHit_;
  bool focused_ = false;
  bool composing_ = false;  // between the input method's start and end of a composition
  bool dragging_ = false;
  // ---- OLE drag source (norb_ev_drag.cpp) ----
  struct DragSourceState {
    bool handledHere = false;  // a window of the same document moved the text
    TextRange range;           // the dragged selection
  };
  // The window whose selection is being dragged, or null.
  static CNorbEV* ActiveDragSource();
  // A press on the selection with drag-and-drop editing: a drag begins once
  // the pointer moves past the drag distance; false when it is no such press.
  bool BeginPendingDrag(int x, int y);
  void PendingDragMoved(int x, int y);
  void PendingDragReleased(int x, int y);
  void RunDragSource();
  void ClickAt(int x, int y);
  bool dragPending_ = false;
  POINT dragPress_{};
  DragSourceState dragSource_;
  int autoScrollDirection_ = 0;  // 0, -1 up, +1 down
  bool panning_ = false;
  POINT panOrigin_{};
  POINT panLast_{};
  EvDropTarget* dropTarget_ = nullptr;
  bool dropScrollArmed_ = false;
  bool dropScrolling_ = false;
  std::unique_ptr<CellArray> cells_;
  std::unique_ptr<ColourScheme> scheme_;
};

}  // namespace quelt::win
