// The save dialog: the system's file dialog with an added template holding
// the code and line-end lists, preset from the document.
#pragma once

#include <windows.h>

#include "text/load_save.h"

namespace quelt::win {

class WinSaveAsDialog : public SaveAsDialog {
 public:
  WinSaveAsDialog(HWND owner, bool htmlDocument) : owner_(owner), html_(htmlDocument) {}
  bool Run(const SaveAsRequest& request, SaveAsChoice& choice) override;

 private:
  HWND owner_;
  bool html_;
};

}  // namespace quelt::win
