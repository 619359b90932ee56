// File masks of the search over files: the mask text of the dialog joined to
// its folder, split into masks, and the file-name wildcards.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quelt {

// The mask text may hold at most 260 bytes, before and after joining.
constexpr std::size_t kMaxMaskText = 260;
// At most 10 masks are taken from one mask text.
constexpr std::size_t kMaxMasks = 10;
// A single mask longer than this is ignored.
constexpr std::size_t kMaxMaskLength = 255;

// True when a mask names its drive (":" as its second or third byte, the
// third for a quoted mask) or is a network path ("\\server\...").
bool MaskHasDrive(std::string_view mask);

// The mask text as it is searched: a text without a drive is joined to the
// folder (a leading "\" of the text is dropped; a text that starts with a
// double quote gets the folder inside the quote). Nullopt, when the text or
// the joined result is over 260 bytes: the command beeps and stops. An
// empty text is refused as well. "::name" is returned as it is.
std::optional<std::string> JoinMaskText(std::string_view maskText, std::string_view currentFolder);

// True for "::name", the name of a search file list.
bool IsListMask(std::string_view maskText);
// The list name of "::name".
std::string_view ListNameOf(std::string_view maskText);

// Splits a mask text at spaces into at most 10 masks. A mask holding spaces
// stands between double quotes, and two double quotes inside it stand for
// one. A mask over 255 bytes is ignored. A later mask without a drive is
// placed in the first mask's folder (a leading "\" dropped):
// C:\src\*.c *.h gives C:\src\*.c and C:\src\*.h.
std::vector<std::string> SplitMasks(std::string_view maskText);

// Whether a file name matches a wildcard: "*" any run of characters, "?"
// one character (a double-byte character is one), ASCII letters without
// regard to case. "*.*" matches every name, also one without a dot.
bool MatchesWildcard(std::string_view name, std::string_view pattern);

}  // namespace quelt
