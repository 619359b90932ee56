// A text document's edit window as the services that fill it, read it or
// jump in it see it (the global search's and the line extraction's result
// documents, captured tool output, printing, tag jumps), and the text
// windows of the program as they find them. The edit window implements the
// one, the views the other.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "text/text_store.h"
#include "view/layout.h"

namespace quelt::win {

class Document;

class TextWindow {
 public:
  virtual HWND Hwnd() const = 0;
  // The document the window shows, and its text.
  virtual Document& OwnerDocument() = 0;
  virtual TextStore& Store() = 0;
  virtual Layout& TextLayout() = 0;

  virtual TextOffset CaretOffset() = 0;
  virtual std::uint32_t CaretLine() const = 0;
  virtual int CaretColumn() const = 0;
  virtual void SetCaretOffset(TextOffset p, bool noScroll = false) = 0;
  // Moves the caret to a 0-based line and column; false for a line past
  // the end.
  virtual bool JumpTo(std::uint32_t line, int column) = 0;

  virtual bool HasBoxSelection() const = 0;
  // The stream selection [from, to); false when there is none.
  virtual bool SelectionRange(TextOffset& from, TextOffset& to) const = 0;
  virtual void SetSelection(TextOffset anchor, TextOffset caret) = 0;

  virtual void PasteText(const std::string& clip, bool asSelection) = 0;
  // Appends text at the end without an undo record; the caret stays.
  virtual bool AppendText(std::string_view text) = 0;

 protected:
  ~TextWindow() = default;
};

class TextWindows {
 public:
  // The edit window of the active child when it is a text view, or null.
  virtual TextWindow* ActiveTextWindow() = 0;
  // The edit window of an open document's first view, or null (for null or
  // a document that is not a text document).
  virtual TextWindow* FirstTextWindow(const Document* doc) = 0;
  // Makes the window's child the active one.
  virtual void Activate(TextWindow& window) = 0;

 protected:
  ~TextWindows() = default;
};

}  // namespace quelt::win
