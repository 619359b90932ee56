// `ExpandParameters`: the parameters of a user tool with their "$"
// variables replaced, as the string insertion's variables are, except that
// "$f" ends the expansion when no text document is active.
#pragma once

#include <string>
#include <string_view>

#include "base/clock.h"

namespace quelt {

// The active text document as the tool sees it; null: none.
struct ToolDocument {
  std::string path;  // empty for an untitled document
  int line = 1;      // the caret's, 1-based
  int column = 1;
};

std::string ExpandParameters(std::string_view parameters, const ToolDocument* document, const LocalTime& now,
                             std::string_view timeZone = {});

}  // namespace quelt
