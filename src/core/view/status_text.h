// The texts of the status-bar panes that follow the caret: line, the two
// column panes and the code of the character under the caret.
#pragma once

#include <cstdint>
#include <string>

#include "text/char_code.h"
#include "view/caret_moves.h"
#include "view/layout.h"

namespace quelt {

struct CaretStatusTexts {
  std::string line;     // pane "XXXXX"
  std::string column1;  // pane "XXX"
  std::string column2;  // pane "XXX"
  std::string charCode; // pane "BBBB"; empty when not shown or past the text
};

// "%.5u" of a 1-based line number.
std::string FormatLinePane(std::uint32_t number);
// The column panes of a 1-based column number: below 1000 the number
// ("%.3lu") and " "; else the digits before the last three, zero-padded to
// three, and the last three digits.
void FormatColumnPanes(std::uint32_t number, std::string* first, std::string* second);

struct StatusOptions {
  bool countLogicalLines = false;  // "改行ﾏｰｸまでが１行"
  bool displayCharCode = false;    // `DisplayCharCode`
  bool displayAlwaysShiftJis = false;
  CharCodeId code = CharCodeId::kShiftJis;  // the document's code and line end
  LineEndId lineEnd = LineEndId::kCrLf;
};

CaretStatusTexts CaretStatus(Layout& layout, const CaretPos& caret, const StatusOptions& options);

}  // namespace quelt
