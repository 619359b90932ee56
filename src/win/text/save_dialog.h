// The save dialog: the system's file dialog with an added template holding
// the code and line-end lists, preset from the document.
#pragma once

#include <windows.h>

#include "cabinet/cabinet_settings.h"
#include "text/load_save.h"

namespace quelt::win {

class WinSaveAsDialog : public SaveAsDialog {
 public:
  // owner: the main frame, whose status bar shows the document's code.
  WinSaveAsDialog(HWND owner, const CabinetSettings& cabinet, bool htmlDocument)
      : owner_(owner), cabinet_(cabinet), html_(htmlDocument) {}
  bool Run(const SaveAsRequest& request, SaveAsChoice& choice) override;

 private:
  HWND owner_;
  const CabinetSettings& cabinet_;
  bool html_;
};

}  // namespace quelt::win
