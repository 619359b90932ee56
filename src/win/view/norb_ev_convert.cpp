// The character conversions, split lines and join lines of the edit window.
#include "view/norb_ev.h"

namespace quelt::win {

void CNorbEV::ConversionCommand(UINT) { host_.Beep(); }

}  // namespace quelt::win
