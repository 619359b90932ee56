// The input modes that hold for every edit window of the process at once.
#pragma once

namespace quelt {

struct EditModes {
  bool insert = true;       // typing inserts; false: typing overwrites
  bool thickCaret = false;  // in overwrite mode the caret covers two cells
  bool tabToSpace = false;  // a typed tab becomes blanks
};

// The process-wide modes.
EditModes& GlobalEditModes();

}  // namespace quelt
