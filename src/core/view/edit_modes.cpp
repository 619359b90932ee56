#include "view/edit_modes.h"

namespace quelt {

EditModes& GlobalEditModes() {
  static EditModes modes;
  return modes;
}

}  // namespace quelt
