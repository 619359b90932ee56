// The file name the Save As dialog proposes for a document.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quelt {

// An untitled document's title contributes at most 8 characters to the
// proposed name; a double-byte character counts as one.
constexpr std::size_t kProposedTitleChars = 8;

// The document's path when it has one. Otherwise its title (Shift-JIS) cut
// to kProposedTitleChars characters, then cut
// before the first space, '#', '%', ';', '/' or '\'; with ".txt" appended
// when the current cabinet is a text cabinet (file type 0).
std::string ProposeSaveName(std::string_view path, std::string_view title, int cabinetFileType);

}  // namespace quelt
