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

 private:
  void ShowText();
  FontHandle font_;
};

}  // namespace quelt::win
