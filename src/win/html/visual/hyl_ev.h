// The visual edit window `CHylEV`: lays the visual document out on pages as
// they print, draws it with every character attribute, and keeps the caret
// and the selection; typing, deleting, the clipboard, undo and the tag
// commands go through the engine's visual editor.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "html/visual_caret.h"
#include "html/visual_format.h"
#include "html/visual_layout.h"

#include <optional>
#include "html/visual/hyl_metrics.h"
#include "framework/command.h"

namespace quelt::win {

class CHylDoc;
struct VisualContext;
class View;

// Told when the caret, the scroll position or the layout may have changed
// (the rulers follow).
class HylObserver {
 public:
  virtual ~HylObserver() = default;
  virtual void HylChanged() = 0;
};

class CHylEV {
 public:
  static constexpr wchar_t kClassName[] = L"QueltHylEV";
  // Pages stand this many pixels apart and from the window's edges.
  static constexpr int kPageGap = 16;

  CHylEV(CHylDoc& doc, View* view, const VisualContext& context);
  ~CHylEV();
  bool Create(HWND parent);
  HWND Hwnd() const { return hwnd_; }
  const VisualContext& Context() const { return context_; }
  void SetObserver(HylObserver* observer) { observer_ = observer; }

  // The document changed (loaded, or edited through another window).
  void OnDocumentChanged(bool loaded);
  void OnActivated() { ShowPosition(); }
  bool OnCommand(UINT id);
  bool OnUpdateCommand(UINT id, CommandState& state);

  // What the rulers show.
  const VisualLayout& Layout() const { return layout_; }
  VisualPoint CaretPagePoint() const { return CaretPoint(layout_, caret_); }
  std::size_t CaretLineIndex() const { return CaretLine(layout_, caret_); }
  // Window coordinates of a page's top left corner.
  POINT PageOrigin(int page) const;
  double PixelsPerMm() const { return metrics_ ? metrics_->PixelsPerMm() : 96 / 25.4; }
  int ScrollY() const { return scrollY_; }

 private:
  static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);

  // hyl_ev.cpp: layout, scrolling and the caret.
  void Relayout();
  void UpdateScrollBars();
  void ScrollTo(int x, int y);
  void OnScroll(int bar, int code);
  void ShowCaret();
  void EnsureCaretVisible();
  void Notify();
  // The caret's place in the status bar, while this window is active.
  void ShowPosition();
  VisualSelection Selection() const { return {anchor_, caret_.offset}; }
  void SetCaret(const VisualCaret& caret, bool extend);
  // The page and the point on it under a window point.
  VisualPoint PagePointAt(POINT p) const;
  int DocumentHeight() const;

  void Paint(HDC dc, const RECT& client, const RECT& dirty);

  // hyl_ev_input.cpp
  bool OnKeyDown(UINT key);
  void OnChar(wchar_t ch);
  void OnMouseDown(POINT p, bool shift);
  void OnMouseMove(POINT p);
  // The tag popup at a screen point (-1, -1 from the keyboard: at the caret).
  void OnContextMenu(POINT screen);
  // After an edit of the engine: the caret to its place, the views told.
  void AfterEdit(bool done, std::size_t caret);
  // The document changed: lay out again, put the caret and the anchor,
  // repaint, and with scroll bring the caret into view.
  void TakeChange(std::size_t caret, std::size_t anchor, bool scroll);
  bool EditAllowed();

  // hyl_ev_commands.cpp
  void Copy();
  void Cut();
  void Paste();
  void Undo();
  void LinkDialog();
  void RawTag(UINT id);
  // After a change of attributes: the selection stays.
  void Reformatted();
  // hyl_ev_character.cpp
  void CharacterDialog();
  // Text typed or pasted at the caret, with the pending change when the
  // caret still stands where the dialog left it.
  void InsertTyped(const std::string& bytes);
  // hyl_print.cpp
  void Print(bool preview);

  CHylDoc& doc_;
  View* view_;
  const VisualContext& context_;
  HWND hwnd_ = nullptr;
  HylObserver* observer_ = nullptr;
  HDC screenDc_ = nullptr;
  std::unique_ptr<GdiVisualMetrics> metrics_;
  VisualLayout layout_;
  VisualCaret caret_;
  std::size_t anchor_ = 0;
  int scrollX_ = 0, scrollY_ = 0;
  bool dragging_ = false;
  // The character dialog confirmed without a selection: what is typed next
  // at that place takes the change.
  std::optional<CharacterChange> pending_;
  std::size_t pendingAt_ = 0;
  // Characters typed one after another undo as one step: the run goes on
  // while the caret stays where the last one ended.
  bool typing_ = false;
  std::size_t typingEnd_ = 0;
};

}  // namespace quelt::win
