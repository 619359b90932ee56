// Basic types shared by every module of the engine.
#pragma once

#include <cstdint>

namespace quelt {

// Byte offset into a document's text. Offsets never point at the second byte
// of a double-byte character nor between the CR and LF of a line end.
using TextOffset = std::uint32_t;

// Answer of every capacity check (text block, line tables, undo buffers).
enum class Capacity : int {
  kFits = 0,         // enough room already
  kGrown = 1,        // the buffer was reallocated: refetch pointers
  kOutOfMemory = 2,  // reallocation failed, the old buffer is intact
  kOverLimit = 3,    // the request passes the fixed limit
};

}  // namespace quelt
