// The engine's source of time, so that dates in inserted text, backup names
// and time-outs can be tested.
#pragma once

#include <cstdint>

#include "base/file_system.h"

namespace quelt {

struct LocalTime : FileTime {
  int dayOfWeek = 0;  // 0 = Sunday
  int millisecond = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual LocalTime Now() = 0;
  // Milliseconds since some fixed start (the system tick count).
  virtual std::uint32_t TickCount() = 0;
};

}  // namespace quelt
