// The logical lines of a text held in one piece (Shift-JIS, CR LF line
// ends): the start of each line, found once, and the ranges a line covers.
// Only a CR LF pair ends a line; a lone CR or LF is part of its line. A final
// CR LF ends the last line and opens no empty line after it, so "a\r\nb\r\n"
// and "a\r\nb" both hold two lines and an empty text none.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "base/types.h"

namespace quelt {

class ExtractLines {
 public:
  // Throws std::bad_alloc when the table cannot be had.
  explicit ExtractLines(std::string_view text);

  std::uint32_t Count() const { return static_cast<std::uint32_t>(starts_.size()) - 1; }
  TextOffset Start(std::uint32_t line) const { return starts_[line]; }
  // Just after the line's CR LF (the text's end for a last line without one):
  // the start of the next line.
  TextOffset End(std::uint32_t line) const { return starts_[line + 1]; }
  // The line's own text ends here, before its CR LF.
  TextOffset TextEnd(std::uint32_t line) const {
    return line + 1 < Count() || lastEndsInCrLf_ ? starts_[line + 1] - 2 : starts_[line + 1];
  }

 private:
  std::vector<TextOffset> starts_;  // one per line and the text's length
  bool lastEndsInCrLf_ = false;
};

}  // namespace quelt
