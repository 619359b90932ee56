// The "$" variables of inserted strings, headers and footers: "$l" line,
// "$c" column, "$n" file name, "$f" path, "$e" weekday and the strftime
// letters for the current local time.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "base/clock.h"

namespace quelt {

// An expansion holds at most this many bytes; a variable or character that
// does not fit ends it.
constexpr std::size_t kMaxExpandedFormat = 255;

// Expands format (Shift-JIS) with the path of the document, a line and a
// column number and the time `now`. timeZone is the text of "$z" (empty
// when unknown). Names of days and months are the C locale's; "$e" is one
// kanji with the Japanese interface and the abbreviated weekday with the
// English one (IsEnglishInterface()).
std::string ExpandFormat(std::string_view format, std::string_view path, int line, int column,
                         const LocalTime& now, std::string_view timeZone = {});
// The same with the time taken from the clock.
std::string ExpandFormat(std::string_view format, std::string_view path, int line, int column,
                         Clock& clock, std::string_view timeZone = {});

// The formats of the date and time insertion commands.
std::string_view DateInsertionFormat();  // "$y/$m/$d", "$m/$d/$y" in English
std::string_view TimeInsertionFormat();  // "$H:$M:$S"

// The help list of the string insertion dialog, one line per variable.
extern const char* const kFormatVariableHelp[];
extern const std::size_t kFormatVariableHelpCount;

}  // namespace quelt
