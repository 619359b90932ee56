// "ﾌﾟﾛﾊﾟﾃｨ": the document's name, path, file size and times, code, line
// end, line counts and edit size.
#pragma once

#include <windows.h>

#include "text/doc_properties.h"

namespace quelt::win {

void RunPropertiesDialog(HWND owner, const DocumentProperties& properties);

}  // namespace quelt::win
