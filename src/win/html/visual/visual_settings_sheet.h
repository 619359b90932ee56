// The common settings of the HTML visual mode (32919): a sheet over the
// "HtmlMode" settings; confirmed, every visual window lays out anew.
#pragma once

#include <windows.h>

namespace quelt::win {

struct VisualContext;

// Shows the sheet over the main frame; true when it was confirmed (the
// settings changed).
bool RunVisualSettingsSheet(const VisualContext& context);

}  // namespace quelt::win
