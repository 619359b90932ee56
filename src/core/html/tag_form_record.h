// What the free tag form (33019) leaves for operation recording, so that
// playback inserts the same pair without the dialog: the prefix and a zero
// byte, then the suffix and a zero byte.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "html/tag_pair.h"

namespace quelt {

std::string EncodeTagFormRecord(const TagPair& values);
// Nullopt unless the data holds two texts each ended by a zero byte; bytes
// after the second zero byte are ignored.
std::optional<TagPair> DecodeTagFormRecord(std::string_view data);

}  // namespace quelt
