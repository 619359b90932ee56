// The fonts of printing: the print font of the page layout at a printer's
// resolution, the font of the header and footer, and the chooser behind
// "印刷用ﾌｫﾝﾄ設定".
#pragma once

#include <windows.h>

#include "cabinet/cabinet_settings.h"

namespace quelt::win {

// The print font at logPixelsY dots per inch: height −(dots × points ÷ 72),
// width 0; a record without a face name is the default font of 10 points.
LOGFONTW PrintLogFont(const FontRecord& font, int logPixelsY);
// The header and footer font: a 10-point copy of the default font with the
// English interface, a 9-point default font otherwise.
LOGFONTW BandLogFont(int logPixelsY);
// The font chooser on the fixed-pitch fonts; false when cancelled.
bool ChoosePrintFont(HWND owner, FontRecord& font);

}  // namespace quelt::win
