// The font command (32780): the display font of the cabinet, chosen among
// the fixed-pitch screen fonts.
#pragma once

#include <windows.h>

#include <string>

#include "cabinet/cabinet_settings.h"

namespace quelt::win {

void RunCabinetFontCommand();

// The screen's dots per inch (vertical).
int ScreenDpi();
// A font record's face name (Shift-JIS, up to its zero byte).
std::string FaceOf(const FontRecord& f);
// The record of a logical font chosen at a size in points; the face goes
// into its 32-byte field, never half of a double-byte character.
FontRecord FromLogFont(const LOGFONTW& lf, int points);

}  // namespace quelt::win
