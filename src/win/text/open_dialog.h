// The open dialog: the system's file dialog with an added template holding
// the kind list and the code list, the read-only box and multiple selection.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "text/char_code.h"
#include "text/open_kind.h"

namespace quelt {
struct CabinetSettings;
}

namespace quelt::win {

struct OpenDialogResult {
  std::vector<std::string> paths;  // Shift-JIS, at most kMaxOpenFiles
  OpenKindId kind = OpenKindId::kAuto;
  CharCodeId code = CharCodeId::kAuto;
  bool readOnly = false;
};

// What the dialog shows: the current cabinet's filters and file (named in
// the frame's status bar while the cabinet kind is chosen), and whether the
// active document is an HTML document (the default extension).
struct OpenDialogContext {
  HWND frame = nullptr;
  const CabinetSettings* cabinet = nullptr;
  std::string cabinetPath;
  bool activeHtml = false;
};

// False when the dialog was cancelled.
bool RunOpenDialog(const OpenDialogContext& context, OpenDialogResult& result);

}  // namespace quelt::win
