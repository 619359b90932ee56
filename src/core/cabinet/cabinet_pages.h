// The logic of the cabinet settings pages that needs no window: checking
// the keyword text, the format page's values and their operation record.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/messages.h"
#include "cabinet/cabinet_settings.h"

namespace quelt {

constexpr std::size_t kKeywordTextReadBytes = 6400;  // the keyword page reads at most this much
constexpr std::size_t kKeywordTextLimit = 6397;      // text this long or longer is refused (59403)
constexpr std::size_t kFormatRecordBytes = 52;       // thirteen values in a recorded format change
constexpr std::size_t kFormatRecordMinBytes = 44;    // older recordings hold eleven or twelve

struct KeywordPageResult {
  bool ok = false;
  MessageId message = kMsgOverMaxSize;  // when not ok: 59403, 59404 or 59405
  std::vector<std::string> keywords;    // when ok: the non-empty lines in order
};

// Checks the text of the keyword page, one keyword per line: the whole text
// under 6,397 bytes, no line over 30 bytes, at most 200 non-empty lines.
KeywordPageResult ParseKeywordText(std::string_view text);
// The text the keyword page shows: the keywords, each followed by CR LF.
std::string KeywordText(const std::vector<std::string>& keywords);

// The values of the format page. Spacing is in tenths of a millimetre.
struct FormatPageValues {
  std::uint32_t documentType = 0, lineWidth = 80, tabWidth = 4, lineCounting = 0;
  std::uint32_t freeCursor = 1, autoIndent = 0, showLineEnds = 1, showTabs = 0;
  std::uint32_t saveLineMarks = 1, saveStringMarks = 1, wordWrap = 0, tabInsertsBlanks = 0;
  std::uint32_t kinsoku = 0;
  std::uint32_t lineSpacing = 0, charSpacing = 0;
  bool operator==(const FormatPageValues&) const = default;
};

FormatPageValues FormatPageFrom(const CabinetSettings& settings);

// The spacing fields show millimetres with one decimal ("1.5"); the block
// keeps tenths. Parsing takes blanks around the number, at most one decimal
// and refuses anything above 10.0; false leaves tenths untouched.
bool ParseTenths(std::string_view text, std::uint32_t& tenths);
std::string FormatTenths(std::uint32_t tenths);
// Whether every value lies in the range the page allows.
bool FormatPageValid(const FormatPageValues& values);

// What applying the format page asks of the views.
struct FormatChange {
  bool relayout = false;       // lay every text document out again
  bool refreshLineBar = false; // the line-number counting changed
};
// Copies the values into settings and says what must be redrawn.
FormatChange ApplyFormatPage(const FormatPageValues& values, CabinetSettings& settings);

// The operation record of a format change: thirteen 32-bit values in the
// order document type, line width, tab width, line counting, free cursor,
// auto indent, line-end marks, tab marks, save line marks, save string
// marks, word wrap, Tab inserts blanks, kinsoku. Spacing is not recorded.
std::string EncodeFormatRecord(const FormatPageValues& values);
// Takes recorded data into values: 44 or 48 bytes leave the missing trailing
// values as they are. False (values untouched) for less than 44 bytes or a
// value outside the page's ranges.
bool DecodeFormatRecord(std::string_view data, FormatPageValues& values);

// The font command's record: the 60-byte font record as words 26-40 of the
// block hold it. Decoding needs all 60 bytes; false leaves font untouched.
std::string EncodeFontRecord(const FontRecord& font);
bool DecodeFontRecord(std::string_view data, FontRecord& font);

constexpr int kMaxFontPixels = 100;  // a display font is at most this high on the screen
// The point size to store for a chosen size at the screen's vertical
// resolution (dots per inch): sizes higher than 100 pixels become the size
// of 100 pixels, and limited says so.
int LimitFontPoints(int points, int dpi, bool& limited);

}  // namespace quelt
