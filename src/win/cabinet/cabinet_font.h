// The font command (32780): the display font of the cabinet, chosen among
// the fixed-pitch screen fonts.
#pragma once

namespace quelt::win {

void RunCabinetFontCommand();

}  // namespace quelt::win
