// The editing rules of the entry lists on the pages of the extraction
// sheet: "追加" and "削除", the numbers typed into the fields, the rows the
// lists show and the labels that follow the process.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "extract/extract_settings.h"

namespace quelt {

// What "追加" refused: the page beeps and selects that field (kListFull
// only beeps).
enum class EntryRefusal { kNone, kListFull, kText, kPosition, kLineCount };

// A whole number in [low, high]: an optional sign and decimal digits, with
// blanks around them allowed; nullopt for anything else.
std::optional<std::int32_t> ParseWholeNumber(std::string_view text, std::int32_t low, std::int32_t high);

// "追加" with the fields as typed (Shift-JIS). The list must hold fewer than
// 5 entries, the text 1-80 bytes, the position a whole number from -10000
// to 10000 and, for the step-1 list (withLineCount), the count one from 1
// to 10000; the entries of the step-2 lists have the count 1. On kNone the
// entry is appended.
EntryRefusal AddTypedEntry(std::vector<ExtractEntry>& list, std::string_view text, std::string_view position,
                           std::string_view lineCount, bool withLineCount);

// "削除" of the entry at selected: the entry to select afterwards (the one
// that moved into its place, else the new last one; -1 when the list is
// empty), or nullopt when nothing valid was selected (the page beeps).
std::optional<int> RemoveEntry(std::vector<ExtractEntry>& list, int selected);

// A list row: the string, a tab, the position and, with withLineCount,
// another tab and the count.
std::string EntryRowText(const ExtractEntry& entry, bool withLineCount);

// The separator text the parameter page accepts: at most 80 bytes.
bool IsValidSeparatorText(std::string_view text);

// The list labels (UTF-8) for a process (kProcessExtract, kProcessDelete).
std::string Step1ListLabel(std::int32_t process);
std::string StartListLabel(std::int32_t process);
std::string EndListLabel(std::int32_t process);

}  // namespace quelt
