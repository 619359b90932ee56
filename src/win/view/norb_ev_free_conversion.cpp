// The free conversion command of the edit window.
#include "view/norb_ev.h"

namespace quelt::win {

// Not built yet: the free conversion dialog and its run replace this.
void CNorbEV::FreeConversionCommand() { host_.Beep(); }

}  // namespace quelt::win
