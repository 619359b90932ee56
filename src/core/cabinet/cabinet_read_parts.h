// Steps shared by the readers of the current and the older cabinet layouts.
#pragma once

#include <string>
#include <vector>

#include "cabinet/cabinet_settings.h"

namespace quelt::cabinet_detail {

// Whether a 16-bit colour code has the use flag and an index of 1-16.
bool IsFlaggedCode(std::uint32_t code);
// Whether a 16-bit colour code is a plain index of 1-16.
bool IsPlainCode(std::uint32_t code);
// Validation of the colour codes of words 13-23 in the older layouts.
bool ColourCodesValid(const FormatBlock& block);
// Converts words 13-23 from colour codes to colours.
void ConvertColourCodes(FormatBlock& block);
// Gives every ranged word that holds a value outside its range the default
// of the block's document type (a tab width of 0 must never reach layout).
void SanitiseBlock(FormatBlock& block);
// Takes the keywords in order, dropping those that are not 1-30 bytes, and
// sets the count word to the number kept.
void TakeKeywords(const std::vector<std::string>& read, CabinetSettings& settings);

}  // namespace quelt::cabinet_detail
