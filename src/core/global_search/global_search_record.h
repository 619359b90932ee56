// What the global search command leaves for operation recording (a frame
// command record with the dialog's data), so that playback repeats it
// without the dialog. Layout: eight 32-bit little-endian words (match case,
// whole word, escape sequences, regular expression, distinguish width,
// subfolders, non-text files, each 0 or 1; then the code 0-3), then the
// search text, the mask text and the folder, each with a zero byte.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "global_search/global_search.h"

namespace quelt {

// The search text, mask text and folder are kept as the dialog gave them.
std::string EncodeGlobalSearchRecord(const GlobalSearchRequest& request);

// The dialog's values of a record over `settings` (which supplies what the
// dialog does not show). Nullopt for a short or long record, a flag other
// than 0 or 1, a code above 3, a text without its zero byte, an empty
// search or mask text, a search text over 80 bytes, or a mask text or
// folder over 260 bytes.
std::optional<GlobalSearchRequest> DecodeGlobalSearchRecord(std::string_view record,
                                                            const GlobalSearchRequest& settings = {});

}  // namespace quelt
