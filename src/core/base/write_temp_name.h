// The name of the file a save writes first, beside its target, before the
// target is replaced by it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quelt {

// How many names a writer tries before it gives up: each name is created
// only when no file of that name exists.
constexpr unsigned kWriteTempAttempts = 16;

// "~qtNNNNN.tmp" in the target's folder: an 8.3 name of 12 characters, so
// a target whose own name is at the limit of 255 characters still gets a
// temporary name that fits. NNNNN is five hexadecimal digits made of the
// process id and the attempt number (0 .. kWriteTempAttempts - 1), so two
// programs writing into one folder rarely meet and a retry takes another
// name.
std::string WriteTempName(std::string_view target, std::uint32_t processId, unsigned attempt);

}  // namespace quelt
