// The quick test that tells a cabinet file from other files by its first
// bytes; the automatic choice of a document kind asks it on the first 32
// bytes of a file.
#pragma once

#include <cstddef>
#include <cstdint>

namespace quelt {

// True when the first n bytes look like the start of a cabinet file.
bool HasCabinetSignature(const std::uint8_t* bytes, std::size_t n);

}  // namespace quelt
