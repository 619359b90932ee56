// The key-definition file beside the executable ("<exe>.key").
//
// Layout (little-endian): a 32-bit file length (12 + 276 x count), a 32-bit
// count (0-80) and the 32-bit format mark 200, then per binding a 32-bit key,
// a 32-bit kind, 16-bit modifiers, a 16-bit command id and the operation
// file's name in 264 bytes, zero-ended.
//
// The older layout is read as well: 16-bit file length (6 + 18 x count),
// count and format mark 1540, then 18-byte bindings of 16-bit key, kind,
// modifiers and command id and a 10-byte zero-ended name. A file is taken
// for the older layout when the 16-bit value at offset 4 is 1540 and the
// 32-bit value at offset 8 is not 200.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "keys/key_binding.h"

namespace quelt {

constexpr std::size_t kMaxKeyBindings = 80;
constexpr std::size_t kKeyFileHeaderSize = 12;
constexpr std::size_t kKeyFileBindingSize = 276;
constexpr std::uint32_t kKeyFileMark = 200;
constexpr std::size_t kOldKeyFileHeaderSize = 6;
constexpr std::size_t kOldKeyFileBindingSize = 18;
constexpr std::uint16_t kOldKeyFileMark = 1540;
// Reading takes at most this many bytes of the file.
constexpr std::size_t kKeyFileReadSize = 30720;

// Parses a key file's bytes. True when every check of either layout passes;
// `out` then holds the bindings (at most 80, every kind 1-3 and modifiers
// 0-3, names of kind 2 only, each at most 263 bytes). False leaves `out`
// empty.
bool ParseKeyFile(std::string_view bytes, std::vector<KeyBinding>& out);

// The file's content, in the current layout, for at most 80 bindings.
std::string BuildKeyFile(std::span<const KeyBinding> bindings);

}  // namespace quelt
