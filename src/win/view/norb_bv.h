// `CNorbBV`: the binary view of a document opened in binary kind. It shows
// the bytes as rows of 16 (offset, hexadecimal, characters), keeps a caret
// and a selection in bytes, and edits through the document's text store and
// undo history as the edit window does. The rows, the typing rules and the
// caret keys are the engine's (binary/).
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "binary/binary_edit.h"
#include "binary/binary_rows.h"
#include "framework/command.h"
#include "framework/handles.h"
#include "view/edit_context.h"

namespace quelt {
struct AppSettings;
class Host;
}  // namespace quelt

namespace quelt::win {

class CNorbDoc;
class FindService;
class View;

class CNorbBV {
 public:
  static constexpr wchar_t kWindowClass[] = L"QueltNorbBV";

  CNorbBV(CNorbDoc& doc, View* owner);
  ~CNorbBV();
  CNorbBV(const CNorbBV&) = delete;
  CNorbBV& operator=(const CNorbBV&) = delete;

  bool Create(HWND parent);
  HWND Hwnd() const { return hwnd_; }

  // The document changed elsewhere (another view, loading): lay out again.
  void OnTextChanged();
  // Undo, redo, copy, cut, paste, jump, find, the find box, select all;
  // false for other commands.
  bool OnCommand(UINT id);
  bool OnUpdateCommand(UINT id, CommandState& state);
  const BinaryCaret& Caret() const { return caret_; }

 private:
  static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);

  // ---- Display (norb_bv.cpp) ----
  void MakeFont();
  void OnSize(int width, int height);
  void OnPaint();
  // The bytes of the rows from the top row on (at most rows of them).
  struct ShownBytes {
    std::uint64_t firstRow = 0, endRow = 0;
    std::uint32_t start = 0;  // the text offset of bytes[0]
    std::string bytes;
    std::size_t RowStart(std::uint64_t row) const {
      return static_cast<std::size_t>(row * kBinaryBytesPerRow - start);
    }
  };
  ShownBytes ReadShownBytes(int rows);
  // The rows shown, as lines of text (WM_GETTEXT).
  std::wstring ShownText();
  void PaintRow(HDC dc, std::uint64_t row, int y, const std::string& window, std::size_t rowStart);
  void InvertSelection(HDC dc, std::uint64_t row, int y);
  std::uint64_t RowCount() const;
  int VisibleRows() const;
  void UpdateScrollBars();
  void ScrollToRow(std::int64_t row);
  void OnVScroll(int code);
  void OnHScroll(int code);
  void ShowCaretAt();
  void MakeCaretVisible();
  void Redraw() { InvalidateRect(hwnd_, nullptr, FALSE); }
  // After a modal dialog: the keys come back here once the frame is
  // active again.
  void RestoreFocusLater() { PostMessageW(hwnd_, kMsgTakeFocus, 0, 0); }
  static constexpr UINT kMsgTakeFocus = WM_APP + 40;

  // ---- Input (norb_bv_input.cpp) ----
  void OnKeyDown(UINT vk);
  void OnChar(wchar_t ch);
  void PlaceAt(int x, int y, bool extend);
  void OnLButtonDown(int x, int y);
  void OnMouseMove(int x, int y);
  void OnLButtonUp();
  void OnTimer();
  // After an edit: lay out, tell the other views, show the caret.
  void Edited(const EditOutcome& outcome);
  bool Editable();

  // ---- Commands (norb_bv_commands.cpp) ----
  void Copy(bool cut);
  void Paste();
  void Jump();
  void FindBox(bool down);

  CNorbDoc& doc_;
  View* owner_;
  const EditContext& context_;
  AppSettings& settings_;
  Host& host_;
  FindService& find_;
  HWND hwnd_ = nullptr;
  FontHandle font_;
  int charWidth_ = 8;
  int lineHeight_ = 16;
  int clientWidth_ = 0;
  int clientHeight_ = 0;
  std::int64_t topRow_ = 0;
  int leftColumn_ = 0;
  BinaryCaret caret_;
  bool dragging_ = false;
  int dragY_ = 0;
  int dragX_ = 0;
};

}  // namespace quelt::win
