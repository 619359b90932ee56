// Number formats of the document properties dialog.
#pragma once

#include <cstdint>
#include <string>

namespace quelt {

// A count with a comma every three digits ("1,234,567").
std::string FormatCount(std::uint64_t count);

// A size as kilobytes with one decimal, rounded, then the byte count:
// "1.5KB ( 1,536 Bytes )".
std::string FormatKilobytes(std::uint64_t bytes);

}  // namespace quelt
