// The open dialog: the system's file dialog with an added template holding
// the kind list and the code list, the read-only box and multiple selection.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "text/char_code.h"
#include "text/open_kind.h"

namespace quelt::win {

struct OpenDialogResult {
  std::vector<std::string> paths;  // Shift-JIS, at most kMaxOpenFiles
  OpenKindId kind = OpenKindId::kAuto;
  CharCodeId code = CharCodeId::kAuto;
  bool readOnly = false;
};

// False when the dialog was cancelled.
bool RunOpenDialog(HWND owner, OpenDialogResult& result);

}  // namespace quelt::win
