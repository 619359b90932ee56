// `CNorbView`: the window on a text document. Until the edit window takes its
// place it shows the text read-only in a multi-line edit control (and a
// document opened in binary kind as a hexadecimal dump).
#pragma once

#include "framework/handles.h"
#include "framework/view.h"

namespace quelt::win {

class CNorbDoc;

class CNorbView : public View {
 public:
  bool Create(HWND parent) override;
  void OnInitialUpdate() override;
  void OnUpdate(View* sender, int hint) override;
  CNorbDoc* Doc() const;

  // The caret as (column, line), 0-based; the column counts Shift-JIS bytes
  // of the line before the caret. False when the line does not exist.
  bool JumpTo(int line, int column);
  int CaretLine() const;
  int CaretColumn() const;

 private:
  void ShowText();
  FontHandle font_;
};

}  // namespace quelt::win
