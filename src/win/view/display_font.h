// The display font of the text windows, as the current cabinet describes it.
// The document needs its character set before any window exists: it decides
// the lead-byte test the text is read with.
#pragma once

#include <windows.h>

namespace quelt {
struct CabinetSettings;
}

namespace quelt::win {

// The logical font of the cabinet's display font at the given vertical
// resolution (dots per inch).
LOGFONTW DisplayLogFont(const CabinetSettings& cabinet, int logPixelsY);

// The character set of the font the system chooses for it (the screen's
// resolution).
int DisplayFontCharSet(const CabinetSettings& cabinet);

}  // namespace quelt::win
