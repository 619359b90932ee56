// The system's local time as the engine's LocalTime.
#pragma once

#include "base/clock.h"

namespace quelt::win {

LocalTime LocalNow();

}  // namespace quelt::win
