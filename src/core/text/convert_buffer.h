// The result buffer of a whole-buffer conversion, allocated for the worst
// case before anything is converted.
#pragma once

#include <cstddef>
#include <new>
#include <stdexcept>

#include "text/char_code.h"

namespace quelt {

// Sizes result.bytes to bound; false, with the status kOutOfMemory, when
// the memory cannot be had. Result is a ConvertResult or a record of the
// same two fields.
template <typename Result>
bool AllocateConverted(Result& result, std::size_t bound) {
  try {
    result.bytes.resize(bound);
    return true;
  } catch (const std::bad_alloc&) {
  } catch (const std::length_error&) {
  }
  result.status = ConvertStatus::kOutOfMemory;
  return false;
}

}  // namespace quelt
