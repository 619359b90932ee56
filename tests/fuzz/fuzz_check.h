// The check every fuzz target uses: a property that does not hold prints what
// failed and stops the process with a trap, which libFuzzer reports as a
// crash and saves the input for.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string_view>

#define FUZZ_CHECK(cond)                                                                \
  do {                                                                                  \
    if (!(cond)) {                                                                      \
      std::fprintf(stderr, "fuzz check failed: %s (%s:%d)\n", #cond, __FILE__, __LINE__); \
      __builtin_trap();                                                                 \
    }                                                                                   \
  } while (0)

namespace quelt::fuzz {

inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

inline const std::uint8_t* AsBytes(std::string_view text) {
  return reinterpret_cast<const std::uint8_t*>(text.data());
}

}  // namespace quelt::fuzz
